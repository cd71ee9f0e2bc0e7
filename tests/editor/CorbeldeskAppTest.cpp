// Start-up of the editor: beside the host it draws with, from an empty registry, and the
// refusal without a host.
#include "AcadVersion.h"
#include "CCorbeldeskApp.h"
#include "CDialog.h"
#include "CMainFrame.h"
#include "CScopedModalAnswerer.h"
#include "EditorWindowTestSupport.h"
#include "AfxMessageBox.h"

#include <QLabel>

#include <cstdlib>

TEST(AcadVersionTest, FirstFourCharactersOfTheVersionDecide)
{
    const struct {
        const wchar_t* text;
        int code;
    } cases[] = {{L"15.0", 1}, {L"16.2s (LMS Tech)", 4}, {L"  17.0s (LMS Tech)", 5}, {L"17.2", 7},
                 {L"18.0", 0}, {L"17", 0},               {L"", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(AcadVersionCode(c.text), c.code) << CString(c.text).ToUtf8();
    EXPECT_FALSE(IsAcceptedAcadVersion(4));
    EXPECT_TRUE(IsAcceptedAcadVersion(6));
    EXPECT_FALSE(IsAcceptedAcadVersion(0));
}

using CorbeldeskAppTest = EditorWindowTest;

// A first run: no key, no recent files, no current file. The window shows an untitled
// new design and hands no file to the drawing; leaving the editor keeps it that way.
TEST_F(CorbeldeskAppTest, StartsFromAnEmptyRegistry)
{
    CCorbeldeskApp app;
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.m_nAcadAccepted, 1);
    EXPECT_EQ(app.m_HostDriver.GetProgram(), CString(CORBEL_FAKE_CADHOST));
    EXPECT_EQ(app.m_HostDriver.GetVersion(), L"17.0");
    EXPECT_EQ(app.GetRecentFiles().GetSize(), 0);
    CMainFrame* frame = app.GetMainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(AfxGetMainWndHandle(), frame->GetSafeHwnd());
    CString title;
    frame->GetWindowText(title);
    EXPECT_EQ(title, L"Veltra盖梁绘图系统-无标题");
    CRect rect;
    frame->GetWindowRect(&rect);
    EXPECT_EQ(rect.Width(), 961);
    EXPECT_EQ(rect.Height(), 796);
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_EQ(CurGltFile(), L"");

    const CBentCapProject& project = frame->GetProject();
    EXPECT_EQ(project.m_nUnit, 2);
    EXPECT_EQ(project.m_nModified, 0);
    ASSERT_EQ(project.m_PierInfo.GetSupportDistances().GetSize(), 2);
    EXPECT_EQ(project.m_PierInfo.GetSupportDistances()[0], 100.0);
    EXPECT_EQ(project.m_PierInfo.GetMainFace().GetBarColumnCount(), 15);
    EXPECT_EQ(frame->GetSummaryText(), L"类型：桥墩  梁高：0  宽度：0  角度：90  下弯：斜弯  墩柱：2  列数：15  骨架：0  ");
    CBentCapStatusBar& status = frame->GetStatusBar();
    EXPECT_EQ(status.GetPaneText(status.CommandToIndex(59143)), L"立面图比例：50");
    EXPECT_EQ(status.GetPaneText(status.CommandToIndex(59144)), L"剖面图比例：40");
    EXPECT_EQ(status.GetPaneText(status.CommandToIndex(59142)), L" Norvane ");
    EXPECT_TRUE(m_boxes->Boxes().empty());

    app.ExitInstance();
    EXPECT_EQ(AfxGetMainWndHandle(), nullptr);
    EXPECT_EQ(CurGltFile(), L"");
}

TEST_F(CorbeldeskAppTest, WithoutTheHostTheEditorDoesNotStart)
{
    setenv("CORBEL_CADHOST", (m_dir / "no-such-host").c_str(), 1);
    CCorbeldeskApp app;
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(app.m_nAcadAccepted, 0);
    EXPECT_EQ(app.GetMainFrame(), nullptr);
    ASSERT_EQ(m_boxes->Boxes().size(), 1u);
    EXPECT_EQ(m_boxes->Boxes()[0].caption, L"Veltra国标盖梁设计绘图系统");
    EXPECT_EQ(m_boxes->Boxes()[0].text, L"请先启动AutoCAD再启动本程序，要求AutoCAD版本为2007~2009！");
    EXPECT_EQ(m_boxes->Boxes()[0].owner, nullptr);
}

// The release is the one the bound host reports: too old gives the second box, newer than the
// accepted releases the first; either way the editor does not start.
TEST_F(CorbeldeskAppTest, TheHostsReportedVersionDecides)
{
    const struct {
        const char* version;
        const wchar_t* text;
    } cases[] = {{"16.2", L"Veltra国标盖梁设计绘图系统支持AutocAD版本为2007~2009！\n"
                          L"提示：系统只能捕获到最后启动的AutoCAD版本，请保证最后一个启动的CAD版本符合本系统要求"},
                 {"18.0", L"请先启动AutoCAD再启动本程序，要求AutoCAD版本为2007~2009！"}};
    for (const auto& c : cases) {
        setenv("CORBEL_FAKE_CADHOST_VERSION", c.version, 1);
        // A host of its own for each case: the one of the case before may still be ending.
        const std::filesystem::path runtime = m_dir / c.version;
        std::filesystem::create_directories(runtime);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        const std::size_t before = m_boxes->Boxes().size();
        CCorbeldeskApp app;
        EXPECT_FALSE(app.InitInstance()) << c.version;
        EXPECT_EQ(app.m_nAcadAccepted, 0);
        EXPECT_FALSE(app.m_HostDriver.IsAttached());
        ASSERT_EQ(m_boxes->Boxes().size(), before + 1) << c.version;
        EXPECT_EQ(m_boxes->Boxes().back().caption, L"Veltra国标盖梁设计绘图系统");
        EXPECT_EQ(m_boxes->Boxes().back().text, c.text);
    }
}

TEST_F(CorbeldeskAppTest, AboutBoxShowsTheVersionBesideTheIcon)
{
    CCorbeldeskApp app;
    bool icon = false;
    m_dialogs->QueueDialog([&icon](CDialog& d) {
        for (const QLabel* label : d.GetWidget()->findChildren<QLabel*>())
            icon = icon || !label->pixmap().isNull();
        d.PressButton(IDOK);
    });
    app.OnAppAbout();
    ASSERT_EQ(m_dialogs->Dialogs().size(), 1u);
    EXPECT_EQ(m_dialogs->Dialogs()[0], L"关于 Veltra盖梁绘图系统");
    EXPECT_EQ(m_dialogs->PendingAnswers(), 0u);
    EXPECT_TRUE(icon);
}
