// Numbers read from what a person typed, as the editor's forms and dialogs read them.
#pragma once

#include "CString.h"

// The number the text starts with (leading blanks skipped); reading stops at the first
// character that cannot belong to a number, and no number gives 0.
double ReadLeadingReal(const CString& text);
