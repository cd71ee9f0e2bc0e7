// Bar lengths as the forms show and take them.
#include "BarLengthText.h"

#include "CLocale.h"
#include "NumericHelpers.h"

#include <cmath>
#include <cwchar>

namespace {

constexpr double kAbsent = 99999.0;
constexpr double kEndCode = 80000.0;

// Reading stops at the first character that cannot belong to a number; no number gives 0.
double LenientReal(const CString& text) { return wcstod_l(text.GetString(), nullptr, corbel::CLocale()); }

} // namespace

double ParseBarLengthText(const CString& text, BOOL acceptAbsent, BOOL applyEndCode)
{
    CString t = text;
    t.Trim();
    if (t == L"X" || t == L"x")
        return acceptAbsent ? kAbsent : 0.0;
    const int n = t.GetLength();
    if (n > 0 && (t[n - 1] == L'D' || t[n - 1] == L'd')) {
        const double length = std::fabs(LenientReal(t.Left(n - 1)));
        return applyEndCode ? kEndCode + length : length;
    }
    return LenientReal(t);
}

CString FormatBarLengthText(double value)
{
    if (value >= kAbsent)
        return L"X";
    if (value >= kEndCode)
        return FormatFixed(value - kEndCode, -7) + L"D";
    return FormatFixed(value, -7);
}
