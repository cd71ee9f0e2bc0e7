// Array of double values with the platform's array interface.
#pragma once

#include "AcArray.h"

typedef AcArray<double> AcGeDoubleArray;
