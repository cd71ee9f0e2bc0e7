// A line of a view's outline: two points.
#pragma once

#include "AcGePoint3d.h"

struct LineInfo {
    AcGePoint3d start;
    AcGePoint3d end;
};
