// The skew-section drawing's longitudinal bars: its straight ends two thirds of the weld length
// inside the plate bar's corner, an abutment cap's ends turned back along the bottom, the bars of
// the skew examples inside the outline with the L part's top line, and the cut lengths reduced
// by the bends.
#include "SkewDrawFixture.h"
#include "DrawnGeometry.h"

#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "CGLGZ_BtDraw.h"
#include "CGLGZ_CapDraw_BarShapeWork.h"
#include "RebarRules.h"

#include <cmath>
#include <vector>

namespace {

AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }

std::vector<CHLGZ_BASSteel*> BarsOf(CHLGZ_FaceInfo& face)
{
    std::vector<CHLGZ_BASSteel*> bars;
    CGLGZ_CapDraw::BarShapeWork::ForEachBar(face, [&](CHLGZ_BASSteel& bar) { bars.push_back(&bar); });
    return bars;
}

} // namespace

class SkewBarShapes : public SkewDrawFixture {
protected:
    void Prepare(const char* example, CGLGZ_BtDraw& draw) { PrepareSkew(example, draw); }
};

// Start and end of a bar at a pier cap's and an abutment cap's plate bar (weld length 3, so a
// straight end must lie 2 inside the corner); the end is the mirror image of the start.
TEST_F(SkewBarShapes, BarEndsTakeTheSkewKinds)
{
    struct Case {
        const char* name;
        int abutment;
        AcGePoint3dArray bar;
        int kind;
        AcGePoint3dArray expected;
        double firstRadius;
    };
    const Case cases[] = {
        { "pier: well inside, straight", 0, Points({ P(35, 1), P(45, 11) }), 0,
            Points({ P(32, 1), P(35, 1), P(45, 11) }), 0.0 },
        { "pier: 1.5 inside is not straight", 0, Points({ P(31.5, 1), P(41.5, 11) }), 2,
            Points({ P(28.31952, 1.61425), P(31.16557, 0.66557), P(41.5, 11) }), 0.0 },
        { "abutment: well inside, straight", 1, Points({ P(3, 1), P(10, 8) }), 0,
            Points({ P(0, 1), P(3, 1), P(10, 8) }), 0.0 },
        { "abutment: near the corner, turned back", 1, Points({ P(1.5, 1), P(10, 9.5) }), 1,
            Points({ P(100, 1), P(1.5, 1), P(10, 9.5) }), 2.0 },
        { "abutment: just past the corner, turned back", 1, Points({ P(-2.5, 1), P(10, 13.5) }), 1,
            Points({ P(100, 1), P(-2.5, 1), P(10, 13.5) }), 2.0 },
        { "abutment: far outside, turned down", 1, Points({ P(-4, 8), P(10, 22) }), 4,
            Points({ P(1, 10), P(1, 13), P(10, 22) }), 0.0 },
    };
    CGLGZ_BtDraw draw;
    draw.m_dScale = 100.0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        draw.m_bAbutment = c.abutment;
        const double width = PlateBarWidth(c.abutment);
        CGLGZ_CapDraw::BarEndRequest request = PlateBarRequest(c.abutment);
        draw.m_dWeldLength = 300.0;
        for (int atEnd : { 0, 1 }) {
            CHLGZ_LPBSteel bar;
            request.bar = &bar;
            SetBarEndPoints(bar, c.bar, atEnd, width);
            const int kind = atEnd ? draw.ShapeBarEndOpposite(request) : draw.ShapeBarEnd(request);
            EXPECT_EQ(kind, c.kind) << "end " << atEnd;
            const AcGePoint3dArray& out = bar.GetFirstPoints();
            ASSERT_EQ(out.length(), c.expected.length()) << "end " << atEnd;
            ExpectBarEndPoints(out, c.expected, atEnd, width, 0.01);
            // The former end point keeps the bend, the added point none.
            const int former = atEnd ? out.length() - 2 : 1;
            if (c.kind == 1) {
                EXPECT_DOUBLE_EQ(bar.GetFirstRadii()[former], c.firstRadius);
                EXPECT_DOUBLE_EQ(bar.GetFirstRadii()[atEnd ? out.length() - 1 : 0], 0.0);
            }
        }
    }
}

// A turned-back end is drawn with its level piece cut to the weld length.
TEST_F(SkewBarShapes, TurnedBackEndIsDrawnOneWeldLengthLong)
{
    CHLGZ_LPBSteel bar;
    for (const AcGePoint3d& p : { P(100, 1), P(1.5, 1), P(10, 9.5) }) {
        bar.GetFirstPoints().append(p);
        bar.GetFirstRadii().append(0.0);
    }
    bar.SetStartFlag(1);
    bar.DrawPolylines(3.0);
    ReadBack<AcDbPolyline> line(bar.GetFirstId());
    ASSERT_TRUE(line);
    AcGePoint3d start;
    line->getStartPoint(start);
    EXPECT_NEAR(start.x, 4.5, 1e-9);
    EXPECT_NEAR(start.y, 1.0, 1e-9);
}

// Every bar of the skew examples lies inside the outline and is drawn; only an abutment cap has
// turned-back ends; the L-shaped section gets the L part's top line, the others none.
TEST_F(SkewBarShapes, ExampleBarsLieInsideTheOutline)
{
    for (const char* example : { "square-two-columns.glt", "abutment.glt", "l-section.glt" }) {
        SCOPED_TRACE(example);
        app().docManager().newDocument();
        CGLGZ_BtDraw draw;
        ASSERT_NO_FATAL_FAILURE(Prepare(example, draw));
        MarkDrawn();
        ASSERT_EQ(draw.BuildBarShapes(), 1);
        int turned = 0;
        for (CHLGZ_BASSteel* bar : BarsOf(model.GetMainFace())) {
            // As drawn: a turned-back end's direction point lies at the far corner.
            AcGePoint3dArray drawn;
            CGLGZ_CapDraw::ReadPolylineVertexList(bar->GetFirstId(), drawn);
            for (const AcGePoint3d& p : drawn)
                EXPECT_TRUE(InsideOutline(draw.m_ptsOutline, p)) << "bar " << bar->GetTag() << " at " << p.x << ", " << p.y;
            EXPECT_EQ(bar->GetFirstId().isNull(), bar->GetFirstPoints().isEmpty());
            turned += (bar->GetStartFlag() == 1) + (bar->GetEndFlag() == 1);
        }
        if (!draw.m_bAbutment) {
            EXPECT_EQ(turned, 0);
        }
        const std::vector<Segment> lines = LinesOn(L"04-钢筋");
        const double lh = geometry.dLHeight / draw.m_dScale;
        ASSERT_EQ(lines.size(), lh > 0.0 ? 1u : 0u);
        if (lh > 0.0) {
            const AcGePoint3d corner = model.GetMainFace().GetLTLSteel().GetFirstPoints()[1];
            const double t = model.GetMoreInfo().GetSkeletonDiameter() / draw.m_dScale;
            EXPECT_TRUE(Same(lines[0].a, P(corner.x - t, corner.y + lh)));
            EXPECT_NEAR(lines[0].b.x, draw.m_ptOutlineOrigin.x, 1e-9);
        }
        EXPECT_FALSE(draw.m_steelLayers.IsEmpty());
    }
}

// The bends taken off the cut lengths: none for a count of 0, none for a straight bar, the
// square allowance for an abutment cap's bottom-plate bar and the bent-up one for a pier cap's.
TEST_F(SkewBarShapes, BendAllowancesComeOffTheLengths)
{
    CGLGZ_BtDraw draw;
    LoadAsTheRun("square-two-columns.glt");
    AttachAsTheRun(draw);
    draw.m_dBendAllowance = 37.0;
    const CHLGZ_MoreInfo& more = model.GetMoreInfo();
    const double square
        = std::trunc(GetBendAllowance(more.GetSkeletonDiameter(), more.GetSkeletonBarType(), 1.57079632675));
    const double longLeg = 2.0 * draw.GetWeldLength() / draw.m_dScale;
    auto bar = [&](int kind, std::initializer_list<AcGePoint3d> points) {
        CHLGZ_LBLSteel b;
        b.SetKind(kind);
        for (const AcGePoint3d& p : points) {
            b.GetFirstPoints().append(p);
            b.GetFirstRadii().append(0.0);
        }
        b.GetFirstLengths().append(10.0);
        b.GetFirstLengths().append(12.0);
        return b;
    };
    CHLGZ_LBLSteel u = bar(1, { P(0, longLeg), P(0, 0), P(50, 0), P(50, longLeg) });
    draw.DeductBendAllowances(u, 0);
    EXPECT_DOUBLE_EQ(u.GetFirstLengths()[1], 12.0);
    draw.DeductBendAllowances(u, -1);
    EXPECT_NEAR(u.GetFirstLengths()[0], 10.0 - 2 * 37.0 / 1000.0, 1e-12);
    draw.m_bAbutment = 1;
    CHLGZ_LBLSteel v = bar(1, { P(0, longLeg), P(0, 0), P(50, 0), P(50, longLeg) });
    draw.DeductBendAllowances(v, -1);
    EXPECT_NEAR(v.GetFirstLengths()[1], 12.0 - 2 * square / 1000.0, 1e-12);
    // A short end leg is welded, not bent.
    CHLGZ_LBLSteel shortLeg = bar(1, { P(0, longLeg / 10.0), P(0, 0), P(50, 0), P(50, longLeg) });
    draw.DeductBendAllowances(shortLeg, -1);
    EXPECT_NEAR(shortLeg.GetFirstLengths()[0], 10.0 - square / 1000.0, 1e-12);
    CHLGZ_LBLSteel straight = bar(3, { P(0, 0), P(50, 0) });
    draw.DeductBendAllowances(straight, -1);
    EXPECT_DOUBLE_EQ(straight.GetFirstLengths()[0], 10.0);
}
