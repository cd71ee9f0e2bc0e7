#include "DesignRegistry.h"

#include "Registry.h"

#include <string>

const wchar_t* const kDesignRegistryKey = L"Software\\Veltra软件\\Veltra盖梁设计绘图系统";

int WriteRegString(LPCTSTR valueName, const CString& text)
{
    HKEY key = nullptr;
    if (RegCreateKeyEx(HKEY_CURRENT_USER, kDesignRegistryKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                       nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return 0;
    const LONG rc = RegSetValueEx(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.GetString()),
                                  static_cast<DWORD>((text.GetLength() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS ? 1 : 0;
}

int ReadRegString(LPCTSTR valueName, CString& text)
{
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, kDesignRegistryKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    DWORD type = 0;
    DWORD size = 0;
    int read = 0;
    if (RegQueryValueEx(key, valueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ) {
        std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueEx(key, valueName, nullptr, &type, reinterpret_cast<LPBYTE>(value.data()), &size)
            == ERROR_SUCCESS) {
            text = CString(value.c_str());
            read = 1;
        }
    }
    RegCloseKey(key);
    return read;
}
