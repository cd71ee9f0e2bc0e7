// The host's own support folder, holding the title block the drawing plug-in attaches: next to
// the program, in the build tree, or in the installed data folder. Added behind the folders the
// user names in CORBEL_SUPPORT_PATH, so that a drawing finds its title block without the system
// folder being registered.
#pragma once

#include <filesystem>
#include <vector>

class CadHostSupport {
public:
    // The places looked at, in order.
    static std::vector<std::filesystem::path> candidates();
    // The first candidate holding the title block; empty when none does.
    static std::filesystem::path find();
    // Appends the found folder to CORBEL_SUPPORT_PATH; false when none was found.
    static bool install();
};
