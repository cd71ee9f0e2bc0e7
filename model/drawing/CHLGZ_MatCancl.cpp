// One row of a named quantity.
#include "CHLGZ_MatCancl.h"

void CHLGZ_MatCancl::Reset()
{
    strName.Empty();
    dValue = 0.0;
}
