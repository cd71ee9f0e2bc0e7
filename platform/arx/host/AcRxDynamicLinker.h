// The host's dynamic linker: loads application modules (shared libraries) with dlopen, runs
// their library entry and acrxEntryPoint, keeps the list of loaded applications with their
// lock and MDI-awareness state, and unloads them with kUnloadAppMsg before dlclose.
#pragma once

#include "AcArray.h"
#include "AcRx.h"
#include "AcRxDictionary.h"
#include "AcRxObject.h"

#include <string>
#include <vector>

typedef AcArray<void*> AcDbVoidPtrArray;

class AcRxDynamicLinker : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcRxDynamicLinker);

    AcRxDynamicLinker() = default;
    AcRxDynamicLinker(const AcRxDynamicLinker&) = delete;
    AcRxDynamicLinker& operator=(const AcRxDynamicLinker&) = delete;
    ~AcRxDynamicLinker() override;

    // Loads the module and initialises it. A name without a folder is looked for in the
    // current folder, next to the host program and in CORBEL_MODULE_PATH (colon-separated).
    // A module already loaded is not loaded twice (true). False, with a transcript line when
    // printit is set or the load fails, when the file is missing, dlopen refuses it, its
    // DllMain returns FALSE, its API version differs, it has no acrxEntryPoint or its entry
    // point answers kInitAppMsg with an error.
    bool loadModule(const ACHAR* fileName, bool printit, bool asCmd = false);
    // Sends kUnloadAppMsg and closes the module. False when it is not loaded or still locked.
    bool unloadModule(const ACHAR* fileName, bool asCmd = false);
    // Unloads every module, last loaded first, locked or not: the host is shutting down.
    void unloadAll();

    bool unlockApplication(void* appId);
    bool lockApplication(void* appId);
    bool isApplicationLocked(const ACHAR* fileName) const;
    bool registerAppMDIAware(void* appId);
    bool registerAppNotMDIAware(void* appId);
    bool isAppMDIAware(const ACHAR* fileName) const;

    // The full paths of the loaded modules, in load order.
    std::vector<std::wstring> loadedModules() const;
    // The names the loaded modules were asked for (a file name, or a path as given), in load order.
    std::vector<std::wstring> loadedAppNames() const;
    // The full path the module would be loaded from, or "" when it is found nowhere.
    static std::wstring findModule(const std::wstring& fileName);

private:
    struct Module {
        std::wstring path;
        std::wstring requestedName;
        void* handle = nullptr;
        bool locked = true;
        bool mdiAware = false;
    };

    Module* byAppId(void* appId);
    const Module* byName(const ACHAR* fileName) const;
    void release(Module& module);

    std::vector<Module> mModules;
};

#define acrxDynamicLinker AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER))

// The dynamic linker's loadModule and unloadModule, as modules call them.
bool acrxLoadModule(const ACHAR* moduleName, bool printit, bool asCmd = false);
bool acrxUnloadModule(const ACHAR* moduleName, bool asCmd = false);
// The names of the loaded applications, each as it was asked to load (a file name, or a path
// as given): a new array of new strings, each to be freed with delete[] (cast back to
// ACHAR*) and the array with delete by the caller.
AcDbVoidPtrArray* acrxLoadedApps();
