// Reals as the design file writes them.
#include "DesignFileNumbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <system_error>

namespace {

bool ReadsBackAs(const std::string& text, double value)
{
    double parsed = 0.0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    return error == std::errc() && end == text.data() + text.size() && parsed == value;
}

std::string Printed(double value, int decimals)
{
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

void TrimZeros(std::string& text)
{
    if (text.find('.') == std::string::npos)
        return;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
}

std::string Shortest(double value)
{
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

// Past the largest real: a real reader gives infinity for it.
std::string Overflowing(double value) { return (value < 0 ? "-2" : "2") + std::string(308, '0'); }

bool Format(double value, int decimals, bool trim, CString& text)
{
    if (std::isnan(value))
        return false;
    std::string s;
    if (std::isinf(value)) {
        s = Overflowing(value);
    } else {
        s = Printed(value, decimals);
        if (trim)
            TrimZeros(s);
        if (!ReadsBackAs(s, value))
            s = Shortest(value);
    }
    text = CString(s.c_str());
    return true;
}

} // namespace

bool FormatFileReal(double value, CString& text) { return Format(value, 7, true, text); }

bool FormatFileRealDecimals(double value, int decimals, CString& text)
{
    return Format(value, decimals, false, text);
}
