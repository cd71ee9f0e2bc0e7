// One anchorage row.
#include "CHLGZ_MatAnchor.h"

void CHLGZ_MatAnchor::Reset()
{
    strName.Empty();
    nValue = 0;
}
