// Drawing-side strengthening settings.
#include "CHLGZ_ExtendSteel.h"

#include "DrawingArrayHelpers.h"

CHLGZ_ExtendSteel::CHLGZ_ExtendSteel() { Reset(); }

void CHLGZ_ExtendSteel::Reset()
{
    m_aCodes.removeAll();
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

void CHLGZ_ExtendSteel::AssignFrom(const CBent_ExtendSteel& design)
{
    CopyPointArray(m_aCodes, design.GetCodes());
    m_nTopBarType = design.GetTopBarType();
    m_nTopDiameter = design.GetTopDiameter();
    m_nBottomBarType = design.GetBottomBarType();
    m_nBottomDiameter = design.GetBottomDiameter();
    m_nEdgeOuterForm = design.GetEdgeOuterForm();
    m_nEdgeInnerForm = design.GetEdgeInnerForm();
    m_nMiddlePierForm = design.GetMiddlePierForm();
    m_nMidSpanForm = design.GetMidSpanForm();
    m_dEdgeOuterDistance = design.GetEdgeOuterDistance();
    m_dEdgeInnerDistance = design.GetEdgeInnerDistance();
    m_dMiddlePierDistance = design.GetMiddlePierDistance();
    m_dMidSpanDistance = design.GetMidSpanDistance();
    m_dMultiLayerDecrement = design.GetMultiLayerDecrement();
    m_nFurtherValue1 = design.GetFurtherValue1();
    m_nFurtherValue2 = design.GetFurtherValue2();
    m_nFurtherValue3 = design.GetFurtherValue3();
    m_nFurtherValue4 = design.GetFurtherValue4();
}

void CHLGZ_ExtendSteel::ClearFlaggedEntries(const AcGeIntArray& flags)
{
    m_aCodes.setLogicalLength(flags.length());
    for (int i = 0; i < flags.length(); ++i)
        if (flags[i] == 1)
            m_aCodes[i] = 0;
}
