// The drawing-side copy of a cap-beam design and its conversion from the design record.
#include "CHLGZ_PierInfo.h"

#include "DrawingArrayHelpers.h"

CHLGZ_PierInfo::CHLGZ_PierInfo()
    : m_dTopCover(70.0),
      m_dBottomCover(70.0),
      m_dSideCover(50.0),
      m_dEndCover(60.0),
      m_dAnchorSealingCover(50.0),
      m_dFurtherCover(50.0)
{
    Reset();
}

CHLGZ_PierInfo& CHLGZ_PierInfo::operator=(const CBent_PierInfo& design)
{
    AssignFrom(design);
    return *this;
}

void CHLGZ_PierInfo::Reset()
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
    m_aSupportDistances.removeAll();
    m_MainFace.Reset();
    m_EndFace.Reset();
    m_aFaceList.RemoveAll();
    m_strPlateBarsText.Empty();
    m_strSkeletonTypeText.Empty();
    m_aTendons.RemoveAll();
    m_ExtendSteel.Reset();
    m_AddInfo.Reset();
}

void CHLGZ_PierInfo::AssignFrom(const CBent_PierInfo& design)
{
    // 1. Scales, drawing controls and symmetry flags.
    m_dElevationScale = design.GetElevationScale();
    m_dSectionScale = design.GetSectionScale();
    m_nForceWholeDrawing = design.GetForceWholeDrawing();
    m_nDrawTestDrawing = design.GetDrawTestDrawing();
    m_nGeneralSymmetric = design.GetGeneralSymmetric();
    m_nColumnSpacingSymmetric = design.GetColumnSpacingSymmetric();
    m_nSectionStirrupsSymmetric = design.GetSectionStirrupsSymmetric();
    m_nSkeletonArrangementSymmetric = design.GetSkeletonArrangementSymmetric();
    m_nBarSkeletonSymmetric = design.GetBarSkeletonSymmetric();
    m_nStrengtheningSymmetric = design.GetStrengtheningSymmetric();

    // 2. Covers.
    m_dTopCover = design.GetTopCover();
    m_dBottomCover = design.GetBottomCover();
    m_dSideCover = design.GetSideCover();
    m_dEndCover = design.GetEndCover();
    m_dAnchorSealingCover = design.GetAnchorSealingCover();
    m_dFurtherCover = design.GetFurtherCover();

    // 3. Further parameters.
    m_MoreInfo.AssignFrom(design.GetMoreInfo());

    // 4. Supports.
    m_nSupportCount = design.GetSupportCount();
    AssignRealArray(m_aSupportDistances, design.GetSupportDistances());

    // 5. Section positions.
    CopyPointArray(m_aSectionPositions, design.GetSectionPositions());

    // 6. Main face, then end face.
    m_MainFace.AssignFrom(design.GetMainFace());
    m_EndFace.AssignFrom(design.GetEndFace());

    // 7. Further faces, each filled through a fresh face.
    m_aFaceList.RemoveAll();
    for (INT_PTR i = 0; i < design.GetFaceList().GetSize(); ++i) {
        CHLGZ_FaceInfo face;
        face.AssignFrom(design.GetFaceList()[i]);
        m_aFaceList.Add(face);
    }

    // 8. Plate-bars and skeleton type texts.
    m_strPlateBarsText = design.GetPlateBarsText();
    m_strSkeletonTypeText = design.GetSkeletonTypeText();

    // 9. Tendons, the same record on both sides.
    m_aTendons.Copy(design.GetTendons());

    // 10. Strengthening settings.
    m_ExtendSteel.AssignFrom(design.GetExtendSteel());

    // 11. Additional information, the same record on both sides.
    m_AddInfo = design.GetAddInfo();
}
