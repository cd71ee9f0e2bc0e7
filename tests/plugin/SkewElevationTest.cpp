// The elevation of the skew-section drawing: the heights at the left end with the L part's, the
// overall length over the L part, the column chain adding up to the cap's length, the stirrups'
// hooks by their diameter; and the section view's L part that the skew drawing draws with two
// lines.
#include "SkewDrawFixture.h"

#include "AcDbAlignedDimension.h"
#include "AcDbLine.h"
#include "RebarRules.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr double kTol = 1e-6;

AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }

} // namespace

class SkewElevation : public SkewDrawFixture, protected ElevationLines {
protected:
    // Prepared up to the plan, which lays out the stirrups; the elevation next.
    void Prepare(const char* example, CGLGZ_BtDraw& draw, int half = 0, const ModelChange& change = {})
    {
        ASSERT_NO_FATAL_FAILURE(PrepareSkewToSpanRows(example, draw, half, change));
        double depth = 0.0;
        ASSERT_EQ(draw.DrawMainView(draw.MainViewOrigin(), depth), 1);
        MarkDrawn();
        MeasureElevationLines(draw, geometry);
    }
};

// The left height at 9 beside the cap for every cap (13.5 for a half-drawn abutment cap); the end
// height and rise of a pier cap; the L part's own height; the overall length with its extension
// lines from above the L part.
TEST_F(SkewElevation, HeightsAndLengthOverTheLPart)
{
    struct Case {
        const char* example;
        int half;
        double heightLine;
    };
    for (const Case& c : { Case { "square-two-columns.glt", 0, -9.0 }, Case { "abutment.glt", 1, -13.5 },
             Case { "l-section.glt", 0, -9.0 } }) {
        SCOPED_TRACE(std::string(c.example) + (c.half ? " half" : ""));
        app().docManager().newDocument();
        CGLGZ_BtDraw draw;
        ASSERT_NO_FATAL_FAILURE(Prepare(c.example, draw, c.half));
        ASSERT_EQ(draw.DrawElevation(), 1);
        const double x = l2.start.x;
        EXPECT_TRUE(HasDim(P(x, top), P(x, bottom), x + c.heightLine, true));
        EXPECT_EQ(HasDim(l2.start, l2.end, x - 4.0, true), !draw.m_bAbutment);
        EXPECT_EQ(HasDim(P(x, top + lh), l2.start, x - 4.0, true), lh > 0.0);
        const double right = c.half ? xm : l3.start.x;
        EXPECT_TRUE(HasDim(P(x, top + lh + 1.0), P(right, top + lh + 1.0), top + lh + 9.0, false));
    }
}

// The chain under the cap adds up to the cap's length, or to half of it in a half drawing, and
// the overall length over the top measures the same.
TEST_F(SkewElevation, ColumnChainAddsUpToTheCapLength)
{
    struct Case {
        const char* example;
        int half;
    };
    for (const Case& c : { Case { "square-two-columns.glt", 0 }, Case { "square-two-columns.glt", 1 },
             Case { "abutment.glt", 0 }, Case { "abutment.glt", 1 } }) {
        SCOPED_TRACE(std::string(c.example) + (c.half ? " half" : ""));
        app().docManager().newDocument();
        CGLGZ_BtDraw draw;
        ASSERT_NO_FATAL_FAILURE(Prepare(c.example, draw, c.half));
        ASSERT_EQ(draw.DrawElevation(), 1);
        const double chainY = draw.m_lines[4].end.y;
        double chain = 0.0;
        double overall = 0.0;
        for (const Dim& d : Dims()) {
            const bool level = std::fabs(d.x1.y - d.x2.y) < kTol;
            if (level && std::fabs(d.x1.y - chainY) < 4.0 + kTol)
                chain += std::fabs(d.x2.x - d.x1.x);
            if (level && d.x1.y > top)
                overall = std::max(overall, std::fabs(d.x2.x - d.x1.x));
        }
        const double expected = geometry.dLength / s / (c.half ? 2.0 : 1.0);
        EXPECT_NEAR(chain, expected, 1e-6);
        EXPECT_NEAR(overall, expected, 1e-6);
    }
}

// The stirrups' hooks are 21.86 diameters a stirrup: a kind's total grows by its stirrups'
// legs and that allowance for each position.
TEST_F(SkewElevation, StirrupHooksAreTwentyOneDiameters)
{
    CGLGZ_BtDraw draw;
    ASSERT_NO_FATAL_FAILURE(Prepare("square-two-columns.glt", draw));
    EXPECT_DOUBLE_EQ(draw.StirrupHookAllowance(false), 21.86 * model.GetMoreInfo().GetStirrupDiameter());
    EXPECT_DOUBLE_EQ(draw.StirrupHookAllowance(true), draw.StirrupHookAllowance(false));
    const INT_PTR records = draw.m_steelCodes.GetSize();
    ASSERT_GT(records, 0);
    const double before = draw.m_steelCodes[records - 1].dTotalLength;
    ASSERT_EQ(draw.DrawElevation(), 1);
    EXPECT_GT(draw.m_steelCodes[records - 1].dTotalLength, before);
}

// An L-shaped section view draws its L part as two lines: over the top and down the left end.
TEST_F(SkewElevation, LPartOfTheSectionViewIsTwoLines)
{
    for (int half : { 0, 1 }) {
        SCOPED_TRACE(half);
        app().docManager().newDocument();
        CGLGZ_BtDraw draw;
        LoadAsTheRun("l-section.glt");
        AttachAsTheRun(draw);
        draw.m_bHalfDrawing = half;
        draw.TakeSupportBlock();
        draw.NormalizeSupports();
        draw.PrepareDrawing();
        ASSERT_EQ(draw.DecideAbutment(), 1);
        ASSERT_EQ(draw.NumberBarsAndCheck(), 1);
        MarkDrawn();
        double depth = 0.0;
        ASSERT_EQ(draw.DrawSectionView(draw.SectionViewOrigin(), depth), 1);
        const double h = geometry.dLHeight / draw.m_dScale;
        ASSERT_GT(h, 0.0);
        const AcGePoint3d left = draw.m_lines[2].start;
        const AcGePoint3d right = draw.m_lines[3].start;
        const double xMid = (draw.m_lines[2].end.x + draw.m_lines[3].end.x) / 2.0;
        int raised = 0;
        // Above the cap top and no higher than the L part (the title's frame stands above it).
        for (const Segment& l : LinesOn(L"02-结构")) {
            const double high = std::max(l.a.y, l.b.y);
            raised += high > left.y + kTol && high < left.y + h + kTol ? 1 : 0;
        }
        EXPECT_EQ(raised, 2);
        const std::vector<Segment> lines = LinesOn(L"02-结构");
        EXPECT_TRUE(HasSegment(lines, P(left.x, left.y + h), P(half ? xMid : right.x, right.y + h)));
        EXPECT_TRUE(HasSegment(lines, left, P(left.x, left.y + h)));
    }
}
