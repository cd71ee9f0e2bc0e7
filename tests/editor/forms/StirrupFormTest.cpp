// The section-stirrup form: spacings and densified ranges shown and stored, the stirrup rows
// with their cells, and the bar commands with the stirrup dialog and their questions.
#include "CBentCapFormHPView.h"
#include "CDialog.h"
#include "EditorCommands.h"
#include "FormsTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>

namespace {

class StirrupFormTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        OpenSample();
    }
    CBentCapFormHPView* Show()
    {
        EXPECT_TRUE(Choose(206));
        auto* form = Current<CBentCapFormHPView>();
        EXPECT_NE(form, nullptr);
        return form;
    }
    void SetStirrups(std::initializer_list<std::pair<int, int>> spans)
    {
        auto& stirrups = Design().GetMainFace().GetStirrups();
        stirrups.RemoveAll();
        for (const auto& [start, end] : spans) {
            CBent_PAFSteel stirrup;
            stirrup.SetStartColumn(start);
            stirrup.SetEndColumn(end);
            stirrups.Add(stirrup);
        }
    }
    std::vector<std::wstring> Rows(CBentCapFormHPView* form)
    {
        std::vector<std::wstring> rows;
        for (int i = 0; i < form->GetStirrupList().GetItemCount(); ++i)
            rows.push_back(form->GetStirrupList().GetItemText(i, 0).GetString());
        return rows;
    }
    // The next stirrup dialog answered with the combo indexes and OK.
    void AnswerDialog(int startIndex, int endIndex)
    {
        m_dialogs->QueueDialog([startIndex, endIndex](CDialog& dialog) {
            ControlOf<CComboBox>(&dialog, 1055).SetCurSel(startIndex);
            ControlOf<CComboBox>(&dialog, 1056).SetCurSel(endIndex);
            dialog.PressButton(IDOK);
        });
    }
    CComboBox& Combo(CBentCapFormHPView* form, UINT nID) { return ControlOf<CComboBox>(form, nID); }
};

const wchar_t kStart = L'├', kEnd = L'┤', kRun = L'─';

} // namespace

TEST_F(StirrupFormTest, ShowsAndStoresTheSpacings)
{
    auto* form = Show();
    const struct {
        UINT nID;
        const wchar_t* shown;
        const wchar_t* typed;
    } combos[] = {// The ranges by their meaning, read from the file in its own order.
                  {1056, L"15", L"12"}, {1057, L"10", L"8"},  {1058, L"20", L"25"},
                  {1061, L"120", L"梁高"}, {1059, L"80", L"100"}, {1060, L"120", L"梁高"}};
    for (const auto& c : combos)
        EXPECT_EQ(TextOf(Combo(form, c.nID)), CString(c.shown)) << c.nID;
    EXPECT_EQ(Combo(form, 1056).GetCount(), 17);
    CString text;
    Combo(form, 1060).GetLBText(0, text);
    EXPECT_EQ(text, CString(L"梁高"));
    Combo(form, 1060).GetLBText(1, text);
    EXPECT_EQ(text, CString(L"60"));
    EXPECT_EQ(ControlOf<CButton>(form, 1062).GetCheck(), BST_CHECKED);
    // A pier cap has no skew spacing; three piers have a middle range.
    EXPECT_FALSE(Combo(form, 1058).IsWindowEnabled());
    EXPECT_TRUE(Combo(form, 1061).IsWindowEnabled());
    for (const auto& c : combos)
        Combo(form, c.nID).SetWindowText(c.typed);
    ControlOf<CButton>(form, 1110).Click();
    const int seismic = Design().GetMoreInfo().GetSeismicStirrups();
    ASSERT_TRUE(Choose(0));
    const CBent_MoreInfo& more = Design().GetMoreInfo();
    EXPECT_DOUBLE_EQ(more.GetStirrupSpacing(), 12);
    EXPECT_DOUBLE_EQ(more.GetDenseStirrupSpacing(), 8);
    EXPECT_DOUBLE_EQ(more.GetSkewStirrupSpacing(), 25);
    EXPECT_DOUBLE_EQ(more.GetDenseHalfRangeMiddle(), -1);
    EXPECT_DOUBLE_EQ(more.GetDenseRangeEdgeOuter(), 100);
    EXPECT_DOUBLE_EQ(more.GetDenseRangeEdgeInner(), -1);
    EXPECT_EQ(more.GetSeismicStirrups(), 1 - seismic);
    form = Show();
    EXPECT_EQ(TextOf(Combo(form, 1061)), CString(L"梁高"));
}

TEST_F(StirrupFormTest, TheDensifyCheckEnablesTheRanges)
{
    auto* form = Show();
    ControlOf<CButton>(form, 1062).Click();
    for (UINT nID : {1057U, 1059U, 1060U, 1061U})
        EXPECT_FALSE(Combo(form, nID).IsWindowEnabled()) << nID;
    ControlOf<CButton>(form, 1062).Click();
    EXPECT_TRUE(Combo(form, 1061).IsWindowEnabled());
    Design().GetSupportDistances().SetSize(2);
    form->LoadData();
    EXPECT_TRUE(Combo(form, 1060).IsWindowEnabled());
    EXPECT_FALSE(Combo(form, 1061).IsWindowEnabled());
}

TEST_F(StirrupFormTest, MiddleColumnsAreMarked)
{
    for (int nc : {6, 7}) {
        Design().GetMainFace().SetBarColumnCount(nc);
        auto* form = Show();
        CListCtrl& list = form->GetStirrupList();
        ASSERT_EQ(list.GetColumnCount(), nc + 1);
        EXPECT_EQ(list.GetColumnHeading(0), CString(L"箍筋编号"));
        for (int i = 1; i <= nc; ++i) {
            const bool middle = nc == 6 ? i == 3 || i == 4 : i == 4;
            CString expected;
            expected.Format(middle ? L"●%d" : L"列%d", i);
            EXPECT_EQ(list.GetColumnHeading(i), expected) << nc << " " << i;
        }
        ASSERT_TRUE(Choose(0));
    }
}

TEST_F(StirrupFormTest, RowsAndCells)
{
    Design().GetMainFace().SetBarColumnCount(6);
    SetStirrups({{2, 4}, {3, 3}, {5, -1}, {-1, 6}, {8, 9}, {1, 9}});
    auto* form = Show();
    EXPECT_EQ(Rows(form), (std::vector<std::wstring>{L"N1(2～4)", L"N2(3～3)", L"N3(5～-1)", L"N4(-1～6)", L"N5(1～6)"}));
    CListCtrl& list = form->GetStirrupList();
    const std::wstring run(1, kRun);
    const struct {
        int row;
        int column;
        std::wstring text;
    } cells[] = {{0, 1, L""},
                 {0, 2, kStart + run + run + run},
                 {0, 3, run + run + run + run},
                 {0, 4, run + run + run + kEnd},
                 {1, 3, kStart + run + run + kEnd},
                 {2, 5, kStart + run + run},
                 {2, 6, L""},
                 {3, 6, run + run + kEnd},
                 {4, 6, run + run + run + kEnd}};
    for (const auto& c : cells)
        EXPECT_EQ(std::wstring(list.GetItemText(c.row, c.column).GetString()), c.text) << c.row << "," << c.column;
    // The stirrup past the columns is gone, the one ending past them cut.
    EXPECT_EQ(Design().GetMainFace().GetStirrups().GetSize(), 5);
    EXPECT_EQ(Design().GetMainFace().GetStirrups()[4].GetEndColumn(), 6);
}

TEST_F(StirrupFormTest, SortsByStartOrEnd)
{
    SetStirrups({{5, 8}, {-1, 3}, {1, 4}});
    auto* form = Show();
    m_boxes->SetAnswerForCaption(L"确认排序", IDYES);
    m_frame->SendMessage(WM_COMMAND, ID_SORT_STEEL);
    EXPECT_EQ(Rows(form), (std::vector<std::wstring>{L"N1(1～4)", L"N2(-1～3)", L"N3(5～8)"}));
    EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{L"[确认排序] 排序操作无法撤销，确实需要对箍筋进行排序吗？"}));
    EXPECT_EQ(Project().m_nModified, 1);
}

TEST_F(StirrupFormTest, AddModifyAndDelete)
{
    SetStirrups({});
    const int nc = Design().GetMainFace().GetBarColumnCount();
    auto* form = Show();
    // Added: start 2, single leg.
    AnswerDialog(1, nc);
    m_frame->SendMessage(WM_COMMAND, ID_ADD_STEEL);
    ASSERT_EQ(Rows(form), (std::vector<std::wstring>{L"N1(2～-1)"}));
    // Both ends open, then end before start: refused, the dialog stays until cancelled.
    m_dialogs->QueueDialog([nc](CDialog& dialog) {
        ControlOf<CComboBox>(&dialog, 1055).SetCurSel(nc);
        dialog.PressButton(IDOK);
        ControlOf<CComboBox>(&dialog, 1055).SetCurSel(4);
        ControlOf<CComboBox>(&dialog, 1056).SetCurSel(2);
        dialog.PressButton(IDOK);
    });
    form->GetStirrupList().ClickItem(0, NM_CLICK);
    EXPECT_EQ(form->GetSelectedRow(), 0);
    m_frame->SendMessage(WM_COMMAND, ID_MODIFY_STEEL);
    EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{L"[箍筋错误] 设置单肢箍筋时，起始和终止中必须有一个指定箍筋位置！",
                                                     L"[箍筋错误] 箍筋起始必须小于或等于箍筋终止！"}));
    EXPECT_EQ(Rows(form), (std::vector<std::wstring>{L"N1(2～-1)"}));
    // Modified by a double click.
    AnswerDialog(0, 3);
    form->GetStirrupList().ClickItem(0, NM_DBLCLK);
    EXPECT_EQ(Rows(form), (std::vector<std::wstring>{L"N1(1～4)"}));
    // Deleted after the question.
    m_boxes->SetAnswerForCaption(L"确认删除", IDYES);
    m_frame->SendMessage(WM_COMMAND, ID_DELETE_STEEL);
    EXPECT_TRUE(Rows(form).empty());
    EXPECT_EQ(BoxTexts().back(), L"[确认删除] 删除的钢筋无法恢复，确实需要删除N1(1～4)吗？");
    EXPECT_EQ(Design().GetMainFace().GetStirrups().GetSize(), 0);
}

TEST_F(StirrupFormTest, TheContextMenuGreysWhatCannotRun)
{
    SetStirrups({{1, 2}});
    auto* form = Show();
    m_dialogs->QueueMenuCommand(ID_DELETE_STEEL);
    m_boxes->SetAnswerForCaption(L"确认删除", IDYES);
    // The menu opens where the mouse is.
    QCursor::setPos(321, 234);
    form->GetStirrupList().ClickItem(0, NM_RCLICK);
    EXPECT_TRUE(Rows(form).empty());
    EXPECT_EQ(m_dialogs->LastMenuPosition().x, 321);
    EXPECT_EQ(m_dialogs->LastMenuPosition().y, 234);
}

// The tool bar follows a change of form at once, and a click in the form once the click is over.
TEST_F(StirrupFormTest, TheToolBarFollowsTheFormAndTheSelection)
{
    SetStirrups({{1, 2}});
    CToolBar& bar = m_frame->GetToolBar();
    auto enabled = [&bar](UINT nID) { return bar.GetButtonAction(bar.CommandToIndex(nID))->isEnabled(); };
    ASSERT_TRUE(Choose(0));
    EXPECT_FALSE(enabled(ID_ADD_STEEL));
    auto* form = Show();
    EXPECT_TRUE(enabled(ID_ADD_STEEL));
    EXPECT_FALSE(enabled(ID_MODIFY_STEEL));
    form->GetStirrupList().ClickItem(0, NM_CLICK);
    QWidget* list = form->GetStirrupList().GetWidget();
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list, &release);
    QApplication::processEvents();
    EXPECT_TRUE(enabled(ID_MODIFY_STEEL));
    EXPECT_TRUE(enabled(ID_DELETE_STEEL));
}
