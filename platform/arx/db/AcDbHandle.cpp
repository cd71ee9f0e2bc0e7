// Handles as hexadecimal text, the form DXF and the platform's handle strings use.
#include "AcDbHandle.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <cwchar>

namespace {

template <class Char> Adesk::UInt64 parseHex(const Char* text)
{
    if (text == nullptr || *text == 0)
        return 0;
    Adesk::UInt64 v = 0;
    int digits = 0;
    for (const Char* p = text; *p; ++p) {
        const wchar_t c = static_cast<wchar_t>(*p);
        int d = -1;
        if (c >= L'0' && c <= L'9')
            d = c - L'0';
        else if (c >= L'a' && c <= L'f')
            d = c - L'a' + 10;
        else if (c >= L'A' && c <= L'F')
            d = c - L'A' + 10;
        if (d < 0 || ++digits > 16)
            return 0;
        v = (v << 4) | static_cast<Adesk::UInt64>(d);
    }
    return v;
}

} // namespace

AcDbHandle::AcDbHandle(const ACHAR* hexText)
    : mValue(parseHex(hexText))
{
}

AcDbHandle::AcDbHandle(const char* hexText)
    : mValue(parseHex(hexText))
{
}

std::string AcDbHandle::hex() const
{
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<unsigned long long>(mValue), 16);
    std::string text(buf, res.ptr);
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

void AcDbHandle::getIntoAsciiBuffer(ACHAR* pBuf, std::size_t nBufLen) const
{
    if (pBuf == nullptr || nBufLen == 0)
        return;
    const std::string text = hex();
    std::size_t i = 0;
    for (; i < text.size() && i + 1 < nBufLen; ++i)
        pBuf[i] = static_cast<ACHAR>(text[i]);
    pBuf[i] = 0;
}

AcDbHandle& AcDbHandle::operator++()
{
    ++mValue;
    return *this;
}
