// The reinforcement drawing of a cap whose bent-up bars bend down in skew sections; a square
// cap is drawn too. One skeleton kind.
#pragma once

#include "CGLGZ_CapDraw.h"

class CGLGZ_BtDraw : public CGLGZ_CapDraw {
public:
    static const CapDrawDefaults kDefaults;

    CGLGZ_BtDraw();
    ~CGLGZ_BtDraw() override = default;

    // 1 drawn, 0 refused (after the refusal's box).
    int Draw(int full);
    int DrawViews(int full);
    // Outer diameter of a ribbed bar; a diameter not in the table stays as it is.
    static double GetBarOuterDiameter(int diameter);
    double GetWeldLength() const;
    // Bar numbering: the lengths of every bar code's bars over the columns they occupy.
    int ComputeCodeLengths();
    // Sheets, view layout and note lines.
    void LayoutViews();
    void LayoutViewsAlternative();
    // Bar callouts: equal lengths within a millimetre print the shortest, others the mean.
    CString CalloutLengthText(const CHLGZ_SteelCode& record) const override;
    // Bar grouping and tables: the quantity table's header is one unit lower, and nothing
    // stands beside the table.
    double QuantityTableHeader() const override { return 8.0; }

protected:
    void NoteLines(CStringArray& lines, int furtherSheet) const override;

public:

    double m_dFurtherReal = 1.0;
};
