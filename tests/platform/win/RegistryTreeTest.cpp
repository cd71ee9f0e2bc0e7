// The registry store's text form: every value comes back byte for byte, names with awkward
// characters survive, and unreadable lines are skipped and counted rather than fatal.
#include "CRegistryTree.h"
#include "Registry.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const std::wstring kSystemKeyPath = L"HKEY_CURRENT_USER\\Software\\Veltra软件\\Veltra盖梁设计绘图系统";

RegistryValue Text(DWORD type, std::wstring text) {
  RegistryValue value{type, std::vector<BYTE>((text.size() + 1) * sizeof(wchar_t))};
  std::memcpy(value.data.data(), text.c_str(), value.data.size());
  return value;
}

RegistryValue Raw(DWORD type, std::vector<BYTE> bytes) { return {type, std::move(bytes)}; }

RegistryValue Dword(std::uint32_t number) {
  RegistryValue value{REG_DWORD, std::vector<BYTE>(4)};
  std::memcpy(value.data.data(), &number, 4);
  return value;
}

TEST(RegistryTree, EveryValueAndNameComesBackExactly) {
  CRegistryTree tree;
  const std::vector<std::wstring> keys = {
      kSystemKeyPath, L"HKEY_LOCAL_MACHINE\\Software\\100% [odd] key\\line\nbreak",
      L"HKEY_USERS\\.DEFAULT", L"HKEY_CLASSES_ROOT\\.glt"};
  for (const std::wstring& key : keys)
    tree.CreateKey(key);

  const std::wstring stringWithNul(L"a\0b", 4);  // stored with its NUL inside and at the end
  std::wstring unitsOfNonScalar = L"x";
  unitsOfNonScalar += static_cast<wchar_t>(0xD800);
  const std::vector<std::pair<std::wstring, RegistryValue>> values = {
      {L"CurGltFile", Text(REG_SZ, L"D:\\设计\\桥 \"A\"\\a.glt")},
      {L"", Text(REG_SZ, L"default value")},
      {L"empty", Text(REG_SZ, L"")},
      {L"with \"quotes\", \\backslashes\\ and\nnewlines\t\x01", Text(REG_EXPAND_SZ, L"%HOME%\\x")},
      {L"no terminator", Raw(REG_SZ, {'a', 0, 0, 0})},
      {L"odd size", Raw(REG_SZ, {'a', 0, 0})},
      {L"surrogate", Text(REG_SZ, unitsOfNonScalar)},
      {L"list without data", Raw(REG_MULTI_SZ, {})},
      {L"dword", Dword(0xFFFFFFFFu)},
      {L"short dword", Raw(REG_DWORD, {1, 2, 3})},
      {L"qword", Raw(REG_QWORD, {1, 2, 3, 4, 5, 6, 7, 0x80})},
      {L"binary", Raw(REG_BINARY, {0, 0xFF, 0x10})},
      {L"empty binary", Raw(REG_BINARY, {})},
      {L"none", Raw(REG_NONE, {})},
      {L"big type", Raw(0xFFFFFFFFu, {9})},
  };
  for (const auto& [name, value] : values)
    ASSERT_TRUE(tree.SetValue(kSystemKeyPath, name, value));
  RegistryValue withNul{REG_SZ, std::vector<BYTE>(stringWithNul.size() * sizeof(wchar_t))};
  std::memcpy(withNul.data.data(), stringWithNul.data(), withNul.data.size());
  tree.SetValue(kSystemKeyPath, L"nul inside", withNul);
  // Lists: one canonical, one empty, one with an empty string that must stay raw.
  for (const auto& [name, units] :
       std::vector<std::pair<std::wstring, std::wstring>>{{L"list", std::wstring(L"a\0bc\0\0", 6)},
                                                          {L"empty list", std::wstring(L"\0", 1)},
                                                          {L"gap", std::wstring(L"a\0\0b\0\0", 6)},
                                                          {L"two nuls", std::wstring(L"\0\0", 2)}}) {
    RegistryValue list{REG_MULTI_SZ, std::vector<BYTE>(units.size() * sizeof(wchar_t))};
    std::memcpy(list.data.data(), units.data(), list.data.size());
    tree.SetValue(keys[1], name, list);
  }
  tree.SetValue(L"HKEY_CURRENT_USER", L"root value", Dword(7));

  std::vector<std::size_t> bad;
  const CRegistryTree back = CRegistryTree::Parse(tree.ToText(), bad);
  EXPECT_TRUE(bad.empty()) << tree.ToText();
  EXPECT_TRUE(back == tree) << tree.ToText();
}

TEST(RegistryTree, TextReadsAsAPersonWouldWriteIt) {
  CRegistryTree tree;
  tree.CreateKey(kSystemKeyPath);
  tree.SetValue(kSystemKeyPath, L"CurGltFile", Text(REG_SZ, L"D:\\设计\\a.glt"));
  tree.SetValue(kSystemKeyPath, L"Count", Dword(10));
  RegistryValue list{REG_MULTI_SZ, {}};
  const std::wstring units(L"a\0b\0\0", 5);
  list.data.resize(units.size() * sizeof(wchar_t));
  std::memcpy(list.data.data(), units.data(), list.data.size());
  tree.SetValue(kSystemKeyPath, L"List", list);
  tree.SetValue(kSystemKeyPath, L"Bytes", Raw(REG_BINARY, {0x01, 0xab}));

  const std::string text = tree.ToText();
  EXPECT_NE(text.find("\n[HKEY_CURRENT_USER\\Software\\Veltra软件\\Veltra盖梁设计绘图系统]\n"
                      "\"CurGltFile\"=sz:\"D:\\\\设计\\\\a.glt\"\n"
                      "\"Count\"=dword:0000000a\n"
                      "\"List\"=multi_sz:\"a\",\"b\"\n"
                      "\"Bytes\"=hex:01,ab\n"),
            std::string::npos)
      << text;
}

TEST(RegistryTree, UnreadableLinesAreSkippedAndCounted) {
  const std::string text =
      "; comment\n"
      "\"orphan\"=sz:\"before any key\"\n"                    // 2
      "[HKEY_CURRENT_USER\\Software\\Good]\r\n"
      "\"kept\"=sz:\"yes\"\r\n"
      "\"unterminated\"=sz:\"oops\n"                          // 5
      "\"bad hex\"=hex:01,zz\n"                               // 6
      "\"bad utf8\"=sz:\"\xff\"\n"                            // 7
      "garbage\n"                                             // 8
      "\n"
      "[HKEY_NOWHERE\\Software]\n"                            // 10
      "\"lost\"=dword:00000001\n"                             // 11
      "[hkey_current_user\\Software\\Good\\Sub]\n"
      "@=dword:00000002\n"
      "\"too long\"=dword:123456789\n"                        // 14
      "[HKEY_CURRENT_USER\\\\Empty]\n";                       // 15
  std::vector<std::size_t> bad;
  const CRegistryTree tree = CRegistryTree::Parse(text, bad);
  EXPECT_EQ(bad, (std::vector<std::size_t>{2, 5, 6, 7, 8, 10, 11, 14, 15}));
  EXPECT_TRUE(tree.FindValue(L"HKEY_CURRENT_USER\\SOFTWARE\\good", L"KEPT"));
  EXPECT_TRUE(tree.FindValue(L"HKEY_CURRENT_USER\\Software\\Good\\Sub", L""));
  EXPECT_EQ(tree.Values(L"HKEY_CURRENT_USER\\Software\\Good")->size(), 1u);
}

TEST(RegistryTree, NamesCompareWithoutAsciiCaseAndKeepTheirOwn) {
  CRegistryTree tree;
  EXPECT_TRUE(tree.CreateKey(L"HKEY_CURRENT_USER\\Software\\Beta"));
  EXPECT_FALSE(tree.CreateKey(L"hkey_current_user\\SOFTWARE\\beta"));
  tree.CreateKey(L"HKEY_CURRENT_USER\\Software\\alpha");
  tree.CreateKey(L"HKEY_CURRENT_USER\\Software\\Gamma\\Deep");
  tree.CreateKey(L"HKEY_CURRENT_USER\\Software\\盖梁");
  EXPECT_EQ(tree.SubkeyNames(L"HKEY_CURRENT_USER\\software"),
            (std::vector<std::wstring>{L"alpha", L"Beta", L"Gamma", L"盖梁"}));

  tree.SetValue(L"HKEY_CURRENT_USER\\Software\\Beta", L"Value", Dword(1));
  tree.SetValue(L"HKEY_CURRENT_USER\\Software\\BETA", L"VALUE", Dword(2));
  const auto* values = tree.Values(L"HKEY_CURRENT_USER\\Software\\Beta");
  ASSERT_EQ(values->size(), 1u);
  EXPECT_EQ(values->front().name, L"Value");
  EXPECT_EQ(values->front().value, Dword(2));

  // Only ASCII letters fold.
  tree.CreateKey(L"HKEY_CURRENT_USER\\Software\\Ä");
  EXPECT_FALSE(tree.KeyExists(L"HKEY_CURRENT_USER\\Software\\ä"));

  EXPECT_EQ(tree.DeleteKey(L"HKEY_CURRENT_USER\\Software\\Gamma"),
            CRegistryTree::DeleteResult::HasSubkeys);
  EXPECT_EQ(tree.DeleteKey(L"HKEY_CURRENT_USER"), CRegistryTree::DeleteResult::IsRoot);
  EXPECT_EQ(tree.DeleteKey(L"HKEY_CURRENT_USER\\Software\\Gamma\\deep"),
            CRegistryTree::DeleteResult::Deleted);
  EXPECT_EQ(tree.DeleteKey(L"HKEY_CURRENT_USER\\Software\\Gamma\\Deep"),
            CRegistryTree::DeleteResult::Missing);
}

}  // namespace
