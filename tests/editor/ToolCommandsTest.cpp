// The tools menu's dialog commands, end to end on the sample: each runs through the frame's
// menu command with its dialog answered by script and changes the design as its operation says.
#include "CBent_HlFile.h"
#include "CButton.h"
#include "CComboBox.h"
#include "CDialog.h"
#include "CListCtrl.h"
#include "CMainFrame.h"
#include "CPropertyPage.h"
#include "CPropertySheet.h"
#include "EditorCommands.h"
#include "EditorWindowTestSupport.h"

#include <QWidget>

#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

struct Design {
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
};

Design ReadFile(const fs::path& path)
{
    Design d;
    CBent_HlFile file;
    file.SetPath(CString(path.wstring()));
    file.SetPierInfo(&d.design);
    file.SetBasicGeometry(&d.geometry);
    EXPECT_EQ(file.Read(), 1) << path;
    return d;
}

std::vector<int> Codes(const CBent_PierInfo& design)
{
    std::vector<int> codes;
    const CBent_ExtendSteel& steel = const_cast<CBent_PierInfo&>(design).GetExtendSteel();
    for (int i = 0; i < steel.GetCodeCount(); ++i)
        codes.push_back(steel.GetCodeAt(i));
    return codes;
}

class ToolCommandsTest : public EditorWindowTest {
protected:
    void SetUp() override
    {
        EditorWindowTest::SetUp();
        m_frame = std::make_unique<CMainFrame>();
        ASSERT_TRUE(m_frame->LoadFrame());
        ASSERT_EQ(m_frame->LoadGltFile(Wide(Sample())), 1);
    }
    void TearDown() override
    {
        m_frame.reset();
        EditorWindowTest::TearDown();
    }
    void Command(UINT nID) { m_frame->SendMessage(WM_COMMAND, nID); }
    CBent_PierInfo& Open() { return m_frame->GetProject().m_PierInfo; }
    int Modified() const { return m_frame->GetProject().m_nModified; }
    fs::path Example(const char* name) const { return Sample().parent_path() / name; }
    // A copy of the sample in the scratch folder.
    fs::path Target(const char* name) const
    {
        const fs::path target = m_dir / name;
        fs::copy_file(Sample(), target, fs::copy_options::overwrite_existing);
        return target;
    }
    static void Tick(CDialog& d, UINT nID) { dynamic_cast<CButton&>(*d.GetDlgItem(nID)).Click(); }
    static void Choose(CDialog& d, UINT nID, int index)
    {
        dynamic_cast<CComboBox&>(*d.GetDlgItem(nID)).SetCurSel(index);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), 0);
    }
    std::vector<std::wstring> Captions()
    {
        std::vector<std::wstring> captions;
        for (const auto& box : m_boxes->Boxes())
            captions.push_back(box.caption);
        return captions;
    }
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace

TEST_F(ToolCommandsTest, TheDialogCommandsAreOffered)
{
    for (UINT nID : {ID_CAP_COPY, ID_EXTEND_STEEL, ID_DRAW_SCALE, ID_BATCH_COPY, ID_BATCH_COLUMNS, ID_SKELETON_SPACING,
                     ID_STIRRUP_LAYOUT, ID_SIDE_BARS, ID_APPLICABLE_PIERS})
        EXPECT_EQ(m_frame->GetMenu()->GetMenuState(nID, MF_BYCOMMAND) & MF_GRAYED, 0u) << nID;
}

TEST_F(ToolCommandsTest, DrawScalesAndApplicablePiers)
{
    m_dialogs->QueueDialog([](CDialog& d) {
        EXPECT_EQ(d.GetTemplateID(), 156u);
        d.GetDlgItem(1100)->SetWindowText(L"75");
        d.GetDlgItem(1101)->SetWindowText(L"abc");
        d.PressButton(IDOK);
    });
    Command(ID_DRAW_SCALE);
    EXPECT_DOUBLE_EQ(Open().GetElevationScale(), 75.0);
    EXPECT_DOUBLE_EQ(Open().GetSectionScale(), 40.0);
    EXPECT_EQ(Modified(), 1);

    m_frame->GetProject().m_nModified = 0;
    m_dialogs->QueueDialog([](CDialog& d) {
        d.GetDlgItem(1122)->SetWindowText(L"1#～5#墩");
        d.PressButton(IDOK);
    });
    Command(ID_APPLICABLE_PIERS);
    EXPECT_EQ(Open().GetAddInfo().GetApplicableTo(), CString(L"1#～5#墩"));
    // Cancelled: nothing changes.
    m_dialogs->QueueButton(IDCANCEL);
    Command(ID_APPLICABLE_PIERS);
    EXPECT_EQ(Open().GetAddInfo().GetApplicableTo(), CString(L"1#～5#墩"));
}

// "将边柱加强钢筋复制到中柱": every tens digit takes the hundreds digit, after Yes; No keeps the
// dialog open.
TEST_F(ToolCommandsTest, ExtendSteelCopiesEdgeToMiddle)
{
    const std::vector<int> before = Codes(Open());
    m_boxes->QueueAnswer(IDNO);
    m_boxes->QueueAnswer(IDYES);
    m_dialogs->QueueDialog([](CDialog& d) {
        Tick(d, 1100);
        d.PressButton(IDOK);
        EXPECT_FALSE(d.IsEnded());
        d.PressButton(IDOK);
    });
    Command(ID_EXTEND_STEEL);
    const std::vector<int> after = Codes(Open());
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(after[i], before[i] - before[i] % 100 / 10 * 10 + before[i] % 1000 / 100 * 10) << i;
    EXPECT_EQ(Modified(), 1);
    EXPECT_NE(m_boxes->Boxes().back().text.find(L"将边柱加强钢筋复制到中柱"), std::wstring::npos);
}

// The general construction of another file, chosen in the open dialog, in the current unit.
TEST_F(ToolCommandsTest, CapCopyTakesTheChosenGroups)
{
    const fs::path source = Example("square-two-columns.glt");
    const Design read = ReadFile(source);
    const std::vector<int> codes = Codes(Open());
    m_dialogs->QueueDialog([](CDialog& d) {
        EXPECT_EQ(d.GetTemplateID(), 154u);
        d.PressButton(1085);
        // Two piers against three: the spacing group is not offered.
        EXPECT_FALSE(d.GetDlgItem(1087)->IsWindowEnabled());
        Tick(d, 1086);
        d.PressButton(IDOK);
    });
    m_dialogs->QueueFileName(Wide(source));
    Command(ID_CAP_COPY);
    const CBent_BasicGeometry& g = m_frame->GetProject().m_BasicGeometry;
    EXPECT_DOUBLE_EQ(g.dLength, read.geometry.dLength * 0.1);
    EXPECT_DOUBLE_EQ(g.dWidth, read.geometry.dWidth * 0.1);
    EXPECT_DOUBLE_EQ(g.dLeftAngle, read.geometry.dLeftAngle);
    EXPECT_EQ(Codes(Open()), codes);
    EXPECT_EQ(Open().GetSupportDistances().GetSize(), 3);
    EXPECT_EQ(Modified(), 1);
}

// The covers of the source file written into a listed file; the open design is not touched.
TEST_F(ToolCommandsTest, BatchCopyWritesTheListedFiles)
{
    const fs::path source = Example("square-two-columns.glt");
    const fs::path target = Target("target.glt");
    const fs::path second = Target("second.glt");
    const Design read = ReadFile(source);
    m_dialogs->QueueDialog([](CDialog& d) {
        // The sheet's two pages are tabs; the files come in one open dialog.
        auto& sheet = dynamic_cast<CPropertySheet&>(d);
        ASSERT_EQ(sheet.GetPageCount(), 2);
        CPropertyPage& files = *sheet.GetPage(0);
        files.PressButton(1104);
        EXPECT_EQ(dynamic_cast<CListCtrl&>(*files.GetDlgItem(1103)).GetItemCount(), 2);
        ASSERT_TRUE(sheet.SetActivePage(1));
        CPropertyPage& copy = *sheet.GetPage(1);
        EXPECT_EQ(copy.GetCaption(), CString(L"复制"));
        copy.PressButton(1102);
        Tick(copy, 1088);
        d.GetWidget()->grab().save(QString::fromStdString("/tmp/corbel-batch-copy-" + std::to_string(getpid()) + ".png"));
        d.PressButton(IDOK);
    });
    m_dialogs->QueueFileName(L"\"" + Wide(target) + L"\" \"" + Wide(second) + L"\"");
    m_dialogs->QueueFileName(Wide(source));
    Command(ID_BATCH_COPY);
    for (const fs::path& path : {target, second}) {
        const Design written = ReadFile(path);
        EXPECT_DOUBLE_EQ(written.design.GetTopCover(), read.design.GetTopCover());
        EXPECT_DOUBLE_EQ(written.design.GetSideCover(), read.design.GetSideCover());
        EXPECT_EQ(written.design.GetSupportDistances().GetSize(), 3);
    }
    const auto captions = Captions();
    EXPECT_EQ(captions.front(), L"建议备份");
    EXPECT_EQ(captions.back(), L"复制结果");
    EXPECT_EQ(m_boxes->Boxes().back().text, L"成功复制文件2个");
    EXPECT_EQ(Modified(), 0);
}

// New column 1 takes the code of old column 2 in a listed file.
TEST_F(ToolCommandsTest, BatchAdjustRemapsTheColumns)
{
    const fs::path target = Target("columns.glt");
    const Design before = ReadFile(target);
    m_dialogs->QueueDialog([](CDialog& d) {
        auto& sheet = dynamic_cast<CPropertySheet&>(d);
        sheet.GetPage(0)->PressButton(1104);
        ASSERT_TRUE(sheet.SetActivePage(1));
        CPropertyPage& columns = *sheet.GetPage(1);
        auto& rows = dynamic_cast<CListCtrl&>(*columns.GetDlgItem(1107));
        rows.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        NMITEMACTIVATE notice{};
        notice.hdr.hwndFrom = rows.GetSafeHwnd();
        notice.hdr.idFrom = 1107;
        notice.hdr.code = NM_DBLCLK;
        columns.SendMessage(WM_NOTIFY, 1107, reinterpret_cast<LPARAM>(&notice));
        EXPECT_EQ(rows.GetItemText(0, 1), CString(L"2"));
        EXPECT_EQ(rows.GetItemText(0, 2), CString(L"是"));
        d.PressButton(IDOK);
    });
    m_dialogs->QueueFileName(Wide(target));
    m_dialogs->QueueDialog([](CDialog& d) {
        EXPECT_EQ(d.GetTemplateID(), 159u);
        Choose(d, 1110, 1);
        d.PressButton(IDOK);
    });
    Command(ID_BATCH_COLUMNS);
    const Design after = ReadFile(target);
    const std::vector<int> old = Codes(before.design);
    std::vector<int> expected = old;
    expected[0] = old[1];
    if (after.design.GetSkeletonArrangementSymmetric())
        expected.back() = expected.front();
    EXPECT_EQ(Codes(after.design), expected);
    EXPECT_EQ(m_boxes->Boxes().back().text, L"成功调列文件1个");
}

// The proposed formulas applied after Yes: the spacings fill the clear width and height.
TEST_F(ToolCommandsTest, AutomaticSkeletonAndSideSpacings)
{
    CBent_PierInfo& design = Open();
    const CBent_BasicGeometry& g = m_frame->GetProject().m_BasicGeometry;
    m_boxes->SetAnswerForCaption(L"确认应用", IDYES);
    m_dialogs->QueueDialog([](CDialog& d) {
        EXPECT_EQ(d.GetTemplateID(), 164u);
        d.PressButton(IDOK);
    });
    Command(ID_SKELETON_SPACING);
    const auto& columns = design.GetMoreInfo().GetSkeletonSpacings();
    ASSERT_EQ(columns.GetSize(), design.GetMainFace().GetBarColumnCount() - 1);
    double sum = 0;
    for (INT_PTR i = 0; i < columns.GetSize(); ++i)
        sum += columns[i];
    EXPECT_NEAR(sum, g.dWidth - 2 * design.GetSideCover(), 1e-6);
    EXPECT_EQ(Modified(), 1);

    m_dialogs->QueueDialog([](CDialog& d) {
        EXPECT_EQ(d.GetTemplateID(), 219u);
        Choose(d, 1116, 5);
        CString formula;
        d.GetDlgItem(1117)->GetWindowText(formula);
        EXPECT_NE(formula.Find(L'*'), -1);
        d.PressButton(IDOK);
    });
    Command(ID_SIDE_BARS);
    const auto& sides = design.GetMoreInfo().GetSideSpacings();
    ASSERT_EQ(sides.GetSize(), 5);
    sum = 0;
    for (INT_PTR i = 0; i < sides.GetSize(); ++i)
        sum += sides[i];
    EXPECT_NEAR(sum, g.dMiddleHeight - design.GetTopCover() - design.GetBottomCover(), 1e-6);
}

// Four legs over the sample's nine columns: two closed stirrups, their sketch drawn.
TEST_F(ToolCommandsTest, AutomaticStirrupLayout)
{
    m_boxes->SetAnswerForCaption(L"确认应用", IDYES);
    m_dialogs->QueueDialog([](CDialog& d) {
        EXPECT_EQ(d.GetTemplateID(), 218u);
        Choose(d, 1120, 4);
        d.PressButton(IDOK);
    });
    Command(ID_STIRRUP_LAYOUT);
    const auto& stirrups = Open().GetMainFace().GetStirrups();
    ASSERT_EQ(stirrups.GetSize(), 2);
    EXPECT_EQ(stirrups[0].GetStartColumn(), 1);
    EXPECT_EQ(stirrups[1].GetEndColumn(), 9);
    EXPECT_EQ(Modified(), 1);
}
