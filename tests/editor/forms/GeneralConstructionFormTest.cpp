// The general-construction form: the outline shown and stored field by field, the right end
// following the left under symmetry, an abutment cap's end values, and the letter the sketch
// highlights for the field with the focus.
#include "CBentCapFormSTView.h"
#include "FormsTestSupport.h"

#include <QApplication>

namespace {

class GeneralConstructionFormTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        OpenSample();
    }
    CBentCapFormSTView* Show()
    {
        EXPECT_TRUE(Choose(201));
        auto* form = Current<CBentCapFormSTView>();
        EXPECT_NE(form, nullptr);
        return form;
    }
    CEdit& Edit(CBentCapFormSTView* form, UINT nID) { return ControlOf<CEdit>(form, nID); }
};

struct Row {
    UINT nID;
    double CBent_BasicGeometry::*field;
    const wchar_t* shown;
    const wchar_t* typed;
    double stored;
};

} // namespace

TEST_F(GeneralConstructionFormTest, ShowsAndStoresEveryField)
{
    Design().SetGeneralSymmetric(0);
    Geometry().dLWidth = 30;
    Geometry().dLHeight = 40;
    const Row rows[] = {
        {200, &CBent_BasicGeometry::dLength, L"1260", L"1300", 1300},
        {201, &CBent_BasicGeometry::dWidth, L"180", L"190.5", 190.5},
        {203, &CBent_BasicGeometry::dMiddleHeight, L"160", L" 165 ", 165},
        {209, &CBent_BasicGeometry::dColumnDiameter, L"140", L"150", 150},
        {205, &CBent_BasicGeometry::dLeftWidth, L"180", L"170", 170},
        {207, &CBent_BasicGeometry::dRightWidth, L"180", L"175", 175},
        {204, &CBent_BasicGeometry::dLeftEndHeight, L"100", L"90", 90},
        {206, &CBent_BasicGeometry::dRightEndHeight, L"100", L"95", 95},
        {214, &CBent_BasicGeometry::dLeftAngle, L"70", L"80", 80},
        {202, &CBent_BasicGeometry::dRightAngle, L"70", L"85", 85},
        {216, &CBent_BasicGeometry::dLWidth, L"30", L"31", 31},
        {219, &CBent_BasicGeometry::dLHeight, L"40", L"41", 41},
    };
    auto* form = Show();
    for (const Row& row : rows) {
        EXPECT_EQ(TextOf(Edit(form, row.nID)), CString(row.shown)) << row.nID;
        EXPECT_TRUE(Edit(form, row.nID).IsWindowEnabled()) << row.nID;
    }
    for (const Row& row : rows)
        Edit(form, row.nID).SetWindowText(row.typed);
    ASSERT_TRUE(Choose(0));
    for (const Row& row : rows)
        EXPECT_DOUBLE_EQ(Geometry().*row.field, row.stored) << row.nID;
}

TEST_F(GeneralConstructionFormTest, TheRightEndFollowsUnderSymmetry)
{
    ASSERT_EQ(Design().GetGeneralSymmetric(), 1);
    auto* form = Show();
    for (UINT nID : {206U, 207U, 202U})
        EXPECT_FALSE(Edit(form, nID).IsWindowEnabled()) << nID;
    const struct {
        UINT typedIn;
        UINT follower;
    } pairs[] = {{204, 206}, {205, 207}, {214, 202}};
    for (const auto& p : pairs) {
        Edit(form, p.typedIn).SetWindowText(L"77");
        EXPECT_EQ(TextOf(Edit(form, p.follower)), CString(L"77")) << p.follower;
    }
}

TEST_F(GeneralConstructionFormTest, AnAbutmentKeepsItsEndValues)
{
    Geometry().nAbutmentCap = 1;
    auto* form = Show();
    for (UINT nID : {204U, 205U, 206U, 207U}) {
        EXPECT_EQ(TextOf(Edit(form, nID)), CString(L"0")) << nID;
        EXPECT_FALSE(Edit(form, nID).IsWindowEnabled()) << nID;
    }
    ASSERT_TRUE(Choose(0));
    EXPECT_DOUBLE_EQ(Geometry().dLeftEndHeight, 100);
    EXPECT_DOUBLE_EQ(Geometry().dRightWidth, 180);
    EXPECT_EQ(Project().m_nModified, 0);
}

TEST_F(GeneralConstructionFormTest, TheFocusCommitsAndHighlights)
{
    auto* form = Show();
    Edit(form, 200).SetWindowText(L"1250");
    const struct {
        UINT nID;
        const wchar_t* letter;
    } letters[] = {{206, L"R2"}, {216, L"X1"}, {219, L"L1"}, {200, L"L"}, {205, L"W1"}};
    for (const auto& l : letters) {
        form->SendMessage(WM_COMMAND, MAKEWPARAM(l.nID, EN_SETFOCUS));
        EXPECT_EQ(form->GetHighlightLetter(), CString(l.letter)) << l.nID;
    }
    EXPECT_DOUBLE_EQ(Geometry().dLength, 1250);
}

// A field that holds no number is refused as the class library refuses it: its box, the value
// kept, the form kept and the focus back in the field.
TEST_F(GeneralConstructionFormTest, TextThatIsNoNumberIsRefused)
{
    m_frame->ShowWindow(SW_SHOW);
    QApplication::setActiveWindow(m_frame->GetWidget());
    for (const wchar_t* typed : {L"abc", L"", L"12abc", L"1.5.2"}) {
        auto* form = Show();
        Edit(form, 201).SetWindowText(typed);
        const size_t boxes = BoxTexts().size();
        ASSERT_TRUE(Choose(0));
        ASSERT_EQ(BoxTexts().size(), boxes + 1) << typed;
        EXPECT_NE(BoxTexts().back().find(L"请输入一个数字。"), std::wstring::npos) << typed;
        EXPECT_EQ(Current<CBentCapFormSTView>(), form) << typed;
        EXPECT_DOUBLE_EQ(Geometry().dWidth, 180) << typed;
        EXPECT_EQ(CWnd::GetFocus(), &Edit(form, 201)) << typed;
        Edit(form, 201).SetWindowText(L"180");
    }
}
