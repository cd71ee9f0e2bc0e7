// Drawing-side bottom-plate bars of a face.
#include "CHLGZ_LBLSteel.h"

CHLGZ_LBLSteel::CHLGZ_LBLSteel() { Reset(); }

void CHLGZ_LBLSteel::Reset()
{
    CHLGZ_BASSteel::Reset();
    SetKind(1);
}
