// Drawing-side top straight bars of the whole elevation.
#include "CHLGZ_LUPSteel.h"

CHLGZ_LUPSteel::CHLGZ_LUPSteel() { Reset(); }

void CHLGZ_LUPSteel::Reset()
{
    CHLGZ_BALSteel::Reset();
    SetKind(2);
}
