// ZOOM, REGEN and REDRAW change only what a screen would show; LTSCALE and WIPEOUT frames
// are settings of the drawing.
#include "HostCommandInterpreter.h"

#include "AcDbDatabase.h"
#include "AcDbServices.h"
#include "AcDbWipeoutVariables.h"
#include "HostApplication.h"

int HostCommandInterpreter::zoom()
{
    AcApDocument* doc = HostApplication::instance().docManager().curDocument();
    double a[3], b[3];
    if (nextIsPoint()) {
        nextPoint(L"first corner", a);
        nextPoint(L"opposite corner", b);
        doc->setViewWindow(a[0], a[1], b[0], b[1]);
        return RTNORM;
    }
    const std::wstring option = nextWord(L"zoom option");
    if (option == L"W" || option == L"WINDOW") {
        nextPoint(L"first corner", a);
        nextPoint(L"opposite corner", b);
        doc->setViewWindow(a[0], a[1], b[0], b[1]);
    } else if (option == L"E" || option == L"EXTENTS" || option == L"A" || option == L"ALL") {
        doc->clearViewWindow();
    } else {
        fail(L"option \"" + option + L"\" is not supported (Window, Extents, All).");
    }
    return RTNORM;
}

int HostCommandInterpreter::displayOnly() { return RTNORM; }

int HostCommandInterpreter::ltscale()
{
    const double scale = nextReal(L"linetype scale factor");
    if (!(scale > 0.0))
        fail(L"the linetype scale must be greater than 0.");
    mDb->setLtscale(scale);
    return RTNORM;
}

int HostCommandInterpreter::wipeout()
{
    const std::wstring option = nextWord(L"wipeout option");
    if (option != L"F" && option != L"FRAMES")
        fail(L"option \"" + option + L"\" is not supported (Frames).");
    const std::wstring state = nextWord(L"ON or OFF");
    if (state != L"ON" && state != L"OFF")
        fail(L"frames are turned ON or OFF, not \"" + state + L"\".");
    AcDbObject* vars = nullptr;
    const AcDbObjectId id = AcDbWipeoutVariables::getOrCreate(mDb);
    if (id.isNull() || acdbOpenAcDbObject(vars, id, AcDb::kForWrite) != Acad::eOk)
        fail(L"the drawing's wipeout settings cannot be opened.");
    static_cast<AcDbWipeoutVariables*>(vars)->setDisplayFrame(state == L"ON");
    vars->close();
    return RTNORM;
}
