// The one global tolerance object of the geometry library.
#include "AcGeContext.h"

AcGeTol AcGeContext::gTol;
