// The strengthening straight bars of the top and bottom plates.
#include "CBent_ExtendSteel.h"

#include "BarColumnCodes.h"
#include "DesignLimits.h"
#include "RecordListHelpers.h"

CBent_ExtendSteel::CBent_ExtendSteel() { Reset(); }

void CBent_ExtendSteel::Reset()
{
    m_aCodes.RemoveAll();
    m_nTopBarType = 1;
    m_nTopDiameter = 28;
    m_nBottomBarType = 1;
    m_nBottomDiameter = 28;
    m_nEdgeOuterForm = 0;
    m_nEdgeInnerForm = 0;
    m_nMiddlePierForm = 0;
    m_nMidSpanForm = 0;
    m_dEdgeOuterDistance = 0.0;
    m_dEdgeInnerDistance = 0.0;
    m_dMiddlePierDistance = 0.0;
    m_dMidSpanDistance = 0.0;
    m_dMultiLayerDecrement = 0.0;
    m_nFurtherValue1 = 0;
    m_nFurtherValue2 = 0;
    m_nFurtherValue3 = 1;
    m_nFurtherValue4 = 1;
}

BOOL CBent_ExtendSteel::SetCodeCount(int n)
{
    if (n < 0)
        return TRUE;
    if (n > kMaxBarColumns)
        return FALSE;
    if (m_aCodes.GetSize() > n)
        m_aCodes.RemoveAt(n, m_aCodes.GetSize() - n);
    while (m_aCodes.GetSize() < n)
        m_aCodes.Add(0);
    return TRUE;
}

void CBent_ExtendSteel::ClearCodeTens()
{
    for (INT_PTR i = 0; i < m_aCodes.GetSize(); ++i)
        SetCodeDigit(m_aCodes[i], 0, FALSE);
}

bool CBent_ExtendSteel::operator==(const CBent_ExtendSteel& other) const
{
    return ListsEqual(m_aCodes, other.m_aCodes) && m_nTopBarType == other.m_nTopBarType &&
           m_nTopDiameter == other.m_nTopDiameter && m_nBottomBarType == other.m_nBottomBarType &&
           m_nBottomDiameter == other.m_nBottomDiameter && m_nEdgeOuterForm == other.m_nEdgeOuterForm &&
           m_nEdgeInnerForm == other.m_nEdgeInnerForm && m_nMiddlePierForm == other.m_nMiddlePierForm &&
           m_nMidSpanForm == other.m_nMidSpanForm && m_dEdgeOuterDistance == other.m_dEdgeOuterDistance &&
           m_dEdgeInnerDistance == other.m_dEdgeInnerDistance &&
           m_dMiddlePierDistance == other.m_dMiddlePierDistance &&
           m_dMidSpanDistance == other.m_dMidSpanDistance &&
           m_dMultiLayerDecrement == other.m_dMultiLayerDecrement && m_nFurtherValue1 == other.m_nFurtherValue1 &&
           m_nFurtherValue2 == other.m_nFurtherValue2 && m_nFurtherValue3 == other.m_nFurtherValue3 &&
           m_nFurtherValue4 == other.m_nFurtherValue4;
}
