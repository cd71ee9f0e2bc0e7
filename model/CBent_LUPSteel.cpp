// Top straight bars of the whole elevation.
#include "CBent_LUPSteel.h"

CBent_LUPSteel::CBent_LUPSteel() { Reset(); }

void CBent_LUPSteel::Reset()
{
    CBent_BALSteel::Reset();
    SetKind(2);
}
