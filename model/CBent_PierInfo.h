// The root record of a cap-beam design: drawing scales and controls, symmetry flags, covers,
// supports, faces, skeleton data, further parameters, tendons, strengthening settings and
// additional information. A value object: copying copies everything below it.
#pragma once

#include "CArray.h"
#include "CBent_AddInfo.h"
#include "CBent_ExtendSteel.h"
#include "CBent_FaceInfo.h"
#include "CBent_MoreInfo.h"
#include "PierInfoFields.h"
#include "CHLGZ_HlBarStruct.h"
#include "CString.h"

class CBent_PierInfo : public PierInfoFields {
public:
    CBent_PierInfo();
    CBent_PierInfo(const CBent_PierInfo& other);
    CBent_PierInfo& operator=(const CBent_PierInfo& other);
    // Field by field, every list entry included.
    bool operator==(const CBent_PierInfo& other) const;
    virtual ~CBent_PierInfo() = default;

    // Everything but the covers and the section positions back to its default.
    void Reset();
    // Copies every field, list and member record of other.
    void Copy(const CBent_PierInfo& other);

    CArray<double, const double&>& GetSupportDistances() { return m_aSupportDistances; }
    const CArray<double, const double&>& GetSupportDistances() const { return m_aSupportDistances; }
    // Section codes: 0 the whole-beam mid-span, k (1 to n) the section at pier k, n + k the
    // mid-span after pier k, n being the pier count.
    CArray<int, const int&>& GetSectionPositions() { return m_aSectionPositions; }
    const CArray<int, const int&>& GetSectionPositions() const { return m_aSectionPositions; }

    CBent_FaceInfo& GetMainFace() { return m_MainFace; }
    const CBent_FaceInfo& GetMainFace() const { return m_MainFace; }
    // The end notch; it holds the stirrups whose section position is not 0.
    CBent_FaceInfo& GetEndFace() { return m_EndFace; }
    const CBent_FaceInfo& GetEndFace() const { return m_EndFace; }
    // One face per extra skeleton type (A, B, ...).
    CArray<CBent_FaceInfo, const CBent_FaceInfo&>& GetFaceList() { return m_aFaceList; }
    const CArray<CBent_FaceInfo, const CBent_FaceInfo&>& GetFaceList() const { return m_aFaceList; }

    CBent_MoreInfo& GetMoreInfo() { return m_MoreInfo; }
    const CBent_MoreInfo& GetMoreInfo() const { return m_MoreInfo; }
    CArray<CHLGZ_HlBarStruct, const CHLGZ_HlBarStruct&>& GetTendons() { return m_aTendons; }
    const CArray<CHLGZ_HlBarStruct, const CHLGZ_HlBarStruct&>& GetTendons() const { return m_aTendons; }
    CBent_ExtendSteel& GetExtendSteel() { return m_ExtendSteel; }
    const CBent_ExtendSteel& GetExtendSteel() const { return m_ExtendSteel; }
    CBent_AddInfo& GetAddInfo() { return m_AddInfo; }
    const CBent_AddInfo& GetAddInfo() const { return m_AddInfo; }

    // Editor operations (editor/DesignRecordScaling.cpp, editor/DesignSetup.cpp).
    // Unit change: covers, the length after them, support spacings, every face, the further
    // parameters, tendons and strengthening settings times the factor.
    void ScaleLengths(double factor);
    // Appends n support spacings of 1000 and gives every face as many supports as there are
    // spacings. 0, and nothing changed, when the faces cannot hold that many.
    int InitSupports(int n);
    // Per-column codes with thousands digit 9.
    int CountSkeletonColumns() const;
    // Main face bar columns := n; plate-bar text and skeleton-type text cut to n or padded with
    // '1' and 'A'; n per-column codes. 0, and nothing changed, for a count the faces refuse.
    int SetBarColumnCount(int n);
    int CheckBeforeDrawing(CString& message, int completeStirrups); // the plug-in's, in model/drawing

private:
    CArray<double, const double&> m_aSupportDistances;
    CArray<int, const int&> m_aSectionPositions;
    CBent_FaceInfo m_MainFace;
    CBent_FaceInfo m_EndFace;
    CArray<CBent_FaceInfo, const CBent_FaceInfo&> m_aFaceList;
    CBent_MoreInfo m_MoreInfo;
    CArray<CHLGZ_HlBarStruct, const CHLGZ_HlBarStruct&> m_aTendons;
    CBent_ExtendSteel m_ExtendSteel;
    CBent_AddInfo m_AddInfo;
};
