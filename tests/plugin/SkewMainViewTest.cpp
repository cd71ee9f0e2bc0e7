// The plan "平面" of the skew-section drawing: its outline and skew angles against the geometry
// of the skew examples, the end tapers' inner contours, the pier columns with their centre
// lines, the bars and stirrups inside the outline, and a plan whose stirrups cannot be placed.
#include "SkewDrawFixture.h"

#include "CGLGZ_CapDraw_PlanWork.h"
#include "CGLGZ_EtDraw.h"

#include "AcDb3PointAngularDimension.h"
#include "AcDbArc.h"
#include "AcDbCircle.h"
#include "AcDbLine.h"
#include "NumericHelpers.h"

#include <cmath>
#include <vector>

namespace {

constexpr double kTol = 1e-6;
constexpr double kPi = 3.1415926535;

AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }

double Cot(double degrees) { return std::cos(degrees * kPi / 180.0) / std::sin(degrees * kPi / 180.0); }

} // namespace

class SkewMainView : public SkewDrawFixture, protected PlanCorners {
protected:
    // The example prepared up to the span rows; the plan's expected corners from the geometry.
    void Prepare(const char* example, CGLGZ_BtDraw& draw, int half = 0, const ModelChange& change = {})
    {
        ASSERT_NO_FATAL_FAILURE(PrepareSkewToSpanRows(example, draw, half, change));
        MarkDrawn();
        MeasurePlanCorners(origin, draw.m_dScale, geometry, 15.0);
    }

    AcGePoint3dArray Outline() const
    {
        AcGePoint3dArray outline;
        for (const AcGePoint3d& p : { ll, lr, ur, ul })
            outline.append(p);
        return outline;
    }

    const AcGePoint3d origin { 200.0, 180.0, 0.0 };
};

// The corners lie on each end's skew line through its end centre, hw / sin a from it; a whole
// plan is closed, a half one stops at the middles of its long edges. A pier cap's tapers begin at
// the end widths (only the left one in a half plan); an abutment cap has none.
TEST_F(SkewMainView, OutlineFollowsTheSkewedEnds)
{
    struct Case {
        const char* example;
        int half;
    };
    for (const Case& c : { Case { "square-two-columns.glt", 0 }, Case { "square-two-columns.glt", 1 },
             Case { "abutment.glt", 0 }, Case { "l-section.glt", 0 } }) {
        SCOPED_TRACE(std::string(c.example) + (c.half ? " half" : ""));
        app().docManager().newDocument();
        CGLGZ_BtDraw draw;
        ASSERT_NO_FATAL_FAILURE(Prepare(c.example, draw, c.half));
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
        } else {
            for (const Segment& edge : { Segment { ur, lr }, Segment { lr, ll }, Segment { ul, ur } })
                EXPECT_TRUE(HasSegment(outline, edge.a, edge.b));
        }
        const std::vector<Segment> contours = LinesOn(L"12-内廓");
        const double lw = geometry.dLeftWidth / s, rw = geometry.dRightWidth / s;
        const bool pier = !draw.m_bAbutment;
        EXPECT_EQ(HasSegment(contours, P(ll.x + lw, ll.y), P(ul.x + lw, ul.y)), pier);
        EXPECT_EQ(HasSegment(contours, P(ur.x - rw, ur.y), P(lr.x - rw, lr.y)), pier && !c.half);
        if (geometry.dLeftAngle == 90.0 && geometry.dRightAngle == 90.0) {
            EXPECT_TRUE(Of<AcDb3PointAngularDimension>().empty());
            EXPECT_NEAR(ul.x, xl, kTol);
        }
    }
}

// One angle dimension a skewed end, vertex at the end centre, from a reference line square to
// the axis to the end edge: at the left end the line runs up under 90 and down over 90, at the
// right end the other way; a half plan puts the right one at the middle of the plan.
TEST_F(SkewMainView, SkewAngleDimensionsAtTheEnds)
{
    struct Case {
        double left;
        double right;
        int half;
        std::vector<double> footYs;
    };
    const Case cases[] = {
        { 60.0, 90.0, 0, { +1.0 } },
        { 90.0, 120.0, 0, { +1.0 } },
        { 120.0, 60.0, 0, { -1.0, -1.0 } },
        { 80.0, 80.0, 1, { +1.0, -1.0 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.left);
        app().docManager().newDocument();
        CGLGZ_BtDraw draw;
        ASSERT_NO_FATAL_FAILURE(Prepare("square-two-columns.glt", draw, c.half, [&](CHLGZ_PierInfo&, CBent_BasicGeometry& g) {
            g.dLeftAngle = c.left;
            g.dRightAngle = c.right;
        }));
        double depth = 0.0;
        ASSERT_EQ(draw.DrawMainView(origin, depth), 1);
        // The left edge leans right at its top by hw cot a.
        EXPECT_NEAR(ul.x - xl, hw * Cot(c.left), kTol);
        EXPECT_TRUE(HasSegment(LinesOn(L"02-结构"), ll, ul));
        ExpectPlanEndAngleMarks(xl, c.half ? origin.x : xr, yc, hw, c.left, c.right, c.footYs);
    }
}

// A circle at each column axis with two centre lines reaching 2.25 past it; in a half plan a
// column on the middle is its left half and those right of it are left out.
TEST_F(SkewMainView, PierColumnsWithTheirCentreLines)
{
    for (int half : { 0, 1 }) {
        SCOPED_TRACE(half);
        app().docManager().newDocument();
        CGLGZ_BtDraw draw;
        ASSERT_NO_FATAL_FAILURE(Prepare("abutment.glt", draw, half));
        const int columns = draw.m_lines.GetSize() - 4;
        ASSERT_EQ(columns, 4);
        const double xm = (draw.m_lines[2].end.x + draw.m_lines[3].end.x) / 2.0;
        // A column moved onto the middle.
        draw.m_lines[5].end.x = xm;
        double depth = 0.0;
        ASSERT_EQ(draw.DrawMainView(origin, depth), 1);
        const double r = geometry.dColumnDiameter / s / 2.0;
        const std::vector<AcDbObjectId> circles = Of<AcDbCircle>(L"12-内廓");
        ASSERT_EQ(circles.size(), half ? 1u : 4u);
        const std::vector<Segment> centres = LinesOn(L"13-中心");
        for (int i = 0; i < columns; ++i) {
            const double xc = draw.m_lines[4 + i].end.x;
            const bool drawn = !half || xc <= xm + 0.01;
            EXPECT_EQ(HasSegment(centres, P(xc, yc - r - 2.25), P(xc, yc + r + 2.25)), drawn) << i;
            const double rightEnd = half && i == 1 ? xc : xc + r + 2.25;
            EXPECT_EQ(HasSegment(centres, P(xc - r - 2.25, yc), P(rightEnd, yc)), drawn) << i;
        }
        ReadBack<AcDbCircle> first(circles[0]);
        EXPECT_TRUE(Same(first->center(), P(draw.m_lines[4].end.x, yc)));
        EXPECT_NEAR(first->radius(), r, kTol);
        const std::vector<AcDbObjectId> arcs = Of<AcDbArc>(L"12-内廓");
        ASSERT_EQ(arcs.size(), half ? 1u : 0u);
        if (half) {
            ReadBack<AcDbArc> arc(arcs[0]);
            EXPECT_TRUE(Same(arc->center(), P(xm, yc)));
            EXPECT_NEAR(arc->startAngle(), kPi / 2.0, 1e-9);
            EXPECT_NEAR(arc->endAngle(), 3.0 * kPi / 2.0, 1e-9);
        }
    }
}

// Every bar and stirrup line of the plan lies inside its outline, a half plan's left of the
// middle; the plan's stirrups were laid out.
TEST_F(SkewMainView, BarsAndStirrupsLieInsideTheOutline)
{
    struct Case {
        const char* example;
        int half;
    };
    for (const Case& c : { Case { "square-two-columns.glt", 0 }, Case { "square-two-columns.glt", 1 },
             Case { "abutment.glt", 1 }, Case { "l-section.glt", 0 } }) {
        SCOPED_TRACE(std::string(c.example) + (c.half ? " half" : ""));
        app().docManager().newDocument();
        CGLGZ_BtDraw draw;
        ASSERT_NO_FATAL_FAILURE(Prepare(c.example, draw, c.half));
        double depth = 0.0;
        ASSERT_EQ(draw.DrawMainView(origin, depth), 1);
        const std::vector<Segment> bars = LinesOn(L"04-钢筋");
        ASSERT_GT(bars.size(), 10u);
        const AcGePoint3dArray outline = Outline();
        const AcGePoint3d top = MidPoint(ul, ur), bottom = MidPoint(ll, lr);
        for (const Segment& bar : bars) {
            for (const AcGePoint3d& p : { bar.a, bar.b }) {
                EXPECT_TRUE(InsideOutline(outline, p)) << p.x << ", " << p.y;
                // Left of the skewed middle line, or a stirrup standing on it.
                const double middle = bottom.x + (p.y - bottom.y) * (top.x - bottom.x) / (top.y - bottom.y);
                if (c.half) {
                    EXPECT_LE(p.x, middle + 0.1 / s + kTol);
                }
            }
        }
        EXPECT_FALSE(draw.m_dStirrupPositions.isEmpty());
    }
}

// Side covers that leave no room across the plan: its stirrups cannot be drawn and the plan
// gives 0, after its outline.
TEST_F(SkewMainView, NoRoomForTheStirrupsFails)
{
    CGLGZ_BtDraw draw;
    ASSERT_NO_FATAL_FAILURE(Prepare("square-two-columns.glt", draw, 0));
    model.SetSideCover(geometry.dWidth);
    double depth = 0.0;
    EXPECT_EQ(draw.DrawMainView(origin, depth), 0);
    EXPECT_TRUE(HasSegment(LinesOn(L"02-结构"), ll, ul));
}

// In a half plan a stirrup standing within 0.1 mm of the middle (at the drawing's scale) is drawn
// whole in the skew-section drawing; the normal-section drawing leaves out any stirrup right of
// the middle line, and so does the skew one beyond that tolerance.
TEST_F(SkewMainView, StirrupOnTheMiddleStaysWhole)
{
    struct Case {
        double x;
        bool skew;
        bool drawn;
    };
    const Case cases[] = {
        { 0.0005, true, true },
        { 0.0005, false, false },
        { 0.002, true, false },
        { -0.5, true, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + (c.skew ? " skew" : " normal"));
        CGLGZ_BtDraw bt;
        CGLGZ_EtDraw et;
        CGLGZ_CapDraw& draw = c.skew ? static_cast<CGLGZ_CapDraw&>(bt) : static_cast<CGLGZ_CapDraw&>(et);
        draw.m_dScale = 100.0;
        draw.m_bHalfDrawing = 1;
        draw.m_steelCodes.Add(CHLGZ_SteelCode());
        CGLGZ_CapDraw::PlanStirrupWork w;
        w.middleBottom = P(0.0, 0.0);
        w.middleTop = P(0.0, 10.0);
        MarkDrawn();
        draw.DrawStirrupLine(w, 0, P(c.x, 1.0), P(c.x, 9.0));
        // No layers are set up here: every line drawn counts.
        std::vector<Segment> lines;
        for (AcDbObjectId id : Drawn()) {
            if (ReadBack<AcDbLine> line(id); line)
                lines.push_back({ line->startPoint(), line->endPoint() });
        }
        EXPECT_EQ(HasSegment(lines, P(c.x, 1.0), P(c.x, 9.0)), c.drawn);
        EXPECT_EQ(lines.size(), c.drawn ? 1u : 0u);
        // Drawn or not, the stirrup is one of the cap's and counted whole.
        EXPECT_EQ(draw.m_steelCodes[0].nCount, 1);
        EXPECT_NEAR(draw.m_steelCodes[0].dTotalLength, 8.0, 1e-9);
    }
}
