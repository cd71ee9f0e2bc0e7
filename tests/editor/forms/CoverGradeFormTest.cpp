// The cover and bar-grade forms: the offered values in the current unit, the diameters a grade
// allows, and what they store.
#include "CBentCapFormPTView.h"
#include "CBentCapFormSCView.h"
#include "EditorCommands.h"
#include "FormsTestSupport.h"

namespace {

std::vector<std::wstring> Items(CComboBox& combo)
{
    std::vector<std::wstring> items;
    for (int i = 0; i < combo.GetCount(); ++i) {
        CString text;
        combo.GetLBText(i, text);
        items.push_back(text.GetString());
    }
    return items;
}

} // namespace

TEST_F(FormsTest, CoverListsFollowTheUnit)
{
    OpenSample();
    const struct {
        UINT unit;
        const wchar_t* first;
        const wchar_t* second;
        const wchar_t* last;
        const wchar_t* shown;
    } units[] = {{ID_UNIT_CM, L"4", L"4.1", L"9", L"5"},
                 {ID_UNIT_MM, L"40", L"41", L"90", L"50"},
                 {ID_UNIT_M, L"0.04", L"0.041", L"0.09", L"0.05"}};
    for (const auto& u : units) {
        m_frame->SendMessage(WM_COMMAND, u.unit);
        ASSERT_TRUE(Choose(202));
        auto* form = Current<CBentCapFormPTView>();
        for (int i = 0; i < 4; ++i) {
            const std::vector<std::wstring> items = Items(form->GetCoverCombo(i));
            ASSERT_EQ(items.size(), 51u);
            EXPECT_EQ(items[0], u.first);
            EXPECT_EQ(items[1], u.second);
            EXPECT_EQ(items[50], u.last);
            EXPECT_EQ(TextOf(form->GetCoverCombo(i)), CString(u.shown)) << i;
        }
        ASSERT_TRUE(Choose(0));
    }
}

TEST_F(FormsTest, CoverFormStoresTypedValuesUnchecked)
{
    OpenSample();
    ASSERT_TRUE(Choose(202));
    auto* form = Current<CBentCapFormPTView>();
    const wchar_t* typed[] = {L"3.5", L"12", L"abc", L" 6 "};
    for (int i = 0; i < 4; ++i)
        form->GetCoverCombo(i).SetWindowText(typed[i]);
    // Text that is no number is refused, and nothing is stored.
    const double side = Design().GetSideCover();
    ASSERT_TRUE(Choose(0));
    EXPECT_EQ(Current<CBentCapFormPTView>(), form);
    EXPECT_NE(BoxTexts().back().find(L"请输入一个数字。"), std::wstring::npos);
    EXPECT_DOUBLE_EQ(Design().GetSideCover(), side);
    form->GetCoverCombo(2).SetWindowText(L"0");
    ASSERT_TRUE(Choose(0));
    EXPECT_DOUBLE_EQ(Design().GetTopCover(), 3.5);
    EXPECT_DOUBLE_EQ(Design().GetBottomCover(), 12);
    EXPECT_DOUBLE_EQ(Design().GetSideCover(), 0);
    EXPECT_DOUBLE_EQ(Design().GetEndCover(), 6);
}

TEST_F(FormsTest, GradeFormShowsAndStoresEveryPair)
{
    OpenSample();
    CBent_MoreInfo& more = Design().GetMoreInfo();
    CBent_ExtendSteel& extend = Design().GetExtendSteel();
    more.SetSideBarType(0);
    more.SetSideDiameter(10);
    extend.SetTopBarType(2);
    extend.SetTopDiameter(36);
    extend.SetBottomBarType(3);
    extend.SetBottomDiameter(40);
    ASSERT_TRUE(Choose(203));
    auto* form = Current<CBentCapFormSCView>();
    ASSERT_NE(form, nullptr);
    const int shownGrades[6] = {1, 0, 2, 3, 1, 1};
    const int shownDiameters[6] = {32, 10, 36, 40, 12, 12};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(form->GetGradeCombo(i).GetCurSel(), shownGrades[i]) << i;
        EXPECT_EQ(form->GetDiameterCombo(i).GetDiameter(), shownDiameters[i]) << i;
    }
    EXPECT_FALSE(form->GetGradeCombo(5).IsWindowEnabled());
    EXPECT_FALSE(form->GetDiameterCombo(5).IsWindowEnabled());

    // Each pair edited: a new grade, then a diameter it allows.
    const int grades[5] = {2, 1, 0, 1, 3};
    const int diameters[5] = {25, 16, 20, 50, 8};
    for (int i = 0; i < 5; ++i) {
        form->GetGradeCombo(i).ChooseItem(grades[i]);
        CBentCapGradeCombo& list = form->GetDiameterCombo(i);
        CString text;
        text.Format(L"%d", diameters[i]);
        list.ChooseItem(list.FindStringExact(-1, text));
    }
    ASSERT_TRUE(Choose(0));
    const struct {
        const char* bars;
        int type;
        int diameter;
    } stored[] = {{"skeleton", more.GetSkeletonBarType(), more.GetSkeletonDiameter()},
                  {"side", more.GetSideBarType(), more.GetSideDiameter()},
                  {"top strengthening", extend.GetTopBarType(), extend.GetTopDiameter()},
                  {"bottom strengthening", extend.GetBottomBarType(), extend.GetBottomDiameter()},
                  {"stirrups", more.GetStirrupBarType(), more.GetStirrupDiameter()}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(stored[i].type, grades[i]) << stored[i].bars;
        EXPECT_EQ(stored[i].diameter, diameters[i]) << stored[i].bars;
    }
    EXPECT_EQ(more.GetAnchorBarType(), 1);
    EXPECT_EQ(more.GetAnchorDiameter(), 12);
}

TEST_F(FormsTest, AGradeOffersItsDiametersOnly)
{
    OpenSample();
    Design().GetMoreInfo().SetSkeletonDiameter(28);
    ASSERT_TRUE(Choose(203));
    auto* form = Current<CBentCapFormSCView>();
    form->GetGradeCombo(0).ChooseItem(0);
    EXPECT_EQ(Items(form->GetDiameterCombo(0)),
              (std::vector<std::wstring>{L"8", L"9", L"10", L"12", L"14", L"16", L"18", L"20"}));
    EXPECT_EQ(form->GetDiameterCombo(0).GetDiameter(), 8);
    form->GetGradeCombo(0).ChooseItem(1);
    EXPECT_EQ(form->GetDiameterCombo(0).GetCount(), 17);
    EXPECT_EQ(form->GetDiameterCombo(0).GetDiameter(), 8);
    form->GetGradeCombo(0).ChooseItem(3);
    EXPECT_EQ(Items(form->GetDiameterCombo(0)).back(), L"40");
}

TEST_F(FormsTest, ADiameterOutsideTheTableBecomesTheFirstAllowed)
{
    OpenSample();
    Design().GetMoreInfo().SetStirrupDiameter(11);
    ASSERT_TRUE(Choose(203));
    EXPECT_EQ(Current<CBentCapFormSCView>()->GetDiameterCombo(4).GetDiameter(), 6);
    ASSERT_TRUE(Choose(0));
    EXPECT_EQ(Design().GetMoreInfo().GetStirrupDiameter(), 6);
    EXPECT_EQ(Project().m_nModified, 1);
}
