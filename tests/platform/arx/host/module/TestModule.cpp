// A module that stands in for the plug-in in the host's tests: its library entry and entry
// point do what the plug-in's do at load time, and its command draws a few entities.
#include "AcDbBlockTableRecord.h"
#include "AcDbCircle.h"
#include "AcDbDatabase.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbLine.h"
#include "AcDbServices.h"
#include "AcDbText.h"
#include "AcRxModule.h"
#include "WinUser.h"
#include "aced.h"

#ifndef TEST_MODULE_API_VERSION
#define TEST_MODULE_API_VERSION ACRX_API_VERSION
#endif

namespace {

HINSTANCE gInstance = nullptr;

// Tells which documents went away, as a module's per-document data would.
class DocWatcher : public AcApDocManagerReactor {
public:
    void documentToBeDestroyed(AcApDocument* pDoc) override
    {
        acutPrintf(L"\n[test module] document %s closing", pDoc->docTitle());
    }
};

DocWatcher gWatcher;

void append(AcDbBlockTableRecord* space, AcDbEntity* ent, const ACHAR* layer, int colour)
{
    ent->setDatabaseDefaults();
    ent->setLayer(layer);
    ent->setColorIndex(static_cast<Adesk::UInt16>(colour));
    space->appendAcDbEntity(ent);
    ent->close();
}

void drawSome()
{
    acDocManager->pushResourceHandle(gInstance);
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    acedCommand(RTSTR, L"LAYER", RTSTR, L"M", RTSTR, L"TEST", RTSTR, L"", RTNONE);
    AcDbBlockTableRecord* space = nullptr;
    if (acdbOpenObject(space, db->currentSpaceId(), AcDb::kForWrite) == Acad::eOk) {
        append(space, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(100, 50, 0)), L"TEST", 1);
        append(space, new AcDbCircle(AcGePoint3d(50, 25, 0), AcGeVector3d::kZAxis, 20.0), L"TEST", 3);
        auto* text = new AcDbText();
        text->setPosition(AcGePoint3d(10, 60, 0));
        text->setHeight(5.0);
        text->setTextString(L"盖梁 A1");
        append(space, text, L"0", 256);
        space->close();
    }
    acutPrintf(L"\n[test module] drew %d entities", 3);
    acDocManager->popResourceHandle();
}

// Asks the user a question in a box and for a point, and prints the answers.
void ask()
{
    const int answer = MessageBox(adsw_acadMainWnd(), L"继续绘图吗?", L"确认", MB_YESNO | MB_ICONQUESTION);
    acutPrintf(L"\n[test module] answer %d", answer);
    ads_point p;
    if (acedGetPoint(nullptr, L"\nInsertion point: ", p) == RTNORM)
        acutPrintf(L"\n[test module] point %.1f,%.1f", p[0], p[1]);
    else
        acutPrintf(L"\n[test module] no point");
}

} // namespace

BOOL DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        gInstance = hInstance;
        acutPrintf(L"\n[test module] attach");
    } else if (dwReason == DLL_PROCESS_DETACH) {
        acutPrintf(L"\n[test module] detach");
    }
    return TRUE;
}

int acrxGetApiVersion() { return TEST_MODULE_API_VERSION; }

AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId)
{
    switch (msg) {
    case AcRx::kInitAppMsg:
        acrxDynamicLinker->unlockApplication(appId);
        acrxDynamicLinker->registerAppMDIAware(appId);
        acedRegCmds->addCommand(L"CORBEL_TEST", L"DRAWSOME", L"DS", ACRX_CMD_TRANSPARENT | ACRX_CMD_USEPICKSET,
                                drawSome);
        acedRegCmds->addCommand(L"CORBEL_TEST", L"ASK", L"ASK", ACRX_CMD_MODAL, ask);
        acDocManager->addReactor(&gWatcher);
        acutPrintf(L"\n%s\n", L"[test module] loaded");
        break;
    case AcRx::kUnloadAppMsg:
        acDocManager->removeReactor(&gWatcher);
        acedRegCmds->removeGroup(L"CORBEL_TEST");
        acutPrintf(L"\n[test module] unloaded");
        break;
    default: break;
    }
    return AcRx::kRetOK;
}
