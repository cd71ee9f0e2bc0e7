// The scalar fields of the strengthening settings, held once for the design record and for its
// drawing-side copy so both keep one field list, one set of accessors and one set of defaults.
#pragma once

class ExtendSteelFields {
public:
    int GetTopBarType() const { return m_nTopBarType; }
    void SetTopBarType(int barType) { m_nTopBarType = barType; }
    int GetTopDiameter() const { return m_nTopDiameter; }
    void SetTopDiameter(int diameter) { m_nTopDiameter = diameter; }
    int GetBottomBarType() const { return m_nBottomBarType; }
    void SetBottomBarType(int barType) { m_nBottomBarType = barType; }
    int GetBottomDiameter() const { return m_nBottomDiameter; }
    void SetBottomDiameter(int diameter) { m_nBottomDiameter = diameter; }

    // Distance forms and distances: edge pier outer side, edge pier inner side and both sides
    // of the middle piers for the top-plate bars; both sides of mid-span for the bottom-plate bars.
    int GetEdgeOuterForm() const { return m_nEdgeOuterForm; }
    void SetEdgeOuterForm(int form) { m_nEdgeOuterForm = form; }
    int GetEdgeInnerForm() const { return m_nEdgeInnerForm; }
    void SetEdgeInnerForm(int form) { m_nEdgeInnerForm = form; }
    int GetMiddlePierForm() const { return m_nMiddlePierForm; }
    void SetMiddlePierForm(int form) { m_nMiddlePierForm = form; }
    int GetMidSpanForm() const { return m_nMidSpanForm; }
    void SetMidSpanForm(int form) { m_nMidSpanForm = form; }
    double GetEdgeOuterDistance() const { return m_dEdgeOuterDistance; }
    void SetEdgeOuterDistance(double distance) { m_dEdgeOuterDistance = distance; }
    double GetEdgeInnerDistance() const { return m_dEdgeInnerDistance; }
    void SetEdgeInnerDistance(double distance) { m_dEdgeInnerDistance = distance; }
    double GetMiddlePierDistance() const { return m_dMiddlePierDistance; }
    void SetMiddlePierDistance(double distance) { m_dMiddlePierDistance = distance; }
    double GetMidSpanDistance() const { return m_dMidSpanDistance; }
    void SetMidSpanDistance(double distance) { m_dMidSpanDistance = distance; }
    // How much shorter each further layer of strengthening bars is.
    double GetMultiLayerDecrement() const { return m_dMultiLayerDecrement; }
    void SetMultiLayerDecrement(double decrement) { m_dMultiLayerDecrement = decrement; }

    // Not carried by the design file; kept and copied as they stand.
    int GetFurtherValue1() const { return m_nFurtherValue1; }
    void SetFurtherValue1(int value) { m_nFurtherValue1 = value; }
    int GetFurtherValue2() const { return m_nFurtherValue2; }
    void SetFurtherValue2(int value) { m_nFurtherValue2 = value; }
    int GetFurtherValue3() const { return m_nFurtherValue3; }
    void SetFurtherValue3(int value) { m_nFurtherValue3 = value; }
    int GetFurtherValue4() const { return m_nFurtherValue4; }
    void SetFurtherValue4(int value) { m_nFurtherValue4 = value; }

protected:
    ExtendSteelFields() = default;
    ExtendSteelFields(const ExtendSteelFields& other) = default;
    ExtendSteelFields& operator=(const ExtendSteelFields& other) = default;
    ~ExtendSteelFields() = default;

    void ResetFields() { *this = ExtendSteelFields(); }
    bool operator==(const ExtendSteelFields& other) const = default;

    int m_nTopBarType = 1;
    int m_nTopDiameter = 28;
    int m_nBottomBarType = 1;
    int m_nBottomDiameter = 28;
    int m_nEdgeOuterForm = 0;
    int m_nEdgeInnerForm = 0;
    int m_nMiddlePierForm = 0;
    int m_nMidSpanForm = 0;
    double m_dEdgeOuterDistance = 0.0;
    double m_dEdgeInnerDistance = 0.0;
    double m_dMiddlePierDistance = 0.0;
    double m_dMidSpanDistance = 0.0;
    double m_dMultiLayerDecrement = 0.0;
    int m_nFurtherValue1 = 0;
    int m_nFurtherValue2 = 0;
    int m_nFurtherValue3 = 1;
    int m_nFurtherValue4 = 1;
};
