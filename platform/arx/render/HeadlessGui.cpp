// A display named in the environment is used; otherwise Qt would fail to find one.
#include "HeadlessGui.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

std::unique_ptr<QGuiApplication> HeadlessGui::start(int& argc, char** argv)
{
    if (QGuiApplication::instance() != nullptr)
        return nullptr;
    const bool hasDisplay = std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
    if (!hasDisplay && std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt wants a private runtime folder and complains on standard error without one.
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        const std::string folder = "/tmp/runtime-" + std::to_string(getuid());
        if (::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST)
            setenv("XDG_RUNTIME_DIR", folder.c_str(), 0);
    }
    return std::make_unique<QGuiApplication>(argc, argv);
}
