// The Qt application object that painting with fonts needs. On a machine without a display
// it selects the offscreen platform itself, so programs and tests run headless.
#pragma once

#include <QGuiApplication>

#include <memory>

class HeadlessGui {
public:
    // Makes the application object unless one exists; the caller keeps it alive while it
    // paints. argc and argv must outlive it, as Qt requires.
    static std::unique_ptr<QGuiApplication> start(int& argc, char** argv);
};
