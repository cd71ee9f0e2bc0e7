// from_chars reads the C locale's format and nothing else.
#include "AcDbRealText.h"

#include <charconv>

bool acdbParseReal(const std::wstring& text, double& value)
{
    const std::size_t b = text.find_first_not_of(L" \t");
    const std::size_t e = text.find_last_not_of(L" \t");
    if (b == std::wstring::npos)
        return false;
    // A leading '+' or a bare leading '.' are written by people; from_chars wants neither: the
    // '+' is left out and a '0' goes before the '.' while the text is copied.
    std::string narrow;
    std::size_t i = b;
    if (text[i] == L'+')
        ++i;
    if (i <= e && text[i] == L'-') {
        narrow += '-';
        ++i;
    }
    if (i <= e && text[i] == L'.')
        narrow += '0';
    for (; i <= e; ++i) {
        if (text[i] > 0x7F)
            return false;
        narrow += static_cast<char>(text[i]);
    }
    double v = 0.0;
    const auto res = std::from_chars(narrow.data(), narrow.data() + narrow.size(), v);
    if (res.ec != std::errc() || res.ptr != narrow.data() + narrow.size())
        return false;
    value = v;
    return true;
}
