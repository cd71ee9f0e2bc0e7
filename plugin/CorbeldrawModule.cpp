// The plug-in's module entry: the library entry and the host's entry point, which registers
// the commands "BENTCAP" and "BC_NOUI" (CorbeldrawCommands.cpp) and removes them on unload.
#include "CorbeldrawModule.h"

#include "AcRxModule.h"
#include "aced.h"

BOOL DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        InitExtensionModule(hInstance);
    } else if (dwReason == DLL_PROCESS_DETACH && CorbeldrawModule().initialised) {
        CorbeldrawModule().initialised = 0;
    }
    return TRUE;
}

int acrxGetApiVersion() { return ACRX_API_VERSION; }

AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId)
{
    switch (msg) {
    case AcRx::kInitAppMsg:
        acrxDynamicLinker->unlockApplication(appId);
        acrxDynamicLinker->registerAppMDIAware(appId);
        RegisterCommands();
        break;
    case AcRx::kUnloadAppMsg:
        RemoveCommandGroup();
        break;
    default:
        break;
    }
    return AcRx::kRetOK;
}
