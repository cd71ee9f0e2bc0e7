// File names between the platform's wide strings and the Linux file system: UTF-8 on disk,
// either slash as a folder separator, search paths split at colons.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class HostPaths {
public:
    // The name with every backslash turned into a slash, as the system's names use both.
    static std::wstring nativePath(std::wstring_view name);
    static std::string narrowPath(std::wstring_view name);
    // Between wide names and std::filesystem paths through UTF-8: the library's own wide
    // conversion depends on the process locale and throws on Chinese names in the C locale.
    static std::filesystem::path toPath(std::wstring_view name) { return std::filesystem::path(narrowPath(name)); }
    static std::wstring fromPath(const std::filesystem::path& path) { return widen(path.string()); }
    static std::wstring widen(std::string_view utf8);
    // The folder of the running program (empty when it cannot be told).
    static std::filesystem::path programFolder();
    static std::vector<std::wstring> splitSearchPath(std::string_view colonSeparated);
};
