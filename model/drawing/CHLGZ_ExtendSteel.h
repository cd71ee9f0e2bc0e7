// Drawing-side strengthening settings: the fields of the design's strengthening settings in the
// same order, with the same defaults, the per-column codes held as the CAD library's array. The
// drawing classes change them freely (they clear codes of the columns they have drawn).
#pragma once

#include "AcGeIntArray.h"
#include "CBent_ExtendSteel.h"

class CHLGZ_ExtendSteel {
public:
    CHLGZ_ExtendSteel();
    CHLGZ_ExtendSteel(const CHLGZ_ExtendSteel& other) = default;
    CHLGZ_ExtendSteel& operator=(const CHLGZ_ExtendSteel& other) = default;
    virtual ~CHLGZ_ExtendSteel() = default;

    // The defaults below; the code list emptied.
    void Reset();
    // Every field copied; the code array filled from the design's code list.
    void AssignFrom(const CBent_ExtendSteel& design);

    AcGeIntArray& GetCodes() { return m_aCodes; }
    const AcGeIntArray& GetCodes() const { return m_aCodes; }
    int GetCodeCount() const { return m_aCodes.length(); }
    int GetCodeAt(int i) const { return m_aCodes[i]; }
    void SetCodeAt(int i, int code) { m_aCodes[i] = code; }
    // The code list takes the length of the flag list (codes removed from the end, or codes 0
    // appended); then code i := 0 wherever flag i is 1.
    void ClearFlaggedEntries(const AcGeIntArray& flags);

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


private:
    AcGeIntArray m_aCodes;
    int m_nTopBarType;
    int m_nTopDiameter;
    int m_nBottomBarType;
    int m_nBottomDiameter;
    int m_nEdgeOuterForm;
    int m_nEdgeInnerForm;
    int m_nMiddlePierForm;
    int m_nMidSpanForm;
    double m_dEdgeOuterDistance;
    double m_dEdgeInnerDistance;
    double m_dMiddlePierDistance;
    double m_dMidSpanDistance;
    double m_dMultiLayerDecrement;
    int m_nFurtherValue1;
    int m_nFurtherValue2;
    int m_nFurtherValue3;
    int m_nFurtherValue4;
};
