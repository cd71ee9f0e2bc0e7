// UTF-8 is the file-name encoding of the systems the host runs on.
#include "HostPaths.h"

#include "CodePage.h"

#include <algorithm>

std::wstring HostPaths::nativePath(std::wstring_view name)
{
    std::wstring path(name);
    std::replace(path.begin(), path.end(), L'\\', L'/');
    return path;
}

std::string HostPaths::narrowPath(std::wstring_view name) { return WideToUtf8Lossy(nativePath(name)); }

std::wstring HostPaths::widen(std::string_view utf8)
{
    std::wstring out;
    if (!Utf8ToWide(utf8, out)) {
        out.clear();
        for (unsigned char c : utf8)
            out.push_back(c < 0x80 ? static_cast<wchar_t>(c) : L'?');
    }
    return out;
}

std::filesystem::path HostPaths::programFolder()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe.parent_path();
}

std::vector<std::wstring> HostPaths::splitSearchPath(std::string_view colonSeparated)
{
    std::vector<std::wstring> folders;
    std::size_t start = 0;
    while (start <= colonSeparated.size()) {
        std::size_t end = colonSeparated.find(':', start);
        if (end == std::string_view::npos)
            end = colonSeparated.size();
        if (end > start)
            folders.push_back(widen(colonSeparated.substr(start, end - start)));
        start = end + 1;
    }
    return folders;
}
