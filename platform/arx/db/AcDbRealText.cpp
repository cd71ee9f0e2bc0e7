// from_chars reads the C locale's format and nothing else.
#include "AcDbRealText.h"

#include <charconv>

bool acdbParseReal(const std::wstring& text, double& value)
{
    const std::size_t b = text.find_first_not_of(L" \t");
    const std::size_t e = text.find_last_not_of(L" \t");
    if (b == std::wstring::npos)
        return false;
    std::string narrow;
    for (std::size_t i = b; i <= e; ++i) {
        if (text[i] > 0x7F)
            return false;
        narrow += static_cast<char>(text[i]);
    }
    // A leading '+' or a bare leading '.' are written by people; from_chars wants neither.
    if (!narrow.empty() && narrow[0] == '+')
        narrow.erase(0, 1);
    if (!narrow.empty() && narrow[0] == '.')
        narrow.insert(0, "0");
    if (narrow.size() > 1 && narrow[0] == '-' && narrow[1] == '.')
        narrow.insert(1, "0");
    double v = 0.0;
    const auto res = std::from_chars(narrow.data(), narrow.data() + narrow.size(), v);
    if (res.ec != std::errc() || res.ptr != narrow.data() + narrow.size())
        return false;
    value = v;
    return true;
}
