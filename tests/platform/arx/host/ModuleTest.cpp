// Loading, running and unloading a module through the dynamic linker.
#include "HostFixture.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>

namespace {

class ModuleTest : public HostFixture {
protected:
    void TearDown() override { app().dynamicLinker().unloadAll(); }
};

std::size_t count(const std::wstring& text, const std::wstring& what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::wstring::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST_F(ModuleTest, LoadRunsLibraryEntryThenInitAndRegistersTheCommands)
{
    ASSERT_TRUE(acrxLoadModule(L"" CORBEL_TEST_MODULE, false));
    const std::wstring t = transcript();
    ASSERT_NE(t.find(L"[test module] attach"), std::wstring::npos);
    EXPECT_LT(t.find(L"[test module] attach"), t.find(L"[test module] loaded"));
    EXPECT_NE(acedRegCmds->lookupGlobalCmd(L"DRAWSOME"), nullptr);
    EXPECT_NE(acedRegCmds->lookupLocalCmd(L"ds"), nullptr);
    EXPECT_FALSE(app().dynamicLinker().isApplicationLocked(L"" CORBEL_TEST_MODULE));
    EXPECT_TRUE(app().dynamicLinker().isAppMDIAware(L"" CORBEL_TEST_MODULE));

    AcDbVoidPtrArray* apps = acrxLoadedApps();
    ASSERT_EQ(apps->length(), 1);
    EXPECT_EQ(std::wstring(static_cast<ACHAR*>((*apps)[0])), std::wstring(L"" CORBEL_TEST_MODULE));
    for (int i = 0; i < apps->length(); ++i)
        delete[] static_cast<ACHAR*>((*apps)[i]);
    delete apps;

    // A second load of the same module is no second copy.
    EXPECT_TRUE(acrxLoadModule(L"" CORBEL_TEST_MODULE, false));
    EXPECT_EQ(app().dynamicLinker().loadedModules().size(), 1u);
    EXPECT_EQ(count(transcript(), L"[test module] loaded"), 1u);
}

TEST_F(ModuleTest, CommandRunsByGlobalAndLocalNameAndDrawsIntoTheCurrentDrawing)
{
    ASSERT_TRUE(acrxLoadModule(L"" CORBEL_TEST_MODULE, false));
    for (const wchar_t* name : {L"DRAWSOME", L"_drawsome", L"DS", L".DS"}) {
        SCOPED_TRACE(testing::Message() << HostPaths::narrowPath(name));
        app().docManager().newDocument();
        EXPECT_EQ(app().runCommand(name), RTNORM);
        EXPECT_EQ(modelSpace().size(), 3u);
        EXPECT_EQ(AcDbDatabase::symbolName(db()->clayer()), L"TEST");
        EXPECT_EQ(app().docManager().resourceDepth(), 0u);
    }
    // "_" asks for a global name only.
    EXPECT_EQ(app().runCommand(L"_DS"), RTERROR);
    EXPECT_NE(transcript().find(L"Unknown command \"_DS\"."), std::wstring::npos);
}

TEST_F(ModuleTest, UnloadSendsUnloadRemovesTheGroupAndDetaches)
{
    ASSERT_TRUE(acrxLoadModule(L"" CORBEL_TEST_MODULE, false));
    const std::wstring name = std::filesystem::path(CORBEL_TEST_MODULE).filename().wstring();
    EXPECT_TRUE(acrxUnloadModule(name.c_str()));
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"DRAWSOME"), nullptr);
    EXPECT_FALSE(acedRegCmds->hasGroup(L"CORBEL_TEST"));
    EXPECT_TRUE(app().dynamicLinker().loadedModules().empty());
    const std::wstring t = transcript();
    EXPECT_LT(t.find(L"[test module] unloaded"), t.find(L"[test module] detach"));
    EXPECT_FALSE(acrxUnloadModule(name.c_str()));
}

TEST_F(ModuleTest, ReactorHearsTheDocumentGoWhileTheModuleIsLoaded)
{
    ASSERT_TRUE(acrxLoadModule(L"" CORBEL_TEST_MODULE, false));
    app().docManager().newDocument();
    EXPECT_EQ(count(transcript(), L"document Drawing1.dwg closing"), 1u);
    app().dynamicLinker().unloadAll();
    app().docManager().newDocument();
    EXPECT_EQ(count(transcript(), L"document Drawing1.dwg closing"), 1u);
}

TEST_F(ModuleTest, RefusedModulesSayWhyAndLeaveNothingLoaded)
{
    struct Case {
        const wchar_t* module;
        const wchar_t* reason;
    };
    for (const Case& c : {Case{L"/nonexistent/libnothing.so", L"file not found"},
                          Case{L"libnothing-anywhere.so", L"file not found"},
                          Case{L"" CORBEL_TEST_MODULE_V16, L"built for interface version 16"}}) {
        app().transcript().clear();
        EXPECT_FALSE(acrxLoadModule(c.module, false));
        EXPECT_NE(transcript().find(c.reason), std::wstring::npos) << HostPaths::narrowPath(transcript());
        EXPECT_TRUE(app().dynamicLinker().loadedModules().empty());
        EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"DRAWSOME"), nullptr);
    }
}

TEST_F(ModuleTest, LockedApplicationIsNotUnloaded)
{
    ASSERT_TRUE(acrxLoadModule(L"" CORBEL_TEST_MODULE, false));
    // The application id is the module's handle, which dlopen gives back for a loaded library.
    void* appId = dlopen(CORBEL_TEST_MODULE, RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(appId, nullptr);
    dlclose(appId);
    ASSERT_TRUE(acrxDynamicLinker->lockApplication(appId));
    EXPECT_FALSE(acrxUnloadModule(L"" CORBEL_TEST_MODULE));
    EXPECT_NE(transcript().find(L"is locked and cannot be unloaded"), std::wstring::npos);
    EXPECT_NE(acedRegCmds->lookupGlobalCmd(L"DRAWSOME"), nullptr);
    ASSERT_TRUE(acrxDynamicLinker->unlockApplication(appId));
    EXPECT_TRUE(acrxUnloadModule(L"" CORBEL_TEST_MODULE));
}

} // namespace
