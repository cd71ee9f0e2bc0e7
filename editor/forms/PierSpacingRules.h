// The rules of the pier-spacing table: which support spacings the system derives ("自动") from
// the overall length, the equal middle spacings or the pier-spacing symmetry, and how a typed
// spacing is stored with its mirrored partner.
#pragma once

#include "CArray.h"
#include "WinDef.h"

// Entry i (from 0) of n spacings is derived; entry 0 never is, nor any with both switches off.
BOOL IsAutomaticSpacing(int i, int n, BOOL equalMiddle, BOOL symmetric);

// Stores value as entry i, and under symmetry also into its partner (entry 0 into n - 1, entry
// i >= 2 into n - i when n >= 4; entry 1 has none). Values within 1e-6 of the stored one are no
// change. The result is 1 when any entry changed.
int StoreSupportSpacing(CArray<double, const double&>& spacings, int i, double value, BOOL symmetric);
