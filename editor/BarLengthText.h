// Bar lengths as the forms show and take them. In the per-support distances of bent-up bars
// 99999 marks an absent value, shown "X", and 80000 + l an end-positioned length l, shown as l
// followed by "D" (see IsBarCodeInRange).
#pragma once

#include "CString.h"

// "X" or "x": 99999 with acceptAbsent, else 0. A text ending in "D" or "d": the magnitude of
// the number before it, plus 80000 with applyEndCode. Anything else: the number it starts
// with, 0 for none. Blanks around the text do not count.
double ParseBarLengthText(const CString& text, BOOL acceptAbsent, BOOL applyEndCode);

// 99999 and above "X"; 80000 up to 99999 the length followed by "D"; else the value. Numbers
// with up to seven decimals, trailing zeros and point removed.
CString FormatBarLengthText(double value);
