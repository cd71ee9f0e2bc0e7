// The column text of a bar record, one character per bar column: '1' a bar, '0' none. The
// design record and its drawing-side copy size it by one rule.
#pragma once

#include "CString.h"

// Cuts the text to n characters or pads it with '1'; with the flag, kinds other than top-plate
// bars or stirrups (0) and top straight bars (2) get '0' in the first column. n must not be
// negative.
void FitColumnText(CString& text, int n, int kind, bool clearFirst);
