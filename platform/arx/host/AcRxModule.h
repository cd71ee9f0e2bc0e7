// What an application module exports for the host's dynamic linker. A module defines
// acrxEntryPoint and, to be checked against the host, acrxGetApiVersion; the start-up and
// shut-down work of its library entry goes in DllMain, which the linker calls right after
// loading (DLL_PROCESS_ATTACH) and right before unloading (DLL_PROCESS_DETACH) when exported.
#pragma once

#include "AcRx.h"
#include "WinDef.h"

#ifndef DLL_PROCESS_DETACH
#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#endif

#define ACRX_MODULE_EXPORT extern "C" __attribute__((visibility("default")))

// The application id is the module's own handle; it is the same value the module gets as
// its instance handle in DllMain, and what unlockApplication and registerAppMDIAware take.
ACRX_MODULE_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId);
ACRX_MODULE_EXPORT int acrxGetApiVersion();
ACRX_MODULE_EXPORT BOOL DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);
