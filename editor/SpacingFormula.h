// Spacing formulas: a list of spacings written as terms count*spacing (or a bare spacing)
// joined by "+", such as 2*12.5+4*12+2*12.5; the regular layouts the editor proposes in that
// form; and the split of a section's bar columns among closed stirrups.
#pragma once

#include "CArray.h"
#include "CString.h"

// Columns spacings that fill width less a cover at each side, in tenths of the unit: equal
// spacings, the remainder spread as spacings one tenth wider. Returns 1. With fewer than two
// columns there is no spacing and the formula is empty.
int FormatSkeletonSpacing(double width, double cover, int columns, CString& formula);
// bars - 1 spacings that fill height less both covers, likewise; the wider spacings first when
// their count is even, last when it is odd. Returns 1; empty with fewer than two bars.
int FormatSideSpacing(double height, double topCover, double bottomCover, int bars, CString& formula);

enum class SpacingFormulaStatus {
    Valid,
    Empty,
    BadTerm, // a term whose count is no whole number above 0 or whose spacing is no real above 0
};
// The spacings the formula stands for, term by term; nothing is kept from a formula with a bad
// term. Blanks around the formula and its parts do not count.
SpacingFormulaStatus ParseSpacingFormula(const CString& formula, CArray<double, const double&>& spacings);

// Closed stirrups (two legs each, neighbours overlapping) over columns bar columns: the first
// and last column (0-based) of each. 1; or 0, and nothing written, when there is no stirrup
// or a stirrup would have to span more than eight columns or fewer than two.
int DivideStirrupColumns(int stirrups, int columns, CArray<int, const int&>& starts, CArray<int, const int&>& ends);
