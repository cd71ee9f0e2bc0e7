// Numbers as the forms and dialogs read them from a text: leniently, reading stops at the
// first character that cannot belong to a number, and no number at all gives 0.
#pragma once

#include "CString.h"

double ReadFormNumber(const CString& text);
