// The scalar fields of the further parameters, held once for the design record and for its
// drawing-side copy so both keep one field list, one set of accessors and one set of defaults.
#pragma once

class MoreInfoFields {
public:
    // Seismic stirrups (flag).
    int GetSeismicStirrups() const { return m_nSeismicStirrups; }
    void SetSeismicStirrups(int value) { m_nSeismicStirrups = value; }
    double GetStirrupSpacing() const { return m_dStirrupSpacing; }
    void SetStirrupSpacing(double value) { m_dStirrupSpacing = value; }
    // Densified stirrup spacing.
    double GetDenseStirrupSpacing() const { return m_dDenseStirrupSpacing; }
    void SetDenseStirrupSpacing(double value) { m_dDenseStirrupSpacing = value; }
    // Stirrup spacing of the skew layout.
    double GetSkewStirrupSpacing() const { return m_dSkewStirrupSpacing; }
    void SetSkewStirrupSpacing(double value) { m_dSkewStirrupSpacing = value; }
    // Densify the stirrups within the pier ranges (flag).
    int GetDensifyInPierRanges() const { return m_nDensifyInPierRanges; }
    void SetDensifyInPierRanges(int value) { m_nDensifyInPierRanges = value; }
    // Densified range at the outer side of an edge pier.
    double GetDenseRangeEdgeOuter() const { return m_dDenseRangeEdgeOuter; }
    void SetDenseRangeEdgeOuter(double value) { m_dDenseRangeEdgeOuter = value; }
    // Densified range at the inner side of an edge pier.
    double GetDenseRangeEdgeInner() const { return m_dDenseRangeEdgeInner; }
    void SetDenseRangeEdgeInner(double value) { m_dDenseRangeEdgeInner = value; }
    // Densified half range at a middle pier.
    double GetDenseHalfRangeMiddle() const { return m_dDenseHalfRangeMiddle; }
    void SetDenseHalfRangeMiddle(double value) { m_dDenseHalfRangeMiddle = value; }
    // 0 reinforced concrete, 1 prestressed.
    int GetCapType() const { return m_nCapType; }
    void SetCapType(int value) { m_nCapType = value; }
    // 0 double-sided, 1 single-sided.
    int GetWeldType() const { return m_nWeldType; }
    void SetWeldType(int value) { m_nWeldType = value; }
    double GetWeldWidth() const { return m_dWeldWidth; }
    void SetWeldWidth(double value) { m_dWeldWidth = value; }
    // Bend angle of the bent-up bars, degrees.
    int GetBendAngle() const { return m_nBendAngle; }
    void SetBendAngle(int value) { m_nBendAngle = value; }
    double GetBendRadius() const { return m_dBendRadius; }
    void SetBendRadius(double value) { m_dBendRadius = value; }
    int GetFurtherBarType1() const { return m_nFurtherBarType1; }
    void SetFurtherBarType1(int value) { m_nFurtherBarType1 = value; }
    // Anchor-sealing bars.
    int GetAnchorBarType() const { return m_nAnchorBarType; }
    void SetAnchorBarType(int value) { m_nAnchorBarType = value; }
    int GetSkeletonBarType() const { return m_nSkeletonBarType; }
    void SetSkeletonBarType(int value) { m_nSkeletonBarType = value; }
    int GetStirrupBarType() const { return m_nStirrupBarType; }
    void SetStirrupBarType(int value) { m_nStirrupBarType = value; }
    int GetSideBarType() const { return m_nSideBarType; }
    void SetSideBarType(int value) { m_nSideBarType = value; }
    int GetFurtherBarType2() const { return m_nFurtherBarType2; }
    void SetFurtherBarType2(int value) { m_nFurtherBarType2 = value; }
    int GetFurtherDiameter1() const { return m_nFurtherDiameter1; }
    void SetFurtherDiameter1(int value) { m_nFurtherDiameter1 = value; }
    // Anchor-sealing bars.
    int GetAnchorDiameter() const { return m_nAnchorDiameter; }
    void SetAnchorDiameter(int value) { m_nAnchorDiameter = value; }
    int GetSkeletonDiameter() const { return m_nSkeletonDiameter; }
    void SetSkeletonDiameter(int value) { m_nSkeletonDiameter = value; }
    int GetStirrupDiameter() const { return m_nStirrupDiameter; }
    void SetStirrupDiameter(int value) { m_nStirrupDiameter = value; }
    int GetSideDiameter() const { return m_nSideDiameter; }
    void SetSideDiameter(int value) { m_nSideDiameter = value; }
    int GetFurtherDiameter2() const { return m_nFurtherDiameter2; }
    void SetFurtherDiameter2(int value) { m_nFurtherDiameter2 = value; }
    int GetFurtherSetting1() const { return m_nFurtherSetting1; }
    void SetFurtherSetting1(int value) { m_nFurtherSetting1 = value; }
    double GetSideBarSpacing() const { return m_dSideBarSpacing; }
    void SetSideBarSpacing(double value) { m_dSideBarSpacing = value; }
    int GetFurtherSetting2() const { return m_nFurtherSetting2; }
    void SetFurtherSetting2(int value) { m_nFurtherSetting2 = value; }
    int GetFurtherSetting3() const { return m_nFurtherSetting3; }
    void SetFurtherSetting3(int value) { m_nFurtherSetting3 = value; }
    int GetFurtherSetting4() const { return m_nFurtherSetting4; }
    void SetFurtherSetting4(int value) { m_nFurtherSetting4 = value; }
    // Anchor-sealing bars.
    double GetAnchorBarSpacing() const { return m_dAnchorBarSpacing; }
    void SetAnchorBarSpacing(double value) { m_dAnchorBarSpacing = value; }
    int GetFurtherSetting5() const { return m_nFurtherSetting5; }
    void SetFurtherSetting5(int value) { m_nFurtherSetting5 = value; }
    int GetFurtherSetting6() const { return m_nFurtherSetting6; }
    void SetFurtherSetting6(int value) { m_nFurtherSetting6 = value; }
    int GetFurtherSetting7() const { return m_nFurtherSetting7; }
    void SetFurtherSetting7(int value) { m_nFurtherSetting7 = value; }
    // 0 bend-down in normal sections, 1 in skew sections.
    int GetBendDownMode() const { return m_nBendDownMode; }
    void SetBendDownMode(int value) { m_nBendDownMode = value; }
    // Outer upper bent-up bars fixed at the ends (flag).
    int GetOuterUpperFixed() const { return m_nOuterUpperFixed; }
    void SetOuterUpperFixed(int value) { m_nOuterUpperFixed = value; }

protected:
    MoreInfoFields() = default;
    MoreInfoFields(const MoreInfoFields& other) = default;
    MoreInfoFields& operator=(const MoreInfoFields& other) = default;
    ~MoreInfoFields() = default;

    void ResetFields() { *this = MoreInfoFields(); }
    bool operator==(const MoreInfoFields& other) const = default;

    int m_nSeismicStirrups = 0;
    double m_dStirrupSpacing = 150.0;
    double m_dDenseStirrupSpacing = 100.0;
    double m_dSkewStirrupSpacing = 200.0;
    int m_nDensifyInPierRanges = 0;
    double m_dDenseRangeEdgeOuter = 0.0;
    double m_dDenseRangeEdgeInner = 0.0;
    double m_dDenseHalfRangeMiddle = 0.0;
    int m_nCapType = 0;
    int m_nWeldType = 0;
    double m_dWeldWidth = 0.0;
    int m_nBendAngle = 45;
    double m_dBendRadius = 100.0;
    int m_nFurtherBarType1 = 1;
    int m_nAnchorBarType = 1;
    int m_nSkeletonBarType = 1;
    int m_nStirrupBarType = 1;
    int m_nSideBarType = 0;
    int m_nFurtherBarType2 = 1;
    int m_nFurtherDiameter1 = 12;
    int m_nAnchorDiameter = 12;
    int m_nSkeletonDiameter = 28;
    int m_nStirrupDiameter = 12;
    int m_nSideDiameter = 8;
    int m_nFurtherDiameter2 = 12;
    int m_nFurtherSetting1 = 100;
    double m_dSideBarSpacing = 100.0;
    int m_nFurtherSetting2 = 100;
    int m_nFurtherSetting3 = 100;
    int m_nFurtherSetting4 = 100;
    double m_dAnchorBarSpacing = 100.0;
    int m_nFurtherSetting5 = 1000;
    int m_nFurtherSetting6 = 100;
    int m_nFurtherSetting7 = 100;
    int m_nBendDownMode = 1;
    int m_nOuterUpperFixed = 1;
};
