// The strengthening-bar form: distances, forms and decrement shown and stored, the groups the
// pier count allows, and the segment lengths the strengthening sketch is given.
#include "CBentCapFormEXView.h"
#include "FormsTestSupport.h"

#include <cmath>

namespace {

class ExtendSteelFormTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        OpenSample();
    }
    CBentCapFormEXView* Show()
    {
        EXPECT_TRUE(Choose(204));
        auto* form = Current<CBentCapFormEXView>();
        EXPECT_NE(form, nullptr);
        return form;
    }
    CEdit& Edit(CBentCapFormEXView* form, UINT nID) { return ControlOf<CEdit>(form, nID); }
    CComboBox& Combo(CBentCapFormEXView* form, UINT nID) { return ControlOf<CComboBox>(form, nID); }
};

} // namespace

TEST_F(ExtendSteelFormTest, ShowsAndStoresTheSettings)
{
    CBent_ExtendSteel& e = Design().GetExtendSteel();
    e.SetEdgeOuterForm(1);
    e.SetEdgeOuterDistance(150);
    e.SetEdgeInnerDistance(250);
    e.SetMiddlePierDistance(300);
    e.SetMidSpanDistance(400);
    e.SetMultiLayerDecrement(0);
    auto* form = Show();
    const struct {
        UINT edit;
        const wchar_t* shown;
        const wchar_t* typed;
    } edits[] = {{241, L"150", L"120"}, {240, L"250", L"260.5"}, {246, L"300", L"310"}, {244, L"400", L"90"}};
    for (const auto& e2 : edits)
        EXPECT_EQ(TextOf(Edit(form, e2.edit)), CString(e2.shown)) << e2.edit;
    EXPECT_EQ(Combo(form, 243).GetCurSel(), 1);
    EXPECT_EQ(TextOf(ControlOf<CStatic>(form, 1045)), CString(L"长度c："));
    EXPECT_EQ(ControlOf<CButton>(form, 1028).GetCheck(), BST_UNCHECKED);
    EXPECT_FALSE(Edit(form, 1029).IsWindowEnabled());
    for (const auto& e2 : edits)
        Edit(form, e2.edit).SetWindowText(e2.typed);
    Combo(form, 243).ChooseItem(2);
    EXPECT_EQ(TextOf(ControlOf<CStatic>(form, 1045)), CString(L"长度b："));
    ControlOf<CButton>(form, 1028).Click();
    EXPECT_TRUE(Edit(form, 1029).IsWindowEnabled());
    Edit(form, 1029).SetWindowText(L"5");
    ASSERT_TRUE(Choose(0));
    EXPECT_EQ(e.GetEdgeOuterForm(), 2);
    EXPECT_DOUBLE_EQ(e.GetEdgeOuterDistance(), 120);
    EXPECT_DOUBLE_EQ(e.GetEdgeInnerDistance(), 260.5);
    EXPECT_DOUBLE_EQ(e.GetMiddlePierDistance(), 310);
    EXPECT_DOUBLE_EQ(e.GetMidSpanDistance(), 90);
    EXPECT_DOUBLE_EQ(e.GetMultiLayerDecrement(), 5);
    // Unticked, the decrement is stored as 0.
    form = Show();
    ControlOf<CButton>(form, 1028).Click();
    EXPECT_EQ(TextOf(Edit(form, 1029)), CString(L"0"));
    ASSERT_TRUE(Choose(0));
    EXPECT_DOUBLE_EQ(e.GetMultiLayerDecrement(), 0);
}

TEST_F(ExtendSteelFormTest, GroupsFollowThePierCount)
{
    const struct {
        int piers;
        bool middle;
        bool midSpan;
    } cases[] = {{3, true, true}, {2, false, true}, {1, false, false}};
    for (const auto& c : cases) {
        Design().GetSupportDistances().SetSize(c.piers);
        auto* form = Show();
        EXPECT_EQ(Edit(form, 246).IsWindowEnabled(), c.middle) << c.piers;
        EXPECT_EQ(Combo(form, 247).IsWindowEnabled(), c.middle) << c.piers;
        EXPECT_EQ(ControlOf<CStatic>(form, 1031).IsWindowEnabled(), c.middle) << c.piers;
        EXPECT_EQ(Edit(form, 244).IsWindowEnabled(), c.midSpan) << c.piers;
        EXPECT_EQ(ControlOf<CStatic>(form, 1034).IsWindowEnabled(), c.midSpan) << c.piers;
        ASSERT_TRUE(Choose(0));
    }
}

TEST_F(ExtendSteelFormTest, SegmentsAlongTheCap)
{
    // The sample: 1260 along the cap, spacings 220, 410, 220 (cm).
    Design().SetColumnSpacingSymmetric(0);
    EXPECT_EQ(Show()->GetSegmentLengths(), (std::vector<double>{220, 410, 410, 220}));
    ASSERT_TRUE(Choose(0));
    // Equal middle spacings share what the ends leave.
    Design().GetSupportDistances().Add(200);
    Design().SetSupportCount(1);
    EXPECT_EQ(Show()->GetSegmentLengths(), (std::vector<double>{220, 280, 280, 280, 200}));
    ASSERT_TRUE(Choose(0));
    // A square length (negative) is measured along the skew end, and symmetry mirrors.
    Design().SetSupportCount(0);
    Design().SetColumnSpacingSymmetric(1);
    Design().GetSupportDistances().SetSize(1);
    Geometry().dLength = -1000;
    Geometry().dLeftAngle = 60;
    const double along = std::round(1000 / std::sin(60 * 3.1415926 / 180) * 10) / 10;
    const std::vector<double> segments = Show()->GetSegmentLengths();
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_DOUBLE_EQ(segments[0], 220);
    EXPECT_DOUBLE_EQ(segments[1], 220);
    Design().SetColumnSpacingSymmetric(0);
    ASSERT_TRUE(Choose(0));
    EXPECT_NEAR(Show()->GetSegmentLengths()[1], along - 220, 1e-9);
}
