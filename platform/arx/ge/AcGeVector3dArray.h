// Array of AcGeVector3d values with the platform's array interface.
#pragma once

#include "AcArray.h"
#include "AcGeVector3d.h"

typedef AcArray<AcGeVector3d> AcGeVector3dArray;
