// Registers the system folder: the value "Location" under the machine's key of the system,
// where the plug-in looks for "Support\tk.dwg". Usage: corbel-register FOLDER
#include "CString.h"
#include "Registry.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: corbel-register FOLDER\n");
        return 2;
    }
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::absolute(argv[1], ec);
    if (ec || !std::filesystem::is_directory(folder)) {
        std::fprintf(stderr, "corbel-register: %s is not a folder\n", argv[1]);
        return 1;
    }
    const CString value(folder.lexically_normal().string().c_str());
    HKEY key = nullptr;
    if (RegCreateKeyEx(HKEY_LOCAL_MACHINE, L"Software\\Veltra软件\\Veltra盖梁设计绘图系统", 0, nullptr, 0, KEY_WRITE,
            nullptr, &key, nullptr)
        != ERROR_SUCCESS) {
        std::fprintf(stderr, "corbel-register: the registry key cannot be made\n");
        return 1;
    }
    const LONG status = RegSetValueEx(key, L"Location", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.GetString()),
        static_cast<DWORD>((value.GetLength() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        std::fprintf(stderr, "corbel-register: the value cannot be written\n");
        return 1;
    }
    return 0;
}
