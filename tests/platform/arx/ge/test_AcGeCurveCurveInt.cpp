// Curve-curve intersection for every pair of kinds: exact answers for lines and circles,
// references computed here for ellipses and splines, one point for a tangent contact,
// overlaps reported as ranges.
#include "AcGeCircArc2d.h"
#include "AcGeCircArc3d.h"
#include "AcGeCompositeCurve2d.h"
#include "AcGeCurveCurveInt2d.h"
#include "AcGeCurveCurveInt3d.h"
#include "AcGeEllipArc2d.h"
#include "AcGeLine2d.h"
#include "AcGeLine3d.h"
#include "AcGeLineSeg2d.h"
#include "AcGeLineSeg3d.h"
#include "AcGeNurbCurve2d.h"
#include "AcGeNurbCurve3d.h"
#include "AcGePolyline2d.h"
#include "GeTestUtil.h"

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

using std::numbers::pi;

namespace {

struct Case {
    const char* name;
    std::shared_ptr<AcGeCurve2d> a, b;
    std::vector<AcGePoint2d> expected;
    int overlaps;
};

template <class T, class... Args>
std::shared_ptr<AcGeCurve2d> make(Args&&... args)
{
    return std::make_shared<T>(std::forward<Args>(args)...);
}

void checkCase(const Case& c, double tol)
{
    SCOPED_TRACE(c.name);
    const AcGeCurveCurveInt2d cci(*c.a, *c.b);
    ASSERT_EQ(cci.numIntPoints(), static_cast<int>(c.expected.size()));
    EXPECT_EQ(cci.overlapCount(), c.overlaps);
    for (int i = 0; i < cci.numIntPoints(); ++i) {
        EXPECT_PT2_NEAR(cci.intPoint(i), c.expected[static_cast<std::size_t>(i)], tol);
        double p1 = 0, p2 = 0;
        cci.getIntParams(i, p1, p2);
        EXPECT_PT2_NEAR(c.a->evalPoint(p1), c.expected[static_cast<std::size_t>(i)], tol);
        EXPECT_PT2_NEAR(c.b->evalPoint(p2), c.expected[static_cast<std::size_t>(i)], tol);
    }
}

} // namespace

TEST(AcGeCurveCurveInt2d, LinesAndCirclesInClosedForm)
{
    const double s = std::sqrt(0.5);
    const Case cases[] = {
        {"crossing segments", make<AcGeLineSeg2d>(AcGePoint2d(0, 0), AcGePoint2d(4, 4)),
         make<AcGeLineSeg2d>(AcGePoint2d(0, 4), AcGePoint2d(4, 0)), {{2, 2}}, 0},
        {"parallel lines", make<AcGeLine2d>(AcGePoint2d(0, 0), AcGeVector2d(1, 0)),
         make<AcGeLine2d>(AcGePoint2d(0, 1), AcGeVector2d(1, 0)), {}, 0},
        {"coincident segments overlap", make<AcGeLineSeg2d>(AcGePoint2d(0, 0), AcGePoint2d(4, 0)),
         make<AcGeLineSeg2d>(AcGePoint2d(3, 0), AcGePoint2d(8, 0)), {}, 1},
        {"collinear segments touching", make<AcGeLineSeg2d>(AcGePoint2d(0, 0), AcGePoint2d(4, 0)),
         make<AcGeLineSeg2d>(AcGePoint2d(4, 0), AcGePoint2d(8, 0)), {{4, 0}}, 0},
        {"degenerate segment on a line", make<AcGeLineSeg2d>(AcGePoint2d(1, 0), AcGePoint2d(1, 0)),
         make<AcGeLine2d>(AcGePoint2d(0, 0), AcGeVector2d(1, 0)), {}, 0},
        {"secant of a full circle", make<AcGeLine2d>(AcGePoint2d(-5, 0), AcGeVector2d(1, 0)),
         make<AcGeCircArc2d>(AcGePoint2d(0, 0), 2.0), {{-2, 0}, {2, 0}}, 0},
        {"tangent line and circle", make<AcGeLineSeg2d>(AcGePoint2d(-5, 2), AcGePoint2d(5, 2)),
         make<AcGeCircArc2d>(AcGePoint2d(0, 0), 2.0), {{0, 2}}, 0},
        {"arc across the seam", make<AcGeLineSeg2d>(AcGePoint2d(0, 0), AcGePoint2d(3, 0)),
         make<AcGeCircArc2d>(AcGePoint2d(0, 0), 2.0, 1.5 * pi, 0.5 * pi), {{2, 0}}, 0},
        {"segment past a clockwise arc's end", make<AcGeLineSeg2d>(AcGePoint2d(-3, 0), AcGePoint2d(3, 0)),
         make<AcGeCircArc2d>(AcGePoint2d(0, 0), 2.0, 0.0, 0.75 * pi, AcGeVector2d::kXAxis, true), {{2, 0}}, 0},
        {"two circles", make<AcGeCircArc2d>(AcGePoint2d(0, 0), 1.0), make<AcGeCircArc2d>(AcGePoint2d(1, 0), 1.0),
         {{0.5, std::sqrt(0.75)}, {0.5, -std::sqrt(0.75)}}, 0},
        {"circles touching outside", make<AcGeCircArc2d>(AcGePoint2d(0, 0), 1.0),
         make<AcGeCircArc2d>(AcGePoint2d(3, 0), 2.0), {{1, 0}}, 0},
        {"circles touching inside", make<AcGeCircArc2d>(AcGePoint2d(0, 0), 1.0),
         make<AcGeCircArc2d>(AcGePoint2d(1, 0), 2.0), {{-1, 0}}, 0},
        {"arcs of one circle overlapping", make<AcGeCircArc2d>(AcGePoint2d(0, 0), 1.0, 0.0, pi),
         make<AcGeCircArc2d>(AcGePoint2d(0, 0), 1.0, 0.5 * pi, 1.5 * pi), {}, 1},
        {"arcs of one circle end to end", make<AcGeCircArc2d>(AcGePoint2d(0, 0), 1.0, 0.0, 0.5 * pi),
         make<AcGeCircArc2d>(AcGePoint2d(0, 0), 1.0, 0.5 * pi, pi), {{0, 1}}, 0},
        {"clockwise arc and diagonal", make<AcGeCircArc2d>(AcGePoint2d(-1, 0), AcGePoint2d(0, 1), AcGePoint2d(1, 0)),
         make<AcGeLine2d>(AcGePoint2d(0, 0), AcGeVector2d(1, 1)), {{s, s}}, 0},
    };
    for (const Case& c : cases)
        checkCase(c, 1e-9);
}

TEST(AcGeCurveCurveInt2d, EllipseAndSplineAgainstIndependentReferences)
{
    // Ellipse x^2/25 + y^2/4 = 1 and the line y = x/2 + 1: a quadratic in x.
    const auto ellipse = make<AcGeEllipArc2d>(AcGePoint2d(0, 0), AcGeVector2d(1, 0), AcGeVector2d(0, 1), 5.0, 2.0);
    const auto line = make<AcGeLine2d>(AcGePoint2d(0, 1), AcGeVector2d(2, 1));
    const double qa = 1.0 / 25 + 1.0 / 16, qb = 0.25, qc = -0.75;
    const double d = std::sqrt(qb * qb - 4 * qa * qc);
    const double x1 = (-qb - d) / (2 * qa), x2 = (-qb + d) / (2 * qa);
    std::vector<AcGePoint2d> byEllipse{{x2, x2 / 2 + 1}, {x1, x1 / 2 + 1}};
    checkCase({"ellipse and line", ellipse, line, byEllipse, 0}, 1e-7);

    // A cubic spline against a horizontal segment: reference crossings by bisection on y.
    AcGePoint2dArray fit;
    for (const AcGePoint2d& p : {AcGePoint2d(0, 0), AcGePoint2d(2, 3), AcGePoint2d(4, -1), AcGePoint2d(6, 2)})
        fit.append(p);
    const auto spline = std::make_shared<AcGeNurbCurve2d>(fit);
    std::vector<AcGePoint2d> crossings;
    const int n = 2000;
    for (int i = 0; i < n; ++i) {
        double lo = spline->endParam() * i / n, hi = spline->endParam() * (i + 1) / n;
        if ((spline->evalPoint(lo).y - 1) * (spline->evalPoint(hi).y - 1) > 0)
            continue;
        for (int k = 0; k < 100; ++k) {
            const double m = 0.5 * (lo + hi);
            ((spline->evalPoint(lo).y - 1) * (spline->evalPoint(m).y - 1) <= 0 ? hi : lo) = m;
        }
        crossings.push_back(spline->evalPoint(lo));
    }
    ASSERT_EQ(crossings.size(), 3u);
    checkCase({"spline and segment", spline, make<AcGeLineSeg2d>(AcGePoint2d(-1, 1), AcGePoint2d(7, 1)), crossings, 0},
              1e-7);
    // Tangent contact with the ellipse's top: one point.
    checkCase({"ellipse tangent", ellipse, make<AcGeLineSeg2d>(AcGePoint2d(-6, 2), AcGePoint2d(6, 2)), {{0, 2}}, 0},
              1e-5);
}

TEST(AcGeCurveCurveInt2d, PolylinesAndCompositesPieceByPiece)
{
    AcGePoint2dArray pts;
    for (const AcGePoint2d& p : {AcGePoint2d(0, 0), AcGePoint2d(4, 0), AcGePoint2d(4, 4), AcGePoint2d(0, 4)})
        pts.append(p);
    const auto pl = std::make_shared<AcGePolyline2d>(pts);
    // Through a vertex: found once, not once per piece.
    checkCase({"diagonal through a vertex", pl, make<AcGeLine2d>(AcGePoint2d(0, -4), AcGeVector2d(1, 1)), {{4, 0}}, 0},
              1e-9);
    checkCase({"segment across two sides", pl, make<AcGeLineSeg2d>(AcGePoint2d(2, -1), AcGePoint2d(2, 5)),
               {{2, 0}, {2, 4}}, 0},
              1e-9);
    AcGeVoidPointerArray pieces;
    pieces.append(new AcGeLineSeg2d(AcGePoint2d(-3, 0), AcGePoint2d(0, 0)));
    pieces.append(new AcGeCircArc2d(AcGePoint2d(0, 0), AcGePoint2d(1, 1), AcGePoint2d(2, 0)));
    const auto comp = std::make_shared<AcGeCompositeCurve2d>(pieces);
    const AcGeCurveCurveInt2d cci(*comp, AcGeLine2d(AcGePoint2d(-5, 0.5), AcGeVector2d(1, 0)));
    ASSERT_EQ(cci.numIntPoints(), 2);
    double p1 = 0, p2 = 0;
    cci.getIntParams(0, p1, p2);
    // Composite parameter: the segment over [0, 1], then the arc's angles laid after it.
    // The arc is clockwise from angle pi (measured clockwise), so the crossing is pi/6 into it.
    EXPECT_NEAR(p1, 1.0 + pi / 6, 1e-9);
    EXPECT_PT2_NEAR(cci.intPoint(0), AcGePoint2d(1 - std::sqrt(0.75), 0.5), 1e-9);
}

TEST(AcGeCurveCurveInt3d, PlanesProjectionAndSkewCurves)
{
    // Two circles in a tilted plane meet as in the plane.
    const AcGeVector3d n(0, -1, 1);
    const AcGeCircArc3d c1({0, 0, 0}, n, 1.0), c2(AcGePoint3d(1, 0, 0), n, 1.0);
    const AcGeCurveCurveInt3d tilted(c1, c2);
    ASSERT_EQ(tilted.numIntPoints(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(tilted.intPoint(i).distanceTo({0, 0, 0}), 1.0, 1e-9);
        EXPECT_NEAR(tilted.intPoint(i).distanceTo({1, 0, 0}), 1.0, 1e-9);
    }
    // Skew segments meet only in projection; the point is reported on curve 1.
    const AcGeLineSeg3d low(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 2, 0)), high(AcGePoint3d(0, 2, 5), AcGePoint3d(2, 0, 5));
    EXPECT_EQ(AcGeCurveCurveInt3d(low, high).numIntPoints(), 0);
    const AcGeCurveCurveInt3d plan(low, high, AcGeVector3d::kZAxis);
    ASSERT_EQ(plan.numIntPoints(), 1);
    EXPECT_PT3_NEAR(plan.intPoint(0), AcGePoint3d(1, 1, 0), 1e-12);
    // A line piercing a circle's plane on the circle.
    const AcGeCircArc3d flat(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 2.0);
    const AcGeLine3d pierce(AcGePoint3d(2, -1, -1), AcGeVector3d(0, 1, 1));
    const AcGeCurveCurveInt3d hit(flat, pierce);
    ASSERT_EQ(hit.numIntPoints(), 1);
    EXPECT_PT3_NEAR(hit.intPoint(0), AcGePoint3d(2, 0, 0), 1e-12);
    EXPECT_EQ(AcGeCurveCurveInt3d(flat, AcGeLine3d(AcGePoint3d(3, -1, -1), AcGeVector3d(0, 1, 1))).numIntPoints(), 0);
}

TEST(AcGeCurveCurveInt3d, SpaceSplineThroughAPlaneCircle)
{
    AcGePoint3dArray fit;
    for (const AcGePoint3d& p : {AcGePoint3d(0, 0, -2), AcGePoint3d(0.5, 0.5, 0), AcGePoint3d(1, 0, 2)})
        fit.append(p);
    const AcGeNurbCurve3d s(fit);
    const AcGePoint3d on = s.evalPoint(s.paramOf(AcGePoint3d(0.5, 0.5, 0)));
    const AcGeCircArc3d circle(AcGePoint3d(0, 0, on.z), AcGeVector3d::kZAxis, std::hypot(on.x, on.y));
    const AcGeCurveCurveInt3d cci(s, circle);
    ASSERT_EQ(cci.numIntPoints(), 1);
    EXPECT_PT3_NEAR(cci.intPoint(0), on, 1e-7);
}
