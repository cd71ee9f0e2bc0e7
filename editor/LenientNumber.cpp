// Numbers read from what a person typed.
#include "LenientNumber.h"

#include "CLocale.h"

#include <cwchar>

double ReadLeadingReal(const CString& text) { return wcstod_l(text.GetString(), nullptr, corbel::CLocale()); }
