// The side-bar form: equal or unequal spacing, the expression read and checked against the
// skeleton height, and the refusals that keep the form.
#include "CBentCapFormSDView.h"
#include "FormsTestSupport.h"

namespace {

class SideBarFormTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        OpenSample();
        // A skeleton 110 high: 120 less two covers of 5.
        Geometry().dMiddleHeight = 120;
        Design().GetMoreInfo().GetSideSpacings().RemoveAll();
        Design().GetMoreInfo().SetSideBarSpacing(10);
    }
    CBentCapFormSDView* Show()
    {
        EXPECT_TRUE(Choose(205));
        auto* form = Current<CBentCapFormSDView>();
        EXPECT_NE(form, nullptr);
        return form;
    }
    std::vector<double> Stored()
    {
        std::vector<double> values;
        const auto& list = Design().GetMoreInfo().GetSideSpacings();
        for (INT_PTR i = 0; i < list.GetSize(); ++i)
            values.push_back(list[i]);
        return values;
    }
    void Unequal(CBentCapFormSDView* form, const wchar_t* expression)
    {
        ControlOf<CButton>(form, 1039).Click();
        ControlOf<CEdit>(form, 1041).SetWindowText(expression);
    }
};

} // namespace

TEST_F(SideBarFormTest, EqualSpacingInTheUnit)
{
    auto* form = Show();
    CComboBox& combo = ControlOf<CComboBox>(form, 1044);
    ASSERT_EQ(combo.GetCount(), 13);
    CString first, last;
    combo.GetLBText(0, first);
    combo.GetLBText(12, last);
    EXPECT_EQ(first, CString(L"8"));
    EXPECT_EQ(last, CString(L"20"));
    EXPECT_EQ(TextOf(combo), CString(L"10"));
    EXPECT_EQ(ControlOf<CButton>(form, 1038).GetCheck(), BST_CHECKED);
    EXPECT_FALSE(ControlOf<CEdit>(form, 1041).IsWindowEnabled());
    combo.SetWindowText(L"12.5");
    ASSERT_TRUE(Choose(0));
    EXPECT_DOUBLE_EQ(Design().GetMoreInfo().GetSideBarSpacing(), 12.5);
}

TEST_F(SideBarFormTest, AnUnequalSumOtherThanTheHeightIsToldAndStored)
{
    auto* form = Show();
    Unequal(form, L" 1*17+5*15+1*17 ");
    EXPECT_TRUE(ControlOf<CEdit>(form, 1041).IsWindowEnabled());
    EXPECT_FALSE(ControlOf<CComboBox>(form, 1044).IsWindowEnabled());
    ASSERT_TRUE(Choose(0));
    EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{
                              L"[表达式错误] 间距表达式加保护层与盖梁高度不合适，请重新输入！\n盖梁高度（除去保护层）：110\n间距和：109"}));
    EXPECT_EQ(Stored(), (std::vector<double>{17, 15, 15, 15, 15, 15, 17}));
    EXPECT_EQ(Current<CBentCapFormSDView>(), nullptr);
    // Shown again as the expression, in unequal mode.
    form = Show();
    EXPECT_EQ(TextOf(ControlOf<CEdit>(form, 1041)), CString(L"1*17+5*15+1*17"));
    EXPECT_EQ(ControlOf<CButton>(form, 1039).GetCheck(), BST_CHECKED);
    // Back to equal spacing: the list goes.
    ControlOf<CButton>(form, 1038).Click();
    ASSERT_TRUE(Choose(0));
    EXPECT_TRUE(Stored().empty());
    EXPECT_EQ(ControlOf<CButton>(Show(), 1038).GetCheck(), BST_CHECKED);
}

TEST_F(SideBarFormTest, RefusalsKeepTheForm)
{
    const struct {
        bool unequal;
        const wchar_t* typed;
        const wchar_t* box;
    } cases[] = {
        {true, L"   ", L"[表达式错误] 侧面钢筋间距表达式错误，请重新输入"},
        {true, L"2*0", L"[表达式错误] 间距表达式中存在错误，请检查后确认！"},
        {false, L"0", L"[间距错误] 侧面钢筋间距错误，必须大于0！"},
        {false, L"-5", L"[间距错误] 侧面钢筋间距错误，必须大于0！"},
    };
    for (const auto& c : cases) {
        auto* form = Show();
        if (c.unequal)
            Unequal(form, c.typed);
        else
            ControlOf<CComboBox>(form, 1044).SetWindowText(c.typed);
        ASSERT_TRUE(Choose(0));
        EXPECT_EQ(Current<CBentCapFormSDView>(), form) << c.typed;
        EXPECT_EQ(SelectedCode(), 205);
        EXPECT_EQ(BoxTexts().back(), c.box);
        // The right value lets the form go.
        ControlOf<CButton>(form, 1038).Click();
        ControlOf<CComboBox>(form, 1044).SetWindowText(L"10");
        ASSERT_TRUE(Choose(0));
        EXPECT_EQ(Current<CBentCapFormSDView>(), nullptr);
    }
    EXPECT_TRUE(Stored().empty());
    EXPECT_DOUBLE_EQ(Design().GetMoreInfo().GetSideBarSpacing(), 10);
}
