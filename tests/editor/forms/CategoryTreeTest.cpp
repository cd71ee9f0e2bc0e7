// The category tree: its items for the design's supports, choosing a category as the frame
// answers it, and the rebuild after a change of supports.
#include "CBentCapFormBSView.h"
#include "CBentCapFormNRView.h"
#include "FormsTestSupport.h"

namespace {

// "text=code" of the children of an item, in order.
std::vector<std::wstring> Children(CTreeCtrl& tree, HTREEITEM item)
{
    std::vector<std::wstring> children;
    for (HTREEITEM child = tree.GetChildItem(item); child; child = tree.GetNextSiblingItem(child))
        children.push_back(std::wstring(tree.GetItemText(child).GetString()) + L"="
                           + std::to_wstring(tree.GetItemData(child)));
    return children;
}

class CategoryTreeTest : public FormsTest {
protected:
    CTreeCtrl& Tree() { return m_frame->GetClassView().GetTreeCtrl(); }
    HTREEITEM Item(int code) { return m_frame->GetClassView().FindItemByCode(Tree().GetRootItem(), code); }
};

} // namespace

TEST_F(CategoryTreeTest, ListsEveryCategoryOfThreeSupports)
{
    OpenSample();
    ASSERT_EQ(Design().GetSupportDistances().GetSize(), 3);
    EXPECT_EQ(Children(Tree(), Tree().GetRootItem()),
              (std::vector<std::wstring>{L"基本资料=200", L"一般构造=201", L"墩柱间距=209", L"保护层=202",
                                         L"钢筋等级=203", L"剖面位置=208", L"骨架钢筋=1", L"加强钢筋=204",
                                         L"侧面钢筋=205", L"断面箍筋=206", L"骨架编排=207"}));
    EXPECT_EQ(Children(Tree(), Item(1)),
              (std::vector<std::wstring>{L"整体立面=10", L"1#墩柱=11", L"2#墩柱=12", L"3#墩柱=13"}));
    EXPECT_EQ(Children(Tree(), Item(10)), (std::vector<std::wstring>{L"顶板直筋=101", L"底板直筋=102",
                                                                     L"上弯起筋=103", L"下弯起筋=104"}));
    EXPECT_EQ(Children(Tree(), Item(12)).size(), 4u);
    EXPECT_EQ(Children(Tree(), Item(13)),
              (std::vector<std::wstring>{L"顶板直筋=131", L"上弯起筋=133", L"下弯起筋=134"}));
    EXPECT_TRUE(Tree().IsExpanded(Item(13)));
    EXPECT_EQ(SelectedCode(), 0);
}

TEST_F(CategoryTreeTest, NoSupportsLeaveOnlyTheWholeElevation)
{
    Design().GetSupportDistances().RemoveAll();
    m_frame->RefreshViews(TRUE);
    EXPECT_EQ(Children(Tree(), Item(1)), (std::vector<std::wstring>{L"整体立面=10"}));
}

TEST_F(CategoryTreeTest, AGroupIsRefusedAfterTheFormCommitted)
{
    OpenSample();
    ASSERT_TRUE(Choose(200));
    auto* form = Current<CBentCapFormNRView>();
    ASSERT_NE(form, nullptr);
    ControlOf<CEdit>(form, 1004).SetWindowText(L"2.5");
    for (int group : {1, 10}) {
        ASSERT_TRUE(Choose(group));
        EXPECT_EQ(SelectedCode(), 200) << group;
        EXPECT_EQ(m_frame->GetCurrentCategory(), 200);
        EXPECT_EQ(Current<CBentCapFormNRView>(), form);
    }
    // The commit before the refusal stored the value.
    EXPECT_DOUBLE_EQ(Design().GetMoreInfo().GetWeldWidth(), 2.5);
    EXPECT_EQ(Project().m_nModified, 1);
}

TEST_F(CategoryTreeTest, ARebuildWithoutTheChosenItemFallsBackToTheSummary)
{
    OpenSample();
    ASSERT_TRUE(Choose(131));
    EXPECT_EQ(m_frame->GetCurrentCategory(), 131);
    EXPECT_EQ(m_frame->GetCurrentForm()->GetCategoryCode(), 131);
    Design().GetSupportDistances().SetSize(2);
    m_frame->RefreshViews(TRUE);
    EXPECT_EQ(SelectedCode(), 0);
    EXPECT_EQ(m_frame->GetCurrentCategory(), 0);
    EXPECT_NE(Current<CBentCapFormBSView>(), nullptr);
}

TEST_F(CategoryTreeTest, ARebuildKeepsTheChosenItem)
{
    OpenSample();
    ASSERT_TRUE(Choose(202));
    auto* form = m_frame->GetCurrentForm();
    m_frame->RefreshViews(TRUE);
    EXPECT_EQ(SelectedCode(), 202);
    EXPECT_EQ(m_frame->GetCurrentForm(), form);
}

TEST_F(CategoryTreeTest, SelectingByCodeFromOutside)
{
    OpenSample();
    CBentCapClassView& view = m_frame->GetClassView();
    view.SendMessage(WM_USER + 103, 203);
    EXPECT_EQ(SelectedCode(), 203);
    EXPECT_EQ(m_frame->GetCurrentCategory(), 203);
    // A code no item carries changes nothing.
    view.SendMessage(WM_USER + 103, 999);
    EXPECT_EQ(SelectedCode(), 203);
    EXPECT_EQ(m_frame->GetCurrentCategory(), 203);
}
