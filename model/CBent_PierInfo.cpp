// The root record of a cap-beam design.
#include "CBent_PierInfo.h"

#include "RecordListHelpers.h"

CBent_PierInfo::CBent_PierInfo()
    : m_dTopCover(70.0),
      m_dBottomCover(70.0),
      m_dSideCover(50.0),
      m_dEndCover(60.0),
      m_dAnchorSealingCover(50.0),
      m_dFurtherCover(50.0)
{
    Reset();
}

CBent_PierInfo::CBent_PierInfo(const CBent_PierInfo& other) : CBent_PierInfo() { Copy(other); }

CBent_PierInfo& CBent_PierInfo::operator=(const CBent_PierInfo& other)
{
    Copy(other);
    return *this;
}

void CBent_PierInfo::Reset()
{
    m_dElevationScale = 50.0;
    m_dSectionScale = 40.0;
    m_nForceWholeDrawing = 0;
    m_nDrawTestDrawing = 0;
    m_nGeneralSymmetric = 1;
    m_nColumnSpacingSymmetric = 1;
    m_nSectionStirrupsSymmetric = 1;
    m_nSkeletonArrangementSymmetric = 1;
    m_nBarSkeletonSymmetric = 1;
    m_nStrengtheningSymmetric = 1;
    m_MoreInfo.Reset();
    m_nSupportCount = 0;
    m_aSupportDistances.RemoveAll();
    m_MainFace.Reset();
    m_EndFace.Reset();
    m_aFaceList.RemoveAll();
    m_strPlateBarsText.Empty();
    m_strSkeletonTypeText.Empty();
    m_aTendons.RemoveAll();
    m_ExtendSteel.Reset();
    m_AddInfo.Reset();
}

void CBent_PierInfo::Copy(const CBent_PierInfo& other)
{
    if (&other == this)
        return;
    m_dElevationScale = other.m_dElevationScale;
    m_dSectionScale = other.m_dSectionScale;
    m_nForceWholeDrawing = other.m_nForceWholeDrawing;
    m_nDrawTestDrawing = other.m_nDrawTestDrawing;
    m_nGeneralSymmetric = other.m_nGeneralSymmetric;
    m_nColumnSpacingSymmetric = other.m_nColumnSpacingSymmetric;
    m_nSectionStirrupsSymmetric = other.m_nSectionStirrupsSymmetric;
    m_nSkeletonArrangementSymmetric = other.m_nSkeletonArrangementSymmetric;
    m_nBarSkeletonSymmetric = other.m_nBarSkeletonSymmetric;
    m_nStrengtheningSymmetric = other.m_nStrengtheningSymmetric;
    m_dTopCover = other.m_dTopCover;
    m_dBottomCover = other.m_dBottomCover;
    m_dSideCover = other.m_dSideCover;
    m_dEndCover = other.m_dEndCover;
    m_dAnchorSealingCover = other.m_dAnchorSealingCover;
    m_dFurtherCover = other.m_dFurtherCover;
    m_MoreInfo = other.m_MoreInfo;
    m_nSupportCount = other.m_nSupportCount;
    CopyRealArray(other.m_aSupportDistances, m_aSupportDistances);
    m_MainFace = other.m_MainFace;
    m_EndFace = other.m_EndFace;
    m_aFaceList.Copy(other.m_aFaceList);
    m_strPlateBarsText = other.m_strPlateBarsText;
    m_strSkeletonTypeText = other.m_strSkeletonTypeText;
    CopyIntArray(other.m_aSectionPositions, m_aSectionPositions);
    m_aTendons.Copy(other.m_aTendons);
    m_ExtendSteel = other.m_ExtendSteel;
    m_AddInfo = other.m_AddInfo;
}

bool CBent_PierInfo::operator==(const CBent_PierInfo& other) const
{
    return m_dElevationScale == other.m_dElevationScale && m_dSectionScale == other.m_dSectionScale &&
           m_nForceWholeDrawing == other.m_nForceWholeDrawing && m_nDrawTestDrawing == other.m_nDrawTestDrawing &&
           m_nGeneralSymmetric == other.m_nGeneralSymmetric &&
           m_nColumnSpacingSymmetric == other.m_nColumnSpacingSymmetric &&
           m_nSectionStirrupsSymmetric == other.m_nSectionStirrupsSymmetric &&
           m_nSkeletonArrangementSymmetric == other.m_nSkeletonArrangementSymmetric &&
           m_nBarSkeletonSymmetric == other.m_nBarSkeletonSymmetric &&
           m_nStrengtheningSymmetric == other.m_nStrengtheningSymmetric && m_dTopCover == other.m_dTopCover &&
           m_dBottomCover == other.m_dBottomCover && m_dSideCover == other.m_dSideCover &&
           m_dEndCover == other.m_dEndCover && m_dAnchorSealingCover == other.m_dAnchorSealingCover &&
           m_dFurtherCover == other.m_dFurtherCover && m_nSupportCount == other.m_nSupportCount &&
           ListsEqual(m_aSupportDistances, other.m_aSupportDistances) &&
           ListsEqual(m_aSectionPositions, other.m_aSectionPositions) && m_MainFace == other.m_MainFace &&
           m_EndFace == other.m_EndFace && ListsEqual(m_aFaceList, other.m_aFaceList) &&
           m_strPlateBarsText == other.m_strPlateBarsText && m_strSkeletonTypeText == other.m_strSkeletonTypeText &&
           m_MoreInfo == other.m_MoreInfo && ListsEqual(m_aTendons, other.m_aTendons) &&
           m_ExtendSteel == other.m_ExtendSteel && m_AddInfo == other.m_AddInfo;
}
