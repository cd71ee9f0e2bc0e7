// Code-page conversions: GBK as Windows code page 936 has it, strict helpers that name the bad
// place, and the Windows functions' size and failure protocol.
#include "CodePage.h"
#include "WinError.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

struct GbkCase {
  std::string bytes;
  std::wstring text;
};

// Where Windows 936 differs from other GBK tables: 0x80 is the euro sign, A1A4 the middle dot,
// A1AA the em dash.
const std::vector<GbkCase> kGbkCases = {
    {"", L""},
    {"CurGltFile 1.5\r\n", L"CurGltFile 1.5\r\n"},
    {"\xb8\xc7\xc1\xba", L"盖梁"},
    {"\x80", L"\u20ac"},
    {"\xa1\xa4", L"\u00b7"},
    {"\xa1\xaa", L"\u2014"},
    {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
    {"\xb5\xda" "12\xd0\xd0", L"第12行"},
};

TEST(CodePage, GbkConvertsBothWaysAsCodePage936) {
  for (const GbkCase& c : kGbkCases) {
    std::wstring wide;
    ASSERT_TRUE(AnsiToWide(c.bytes, wide)) << c.bytes;
    EXPECT_EQ(wide, c.text);
    std::string bytes;
    ASSERT_TRUE(WideToAnsi(c.text, bytes));
    EXPECT_EQ(bytes, c.bytes);
  }
}

TEST(CodePage, BadGbkBytesAreReportedWhereTheyAre) {
  struct Case {
    std::string bytes;
    std::size_t offset;
  };
  const std::vector<Case> cases = {
      {"ab\xb8", 2},             // ends inside a character
      {"a\xff" "b", 1},          // no such lead byte
      {"\xb8\xc7\xc1\x20", 2},   // lead byte followed by a space
      {"\xa2\xe3", 0},           // unmapped in 936
      {"\xaa\xa1", 0},           // user-defined area
  };
  for (const Case& c : cases) {
    std::wstring out = L"unchanged";
    std::size_t offset = 99;
    EXPECT_FALSE(AnsiToWide(c.bytes, out, &offset)) << c.offset;
    EXPECT_EQ(offset, c.offset);
    EXPECT_EQ(out, L"unchanged");
    // A failure must not disturb the next conversion on this thread.
    ASSERT_TRUE(AnsiToWide("\xb8\xc7", out));
    EXPECT_EQ(out, L"盖");
  }
}

TEST(CodePage, CharactersGbkCannotHoldAreReported) {
  struct Case {
    std::wstring text;
    std::size_t index;
  };
  const std::vector<Case> cases = {
      {L"ab\U0001F600", 2},
      {L"盖\u0e01", 1},
      {std::wstring(1, static_cast<wchar_t>(0xD800)), 0},
      {std::wstring(L"x") + static_cast<wchar_t>(0x110000), 1},
  };
  for (const Case& c : cases) {
    std::string out = "unchanged";
    std::size_t index = 99;
    EXPECT_FALSE(WideToAnsi(c.text, out, &index));
    EXPECT_EQ(index, c.index);
    EXPECT_EQ(out, "unchanged");
  }
}

TEST(CodePage, Utf8IsStrict) {
  std::wstring wide;
  ASSERT_TRUE(Utf8ToWide("D:\\设计\\a.glt \U0001F600", wide));
  EXPECT_EQ(wide, L"D:\\设计\\a.glt \U0001F600");
  std::string bytes;
  ASSERT_TRUE(WideToUtf8(wide, bytes));
  EXPECT_EQ(bytes, "D:\\设计\\a.glt \U0001F600");

  struct Case {
    std::string bytes;
    std::size_t offset;
  };
  const std::vector<Case> cases = {
      {"a\xc0\x80", 1},          // overlong NUL
      {"ab\xed\xa0\x80", 2},     // surrogate
      {"\xf4\x90\x80\x80", 0},   // past U+10FFFF
      {"\xe4\xb8", 0},           // cut short
      {"x\x80", 1},              // stray continuation byte
      {"\xe0\x9f\xbf", 0},       // overlong three-byte form
  };
  for (const Case& c : cases) {
    std::size_t offset = 99;
    EXPECT_FALSE(Utf8ToWide(c.bytes, wide, &offset)) << c.offset;
    EXPECT_EQ(offset, c.offset);
  }

  std::size_t index = 99;
  EXPECT_FALSE(WideToUtf8(std::wstring(L"ok") + static_cast<wchar_t>(0xDC00), bytes, &index));
  EXPECT_EQ(index, 2u);
  EXPECT_EQ(WideToUtf8Lossy(std::wstring(L"a") + static_cast<wchar_t>(0xDC00)), "a\xef\xbf\xbd");
}

TEST(CodePage, MultiByteToWideCharFollowsTheWindowsProtocol) {
  const char* text = "\xb8\xc7\xc1\xba";
  // -1 counts and converts the terminating NUL; size 0 asks for the size.
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0), 3);
  wchar_t buffer[8] = {};
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, text, -1, buffer, 8), 3);
  EXPECT_STREQ(buffer, L"盖梁");
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, text, 2, buffer, 8), 1);

  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, text, -1, buffer, 2), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));

  const char bad[] = "a\xff" "b";
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bad, 3, buffer, 8), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
  ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, bad, 3, buffer, 8), 3);
  EXPECT_EQ(std::wstring(buffer, 3), L"a\ufffdb");

  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xe7\x9b\x96", 3, buffer, 8), 1);
  EXPECT_EQ(buffer[0], L'盖');

  struct Refusal {
    UINT codePage;
    DWORD flags;
    int length;
    DWORD error;
  };
  for (const Refusal& r : {Refusal{1252, 0, 2, ERROR_INVALID_PARAMETER},
                           Refusal{CP_ACP, 0, 0, ERROR_INVALID_PARAMETER},
                           Refusal{CP_ACP, 0, -2, ERROR_INVALID_PARAMETER},
                           Refusal{CP_UTF8, MB_PRECOMPOSED, 2, ERROR_INVALID_FLAGS}}) {
    EXPECT_EQ(MultiByteToWideChar(r.codePage, r.flags, "ab", r.length, buffer, 8), 0);
    EXPECT_EQ(GetLastError(), r.error) << r.codePage;
  }
}

TEST(CodePage, WideCharToMultiByteFollowsTheWindowsProtocol) {
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"盖梁", -1, nullptr, 0, nullptr, nullptr), 5);
  char buffer[16] = {};
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"盖梁", -1, buffer, 16, nullptr, nullptr), 5);
  EXPECT_STREQ(buffer, "\xb8\xc7\xc1\xba");
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"盖梁", -1, buffer, 4, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));

  // What GBK cannot hold becomes the default character, and the caller is told.
  BOOL used = FALSE;
  ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, L"a\U0001F600b", 3, buffer, 16, nullptr, &used), 3);
  EXPECT_EQ(std::string(buffer, 3), "a?b");
  EXPECT_EQ(used, TRUE);
  ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, L"a\U0001F600", 2, buffer, 16, "\xa1\xf5", &used), 3);
  EXPECT_EQ(std::string(buffer, 3), "a\xa1\xf5");
  ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, L"ab", 2, buffer, 16, nullptr, &used), 2);
  EXPECT_EQ(used, FALSE);

  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"盖", 1, buffer, 16, nullptr, nullptr), 3);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"盖", 1, buffer, 16, nullptr, &used), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  const wchar_t lone[] = {static_cast<wchar_t>(0xD800), 0};
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, lone, 1, buffer, 16, nullptr,
                                nullptr),
            0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, lone, 1, buffer, 16, nullptr, nullptr), 3);
}

TEST(CodePage, ThreadsConvertIndependently) {
  std::vector<std::thread> threads;
  std::vector<int> failures(8, 0);
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([t, &failures] {
      for (int i = 0; i < 500; ++i) {
        const std::wstring text = L"盖梁" + std::to_wstring(t * 1000 + i) + L"€";
        std::string bytes;
        std::wstring back;
        if (!WideToAnsi(text, bytes) || !AnsiToWide(bytes, back) || back != text ||
            AnsiToWide(bytes + "\xff", back))
          ++failures[t];
      }
    });
  }
  for (std::thread& thread : threads)
    thread.join();
  EXPECT_EQ(failures, std::vector<int>(8, 0));
}

}  // namespace
