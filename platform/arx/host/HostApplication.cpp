// Modules are unloaded after the document is gone, as the host closes its drawings before
// it lets its applications go.
#include "HostApplication.h"

#include "AcDbClassRegistry.h"
#include "AcDbDatabase.h"
#include "AcDbHostApplicationServices.h"
#include "HostPaths.h"
#include "resbuf.h"

#include <exception>

HostApplication& HostApplication::instance()
{
    static HostApplication host;
    return host;
}

HostApplication::HostApplication()
{
    // Made before the host so that they outlive it at exit.
    acdbRegisterDatabaseClasses();
    acdbHostApplicationServices();
    mSysRegistry.atPut(ACRX_DYNAMIC_LINKER, &mLinker);
    mSysRegistry.atPut(ACRX_CLASS_DICTIONARY, &mClasses);
    mSysRegistry.atPut(ACRX_COMMAND_DOCK, &mCommands);
    // The host always has a drawing open: modules reach it through the working database.
    mDocManager.newDocument();
}

HostApplication::~HostApplication() { shutdown(); }

AcDbDatabase* HostApplication::database() { return mDocManager.curDocument()->database(); }

void HostApplication::shutdown()
{
    mSelections.clear();
    mDocManager.closeDocument();
    mLinker.unloadAll();
    mTranscript.finishLine();
}

int HostApplication::runCommand(const ACHAR* typedName)
{
    const std::wstring name = typedName ? typedName : L"";
    AcEdCommand* command = mCommands.lookupTyped(name.c_str());
    if (command == nullptr) {
        mTranscript.report(L"Unknown command \"" + name + L"\".");
        return RTERROR;
    }
    mTranscript.finishLine();
    mTranscript.write(L"Command: " + name + L"\n");
    try {
        command->functionAddr()();
    } catch (const std::exception& e) {
        mTranscript.report(L"Command " + name + L" failed: " + HostPaths::widen(e.what()));
        return RTERROR;
    } catch (...) {
        mTranscript.report(L"Command " + name + L" failed.");
        return RTERROR;
    }
    mTranscript.finishLine();
    return RTNORM;
}
