// Bottom-plate bars of a face.
#include "CBent_LBLSteel.h"

CBent_LBLSteel::CBent_LBLSteel() { Reset(); }

void CBent_LBLSteel::Reset()
{
    CBent_BASSteel::Reset();
    SetKind(1);
}
