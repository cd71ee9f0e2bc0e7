// printf-style formatting for CString::Format. Each conversion is handed to the C library
// with the argument converted to the type the conversion expects, in the C locale.
#include "CLocale.h"
#include "CString.h"
#include "CodePage.h"

#include <cstdio>
#include <cwchar>
#include <string>

namespace corbel::fmt {

FormatArg MakeArg(const CString& s) { return MakeArg(s.GetString()); }
FormatArg MakeArg(const std::wstring& s) { return MakeArg(s.c_str()); }

FormatArg MakeArg(const wchar_t* s)
{
    FormatArg a;
    a.kind = FormatArg::Kind::Wide;
    a.ws = s;
    return a;
}

FormatArg MakeArg(const char* s)
{
    FormatArg a;
    a.kind = FormatArg::Kind::Narrow;
    a.ns = s;
    return a;
}

FormatArg MakeArg(const void* p)
{
    FormatArg a;
    a.kind = FormatArg::Kind::Pointer;
    a.p = p;
    return a;
}

namespace {

struct Spec {
    std::string flags;
    int width = -1;
    int precision = -1;
    wchar_t conversion = 0;
};

class ArgReader {
public:
    explicit ArgReader(const std::vector<FormatArg>& args) : m_args(args) {}
    const FormatArg* Next() { return m_next < m_args.size() ? &m_args[m_next++] : nullptr; }

private:
    const std::vector<FormatArg>& m_args;
    size_t m_next = 0;
};

long long AsSigned(const FormatArg* a)
{
    if (a == nullptr)
        return 0;
    switch (a->kind) {
    case FormatArg::Kind::Signed: return a->i;
    case FormatArg::Kind::Unsigned: return static_cast<long long>(a->u);
    case FormatArg::Kind::Real: return static_cast<long long>(a->d);
    default: return 0;
    }
}

unsigned long long AsUnsigned(const FormatArg* a)
{
    if (a != nullptr && a->kind == FormatArg::Kind::Unsigned)
        return a->u;
    return static_cast<unsigned long long>(AsSigned(a));
}

double AsReal(const FormatArg* a)
{
    if (a == nullptr)
        return 0.0;
    switch (a->kind) {
    case FormatArg::Kind::Real: return a->d;
    case FormatArg::Kind::Signed: return static_cast<double>(a->i);
    case FormatArg::Kind::Unsigned: return static_cast<double>(a->u);
    default: return 0.0;
    }
}

std::wstring AsText(const FormatArg* a)
{
    if (a == nullptr)
        return L"";
    if (a->kind == FormatArg::Kind::Wide)
        return a->ws ? std::wstring(a->ws) : L"(null)";
    if (a->kind == FormatArg::Kind::Narrow)
        return a->ns ? Utf8ToWideLossy(a->ns) : L"(null)";
    return L"";
}

std::wstring Pad(std::wstring text, const Spec& spec)
{
    if (spec.width > 0 && static_cast<int>(text.size()) < spec.width) {
        size_t fill = static_cast<size_t>(spec.width) - text.size();
        if (spec.flags.find('-') != std::string::npos)
            text.append(fill, L' ');
        else
            text.insert(0, fill, L' ');
    }
    return text;
}

// Runs one numeric conversion through snprintf; the result is plain ASCII.
template <class T>
std::wstring CFormat(const Spec& spec, const char* length, char conversion, T value)
{
    std::string f = "%";
    f += spec.flags;
    if (spec.width >= 0)
        f += std::to_string(spec.width);
    if (spec.precision >= 0) {
        f += '.';
        f += std::to_string(spec.precision);
    }
    f += length;
    f += conversion;
    CLocaleScope c;
    int n = std::snprintf(nullptr, 0, f.c_str(), value);
    if (n <= 0)
        return L"";
    std::string out(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(out.data(), out.size(), f.c_str(), value);
    out.resize(static_cast<size_t>(n));
    return std::wstring(out.begin(), out.end());
}

std::wstring Convert(const Spec& spec, ArgReader& args)
{
    const FormatArg* a = args.Next();
    if (a == nullptr)
        return L"";  // a conversion without its argument prints nothing
    switch (spec.conversion) {
    case L'd':
    case L'i': return CFormat(spec, "ll", 'd', AsSigned(a));
    case L'u': return CFormat(spec, "ll", 'u', AsUnsigned(a));
    case L'x': return CFormat(spec, "ll", 'x', AsUnsigned(a));
    case L'X': return CFormat(spec, "ll", 'X', AsUnsigned(a));
    case L'o': return CFormat(spec, "ll", 'o', AsUnsigned(a));
    case L'f':
    case L'F':
    case L'e':
    case L'E':
    case L'g':
    case L'G':
    case L'a':
    case L'A': return CFormat(spec, "", static_cast<char>(spec.conversion), AsReal(a));
    case L'p': return CFormat(spec, "", 'p', a && a->kind == FormatArg::Kind::Pointer ? a->p : nullptr);
    case L'c':
    case L'C': return Pad(std::wstring(1, static_cast<wchar_t>(AsSigned(a))), spec);
    case L's':
    case L'S': {
        std::wstring text = AsText(a);
        if (spec.precision >= 0 && static_cast<int>(text.size()) > spec.precision)
            text.resize(static_cast<size_t>(spec.precision));
        return Pad(text, spec);
    }
    default: return L"";
    }
}

// Reads a width or precision: digits, or '*' taken from the arguments.
int ReadNumber(const wchar_t*& p, ArgReader& args)
{
    if (*p == L'*') {
        ++p;
        return static_cast<int>(AsSigned(args.Next()));
    }
    int n = 0;
    while (*p >= L'0' && *p <= L'9')
        n = n * 10 + (*p++ - L'0');
    return n;
}

} // namespace

std::wstring FormatText(const wchar_t* format, const std::vector<FormatArg>& argList)
{
    std::wstring out;
    if (format == nullptr)
        return out;
    ArgReader args(argList);
    for (const wchar_t* p = format; *p;) {
        if (*p != L'%') {
            out += *p++;
            continue;
        }
        ++p;
        if (*p == L'%') {
            out += L'%';
            ++p;
            continue;
        }
        Spec spec;
        while (*p && std::wcschr(L"-+ #0", *p))
            spec.flags += static_cast<char>(*p++);
        if (*p == L'*' || (*p >= L'0' && *p <= L'9')) {
            spec.width = ReadNumber(p, args);
            if (spec.width < 0) {
                spec.flags += '-';
                spec.width = -spec.width;
            }
        }
        if (*p == L'.') {
            ++p;
            int precision = ReadNumber(p, args);
            spec.precision = precision < 0 ? -1 : precision;
        }
        // Length modifiers only describe the caller's C type; the captured argument knows it.
        while (*p && std::wcschr(L"hlLqjzt", *p))
            ++p;
        if (p[0] == L'I' && ((p[1] == L'6' && p[2] == L'4') || (p[1] == L'3' && p[2] == L'2')))
            p += 3;
        else if (*p == L'I')
            ++p;
        if (*p == 0)
            break;
        spec.conversion = *p++;
        out += Convert(spec, args);
    }
    return out;
}

} // namespace corbel::fmt
