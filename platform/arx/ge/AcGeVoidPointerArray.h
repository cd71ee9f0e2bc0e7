// Array of untyped pointers, as the platform hands out lists of curves it owns or lends.
#pragma once

#include "AcArray.h"

typedef AcArray<void*> AcGeVoidPointerArray;
