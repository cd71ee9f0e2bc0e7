// Numbers of the design file's tokens. The file's tokens are plain decimal text (see
// IsIntegerText and IsRealText); these convert them in the C locale without overflowing.
#pragma once

#include "CArray.h"
#include "CString.h"

// A decimal integer token; values past the int range are clamped to it, so a huge count
// fails its range check instead of wrapping round.
int TokenToInt(const CString& token);
// A decimal real token.
double TokenToReal(const CString& token);
// 1 when every token from first on is real text.
int AreRealTokens(const CStringArray& tokens, int first);
