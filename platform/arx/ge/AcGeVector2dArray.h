// Array of AcGeVector2d values with the platform's array interface.
#pragma once

#include "AcArray.h"
#include "AcGeVector2d.h"

typedef AcArray<AcGeVector2d> AcGeVector2dArray;
