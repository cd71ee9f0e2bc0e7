// Drawing-side top-plate bars of a face.
#include "CHLGZ_LTLSteel.h"

CHLGZ_LTLSteel::CHLGZ_LTLSteel() { Reset(); }

void CHLGZ_LTLSteel::Reset()
{
    CHLGZ_BALSteel::Reset();
    SetKind(0);
    SetLeftDistance(50.0);
    SetRightDistance(50.0);
}
