// The further parameters of a cap-beam design.
#include "CBent_MoreInfo.h"

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
