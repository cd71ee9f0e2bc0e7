// Drawing-side bottom straight bars of the whole elevation.
#include "CHLGZ_LUMSteel.h"

CHLGZ_LUMSteel::CHLGZ_LUMSteel() { Reset(); }

void CHLGZ_LUMSteel::Reset()
{
    CHLGZ_BALSteel::Reset();
    SetKind(3);
}
