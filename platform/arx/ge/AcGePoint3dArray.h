// Array of AcGePoint3d values with the platform's array interface.
#pragma once

#include "AcArray.h"
#include "AcGePoint3d.h"

typedef AcArray<AcGePoint3d> AcGePoint3dArray;
