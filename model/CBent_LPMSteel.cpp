// Bottom straight bars at one support.
#include "CBent_LPMSteel.h"

CBent_LPMSteel::CBent_LPMSteel() { Reset(); }

void CBent_LPMSteel::Reset()
{
    CBent_BALSteel::Reset();
    SetKind(3);
}
