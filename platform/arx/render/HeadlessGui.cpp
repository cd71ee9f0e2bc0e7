// A display named in the environment is used; otherwise Qt would fail to find one.
#include "HeadlessGui.h"

#include <cstdlib>

std::unique_ptr<QGuiApplication> HeadlessGui::start(int& argc, char** argv)
{
    if (QGuiApplication::instance() != nullptr)
        return nullptr;
    const bool hasDisplay = std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
    if (!hasDisplay && std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return std::make_unique<QGuiApplication>(argc, argv);
}
