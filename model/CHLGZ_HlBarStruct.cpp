// One prestressing tendon of a design.
#include "CHLGZ_HlBarStruct.h"

#include "RecordListHelpers.h"

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

bool CHLGZ_HlBarStruct::operator==(const CHLGZ_HlBarStruct& other) const
{
    return m_strName == other.m_strName && m_nNumber == other.m_nNumber && m_nBundleCount == other.m_nBundleCount &&
           ListsEqual(m_aSectionValues, other.m_aSectionValues) &&
           ListsEqual(m_aFurtherValues, other.m_aFurtherValues) && m_nTensionMode == other.m_nTensionMode &&
           m_dWorkingLength == other.m_dWorkingLength && ListsEqual(m_aPoints, other.m_aPoints);
}
