// The bar commands of the elevation-bar form: add, delete and sort from the menu and the
// context menu, when they are grey, and the refusal of a pier that a symmetric skeleton derives.
#include "CBentCapFormRBView.h"
#include "ContextMenuRelay.h"
#include "EditorCommands.h"
#include "FormsTestSupport.h"

#include <QAction>

namespace {

class ElevationBarCommandFormTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        OpenSample();
    }
    CBentCapFormRBView* Show(int code)
    {
        EXPECT_TRUE(Choose(code)) << code;
        auto* form = Current<CBentCapFormRBView>();
        EXPECT_NE(form, nullptr) << code;
        return form;
    }
    void Command(UINT nID) { m_frame->SendMessage(WM_COMMAND, nID); }
    static BOOL Enabled(CBentCapFormRBView* form, UINT nID)
    {
        QAction action;
        CCmdUI ui(nID, &action);
        EXPECT_TRUE(form->UpdateCommandUI(&ui));
        return action.isEnabled();
    }
    static void ContextMenu(CBentCapFormRBView* form)
    {
        form->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form->GetGridCtrl()->GetSafeHwnd()),
                          MAKELPARAM(20, 20));
    }
    // Column texts of the bar rows.
    static std::vector<std::wstring> Column(CBentCapFormRBView* form, int col)
    {
        std::vector<std::wstring> texts;
        const CGridCtrl& grid = *form->GetGridCtrl();
        for (int row = grid.GetFixedRowCount(); row < grid.GetRowCount(); ++row)
            texts.push_back(grid.GetItemText(row, col).GetString());
        return texts;
    }
    CBent_PoleInfo& Support(int i) { return Design().GetMainFace().GetSupports()[i]; }
    void SetUpperBars(int support, std::initializer_list<std::pair<double, double>> distances)
    {
        auto& bars = Support(support).GetLPTSteels();
        bars.RemoveAll();
        for (const auto& [left, right] : distances) {
            CBent_LPTSteel bar;
            bar.SetAxisDistances(left, right);
            bars.Add(bar);
        }
    }
    using Texts = std::vector<std::wstring>;
};

} // namespace

TEST_F(ElevationBarCommandFormTest, AddStoresTheGridThenCopiesTheLastBar)
{
    auto* form = Show(101);
    form->GetGridCtrl()->SetItemText(1, 1, L"170");
    Command(ID_ADD_STEEL);
    auto& bars = Design().GetMainFace().GetLUPSteels();
    ASSERT_EQ(bars.GetSize(), 2);
    EXPECT_DOUBLE_EQ(bars[1].GetLeftDistance(), 170);
    EXPECT_DOUBLE_EQ(bars[1].GetRightDistance(), 170);
    EXPECT_EQ(Column(form, 0), (Texts{L"N1", L"N2"}));
    EXPECT_EQ(Column(form, 1), (Texts{L"170", L"170"}));
    EXPECT_EQ(Project().m_nModified, 1);
    EXPECT_TRUE(Enabled(form, ID_ADD_STEEL));
}

TEST_F(ElevationBarCommandFormTest, AddToAnEmptyListGivesTheDefaults)
{
    Design().GetMainFace().GetLUTSteels().RemoveAll();
    Support(0).GetLPBSteels().RemoveAll();
    auto* whole = Show(103);
    Command(ID_ADD_STEEL);
    ASSERT_EQ(Design().GetMainFace().GetLUTSteels().GetSize(), 1);
    EXPECT_EQ(Design().GetMainFace().GetLUTSteels()[0].GetColumnListSize(), 3);
    EXPECT_EQ(Column(whole, 1), (Texts{L"0"}));
    EXPECT_EQ(Column(whole, 3), (Texts{L"0"}));
    auto* pier = Show(114);
    Command(ID_ADD_STEEL);
    ASSERT_EQ(Support(0).GetLPBSteels().GetSize(), 1);
    EXPECT_EQ(Column(pier, 1), (Texts{L"圆弧"}));
    EXPECT_EQ(Column(pier, 2), (Texts{L"0"}));
}

TEST_F(ElevationBarCommandFormTest, DeleteAsksForTheSelectedBarOnly)
{
    auto* form = Show(103);
    CGridCtrl& grid = *form->GetGridCtrl();
    // Nothing selected, then cells of two bars: grey, and the command does nothing.
    EXPECT_FALSE(Enabled(form, ID_DELETE_STEEL));
    grid.SetSelectedRange(2, 1, 3, 1);
    EXPECT_FALSE(Enabled(form, ID_DELETE_STEEL));
    Command(ID_DELETE_STEEL);
    // The header rows are no bar either.
    grid.SetSelectedRange(1, 1, 1, 2);
    EXPECT_FALSE(Enabled(form, ID_DELETE_STEEL));
    EXPECT_TRUE(BoxTexts().empty());
    // The first bar: No keeps it.
    grid.SetSelectedRange(2, 1, 2, 3);
    EXPECT_TRUE(Enabled(form, ID_DELETE_STEEL));
    m_boxes->SetAnswerForCaption(L"确认删除", IDNO);
    Command(ID_DELETE_STEEL);
    EXPECT_EQ(BoxTexts(), (Texts{L"[确认删除] 删除的钢筋无法恢复，确实需要删除钢筋N1吗？"}));
    EXPECT_EQ(Design().GetMainFace().GetLUTSteels().GetSize(), 2);
    EXPECT_EQ(Project().m_nModified, 0);
    // Yes removes it; the unstored edit of the other bar is dropped.
    grid.SetItemText(3, 1, L"777");
    m_boxes->SetAnswerForCaption(L"确认删除", IDYES);
    Command(ID_DELETE_STEEL);
    ASSERT_EQ(Design().GetMainFace().GetLUTSteels().GetSize(), 1);
    EXPECT_DOUBLE_EQ(Design().GetMainFace().GetLUTSteels()[0].GetLeftAxisDistanceAt(0), 130);
    EXPECT_EQ(Column(form, 1), (Texts{L"130"}));
    EXPECT_EQ(Project().m_nModified, 1);
}

TEST_F(ElevationBarCommandFormTest, SortOrdersUpperBarsAtAPierWithUnsetDistancesKeptInFront)
{
    SetUpperBars(0, {{99999, 3}, {10, 7}, {5, 9}});
    auto* form = Show(113);
    EXPECT_TRUE(Enabled(form, ID_SORT_STEEL));
    Command(ID_SORT_STEEL);
    EXPECT_EQ(Column(form, 2), (Texts{L"X", L"5", L"10"}));
    EXPECT_EQ(Column(form, 3), (Texts{L"3", L"9", L"7"}));
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(Project().m_nModified, 1);
}

TEST_F(ElevationBarCommandFormTest, SortIsGreyForOneBarAndKeepsBottomStraightBars)
{
    auto* single = Show(101);
    EXPECT_FALSE(Enabled(single, ID_SORT_STEEL));
    m_dialogs->QueueMenuCommand(ID_SORT_STEEL);
    ContextMenu(single);
    EXPECT_EQ(Project().m_nModified, 0);
    // Two bottom straight bars: enabled, no order changes, yet the design counts as modified.
    auto& bottom = Design().GetMainFace().GetLUMSteels();
    bottom.Add(bottom[0]);
    bottom[0].SetLeftDistance(9);
    auto* form = Show(102);
    EXPECT_TRUE(Enabled(form, ID_SORT_STEEL));
    m_dialogs->QueueMenuCommand(ID_SORT_STEEL);
    ContextMenu(form);
    EXPECT_EQ(Project().m_nModified, 1);
    EXPECT_EQ(Design().GetMainFace().GetLUMSteels().GetSize(), 2);
    EXPECT_FALSE(Enabled(form, ID_MODIFY_STEEL));
}

TEST_F(ElevationBarCommandFormTest, TheContextMenuDeletesTheSelectedBar)
{
    auto* form = Show(113);
    m_dialogs->QueueMenuCommand(ID_DELETE_STEEL);
    ContextMenu(form);
    EXPECT_EQ(Support(0).GetLPTSteels().GetSize(), 2);
    form->GetGridCtrl()->SetSelectedRange(2, 0, 2, 3);
    m_boxes->SetAnswerForCaption(L"确认删除", IDYES);
    m_dialogs->QueueMenuCommand(ID_DELETE_STEEL);
    ContextMenu(form);
    EXPECT_EQ(Support(0).GetLPTSteels().GetSize(), 1);
    EXPECT_EQ(BoxTexts(), (Texts{L"[确认删除] 删除的钢筋无法恢复，确实需要删除钢筋N2吗？"}));
}

TEST_F(ElevationBarCommandFormTest, ADerivedPierRefusesEveryCommand)
{
    const int before = static_cast<int>(Support(2).GetLPTSteels().GetSize());
    Support(2).GetLPTSteels().Add(Support(2).GetLPTSteels()[0]);
    auto* form = Show(133);
    form->GetGridCtrl()->SetSelectedRange(1, 0, 1, 3);
    m_boxes->SetAnswerForCaption(L"确认删除", IDYES);
    for (UINT nID : {ID_ADD_STEEL, ID_DELETE_STEEL, ID_SORT_STEEL})
        Command(nID);
    const std::wstring refusal = L"[不能操作] 对称情况下，本墩柱不能进行钢筋添加、修改、删除、排序操作！";
    EXPECT_EQ(BoxTexts(), (Texts{refusal, refusal, refusal}));
    EXPECT_EQ(Support(2).GetLPTSteels().GetSize(), before + 1);
    EXPECT_EQ(Project().m_nModified, 0);
    // The whole elevation is never derived.
    Show(103);
    Command(ID_ADD_STEEL);
    EXPECT_EQ(Design().GetMainFace().GetLUTSteels().GetSize(), 3);
}
