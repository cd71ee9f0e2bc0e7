// Top straight bars at one support.
#include "CBent_LPPSteel.h"

CBent_LPPSteel::CBent_LPPSteel() { Reset(); }

void CBent_LPPSteel::Reset()
{
    CBent_BALSteel::Reset();
    SetKind(2);
}
