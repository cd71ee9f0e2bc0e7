// The material quantities of one drawing.
#include "CHLGZ_MatTotal.h"

void CHLGZ_MatTotal::Reset()
{
    aBars.RemoveAll();
    aAnchors.RemoveAll();
    aCancls.RemoveAll();
    for (auto& steels : aSteels)
        steels.RemoveAll();
}
