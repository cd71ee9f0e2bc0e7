// A handle is a key path and the access it was opened with; the key itself lives in the store
// file. A key deleted while a handle is open makes that handle's calls fail with
// ERROR_KEY_DELETED, as on Windows.
#include "Registry.h"

#include "CRegistryStore.h"

#include <cstring>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace {

struct OpenKey {
  std::wstring path;
  REGSAM access;
  bool root;
};

constexpr std::uintptr_t kFirstRoot = 0x80000000u;

std::mutex g_handlesMutex;
std::unordered_map<std::uintptr_t, OpenKey> g_handles;
std::uintptr_t g_nextHandle = 0x1000;

std::optional<OpenKey> Resolve(HKEY hKey) {
  const auto value = reinterpret_cast<std::uintptr_t>(hKey);
  const std::vector<std::wstring>& roots = CRegistryTree::RootNames();
  if (value >= kFirstRoot && value < kFirstRoot + roots.size())
    return OpenKey{roots[value - kFirstRoot], KEY_ALL_ACCESS, true};
  std::lock_guard lock(g_handlesMutex);
  auto found = g_handles.find(value);
  if (found == g_handles.end())
    return std::nullopt;
  return found->second;
}

HKEY NewHandle(std::wstring path, REGSAM access) {
  std::lock_guard lock(g_handlesMutex);
  const std::uintptr_t value = g_nextHandle;
  g_nextHandle += 4;
  g_handles.emplace(value, OpenKey{std::move(path), access, false});
  return reinterpret_cast<HKEY>(value);
}

CRegistryStore Store() { return CRegistryStore(CRegistryStore::DefaultPath()); }

// Appends a relative key path; one trailing backslash is allowed, empty names are not.
LONG JoinPath(const std::wstring& base, LPCTSTR subKey, std::wstring& path) {
  path = base;
  if (!subKey || !*subKey)
    return ERROR_SUCCESS;
  std::wstring_view rest(subKey);
  if (rest.ends_with(L'\\'))
    rest.remove_suffix(1);
  for (;;) {
    const std::size_t end = std::min(rest.find(L'\\'), rest.size());
    if (end == 0)
      return ERROR_BAD_PATHNAME;
    path += L'\\';
    path += rest.substr(0, end);
    if (end == rest.size())
      return ERROR_SUCCESS;
    rest.remove_prefix(end + 1);
  }
}

std::wstring ValueName(LPCTSTR name) { return name ? name : L""; }

// A handle's key must still exist; roots always do.
LONG CheckKey(const CRegistryTree& tree, const OpenKey& key) {
  return tree.KeyExists(key.path) ? ERROR_SUCCESS : ERROR_KEY_DELETED;
}

// The open key behind a handle, when the handle was opened with the access the call needs.
LONG ResolveFor(HKEY hKey, REGSAM needed, OpenKey& key) {
  const std::optional<OpenKey> found = Resolve(hKey);
  if (!found)
    return ERROR_INVALID_HANDLE;
  if (!(found->access & needed))
    return ERROR_ACCESS_DENIED;
  key = *found;
  return ERROR_SUCCESS;
}

// The handle's key and the store as it stands now, for the calls that only read.
LONG ReadKey(HKEY hKey, REGSAM needed, OpenKey& key, CRegistryTree& tree) {
  if (const LONG status = ResolveFor(hKey, needed, key); status != ERROR_SUCCESS)
    return status;
  if (const LONG status = Store().Read(tree); status != ERROR_SUCCESS)
    return status;
  return CheckKey(tree, key);
}

// Copies a value's type and bytes out with the size protocol of RegQueryValueEx.
LONG CopyValue(const RegistryValue& value, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  if (lpType)
    *lpType = value.type;
  if (!lpcbData)
    return ERROR_SUCCESS;
  const auto size = static_cast<DWORD>(value.data.size());
  if (lpData) {
    if (*lpcbData < size) {
      *lpcbData = size;
      return ERROR_MORE_DATA;
    }
    if (size > 0)
      std::memcpy(lpData, value.data.data(), size);
  }
  *lpcbData = size;
  return ERROR_SUCCESS;
}

// Copies a name into a buffer of *capacity characters (NUL included); *capacity becomes its
// length.
LONG CopyName(const std::wstring& name, LPTSTR buffer, LPDWORD capacity) {
  if (name.size() + 1 > *capacity)
    return ERROR_MORE_DATA;
  std::wmemcpy(buffer, name.c_str(), name.size() + 1);
  *capacity = static_cast<DWORD>(name.size());
  return ERROR_SUCCESS;
}

}  // namespace

LONG RegOpenKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
  if (!phkResult)
    return ERROR_INVALID_PARAMETER;
  *phkResult = nullptr;
  const std::optional<OpenKey> base = Resolve(hKey);
  if (!base)
    return ERROR_INVALID_HANDLE;
  std::wstring path;
  if (const LONG status = JoinPath(base->path, lpSubKey, path); status != ERROR_SUCCESS)
    return status;
  CRegistryTree tree;
  if (const LONG status = Store().Read(tree); status != ERROR_SUCCESS)
    return status;
  if (!tree.KeyExists(path))
    return ERROR_FILE_NOT_FOUND;
  *phkResult = NewHandle(std::move(path), samDesired);
  return ERROR_SUCCESS;
}

LONG RegOpenKey(HKEY hKey, LPCTSTR lpSubKey, PHKEY phkResult) {
  return RegOpenKeyEx(hKey, lpSubKey, 0, KEY_ALL_ACCESS, phkResult);
}

LONG RegCreateKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD, LPTSTR, DWORD, REGSAM samDesired,
                    LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition) {
  if (!phkResult || !lpSubKey)
    return ERROR_INVALID_PARAMETER;
  *phkResult = nullptr;
  const std::optional<OpenKey> base = Resolve(hKey);
  if (!base)
    return ERROR_INVALID_HANDLE;
  std::wstring path;
  if (const LONG status = JoinPath(base->path, lpSubKey, path); status != ERROR_SUCCESS)
    return status;
  bool created = false;
  const LONG status = Store().Update([&](CRegistryTree& tree, bool& changed) {
    if (const LONG keyStatus = CheckKey(tree, *base); keyStatus != ERROR_SUCCESS)
      return keyStatus;
    created = changed = tree.CreateKey(path);
    return ERROR_SUCCESS;
  });
  if (status != ERROR_SUCCESS)
    return status;
  *phkResult = NewHandle(std::move(path), samDesired);
  if (lpdwDisposition)
    *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  return ERROR_SUCCESS;
}

LONG RegCreateKey(HKEY hKey, LPCTSTR lpSubKey, PHKEY phkResult) {
  return RegCreateKeyEx(hKey, lpSubKey ? lpSubKey : L"", 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, phkResult, nullptr);
}

LONG RegCloseKey(HKEY hKey) {
  const auto value = reinterpret_cast<std::uintptr_t>(hKey);
  if (value >= kFirstRoot && value < kFirstRoot + CRegistryTree::RootNames().size())
    return ERROR_SUCCESS;
  std::lock_guard lock(g_handlesMutex);
  return g_handles.erase(value) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG RegQueryValueEx(HKEY hKey, LPCTSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                     LPBYTE lpData, LPDWORD lpcbData) {
  if (lpReserved || (lpData && !lpcbData))
    return ERROR_INVALID_PARAMETER;
  OpenKey key{};
  CRegistryTree tree;
  if (const LONG status = ReadKey(hKey, KEY_QUERY_VALUE, key, tree); status != ERROR_SUCCESS)
    return status;
  const RegistryValue* value = tree.FindValue(key.path, ValueName(lpValueName));
  if (!value)
    return ERROR_FILE_NOT_FOUND;
  return CopyValue(*value, lpType, lpData, lpcbData);
}

LONG RegSetValueEx(HKEY hKey, LPCTSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData,
                   DWORD cbData) {
  if (!lpData && cbData != 0)
    return ERROR_INVALID_PARAMETER;
  OpenKey key{};
  if (const LONG status = ResolveFor(hKey, KEY_SET_VALUE, key); status != ERROR_SUCCESS)
    return status;
  RegistryValue value{dwType, std::vector<BYTE>(lpData, lpData + cbData)};
  const std::wstring name = ValueName(lpValueName);
  return Store().Update([&](CRegistryTree& tree, bool& changed) {
    if (const LONG status = CheckKey(tree, key); status != ERROR_SUCCESS)
      return status;
    const RegistryValue* old = tree.FindValue(key.path, name);
    changed = !old || !(*old == value);
    if (changed)
      tree.SetValue(key.path, name, std::move(value));
    return ERROR_SUCCESS;
  });
}

LONG RegDeleteValue(HKEY hKey, LPCTSTR lpValueName) {
  OpenKey key{};
  if (const LONG status = ResolveFor(hKey, KEY_SET_VALUE, key); status != ERROR_SUCCESS)
    return status;
  const std::wstring name = ValueName(lpValueName);
  return Store().Update([&](CRegistryTree& tree, bool& changed) {
    if (const LONG status = CheckKey(tree, key); status != ERROR_SUCCESS)
      return status;
    changed = tree.DeleteValue(key.path, name);
    return changed ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
  });
}

LONG RegDeleteKey(HKEY hKey, LPCTSTR lpSubKey) {
  if (!lpSubKey)
    return ERROR_INVALID_PARAMETER;
  const std::optional<OpenKey> base = Resolve(hKey);
  if (!base)
    return ERROR_INVALID_HANDLE;
  std::wstring path;
  if (const LONG status = JoinPath(base->path, lpSubKey, path); status != ERROR_SUCCESS)
    return status;
  return Store().Update([&](CRegistryTree& tree, bool& changed) {
    if (const LONG status = CheckKey(tree, *base); status != ERROR_SUCCESS)
      return status;
    switch (tree.DeleteKey(path)) {
      case CRegistryTree::DeleteResult::Deleted: changed = true; return ERROR_SUCCESS;
      case CRegistryTree::DeleteResult::Missing: return ERROR_FILE_NOT_FOUND;
      case CRegistryTree::DeleteResult::HasSubkeys:
      case CRegistryTree::DeleteResult::IsRoot: return ERROR_ACCESS_DENIED;
    }
    return ERROR_ACCESS_DENIED;
  });
}

LONG RegEnumKeyEx(HKEY hKey, DWORD dwIndex, LPTSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved,
                  LPTSTR lpClass, LPDWORD lpcchClass, PFILETIME lpftLastWriteTime) {
  if (!lpName || !lpcchName || lpReserved)
    return ERROR_INVALID_PARAMETER;
  OpenKey key{};
  CRegistryTree tree;
  if (const LONG status = ReadKey(hKey, KEY_ENUMERATE_SUB_KEYS, key, tree); status != ERROR_SUCCESS)
    return status;
  const std::vector<std::wstring> names = tree.SubkeyNames(key.path);
  if (dwIndex >= names.size())
    return ERROR_NO_MORE_ITEMS;
  if (const LONG status = CopyName(names[dwIndex], lpName, lpcchName); status != ERROR_SUCCESS)
    return status;
  if (lpClass && lpcchClass && *lpcchClass > 0)
    lpClass[0] = L'\0';
  if (lpcchClass)
    *lpcchClass = 0;
  if (lpftLastWriteTime)
    *lpftLastWriteTime = FILETIME{0, 0};
  return ERROR_SUCCESS;
}

LONG RegEnumValue(HKEY hKey, DWORD dwIndex, LPTSTR lpValueName, LPDWORD lpcchValueName,
                  LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  if (!lpValueName || !lpcchValueName || lpReserved || (lpData && !lpcbData))
    return ERROR_INVALID_PARAMETER;
  OpenKey key{};
  CRegistryTree tree;
  if (const LONG status = ReadKey(hKey, KEY_QUERY_VALUE, key, tree); status != ERROR_SUCCESS)
    return status;
  const std::vector<CRegistryTree::NamedValue>& values = *tree.Values(key.path);
  if (dwIndex >= values.size())
    return ERROR_NO_MORE_ITEMS;
  const CRegistryTree::NamedValue& entry = values[dwIndex];
  if (const LONG status = CopyName(entry.name, lpValueName, lpcchValueName);
      status != ERROR_SUCCESS)
    return status;
  return CopyValue(entry.value, lpType, lpData, lpcbData);
}
