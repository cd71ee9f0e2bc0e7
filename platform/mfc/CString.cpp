// The wide string of the class library.
#include "CString.h"

#include "CException.h"
#include "CodePage.h"

#include <algorithm>
#include <ostream>
#include <cwchar>

namespace {

bool IsSpace(wchar_t c)
{
    return c == L' ' || (c >= L'\t' && c <= L'\r') || c == 0xA0 || c == 0x3000;
}

wchar_t AsciiUpper(wchar_t c) { return (c >= L'a' && c <= L'z') ? c - L'a' + L'A' : c; }
wchar_t AsciiLower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? c - L'A' + L'a' : c; }

bool InSet(wchar_t c, const wchar_t* set) { return set != nullptr && c != 0 && std::wcschr(set, c) != nullptr; }

const wchar_t* OrEmpty(const wchar_t* text) { return text ? text : L""; }

} // namespace

CString::CString(const wchar_t* text) : m_text(OrEmpty(text)) {}

CString::CString(const wchar_t* text, int length)
{
    if (text != nullptr && length > 0)
        m_text.assign(text, static_cast<size_t>(length));
}

CString::CString(wchar_t ch, int repeat)
{
    if (repeat > 0)
        m_text.assign(static_cast<size_t>(repeat), ch);
}

CString::CString(const char* utf8) : m_text(Utf8ToWideLossy(utf8 ? utf8 : "")) {}

CString& CString::operator=(const wchar_t* text)
{
    m_text = OrEmpty(text);
    return *this;
}

CString& CString::operator=(wchar_t ch)
{
    m_text.assign(1, ch);
    return *this;
}

CString& CString::operator=(const char* utf8)
{
    m_text = Utf8ToWideLossy(utf8 ? utf8 : "");
    return *this;
}

wchar_t CString::GetAt(int index) const
{
    if (index < 0 || index >= GetLength())
        AfxThrowInvalidArgException();
    return m_text[static_cast<size_t>(index)];
}

void CString::SetAt(int index, wchar_t ch)
{
    if (index < 0 || index >= GetLength())
        AfxThrowInvalidArgException();
    m_text[static_cast<size_t>(index)] = ch;
}

wchar_t* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength()) {
        // Keep the logical text; the extra room is filled with terminators so that
        // ReleaseBuffer(-1) finds the end the caller wrote.
        m_text.resize(static_cast<size_t>(minLength), L'\0');
    }
    return m_text.data();
}

wchar_t* CString::GetBufferSetLength(int length)
{
    m_text.resize(static_cast<size_t>(std::max(length, 0)), L'\0');
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = static_cast<int>(std::wcslen(m_text.c_str()));
    m_text.resize(static_cast<size_t>(std::min(newLength, GetLength())));
}

CString CString::Left(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return CString(m_text.substr(0, static_cast<size_t>(count)));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const
{
    first = std::max(first, 0);
    count = std::max(count, 0);
    if (first >= GetLength())
        return CString();
    count = std::min(count, GetLength() - first);
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Right(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return CString(m_text.substr(m_text.size() - static_cast<size_t>(count)));
}

CString CString::SpanIncluding(const wchar_t* charSet) const
{
    size_t n = 0;
    while (n < m_text.size() && InSet(m_text[n], charSet))
        ++n;
    return CString(m_text.substr(0, n));
}

CString CString::SpanExcluding(const wchar_t* charSet) const
{
    size_t n = 0;
    while (n < m_text.size() && !InSet(m_text[n], charSet))
        ++n;
    return CString(m_text.substr(0, n));
}

CString CString::Tokenize(const wchar_t* separators, int& start) const
{
    if (start < 0 || start >= GetLength()) {
        start = -1;
        return CString();
    }
    size_t from = static_cast<size_t>(start);
    while (from < m_text.size() && InSet(m_text[from], separators))
        ++from;
    if (from >= m_text.size()) {
        start = -1;
        return CString();
    }
    size_t to = from;
    while (to < m_text.size() && !InSet(m_text[to], separators))
        ++to;
    start = static_cast<int>(to + 1);
    return CString(m_text.substr(from, to - from));
}

int CString::Find(wchar_t ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    size_t at = m_text.find(ch, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const wchar_t* sub, int start) const
{
    if (sub == nullptr || start < 0 || start > GetLength())
        return -1;
    size_t at = m_text.find(sub, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(wchar_t ch) const
{
    size_t at = m_text.rfind(ch);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(const wchar_t* charSet) const
{
    for (size_t i = 0; i < m_text.size(); ++i)
        if (InSet(m_text[i], charSet))
            return static_cast<int>(i);
    return -1;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(wchar_t target) { return TrimRight(target).TrimLeft(target); }
CString& CString::Trim(const wchar_t* targets) { return TrimRight(targets).TrimLeft(targets); }

CString& CString::TrimLeft()
{
    size_t n = 0;
    while (n < m_text.size() && IsSpace(m_text[n]))
        ++n;
    m_text.erase(0, n);
    return *this;
}

CString& CString::TrimLeft(wchar_t target)
{
    size_t n = 0;
    while (n < m_text.size() && m_text[n] == target)
        ++n;
    m_text.erase(0, n);
    return *this;
}

CString& CString::TrimLeft(const wchar_t* targets)
{
    size_t n = 0;
    while (n < m_text.size() && InSet(m_text[n], targets))
        ++n;
    m_text.erase(0, n);
    return *this;
}

CString& CString::TrimRight()
{
    while (!m_text.empty() && IsSpace(m_text.back()))
        m_text.pop_back();
    return *this;
}

CString& CString::TrimRight(wchar_t target)
{
    while (!m_text.empty() && m_text.back() == target)
        m_text.pop_back();
    return *this;
}

CString& CString::TrimRight(const wchar_t* targets)
{
    while (!m_text.empty() && InSet(m_text.back(), targets))
        m_text.pop_back();
    return *this;
}

// Case mapping follows the C locale: only the Latin letters change.
CString& CString::MakeUpper()
{
    std::transform(m_text.begin(), m_text.end(), m_text.begin(), AsciiUpper);
    return *this;
}

CString& CString::MakeLower()
{
    std::transform(m_text.begin(), m_text.end(), m_text.begin(), AsciiLower);
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_text.begin(), m_text.end());
    return *this;
}

int CString::Compare(const wchar_t* other) const
{
    int r = m_text.compare(OrEmpty(other));
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const wchar_t* other) const
{
    const wchar_t* a = m_text.c_str();
    const wchar_t* b = OrEmpty(other);
    for (;; ++a, ++b) {
        wchar_t ca = AsciiLower(*a);
        wchar_t cb = AsciiLower(*b);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

int CString::Replace(wchar_t oldChar, wchar_t newChar)
{
    int count = 0;
    for (auto& c : m_text)
        if (c == oldChar) {
            c = newChar;
            ++count;
        }
    return count;
}

int CString::Replace(const wchar_t* oldText, const wchar_t* newText)
{
    if (oldText == nullptr || *oldText == 0)
        return 0;
    std::wstring from(oldText);
    std::wstring to(OrEmpty(newText));
    int count = 0;
    for (size_t at = m_text.find(from); at != std::wstring::npos; at = m_text.find(from, at + to.size())) {
        m_text.replace(at, from.size(), to);
        ++count;
    }
    return count;
}

int CString::Remove(wchar_t ch)
{
    size_t before = m_text.size();
    std::erase(m_text, ch);
    return static_cast<int>(before - m_text.size());
}

int CString::Insert(int index, wchar_t ch)
{
    index = std::clamp(index, 0, GetLength());
    m_text.insert(static_cast<size_t>(index), 1, ch);
    return GetLength();
}

int CString::Insert(int index, const wchar_t* text)
{
    index = std::clamp(index, 0, GetLength());
    m_text.insert(static_cast<size_t>(index), OrEmpty(text));
    return GetLength();
}

int CString::Delete(int index, int count)
{
    index = std::max(index, 0);
    if (count > 0 && index < GetLength())
        m_text.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

CString& CString::operator+=(const CString& other)
{
    m_text += other.m_text;
    return *this;
}

CString& CString::operator+=(const wchar_t* text)
{
    m_text += OrEmpty(text);
    return *this;
}

CString& CString::operator+=(wchar_t ch)
{
    m_text += ch;
    return *this;
}

std::string CString::ToUtf8() const { return WideToUtf8Lossy(m_text); }

CString operator+(const CString& a, const CString& b) { return CString(a.str() + b.str()); }
CString operator+(const CString& a, const wchar_t* b) { return CString(a.str() + OrEmpty(b)); }
CString operator+(const wchar_t* a, const CString& b) { return CString(OrEmpty(a) + b.str()); }
CString operator+(const CString& a, wchar_t b) { return CString(a.str() + b); }
CString operator+(wchar_t a, const CString& b) { return CString(a + b.str()); }

bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
bool operator==(const CString& a, const wchar_t* b) { return a.str() == OrEmpty(b); }
bool operator==(const wchar_t* a, const CString& b) { return b == a; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
bool operator!=(const wchar_t* a, const CString& b) { return !(b == a); }
bool operator<(const CString& a, const CString& b) { return a.str() < b.str(); }
bool operator>(const CString& a, const CString& b) { return b < a; }
bool operator<=(const CString& a, const CString& b) { return !(b < a); }
bool operator>=(const CString& a, const CString& b) { return !(a < b); }

void AfxThrowInvalidArgException() { throw CInvalidArgException(); }

void PrintTo(const CString& s, std::ostream* os) { *os << '"' << s.ToUtf8() << '"'; }
