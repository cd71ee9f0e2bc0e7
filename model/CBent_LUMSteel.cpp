// Bottom straight bars of the whole elevation.
#include "CBent_LUMSteel.h"

CBent_LUMSteel::CBent_LUMSteel() { Reset(); }

void CBent_LUMSteel::Reset()
{
    CBent_BALSteel::Reset();
    SetKind(3);
}
