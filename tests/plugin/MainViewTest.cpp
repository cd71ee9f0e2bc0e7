// The plan "平面" of the examples: the skewed outline against the geometry, the end angles, the
// pier columns, the bars of each bar column, the strengthening bars and their counts, the widths,
// the section mark and the stirrups; and the stirrup layout and column distances it is built on.
#include "DrawingDesignFixture.h"
#include "DrawnGeometry.h"

#include "AcDb3PointAngularDimension.h"
#include "AcDbAlignedDimension.h"
#include "AcDbArc.h"
#include "AcDbBlockReference.h"
#include "AcDbCircle.h"
#include "AcDbLine.h"
#include "AcDbText.h"
#include "CGLGZ_EtDraw.h"
#include "CTov_InitDraw.h"
#include "NumericHelpers.h"
#include "RebarRules.h"

#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr double kTol = 1e-6;
constexpr double kPi = 3.1415926535;

AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }




std::vector<double> Values(const AcGeDoubleArray& list)
{
    std::vector<double> out;
    for (int i = 0; i < list.length(); ++i)
        out.push_back(list[i]);
    return out;
}

} // namespace

class MainView : public DrawingDesignFixture, protected PlanCorners {
protected:
    // The example as the run hands it to the drawing, changed by the test, its entry's checks and
    // corrections made, the section view drawn and the bars shaped; the plan is drawn next.
    void Prepare(const char* example, CGLGZ_EtDraw& draw, int half = 0, const ModelChange& change = {})
    {
        LoadAsTheRun(example, change);
        AttachAsTheRun(draw);
        ASSERT_NO_FATAL_FAILURE(RunToBarShapes(draw, half));
        before = modelSpace().size();
        MeasurePlanCorners(origin, draw.m_dScale, geometry, 13.5);
    }

    // Where the plan's bars end at height y: one bar and the end cover inside the outline.
    double BarInset() const
    {
        const CHLGZ_MoreInfo& more = model.GetMoreInfo();
        return (GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType()) + model.GetEndCover()) / s;
    }
    double LeftAt(double y) const { return ll.x + (y - ll.y) * (ul.x - ll.x) / (ul.y - ll.y); }
    double RightAt(double y) const { return lr.x + (y - lr.y) * (ur.x - lr.x) / (ur.y - lr.y); }
    double ColumnY(const CGLGZ_EtDraw& draw, int i) const
    {
        double y = ll.y + model.GetSideCover() / s;
        for (int k = 0; k < i; ++k)
            y += draw.m_dSkeletonSpacings[k] / s;
        return y;
    }

    const AcGePoint3d origin { 200.0, 180.0, 0.0 };
};

// The corners lie on each end's skew line through the axis; a whole plan is closed, a half one
// stops at the line through the middles of its long edges, which is drawn as its centre line.
TEST_F(MainView, OutlineFollowsTheSkewedEnds)
{
    struct Case {
        const char* example;
        int half;
    };
    for (const Case& c : { Case { "sample.glt", 0 }, Case { "abutment.glt", 1 } }) {
        SCOPED_TRACE(c.example);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare(c.example, draw, c.half);
        double depth = -1.0;
        ASSERT_EQ(draw.DrawMainView(origin, depth), 1);
        EXPECT_EQ(depth, 0.0);
        const std::vector<Segment> outline = LinesOn(L"02-结构");
        const AcGePoint3d top = MidPoint(ul, ur), bottom = MidPoint(ll, lr);
        EXPECT_TRUE(HasSegment(outline, ll, ul));
        EXPECT_TRUE(HasSegment(LinesOn(L"13-中心"), P(xl - 4.5, yc), P(c.half ? origin.x + 4.5 : xr + 4.5, yc)));
        if (c.half) {
            EXPECT_TRUE(HasSegment(outline, bottom, ll));
            EXPECT_TRUE(HasSegment(outline, ul, top));
            EXPECT_FALSE(HasSegment(outline, ur, lr));
            const double reach = 2.25 / top.distanceTo(bottom);
            const AcGePoint3d above = P(top.x + (top.x - bottom.x) * reach, top.y + (top.y - bottom.y) * reach);
            const AcGePoint3d below = P(bottom.x - (top.x - bottom.x) * reach, bottom.y - (top.y - bottom.y) * reach);
            EXPECT_TRUE(HasSegment(LinesOn(L"13-中心"), above, below));
        } else {
            for (const Segment& edge : { Segment { ur, lr }, Segment { lr, ll }, Segment { ul, ur } })
                EXPECT_TRUE(HasSegment(outline, edge.a, edge.b));
            // The end parts' roots, parallel to the ends.
            const double lw = geometry.dLeftWidth / s, rw = geometry.dRightWidth / s;
            const std::vector<Segment> contours = LinesOn(L"12-内廓");
            EXPECT_TRUE(HasSegment(contours, P(ll.x + lw, ll.y), P(ul.x + lw, ul.y)));
            EXPECT_TRUE(HasSegment(contours, P(ur.x - rw, ur.y), P(lr.x - rw, lr.y)));
        }
    }
}

// One angle mark a skewed end, measuring the skew from the perpendicular to the axis: above the
// axis at a left end under 90 degrees, below it at a right end under 90 degrees, the other side
// over 90; a square end has none.
TEST_F(MainView, EndAngleMarksMeasureTheSkew)
{
    struct Case {
        double left;
        double right;
        std::vector<double> footYs;
    };
    const Case cases[] = {
        { 70.0, 70.0, { +1.0, -1.0 } },
        { 90.0, 110.0, { +1.0 } },
        { 100.0, 90.0, { -1.0 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.left);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare("sample.glt", draw, 0, [&](CHLGZ_PierInfo&, CBent_BasicGeometry& g) {
            g.dLeftAngle = c.left;
            g.dRightAngle = c.right;
        });
        double depth = 0.0;
        draw.DrawMainView(origin, depth);
        ExpectPlanEndAngleMarks(xl, xr, yc, hw, c.left, c.right, c.footYs);
    }
}

// A circle of the column diameter and a centre line across the plan at each column axis; in a
// half drawing the column on the middle is half a circle on the drawn side and those right of
// it are not drawn.
TEST_F(MainView, PierColumnsStandAtTheirAxes)
{
    for (int half : { 0, 1 }) {
        SCOPED_TRACE(half);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare("sample.glt", draw, half);
        const double xm = (draw.m_lines[2].end.x + draw.m_lines[3].end.x) / 2.0;
        if (half)
            draw.m_lines[5].end.x = xm;
        double depth = 0.0;
        draw.DrawMainView(origin, depth);
        const double r = geometry.dColumnDiameter / s / 2.0;
        const std::vector<AcDbObjectId> circles = Of<AcDbCircle>();
        std::vector<AcDbObjectId> columns;
        for (AcDbObjectId id : circles) {
            if (layerOf(id) == L"12-内廓")
                columns.push_back(id);
        }
        ASSERT_EQ(columns.size(), half ? 1u : 3u);
        const std::vector<Segment> centres = LinesOn(L"13-中心");
        for (size_t i = 0; i < columns.size(); ++i) {
            ReadBack<AcDbCircle> circle(columns[i]);
            const double xc = draw.m_lines[4 + static_cast<int>(i)].end.x;
            EXPECT_TRUE(Same(circle->center(), P(xc, yc)));
            EXPECT_NEAR(circle->radius(), r, kTol);
            EXPECT_TRUE(HasSegment(centres, P(xc, lr.y - 2.25), P(xc, ur.y + 2.25)));
        }
        const std::vector<AcDbObjectId> arcs = Of<AcDbArc>();
        ASSERT_EQ(arcs.size(), half ? 1u : 0u);
        if (half) {
            ReadBack<AcDbArc> arc(arcs[0]);
            EXPECT_TRUE(Same(arc->center(), P(xm, yc)));
            EXPECT_NEAR(arc->startAngle(), std::atan2(ur.y - lr.y, ur.x - lr.x), 1e-9);
        }
    }
}

// Each bar column with bars of its own, and each strengthened one, is one bar at its spacing from
// the last, ending one bar and the end cover inside the skewed ends; the strengthening bars over
// the pier columns run the strengthening distances from them and are counted with their lengths
// and layers.
TEST_F(MainView, BarColumnsAndStrengtheningBars)
{
    app().docManager().newDocument();
    CGLGZ_EtDraw draw;
    Prepare("sample.glt", draw);
    CHLGZ_ExtendSteel& steel = model.GetExtendSteel();
    // A second layer of edge-column top bars in column 2.
    steel.SetCodeAt(1, 1211);
    double depth = 0.0;
    draw.DrawMainView(origin, depth);
    const std::vector<Segment> bars = LinesOn(L"04-钢筋");
    const double inset = BarInset();
    const int supports = draw.m_lines.GetSize() - 4;
    ASSERT_EQ(supports, 3);
    const double first = draw.m_lines[4].end.x, last = draw.m_lines[6].end.x, middle = draw.m_lines[5].end.x;
    const double d1 = steel.GetEdgeOuterDistance() / s, d2 = steel.GetEdgeInnerDistance() / s;
    const double d3 = steel.GetMiddlePierDistance() / s;
    int edgeLayers = 0, middleLayers = 0, spanLayers = 0;
    for (int i = 0; i < model.GetMainFace().GetBarColumnCount(); ++i) {
        SCOPED_TRACE(i);
        const double y = ColumnY(draw, i);
        const int code = steel.GetCodeAt(i);
        const bool whole = draw.m_bSkeletonColumn[i] || code / 1000 == 1;
        EXPECT_EQ(HasSegment(bars, P(LeftAt(y) + inset, y), P(RightAt(y) - inset, y)), whole);
        if (draw.m_bSkeletonColumn[i])
            continue;
        edgeLayers += code / 100 % 10;
        middleLayers += code / 10 % 10;
        spanLayers += code % 10;
        if (code / 100 % 10 > 0) {
            EXPECT_TRUE(HasSegment(bars, P(first - d1, y), P(first + d2, y)));
            EXPECT_TRUE(HasSegment(bars, P(last - d2, y), P(last + d1, y)));
        }
        if (code / 10 % 10 > 0) {
            EXPECT_TRUE(HasSegment(bars, P(middle - d3, y), P(middle + d3, y)));
        }
    }
    ASSERT_GT(edgeLayers, 0);
    // Both edge columns, the one middle column, the two spans.
    EXPECT_EQ(draw.m_edgeTopBars.nCount, 2 * edgeLayers);
    EXPECT_EQ(draw.m_middleTopBars.nCount, middleLayers);
    EXPECT_EQ(draw.m_midSpanBars.nCount, 2 * spanLayers);
    const double edgeLength = (steel.GetEdgeOuterDistance() + steel.GetEdgeInnerDistance()) / 1000.0;
    EXPECT_EQ(Values(draw.m_edgeTopBars.aLengths), std::vector<double>(2 * edgeLayers, edgeLength));
    EXPECT_NEAR(draw.m_edgeTopBars.dTotalLength, 2 * edgeLayers * edgeLength, 1e-9);
    EXPECT_EQ(Values(draw.m_middleTopBars.aLengths),
        std::vector<double>(middleLayers, 2.0 * steel.GetMiddlePierDistance() / 1000.0));
    // Column 2's two layers are layers 0 and 1 at each edge column.
    const AcGeIntArray& layers = draw.m_edgeTopBars.aTags;
    ASSERT_EQ(layers.length(), 2 * edgeLayers);
    EXPECT_EQ(layers[0], 0);
    EXPECT_EQ(layers[1], 1);
    // One arrow a drawn strengthening bar, turned down onto it, between two stirrups.
    int arrows = 0;
    const double y2 = ColumnY(draw, 1);
    for (AcDbObjectId id : Of<AcDbBlockReference>()) {
        ReadBack<AcDbBlockReference> ref(id);
        if (std::fabs(ref->position().y - y2) < kTol && std::fabs(ref->rotation() - 270.0 * kPi / 180.0) < 1e-9)
            ++arrows;
    }
    EXPECT_GE(arrows, 3);
}

// Measured from the bar's end (form 1), an edge-column bar is as long as drawn; in a half drawing
// the bars over the last column are counted but not drawn.
TEST_F(MainView, StrengtheningBarsMeasuredFromTheBarEndAndHalfDrawn)
{
    for (int half : { 0, 1 }) {
        SCOPED_TRACE(half);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare("sample.glt", draw, half, [](CHLGZ_PierInfo& m, CBent_BasicGeometry&) {
            m.GetExtendSteel().SetEdgeOuterForm(1);
        });
        const CHLGZ_ExtendSteel& steel = model.GetExtendSteel();
        double depth = 0.0;
        draw.DrawMainView(origin, depth);
        const int column = 1;
        ASSERT_EQ(steel.GetCodeAt(column) / 100 % 10, 1);
        const double y = ColumnY(draw, column);
        const double left = LeftAt(y) + BarInset() + steel.GetEdgeOuterDistance() / s;
        const double right = draw.m_lines[4].end.x + steel.GetEdgeInnerDistance() / s;
        const std::vector<Segment> bars = LinesOn(L"04-钢筋");
        EXPECT_TRUE(HasSegment(bars, P(left, y), P(right, y)));
        const double lastRight = RightAt(y) - BarInset() - steel.GetEdgeOuterDistance() / s;
        const double lastLeft = draw.m_lines[6].end.x - steel.GetEdgeInnerDistance() / s;
        EXPECT_EQ(HasSegment(bars, P(lastLeft, y), P(lastRight, y)), half == 0);
        ASSERT_GE(draw.m_edgeTopBars.aLengths.length(), 2);
        EXPECT_NEAR(draw.m_edgeTopBars.aLengths[0], RoundReal((right - left) * s / 1000.0, 2), 1e-12);
        EXPECT_NEAR(draw.m_edgeTopBars.aLengths[1], RoundReal((lastRight - lastLeft) * s / 1000.0, 2), 1e-12);
    }
}

// The full width beside the plan, the chain of covers and column spacings inside it, and the cut
// Ⅰ on the axis at both ends.
TEST_F(MainView, WidthsAndSectionMark)
{
    app().docManager().newDocument();
    CGLGZ_EtDraw draw;
    Prepare("sample.glt", draw);
    double depth = 0.0;
    draw.DrawMainView(origin, depth);
    const double x0 = std::min(ul.x, ll.x);
    int full = 0;
    std::vector<double> chain;
    for (AcDbObjectId id : Of<AcDbAlignedDimension>()) {
        ReadBack<AcDbAlignedDimension> dim(id);
        const AcGePoint3d a = dim->xLine1Point(), b = dim->xLine2Point();
        if (Same(a, P(x0 - 9.0, ll.y)) && Same(b, P(x0 - 9.0, ul.y)))
            ++full;
        else if (std::fabs(a.x - x0) < kTol && std::fabs(b.x - x0) < kTol)
            chain.push_back(std::fabs(b.y - a.y) * s);
    }
    EXPECT_EQ(full, 1);
    // Cover, the spacings merged into one dimension, cover.
    const double cover = model.GetSideCover();
    double spacings = 0.0;
    for (int i = 0; i < draw.m_dSkeletonSpacings.length(); ++i)
        spacings += draw.m_dSkeletonSpacings[i];
    ASSERT_EQ(chain.size(), 3u);
    EXPECT_NEAR(chain[0], cover, 1e-6);
    EXPECT_NEAR(chain[1], spacings, 1e-6);
    EXPECT_NEAR(chain[2], cover, 1e-6);
    std::vector<AcGePoint3d> marks;
    for (AcDbObjectId id : Of<AcDbText>()) {
        ReadBack<AcDbText> text(id);
        if (std::wstring(text->textStringConst()) == L"Ⅰ")
            marks.push_back(text->alignmentPoint());
    }
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_TRUE(Same(marks[0], P(xr + 10.5, yc)));
    EXPECT_TRUE(Same(marks[1], P(x0 - 18.5, yc)));
}

// A stirrup line a stirrup at every position, over the columns it spans; one record a kind of
// stirrup (equal widths and kind of leg) numbered after the list, and one for its skewed copy at
// the ends; "%dX%s" over the end runs.
TEST_F(MainView, StirrupKindsAndLines)
{
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> stirrups;
        double firstSpacing;
        double fourthSpacing;
        int kinds;
    };
    const double hook = GetHookLength(12, 1, 90, 0.0);
    const Case cases[] = {
        { "none", {}, 212.5, 212.5, 0 },
        { "single leg beside an equal closed one", { { 1, 2 }, { 1, -1 } }, hook, 212.5, 2 },
        { "widths a ten-millionth apart", { { 1, 3 }, { 3, 5 } }, 212.5, 212.5 + 1e-7, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare("sample.glt", draw, 0, [&](CHLGZ_PierInfo& m, CBent_BasicGeometry&) {
            auto& stirrups = m.GetMainFace().GetStirrups();
            stirrups.RemoveAll();
            for (const auto& [start, end] : c.stirrups) {
                CHLGZ_PAFSteel stirrup;
                stirrup.SetStartColumn(start);
                stirrup.SetEndColumn(end);
                stirrups.Add(stirrup);
            }
            CHLGZ_MoreInfo& more = m.GetMoreInfo();
            more.SetStirrupDiameter(12);
            more.SetStirrupBarType(1);
            AcGeDoubleArray& spacings = more.GetSkeletonSpacings();
            spacings[0] = c.firstSpacing;
            spacings[3] = c.fourthSpacing;
        });
        CHLGZ_SteelCode numbered;
        numbered.nNumber = 7;
        draw.m_steelCodes.Add(numbered);
        double depth = 0.0;
        draw.DrawMainView(origin, depth);
        const int n = draw.m_dStirrupPositions.length();
        if (c.kinds == 0) {
            EXPECT_EQ(draw.m_steelCodes.GetSize(), 1);
            EXPECT_EQ(n, 0);
            continue;
        }
        // Both ends skewed: each kind has its copy.
        ASSERT_EQ(draw.m_steelCodes.GetSize(), 1 + 2 * c.kinds);
        for (int k = 1; k < draw.m_steelCodes.GetSize(); ++k)
            EXPECT_EQ(draw.m_steelCodes[k].nNumber, 7 + k);
        const int ends = draw.m_dLeftEndStirrups.length() + draw.m_dRightEndStirrups.length();
        int lines = 0, copies = 0;
        for (int k = 0; k < c.kinds; ++k) {
            lines += draw.m_steelCodes[1 + k].nCount;
            copies += draw.m_steelCodes[1 + c.kinds + k].nCount;
        }
        EXPECT_EQ(lines, n * static_cast<int>(c.stirrups.size()));
        EXPECT_EQ(copies, ends * static_cast<int>(c.stirrups.size()));
        // The laid-out stirrups at each position over the first stirrup's columns.
        const std::vector<Segment> bars = LinesOn(L"04-钢筋");
        const double low = ColumnY(draw, c.stirrups[0].first - 1);
        const double width = draw.SumColumnSpacings(c.stirrups[0].second, c.stirrups[0].first) / s;
        for (int i = 0; i < n; ++i) {
            const double x = draw.m_dStirrupPositions[i];
            EXPECT_TRUE(HasSegment(bars, P(x, low), P(x, low + width))) << x;
        }
        // The left run's gaps and spacing under the plan.
        const int left = draw.m_dLeftEndStirrups.length();
        ASSERT_GT(left, 2);
        CString run;
        run.Format(L"%dX10", left - 1);
        int runs = 0;
        for (AcDbObjectId id : Of<AcDbAlignedDimension>()) {
            ReadBack<AcDbAlignedDimension> dim(id);
            runs += dim->dimensionTextString() == std::wstring(run.GetString()) ? 1 : 0;
        }
        EXPECT_GE(runs, 1);
    }
}

// What the details and the tables read of a kind: its shape (plan width down, height across),
// its total length in metres, the end copies of a cap with end parts marked "0".
TEST_F(MainView, StirrupKindData)
{
    app().docManager().newDocument();
    CGLGZ_EtDraw draw;
    Prepare("sample.glt", draw);
    double depth = 0.0;
    draw.DrawMainView(origin, depth);
    ASSERT_EQ(draw.m_steelCodes.GetSize(), 4);
    const CHLGZ_MoreInfo& more = model.GetMoreInfo();
    const double outers = GetRebarOuterDiameter(more.GetStirrupDiameter(), more.GetStirrupBarType())
        + GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType());
    const double height = (geometry.dMiddleHeight - model.GetTopCover() - model.GetBottomCover() + outers) / s;
    // The whole-width kind: its plan width is the spacings between the outer columns.
    const CHLGZ_SteelCode& whole = draw.m_steelCodes[0];
    const double width = draw.SumColumnSpacings(9, 1) / s + outers / s;
    ASSERT_EQ(whole.aPoints.length(), 5);
    EXPECT_TRUE(Same(whole.aPoints[1], P(0.0, -width)));
    EXPECT_TRUE(Same(whole.aPoints[2], P(height, -width)));
    EXPECT_TRUE(Same(whole.aPoints[4], P(0.0, 0.0)));
    EXPECT_NEAR(whole.dTotalLength, whole.nCount * (draw.SumColumnSpacings(9, 1) + outers) * 2.0 / 1000.0, 1e-9);
    ASSERT_EQ(whole.aTexts.GetSize(), 2);
    EXPECT_TRUE(whole.aTexts[1].IsEmpty());
    EXPECT_EQ(draw.m_steelCodes[2].aTexts[1], CString(L"0"));
    EXPECT_EQ(draw.m_steelCodes[3].aTexts[1], CString(L"0"));
}

// In a half drawing no stirrup line reaches right of the middle line.
TEST_F(MainView, HalfDrawingStopsAtTheMiddleLine)
{
    app().docManager().newDocument();
    CGLGZ_EtDraw draw;
    Prepare("abutment.glt", draw, 1);
    double depth = 0.0;
    draw.DrawMainView(origin, depth);
    const AcGePoint3d top = MidPoint(ul, ur), bottom = MidPoint(ll, lr);
    auto rightOfMiddle = [&](const AcGePoint3d& p) {
        return (top.x - bottom.x) * (p.y - bottom.y) - (top.y - bottom.y) * (p.x - bottom.x) < -1e-9;
    };
    int stirrups = 0;
    for (const Segment& line : LinesOn(L"04-钢筋")) {
        EXPECT_FALSE(rightOfMiddle(line.a) || rightOfMiddle(line.b)) << line.a.x << " " << line.b.x;
        stirrups += line.a.x == line.b.x ? 1 : 0;
    }
    EXPECT_GT(stirrups, 10);
}

class StirrupLayout : public DrawingDesignFixture {
protected:
    void SetUp() override
    {
        DrawingDesignFixture::SetUp();
        Load("sample.glt");
        Attach(draw);
        draw.m_dScale = 1.0;
        draw.m_bHalfDrawing = 0;
        geometry.dMiddleHeight = 300.0;
        draw.m_lines.RemoveAll();
        for (int i = 0; i < 4; ++i)
            draw.m_lines.Add({ P(0.0, 0.0), P(0.0, 0.0) });
    }

    std::vector<double> Layout(double left, double right, int lastToEnd = 0)
    {
        AcGeDoubleArray positions;
        EXPECT_EQ(draw.LayoutStirrupPositions(P(left, 10.0), P(left - 5.0, 0.0), P(right + 5.0, 10.0), P(right, 0.0),
                      positions, lastToEnd),
            1);
        return Values(positions);
    }

    static std::vector<double> Steps(double from, double to, double step)
    {
        std::vector<double> out;
        for (double x = from; x <= to + 1e-9; x += step)
            out.push_back(x);
        return out;
    }

    CGLGZ_EtDraw draw;
};

// From the middle outward at the normal spacing, densified at the pier columns, mirrored; a
// stirrup at the middle unless one between two stirrups there reaches nearer to the left end.
TEST_F(StirrupLayout, DensifiedAtTheColumnsAndSymmetric)
{
    struct Case {
        const char* name;
        double spacing;
        double dense;
        int densify;
        double zone;
        std::vector<double> columns;
        double right;
        int half;
        std::vector<double> expected;
    };
    const std::vector<double> zoned { 0, 100, 200, 300, 350, 400, 450, 500, 550, 600, 650, 700, 800, 900, 1000 };
    const Case cases[] = {
        { "no columns", 100, 50, 1, 200, {}, 1000, 0, Steps(0, 1000, 100) },
        { "between two stirrups", 100, 50, 1, 200, {}, 1100, 0, Steps(0, 1100, 100) },
        { "a column at the middle", 100, 50, 1, 200, { 500 }, 1000, 0, zoned },
        { "no zone length: the middle height", 100, 50, 1, 0, { 500 }, 1000, 0, { 0, 100, 200, 250, 300, 350, 400, 450, 500,
                                                                               550, 600, 650, 700, 750, 800, 900, 1000 } },
        { "densification off", 100, 50, 0, 200, { 500 }, 1000, 0, Steps(0, 1000, 100) },
        { "no spacing", 0, 50, 1, 200, { 500 }, 1000, 0, { 500 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CHLGZ_MoreInfo& more = model.GetMoreInfo();
        more.SetStirrupSpacing(c.spacing);
        more.SetDenseStirrupSpacing(c.dense);
        more.SetDensifyInPierRanges(c.densify);
        more.SetDenseRangeEdgeOuter(c.zone);
        more.SetDenseRangeEdgeInner(c.zone);
        more.SetDenseHalfRangeMiddle(c.zone);
        draw.m_lines.SetSize(4);
        for (double x : c.columns)
            draw.m_lines.Add({ P(x, 10.0), P(x, 0.0) });
        draw.m_bHalfDrawing = c.half;
        const std::vector<double> got = Layout(0.0, c.right);
        ASSERT_EQ(got.size(), c.expected.size());
        for (size_t i = 0; i < got.size(); ++i)
            EXPECT_NEAR(got[i], c.expected[i], 1e-9) << i;
    }
    // In a half drawing the middle keeps its stirrup.
    draw.m_lines.SetSize(4);
    model.GetMoreInfo().SetStirrupSpacing(100);
    draw.m_bHalfDrawing = 1;
    const std::vector<double> half = Layout(0.0, 1100.0);
    EXPECT_NEAR(half.front(), 50.0, 1e-9);
    EXPECT_EQ(half.size(), 11u);
}

// A square left end of an abutment cap gets a stirrup on its end when the last step left more
// than 0.7 of a spacing; the skew-section drawing moves the last one there otherwise.
TEST_F(StirrupLayout, SquareAbutmentEnd)
{
    model.GetMoreInfo().SetStirrupSpacing(100);
    draw.m_bAbutment = 1;
    geometry.dLeftAngle = 90.0;
    const std::vector<double> far = Layout(0.0, 1180.0);
    EXPECT_NEAR(far.front(), 0.0, 1e-9);
    EXPECT_NEAR(far.back(), 1180.0, 1e-9);
    EXPECT_EQ(far.size(), 13u);
    const std::vector<double> near = Layout(0.0, 1050.0);
    EXPECT_NEAR(near.back(), 1025.0, 1e-9);
    const std::vector<double> moved = Layout(0.0, 1050.0, 1);
    EXPECT_NEAR(moved.back(), 1050.0, 1e-9);
    EXPECT_NEAR(moved.front(), 0.0, 1e-9);
    // A skewed end: no stirrup on it, and the layout between two stirrups reaches nearer.
    geometry.dLeftAngle = 80.0;
    EXPECT_NEAR(Layout(0.0, 1180.0).back(), 1140.0, 1e-9);
}

// The distance between two bar columns over the spacings between them; a single leg's hook.
TEST_F(StirrupLayout, ColumnSpacingsAndHooks)
{
    draw.m_dSkeletonSpacings.removeAll();
    for (double v : { 100.0, 200.0, 300.0 })
        draw.m_dSkeletonSpacings.append(v);
    model.GetMoreInfo().SetStirrupDiameter(12);
    model.GetMoreInfo().SetStirrupBarType(0);
    struct Case {
        int i;
        int j;
        double expected;
    };
    const Case cases[] = {
        { -1, 3, 126.0 },
        { 2, -1, 126.0 },
        { 3, 1, 300.0 },
        { 4, 2, 500.0 },
        { 1, 3, 0.0 },
        { 2, 2, 0.0 },
        // Beyond the spacings the columns stand where the last one ends.
        { 9, 1, 600.0 },
    };
    for (const Case& c : cases)
        EXPECT_NEAR(draw.SumColumnSpacings(c.i, c.j), c.expected, 1e-9) << c.i << "," << c.j;
}
