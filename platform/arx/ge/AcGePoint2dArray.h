// Array of AcGePoint2d values with the platform's array interface.
#pragma once

#include "AcArray.h"
#include "AcGePoint2d.h"

typedef AcArray<AcGePoint2d> AcGePoint2dArray;
