#include "CadHostSupport.h"

#include "HostPaths.h"

#include <cstdlib>
#include <string>

namespace fs = std::filesystem;

namespace {

const char* const kTitleBlock = "tk.dxf";

} // namespace

std::vector<fs::path> CadHostSupport::candidates()
{
    std::vector<fs::path> places;
    const fs::path here = HostPaths::programFolder();
    if (!here.empty()) {
        places.push_back(here / "Support");
        places.push_back(here.parent_path() / "Support");
        places.push_back(here.parent_path() / "share" / "corbel" / "Support");
    }
    places.push_back(fs::path(CORBEL_BUILD_DIR) / "Support");
    places.push_back(fs::path(CORBEL_SOURCE_DIR) / "Support");
    return places;
}

fs::path CadHostSupport::find()
{
    std::error_code ec;
    for (const fs::path& place : candidates())
        if (fs::is_regular_file(place / kTitleBlock, ec))
            return place.lexically_normal();
    return {};
}

bool CadHostSupport::install()
{
    const fs::path folder = find();
    if (folder.empty())
        return false;
    std::string path;
    if (const char* given = std::getenv("CORBEL_SUPPORT_PATH"))
        path = std::string(given) + ":";
    path += folder.string();
    return setenv("CORBEL_SUPPORT_PATH", path.c_str(), 1) == 0;
}
