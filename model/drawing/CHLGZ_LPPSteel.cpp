// Drawing-side top straight bars at one support.
#include "CHLGZ_LPPSteel.h"

CHLGZ_LPPSteel::CHLGZ_LPPSteel() { Reset(); }

void CHLGZ_LPPSteel::Reset()
{
    CHLGZ_BALSteel::Reset();
    SetKind(2);
}
