// One guide point of a prestressing tendon.
#include "CHLGZ_HlPointStruct.h"

CHLGZ_HlPointStruct::CHLGZ_HlPointStruct() { Reset(); }

void CHLGZ_HlPointStruct::Reset()
{
    m_nSupport = 0;
    m_dX = 0.0;
    m_dY = 0.0;
    m_dR = 0.0;
}
