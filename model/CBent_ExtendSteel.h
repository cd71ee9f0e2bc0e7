// The strengthening straight bars of the top and bottom plates: one per-column code per bar
// column (see BarColumnCodes.h), the bars' grades and diameters, and how far they reach past
// the edge piers, the middle piers and mid-span.
#pragma once

#include "CArray.h"
#include "ExtendSteelFields.h"
#include "WinDef.h"

class CBent_ExtendSteel : public ExtendSteelFields {
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
};
