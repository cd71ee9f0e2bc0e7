// The strengthening straight bars of the top and bottom plates: one per-column code per bar
// column (see BarColumnCodes.h), the bars' grades and diameters, and how far they reach past
// the edge piers, the middle piers and mid-span.
#pragma once

#include "CArray.h"
#include "WinDef.h"

class CBent_ExtendSteel {
public:
    CBent_ExtendSteel();
    CBent_ExtendSteel(const CBent_ExtendSteel& other) = default;
    CBent_ExtendSteel& operator=(const CBent_ExtendSteel& other) = default;
    // Field by field, every list entry included.
    bool operator==(const CBent_ExtendSteel& other) const;
    virtual ~CBent_ExtendSteel() = default;

    // The defaults below; the code list emptied.
    void Reset();

    CArray<int, const int&>& GetCodes() { return m_aCodes; }
    const CArray<int, const int&>& GetCodes() const { return m_aCodes; }
    int GetCodeCount() const { return static_cast<int>(m_aCodes.GetSize()); }
    int GetCodeAt(int i) const { return m_aCodes.GetAt(i); }
    void SetCodeAt(int i, int code) { m_aCodes.SetAt(i, code); }
    // Removes codes from the end or appends code 0 until there are n. A negative n leaves the
    // list (TRUE); a count past the drawable columns is refused (FALSE, list kept).
    BOOL SetCodeCount(int n);
    // Every code gets tens digit 0, the middle-pier setting of a cap without middle piers.
    void ClearCodeTens();

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

    // Editor unit change (editor/DesignRecordScaling.cpp): the four distances and the decrement.
    void ScaleLengths(double factor);

    // Editor operations on the per-column codes (editor/ColumnCodeOperations.cpp), in list
    // order; the thousands digit stays unless said.
    // code[count - 1 - i] := code[i] for i = 0 ... count - 1: the left half mirrored onto the right.
    int MirrorCodes();
    void ClearCodeHundreds();
    void ClearCodeUnits();
    void CopyCodeHundredsToTens();
    void CopyCodeTensToHundreds();
    // Columns with full-length plate bars (thousands 1) get thousands 0 and one more layer at
    // each of the three positions; a code with a digit 9 there is left as it is.
    void ReplacePlateBarsWithStrengthening();
    // Columns that are neither skeleton nor plate-bar columns and have a layer at all three
    // positions get thousands 1 and one layer less at each; the result is the code count.
    int ReplaceFirstLayerWithPlateBars();

private:
    CArray<int, const int&> m_aCodes;
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
