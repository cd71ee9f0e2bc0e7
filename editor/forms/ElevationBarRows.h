// One bar of the elevation-bar form as its grid row shows it and as a typed row is stored: the
// data cells after the row's label, with the mirrored values of a symmetric skeleton shown as
// "M" and taken from the partner pier on storing.
#pragma once

#include "CString.h"
#include "ElevationBarCommands.h"

#include <vector>

struct ElevationBarCell {
    CString text;
    BOOL readOnly = FALSE;
    // The choices of a list cell ("否"/"是" or "圆弧"/"平直"); empty for a text cell.
    std::vector<CString> choices;
    // The check of a cell that takes a number (a plain one, or a bar length); null for others.
    BOOL (*numberCheck)(const CString& text) = nullptr;
};

// The middle pier of an odd pier count under a symmetric skeleton.
BOOL IsMiddlePier(const CBent_PierInfo& design, int nPier);

// The data cells of bar j of the view, left to right.
std::vector<ElevationBarCell> ElevationBarRowCells(const CBent_PierInfo& design, ElevationBarView view, int j);

// Stores the typed texts of bar j's data cells (as many as ElevationBarRowCells gives); a
// locked pier stores nothing. 1 when a value of the design changed.
int StoreElevationBarRow(CBent_PierInfo& design, ElevationBarView view, int j, const std::vector<CString>& texts);

// After a pier form's rows are stored under symmetry: the partner support becomes the mirror
// of this one (not for the middle pier nor a locked one). 1 when it was mirrored.
int MirrorPartnerSupport(CBent_PierInfo& design, ElevationBarView view);
