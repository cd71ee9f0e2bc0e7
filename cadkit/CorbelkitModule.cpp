// Corbelkit's module shell: the library entry, the host's entry point that prints the load
// banner when the host loads the library as an application, and the per-document data.
#include "AsdkDataManager.h"
#include "CDocData.h"

#include "AcRxModule.h"
#include "aced.h"

namespace {

HINSTANCE gInstance = nullptr;

// Lives from library start-up to library shut-down.
AsdkDataManager<CDocData> gDocData;

const wchar_t* const kBannerRule = L"*************************************************************";

void PrintLoadBanner()
{
    acutPrintf(L"\n%s\n%s\n%s", kBannerRule, L"Corbelkit 盖梁钢筋图 CAD 工具库  Veltra软件", kBannerRule);
}

void InitModule() { PrintLoadBanner(); }

void UnloadModule() { }

} // namespace

// The host has no class-library extension modules: the instance handle is all the module
// state there is to keep.
BOOL DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        gInstance = hInstance;
    else if (dwReason == DLL_PROCESS_DETACH)
        gInstance = nullptr;
    return TRUE;
}

int acrxGetApiVersion() { return ACRX_API_VERSION; }

AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId)
{
    switch (msg) {
    case AcRx::kInitAppMsg:
        acrxDynamicLinker->unlockApplication(appId);
        acrxDynamicLinker->registerAppMDIAware(appId);
        InitModule();
        break;
    case AcRx::kUnloadAppMsg:
        UnloadModule();
        break;
    default:
        break;
    }
    return AcRx::kRetOK;
}
