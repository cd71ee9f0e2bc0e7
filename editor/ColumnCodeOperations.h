// Digits of the per-column strengthening codes as the editor edits them (see BarColumnCodes.h):
// thousands the kind of column, hundreds, tens and units the layers at the top of the edge
// piers, at the top of the middle piers and at the bottom of mid-span. The list operations are
// members of CBent_ExtendSteel; reading the digits is shared with the drawing side
// (BarColumnCodes.h).
#pragma once

#include "BarColumnCodes.h"
#include "WinDef.h"

// The thousands digit becomes digit, the other three stay; the result is the units digit.
// A digit outside 0 to 9 would carry into no digit at all, so the code then stays.
int SetCodeThousands(int& code, int digit);
