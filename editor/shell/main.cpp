// corbeldesk: the cap-beam design editor. On a screen, boxes and dialogs wait for the user;
// on the offscreen platform they are answered by their defaults, as in the tests.
#include "CCorbeldeskApp.h"
#include "CInteractiveModalAnswerer.h"
#include "CModalAnswerer.h"
#include "CWidgetMessageBoxAnswerer.h"
#include "MessageBoxService.h"

#include <QtGlobal>

namespace {

CCorbeldeskApp theApp;

bool Headless()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return platform == "offscreen" || platform == "minimal";
}

} // namespace

int main(int argc, char** argv)
{
    CWidgetMessageBoxAnswerer boxes;
    CInteractiveModalAnswerer dialogs;
    if (!Headless()) {
        SetMessageBoxAnswerer(&boxes);
        SetModalAnswerer(&dialogs);
    }
    const int status = AfxWinMain(argc, argv);
    SetModalAnswerer(nullptr);
    SetMessageBoxAnswerer(nullptr);
    return status;
}
