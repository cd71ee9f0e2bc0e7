// One prestressing tendon of a design.
#include "CHLGZ_HlBarStruct.h"

CHLGZ_HlBarStruct::CHLGZ_HlBarStruct() { Reset(); }

void CHLGZ_HlBarStruct::Reset()
{
    m_strName.Empty();
    m_nNumber = 0;
    m_nBundleCount = 0;
    m_aSectionValues.RemoveAll();
    m_aFurtherValues.RemoveAll();
    m_nTensionMode = 0;
    m_dWorkingLength = 0.0;
    m_aPoints.RemoveAll();
}
