// The command line: printing, alerts and message boxes, system variables, the command stack
// and the document manager's resource handles and reactors.
#include "HostFixture.h"

#include "AcDbHostApplicationServices.h"
#include "AcDbLayerTable.h"
#include "AcDbLayerTableRecord.h"
#include "WinUser.h"

#include <cmath>
#include <cstdlib>
#include <ctime>

namespace {

class CommandLineTest : public HostFixture {};

void noop() {}

TEST_F(CommandLineTest, PrintfFormatsWideAndNarrowTextAndNumbersInOrder)
{
    CString name(L"盖梁");
    acutPrintf(L"\n%s=%d %.3f [%5s] %S", name, 42, 2.0 / 3.0, "ab", L"宽");
    acutPrintf(L" 100%%");
    EXPECT_EQ(transcript(), L"\n盖梁=42 0.667 [   ab] 宽 100%");
}

TEST_F(CommandLineTest, AlertsAndMessageBoxesAreLoggedAndAnsweredFromTheScript)
{
    mBoxes->AddScript(L"数据错误=No");
    EXPECT_EQ(acedAlert(L"无足够的内存"), RTNORM);
    EXPECT_EQ(MessageBox(adsw_acadDocWnd(), L"长度错误", L"数据错误", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBox(adsw_acadMainWnd(), L"角度", L"角度错误", MB_OK | MB_ICONINFORMATION), IDOK);
    const std::wstring t = transcript();
    const std::size_t a = t.find(L"[cadhost] 无足够的内存");
    const std::size_t b = t.find(L"[数据错误] 长度错误");
    const std::size_t c = t.find(L"[角度错误] 角度");
    ASSERT_NE(a, std::wstring::npos);
    ASSERT_NE(b, std::wstring::npos);
    ASSERT_NE(c, std::wstring::npos);
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
}

TEST_F(CommandLineTest, SystemVariablesHaveTypesDefaultsAndLimits)
{
    struct Case {
        const wchar_t* name;
        short type;
        double initial;
    };
    for (const Case& c : {Case{L"CMDECHO", RTSHORT, 1}, Case{L"osmode", RTSHORT, 4133}, Case{L"SORTENTS", RTSHORT, 127},
                          Case{L"LTSCALE", RTREAL, 1.0}, Case{L"PDMODE", RTSHORT, 0}}) {
        resbuf rb{};
        ASSERT_EQ(acedGetVar(c.name, &rb), RTNORM) << HostPaths::narrowPath(c.name);
        EXPECT_EQ(rb.restype, c.type);
        EXPECT_EQ(c.type == RTSHORT ? rb.resval.rint : rb.resval.rreal, c.initial);
    }

    // OSMODE gains and loses the snap-suppression value as the library switches it.
    resbuf value{};
    value.restype = RTSHORT;
    value.resval.rint = 35 | 16384;
    EXPECT_EQ(acedSetVar(L"OSMODE", &value), RTNORM);
    resbuf back{};
    acedGetVar(L"OSMODE", &back);
    EXPECT_EQ(back.resval.rint, 16419);

    // LTSCALE lives in the working database.
    value.restype = RTREAL;
    value.resval.rreal = 4.0;
    EXPECT_EQ(acedSetVar(L"LTSCALE", &value), RTNORM);
    EXPECT_EQ(db()->ltscale(), 4.0);

    struct Refusal {
        const wchar_t* name;
        short type;
        double value;
        int status;
    };
    for (const Refusal& r : {Refusal{L"NOSUCHVAR", RTSHORT, 0, RTERROR}, Refusal{L"CDATE", RTREAL, 1.0, RTREJ},
                             Refusal{L"CMDECHO", RTSHORT, 2, RTREJ}, Refusal{L"CMDECHO", RTREAL, 0, RTREJ},
                             Refusal{L"LTSCALE", RTREAL, 0.0, RTREJ}, Refusal{L"SORTENTS", RTSHORT, 128, RTREJ}}) {
        resbuf rb{};
        rb.restype = r.type;
        if (r.type == RTSHORT)
            rb.resval.rint = static_cast<short>(r.value);
        else
            rb.resval.rreal = r.value;
        EXPECT_EQ(acedSetVar(r.name, &rb), r.status) << HostPaths::narrowPath(r.name);
    }
    EXPECT_EQ(db()->ltscale(), 4.0);
}

TEST_F(CommandLineTest, CdateIsTodayAsYearMonthDayDotTime)
{
    resbuf rb{};
    ASSERT_EQ(acedGetVar(L"CDATE", &rb), RTNORM);
    ASSERT_EQ(rb.restype, RTREAL);
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    const double day = (tm.tm_year + 1900) * 10000.0 + (tm.tm_mon + 1) * 100.0 + tm.tm_mday;
    EXPECT_NEAR(std::floor(rb.resval.rreal), day, 1.0);
    EXPECT_LT(rb.resval.rreal - std::floor(rb.resval.rreal), 0.24);
}

TEST_F(CommandLineTest, ClayerNamesAnExistingLayerOnly)
{
    resbuf rb{};
    rb.restype = RTSTR;
    rb.resval.rstring = const_cast<ACHAR*>(L"NOSUCH");
    EXPECT_EQ(acedSetVar(L"CLAYER", &rb), RTREJ);
    resbuf current{};
    ASSERT_EQ(acedGetVar(L"CLAYER", &current), RTNORM);
    EXPECT_EQ(std::wstring(current.resval.rstring), L"0");
    std::free(current.resval.rstring);
}

TEST_F(CommandLineTest, CommandStackRefusesDuplicatesAndFindsTheNewestGroupFirst)
{
    AcEdCommandStack& stack = app().commandStack();
    EXPECT_EQ(stack.addCommand(L"G1", L"ONE", L"UN", 0, noop), Acad::eOk);
    EXPECT_EQ(stack.addCommand(L"G1", L"one", L"OTHER", 0, noop), Acad::eDuplicateKey);
    EXPECT_EQ(stack.addCommand(L"G1", L"TWO", L"un", 0, noop), Acad::eDuplicateKey);
    EXPECT_EQ(stack.addCommand(L"G1", L"BAD NAME", L"X", 0, noop), Acad::eInvalidInput);
    EXPECT_EQ(stack.addCommand(L"G1", L"NOFUNC", L"NF", 0, nullptr), Acad::eInvalidInput);
    AcEdCommand* newer = nullptr;
    EXPECT_EQ(stack.addCommand(L"G2", L"ONE", L"UN2", ACRX_CMD_TRANSPARENT, noop, nullptr, -1, nullptr, &newer), Acad::eOk);
    EXPECT_EQ(stack.lookupGlobalCmd(L"one"), newer);
    EXPECT_EQ(std::wstring(stack.lookupTyped(L"UN")->groupName()), L"G1");
    EXPECT_EQ(stack.removeCmd(L"G2", L"ONE"), Acad::eOk);
    EXPECT_EQ(std::wstring(stack.lookupGlobalCmd(L"ONE")->groupName()), L"G1");
    EXPECT_EQ(stack.removeGroup(L"g1"), Acad::eOk);
    EXPECT_EQ(stack.removeGroup(L"G1"), Acad::eKeyNotFound);
    EXPECT_EQ(stack.removeGroup(L"G2"), Acad::eOk);
    EXPECT_EQ(stack.lookupTyped(L"ONE"), nullptr);
}

TEST_F(CommandLineTest, ResourceHandlesPopInReverseAndAnEmptyPopFails)
{
    AcApDocManager* dm = acDocManager;
    auto* a = reinterpret_cast<HINSTANCE>(std::uintptr_t{0x10});
    auto* b = reinterpret_cast<HINSTANCE>(std::uintptr_t{0x20});
    dm->pushResourceHandle(a);
    dm->pushResourceHandle(b);
    EXPECT_EQ(dm->resourceHandle(), b);
    EXPECT_TRUE(dm->popResourceHandle());
    EXPECT_EQ(dm->resourceHandle(), a);
    EXPECT_TRUE(dm->popResourceHandle());
    EXPECT_FALSE(dm->popResourceHandle());
}

TEST_F(CommandLineTest, WorkingDatabaseFollowsTheCurrentDocument)
{
    AcApDocument* doc = curDoc();
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), doc->database());
    EXPECT_STREQ(doc->docTitle(), L"Drawing1.dwg");
    AcApDocument* next = acDocManager->newDocument();
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), next->database());
    EXPECT_EQ(acDocManager->documentCount(), 1);
}

TEST_F(CommandLineTest, ClassDictionaryKnowsTheDatabaseClasses)
{
    AcRxClassDictionary* classes = acrxClassDictionary;
    ASSERT_NE(classes, nullptr);
    AcRxClass* wipeout = classes->at(L"AcDbWipeout");
    ASSERT_NE(wipeout, nullptr);
    AcRxObject* made = wipeout->create();
    ASSERT_NE(made, nullptr);
    EXPECT_STREQ(made->isA()->name(), L"AcDbWipeout");
    delete made;
    EXPECT_EQ(classes->at(L"AcDbNoSuchThing"), nullptr);
    EXPECT_NE(acrxDynamicLinker, nullptr);
    EXPECT_NE(acedRegCmds, nullptr);
}

} // namespace
