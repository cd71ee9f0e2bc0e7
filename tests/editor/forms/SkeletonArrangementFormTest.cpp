// The skeleton-arrangement form: the column table of the per-column codes, and the column
// spacing expression checked against the column count and the cap width.
#include "CBentCapFormBPView.h"
#include "FormsTestSupport.h"

namespace {

class SkeletonArrangementFormTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        OpenSample();
        Design().GetMoreInfo().GetSkeletonSpacings().RemoveAll();
    }
    CBentCapFormBPView* Show()
    {
        EXPECT_TRUE(Choose(207));
        auto* form = Current<CBentCapFormBPView>();
        EXPECT_NE(form, nullptr);
        return form;
    }
    std::vector<std::wstring> Column(CBentCapFormBPView* form, int column)
    {
        std::vector<std::wstring> cells;
        for (int row = 0; row < form->GetColumnTable().GetItemCount(); ++row)
            cells.push_back(form->GetColumnTable().GetItemText(row, column).GetString());
        return cells;
    }
    // Types the expression in unequal mode and leaves the form; true when it was left.
    bool Commit(CBentCapFormBPView* form, const wchar_t* expression)
    {
        ControlOf<CButton>(form, 1069).Click();
        ControlOf<CEdit>(form, 1070).SetWindowText(expression);
        EXPECT_TRUE(Choose(0));
        return Current<CBentCapFormBPView>() == nullptr;
    }
    void SetCodes(std::initializer_list<int> codes)
    {
        CBent_ExtendSteel& extend = Design().GetExtendSteel();
        extend.SetCodeCount(static_cast<int>(codes.size()));
        int i = 0;
        for (int code : codes)
            extend.SetCodeAt(i++, code);
        Design().GetMainFace().SetBarColumnCount(static_cast<int>(codes.size()));
    }
};

} // namespace

TEST_F(SkeletonArrangementFormTest, TheColumnTableShowsTheCodes)
{
    SetCodes({9000, 1213, 205, 9000, 1000, 9000});
    auto* form = Show();
    CListCtrl& table = form->GetColumnTable();
    ASSERT_EQ(table.GetColumnCount(), 7);
    EXPECT_EQ(table.GetColumnHeading(3), CString(L"●3"));
    EXPECT_EQ(table.GetColumnHeading(4), CString(L"●4"));
    EXPECT_EQ(table.GetColumnHeading(5), CString(L"列5"));
    EXPECT_EQ(Column(form, 0), (std::vector<std::wstring>{L"顶底板筋[1#2#钢筋]", L"边柱柱顶[负弯矩筋]",
                                                          L"中柱柱顶[负弯矩筋]", L"墩柱跨中[正弯矩筋]"}));
    EXPECT_EQ(Column(form, 1), (std::vector<std::wstring>{L"主", L"骨", L"架", L"列"}));
    EXPECT_EQ(Column(form, 2), (std::vector<std::wstring>{L"√", L"2", L"1", L"3"}));
    EXPECT_EQ(Column(form, 3), (std::vector<std::wstring>{L"×", L"2", L"0", L"5"}));
    // Two piers: no middle-pier row.
    ASSERT_TRUE(Choose(0));
    Design().GetSupportDistances().SetSize(2);
    form = Show();
    EXPECT_EQ(form->GetColumnTable().GetItemCount(), 3);
    EXPECT_EQ(Column(form, 1), (std::vector<std::wstring>{L"骨", L"架", L"列"}));
    EXPECT_EQ(Column(form, 2), (std::vector<std::wstring>{L"√", L"2", L"3"}));
}

TEST_F(SkeletonArrangementFormTest, AnExpressionMustFitTheColumnsAndTheWidth)
{
    // Width 74 less two side covers of 5: 64.
    Geometry().dWidth = 74;
    Design().GetMainFace().SetBarColumnCount(11);
    auto* form = Show();
    EXPECT_FALSE(ControlOf<CEdit>(form, 1070).IsWindowEnabled());
    ASSERT_TRUE(Commit(form, L"2*13+6*2+2*13"));
    const auto& stored = Design().GetMoreInfo().GetSkeletonSpacings();
    ASSERT_EQ(stored.GetSize(), 10);
    EXPECT_DOUBLE_EQ(stored[2], 2);
    EXPECT_EQ(Project().m_nModified, 1);
    form = Show();
    EXPECT_EQ(TextOf(ControlOf<CEdit>(form, 1070)), CString(L"2*13+6*2+2*13"));
    // The wrong width is refused and keeps the list.
    Geometry().dWidth = 100;
    EXPECT_FALSE(Commit(form, L"1*13+7*2+2*13"));
    EXPECT_EQ(BoxTexts().back(),
              L"[表达式错误] 间距表达式加保护层与盖梁宽度不合适，请重新输入！\n盖梁宽度（除去保护层）：90\n间距和：53");
    EXPECT_DOUBLE_EQ(stored[1], 13);
}

TEST_F(SkeletonArrangementFormTest, RefusedExpressions)
{
    Design().GetMainFace().SetBarColumnCount(15);
    const struct {
        const wchar_t* expression;
        const wchar_t* box;
    } cases[] = {
        {L"7*10", L"[表达式错误] 间距表达式中存在错误，间距个数不正确！\n钢筋列个数：15\n表达式列个数：8"},
        {L"0*5", L"[表达式错误] 间距表达式中存在错误，请检查后确认！"},
        {L"3*0", L"[表达式错误] 间距表达式中存在错误，请检查后确认！"},
        {L"3*-2", L"[表达式错误] 间距表达式中存在错误，请检查后确认！"},
        {L"  ", L"[表达式错误] 骨架钢筋列间距表达式错误，请重新输入"},
    };
    auto* form = Show();
    for (const auto& c : cases) {
        EXPECT_FALSE(Commit(form, c.expression)) << c.expression;
        EXPECT_EQ(BoxTexts().back(), c.box);
    }
    EXPECT_EQ(Design().GetMoreInfo().GetSkeletonSpacings().GetSize(), 0);
}

TEST_F(SkeletonArrangementFormTest, EqualSpacingEmptiesTheList)
{
    Design().GetMoreInfo().GetSkeletonSpacings().Add(12);
    auto* form = Show();
    EXPECT_EQ(ControlOf<CButton>(form, 1069).GetCheck(), BST_CHECKED);
    ControlOf<CButton>(form, 1068).Click();
    ASSERT_TRUE(Choose(0));
    EXPECT_EQ(Design().GetMoreInfo().GetSkeletonSpacings().GetSize(), 0);
    form = Show();
    EXPECT_EQ(ControlOf<CButton>(form, 1068).GetCheck(), BST_CHECKED);
    EXPECT_EQ(TextOf(ControlOf<CEdit>(form, 1070)), CString(L""));
}

TEST_F(SkeletonArrangementFormTest, AColumnCodeGoesToTheLeftHalfUnderSymmetry)
{
    SetCodes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    Design().SetStrengtheningSymmetric(1);
    auto* form = Show();
    form->StoreColumnCode(8, 1210);
    const CBent_ExtendSteel& extend = Design().GetExtendSteel();
    EXPECT_EQ(extend.GetCodeAt(2), 1210);
    EXPECT_EQ(extend.GetCodeAt(7), 1210);
    EXPECT_EQ(Column(form, 8), (std::vector<std::wstring>{L"√", L"2", L"1", L"0"}));
    EXPECT_EQ(Project().m_nModified, 1);
    Design().SetStrengtheningSymmetric(0);
    form->StoreColumnCode(9, 9000);
    EXPECT_EQ(extend.GetCodeAt(8), 9000);
    EXPECT_EQ(extend.GetCodeAt(1), 0);
}
