// Modules are loaded with RTLD_LOCAL: each sees the host's services through the shared
// platform library it links, never another module's symbols.
#include "AcRxDynamicLinker.h"

#include "AcRxModule.h"
#include "HostApplication.h"
#include "HostPaths.h"
#include "HostTranscript.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <cwctype>
#include <filesystem>

ACRX_DEFINE_MEMBERS(AcRxDynamicLinker, AcRxObject);

namespace {

typedef AcRx::AppRetCode (*EntryPointFn)(AcRx::AppMsgCode, void*);
typedef int (*ApiVersionFn)();
typedef BOOL (*DllMainFn)(HINSTANCE, DWORD, LPVOID);

template <class Fn>
Fn moduleSymbol(void* handle, const char* name)
{
    return reinterpret_cast<Fn>(dlsym(handle, name));
}

std::wstring baseName(const std::wstring& path)
{
    return HostPaths::fromPath(HostPaths::toPath(path).filename());
}

bool sameName(const std::wstring& a, const std::wstring& b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

void report(const std::wstring& line) { HostApplication::instance().transcript().report(line); }

} // namespace

AcRxDynamicLinker::~AcRxDynamicLinker() { unloadAll(); }

std::wstring AcRxDynamicLinker::findModule(const std::wstring& fileName)
{
    namespace fs = std::filesystem;
    if (fileName.empty())
        return L"";
    std::error_code ec;
    const fs::path given = HostPaths::toPath(fileName);
    if (given.has_parent_path())
        return fs::is_regular_file(given, ec) ? HostPaths::fromPath(fs::absolute(given, ec).lexically_normal()) : L"";
    std::vector<fs::path> folders{fs::current_path(ec), HostPaths::programFolder()};
    if (const char* extra = std::getenv("CORBEL_MODULE_PATH")) {
        for (const std::wstring& folder : HostPaths::splitSearchPath(extra))
            folders.push_back(HostPaths::toPath(folder));
    }
    for (const fs::path& folder : folders) {
        const fs::path candidate = folder / given;
        if (!folder.empty() && fs::is_regular_file(candidate, ec))
            return HostPaths::fromPath(fs::absolute(candidate, ec).lexically_normal());
    }
    return L"";
}

bool AcRxDynamicLinker::loadModule(const ACHAR* fileName, bool printit, bool)
{
    const std::wstring name = fileName ? fileName : L"";
    const std::wstring path = findModule(name);
    if (path.empty()) {
        report(L"Unable to load " + name + L": file not found.");
        return false;
    }
    if (byName(path.c_str()) != nullptr)
        return true;

    void* handle = dlopen(HostPaths::narrowPath(path).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = dlerror();
        report(L"Unable to load " + path + L": " + HostPaths::widen(why ? why : "dlopen failed") + L".");
        return false;
    }
    // The library entry first, as the system loader does on attach.
    const auto dllMain = moduleSymbol<DllMainFn>(handle, "DllMain");
    if (dllMain != nullptr && !dllMain(static_cast<HINSTANCE>(handle), DLL_PROCESS_ATTACH, nullptr)) {
        dlclose(handle);
        report(L"Unable to load " + path + L": its library entry refused to start.");
        return false;
    }
    auto refuse = [&](const std::wstring& why) {
        if (dllMain != nullptr)
            dllMain(static_cast<HINSTANCE>(handle), DLL_PROCESS_DETACH, nullptr);
        dlclose(handle);
        report(L"Unable to load " + path + L": " + why);
        return false;
    };
    if (const auto version = moduleSymbol<ApiVersionFn>(handle, "acrxGetApiVersion")) {
        const int v = version();
        if (v != ACRX_API_VERSION)
            return refuse(L"built for interface version " + std::to_wstring(v) + L", the host offers "
                          + std::to_wstring(ACRX_API_VERSION) + L".");
    }
    const auto entry = moduleSymbol<EntryPointFn>(handle, "acrxEntryPoint");
    if (entry == nullptr)
        return refuse(L"it exports no acrxEntryPoint.");

    // Filed before the entry point runs, so that it can unlock itself and say it is MDI-aware.
    mModules.push_back(Module{path, name, handle, true, false});
    if (entry(AcRx::kInitAppMsg, handle) != AcRx::kRetOK) {
        mModules.pop_back();
        return refuse(L"its initialisation failed.");
    }
    if (printit)
        report(baseName(path) + L" loaded.");
    return true;
}

void AcRxDynamicLinker::release(Module& module)
{
    if (const auto entry = moduleSymbol<EntryPointFn>(module.handle, "acrxEntryPoint"))
        entry(AcRx::kUnloadAppMsg, module.handle);
    if (const auto dllMain = moduleSymbol<DllMainFn>(module.handle, "DllMain"))
        dllMain(static_cast<HINSTANCE>(module.handle), DLL_PROCESS_DETACH, nullptr);
    dlclose(module.handle);
    module.handle = nullptr;
}

bool AcRxDynamicLinker::unloadModule(const ACHAR* fileName, bool)
{
    const Module* found = byName(fileName);
    if (found == nullptr)
        return false;
    if (found->locked) {
        report(baseName(found->path) + L" is locked and cannot be unloaded.");
        return false;
    }
    const auto it = mModules.begin() + (found - mModules.data());
    Module module = *it;
    mModules.erase(it);
    release(module);
    return true;
}

void AcRxDynamicLinker::unloadAll()
{
    while (!mModules.empty()) {
        Module module = mModules.back();
        mModules.pop_back();
        release(module);
    }
}

AcRxDynamicLinker::Module* AcRxDynamicLinker::byAppId(void* appId)
{
    for (Module& m : mModules) {
        if (m.handle == appId)
            return &m;
    }
    return nullptr;
}

// A module is named by its full path, its file name, or its file name without the extension.
const AcRxDynamicLinker::Module* AcRxDynamicLinker::byName(const ACHAR* fileName) const
{
    if (fileName == nullptr || fileName[0] == 0)
        return nullptr;
    const std::wstring name = fileName;
    for (const Module& m : mModules) {
        const std::filesystem::path p = HostPaths::toPath(m.path);
        if (sameName(m.path, name) || sameName(HostPaths::fromPath(p.filename()), name)
            || sameName(HostPaths::fromPath(p.stem()), name))
            return &m;
    }
    return nullptr;
}

bool AcRxDynamicLinker::unlockApplication(void* appId)
{
    Module* m = byAppId(appId);
    if (m != nullptr)
        m->locked = false;
    return m != nullptr;
}

bool AcRxDynamicLinker::lockApplication(void* appId)
{
    Module* m = byAppId(appId);
    if (m != nullptr)
        m->locked = true;
    return m != nullptr;
}

bool AcRxDynamicLinker::isApplicationLocked(const ACHAR* fileName) const
{
    const Module* m = byName(fileName);
    return m != nullptr && m->locked;
}

bool AcRxDynamicLinker::registerAppMDIAware(void* appId)
{
    Module* m = byAppId(appId);
    if (m != nullptr)
        m->mdiAware = true;
    return m != nullptr;
}

bool AcRxDynamicLinker::registerAppNotMDIAware(void* appId)
{
    Module* m = byAppId(appId);
    if (m != nullptr)
        m->mdiAware = false;
    return m != nullptr;
}

bool AcRxDynamicLinker::isAppMDIAware(const ACHAR* fileName) const
{
    const Module* m = byName(fileName);
    return m != nullptr && m->mdiAware;
}

std::vector<std::wstring> AcRxDynamicLinker::loadedModules() const
{
    std::vector<std::wstring> paths;
    for (const Module& m : mModules)
        paths.push_back(m.path);
    return paths;
}

std::vector<std::wstring> AcRxDynamicLinker::loadedAppNames() const
{
    std::vector<std::wstring> names;
    for (const Module& m : mModules)
        names.push_back(m.requestedName);
    return names;
}

bool acrxLoadModule(const ACHAR* moduleName, bool printit, bool asCmd)
{
    return HostApplication::instance().dynamicLinker().loadModule(moduleName, printit, asCmd);
}

bool acrxUnloadModule(const ACHAR* moduleName, bool asCmd)
{
    return HostApplication::instance().dynamicLinker().unloadModule(moduleName, asCmd);
}

AcDbVoidPtrArray* acrxLoadedApps()
{
    auto* apps = new AcDbVoidPtrArray();
    for (const std::wstring& name : HostApplication::instance().dynamicLinker().loadedAppNames()) {
        auto* copy = new ACHAR[name.size() + 1];
        std::copy(name.c_str(), name.c_str() + name.size() + 1, copy);
        apps->append(copy);
    }
    return apps;
}
