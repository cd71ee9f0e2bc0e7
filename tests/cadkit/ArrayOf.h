// Lists written inline in the tests: the library's arrays built from braced lists, and read back
// into standard vectors where a comparison wants one.
#pragma once

#include "AcArray.h"

#include <initializer_list>
#include <vector>

template <class T>
AcArray<T> arrayOf(std::initializer_list<T> values)
{
    AcArray<T> result;
    for (const T& v : values)
        result.append(v);
    return result;
}

template <class T>
std::vector<T> vectorOf(const AcArray<T>& values)
{
    return std::vector<T>(values.begin(), values.end());
}
