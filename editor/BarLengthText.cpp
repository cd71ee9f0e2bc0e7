// Bar lengths as the forms show and take them.
#include "BarLengthText.h"

#include "LenientNumber.h"
#include "NumericHelpers.h"

#include <cmath>

namespace {

constexpr double kAbsent = 99999.0;
constexpr double kEndCode = 80000.0;

} // namespace

double ParseBarLengthText(const CString& text, BOOL acceptAbsent, BOOL applyEndCode)
{
    CString t = text;
    t.Trim();
    if (t == L"X" || t == L"x")
        return acceptAbsent ? kAbsent : 0.0;
    const int n = t.GetLength();
    if (n > 0 && (t[n - 1] == L'D' || t[n - 1] == L'd')) {
        const double length = std::fabs(ReadLeadingReal(t.Left(n - 1)));
        return applyEndCode ? kEndCode + length : length;
    }
    return ReadLeadingReal(t);
}

CString FormatBarLengthText(double value)
{
    if (value >= kAbsent)
        return L"X";
    if (value >= kEndCode)
        return FormatFixed(value - kEndCode, -7) + L"D";
    return FormatFixed(value, -7);
}
