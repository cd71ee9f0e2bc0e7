// Drawing-side strengthening settings: the fields of the design's strengthening settings in the
// same order, with the same defaults, the per-column codes held as the CAD library's array. The
// drawing classes change them freely (they clear codes of the columns they have drawn).
#pragma once

#include "AcGeIntArray.h"
#include "CBent_ExtendSteel.h"
#include "ExtendSteelFields.h"

class CHLGZ_ExtendSteel : public ExtendSteelFields {
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

    // The switches that the drawings' strengthening report writes and their views read, kept in
    // the four further integers: edge-column top, middle-column top, mid-span bottom, and
    // same-as-edge (the top bars of the middle columns are those of the edge columns).
    int GetEdgeTopSwitch() const { return GetFurtherValue1(); }
    void SetEdgeTopSwitch(int on) { SetFurtherValue1(on); }
    int GetMiddleTopSwitch() const { return GetFurtherValue2(); }
    void SetMiddleTopSwitch(int on) { SetFurtherValue2(on); }
    int GetBottomSwitch() const { return GetFurtherValue3(); }
    void SetBottomSwitch(int on) { SetFurtherValue3(on); }
    int GetSameAsEdgeSwitch() const { return GetFurtherValue4(); }
    void SetSameAsEdgeSwitch(int on) { SetFurtherValue4(on); }

private:
    AcGeIntArray m_aCodes;
};
