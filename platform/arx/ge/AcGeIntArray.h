// Array of int values with the platform's array interface.
#pragma once

#include "AcArray.h"

typedef AcArray<int> AcGeIntArray;
