// Drawing-side further parameters.
#include "CHLGZ_MoreInfo.h"

#include "DrawingArrayHelpers.h"

CHLGZ_MoreInfo::CHLGZ_MoreInfo() { Reset(); }

void CHLGZ_MoreInfo::Reset()
{
    m_nSeismicStirrups = 0;
    m_dStirrupSpacing = 150.0;
    m_dDenseStirrupSpacing = 100.0;
    m_dSkewStirrupSpacing = 200.0;
    m_nDensifyInPierRanges = 0;
    m_dDenseRangeEdgeOuter = 0.0;
    m_dDenseRangeEdgeInner = 0.0;
    m_dDenseHalfRangeMiddle = 0.0;
    m_nCapType = 0;
    m_nWeldType = 0;
    m_dWeldWidth = 0.0;
    m_nBendAngle = 45;
    m_dBendRadius = 100.0;
    m_nFurtherBarType1 = 1;
    m_nAnchorBarType = 1;
    m_nSkeletonBarType = 1;
    m_nStirrupBarType = 1;
    m_nSideBarType = 0;
    m_nFurtherBarType2 = 1;
    m_nFurtherDiameter1 = 12;
    m_nAnchorDiameter = 12;
    m_nSkeletonDiameter = 28;
    m_nStirrupDiameter = 12;
    m_nSideDiameter = 8;
    m_nFurtherDiameter2 = 12;
    m_nFurtherSetting1 = 100;
    m_dSideBarSpacing = 100.0;
    m_nFurtherSetting2 = 100;
    m_nFurtherSetting3 = 100;
    m_nFurtherSetting4 = 100;
    m_dAnchorBarSpacing = 100.0;
    m_nFurtherSetting5 = 1000;
    m_nFurtherSetting6 = 100;
    m_nFurtherSetting7 = 100;
    m_nBendDownMode = 1;
    m_nOuterUpperFixed = 1;
    m_aSkeletonSpacings.removeAll();
    m_aSideSpacings.removeAll();
}

void CHLGZ_MoreInfo::AssignFrom(const CBent_MoreInfo& design)
{
    m_nSeismicStirrups = design.GetSeismicStirrups();
    m_dStirrupSpacing = design.GetStirrupSpacing();
    m_dDenseStirrupSpacing = design.GetDenseStirrupSpacing();
    m_dSkewStirrupSpacing = design.GetSkewStirrupSpacing();
    m_nDensifyInPierRanges = design.GetDensifyInPierRanges();
    m_dDenseRangeEdgeOuter = design.GetDenseRangeEdgeOuter();
    m_dDenseRangeEdgeInner = design.GetDenseRangeEdgeInner();
    m_dDenseHalfRangeMiddle = design.GetDenseHalfRangeMiddle();
    m_nCapType = design.GetCapType();
    m_nWeldType = design.GetWeldType();
    m_dWeldWidth = design.GetWeldWidth();
    m_nBendAngle = design.GetBendAngle();
    m_dBendRadius = design.GetBendRadius();
    m_nFurtherBarType1 = design.GetFurtherBarType1();
    m_nAnchorBarType = design.GetAnchorBarType();
    m_nSkeletonBarType = design.GetSkeletonBarType();
    m_nStirrupBarType = design.GetStirrupBarType();
    m_nSideBarType = design.GetSideBarType();
    m_nFurtherBarType2 = design.GetFurtherBarType2();
    m_nFurtherDiameter1 = design.GetFurtherDiameter1();
    m_nAnchorDiameter = design.GetAnchorDiameter();
    m_nSkeletonDiameter = design.GetSkeletonDiameter();
    m_nStirrupDiameter = design.GetStirrupDiameter();
    m_nSideDiameter = design.GetSideDiameter();
    m_nFurtherDiameter2 = design.GetFurtherDiameter2();
    m_nFurtherSetting1 = design.GetFurtherSetting1();
    m_dSideBarSpacing = design.GetSideBarSpacing();
    m_nFurtherSetting2 = design.GetFurtherSetting2();
    m_nFurtherSetting3 = design.GetFurtherSetting3();
    m_nFurtherSetting4 = design.GetFurtherSetting4();
    m_dAnchorBarSpacing = design.GetAnchorBarSpacing();
    m_nFurtherSetting5 = design.GetFurtherSetting5();
    m_nFurtherSetting6 = design.GetFurtherSetting6();
    m_nFurtherSetting7 = design.GetFurtherSetting7();
    m_nBendDownMode = design.GetBendDownMode();
    m_nOuterUpperFixed = design.GetOuterUpperFixed();
    AssignRealArray(m_aSkeletonSpacings, design.GetSkeletonSpacings());
    AssignRealArray(m_aSideSpacings, design.GetSideSpacings());
}
