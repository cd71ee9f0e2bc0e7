// One bar layer of a cross section.
#include "CHLGZ_SteelLayer.h"

void CHLGZ_SteelLayer::Reset()
{
    nBar = 0;
    dHeight = 0.0;
}
