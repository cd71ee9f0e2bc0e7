// The information view: the messages of the design rules for the design as it stands, the
// filters of its context menu, and the way from a message to its form.
#include "CBentCapFormBSView.h"
#include "CBentCapFormPTView.h"
#include "CDesignValidator.h"
#include "ContextMenuRelay.h"
#include "EditorCommands.h"
#include "FormsTestSupport.h"

#include <algorithm>

namespace {

class InfoViewTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        OpenSample();
    }
    CBentCapInfoView& View() { return m_frame->GetInfoView(); }
    CListBox& List() { return View().GetListBox(); }
    std::vector<std::wstring> Lines()
    {
        std::vector<std::wstring> lines;
        for (int i = 0; i < List().GetCount(); ++i) {
            CString text;
            List().GetText(i, text);
            lines.push_back(text.GetString());
        }
        return lines;
    }
    void ChooseFromMenu(UINT command)
    {
        m_dialogs->QueueMenuCommand(command);
        View().SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List().m_hWnd), 0);
    }
    void NextMessage() { m_frame->SendMessage(WM_COMMAND, ID_NEXT_MESSAGE); }
    // The design's messages as the rules give them.
    void Validate(CStringArray& errors, CStringArray& warnings)
    {
        ValidateDesign(errors, warnings, Design(), Geometry(), Project().GetSaveFactor());
    }
};

const std::wstring kBothHeader = L"------------------------------------------------------错误（警告）列表"
                                 L"---------------------------------------------------------------";

} // namespace

TEST_F(InfoViewTest, ListsTheMessagesOfAFaultyDesignOnceTheFormIsCommitted)
{
    ASSERT_TRUE(Choose(202));
    Current<CBentCapFormPTView>()->GetCoverCombo(0).SetWindowText(L"0");
    ASSERT_TRUE(Choose(0));
    CStringArray errors, warnings;
    Validate(errors, warnings);
    ASSERT_GT(errors.GetSize(), 0);
    std::vector<std::wstring> expected{kBothHeader, L"共有错误" + std::to_wstring(errors.GetSize()) + L"个；警告"
                                                        + std::to_wstring(warnings.GetSize()) + L"个"};
    for (INT_PTR i = 0; i < errors.GetSize(); ++i) {
        const int bar = errors[i].Find(L'|');
        expected.push_back(std::wstring(errors[i].Left(bar).GetString()) + L"；错误：" + errors[i].Mid(bar + 1).GetString());
    }
    for (INT_PTR i = 0; i < warnings.GetSize(); ++i) {
        const int bar = warnings[i].Find(L'|');
        expected.push_back(std::wstring(warnings[i].Left(bar).GetString()) + L"；警告："
                           + warnings[i].Mid(bar + 1).GetString());
    }
    EXPECT_EQ(Lines(), expected);
    EXPECT_NE(std::ranges::find(expected, std::wstring(L"保护层；错误：顶板保护层小于或等于0")), expected.end());
}

TEST_F(InfoViewTest, TheMenuFiltersErrorsAndWarnings)
{
    Design().SetTopCover(0);
    CStringArray errors, warnings;
    Validate(errors, warnings);
    ChooseFromMenu(32781);
    EXPECT_EQ(View().GetShowErrors(), 0);
    std::vector<std::wstring> lines = Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], L"------------------------------------------------------警告列表"
                        L"-----------------------------------------------------------------------");
    EXPECT_EQ(lines[1], L"共有警告" + std::to_wstring(warnings.GetSize()) + L"个");
    EXPECT_EQ(lines.size(), 2u + warnings.GetSize());
    ChooseFromMenu(32782);
    EXPECT_TRUE(Lines().empty());
    NextMessage();
    EXPECT_EQ(List().GetCurSel(), -1);
    ChooseFromMenu(32781);
    lines = Lines();
    EXPECT_EQ(lines[0], L"------------------------------------------------------错误列表"
                        L"-----------------------------------------------------------------------");
    EXPECT_EQ(lines[1], L"共有错误" + std::to_wstring(errors.GetSize()) + L"个");
    EXPECT_EQ(lines[2], L"保护层；错误：顶板保护层小于或等于0");
}

TEST_F(InfoViewTest, NextMessageWalksTheMessagesAndLeadsToTheirForms)
{
    Design().SetTopCover(0);
    Design().SetBottomCover(0);
    View().FillMessageList();
    const int count = List().GetCount();
    ASSERT_GE(count, 4);
    NextMessage();
    EXPECT_EQ(List().GetCurSel(), 2);
    EXPECT_EQ(Lines()[2], L"保护层；错误：顶板保护层小于或等于0");
    EXPECT_EQ(m_frame->GetCurrentCategory(), 202);
    EXPECT_NE(Current<CBentCapFormPTView>(), nullptr);
    List().SetCurSel(count - 1);
    NextMessage();
    EXPECT_EQ(List().GetCurSel(), 2);
    List().SetCurSel(1);
    NextMessage();
    EXPECT_EQ(List().GetCurSel(), 2);
}

TEST_F(InfoViewTest, TheSummaryLineLeadsToTheSummaryForm)
{
    ASSERT_TRUE(Choose(203));
    List().SetCurSel(1);
    View().OnListDblClk();
    EXPECT_EQ(SelectedCode(), 0);
    EXPECT_NE(Current<CBentCapFormBSView>(), nullptr);
    // The header leads nowhere.
    EXPECT_EQ(View().JumpToMessage(0), 0);
    EXPECT_EQ(View().JumpToMessage(List().GetCount()), 0);
}

TEST_F(InfoViewTest, AListWithoutMessagesIgnoresNextMessage)
{
    ChooseFromMenu(32782);  // errors only
    CStringArray errors, warnings;
    Validate(errors, warnings);
    if (errors.GetSize() != 0)
        GTEST_SKIP() << "the sample breaks a rule";
    ASSERT_EQ(List().GetCount(), 2);
    NextMessage();
    EXPECT_EQ(List().GetCurSel(), -1);
}

TEST_F(InfoViewTest, TheGoToItemNeedsAMessageLine)
{
    Design().SetTopCover(0);
    View().FillMessageList();
    m_dialogs->QueueMenuCommand(0);
    List().SetCurSel(1);
    View().SendMessage(WM_CONTEXTMENU, 0, 0);
    EXPECT_EQ(m_frame->GetCurrentCategory(), 0);
    // A right click on the list opens the menu.
    List().SetCurSel(2);
    m_dialogs->QueueMenuCommand(32783);
    emit List().GetWidget()->customContextMenuRequested(QPoint(3, 3));
    EXPECT_EQ(m_frame->GetCurrentCategory(), 202);
}
