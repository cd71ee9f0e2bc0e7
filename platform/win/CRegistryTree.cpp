// Store file format, one line each, UTF-8:
//   ; comment
//   [HKEY_CURRENT_USER\Software\Veltra软件]     a key; %{HEX} stands for '%', control characters
//                                              and values that are no Unicode scalar
//   "name"=sz:"text"                           REG_SZ (expand_sz: REG_EXPAND_SZ)
//   "name"=multi_sz:"one","two"                REG_MULTI_SZ
//   "name"=dword:0000000a / qword:...          REG_DWORD / REG_QWORD, as numbers
//   "name"=hex:01,ff / hex(N):...              REG_BINARY / any type, as raw bytes
//   @=...                                      the key's default value
// Quoted texts escape \\ \" \n \r \t, and \u{HEX} for other controls and non-scalars.
// The named forms are written only when they give back exactly the bytes stored (a string
// ends with its one NUL); anything else keeps its bytes in the hex form.
#include "CRegistryTree.h"

#include "CodePage.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr DWORD kRegSz = 1;
constexpr DWORD kRegExpandSz = 2;
constexpr DWORD kRegBinary = 3;
constexpr DWORD kRegDword = 4;
constexpr DWORD kRegMultiSz = 7;
constexpr DWORD kRegQword = 11;

void AppendHex(std::string& out, std::uint64_t value, int digits) {
  static const char kDigits[] = "0123456789abcdef";
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
    out += kDigits[(value >> shift) & 0xF];
}

void AppendCodeEscape(std::string& out, const char* prefix, wchar_t c) {
  out += prefix;
  out += '{';
  std::string digits;
  auto value = static_cast<std::uint32_t>(c);
  do {
    AppendHex(digits, value & 0xF, 1);
    value >>= 4;
  } while (value != 0);
  out.append(digits.rbegin(), digits.rend());
  out += '}';
}

void AppendChar(std::string& out, wchar_t c) {
  std::string bytes;
  WideToUtf8(std::wstring_view(&c, 1), bytes);
  out += bytes;
}

void AppendQuoted(std::string& out, std::wstring_view text) {
  out += '"';
  for (wchar_t c : text) {
    switch (c) {
      case L'\\': out += "\\\\"; break;
      case L'"': out += "\\\""; break;
      case L'\n': out += "\\n"; break;
      case L'\r': out += "\\r"; break;
      case L'\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F || !IsUnicodeScalar(c))
          AppendCodeEscape(out, "\\u", c);
        else
          AppendChar(out, c);
    }
  }
  out += '"';
}

void AppendKeyComponent(std::string& out, std::wstring_view name) {
  for (wchar_t c : name) {
    if (c == L'%' || c < 0x20 || c == 0x7F || !IsUnicodeScalar(c))
      AppendCodeEscape(out, "%", c);
    else
      AppendChar(out, c);
  }
}

// A reader over one line; every Read* leaves the position after what it read, or fails.
class LineReader {
public:
  explicit LineReader(std::string_view line) : m_line(line) {}

  bool AtEnd() const { return m_pos == m_line.size(); }
  bool Take(char c) {
    if (m_pos < m_line.size() && m_line[m_pos] == c) {
      ++m_pos;
      return true;
    }
    return false;
  }
  bool Take(std::string_view word) {
    if (m_line.substr(m_pos).starts_with(word)) {
      m_pos += word.size();
      return true;
    }
    return false;
  }

  // Hex digits up to `maxDigits`, at least one.
  bool ReadHex(std::uint64_t& value, int maxDigits) {
    value = 0;
    int digits = 0;
    while (m_pos < m_line.size() && digits < maxDigits) {
      const int digit = HexDigit(m_line[m_pos]);
      if (digit < 0)
        break;
      value = value * 16 + static_cast<unsigned>(digit);
      ++m_pos;
      ++digits;
    }
    return digits > 0;
  }

  bool ReadDecimal(std::uint64_t& value) {
    value = 0;
    const std::size_t start = m_pos;
    while (m_pos < m_line.size() && m_line[m_pos] >= '0' && m_line[m_pos] <= '9' &&
           m_pos - start < 10)
      value = value * 10 + static_cast<unsigned>(m_line[m_pos++] - '0');
    return m_pos > start;
  }

  // A "{HEX}" code after an escape character.
  bool ReadCode(wchar_t& c) {
    std::uint64_t value;
    if (!Take('{') || !ReadHex(value, 8) || !Take('}'))
      return false;
    c = static_cast<wchar_t>(static_cast<std::uint32_t>(value));
    return true;
  }

  bool ReadQuoted(std::wstring& text) {
    text.clear();
    if (!Take('"'))
      return false;
    std::size_t runStart = m_pos;
    auto flushRun = [&](std::size_t end) {
      std::wstring run;
      if (!Utf8ToWide(m_line.substr(runStart, end - runStart), run))
        return false;
      text += run;
      return true;
    };
    while (m_pos < m_line.size()) {
      const char c = m_line[m_pos];
      if (c == '"') {
        if (!flushRun(m_pos))
          return false;
        ++m_pos;
        return true;
      }
      if (c != '\\') {
        ++m_pos;
        continue;
      }
      if (!flushRun(m_pos))
        return false;
      ++m_pos;
      if (m_pos >= m_line.size())
        return false;
      const char escaped = m_line[m_pos++];
      wchar_t code;
      switch (escaped) {
        case '\\': text += L'\\'; break;
        case '"': text += L'"'; break;
        case 'n': text += L'\n'; break;
        case 'r': text += L'\r'; break;
        case 't': text += L'\t'; break;
        case 'u':
          if (!ReadCode(code))
            return false;
          text += code;
          break;
        default: return false;
      }
      runStart = m_pos;
    }
    return false;
  }

  // Key components between '[' and the ']' that ends the line.
  bool ReadKeyPath(std::vector<std::wstring>& components) {
    if (!Take('[') || m_line.empty() || m_line.back() != ']')
      return false;
    const std::string_view body = m_line.substr(m_pos, m_line.size() - 1 - m_pos);
    m_pos = m_line.size();
    std::size_t start = 0;
    for (;;) {
      const std::size_t end = std::min(body.find('\\', start), body.size());
      std::wstring name;
      if (!DecodeKeyComponent(body.substr(start, end - start), name) || name.empty())
        return false;
      components.push_back(std::move(name));
      if (end == body.size())
        return true;
      start = end + 1;
    }
  }

private:
  static int HexDigit(char c) {
    if (c >= '0' && c <= '9')
      return c - '0';
    if (c >= 'a' && c <= 'f')
      return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
      return c - 'A' + 10;
    return -1;
  }

  static bool DecodeKeyComponent(std::string_view text, std::wstring& name) {
    std::size_t runStart = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
      if (i < text.size() && text[i] != '%')
        continue;
      std::wstring run;
      if (!Utf8ToWide(text.substr(runStart, i - runStart), run))
        return false;
      name += run;
      if (i == text.size())
        return true;
      LineReader code(text.substr(i + 1));
      wchar_t c;
      if (!code.ReadCode(c))
        return false;
      name += c;
      i += code.m_pos;
      runStart = i + 1;
    }
    return true;
  }

  std::string_view m_line;
  std::size_t m_pos = 0;
};

std::vector<wchar_t> Units(const std::vector<BYTE>& data) {
  std::vector<wchar_t> units(data.size() / sizeof(wchar_t));
  if (!units.empty())
    std::memcpy(units.data(), data.data(), units.size() * sizeof(wchar_t));
  return units;
}

std::vector<BYTE> Bytes(const std::wstring& units) {
  std::vector<BYTE> data(units.size() * sizeof(wchar_t));
  if (!data.empty())
    std::memcpy(data.data(), units.data(), data.size());
  return data;
}

std::vector<BYTE> EncodeString(std::wstring text) {
  text += L'\0';
  return Bytes(text);
}

std::vector<BYTE> EncodeMultiString(const std::vector<std::wstring>& list) {
  std::wstring units;
  for (const std::wstring& text : list) {
    units += text;
    units += L'\0';
  }
  if (list.empty() || !units.empty())
    units += L'\0';
  return Bytes(units);
}

// The list that EncodeMultiString turns back into exactly `data`, if there is one.
bool DecodeMultiString(const std::vector<BYTE>& data, std::vector<std::wstring>& list) {
  if (data.size() % sizeof(wchar_t) != 0)
    return false;
  const std::vector<wchar_t> units = Units(data);
  list.clear();
  std::wstring current;
  for (std::size_t i = 0; i + 1 < units.size(); ++i) {
    if (units[i] != 0) {
      current += units[i];
    } else {
      if (current.empty())
        return false;
      list.push_back(std::move(current));
      current.clear();
    }
  }
  return current.empty() && EncodeMultiString(list) == data;
}

void AppendValue(std::string& out, const std::wstring& name, const RegistryValue& value) {
  if (name.empty())
    out += '@';
  else
    AppendQuoted(out, name);
  out += '=';
  const std::vector<BYTE>& data = value.data;
  const bool whole = data.size() % sizeof(wchar_t) == 0;
  if ((value.type == kRegSz || value.type == kRegExpandSz) && whole && !data.empty()) {
    const std::vector<wchar_t> units = Units(data);
    if (units.back() == 0) {
      out += value.type == kRegSz ? "sz:" : "expand_sz:";
      AppendQuoted(out, std::wstring_view(units.data(), units.size() - 1));
      out += '\n';
      return;
    }
  }
  std::vector<std::wstring> list;
  if (value.type == kRegMultiSz && DecodeMultiString(data, list)) {
    out += "multi_sz:";
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (i > 0)
        out += ',';
      AppendQuoted(out, list[i]);
    }
    out += '\n';
    return;
  }
  if ((value.type == kRegDword && data.size() == 4) ||
      (value.type == kRegQword && data.size() == 8)) {
    std::uint64_t number = 0;
    if (data.size() == 4) {
      std::uint32_t dword;
      std::memcpy(&dword, data.data(), 4);
      number = dword;
    } else {
      std::memcpy(&number, data.data(), 8);
    }
    out += data.size() == 4 ? "dword:" : "qword:";
    AppendHex(out, number, static_cast<int>(data.size() * 2));
    out += '\n';
    return;
  }
  out += value.type == kRegBinary ? std::string("hex:")
                                  : "hex(" + std::to_string(value.type) + "):";
  for (std::size_t i = 0; i < data.size(); ++i) {
    if (i > 0)
      out += ',';
    AppendHex(out, data[i], 2);
  }
  out += '\n';
}

bool ReadValueData(LineReader& reader, RegistryValue& value) {
  std::uint64_t number;
  const bool sz = reader.Take("sz:");
  if (sz || reader.Take("expand_sz:")) {
    value.type = sz ? kRegSz : kRegExpandSz;
    std::wstring text;
    if (!reader.ReadQuoted(text))
      return false;
    value.data = EncodeString(std::move(text));
    return reader.AtEnd();
  }
  if (reader.Take("multi_sz:")) {
    value.type = kRegMultiSz;
    std::vector<std::wstring> list;
    while (!reader.AtEnd()) {
      if (!list.empty() && !reader.Take(','))
        return false;
      std::wstring text;
      if (!reader.ReadQuoted(text) || text.empty())
        return false;
      list.push_back(std::move(text));
    }
    value.data = EncodeMultiString(list);
    return true;
  }
  if (reader.Take("dword:")) {
    value.type = kRegDword;
    if (!reader.ReadHex(number, 8) || !reader.AtEnd())
      return false;
    const auto dword = static_cast<std::uint32_t>(number);
    value.data.resize(4);
    std::memcpy(value.data.data(), &dword, 4);
    return true;
  }
  if (reader.Take("qword:")) {
    value.type = kRegQword;
    if (!reader.ReadHex(number, 16) || !reader.AtEnd())
      return false;
    value.data.resize(8);
    std::memcpy(value.data.data(), &number, 8);
    return true;
  }
  if (reader.Take("hex:")) {
    value.type = kRegBinary;
  } else if (reader.Take("hex(")) {
    if (!reader.ReadDecimal(number) || number > 0xFFFFFFFFu || !reader.Take("):"))
      return false;
    value.type = static_cast<DWORD>(number);
  } else {
    return false;
  }
  while (!reader.AtEnd()) {
    if (!value.data.empty() && !reader.Take(','))
      return false;
    if (!reader.ReadHex(number, 2))
      return false;
    value.data.push_back(static_cast<BYTE>(number));
  }
  return true;
}

bool ReadValueLine(std::string_view line, std::wstring& name, RegistryValue& value) {
  LineReader reader(line);
  name.clear();
  if (!reader.Take('@') && (!reader.ReadQuoted(name) || name.empty()))
    return false;
  if (!reader.Take('='))
    return false;
  return ReadValueData(reader, value);
}

}  // namespace

std::wstring FoldRegistryName(std::wstring_view name) {
  std::wstring folded(name);
  for (wchar_t& c : folded)
    if (c >= L'A' && c <= L'Z')
      c = static_cast<wchar_t>(c - L'A' + L'a');
  return folded;
}

const std::vector<std::wstring>& CRegistryTree::RootNames() {
  static const std::vector<std::wstring> names = {L"HKEY_CLASSES_ROOT", L"HKEY_CURRENT_USER",
                                                  L"HKEY_LOCAL_MACHINE", L"HKEY_USERS"};
  return names;
}

CRegistryTree::CRegistryTree() {
  for (const std::wstring& root : RootNames())
    m_keys[FoldRegistryName(root)] = Key{root, {}};
}

CRegistryTree::Key* CRegistryTree::FindKey(std::wstring_view path) {
  auto found = m_keys.find(FoldRegistryName(path));
  return found == m_keys.end() ? nullptr : &found->second;
}

const CRegistryTree::Key* CRegistryTree::FindKey(std::wstring_view path) const {
  auto found = m_keys.find(FoldRegistryName(path));
  return found == m_keys.end() ? nullptr : &found->second;
}

bool CRegistryTree::KeyExists(std::wstring_view path) const { return FindKey(path) != nullptr; }

bool CRegistryTree::CreateKey(std::wstring_view path) {
  if (FindKey(path))
    return false;
  const std::size_t split = path.rfind(L'\\');
  if (split == std::wstring_view::npos)
    return false;  // a root that is not one of RootNames()
  CreateKey(path.substr(0, split));
  const Key* parent = FindKey(path.substr(0, split));
  if (!parent)
    return false;
  const std::wstring display = parent->path + std::wstring(path.substr(split));
  m_keys[FoldRegistryName(path)] = Key{display, {}};
  return true;
}

CRegistryTree::DeleteResult CRegistryTree::DeleteKey(std::wstring_view path) {
  auto found = m_keys.find(FoldRegistryName(path));
  if (found == m_keys.end())
    return DeleteResult::Missing;
  if (path.find(L'\\') == std::wstring_view::npos)
    return DeleteResult::IsRoot;
  if (!SubkeyNames(path).empty())
    return DeleteResult::HasSubkeys;
  m_keys.erase(found);
  return DeleteResult::Deleted;
}

std::vector<std::wstring> CRegistryTree::SubkeyNames(std::wstring_view path) const {
  const std::wstring prefix = FoldRegistryName(path) + L'\\';
  std::vector<std::wstring> names;
  for (auto it = m_keys.lower_bound(prefix); it != m_keys.end() && it->first.starts_with(prefix);
       ++it) {
    if (it->first.find(L'\\', prefix.size()) == std::wstring::npos)
      names.push_back(it->second.path.substr(prefix.size()));
  }
  return names;
}

const std::vector<CRegistryTree::NamedValue>* CRegistryTree::Values(std::wstring_view path) const {
  const Key* key = FindKey(path);
  return key ? &key->values : nullptr;
}

const RegistryValue* CRegistryTree::FindValue(std::wstring_view path,
                                              std::wstring_view name) const {
  const Key* key = FindKey(path);
  if (!key)
    return nullptr;
  const std::wstring folded = FoldRegistryName(name);
  for (const NamedValue& entry : key->values)
    if (FoldRegistryName(entry.name) == folded)
      return &entry.value;
  return nullptr;
}

bool CRegistryTree::SetValue(std::wstring_view path, std::wstring_view name, RegistryValue value) {
  Key* key = FindKey(path);
  if (!key)
    return false;
  const std::wstring folded = FoldRegistryName(name);
  for (NamedValue& entry : key->values) {
    if (FoldRegistryName(entry.name) == folded) {
      entry.value = std::move(value);
      return true;
    }
  }
  key->values.push_back({std::wstring(name), std::move(value)});
  return true;
}

bool CRegistryTree::DeleteValue(std::wstring_view path, std::wstring_view name) {
  Key* key = FindKey(path);
  if (!key)
    return false;
  const std::wstring folded = FoldRegistryName(name);
  auto found = std::find_if(key->values.begin(), key->values.end(), [&](const NamedValue& entry) {
    return FoldRegistryName(entry.name) == folded;
  });
  if (found == key->values.end())
    return false;
  key->values.erase(found);
  return true;
}

std::string CRegistryTree::ToText() const {
  std::string out =
      "; Corbel registry. Keys in [brackets], values as \"name\"=type:data, @ for the default.\n";
  for (const auto& [folded, key] : m_keys) {
    const bool root = folded.find(L'\\') == std::wstring::npos;
    if (root && key.values.empty())
      continue;
    out += "\n[";
    std::size_t start = 0;
    for (;;) {
      const std::size_t end = std::min(key.path.find(L'\\', start), key.path.size());
      AppendKeyComponent(out, std::wstring_view(key.path).substr(start, end - start));
      if (end == key.path.size())
        break;
      out += '\\';
      start = end + 1;
    }
    out += "]\n";
    for (const NamedValue& entry : key.values)
      AppendValue(out, entry.name, entry.value);
  }
  return out;
}

CRegistryTree CRegistryTree::Parse(std::string_view text, std::vector<std::size_t>& badLines) {
  CRegistryTree tree;
  std::wstring currentKey;  // empty while no readable key line is in force
  std::size_t number = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos)
      end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++number;
    if (line.ends_with('\r'))
      line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos || line.starts_with(';'))
      continue;

    if (line.starts_with('[')) {
      currentKey.clear();
      std::vector<std::wstring> components;
      LineReader reader(line);
      const std::vector<std::wstring>& roots = RootNames();
      const auto isRoot = [&](const std::wstring& root) {
        return FoldRegistryName(root) == FoldRegistryName(components.front());
      };
      if (!reader.ReadKeyPath(components) || std::none_of(roots.begin(), roots.end(), isRoot)) {
        badLines.push_back(number);
        continue;
      }
      std::wstring path;
      for (const std::wstring& component : components)
        path += (path.empty() ? L"" : L"\\") + component;
      tree.CreateKey(path);
      currentKey = path;
      continue;
    }

    std::wstring name;
    RegistryValue value;
    if (currentKey.empty() || !ReadValueLine(line, name, value)) {
      badLines.push_back(number);
      continue;
    }
    tree.SetValue(currentKey, name, std::move(value));
  }
  return tree;
}
