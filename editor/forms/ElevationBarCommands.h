// The bar commands of the elevation-bar form on the design: which bar list a category shows,
// whether its pier is derived under a symmetric skeleton, and adding, deleting and sorting the
// bars of that list. The form stores its grid before adding or sorting and rebuilds it after.
#pragma once

#include "CBent_PierInfo.h"
#include "WinDef.h"

// The bar list of a category 100 + 10 x support + kind: the pier index (-1 the whole elevation)
// and the kind (1 top straight, 2 bottom straight, 3 upper bent-up, 4 lower bent-up).
struct ElevationBarView {
    int nPier;
    int nKind;
};
ElevationBarView ElevationBarViewOf(int nCategoryCode);

// The number of piers of the design: one support distance each.
int PierCount(const CBent_PierInfo& design);

// A pier of the half that a symmetric skeleton derives from the other; the whole elevation never.
BOOL IsLockedPier(const CBent_PierInfo& design, int nPier);
// The number of bars in the list; 0 for a pier the design does not have.
int ElevationBarCount(const CBent_PierInfo& design, ElevationBarView view);

// Each command first refuses a locked pier with its message. The result is 1 when the design
// changed (the caller marks the project modified), else 0.
// Appends a new bar: the record's defaults, or a copy of the last bar.
int AddElevationBar(CBent_PierInfo& design, ElevationBarView view, HWND owner);
// Asks, then removes bar nBar (from 0).
int DeleteElevationBar(CBent_PierInfo& design, ElevationBarView view, int nBar, HWND owner);
// Sorts by the list's key; 1 also when nothing moved.
int SortElevationBars(CBent_PierInfo& design, ElevationBarView view, HWND owner);
