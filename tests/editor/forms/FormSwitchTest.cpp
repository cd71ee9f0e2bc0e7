// Switching forms through the tree: the form's values go into the design before the next form
// shows the design, the modified mark follows real changes only, and saving keeps what was typed.
#include "CBent_HlFile.h"
#include "CBentCapFormPTView.h"
#include "CBentCapFormSCView.h"
#include "CButton.h"
#include "CEdit.h"
#include "EditorCommands.h"
#include "FormsTestSupport.h"

#include <filesystem>

namespace fs = std::filesystem;

TEST_F(FormsTest, SwitchingStoresTheFormAndShowsTheNext)
{
    OpenSample();
    ASSERT_TRUE(Choose(202));
    auto* covers = Current<CBentCapFormPTView>();
    ASSERT_NE(covers, nullptr);
    EXPECT_EQ(TextOf(covers->GetCoverCombo(0)), CString(L"5"));
    covers->GetCoverCombo(0).SetWindowText(L"6.5");
    ASSERT_TRUE(Choose(203));
    EXPECT_DOUBLE_EQ(Design().GetTopCover(), 6.5);
    auto* grades = Current<CBentCapFormSCView>();
    ASSERT_NE(grades, nullptr);
    EXPECT_EQ(grades->GetDiameterCombo(0).GetDiameter(), 32);
    // The title shows the change once the form was left.
    CString title;
    m_frame->GetWindowText(title);
    EXPECT_NE(title.Find(L'*'), -1) << title.GetString();
    // Back on the covers, the stored value is shown.
    ASSERT_TRUE(Choose(202));
    EXPECT_EQ(TextOf(Current<CBentCapFormPTView>()->GetCoverCombo(0)), CString(L"6.5"));
}

TEST_F(FormsTest, ChoosingTheShownCategoryCommitsNothing)
{
    OpenSample();
    ASSERT_TRUE(Choose(202));
    auto* covers = Current<CBentCapFormPTView>();
    covers->GetCoverCombo(1).SetWindowText(L"7");
    int verdict = 1;
    m_frame->SendMessage(WM_SELECT_CATEGORY, 202, reinterpret_cast<LPARAM>(&verdict));
    EXPECT_EQ(verdict, 1);
    EXPECT_EQ(Current<CBentCapFormPTView>(), covers);
    EXPECT_DOUBLE_EQ(Design().GetBottomCover(), 5.0);
    EXPECT_EQ(Project().m_nModified, 0);
}

TEST_F(FormsTest, ARealWithinTheToleranceIsNoChange)
{
    OpenSample();
    ASSERT_TRUE(Choose(202));
    Current<CBentCapFormPTView>()->GetCoverCombo(2).SetWindowText(L"5.0000001");
    ASSERT_TRUE(Choose(0));
    EXPECT_EQ(Design().GetSideCover(), 5.0);
    EXPECT_EQ(Project().m_nModified, 0);
}

TEST_F(FormsTest, SavingKeepsWhatWasTyped)
{
    const fs::path copy = m_dir / "typed.glt";
    fs::copy_file(Sample(), copy);
    ASSERT_EQ(m_frame->LoadGltFile(Wide(copy)), 1);
    ASSERT_TRUE(Choose(202));
    Current<CBentCapFormPTView>()->GetCoverCombo(3).SetWindowText(L"4.5");
    m_frame->SendMessage(WM_COMMAND, ID_FILE_SAVE_PROJECT);
    EXPECT_EQ(Project().m_nModified, 0);

    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    CBent_HlFile file;
    file.SetPath(Wide(copy));
    file.SetPierInfo(&design);
    file.SetBasicGeometry(&geometry);
    ASSERT_EQ(file.Read(), 1);
    EXPECT_DOUBLE_EQ(design.GetEndCover(), 45.0);
}

TEST_F(FormsTest, TheUnitChangeTakesWhatWasTyped)
{
    OpenSample();
    ASSERT_TRUE(Choose(202));
    Current<CBentCapFormPTView>()->GetCoverCombo(0).SetWindowText(L"6");
    m_frame->SendMessage(WM_COMMAND, ID_UNIT_MM);
    EXPECT_DOUBLE_EQ(Design().GetTopCover(), 60);
    EXPECT_EQ(TextOf(Current<CBentCapFormPTView>()->GetCoverCombo(0)), CString(L"60"));
}

TEST_F(FormsTest, ARefusingFormKeepsTheUnit)
{
    OpenSample();
    ASSERT_TRUE(Choose(205));
    ControlOf<CButton>(m_frame->GetCurrentForm(), 1039).Click();
    ControlOf<CEdit>(m_frame->GetCurrentForm(), 1041).SetWindowText(L"0*3");
    m_frame->SendMessage(WM_COMMAND, ID_UNIT_MM);
    EXPECT_EQ(Project().m_nUnit, 2);
    EXPECT_EQ(BoxTexts().back(), L"[表达式错误] 间距表达式中存在错误，请检查后确认！");
}
