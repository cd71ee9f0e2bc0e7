#include "ReadRegistryString.h"

#include "Registry.h"

#include <vector>

int ReadRegistryString(const CString& name, CString& value, int currentUser)
{
    HKEY key = nullptr;
    if (RegOpenKeyEx(currentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, L"Software\\Veltra软件\\Veltra盖梁设计绘图系统",
            0, KEY_READ, &key)
        != ERROR_SUCCESS)
        return 0;
    // The size is asked first: a design kept deep in folders has a path far longer than the
    // 260 characters of a fixed buffer, and a cut path would name another file.
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueEx(key, name, nullptr, &type, nullptr, &size);
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    if (status == ERROR_SUCCESS) {
        size = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
        status = RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(buffer.data()), &size);
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return 0;
    value = buffer.data();
    return 1;
}
