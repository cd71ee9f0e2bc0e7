// The scalar fields and texts of a cap-beam design's root record, held once for the design
// record and for its drawing-side copy so both keep one field list, one set of accessors and
// one set of defaults.
#pragma once

#include "CString.h"

class PierInfoFields {
public:
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
    // Skeleton data: per column whether top and bottom plate bars are needed ('1' or '0'),
    // and the skeleton type of each column.
    CString GetPlateBarsText() const { return m_strPlateBarsText; }
    void SetPlateBarsText(const CString& text) { m_strPlateBarsText = text; }
    CString GetSkeletonTypeText() const { return m_strSkeletonTypeText; }
    void SetSkeletonTypeText(const CString& text) { m_strSkeletonTypeText = text; }

protected:
    PierInfoFields() = default;
    PierInfoFields(const PierInfoFields& other) = default;
    PierInfoFields& operator=(const PierInfoFields& other) = default;
    ~PierInfoFields() = default;

    // Every field but the covers back to its default.
    void ResetFields();
    bool operator==(const PierInfoFields& other) const = default;

    double m_dElevationScale = 50.0;
    double m_dSectionScale = 40.0;
    int m_nForceWholeDrawing = 0;
    int m_nDrawTestDrawing = 0;
    int m_nGeneralSymmetric = 1;
    int m_nColumnSpacingSymmetric = 1;
    int m_nSectionStirrupsSymmetric = 1;
    int m_nSkeletonArrangementSymmetric = 1;
    int m_nBarSkeletonSymmetric = 1;
    int m_nStrengtheningSymmetric = 1;
    double m_dTopCover = 70.0;
    double m_dBottomCover = 70.0;
    double m_dSideCover = 50.0;
    double m_dEndCover = 60.0;
    double m_dAnchorSealingCover = 50.0;
    double m_dFurtherCover = 50.0;
    int m_nSupportCount = 0;
    CString m_strPlateBarsText;
    CString m_strSkeletonTypeText;
};
