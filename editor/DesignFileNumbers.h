// Reals as the design file writes them. Each form is the one the file has always used (seven
// decimals trimmed, or a fixed count untrimmed) whenever that form reads back as the same real;
// a real it would round is written with as many decimals as it takes to read back exactly, so
// that saving never changes a value the reader reads as a real. The reader takes only plain
// decimals, so an infinite real is written as a decimal too large for any real, which reads
// back as infinite; NaN has no decimal at all, and these give false for it.
#pragma once

#include "CString.h"

// Seven decimals, then trailing zeros and a trailing point removed.
bool FormatFileReal(double value, CString& text);
// Exactly decimals decimals ("%.6f", "%.7f"), untrimmed.
bool FormatFileRealDecimals(double value, int decimals, CString& text);
