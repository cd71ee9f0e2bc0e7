// Per-column strengthening codes: four decimal digits per bar column of the section.
// Thousands 9 a skeleton column, 1 a strengthened column, 0 neither; hundreds, tens and
// units the edge-pier-top, middle-pier-top and mid-span-bottom settings.
#pragma once

#include "WinDef.h"

// Thousands digit 1 (integer division truncating toward zero).
BOOL IsStrengthenedCode(int code);
// Thousands digit 9.
BOOL IsSkeletonCode(int code);
// The code becomes 9000 with the flag set, else 0.
void SetSkeletonCode(int& code, BOOL flag);

// The hundreds digit with the flag set, else the tens digit: (code / 100) mod 10 or
// (code / 10) mod 10.
int GetCodeDigit(int code, BOOL hundreds);
// code mod 10.
int GetCodeUnits(int code);

// Sets the hundreds digit (flag set) or the tens digit to value; the other of the two and
// the units are kept, and the thousands digit is normalised to 9, 1 or 0. A value outside
// 0 to 9 would carry into the neighbouring digit and turn a strengthened or skeleton column
// into something else, so it is refused: the code stays and the result is FALSE.
BOOL SetCodeDigit(int& code, int value, BOOL hundreds);
// Sets the units digit, with the same normalisation and the same refusal.
BOOL SetCodeUnits(int& code, int value);

// 1 for a coded bar length: 80000 <= x < 99999 (99999 itself marks an unset value).
BOOL IsBarCodeInRange(double x);
