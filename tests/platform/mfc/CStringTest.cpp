#include "CString.h"

#include "CException.h"
#include "CLocale.h"

#include <gtest/gtest.h>

#include <clocale>

TEST(CString, SlicesClampLikeTheClassLibrary)
{
    CString s(L"abcdef");
    EXPECT_EQ(s.Left(2), L"ab");
    EXPECT_EQ(s.Left(-1), L"");
    EXPECT_EQ(s.Left(99), L"abcdef");
    EXPECT_EQ(s.Mid(2), L"cdef");
    EXPECT_EQ(s.Mid(2, 2), L"cd");
    EXPECT_EQ(s.Mid(-3, 2), L"ab");
    EXPECT_EQ(s.Mid(4, 99), L"ef");
    EXPECT_EQ(s.Mid(6), L"");
    EXPECT_EQ(s.Right(3), L"def");
    EXPECT_EQ(s.Right(-2), L"");
}

TEST(CString, FindsAndTrims)
{
    CString s(L"  VER 4.3\r\n");
    EXPECT_EQ(s.Find(L'V'), 2);
    EXPECT_EQ(s.Find(L"4.3"), 6);
    EXPECT_EQ(s.Find(L'V', 50), -1);
    EXPECT_EQ(s.ReverseFind(L' '), 5);
    s.Trim();
    EXPECT_EQ(s, L"VER 4.3");
    CString t(L"xx盖梁xx");
    t.Trim(L'x');
    EXPECT_EQ(t, L"盖梁");
    CString u(L"  \t盖梁　");
    u.TrimLeft();
    u.TrimRight();
    EXPECT_EQ(u, L"盖梁");
}

TEST(CString, CaseOnlyForLatinLetters)
{
    CString s(L"ver盖梁a");
    s.MakeUpper();
    EXPECT_EQ(s, L"VER盖梁A");
    EXPECT_EQ(CString(L"Abc").CompareNoCase(L"aBC"), 0);
    EXPECT_LT(CString(L"abc").CompareNoCase(L"abd"), 0);
    EXPECT_GT(CString(L"b").Compare(L"a"), 0);
}

TEST(CString, EditsInPlace)
{
    CString s(L"a,b,,c");
    EXPECT_EQ(s.Replace(L",", L";;"), 3);
    EXPECT_EQ(s, L"a;;b;;;;c");
    EXPECT_EQ(s.Remove(L';'), 6);
    EXPECT_EQ(s.Insert(1, L"-"), 4);
    EXPECT_EQ(s, L"a-bc");
    EXPECT_EQ(s.Delete(1, 10), 1);
    int at = 0;
    CString line(L" 1, 2;3 ");
    EXPECT_EQ(line.Tokenize(L" ,;", at), L"1");
    EXPECT_EQ(line.Tokenize(L" ,;", at), L"2");
    EXPECT_EQ(line.Tokenize(L" ,;", at), L"3");
    EXPECT_EQ(line.Tokenize(L" ,;", at), L"");
    EXPECT_EQ(at, -1);
}

TEST(CString, BadIndexThrowsInvalidArgument)
{
    CString s(L"ab");
    EXPECT_THROW(s.GetAt(2), CInvalidArgException);
    EXPECT_THROW(s.SetAt(-1, L'x'), CInvalidArgException);
    EXPECT_EQ(s, L"ab");
}

TEST(CString, BufferRoundTrip)
{
    CString s(L"abc");
    wchar_t* p = s.GetBuffer(10);
    p[3] = L'd';
    p[4] = 0;
    s.ReleaseBuffer();
    EXPECT_EQ(s, L"abcd");
    EXPECT_EQ(s.GetLength(), 4);
}

TEST(CString, NarrowTextIsUtf8)
{
    EXPECT_EQ(CString("盖梁"), L"盖梁");
    EXPECT_EQ(CString(L"盖梁").ToUtf8(), "盖梁");
    EXPECT_EQ(CString("\xff"), L"\uFFFD");
}

struct FormatCase {
    const wchar_t* expected;
    CString actual;
};

TEST(CStringFormat, PrintfRules)
{
    auto f = [](const wchar_t* fmt, auto... args) {
        CString s;
        s.Format(fmt, args...);
        return s;
    };
    const FormatCase cases[] = {
        {L"2.00", f(L"%.2f", 2.0)},
        {L"-3", f(L"%d", -3)},
        {L"  7|", f(L"%3d|", 7)},
        {L"7  |", f(L"%-3d|", 7)},
        {L"007", f(L"%03ld", 7L)},
        {L"ff", f(L"%x", 255u)},
        {L"Ver4.30", f(L"Ver%.2f", 4.3)},
        {L"第12行", f(L"第%ld行", 12L)},
        {L"a盖梁b", f(L"a%sb", CString(L"盖梁"))},
        {L"wide narrow", f(L"%s %s", L"wide", "narrow")},
        {L"[ab]", f(L"[%.2s]", L"abc")},
        {L"x", f(L"%c", L'x')},
        {L"100%", f(L"%d%%", 100)},
        {L"1.5", f(L"%g", 1.5)},
        {L"  1.2", f(L"%*.*f", 5, 1, 1.25)},
        {L"12345678901", f(L"%I64d", 12345678901LL)},
        {L"DIM2.5", f(L"DIM%.1f", 2.5)},
        {L"3", f(L"%d", 3.7)},
        {L"", f(L"%d")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.actual, c.expected);
}

TEST(CStringFormat, DecimalPointIgnoresTheProgramLocale)
{
    const char* saved = std::setlocale(LC_NUMERIC, nullptr);
    std::string keep = saved ? saved : "C";
    bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    CString s;
    s.Format(L"%.3f", 1.5);
    std::setlocale(LC_NUMERIC, keep.c_str());
    EXPECT_EQ(s, L"1.500") << (german ? "with de_DE" : "de_DE not installed");
}

TEST(CString, AppendFormatAndOperators)
{
    CString s(L"a");
    s += L'b';
    s += CString(L"c");
    s.AppendFormat(L"%d", 4);
    EXPECT_EQ(s, L"abc4");
    EXPECT_EQ(L"x" + s + L"y", L"xabc4y");
    EXPECT_TRUE(CString(L"a") < CString(L"b"));
    EXPECT_TRUE(CString(L"a") != L"b");
}
