// One services object per process, as on the host; the working database is whatever the
// document manager (or a test) last set.
#include "CodePage.h"
#include "AcDbHostApplicationServices.h"

#include "AcadErrorStatus.h"

#include <cstdlib>
#include <cwctype>
#include <filesystem>

AcDbHostApplicationServices* acdbHostApplicationServices()
{
    static AcDbHostApplicationServices sServices;
    return &sServices;
}

std::vector<std::wstring> AcDbHostApplicationServices::supportPath() const
{
    std::vector<std::wstring> dirs;
    if (const char* env = std::getenv("CORBEL_SUPPORT_PATH")) {
        std::string all(env);
        std::size_t start = 0;
        while (start <= all.size()) {
            const std::size_t end = all.find(':', start);
            const std::string dir = all.substr(start, end == std::string::npos ? std::string::npos : end - start);
            if (!dir.empty())
                dirs.push_back(Utf8ToWideLossy(dir));
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
    }
    dirs.push_back(Utf8ToWideLossy(CORBEL_DB_SUPPORT_DIR));
    return dirs;
}

Acad::ErrorStatus AcDbHostApplicationServices::findFile(CString& fileOut, const ACHAR* fileName) const
{
    if (fileName == nullptr || fileName[0] == 0)
        return Acad::eInvalidInput;
    std::wstring name(fileName);
    for (wchar_t& c : name)
        if (c == L'\\')
            c = L'/';
    std::wstring lower = name;
    for (wchar_t& c : lower)
        c = static_cast<wchar_t>(std::towlower(c));
    std::error_code ec;
    for (const std::wstring& candidate : { name, lower }) {
        if (std::filesystem::is_regular_file(std::filesystem::path(candidate), ec)) {
            fileOut = candidate.c_str();
            return Acad::eOk;
        }
    }
    if (std::filesystem::path(name).is_absolute())
        return Acad::eKeyNotFound;
    for (const std::wstring& dir : supportPath()) {
        for (const std::wstring& candidate : { name, lower }) {
            const std::filesystem::path p = std::filesystem::path(dir) / candidate;
            if (std::filesystem::is_regular_file(p, ec)) {
                fileOut = p.wstring().c_str();
                return Acad::eOk;
            }
        }
    }
    return Acad::eKeyNotFound;
}
