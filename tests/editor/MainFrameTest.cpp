// The main frame's file commands and what guards them: a design opened from a file in the
// current unit, the save prompt before a change is dropped, a saved file that reads back as
// the design, the unit change, the drawing scales and the draw command.
#include "CBentCapStatusBar.h"
#include "CBent_HlFile.h"
#include "CCadHostDriver.h"
#include "CCorbeldeskApp.h"
#include "CMainFrame.h"
#include "EditorCommands.h"
#include "EditorWindowTestSupport.h"

#include <QApplication>
#include <QMouseEvent>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct HeldDesign {
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
};

// A design file as the frame holds it in the given unit's load factor.
HeldDesign ReadScaled(const fs::path& path, double factor)
{
    HeldDesign d;
    CBent_HlFile file;
    file.SetPath(CString(path.wstring()));
    file.SetPierInfo(&d.design);
    file.SetBasicGeometry(&d.geometry);
    EXPECT_EQ(file.Read(), 1) << path;
    file.ScaleLengths(factor);
    return d;
}

class MainFrameTest : public EditorWindowTest {
protected:
    void SetUp() override
    {
        EditorWindowTest::SetUp();
        m_frame = std::make_unique<CMainFrame>();
        ASSERT_TRUE(m_frame->LoadFrame());
    }
    void TearDown() override
    {
        m_frame.reset();
        EditorWindowTest::TearDown();
    }
    CString Title() const
    {
        CString title;
        m_frame->GetWindowText(title);
        return title;
    }
    void SetScale(int elevation, double scale)
    {
        m_frame->SendMessage(WM_SET_DRAW_SCALE, elevation, reinterpret_cast<LPARAM>(&scale));
    }
    // Opens the sample through the Open command, as the user chooses it in the dialog.
    void OpenSample()
    {
        m_dialogs->QueueFileName(Wide(Sample()));
        m_frame->SendMessage(WM_COMMAND, ID_FILE_OPEN);
    }
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace

TEST_F(MainFrameTest, OpensADesignInTheCurrentUnit)
{
    OpenSample();
    const CBentCapProject& project = m_frame->GetProject();
    ASSERT_EQ(project.m_strPath, Wide(Sample()));
    const HeldDesign expected = ReadScaled(Sample(), 0.1);
    EXPECT_TRUE(project.m_PierInfo == expected.design);
    EXPECT_TRUE(project.m_BasicGeometry == expected.geometry);
    EXPECT_EQ(project.m_nModified, 0);
    EXPECT_EQ(Title(), L"Veltra盖梁绘图系统->sample.glt [" + Wide(Sample().parent_path()) + L"]");
    EXPECT_EQ(CurGltFile(), Wide(Sample()));
    EXPECT_NE(m_frame->GetSummaryText().Find(L"墩柱：" + CString(std::to_wstring(
                                                 project.m_PierInfo.GetSupportDistances().GetSize()).c_str())),
              -1);
    EXPECT_TRUE(m_boxes->Boxes().empty());

    // Centimetres to millimetres: lengths times ten, angles and scales as they were, and the
    // design still unmodified.
    const double width = project.m_BasicGeometry.dWidth;
    const double angle = project.m_BasicGeometry.dLeftAngle;
    const double scale = project.m_PierInfo.GetElevationScale();
    m_frame->SendMessage(WM_COMMAND, ID_UNIT_MM);
    EXPECT_EQ(project.m_nUnit, 3);
    EXPECT_DOUBLE_EQ(project.m_BasicGeometry.dWidth, width * 10);
    EXPECT_EQ(project.m_BasicGeometry.dLeftAngle, angle);
    EXPECT_EQ(project.m_PierInfo.GetElevationScale(), scale);
    EXPECT_EQ(project.m_nModified, 0);
    EXPECT_TRUE(project.m_PierInfo == ReadScaled(Sample(), 1.0).design);
    EXPECT_EQ(m_frame->GetMenu()->GetMenuState(ID_UNIT_MM, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
    EXPECT_EQ(m_frame->GetMenu()->GetMenuState(ID_UNIT_CM, MF_BYCOMMAND) & MF_CHECKED, 0u);
}

// A changed design asks before the frame closes: Cancel keeps it open with the change; Yes
// saves and closes. The saved file reads back as the design, and the drawing gets no file
// once the editor is gone.
TEST_F(MainFrameTest, ChangedDesignIsSavedBeforeCloseAndReadsBackEqual)
{
    OpenSample();
    const fs::path copy = m_dir / "copy.glt";
    m_dialogs->QueueFileName(Wide(m_dir / "copy"));
    m_frame->SendMessage(WM_COMMAND, ID_FILE_SAVE_PROJECT_AS);
    ASSERT_EQ(m_frame->GetProject().m_strPath, Wide(copy));
    EXPECT_EQ(CurGltFile(), Wide(copy));

    SetScale(1, 75);
    EXPECT_EQ(m_frame->GetProject().m_nModified, 1);
    EXPECT_EQ(Title(), L"Veltra盖梁绘图系统->copy.glt* [" + Wide(m_dir) + L"]");
    const HeldDesign edited{m_frame->GetProject().m_PierInfo, m_frame->GetProject().m_BasicGeometry};

    m_boxes->SetAnswerForCaption(L"保存文件", IDCANCEL);
    m_frame->SendMessage(WM_CLOSE);
    ASSERT_NE(m_frame->GetSafeHwnd(), nullptr);
    EXPECT_EQ(m_frame->GetProject().m_nModified, 1);
    ASSERT_EQ(m_boxes->Boxes().size(), 1u);
    EXPECT_EQ(m_boxes->Boxes()[0].text, L"将文件改动保存到" + Wide(copy) + L"？");
    EXPECT_EQ(m_boxes->Boxes()[0].type, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(m_boxes->Boxes()[0].owner, m_frame->GetSafeHwnd());

    m_boxes->SetAnswerForCaption(L"保存文件", IDYES);
    m_frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_frame->GetSafeHwnd(), nullptr);
    const HeldDesign saved = ReadScaled(copy, 0.1);
    EXPECT_TRUE(saved.design == edited.design);
    EXPECT_TRUE(saved.geometry == edited.geometry);
    EXPECT_EQ(saved.design.GetElevationScale(), 75.0);
    m_frame.reset();
    EXPECT_EQ(CurGltFile(), L"");
}

// Yes with no file asks for one; cancelling that dialog stops New, so nothing is lost. No
// drops the change and makes the new design at once.
TEST_F(MainFrameTest, NewStopsUnlessTheChangeIsSavedOrDropped)
{
    SetScale(0, 0);
    EXPECT_EQ(m_frame->GetProject().m_PierInfo.GetSectionScale(), 40.0);
    EXPECT_EQ(Title(), L"Veltra盖梁绘图系统->无标题*");
    SetScale(0, 65);
    m_boxes->QueueAnswer(IDYES);
    m_frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    EXPECT_EQ(m_dialogs->Dialogs().size(), 1u);
    EXPECT_EQ(m_frame->GetProject().m_PierInfo.GetSectionScale(), 65.0);
    EXPECT_EQ(m_frame->GetProject().m_nModified, 1);
    EXPECT_EQ(m_boxes->Boxes().back().text, L"将文件改动保存到无标题？");

    // Open stops before its own dialog too.
    m_boxes->QueueAnswer(IDYES);
    m_frame->SendMessage(WM_COMMAND, ID_FILE_OPEN);
    EXPECT_EQ(m_dialogs->Dialogs().size(), 2u);
    EXPECT_EQ(m_dialogs->Dialogs().back(), L"另存为");

    m_boxes->QueueAnswer(IDNO);
    m_frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    EXPECT_EQ(m_frame->GetProject().m_PierInfo.GetSectionScale(), 40.0);
    EXPECT_EQ(m_frame->GetProject().m_nModified, 0);
    EXPECT_EQ(Title(), L"Veltra盖梁绘图系统->无标题");

    // Unmodified: New asks nothing.
    const size_t boxes = m_boxes->Boxes().size();
    m_frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    EXPECT_EQ(m_boxes->Boxes().size(), boxes);
}

// Save on an untitled design asks for a name even through the Save command; a failed write
// keeps the design modified and untitled.
TEST_F(MainFrameTest, SaveOfAnUntitledDesignAsksForAName)
{
    SetScale(1, 60);
    m_dialogs->QueueFileName(Wide(m_dir / "missing-folder" / "a.glt"));
    m_frame->SendMessage(WM_COMMAND, ID_FILE_SAVE_PROJECT);
    EXPECT_EQ(m_dialogs->Dialogs().size(), 1u);
    EXPECT_TRUE(m_frame->GetProject().m_strPath.IsEmpty());
    EXPECT_EQ(m_frame->GetProject().m_nModified, 1);

    m_dialogs->QueueFileName(Wide(m_dir / "a.glt"));
    m_frame->SendMessage(WM_COMMAND, ID_FILE_SAVE_PROJECT);
    EXPECT_EQ(m_frame->GetProject().m_strPath, Wide(m_dir / "a.glt"));
    EXPECT_EQ(m_frame->GetProject().m_nModified, 0);
    // A new design's end face has empty supports, which the file does not carry.
    const HeldDesign saved = ReadScaled(m_dir / "a.glt", 0.1);
    EXPECT_TRUE(saved.design.GetMainFace() == m_frame->GetProject().m_PierInfo.GetMainFace());
    ASSERT_EQ(saved.design.GetSupportDistances().GetSize(), 2);
    EXPECT_EQ(saved.design.GetSupportDistances()[1], m_frame->GetProject().m_PierInfo.GetSupportDistances()[1]);
    EXPECT_EQ(saved.design.GetElevationScale(), 60.0);
}

// A file the reader refuses: No keeps the project; Yes takes what was read up to the error as
// an untitled design, so that a save cannot overwrite the file it could not read whole.
TEST_F(MainFrameTest, AFileWithAnErrorIsTakenOnlyWhenTheUserGoesOn)
{
    OpenSample();
    const CBent_BasicGeometry read = m_frame->GetProject().m_BasicGeometry;
    const double scale = m_frame->GetProject().m_PierInfo.GetElevationScale();
    const fs::path bad = m_dir / "bad.glt";
    {
        std::ifstream in(Sample(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        std::string content = text.str();
        content.resize(content.size() / 2);
        std::ofstream(bad, std::ios::binary) << content;
    }
    m_boxes->SetAnswerForCaption(L"确认继续", IDNO);
    EXPECT_EQ(m_frame->LoadGltFile(Wide(bad)), 0);
    EXPECT_EQ(m_frame->GetProject().m_strPath, Wide(Sample()));
    ASSERT_EQ(m_boxes->Boxes().size(), 2u);
    EXPECT_EQ(m_boxes->Boxes()[1].text, L"盖梁图文件因存在错误无法正确读取，是否需要继续？");

    m_boxes->SetAnswerForCaption(L"确认继续", IDYES);
    EXPECT_EQ(m_frame->LoadGltFile(Wide(bad)), 1);
    EXPECT_TRUE(m_frame->GetProject().m_strPath.IsEmpty());
    EXPECT_EQ(m_frame->GetProject().m_nModified, 0);
    EXPECT_EQ(CurGltFile(), L"");
    EXPECT_TRUE(m_frame->GetProject().m_BasicGeometry == read);
    EXPECT_EQ(m_frame->GetProject().m_PierInfo.GetElevationScale(), scale);
    EXPECT_NE(m_frame->GetProject().m_BasicGeometry.dLength, 0.0);
}

// The window's close box and a click on the status bar reach the frame as the user gives them.
TEST_F(MainFrameTest, CloseBoxAndStatusBarClicksGoThroughTheWindowEvents)
{
    m_frame->ShowWindow(SW_SHOW);
    QApplication::processEvents();
    CBentCapStatusBar& status = m_frame->GetStatusBar();
    const int pane = status.CommandToIndex(ID_INDICATOR_ELEVATION_SCALE);
    CRect rect;
    status.GetItemRect(pane, &rect);
    ASSERT_FALSE(rect.IsRectEmpty());
    m_dialogs->QueueMenuCommand(32801);
    const QPointF at(rect.CenterPoint().x, rect.CenterPoint().y);
    QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(status.GetWidget(), &press);
    QApplication::sendEvent(status.GetWidget(), &release);
    EXPECT_EQ(m_frame->GetProject().m_PierInfo.GetElevationScale(), 75.0);
    EXPECT_EQ(status.GetPaneText(pane), L"立面图比例：75");

    m_boxes->SetAnswerForCaption(L"保存文件", IDCANCEL);
    EXPECT_FALSE(m_frame->GetWidget()->close());
    EXPECT_TRUE(m_frame->IsWindowVisible());
    m_boxes->SetAnswerForCaption(L"保存文件", IDNO);
    m_frame->GetWidget()->close();
    EXPECT_EQ(m_frame->GetSafeHwnd(), nullptr);
    EXPECT_EQ(m_boxes->Boxes().size(), 2u);
}

// The status bar's scale pop-up: the pane's scale is checked, choosing it again changes
// nothing, another scale is set; "其他" asks for the scale dialog.
TEST_F(MainFrameTest, StatusBarScaleMenuSetsOnlyAnotherScale)
{
    CBentCapStatusBar& status = m_frame->GetStatusBar();
    const int pane = status.CommandToIndex(ID_INDICATOR_SECTION_SCALE);
    CMenu menu;
    status.BuildScaleMenu(menu, pane);
    EXPECT_EQ(menu.GetMenuState(32794, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
    EXPECT_EQ(menu.GetMenuState(32795, MF_BYCOMMAND) & MF_CHECKED, 0u);
    status.ApplyScaleCommand(pane, 32794);
    EXPECT_EQ(m_frame->GetProject().m_nModified, 0);
    status.ApplyScaleCommand(pane, 32798);
    EXPECT_EQ(m_frame->GetProject().m_PierInfo.GetSectionScale(), 62.5);
    EXPECT_EQ(m_frame->GetProject().m_nModified, 1);
    EXPECT_EQ(status.GetPaneText(pane), L"剖面图比例：62.5");
}

// The draw command: refused without a bound host and for a design never saved; for a saved
// design the host's current drawing gets the plug-in's command, and nothing is written beside
// the design.
TEST_F(MainFrameTest, DrawCommandSendsThePlugInsCommandToTheHost)
{
    m_frame->SendMessage(WM_COMMAND, ID_DRAW_IN_ACAD);
    ASSERT_EQ(m_boxes->Boxes().size(), 1u);
    EXPECT_EQ(m_boxes->Boxes()[0].caption, L"平台错误");

    CCorbeldeskApp app;
    ASSERT_TRUE(app.CheckAcadVersion());
    m_frame->SendMessage(WM_COMMAND, ID_DRAW_IN_ACAD);
    ASSERT_EQ(m_boxes->Boxes().size(), 2u);
    EXPECT_EQ(m_boxes->Boxes()[1].caption, L"数据未存");
    EXPECT_EQ(m_boxes->Boxes()[1].text, L"请先保存当前文档数据或打开一个新文档数据再绘图！");

    m_dialogs->QueueFileName(Wide(m_dir / "drawn.glt"));
    m_frame->SendMessage(WM_COMMAND, ID_FILE_SAVE_PROJECT);
    m_frame->SendMessage(WM_COMMAND, ID_DRAW_IN_ACAD);
    EXPECT_EQ(m_boxes->Boxes().size(), 2u);
    EXPECT_TRUE(app.m_HostDriver.WaitForResult(5000).value("finished").toBool());
    std::ifstream commands(m_dir / "commands.txt");
    std::string line;
    ASSERT_TRUE(std::getline(commands, line));
    EXPECT_EQ(line, "BC_NOUI ");
    EXPECT_FALSE(fs::exists(m_dir / "drawn.dxf"));

    // A host gone since start-up, with none to bind again, is reported, not passed over.
    app.m_HostDriver.Detach();
    fs::create_directories(m_dir / "elsewhere");
    setenv("XDG_RUNTIME_DIR", (m_dir / "elsewhere").c_str(), 1);
    setenv("CORBEL_CADHOST", (m_dir / "no-such-host").c_str(), 1);
    m_frame->SendMessage(WM_COMMAND, ID_DRAW_IN_ACAD);
    ASSERT_EQ(m_boxes->Boxes().size(), 3u);
    EXPECT_EQ(m_boxes->Boxes()[2].caption, L"平台错误");
    EXPECT_EQ(m_boxes->Boxes()[2].text, L"无法连接绘图主程序：");
}
