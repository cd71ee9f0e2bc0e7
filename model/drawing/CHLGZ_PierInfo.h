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
#include "CString.h"

class CHLGZ_PierInfo {
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

    double GetElevationScale() const { return m_dElevationScale; }
    void SetElevationScale(double scale) { m_dElevationScale = scale; }
    double GetSectionScale() const { return m_dSectionScale; }
    void SetSectionScale(double scale) { m_dSectionScale = scale; }
    int GetForceWholeDrawing() const { return m_nForceWholeDrawing; }
    void SetForceWholeDrawing(int flag) { m_nForceWholeDrawing = flag; }
    int GetDrawTestDrawing() const { return m_nDrawTestDrawing; }
    void SetDrawTestDrawing(int flag) { m_nDrawTestDrawing = flag; }

    // The six symmetry flags, in the order of the design file.
    int GetGeneralSymmetric() const { return m_nGeneralSymmetric; }
    void SetGeneralSymmetric(int flag) { m_nGeneralSymmetric = flag; }
    int GetColumnSpacingSymmetric() const { return m_nColumnSpacingSymmetric; }
    void SetColumnSpacingSymmetric(int flag) { m_nColumnSpacingSymmetric = flag; }
    int GetSectionStirrupsSymmetric() const { return m_nSectionStirrupsSymmetric; }
    void SetSectionStirrupsSymmetric(int flag) { m_nSectionStirrupsSymmetric = flag; }
    int GetSkeletonArrangementSymmetric() const { return m_nSkeletonArrangementSymmetric; }
    void SetSkeletonArrangementSymmetric(int flag) { m_nSkeletonArrangementSymmetric = flag; }
    int GetBarSkeletonSymmetric() const { return m_nBarSkeletonSymmetric; }
    void SetBarSkeletonSymmetric(int flag) { m_nBarSkeletonSymmetric = flag; }
    int GetStrengtheningSymmetric() const { return m_nStrengtheningSymmetric; }
    void SetStrengtheningSymmetric(int flag) { m_nStrengtheningSymmetric = flag; }

    double GetTopCover() const { return m_dTopCover; }
    void SetTopCover(double cover) { m_dTopCover = cover; }
    double GetBottomCover() const { return m_dBottomCover; }
    void SetBottomCover(double cover) { m_dBottomCover = cover; }
    double GetSideCover() const { return m_dSideCover; }
    void SetSideCover(double cover) { m_dSideCover = cover; }
    double GetEndCover() const { return m_dEndCover; }
    void SetEndCover(double cover) { m_dEndCover = cover; }
    double GetAnchorSealingCover() const { return m_dAnchorSealingCover; }
    void SetAnchorSealingCover(double cover) { m_dAnchorSealingCover = cover; }
    double GetFurtherCover() const { return m_dFurtherCover; }
    void SetFurtherCover(double cover) { m_dFurtherCover = cover; }

    // The first integer of the design's supports line as it was read: the support count to the
    // design records, the flag for equal middle spacings to the drawing classes. The number of
    // supports itself is the length of the support-distance array.
    int GetSupportCount() const { return m_nSupportCount; }
    void SetSupportCount(int value) { m_nSupportCount = value; }
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

    CString GetPlateBarsText() const { return m_strPlateBarsText; }
    void SetPlateBarsText(const CString& text) { m_strPlateBarsText = text; }
    CString GetSkeletonTypeText() const { return m_strSkeletonTypeText; }
    void SetSkeletonTypeText(const CString& text) { m_strSkeletonTypeText = text; }

    CHLGZ_MoreInfo& GetMoreInfo() { return m_MoreInfo; }
    const CHLGZ_MoreInfo& GetMoreInfo() const { return m_MoreInfo; }
    CArray<CHLGZ_HlBarStruct, const CHLGZ_HlBarStruct&>& GetTendons() { return m_aTendons; }
    const CArray<CHLGZ_HlBarStruct, const CHLGZ_HlBarStruct&>& GetTendons() const { return m_aTendons; }
    CHLGZ_ExtendSteel& GetExtendSteel() { return m_ExtendSteel; }
    const CHLGZ_ExtendSteel& GetExtendSteel() const { return m_ExtendSteel; }
    CBent_AddInfo& GetAddInfo() { return m_AddInfo; }
    const CBent_AddInfo& GetAddInfo() const { return m_AddInfo; }

private:
    double m_dElevationScale;
    double m_dSectionScale;
    int m_nForceWholeDrawing;
    int m_nDrawTestDrawing;
    int m_nGeneralSymmetric;
    int m_nColumnSpacingSymmetric;
    int m_nSectionStirrupsSymmetric;
    int m_nSkeletonArrangementSymmetric;
    int m_nBarSkeletonSymmetric;
    int m_nStrengtheningSymmetric;
    double m_dTopCover;
    double m_dBottomCover;
    double m_dSideCover;
    double m_dEndCover;
    double m_dAnchorSealingCover;
    double m_dFurtherCover;
    int m_nSupportCount;
    AcGeDoubleArray m_aSupportDistances;
    AcGeIntArray m_aSectionPositions;
    CHLGZ_FaceInfo m_MainFace;
    CHLGZ_FaceInfo m_EndFace;
    CArray<CHLGZ_FaceInfo, const CHLGZ_FaceInfo&> m_aFaceList;
    CString m_strPlateBarsText;
    CString m_strSkeletonTypeText;
    CHLGZ_MoreInfo m_MoreInfo;
    CArray<CHLGZ_HlBarStruct, const CHLGZ_HlBarStruct&> m_aTendons;
    CHLGZ_ExtendSteel m_ExtendSteel;
    CBent_AddInfo m_AddInfo;
};
