// The design records' lists of reals, written in the tests as vectors.
#pragma once

#include "CArray.h"

#include <vector>

inline CArray<double, const double&> Reals(std::vector<double> values)
{
    CArray<double, const double&> list;
    for (double v : values)
        list.Add(v);
    return list;
}
