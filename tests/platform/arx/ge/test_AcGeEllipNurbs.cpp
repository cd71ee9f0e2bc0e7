// Elliptical arcs and NURBS curves against references computed here by independent means
// (closed forms, brute-force sampling).
#include "AcGeEllipArc2d.h"
#include "AcGeEllipArc3d.h"
#include "AcGeNurbCurve2d.h"
#include "AcGeNurbCurve3d.h"
#include "GeTestUtil.h"

#include <cmath>
#include <memory>
#include <numbers>

using std::numbers::pi;

namespace {

// Arc length by a fine composite Simpson rule on the analytic speed.
double ellipseLength(double a, double b, double t0, double t1)
{
    const int n = 200000;
    const double h = (t1 - t0) / n;
    double sum = 0;
    for (int i = 0; i <= n; ++i) {
        const double t = t0 + i * h;
        const double f = std::hypot(a * std::sin(t), b * std::cos(t));
        sum += f * (i == 0 || i == n ? 1 : (i % 2 ? 4 : 2));
    }
    return sum * h / 3;
}

} // namespace

TEST(AcGeEllipArc2d, LengthParamAtLengthAndClosestPoint)
{
    const AcGeEllipArc2d e({1, 2}, {1, 1}, {-1, 1}, 5.0, 2.0, 0.3, 4.0);
    EXPECT_PT2_NEAR(e.evalPoint(0.0), AcGePoint2d(1 + 5 * std::sqrt(0.5), 2 + 5 * std::sqrt(0.5)), 1e-12);
    const double ref = ellipseLength(5, 2, 0.3, 4.0);
    EXPECT_NEAR(e.length(0.3, 4.0), ref, 1e-7);
    const double half = ellipseLength(5, 2, 0.3, 2.0);
    EXPECT_NEAR(e.paramAtLength(0.3, half), 2.0, 1e-7);
    // Closest point: brute force over a dense sampling, then compare distances.
    const AcGePoint2d p(-3, 6);
    double best = 1e9;
    for (int i = 0; i <= 400000; ++i)
        best = std::min(best, e.evalPoint(0.3 + (4.0 - 0.3) * i / 400000.0).distanceTo(p));
    EXPECT_NEAR(e.closestPointTo(p).distanceTo(p), best, 1e-7);
    EXPECT_FALSE(e.isClockWise());
}

TEST(AcGeEllipArc2d, AreaAndShearTransform)
{
    const AcGeEllipArc2d full({0, 0}, {1, 0}, {0, 1}, 3.0, 1.0);
    double area = 0;
    ASSERT_TRUE(full.area(0, 2 * pi, area));
    EXPECT_NEAR(area, 3 * pi, 1e-10);
    // A shear keeps it an ellipse of the same area, with perpendicular principal axes.
    AcGeEllipArc2d sheared = full;
    AcGeMatrix2d shear;
    shear(0, 1) = 1.0;
    sheared.transformBy(shear);
    EXPECT_NEAR(sheared.majorAxis().dotProduct(sheared.minorAxis()), 0.0, 1e-12);
    EXPECT_NEAR(sheared.majorRadius() * sheared.minorRadius(), 3.0, 1e-12);
    for (double t : {0.0, 1.0, 2.5})
        EXPECT_TRUE(sheared.isOn(shear * full.evalPoint(t)));
}

TEST(AcGeNurbCurve3d, ExactEllipseForm)
{
    const AcGeEllipArc3d e({0, 0, 1}, {0, 1, 0}, {-1, 0, 0}, 4.0, 1.5, 0.0, 1.7 * pi);
    const AcGeNurbCurve3d n(e);
    EXPECT_TRUE(n.isRational());
    EXPECT_PT3_NEAR(n.startPoint(), e.startPoint(), 1e-12);
    EXPECT_PT3_NEAR(n.endPoint(), e.endPoint(), 1e-12);
    AcGeInterval range;
    n.getInterval(range);
    for (int i = 0; i <= 20; ++i)
        EXPECT_LT(e.distanceTo(n.evalPoint(range.lowerBound() + range.length() * i / 20)), 1e-9);
    EXPECT_NEAR(n.length(range.lowerBound(), range.upperBound()), e.length(e.startAng(), e.endAng()), 1e-7);
}

TEST(AcGeNurbCurve2d, FitPointsAreInterpolatedWithTheirTangents)
{
    AcGePoint2dArray fit;
    for (const AcGePoint2d& p : {AcGePoint2d(0, 0), AcGePoint2d(3, 2), AcGePoint2d(5, -1), AcGePoint2d(9, 0)})
        fit.append(p);
    const AcGeNurbCurve2d spline(fit, AcGeVector2d(0, 2), AcGeVector2d(1, 0));
    EXPECT_EQ(spline.degree(), 3);
    EXPECT_TRUE(spline.hasFitData());
    for (const AcGePoint2d& p : fit)
        EXPECT_LT(spline.distanceTo(p), 1e-10);
    AcGeVector2dArray d;
    spline.evalPoint(spline.startParam(), 1, d);
    EXPECT_TRUE(d[0].isCodirectionalTo(AcGeVector2d(0, 1)));
    spline.evalPoint(spline.endParam(), 1, d);
    EXPECT_TRUE(d[0].isCodirectionalTo(AcGeVector2d(1, 0)));
    // The parameter is the chord length through the fit points.
    EXPECT_NEAR(spline.endParam(), std::hypot(3, 2) + std::hypot(2, 3) + std::hypot(4, 1), 1e-12);
    // Two points without tangents: the straight line between them.
    AcGePoint2dArray two;
    two.append(AcGePoint2d(0, 0));
    two.append(AcGePoint2d(4, 0));
    const AcGeNurbCurve2d line(two);
    EXPECT_NEAR(line.evalPoint(1.0).y, 0.0, 1e-12);
    EXPECT_NEAR(line.length(line.startParam(), line.endParam()), 4.0, 1e-10);
}

TEST(AcGeNurbCurve2d, DerivativesMatchFiniteDifferences)
{
    AcGePoint2dArray ctrl;
    for (const AcGePoint2d& p : {AcGePoint2d(0, 0), AcGePoint2d(1, 3), AcGePoint2d(4, 4), AcGePoint2d(6, 0),
                                 AcGePoint2d(8, 1)})
        ctrl.append(p);
    const double k[] = {0, 0, 0, 0, 0.4, 1, 1, 1, 1};
    AcGeDoubleArray w;
    for (double x : {1.0, 2.0, 0.5, 1.0, 1.0})
        w.append(x);
    const AcGeNurbCurve2d n(3, AcGeKnotVector(9, k), ctrl, w);
    const double t = 0.63, h = 1e-5;
    AcGeVector2dArray d;
    n.evalPoint(t, 2, d);
    const AcGeVector2d fd1 = (n.evalPoint(t + h) - n.evalPoint(t - h)) / (2 * h);
    const AcGeVector2d fd2 = (n.evalPoint(t + h).asVector() - n.evalPoint(t).asVector() * 2.0 + n.evalPoint(t - h).asVector()) / (h * h);
    EXPECT_PT2_NEAR(d[0], fd1, 1e-6);
    EXPECT_PT2_NEAR(d[1], fd2, 1e-3);
}

TEST(AcGeNurbCurve2d, SplitAndReverseKeepTheShape)
{
    AcGePoint2dArray fit;
    for (const AcGePoint2d& p : {AcGePoint2d(0, 0), AcGePoint2d(2, 2), AcGePoint2d(4, 0), AcGePoint2d(6, 3)})
        fit.append(p);
    const AcGeNurbCurve2d s(fit);
    const double mid = 0.45 * s.endParam();
    AcGeCurve2d *a = nullptr, *b = nullptr;
    s.getSplitCurves(mid, a, b);
    std::unique_ptr<AcGeCurve2d> pa(a), pb(b);
    ASSERT_TRUE(a && b);
    AcGePoint2d ea, sb;
    ASSERT_TRUE(a->hasEndPoint(ea) && b->hasStartPoint(sb));
    EXPECT_PT2_NEAR(ea, s.evalPoint(mid), 1e-12);
    EXPECT_PT2_NEAR(sb, s.evalPoint(mid), 1e-12);
    AcGeInterval ra, rb;
    a->getInterval(ra);
    b->getInterval(rb);
    EXPECT_NEAR(a->length(ra.lowerBound(), ra.upperBound()) + b->length(rb.lowerBound(), rb.upperBound()),
                s.length(s.startParam(), s.endParam()), 1e-9);
    EXPECT_PT2_NEAR(a->evalPoint(0.5 * mid), s.evalPoint(0.5 * mid), 1e-12);
    AcGeNurbCurve2d r = s;
    r.reverseParam();
    EXPECT_PT2_NEAR(r.startPoint(), s.endPoint(), 1e-12);
    EXPECT_PT2_NEAR(r.evalPoint(r.startParam() + r.endParam() - 1.0), s.evalPoint(1.0), 1e-12);
}

TEST(AcGeNurbCurve3d, MakeClosedAddsAStraightReturn)
{
    AcGePoint3dArray fit;
    for (const AcGePoint3d& p : {AcGePoint3d(0, 0, 0), AcGePoint3d(2, 2, 0), AcGePoint3d(4, 0, 0)})
        fit.append(p);
    AcGeNurbCurve3d s(fit);
    EXPECT_FALSE(s.isClosed());
    s.makeClosed();
    EXPECT_TRUE(s.isClosed());
    EXPECT_TRUE(s.isOn(AcGePoint3d(2, 0, 0)));
    EXPECT_FALSE(s.hasFitData());
}
