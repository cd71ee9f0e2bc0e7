// The geometry library's global settings: the tolerance every default argument uses.
#pragma once

#include "AcGeTol.h"

struct AcGeContext {
    static AcGeTol gTol;
};
