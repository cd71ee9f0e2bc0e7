// Top-plate bars of a face, placed by their distances from the top plate's sides.
#include "CBent_LTLSteel.h"

CBent_LTLSteel::CBent_LTLSteel() { Reset(); }

void CBent_LTLSteel::Reset()
{
    CBent_BALSteel::Reset();
    SetKind(0);
    SetLeftDistance(50.0);
    SetRightDistance(50.0);
}
