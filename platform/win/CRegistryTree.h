// The registry's keys and values in memory, and their text form in the store file.
// Keys are full paths from a root ("HKEY_CURRENT_USER\Software\..."); key and value names
// compare without ASCII case and keep the case they were created with.
#pragma once

#include "WinDef.h"

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct RegistryValue {
  DWORD type = 0;
  std::vector<BYTE> data;  // exactly the bytes given to RegSetValueEx

  bool operator==(const RegistryValue&) const = default;
};

class CRegistryTree {
public:
  struct NamedValue {
    std::wstring name;  // empty: the key's default value
    RegistryValue value;

    bool operator==(const NamedValue&) const = default;
  };

  static const std::vector<std::wstring>& RootNames();

  CRegistryTree();

  bool KeyExists(std::wstring_view path) const;
  // Creates the key and any missing keys above it; false when it already existed. The path
  // must start with a root name.
  bool CreateKey(std::wstring_view path);
  enum class DeleteResult { Deleted, Missing, HasSubkeys, IsRoot };
  DeleteResult DeleteKey(std::wstring_view path);
  // Names of the key's direct subkeys, in case-insensitive order.
  std::vector<std::wstring> SubkeyNames(std::wstring_view path) const;

  // Values of an existing key, in the order they were first set.
  const std::vector<NamedValue>* Values(std::wstring_view path) const;
  const RegistryValue* FindValue(std::wstring_view path, std::wstring_view name) const;
  // False when the key does not exist.
  bool SetValue(std::wstring_view path, std::wstring_view name, RegistryValue value);
  bool DeleteValue(std::wstring_view path, std::wstring_view name);

  // The store file's text; Parse gives back an equal tree.
  std::string ToText() const;
  // Lines that cannot be read are left out; their numbers (from 1) go to `badLines`.
  static CRegistryTree Parse(std::string_view text, std::vector<std::size_t>& badLines);

  bool operator==(const CRegistryTree&) const = default;

private:
  struct Key {
    std::wstring path;
    std::vector<NamedValue> values;

    bool operator==(const Key&) const = default;
  };

  Key* FindKey(std::wstring_view path);
  const Key* FindKey(std::wstring_view path) const;

  std::map<std::wstring, Key> m_keys;  // by path folded to lower case
};

// ASCII case folding: the registry's rule for comparing names.
std::wstring FoldRegistryName(std::wstring_view name);
