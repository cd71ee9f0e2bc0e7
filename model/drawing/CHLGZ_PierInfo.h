// The drawing-side copy of a cap-beam design, which the drawing classes read and change freely
// while the design record stays as read. Same shape as the design: settings, covers, supports,
// faces, further parameters, tendons, strengthening settings and additional information; its
// bar records carry computed geometry and its number lists are the CAD library's arrays.
#pragma once

#include "AcGeDoubleArray.h"
#include "AcGeIntArray.h"
#include "CArray.h"
#include "CBent_AddInfo.h"
#include "CBent_PierInfo.h"
#include "CHLGZ_ExtendSteel.h"
#include "CHLGZ_FaceInfo.h"
#include "CHLGZ_HlBarStruct.h"
#include "CHLGZ_MoreInfo.h"
#include "PierInfoFields.h"
#include "CString.h"

class CHLGZ_PierInfo : public PierInfoFields {
public:
    CHLGZ_PierInfo();
    CHLGZ_PierInfo(const CHLGZ_PierInfo& other) = default;
    CHLGZ_PierInfo& operator=(const CHLGZ_PierInfo& other) = default;
    // The drawing run's conversion: runs AssignFrom.
    CHLGZ_PierInfo& operator=(const CBent_PierInfo& design);
    virtual ~CHLGZ_PierInfo() = default;

    // Everything but the covers and the section positions back to its default.
    void Reset();
    // Copies every design value, rebuilds every list and face; computes nothing.
    void AssignFrom(const CBent_PierInfo& design);

    AcGeDoubleArray& GetSupportDistances() { return m_aSupportDistances; }
    const AcGeDoubleArray& GetSupportDistances() const { return m_aSupportDistances; }
    // Section codes: 0 the whole-beam mid-span, k (1 to n) the section at pier k, n + k the
    // mid-span after pier k, n being the pier count.
    AcGeIntArray& GetSectionPositions() { return m_aSectionPositions; }
    const AcGeIntArray& GetSectionPositions() const { return m_aSectionPositions; }

    CHLGZ_FaceInfo& GetMainFace() { return m_MainFace; }
    const CHLGZ_FaceInfo& GetMainFace() const { return m_MainFace; }
    CHLGZ_FaceInfo& GetEndFace() { return m_EndFace; }
    const CHLGZ_FaceInfo& GetEndFace() const { return m_EndFace; }
    // One face per extra skeleton type (A, B, ...).
    CArray<CHLGZ_FaceInfo, const CHLGZ_FaceInfo&>& GetFaceList() { return m_aFaceList; }
    const CArray<CHLGZ_FaceInfo, const CHLGZ_FaceInfo&>& GetFaceList() const { return m_aFaceList; }

    CHLGZ_MoreInfo& GetMoreInfo() { return m_MoreInfo; }
    const CHLGZ_MoreInfo& GetMoreInfo() const { return m_MoreInfo; }
    CArray<CHLGZ_HlBarStruct, const CHLGZ_HlBarStruct&>& GetTendons() { return m_aTendons; }
    const CArray<CHLGZ_HlBarStruct, const CHLGZ_HlBarStruct&>& GetTendons() const { return m_aTendons; }
    CHLGZ_ExtendSteel& GetExtendSteel() { return m_ExtendSteel; }
    const CHLGZ_ExtendSteel& GetExtendSteel() const { return m_ExtendSteel; }
    CBent_AddInfo& GetAddInfo() { return m_AddInfo; }
    const CBent_AddInfo& GetAddInfo() const { return m_AddInfo; }

private:
    AcGeDoubleArray m_aSupportDistances;
    AcGeIntArray m_aSectionPositions;
    CHLGZ_FaceInfo m_MainFace;
    CHLGZ_FaceInfo m_EndFace;
    CArray<CHLGZ_FaceInfo, const CHLGZ_FaceInfo&> m_aFaceList;
    CHLGZ_MoreInfo m_MoreInfo;
    CArray<CHLGZ_HlBarStruct, const CHLGZ_HlBarStruct&> m_aTendons;
    CHLGZ_ExtendSteel m_ExtendSteel;
    CBent_AddInfo m_AddInfo;
};
