// Drawing-side bottom straight bars at one support.
#include "CHLGZ_LPMSteel.h"

CHLGZ_LPMSteel::CHLGZ_LPMSteel() { Reset(); }

void CHLGZ_LPMSteel::Reset()
{
    CHLGZ_BALSteel::Reset();
    SetKind(3);
}
