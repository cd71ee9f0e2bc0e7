// The root record of a cap-beam design: drawing scales and controls, symmetry flags, covers,
// supports, faces, skeleton data, further parameters, tendons, strengthening settings and
// additional information. A value object: copying copies everything below it.
#pragma once

#include "CArray.h"
#include "CBent_AddInfo.h"
#include "CBent_ExtendSteel.h"
#include "CBent_FaceInfo.h"
#include "CBent_MoreInfo.h"
#include "CHLGZ_HlBarStruct.h"
#include "CString.h"

class CBent_PierInfo {
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
    // Not carried by the design file; kept and copied as it stands.
    double GetFurtherCover() const { return m_dFurtherCover; }
    void SetFurtherCover(double cover) { m_dFurtherCover = cover; }

    // The first integer of the design file's supports line, stored as it was read. The design
    // records and the reader call it the support count; the editor, the writer and the drawing
    // classes read and write it as the flag for equal middle spacings. The number of supports
    // itself is the length of the support-distance list.
    int GetSupportCount() const { return m_nSupportCount; }
    void SetSupportCount(int value) { m_nSupportCount = value; }
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

    // Skeleton data: per column whether top and bottom plate bars are needed ('1' or '0'),
    // and the skeleton type of each column.
    CString GetPlateBarsText() const { return m_strPlateBarsText; }
    void SetPlateBarsText(const CString& text) { m_strPlateBarsText = text; }
    CString GetSkeletonTypeText() const { return m_strSkeletonTypeText; }
    void SetSkeletonTypeText(const CString& text) { m_strSkeletonTypeText = text; }

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
    CArray<double, const double&> m_aSupportDistances;
    CArray<int, const int&> m_aSectionPositions;
    CBent_FaceInfo m_MainFace;
    CBent_FaceInfo m_EndFace;
    CArray<CBent_FaceInfo, const CBent_FaceInfo&> m_aFaceList;
    CString m_strPlateBarsText;
    CString m_strSkeletonTypeText;
    CBent_MoreInfo m_MoreInfo;
    CArray<CHLGZ_HlBarStruct, const CHLGZ_HlBarStruct&> m_aTendons;
    CBent_ExtendSteel m_ExtendSteel;
    CBent_AddInfo m_AddInfo;
};
