// Sheets and the view origins that the layouts of both section drawings give the views: the
// sample design as a short cap, the same design lengthened, and half drawings.
#include "PluginFixture.h"

#include "CGLGZ_BtDraw.h"
#include "CGLGZ_EtDraw.h"
#include "CHLGZ_PierInfo.h"

#include <algorithm>
#include <vector>

namespace {

constexpr double kTol = 1e-6;

// The sample at its own scales (50 and 40): the plan is 252 + 36 cot 70° wide and 36 deep, the
// elevation 32 high; a whole column section 65 x 83, a narrow one 45 wide.
constexpr double kHalfPlanWidth = 132.551464216792;
constexpr double kWholePlanWidth = 305.102928433583;

void ExpectPoint(const AcGePoint3d& p, double x, double y, const char* what)
{
    EXPECT_NEAR(p.x, x, kTol) << what;
    EXPECT_NEAR(p.y, y, kTol) << what;
    EXPECT_EQ(p.z, 0.0) << what;
}

void ExpectPoints(const AcGePoint3dArray& points, const std::vector<AcGePoint3d>& expected, const char* what)
{
    ASSERT_EQ(points.length(), static_cast<int>(expected.size())) << what;
    for (int i = 0; i < points.length(); ++i) {
        SCOPED_TRACE(i);
        ExpectPoint(points[i], expected[i].x, expected[i].y, what);
    }
}

} // namespace

class DrawingLayout : public PluginFixture {
protected:
    void SetUp() override
    {
        PluginFixture::SetUp();
        CBent_PierInfo design;
        ReadExample("sample.glt", design, geometry);
        model = design;
    }

    template <class Draw>
    void Feed(Draw& draw)
    {
        draw.m_pDesign = &model;
        draw.m_pGeometry = &geometry;
        draw.m_dScale = 50.0;
        draw.m_dSectionScale = 40.0;
    }

    void SetSectionCodes(int count)
    {
        model.GetSectionPositions().removeAll();
        for (int i = 0; i < count; ++i)
            model.GetSectionPositions().append(i + 1);
    }

    CHLGZ_PierInfo model;
    CBent_BasicGeometry geometry;
};

TEST_F(DrawingLayout, EachSheetLies350UnderThePreviousFromTheBasePoint)
{
    CGLGZ_EtDraw draw;
    draw.m_ptBase = AcGePoint3d(10.0, 20.0, 0.0);
    ExpectPoint(draw.NextViewOrigin(), 10.0, 20.0, "first");
    ExpectPoint(draw.NextViewOrigin(), 10.0, -330.0, "second");
    ExpectPoint(draw.NextViewOrigin(), 10.0, -680.0, "third");
    EXPECT_EQ(draw.m_ptsSheetOrigins.length(), 3);
}

TEST_F(DrawingLayout, ThePlanIsMeasuredOverTheCornersOfItsSkewedEnds)
{
    // 20 m by 2 m at 1:100: half length 100, half width 10; each end's corners lie 10 cot a
    // either side of the end's axis point.
    geometry.dLength = 20000.0;
    geometry.dWidth = 2000.0;
    geometry.dMiddleHeight = 1500.0;
    struct Case {
        double left, right;
        double cornerXs[4];  // left end top, left end bottom, right end top, right end bottom
    } cases[] = {
        { 60.0, 80.0, { -100.0 + 5.773502692, -100.0 - 5.773502692, 100.0 + 1.763269807, 100.0 - 1.763269807 } },
        { 110.0, 75.0, { -100.0 - 3.639702343, -100.0 + 3.639702343, 100.0 + 2.679491924, 100.0 - 2.679491924 } },
        { 90.0, 90.0, { -100.0, -100.0, 100.0, 100.0 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.left);
        geometry.dLeftAngle = c.left;
        geometry.dRightAngle = c.right;
        double low = c.cornerXs[0], high = c.cornerXs[0];
        for (double x : c.cornerXs) {
            low = std::min(low, x);
            high = std::max(high, x);
        }
        CGLGZ_BtDraw draw;
        Feed(draw);
        draw.m_dScale = 100.0;
        for (int half : { 0, 1 }) {
            draw.m_bHalfPlan = half;
            double planWidth = 0.0, elevationHeight = 0.0, planHeight = 0.0, width = 0.0, height = 0.0;
            draw.MeasurePlan(planWidth, elevationHeight, planHeight);
            draw.MeasureColumnSection(width, height);
            EXPECT_NEAR(planWidth, half ? (high - low) / 2.0 : high - low + 40.0, kTol) << half;
            EXPECT_NEAR(elevationHeight, 15.0 + 9.0 + 28.0, kTol);
            EXPECT_NEAR(planHeight, 20.0 + 9.0 + 17.0, kTol);
            EXPECT_NEAR(width, half ? 50.0 : 70.0, kTol) << half;
            EXPECT_NEAR(height, 37.5 + 20.0 + 23.0, kTol);
        }
    }
}

TEST_F(DrawingLayout, AShortCapHasItsColumnSectionsBesideThePlanAndTheRestUnderTheDetails)
{
    // Room of 385 - 305.10 beside the plan: one section a row, 7.45 from the plan; two rows fit.
    // The second skeleton detail would reach into the title block (75 - 57 < 30): it opens the
    // second sheet, and the other two sections follow it there.
    CGLGZ_EtDraw draw;
    Feed(draw);
    draw.m_nGroups = 2;
    draw.LayoutViewsAlternative();

    const double x = kWholePlanWidth / 2.0;
    EXPECT_EQ(draw.m_bHalfPlan, 0);
    EXPECT_EQ(draw.m_nSectionRow, 1);
    ExpectPoint(draw.SectionViewOrigin(), x, 273.0, "section view");
    ExpectPoint(draw.MainViewOrigin(), x, 194.0, "main view");
    // The first detail under the plan (194 - 62), the second 4 under the second sheet's top.
    ExpectPoints(draw.m_ptsDetailOrigins, { { x, 132.0, 0 }, { x, -77.0, 0 } }, "details");
    EXPECT_EQ(draw.m_bDetailsOnSheet, 1);
    const double beside = kWholePlanWidth + 7.448535783 + 32.5;
    ExpectPoints(draw.m_ptsColumnSections,
        { { beside, 273.0, 0 }, { beside, 180.0, 0 }, { 47.5, -134.0, 0 }, { 124.5, -134.0, 0 } },
        "column sections");
    ExpectPoints(draw.m_ptsSheetOrigins, { { 0, 0, 0 }, { 0, -350.0, 0 } }, "sheets");
    EXPECT_DOUBLE_EQ(draw.m_dMovedSectionsHeight, 0.0);
    EXPECT_NEAR(draw.m_dLowestY, -217.0, kTol);
    EXPECT_NEAR(draw.m_dLowestSectionY, -217.0, kTol);
}

TEST_F(DrawingLayout, ALongCapHasItsViewsInTheMiddleAndAllColumnSectionsUnderTheDetails)
{
    // 20 m at 1:50: a plan 453.10 wide leaves no room for a 65 wide section beside it.
    geometry.dLength = 20000.0;
    struct Case {
        int groups;
        std::vector<AcGePoint3d> details;
        double rowY;
        int sheets;
        int detailsOnSheet;
    } cases[] = {
        { 0, {}, 132.0, 1, 0 },
        // The second detail would reach into the title block (30 over the sheet's bottom): it
        // opens the second sheet, 4 under its top; the third and the row follow it there.
        { 3, { { 192.5, 132.0, 0 }, { 192.5, -77.0, 0 }, { 192.5, -134.0, 0 } }, -191.0, 2, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.groups);
        CGLGZ_EtDraw draw;
        Feed(draw);
        draw.m_nGroups = c.groups;
        draw.LayoutViewsAlternative();
        EXPECT_EQ(draw.m_nSectionRow, 0);
        ExpectPoint(draw.SectionViewOrigin(), 192.5, 273.0, "section view");
        ExpectPoint(draw.MainViewOrigin(), 192.5, 194.0, "main view");
        ExpectPoints(draw.m_ptsDetailOrigins, c.details, "details");
        EXPECT_EQ(draw.m_bDetailsOnSheet, c.detailsOnSheet);
        ExpectPoints(draw.m_ptsColumnSections,
            { { 47.5, c.rowY, 0 }, { 124.5, c.rowY, 0 }, { 201.5, c.rowY, 0 }, { 278.5, c.rowY, 0 } },
            "column sections");
        EXPECT_EQ(draw.m_ptsSheetOrigins.length(), c.sheets);
        EXPECT_EQ(draw.m_dMovedSectionsHeight, 0.0);
        EXPECT_NEAR(draw.m_dLowestY, c.rowY - 83.0, kTol);
    }
}

TEST_F(DrawingLayout, AHalfDrawingStacksItsColumnSectionsRightOfTheViews)
{
    const double x = 5.0 + kHalfPlanWidth + 20.0;
    struct Case {
        int codes;
        std::vector<AcGePoint3d> sections;
        double bottom;
    } cases[] = {
        // The second section is level with the first skeleton detail (194 - 62).
        { 2, { { x + 49.5, 273.0, 0 }, { x + 49.5, 132.0, 0 } }, 49.0 },
        { 4, { { x + 49.5, 273.0, 0 }, { x + 49.5, 132.0, 0 }, { x + 49.5, 47.0, 0 }, { x + 49.5, -38.0, 0 } },
            -121.0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codes);
        SetSectionCodes(c.codes);
        CGLGZ_EtDraw draw;
        Feed(draw);
        draw.LayoutViews();
        EXPECT_EQ(draw.m_bHalfPlan, 1);
        EXPECT_EQ(draw.m_nSectionRow, 1);
        ExpectPoint(draw.SectionViewOrigin(), x, 273.0, "section view");
        ExpectPoint(draw.MainViewOrigin(), x, 194.0, "main view");
        ExpectPoints(draw.m_ptsDetailOrigins, { { x, 132.0, 0 } }, "detail");
        EXPECT_EQ(draw.m_bDetailsOnSheet, 1);
        ExpectPoint(draw.m_ptStirrupDetails, x, 132.0 - (69.0 - 15.0), "stirrup details");
        ExpectPoints(draw.m_ptsColumnSections, c.sections, "column sections");
        EXPECT_DOUBLE_EQ(draw.m_dStirrupDetailsTop, c.bottom);
        EXPECT_DOUBLE_EQ(draw.m_dLowestY, c.bottom);
        EXPECT_EQ(draw.m_ptsSheetOrigins.length(), 1);
    }
}

TEST_F(DrawingLayout, TheSkewSectionHalfDrawingPutsItsSkeletonAtTheSheetEdge)
{
    CGLGZ_BtDraw draw;
    Feed(draw);
    draw.LayoutViews();
    const double x = 5.0 + kHalfPlanWidth + 20.0;
    ExpectPoint(draw.SectionViewOrigin(), x, 273.0, "section view");
    ExpectPoint(draw.MainViewOrigin(), x, 194.0, "main view");
    ExpectPoints(draw.m_ptsDetailOrigins, { { 0.0, 129.0, 0 } }, "detail");
    EXPECT_EQ(draw.m_bDetailsOnSheet, 1);
    ExpectPoint(draw.m_ptStirrupDetails, 0.0, 129.0 - (69.0 - 5.0), "stirrup details");
    EXPECT_EQ(draw.m_nSectionRow, 1);
    // Three sections of 83 stand one under the other; the fourth would end 65 under the sheet's
    // bottom and goes to the top left of a further sheet, 350 lower.
    const double sx = x + 45.0 + 22.5;
    ExpectPoints(draw.m_ptsColumnSections,
        { { sx, 273.0, 0 }, { sx, 188.0, 0 }, { sx, 103.0, 0 }, { 15.0 + 22.5, -350.0 + 273.0, 0 } },
        "column sections");
    EXPECT_EQ(draw.m_ptsSheetOrigins.length(), 2);
    EXPECT_DOUBLE_EQ(draw.m_dStirrupDetailsTop, 20.0);
    EXPECT_DOUBLE_EQ(draw.m_dLowestY, 20.0);
}

TEST_F(DrawingLayout, RowsBesideThePlanKeep10OrForTheSkewSectionDetail65AboveTheSheetBottom)
{
    // At 1:100 two sections of 65 x 68 stand in a row, 27.48 apart; the third row ends 49
    // above the sheet's bottom.
    model.GetSectionPositions().removeAll();
    for (int code : { 1, 2, 3, 4, 5, 6 })
        model.GetSectionPositions().append(code);
    geometry.dMiddleHeight = 1000.0;
    const double planWidth = 172.551464217;
    const double first = planWidth + 27.482845261 + 32.5;
    const double second = first + 27.482845261 + 65.0;

    CGLGZ_EtDraw et;
    Feed(et);
    et.m_dScale = 100.0;
    et.LayoutViewsAlternative();
    ExpectPoints(et.m_ptsColumnSections,
        { { first, 273, 0 }, { second, 273, 0 }, { first, 195, 0 }, { second, 195, 0 }, { first, 117, 0 },
            { second, 117, 0 } },
        "normal sections");
    EXPECT_TRUE(et.m_ptsDetailOrigins.isEmpty());
    EXPECT_NEAR(et.m_dLowestSectionY, 49.0, kTol);
    // No detail and no section under the plan: the views end under the plan (216 - 44).
    EXPECT_NEAR(et.m_dLowestY, 172.0, kTol);

    // The skew-section drawing moves the third row under the plan and puts skeleton A 10 under
    // it, from the sheet's left edge.
    CGLGZ_BtDraw bt;
    Feed(bt);
    bt.m_dScale = 100.0;
    bt.LayoutViewsAlternative();
    ExpectPoints(bt.m_ptsColumnSections,
        { { first, 273, 0 }, { second, 273, 0 }, { first, 195, 0 }, { second, 195, 0 }, { 47.5, 172, 0 },
            { 124.5, 172, 0 } },
        "skew sections");
    ExpectPoints(bt.m_ptsDetailOrigins, { { 0.0, 94.0, 0 } }, "skeleton A");
    EXPECT_EQ(bt.m_bDetailsOnSheet, 1);
    // The second sheet is open for the details; a skeleton detail there would keep 15 under its
    // top for its dimensions.
    EXPECT_EQ(bt.m_ptsSheetOrigins.length(), 2);
    EXPECT_NEAR(bt.m_dAlternativeOffset, 15.0, kTol);
    // The detail step 47 - 19 under the detail.
    EXPECT_NEAR(bt.m_dLowestY, 66.0, kTol);
}

TEST_F(DrawingLayout, TheSkewSectionSkeletonIsLeftToItsDetailStepWhenItDoesNotFit)
{
    struct Case {
        const char* name;
        double scale;
        int codes;
        double middleHeight;
        int placed;
        double offset;
    } cases[] = {
        { "fits: 10 under the plan at 156, 34 high", 100.0, 2, 1600.0, 1, 15.0 },
        // Sections 113 high: the second row leaves the side, the row under the plan ends 41
        // above the bottom, and the skeleton 46 high would pass the bottom 10 under it.
        { "too low", 100.0, 4, 2800.0, 0, 15.0 },
        // A plan 305.10 wide leaves less than 110 for the skeleton's dimensions in the frame.
        { "too wide", 50.0, 2, 1600.0, 0, 15.0 },
        // Sections 153 high: the row under the plan goes to the second sheet, skeleton A stays
        // under the plan, and the second sheet's top is pushed down by the row and 10 more.
        { "sections on the second sheet", 100.0, 4, 4400.0, 1, 178.0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetSectionCodes(c.codes);
        geometry.dMiddleHeight = c.middleHeight;
        CGLGZ_BtDraw draw;
        Feed(draw);
        draw.m_dScale = c.scale;
        draw.LayoutViewsAlternative();
        EXPECT_EQ(draw.m_ptsDetailOrigins.length(), c.placed);
        EXPECT_EQ(draw.m_bDetailsOnSheet, c.placed);
        EXPECT_EQ(draw.m_ptsColumnSections.length(), c.codes);
        EXPECT_EQ(draw.m_ptsSheetOrigins.length(), 2);
        EXPECT_NEAR(draw.m_dAlternativeOffset, c.offset, kTol);
    }
}
