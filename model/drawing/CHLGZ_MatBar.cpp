// One row of the bar list.
#include "CHLGZ_MatBar.h"

void CHLGZ_MatBar::Reset()
{
    nValue1 = 0;
    nValue2 = 0;
    dValue = 0.0;
}
