// One row of the bar weights by diameter.
#include "CHLGZ_MatSteel.h"

void CHLGZ_MatSteel::Reset()
{
    nDiameter = 0;
    dWeight = 0.0;
}
