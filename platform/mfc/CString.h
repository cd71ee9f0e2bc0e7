// The class library's string: wide characters in memory, with the members the system uses.
// Narrow text given to it is UTF-8 (the encoding of our sources); files convert at their own boundary.
#pragma once

#include "WinDef.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

class CString;

namespace corbel::fmt {

// One argument of a printf-style format, captured with its type so that no variadic
// promotion rules apply and a wide or narrow string is never mistaken for the other.
struct FormatArg {
    enum class Kind { Signed, Unsigned, Real, Wide, Narrow, Pointer };
    Kind kind = Kind::Signed;
    long long i = 0;
    unsigned long long u = 0;
    double d = 0.0;
    const wchar_t* ws = nullptr;
    const char* ns = nullptr;
    const void* p = nullptr;
};

FormatArg MakeArg(const CString& s);
FormatArg MakeArg(const std::wstring& s);
FormatArg MakeArg(const wchar_t* s);
FormatArg MakeArg(const char* s);
FormatArg MakeArg(const void* p);
inline FormatArg MakeArg(wchar_t* s) { return MakeArg(static_cast<const wchar_t*>(s)); }
inline FormatArg MakeArg(char* s) { return MakeArg(static_cast<const char*>(s)); }
inline FormatArg MakeArg(std::nullptr_t) { return MakeArg(static_cast<const void*>(nullptr)); }

template <class T>
    requires(std::is_arithmetic_v<T> || std::is_enum_v<T>)
FormatArg MakeArg(T v)
{
    FormatArg a;
    if constexpr (std::is_enum_v<T>) {
        a.kind = FormatArg::Kind::Signed;
        a.i = static_cast<long long>(v);
    } else if constexpr (std::is_floating_point_v<T>) {
        a.kind = FormatArg::Kind::Real;
        a.d = static_cast<double>(v);
    } else if constexpr (std::is_signed_v<T>) {
        a.kind = FormatArg::Kind::Signed;
        a.i = static_cast<long long>(v);
    } else {
        a.kind = FormatArg::Kind::Unsigned;
        a.u = static_cast<unsigned long long>(v);
    }
    return a;
}

// Formats with printf rules in the C locale. "%s" and "%S" take wide or narrow text alike.
std::wstring FormatText(const wchar_t* format, const std::vector<FormatArg>& args);

} // namespace corbel::fmt

class CString {
public:
    CString() = default;
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString(const wchar_t* text);
    CString(const wchar_t* text, int length);
    CString(wchar_t ch, int repeat = 1);
    CString(const char* utf8);
    CString(const std::wstring& text) : m_text(text) {}
    CString(std::wstring&& text) noexcept : m_text(std::move(text)) {}
    ~CString() = default;

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(const wchar_t* text);
    CString& operator=(wchar_t ch);
    CString& operator=(const char* utf8);

    int GetLength() const { return static_cast<int>(m_text.size()); }
    BOOL IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    wchar_t GetAt(int index) const;
    void SetAt(int index, wchar_t ch);
    wchar_t operator[](int index) const { return GetAt(index); }
    operator const wchar_t*() const { return m_text.c_str(); }
    const wchar_t* GetString() const { return m_text.c_str(); }

    // Direct buffer access: the buffer holds at least minLength characters plus the terminator.
    wchar_t* GetBuffer(int minLength);
    wchar_t* GetBuffer() { return GetBuffer(0); }
    wchar_t* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    CString SpanIncluding(const wchar_t* charSet) const;
    CString SpanExcluding(const wchar_t* charSet) const;
    CString Tokenize(const wchar_t* separators, int& start) const;

    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* sub, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(const wchar_t* charSet) const;

    CString& Trim();
    CString& Trim(wchar_t target);
    CString& Trim(const wchar_t* targets);
    CString& TrimLeft();
    CString& TrimLeft(wchar_t target);
    CString& TrimLeft(const wchar_t* targets);
    CString& TrimRight();
    CString& TrimRight(wchar_t target);
    CString& TrimRight(const wchar_t* targets);

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    int Compare(const wchar_t* other) const;
    int CompareNoCase(const wchar_t* other) const;

    int Replace(wchar_t oldChar, wchar_t newChar);
    int Replace(const wchar_t* oldText, const wchar_t* newText);
    int Remove(wchar_t ch);
    int Insert(int index, wchar_t ch);
    int Insert(int index, const wchar_t* text);
    int Delete(int index, int count = 1);

    template <class... Args>
    void Format(const wchar_t* format, const Args&... args)
    {
        m_text = corbel::fmt::FormatText(format, {corbel::fmt::MakeArg(args)...});
    }
    template <class... Args>
    void AppendFormat(const wchar_t* format, const Args&... args)
    {
        m_text += corbel::fmt::FormatText(format, {corbel::fmt::MakeArg(args)...});
    }

    CString& operator+=(const CString& other);
    CString& operator+=(const wchar_t* text);
    CString& operator+=(wchar_t ch);

    // For the platform's own code: the text as the standard library holds it.
    const std::wstring& str() const { return m_text; }
    std::string ToUtf8() const;

private:
    std::wstring m_text;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const wchar_t* b);
CString operator+(const wchar_t* a, const CString& b);
CString operator+(const CString& a, wchar_t b);
CString operator+(wchar_t a, const CString& b);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const wchar_t* b);
bool operator==(const wchar_t* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const wchar_t* b);
bool operator!=(const wchar_t* a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator>(const CString& a, const CString& b);
bool operator<=(const CString& a, const CString& b);
bool operator>=(const CString& a, const CString& b);

// Lets test frameworks print the text.
void PrintTo(const CString& s, std::ostream* os);

