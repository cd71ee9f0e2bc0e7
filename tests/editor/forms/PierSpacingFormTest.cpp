// The pier-spacing form: the support spacings in the grid, the derived ones as read-only
// "自动", and the typed spacings stored with their partners when the form is left.
#include "CBentCapFormPLView.h"
#include "CDialog.h"
#include "FormsTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace {

class PierSpacingFormTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        OpenSample();
    }
    // n piers with spacings 100, 200, ...; the switches as given.
    void SetPiers(int n, int equalMiddle, int symmetric)
    {
        auto& spacings = Design().GetSupportDistances();
        spacings.SetSize(n);
        for (int i = 0; i < n; ++i)
            spacings[i] = 100.0 * (i + 1);
        Design().SetSupportCount(equalMiddle);
        Design().SetColumnSpacingSymmetric(symmetric);
    }
    CBentCapFormPLView* Show()
    {
        EXPECT_TRUE(Choose(209));
        auto* form = Current<CBentCapFormPLView>();
        EXPECT_NE(form, nullptr);
        return form;
    }
    // The value row, cell by cell from L(1).
    static std::vector<std::wstring> Values(const CBentCapFormPLView* form)
    {
        std::vector<std::wstring> texts;
        CGridCtrl& grid = *form->GetGridCtrl();
        for (int col = 1; col < grid.GetColumnCount(); ++col)
            texts.push_back(grid.GetItemText(1, col).GetString());
        return texts;
    }
    std::vector<double> Spacings()
    {
        const auto& spacings = Design().GetSupportDistances();
        std::vector<double> values;
        for (INT_PTR i = 0; i < spacings.GetSize(); ++i)
            values.push_back(spacings[i]);
        return values;
    }
};

} // namespace

TEST_F(PierSpacingFormTest, ShowsTheSampleSpacings)
{
    auto* form = Show();
    ASSERT_NE(form, nullptr);
    CGridCtrl& grid = *form->GetGridCtrl();
    ASSERT_EQ(grid.GetRowCount(), 2);
    ASSERT_EQ(grid.GetColumnCount(), 4);
    EXPECT_EQ(grid.GetFixedRowCount(), 1);
    EXPECT_EQ(grid.GetFixedColumnCount(), 1);
    EXPECT_EQ(grid.GetColumnWidth(2), 100);
    const wchar_t* header[] = {L"序号", L"L(1)", L"L(2)", L"L(3)"};
    for (int col = 0; col < 4; ++col)
        EXPECT_EQ(std::wstring(grid.GetItemText(0, col).GetString()), header[col]) << col;
    EXPECT_EQ(std::wstring(grid.GetItemText(1, 0).GetString()), L"间距");
    // Three piers under symmetry: the spacing to the right end follows the first one.
    EXPECT_EQ(Values(form), (std::vector<std::wstring>{L"220", L"410", L"自动"}));
    EXPECT_TRUE(grid.IsCellEditable(1, 2));
    EXPECT_FALSE(grid.IsCellEditable(1, 3));
    EXPECT_EQ(grid.GetItemFormat(1, 1), static_cast<UINT>(DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS));
    EXPECT_EQ(form->GetSketch().m_nColumnCount, 3);
}

TEST_F(PierSpacingFormTest, DerivedSpacingsFollowTheSwitches)
{
    const struct {
        int n, equalMiddle, symmetric;
        std::vector<std::wstring> shown;
    } cases[] = {
        {1, 1, 1, {L"100"}},
        {2, 0, 1, {L"100", L"自动"}},
        {5, 0, 1, {L"100", L"200", L"300", L"自动", L"自动"}},
        {5, 1, 0, {L"100", L"自动", L"自动", L"自动", L"500"}},
        {5, 1, 1, {L"100", L"自动", L"自动", L"自动", L"自动"}},
        {4, 0, 0, {L"100", L"200", L"300", L"400"}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Choose(0));
        SetPiers(c.n, c.equalMiddle, c.symmetric);
        EXPECT_EQ(Values(Show()), c.shown) << c.n << " " << c.equalMiddle << c.symmetric;
    }
}

TEST_F(PierSpacingFormTest, TypedSpacingsAreStoredWithTheirPartnersOnLeaving)
{
    // Five piers, symmetric: entry 0 goes to 4 and entry 2 to 3; entry 1 has no stored partner.
    SetPiers(5, 0, 1);
    CGridCtrl* grid = Show()->GetGridCtrl();
    grid->SetItemText(1, 1, L"150");
    grid->SetItemText(1, 2, L"250abc");
    grid->SetItemText(1, 3, L"350");
    ASSERT_TRUE(Choose(200));
    EXPECT_EQ(Spacings(), (std::vector<double>{150, 250, 350, 350, 150}));
    EXPECT_EQ(Project().m_nModified, 1);
    // Two piers: the second follows the first.
    SetPiers(2, 0, 1);
    Show()->GetGridCtrl()->SetItemText(1, 1, L"1.5");
    ASSERT_TRUE(Choose(200));
    EXPECT_EQ(Spacings(), (std::vector<double>{1.5, 1.5}));
}

TEST_F(PierSpacingFormTest, TextWithoutANumberIsZeroAndTinyDifferencesAreNoChange)
{
    CGridCtrl* grid = Show()->GetGridCtrl();
    grid->SetItemText(1, 2, L"410.0000001");
    ASSERT_TRUE(Choose(200));
    EXPECT_EQ(Spacings(), (std::vector<double>{220, 410, 220}));
    EXPECT_EQ(Project().m_nModified, 0);
    Show()->GetGridCtrl()->SetItemText(1, 2, L"abc");
    ASSERT_TRUE(Choose(200));
    EXPECT_EQ(Spacings(), (std::vector<double>{220, 0, 220}));
    EXPECT_EQ(Project().m_nModified, 1);
}

// Ctrl+C in the focused grid copies its cells; elsewhere it is the window's cap copy.
TEST_F(PierSpacingFormTest, AFocusedGridTakesCtrlC)
{
    CGridCtrl& grid = *Show()->GetGridCtrl();
    m_frame->ShowWindow(SW_SHOW);
    QApplication::setActiveWindow(m_frame->GetWidget());
    grid.SetSelectedRange(1, 1, 1, 2);
    grid.SetFocusCell(1, 1);
    grid.SetFocus();
    QApplication::clipboard()->clear();
    bool capCopy = false;
    m_dialogs->QueueDialog([&capCopy](CDialog& dialog) {
        capCopy = true;
        dialog.PressButton(IDCANCEL);
    });
    QTest::keyClick(grid.GetWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(capCopy);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("220\t410")));
    m_frame->GetClassView().SetFocus();
    QTest::keyClick(m_frame->GetClassView().GetWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(capCopy);
}

// A spacing typed into the grid that is no number is refused there, as in the forms' fields.
TEST_F(PierSpacingFormTest, TypedTextThatIsNoNumberIsRefusedInTheCell)
{
    CGridCtrl& grid = *Show()->GetGridCtrl();
    m_frame->ShowWindow(SW_SHOW);
    QApplication::setActiveWindow(m_frame->GetWidget());
    grid.SetFocusCell(1, 1);
    grid.SetFocus();
    const size_t boxes = BoxTexts().size();
    QTest::keyClicks(grid.GetWidget(), QStringLiteral("a"));
    CWnd* field = grid.GetDlgItem(IDC_INPLACE_CONTROL);
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field->GetWidget(), QStringLiteral("bc"));
    QTest::keyClick(field->GetWidget(), Qt::Key_Return);
    for (int round = 0; round < 4; ++round)
        QApplication::processEvents();
    ASSERT_EQ(BoxTexts().size(), boxes + 1);
    EXPECT_NE(BoxTexts().back().find(L"请输入一个数字。"), std::wstring::npos);
    EXPECT_EQ(grid.GetItemText(1, 1), CString(L"220"));
    EXPECT_EQ(CWnd::GetFocus(), grid.GetDlgItem(IDC_INPLACE_CONTROL));
    QTest::keyClicks(field->GetWidget(), QStringLiteral("250"));
    QTest::keyClick(field->GetWidget(), Qt::Key_Return);
    for (int round = 0; round < 4; ++round)
        QApplication::processEvents();
    EXPECT_EQ(grid.GetItemText(1, 1), CString(L"250"));
    ASSERT_TRUE(Choose(200));
    EXPECT_EQ(Spacings(), (std::vector<double>{250, 410, 250}));
}
