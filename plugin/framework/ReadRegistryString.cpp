#include "ReadRegistryString.h"

#include "Registry.h"

int ReadRegistryString(const CString& name, CString& value, int currentUser)
{
    HKEY key = nullptr;
    if (RegOpenKeyEx(currentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, L"Software\\Veltra软件\\Veltra盖梁设计绘图系统",
            0, KEY_READ, &key)
        != ERROR_SUCCESS)
        return 0;
    // The whole buffer is offered, less its last character, which stays the terminator: a folder
    // path of up to 259 characters reads, not only one of 128.
    wchar_t buffer[260] = {};
    DWORD type = 0;
    DWORD size = sizeof(buffer) - sizeof(wchar_t);
    const LONG status = RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return 0;
    value = buffer;
    return 1;
}
