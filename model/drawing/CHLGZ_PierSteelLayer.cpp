// The bar layers at one support.
#include "CHLGZ_PierSteelLayer.h"

void CHLGZ_PierSteelLayer::Reset() { aLayers.RemoveAll(); }
