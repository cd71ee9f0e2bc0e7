// The drawing-side copy of a cap-beam design and its conversion from the design record.
#include "CHLGZ_PierInfo.h"

#include "DrawingArrayHelpers.h"

CHLGZ_PierInfo::CHLGZ_PierInfo() { Reset(); }

CHLGZ_PierInfo& CHLGZ_PierInfo::operator=(const CBent_PierInfo& design)
{
    AssignFrom(design);
    return *this;
}

void CHLGZ_PierInfo::Reset()
{
    ResetFields();
    m_MoreInfo.Reset();
    m_aSupportDistances.removeAll();
    m_MainFace.Reset();
    m_EndFace.Reset();
    m_aFaceList.RemoveAll();
    m_aTendons.RemoveAll();
    m_ExtendSteel.Reset();
    m_AddInfo.Reset();
}

void CHLGZ_PierInfo::AssignFrom(const CBent_PierInfo& design)
{
    // 1. Scales, drawing controls, symmetry flags, covers, the support count and the
    //    skeleton texts.
    PierInfoFields::operator=(design);

    // 2. Further parameters.
    m_MoreInfo.AssignFrom(design.GetMoreInfo());

    // 3. Support distances.
    AssignRealArray(m_aSupportDistances, design.GetSupportDistances());

    // 4. Section positions.
    CopyPointArray(m_aSectionPositions, design.GetSectionPositions());

    // 5. Main face, then end face.
    m_MainFace.AssignFrom(design.GetMainFace());
    m_EndFace.AssignFrom(design.GetEndFace());

    // 6. Further faces, each filled through a fresh face.
    m_aFaceList.RemoveAll();
    for (INT_PTR i = 0; i < design.GetFaceList().GetSize(); ++i) {
        CHLGZ_FaceInfo face;
        face.AssignFrom(design.GetFaceList()[i]);
        m_aFaceList.Add(face);
    }

    // 7. Tendons, the same record on both sides.
    m_aTendons.Copy(design.GetTendons());

    // 8. Strengthening settings.
    m_ExtendSteel.AssignFrom(design.GetExtendSteel());

    // 9. Additional information, the same record on both sides.
    m_AddInfo = design.GetAddInfo();
}
