// The elevation completed after the plan: the cap's heights, length and column spacing, the
// stirrup lines at the plan's stirrup positions with their spacings, the side-bar rows with their
// dots, fans and spacings, the stirrup kinds' heights and lengths; and the leader fan and the
// line-entity intersections it is built with.
#include "DrawingDesignFixture.h"
#include "DrawnGeometry.h"

#include "AcDbAlignedDimension.h"
#include "AcDbCircle.h"
#include "AcDbLine.h"
#include "AcDbText.h"
#include "CGLGZ_EtDraw.h"
#include "CTov_InitDraw.h"
#include "NumericHelpers.h"
#include "RebarRules.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr double kTol = 1e-6;

AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }


} // namespace

class Elevation : public DrawingDesignFixture, protected ElevationLines {
protected:
    // The example as the run hands it to the drawing, changed by the test, its checks and
    // corrections made, the section view, the bar shapes and the plan drawn; the elevation next.
    void Prepare(const char* example, CGLGZ_EtDraw& draw, int half = 0, const ModelChange& change = {})
    {
        LoadAsTheRun(example, change);
        AttachAsTheRun(draw);
        ASSERT_NO_FATAL_FAILURE(RunToBarShapes(draw, half));
        double depth = 0.0;
        ASSERT_EQ(draw.DrawMainView(AcGePoint3d(200.0, 180.0, 0.0), depth), 1);
        before = modelSpace().size();
        MeasureElevationLines(draw, geometry);
    }

    std::vector<AcGePoint3d> CirclesOf(double radius) const
    {
        std::vector<AcGePoint3d> out;
        for (AcDbObjectId id : Drawn()) {
            if (ReadBack<AcDbCircle> c(id); c && std::fabs(c->radius() - radius) < kTol)
                out.push_back(c->center());
        }
        return out;
    }
    double Outers() const
    {
        const CHLGZ_MoreInfo& more = model.GetMoreInfo();
        return GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType())
            + GetRebarOuterDiameter(more.GetStirrupDiameter(), more.GetStirrupBarType());
    }
};

// The left end's height, its end height and rise (a cap with end parts), the overall length
// over the top (to the middle of a half drawing), worded at the column centre lines when the
// ends are skewed differently.
TEST_F(Elevation, HeightsAndLengthOfTheCap)
{
    struct Case {
        const char* example;
        int half;
        double rightAngle;
        double heightOffset;
        double heightLine;
        const wchar_t* lengthText;
    };
    const Case cases[] = {
        { "sample.glt", 0, 0.0, -1.0, -8.0, L"<>" },
        { "sample.glt", 0, 75.0, -1.0, -8.0, L"墩柱中心线处：<>" },
        { "abutment.glt", 0, 0.0, 0.0, -9.0, L"<>" },
        { "abutment.glt", 1, 0.0, 0.0, -13.5, L"<>" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.example) + (c.half ? " half" : "") + (c.rightAngle ? " skewed apart" : ""));
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare(c.example, draw, c.half, [&](CHLGZ_PierInfo&, CBent_BasicGeometry& g) {
            if (c.rightAngle != 0.0)
                g.dRightAngle = c.rightAngle;
        });
        ASSERT_EQ(draw.DrawElevation(), 1);
        const double x = l2.start.x;
        EXPECT_NE(FindDim(P(x + c.heightOffset, top), P(x + c.heightOffset, bottom), x + c.heightOffset + c.heightLine,
                      true),
            nullptr);
        const Dim* endHeight = FindDim(l2.start, l2.end, x - 4.0, true);
        const Dim* rise = FindDim(P(x, bottom), l2.end, x - 4.0, true);
        EXPECT_EQ(endHeight != nullptr, !draw.m_bAbutment);
        EXPECT_EQ(rise != nullptr, !draw.m_bAbutment);
        const double right = c.half ? xm : l3.start.x;
        const Dim* length = FindDim(P(x, top + 1.0), P(right, top + 1.0), top + 9.0 + lh, false);
        ASSERT_NE(length, nullptr);
        EXPECT_EQ(length->text, c.lengthText);
    }
}

// The chain under the cap: end to first column, column to column, last column to end; a half
// drawing stops at its middle with the column before it. The outer spans lie on the chain's
// line beside the end parts' widths, 6 nearer the cap on an abutment cap.
TEST_F(Elevation, ColumnSpacingChainReachesTheMiddle)
{
    for (int half : { 0, 1 }) {
        const char* example = half ? "abutment.glt" : "sample.glt";
        SCOPED_TRACE(example);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare(example, draw, half);
        ASSERT_EQ(draw.DrawElevation(), 1);
        const int n = static_cast<int>(draw.m_lines.GetSize());
        const double y = draw.m_lines[4].end.y;
        const double outerFirst = draw.m_bAbutment ? 0.0 : -4.0;
        const double outerLine = draw.m_bAbutment ? -4.0 : -10.0;
        EXPECT_NE(FindDim(P(l2.end.x, y + outerFirst), P(draw.m_lines[4].end.x, y + outerFirst), y + outerLine, false),
            nullptr);
        int spans = 0;
        for (int i = 4; i + 1 < n; ++i) {
            const double a = draw.m_lines[i].end.x, b = draw.m_lines[i + 1].end.x;
            const Dim* d = FindDim(P(a, y - 4.0), P(b, y - 4.0), y - 10.0, false);
            EXPECT_EQ(d != nullptr, !half || b <= xm + kTol) << i;
            spans += d != nullptr;
        }
        EXPECT_GT(spans, 0);
        if (half) {
            // Four columns: the middle lies in the second span.
            EXPECT_NE(FindDim(P(draw.m_lines[5].end.x, y - 4.0), P(xm, y - 4.0), y - 10.0, false), nullptr);
            for (const Dim& d : Dims())
                EXPECT_LE(std::max(d.x1.x, d.x2.x), xm + kTol);
        } else {
            EXPECT_NE(FindDim(P(draw.m_lines[n - 1].end.x, y - 4.0), P(l3.end.x, y - 4.0), y - 10.0, false), nullptr);
        }
    }
}

// One upright bar line a stirrup position of the plan (the laid-out ones and those at the ends),
// round the plate bars: the top cover under the top and the bottom cover over the underside of
// the middle part, higher along an end part's bottom; none right of a half drawing's middle. The
// spacings run over the cap from end to end.
TEST_F(Elevation, StirrupLinesStandAtThePlansPositions)
{
    for (int half : { 0, 1 }) {
        const char* example = half ? "abutment.glt" : "sample.glt";
        SCOPED_TRACE(example);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare(example, draw, half);
        ASSERT_EQ(draw.DrawElevation(), 1);
        std::vector<double> expected;
        for (const AcGeDoubleArray* list :
            { &draw.m_dLeftEndStirrups, &draw.m_dStirrupPositions, &draw.m_dRightEndStirrups }) {
            for (int i = 0; i < list->length(); ++i) {
                if (!half || (*list)[i] <= xm + 1.0 / s)
                    expected.push_back((*list)[i]);
            }
        }
        ASSERT_FALSE(expected.empty());
        if (!half) {
            EXPECT_FALSE(draw.m_dLeftEndStirrups.isEmpty());
        }
        const double half_outers = Outers() / (2.0 * s);
        const double upper = top - model.GetTopCover() / s + half_outers;
        const double lower = bottom + model.GetBottomCover() / s - half_outers;
        std::vector<double> drawn;
        for (const Segment& l : LinesOn(L"04-钢筋")) {
            if (std::fabs(l.a.x - l.b.x) > kTol)
                continue;
            drawn.push_back(l.a.x);
            EXPECT_NEAR(std::max(l.a.y, l.b.y), upper, kTol);
            const double x = l.a.x;
            const bool inEndPart = !draw.m_bAbutment && (x < l0.end.x - kTol || x > l1.end.x + kTol);
            if (inEndPart) {
                EXPECT_GT(std::min(l.a.y, l.b.y), lower + kTol) << x;
            } else {
                EXPECT_NEAR(std::min(l.a.y, l.b.y), lower, kTol) << x;
            }
        }
        std::sort(expected.begin(), expected.end());
        std::sort(drawn.begin(), drawn.end());
        ASSERT_EQ(drawn.size(), expected.size());
        for (size_t i = 0; i < drawn.size(); ++i)
            EXPECT_NEAR(drawn[i], expected[i], kTol);
        // The spacing chain over the top: from the left end on, to the right end or the middle.
        double from = 1e300, to = -1e300;
        for (const Dim& d : Dims()) {
            if (std::fabs(d.x1.y - (top + lh + 2.0)) < kTol && std::fabs(d.line.y - (top + lh + 6.0)) < kTol) {
                from = std::min({ from, d.x1.x, d.x2.x });
                to = std::max({ to, d.x1.x, d.x2.x });
            }
        }
        EXPECT_NEAR(from, l2.end.x, kTol);
        EXPECT_NEAR(to, half ? expected.back() : l3.end.x, kTol);
    }
}

// Over an end part the bottom-plate bar is bent, and the stirrups there vary in height: the
// shortest and the longest of each end are dimensioned on their own lines, the dimension line 3
// toward the middle. A flat bottom (abutment cap) gets none.
TEST_F(Elevation, EndPartStirrupsShowTheirShortestAndLongestHeight)
{
    for (const char* example : { "sample.glt", "abutment.glt" }) {
        SCOPED_TRACE(example);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare(example, draw);
        ASSERT_EQ(draw.DrawElevation(), 1);
        for (int end = 0; end < 2; ++end) {
            const AcGeDoubleArray& list = end == 0 ? draw.m_dLeftEndStirrups : draw.m_dRightEndStirrups;
            const double inward = end == 0 ? 3.0 : -3.0;
            double least = 1e300, most = -1e300, xLeast = 0.0, xMost = 0.0;
            for (int i = 0; i < list.length(); ++i) {
                const double h = draw.StirrupHeightAt(list[i]);
                if (h < least)
                    least = h, xLeast = list[i];
                if (h > most)
                    most = h, xMost = list[i];
            }
            std::vector<double> measured;
            for (const Dim& d : Dims())
                if (std::fabs(d.x1.x - d.x2.x) < kTol && std::fabs(d.line.x - d.x1.x - inward) < kTol)
                    for (double x : { xLeast, xMost })
                        if (std::fabs(d.x1.x - x) < kTol)
                            measured.push_back(std::fabs(d.x2.y - d.x1.y) * s);
            if (draw.m_bAbutment) {
                EXPECT_TRUE(measured.empty());
                continue;
            }
            ASSERT_FALSE(list.isEmpty());
            ASSERT_GT(most - least, 1.0);
            ASSERT_EQ(measured.size(), 2u);
            std::sort(measured.begin(), measured.end());
            EXPECT_NEAR(measured[0], least, 1e-6);
            EXPECT_NEAR(measured[1], most, 1e-6);
        }
    }
}

// One bar line a side-bar row, at the design's spacings down from the top cover, from end to
// end of the outline with a dot inside each end (a half drawing's rows run to its cut without
// one); the rows under the middle of the height fanned at their left ends, those over it at
// their right ends (whole drawing only), each circle with the side bars' number; the rows'
// spacings beside the view.
TEST_F(Elevation, SideBarRowsAtTheSpacings)
{
    for (int half : { 0, 1 }) {
        const char* example = half ? "abutment.glt" : "sample.glt";
        SCOPED_TRACE(example);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare(example, draw, half);
        // The side bars' mark follows the longitudinal bars' marks.
        CHLGZ_SteelCode mark;
        mark.nNumber = 7;
        draw.m_steelCodes.InsertAt(0, mark);
        draw.m_steelCodes.InsertAt(0, CHLGZ_SteelCode());
        draw.m_nGroupedMarks = 1;
        ASSERT_EQ(draw.DrawElevation(), 1);
        const AcGeDoubleArray& spacings = model.GetMoreInfo().GetSideSpacings();
        ASSERT_GT(spacings.length(), 2);
        std::vector<double> levels;
        double y = top - model.GetTopCover() / s;
        for (int i = 0; i + 1 < spacings.length(); ++i)
            levels.push_back(y -= spacings[i] / s);
        const std::vector<Segment> bars = LinesOn(L"04-钢筋");
        int below = 0;
        for (double level : levels) {
            // Above the end faces' lower corners the rows end on the end faces.
            if (level > l2.end.y) {
                const double right = half ? xm : l3.start.x;
                EXPECT_TRUE(HasSegment(bars, P(l2.start.x, level), P(right, level))) << level;
            } else {
                bool found = false;
                for (const Segment& b : bars)
                    found = found || (std::fabs(b.a.y - level) < kTol && std::fabs(b.b.y - level) < kTol);
                EXPECT_TRUE(found) << level;
            }
            below += level < (top + bottom) / 2.0;
        }
        const std::vector<AcGePoint3d> dots = CirclesOf(0.3);
        EXPECT_EQ(dots.size(), levels.size() * (half ? 1 : 2));
        const std::vector<AcGePoint3d> circles = CirclesOf(draw.m_dMarkRadius);
        ASSERT_EQ(circles.size(), half ? 1u : 2u);
        EXPECT_GT(below, 1);
        // The lower fan left of the view, the upper right of it.
        EXPECT_LT(circles[0].x, l2.start.x + (draw.m_bAbutment ? 0.0 : geometry.dLeftWidth / s));
        if (!half) {
            EXPECT_GT(circles[1].x, l3.start.x);
        }
        int numbers = 0;
        for (AcDbObjectId id : Drawn()) {
            ReadBack<AcDbText> text(id);
            if (!text || std::wstring(text->textStringConst()) != L"7")
                continue;
            ++numbers;
            EXPECT_TRUE(Same(text->alignmentPoint(), circles[0]) || Same(text->alignmentPoint(), circles.back()));
        }
        EXPECT_EQ(numbers, static_cast<int>(circles.size()));
        // The spacings: cover, the rows' spacings, cover, from the top down.
        const double sign = half ? -1.0 : 1.0;
        const double reach = 2.0 + 1.5 + 2.0 * draw.m_dMarkRadius;
        const double x = (half ? l2.start.x : l3.start.x) + sign * reach + sign * (draw.m_bAbutment ? 3.0 : 2.0);
        EXPECT_NE(FindDim(P(x, top), P(x, top - model.GetTopCover() / s), x + sign * (draw.m_bAbutment ? 9.0 : 5.0),
                      true),
            nullptr);
    }
}

// The plan's stirrup kinds take the heights of their stirrups in the elevation: the kinds at the
// skewed ends of a cap with end parts stand along the end parts' sloping bottoms and get the
// range of their heights in place of "0"; the laid-out kinds stand in the middle part at one
// height and keep their text. Each gets its legs and hooks added to its total.
TEST_F(Elevation, StirrupKindsTakeTheirHeights)
{
    CGLGZ_EtDraw draw;
    Prepare("sample.glt", draw);
    const int n = static_cast<int>(draw.m_steelCodes.GetSize());
    std::vector<double> totals;
    for (int i = 0; i < n; ++i)
        totals.push_back(draw.m_steelCodes[i].dTotalLength);
    ASSERT_EQ(draw.DrawElevation(), 1);
    // The sample's stirrups, all closed: one round the outer columns, four between neighbouring
    // skeleton columns; a kind each, then their skewed kinds.
    ASSERT_EQ(model.GetMainFace().GetStirrups().GetSize(), 5);
    ASSERT_EQ(n, 4);
    const CHLGZ_MoreInfo& more = model.GetMoreInfo();
    const double h = geometry.dMiddleHeight - model.GetTopCover() - model.GetBottomCover() + Outers();
    const double hook = GetHookLength(more.GetStirrupDiameter(), more.GetStirrupBarType(), 90, 0.0);
    const double positions = draw.m_dStirrupPositions.length();
    const int stirrups[2] = { 1, 4 };
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        const CHLGZ_SteelCode& kind = draw.m_steelCodes[k];
        const CHLGZ_SteelCode& skewed = draw.m_steelCodes[2 + k];
        ASSERT_EQ(skewed.aTexts.GetSize(), 2);
        const std::wstring range(skewed.aTexts[1].GetString());
        const size_t tilde = range.find(L'~');
        ASSERT_NE(tilde, std::wstring::npos) << range;
        EXPECT_LT(std::stod(range.substr(0, tilde)), std::stod(range.substr(tilde + 1)));
        EXPECT_LE(std::stod(range.substr(tilde + 1)), h / 10.0);
        EXPECT_TRUE(kind.aTexts[1].IsEmpty());
        EXPECT_NEAR(kind.dTotalLength - totals[k], stirrups[k] * positions * (2.0 * h + 2.0 * hook) / 1000.0, 1e-6);
        EXPECT_GT(skewed.dTotalLength, totals[2 + k]);
    }
}

// Leaders from a row of bars to a base line beside it, drawn in to the middle, a tail square to
// it and a circle beyond: two bars both to the middle, three the middle one straight, four with
// the middle pair meeting at the tail; one bar draws nothing.
TEST_F(Elevation, LeaderFanOverRowsOfBars)
{
    struct Case {
        std::vector<AcGePoint3d> points;
        std::vector<Segment> lines;
        AcGePoint3d centre;
    };
    const Case cases[] = {
        { { P(0, 0), P(0, -4) }, { { P(0, 0), P(-2, -2) }, { P(0, -4), P(-2, -2) }, { P(-2, -2), P(-3.5, -2) } },
            P(-6, -2) },
        { { P(0, 0), P(0, -4), P(0, -8) },
            { { P(-2, -2), P(-2, -6) }, { P(0, -4), P(-2, -4) }, { P(0, 0), P(-2, -2) }, { P(0, -8), P(-2, -6) },
                { P(-2, -4), P(-3.5, -4) } },
            P(-6, -4) },
        { { P(0, 0), P(0, -4), P(0, -8), P(0, -12) },
            { { P(-2, -2), P(-2, -10) }, { P(0, 0), P(-2, -2) }, { P(0, -4), P(-2, -6) }, { P(0, -8), P(-2, -6) },
                { P(0, -12), P(-2, -10) }, { P(-2, -6), P(-3.5, -6) } },
            P(-6, -6) },
    };
    CTov_InitDraw setup;
    setup.m_dElevationScale = 100.0;
    setup.m_dSectionScale = 40.0;
    setup.Run();
    CGLGZ_EtDraw draw;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.points.size());
        before = modelSpace().size();
        AcGePoint3dArray points;
        for (const AcGePoint3d& p : c.points)
            points.append(p);
        AcGePoint3d centre = P(99, 99);
        ASSERT_EQ(draw.DrawLeaderFan(centre, points, 0.0, -2.0, -1.5, 2.5), 1);
        EXPECT_TRUE(Same(centre, c.centre));
        const std::vector<Segment> lines = LinesOn(L"08-标注");
        EXPECT_EQ(lines.size(), c.lines.size());
        for (const Segment& l : c.lines)
            EXPECT_TRUE(HasSegment(lines, l.a, l.b)) << l.a.x << "," << l.a.y << " " << l.b.x << "," << l.b.y;
        const std::vector<AcGePoint3d> circles = CirclesOf(2.5);
        ASSERT_EQ(circles.size(), 1u);
        EXPECT_TRUE(Same(circles[0], c.centre));
    }
    before = modelSpace().size();
    AcGePoint3dArray one;
    one.append(P(0, 0));
    AcGePoint3d centre = P(99, 99);
    EXPECT_EQ(draw.DrawLeaderFan(centre, one, 0.0, -2.0, -1.5, 2.5), 0);
    EXPECT_TRUE(Same(centre, P(99, 99)));
    EXPECT_TRUE(Drawn().empty());
}

// The extreme intersection of a line, extended, with the entities that open: the lowest or the
// highest, the leftmost or the rightmost; none leaves the point as it was.
TEST_F(Elevation, EdgeIntersectionPicksTheExtremeHit)
{
    AcDbObjectIdArray ids;
    for (double y : { 0.0, 5.0 }) {
        AcDbLine* line = new AcDbLine(P(0, y), P(10, y));
        AcDbObjectId id;
        ASSERT_TRUE(AppendToModelSpace(line, id));
        line->close();
        ids.append(id);
    }
    ids.append(AcDbObjectId());
    AcGePoint3dArray hits;
    EXPECT_EQ(CGLGZ_CapDraw::IntersectLineWithEntities(P(3, 1), P(3, 2), ids, hits), 2);
    AcGePoint3d p = P(-1, -1);
    ASSERT_EQ(CGLGZ_CapDraw::FindEdgeIntersection(P(3, 1), P(3, 2), ids, 0, 1, p), 1);
    EXPECT_TRUE(Same(p, P(3, 5)));
    ASSERT_EQ(CGLGZ_CapDraw::FindEdgeIntersection(P(3, 1), P(3, 2), ids, 0, 0, p), 1);
    EXPECT_TRUE(Same(p, P(3, 0)));
    // Parallel to both lines, and beyond their ends: no hit.
    p = P(-1, -1);
    EXPECT_EQ(CGLGZ_CapDraw::FindEdgeIntersection(P(0, 1), P(1, 1), ids, 1, 0, p), 0);
    EXPECT_EQ(CGLGZ_CapDraw::FindEdgeIntersection(P(20, 1), P(20, 2), ids, 1, 0, p), 0);
    EXPECT_TRUE(Same(p, P(-1, -1)));
}
