// The further parameters of a cap-beam design.
#include "CBent_MoreInfo.h"

#include "RecordListHelpers.h"

CBent_MoreInfo::CBent_MoreInfo() { Reset(); }

void CBent_MoreInfo::Reset()
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
    m_aSkeletonSpacings.RemoveAll();
    m_aSideSpacings.RemoveAll();
}

bool CBent_MoreInfo::operator==(const CBent_MoreInfo& other) const
{
    return m_nSeismicStirrups == other.m_nSeismicStirrups && m_dStirrupSpacing == other.m_dStirrupSpacing &&
           m_dDenseStirrupSpacing == other.m_dDenseStirrupSpacing &&
           m_dSkewStirrupSpacing == other.m_dSkewStirrupSpacing &&
           m_nDensifyInPierRanges == other.m_nDensifyInPierRanges &&
           m_dDenseRangeEdgeOuter == other.m_dDenseRangeEdgeOuter &&
           m_dDenseRangeEdgeInner == other.m_dDenseRangeEdgeInner &&
           m_dDenseHalfRangeMiddle == other.m_dDenseHalfRangeMiddle && m_nCapType == other.m_nCapType &&
           m_nWeldType == other.m_nWeldType && m_dWeldWidth == other.m_dWeldWidth &&
           m_nBendAngle == other.m_nBendAngle && m_dBendRadius == other.m_dBendRadius &&
           m_nFurtherBarType1 == other.m_nFurtherBarType1 && m_nAnchorBarType == other.m_nAnchorBarType &&
           m_nSkeletonBarType == other.m_nSkeletonBarType && m_nStirrupBarType == other.m_nStirrupBarType &&
           m_nSideBarType == other.m_nSideBarType && m_nFurtherBarType2 == other.m_nFurtherBarType2 &&
           m_nFurtherDiameter1 == other.m_nFurtherDiameter1 && m_nAnchorDiameter == other.m_nAnchorDiameter &&
           m_nSkeletonDiameter == other.m_nSkeletonDiameter && m_nStirrupDiameter == other.m_nStirrupDiameter &&
           m_nSideDiameter == other.m_nSideDiameter && m_nFurtherDiameter2 == other.m_nFurtherDiameter2 &&
           m_nFurtherSetting1 == other.m_nFurtherSetting1 && m_dSideBarSpacing == other.m_dSideBarSpacing &&
           m_nFurtherSetting2 == other.m_nFurtherSetting2 && m_nFurtherSetting3 == other.m_nFurtherSetting3 &&
           m_nFurtherSetting4 == other.m_nFurtherSetting4 && m_dAnchorBarSpacing == other.m_dAnchorBarSpacing &&
           m_nFurtherSetting5 == other.m_nFurtherSetting5 && m_nFurtherSetting6 == other.m_nFurtherSetting6 &&
           m_nFurtherSetting7 == other.m_nFurtherSetting7 && m_nBendDownMode == other.m_nBendDownMode &&
           m_nOuterUpperFixed == other.m_nOuterUpperFixed &&
           ListsEqual(m_aSkeletonSpacings, other.m_aSkeletonSpacings) &&
           ListsEqual(m_aSideSpacings, other.m_aSideSpacings);
}
