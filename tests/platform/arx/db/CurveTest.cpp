// Curve queries with hand-computed answers: parameters, points, distances, derivatives, closest
// points, split curves that join back into the source, offsets by the polyline sign rule,
// extension, areas; and the status for a point off the curve.
#include "AcDb2dPolyline.h"
#include "AcDb3dPolyline.h"
#include "AcDbArc.h"
#include "AcDbCircle.h"
#include "AcDbEllipse.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbRay.h"
#include "AcDbSpline.h"
#include "AcDbXline.h"
#include "AcGeCircArc3d.h"
#include "AcGeLineSeg3d.h"
#include "DbFixture.h"

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>

namespace {

constexpr double kTol = 1e-9;

#define EXPECT_PT(a, b)                                                                                                \
    do {                                                                                                               \
        const AcGePoint3d pa_ = (a), pb_ = (b);                                                                        \
        EXPECT_NEAR(pa_.x, pb_.x, 1e-7);                                                                               \
        EXPECT_NEAR(pa_.y, pb_.y, 1e-7);                                                                               \
        EXPECT_NEAR(pa_.z, pb_.z, 1e-7);                                                                               \
    } while (0)

// A square-ish polyline (0,0) -> (10,0) -> half circle of radius 5 up to (10,10) -> (0,10).
std::unique_ptr<AcDbPolyline> bentPolyline(bool closed)
{
    auto pl = std::make_unique<AcDbPolyline>();
    pl->addVertexAt(0, AcGePoint2d(0, 0));
    pl->addVertexAt(1, AcGePoint2d(10, 0), 1.0);
    pl->addVertexAt(2, AcGePoint2d(10, 10));
    pl->addVertexAt(3, AcGePoint2d(0, 10));
    pl->setClosed(closed);
    return pl;
}

void deleteAll(AcDbVoidPtrArray& list)
{
    for (int i = 0; i < list.length(); ++i)
        delete static_cast<AcDbEntity*>(list[i]);
    list.removeAll();
}

struct ParamCase {
    const char* what;
    std::function<AcDbCurve*()> make;
    double startParam;
    double endParam;
    double param;
    AcGePoint3d point;
    double dist;
    AcGeVector3d deriv;
};

} // namespace

using CurveTest = DbTest;

TEST_F(CurveTest, ParametersPointsDistancesAndDerivativesPerKind)
{
    const double r2 = std::sqrt(2.0);
    const ParamCase cases[] = {
        { "line: distance from start", [] { return new AcDbLine(AcGePoint3d(1, 1, 0), AcGePoint3d(4, 5, 0)); }, 0, 5,
            2.5, { 2.5, 3, 0 }, 2.5, { 0.6, 0.8, 0 } },
        { "arc: angle", [] { return new AcDbArc(AcGePoint3d(0, 0, 0), 2.0, 0.0, kPi); }, 0, kPi, kPi / 2, { 0, 2, 0 },
            kPi, { -2, 0, 0 } },
        { "arc across 0: end angle plus a turn",
            [] { return new AcDbArc(AcGePoint3d(0, 0, 0), 1.0, 1.5 * kPi, 0.5 * kPi); }, 1.5 * kPi, 2.5 * kPi, 2 * kPi,
            { 1, 0, 0 }, kPi / 2, { 0, 1, 0 } },
        { "circle", [] { return new AcDbCircle(AcGePoint3d(1, 0, 0), AcGeVector3d::kZAxis, 3.0); }, 0, 2 * kPi, kPi,
            { -2, 0, 0 }, 3 * kPi, { 0, -3, 0 } },
        { "ellipse: eccentric angle",
            [] { return new AcDbEllipse(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, AcGeVector3d(4, 0, 0), 0.5); }, 0,
            2 * kPi, kPi / 2, { 0, 2, 0 }, -1, { -4, 0, 0 } },
        { "polyline line segment: length fraction", [] { return bentPolyline(false).release(); }, 0, 3, 0.25,
            { 2.5, 0, 0 }, 2.5, { 10, 0, 0 } },
        { "polyline arc segment: angle fraction", [] { return bentPolyline(false).release(); }, 0, 3, 1.5, { 15, 5, 0 },
            10 + 2.5 * kPi, { 0, 5 * kPi, 0 } },
        { "closed polyline ends at vertex 0", [] { return bentPolyline(true).release(); }, 0, 4, 3.5, { 0, 5, 0 },
            25 + 5 * kPi, { 0, -10, 0 } },
        { "3-D polyline",
            [] {
                AcGePoint3dArray pts;
                pts.append(AcGePoint3d(0, 0, 0));
                pts.append(AcGePoint3d(0, 0, 2));
                pts.append(AcGePoint3d(3, 4, 2));
                return new AcDb3dPolyline(AcDb::k3dSimplePoly, pts);
            },
            0, 2, 1.5, { 1.5, 2, 2 }, 4.5, { 3, 4, 0 } },
        { "2-D polyline with a bulge",
            [] {
                AcGePoint3dArray pts;
                pts.append(AcGePoint3d(0, 0, 0));
                pts.append(AcGePoint3d(2, 0, 0));
                AcGeDoubleArray bulges;
                bulges.append(-1.0);
                bulges.append(0.0);
                return new AcDb2dPolyline(AcDb::k2dSimplePoly, pts, 0.0, false, 0, 0, &bulges);
            },
            0, 1, 0.5, { 1, 1, 0 }, kPi / 2, { kPi, 0, 0 } },
        { "ray: distance from base",
            [] {
                auto* ray = new AcDbRay();
                ray->setBasePoint(AcGePoint3d(1, 1, 0));
                ray->setUnitDir(AcGeVector3d(1, 1, 0));
                return ray;
            },
            0, -1, r2, { 2, 2, 0 }, r2, { 1 / r2, 1 / r2, 0 } },
    };
    for (const ParamCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<AcDbCurve> curve(c.make());
        double s = -1, e = -1, d = -1, p = -1;
        EXPECT_EQ(curve->getStartParam(s), Acad::eOk);
        EXPECT_NEAR(s, c.startParam, kTol);
        if (c.endParam >= 0) {
            EXPECT_EQ(curve->getEndParam(e), Acad::eOk);
            EXPECT_NEAR(e, c.endParam, kTol);
        } else {
            EXPECT_EQ(curve->getEndParam(e), Acad::eNotApplicable);
        }
        AcGePoint3d pt;
        EXPECT_EQ(curve->getPointAtParam(c.param, pt), Acad::eOk);
        EXPECT_PT(pt, c.point);
        EXPECT_EQ(curve->getParamAtPoint(c.point, p), Acad::eOk);
        EXPECT_NEAR(p, c.param, 1e-7);
        AcGeVector3d d1;
        EXPECT_EQ(curve->getFirstDeriv(c.param, d1), Acad::eOk);
        EXPECT_PT(AcGePoint3d::kOrigin + d1, AcGePoint3d::kOrigin + c.deriv);
        if (c.dist >= 0) {
            EXPECT_EQ(curve->getDistAtParam(c.param, d), Acad::eOk);
            EXPECT_NEAR(d, c.dist, 1e-7);
            EXPECT_EQ(curve->getDistAtPoint(c.point, d), Acad::eOk);
            EXPECT_NEAR(d, c.dist, 1e-7);
            EXPECT_EQ(curve->getParamAtDist(c.dist, p), Acad::eOk);
            EXPECT_NEAR(p, c.param, 1e-7);
            EXPECT_EQ(curve->getPointAtDist(c.dist, pt), Acad::eOk);
            EXPECT_PT(pt, c.point);
        }
        // A point off the curve leaves the output alone.
        p = 123.0;
        EXPECT_EQ(curve->getParamAtPoint(c.point + AcGeVector3d(0, 0, 0.5), p), Acad::eInvalidInput);
        EXPECT_EQ(p, 123.0);
        EXPECT_EQ(curve->getDistAtPoint(c.point + AcGeVector3d(0, 0, 0.5), d), Acad::eInvalidInput);
    }
}

TEST_F(CurveTest, XlineRunsBothWaysAndBaseClassHasNoGeometry)
{
    AcDbXline x;
    x.setBasePoint(AcGePoint3d(0, 1, 0));
    double p = 0;
    EXPECT_EQ(x.getStartParam(p), Acad::eNotApplicable);
    EXPECT_EQ(x.getParamAtPoint(AcGePoint3d(-7, 1, 0), p), Acad::eOk);
    EXPECT_NEAR(p, -7, kTol);
    AcGePoint3d q;
    EXPECT_EQ(x.getClosestPointTo(AcGePoint3d(3, 5, 0), q), Acad::eOk);
    EXPECT_PT(q, AcGePoint3d(3, 1, 0));
}

TEST_F(CurveTest, ClosestPointsWithAndWithoutExtension)
{
    AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    AcDbArc arc(AcGePoint3d(0, 0, 0), 5.0, 0.0, kPi / 2);
    auto pl = bentPolyline(false);
    struct Case {
        const char* what;
        const AcDbCurve* curve;
        AcGePoint3d given;
        AcGePoint3d plain;
        AcGePoint3d extended;
    } cases[] = {
        { "line beyond its end", &line, { 15, 3, 0 }, { 10, 0, 0 }, { 15, 0, 0 } },
        { "line before its start", &line, { -4, -3, 0 }, { 0, 0, 0 }, { -4, 0, 0 } },
        { "arc: the circle", &arc, { 0, -10, 0 }, { 5, 0, 0 }, { 0, -5, 0 } },
        { "polyline: first segment backwards", pl.get(), { -3, 1, 0 }, { 0, 0, 0 }, { -3, 0, 0 } },
        { "polyline: last segment forwards", pl.get(), { -3, 11, 0 }, { 0, 10, 0 }, { -3, 10, 0 } },
        { "polyline: inner point is the same", pl.get(), { 14, 5, 0 }, { 15, 5, 0 }, { 15, 5, 0 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AcGePoint3d p;
        EXPECT_EQ(c.curve->getClosestPointTo(c.given, p, false), Acad::eOk);
        EXPECT_PT(p, c.plain);
        EXPECT_EQ(c.curve->getClosestPointTo(c.given, p, true), Acad::eOk);
        EXPECT_PT(p, c.extended);
    }
}

TEST_F(CurveTest, SplitCurvesFollowTheSourceAndJoinBackIntoIt)
{
    struct Case {
        const char* what;
        std::function<AcDbCurve*()> make;
        std::vector<double> params;
        int spans;
    } cases[] = {
        { "line at two points", [] { return new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0)); }, { 2, 7 }, 3 },
        { "line at its ends gives itself", [] { return new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0)); },
            { 0, 10 }, 1 },
        { "arc", [] { return new AcDbArc(AcGePoint3d(0, 0, 0), 2.0, 1.5 * kPi, 0.5 * kPi); }, { 2 * kPi + 0.3 }, 2 },
        { "circle at three points: three arcs",
            [] { return new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 2.0); }, { 1, 2, 4 }, 3 },
        { "open polyline inside the arc", [] { return bentPolyline(false).release(); }, { 0.5, 1.25, 1.75 }, 4 },
        { "closed polyline: last span across vertex 0", [] { return bentPolyline(true).release(); }, { 0.5, 2.5 }, 2 },
        { "ellipse arc",
            [] {
                return new AcDbEllipse(
                    AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, AcGeVector3d(4, 0, 0), 0.5, 0.0, kPi);
            },
            { 1.0 }, 2 },
        { "spline",
            [] {
                AcGePoint3dArray pts;
                pts.append(AcGePoint3d(0, 0, 0));
                pts.append(AcGePoint3d(1, 2, 0));
                pts.append(AcGePoint3d(3, 2, 0));
                pts.append(AcGePoint3d(4, 0, 0));
                AcGeDoubleArray knots;
                for (double k : { 0, 0, 0, 0, 1, 1, 1, 1 })
                    knots.append(k);
                return new AcDbSpline(3, false, false, false, pts, knots, AcGeDoubleArray());
            },
            { 0.4 }, 2 },
        { "closed spline: the second across its start",
            [] {
                AcGePoint3dArray pts;
                for (const AcGePoint3d& p : { AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(10, 10, 0),
                         AcGePoint3d(0, 10, 0), AcGePoint3d(0, 0, 0) })
                    pts.append(p);
                AcGeDoubleArray knots;
                for (double k : { 0.0, 0.0, 0.0, 0.0, 0.5, 1.0, 1.0, 1.0, 1.0 })
                    knots.append(k);
                return new AcDbSpline(3, false, true, false, pts, knots, AcGeDoubleArray());
            },
            { 0.25, 0.75 }, 2 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<AcDbCurve> curve(c.make());
        AcGePoint3dArray points;
        for (double p : c.params) {
            AcGePoint3d pt;
            ASSERT_EQ(curve->getPointAtParam(p, pt), Acad::eOk);
            points.append(pt);
        }
        AcDbVoidPtrArray spans;
        ASSERT_EQ(curve->getSplitCurves(points, spans), Acad::eOk);
        ASSERT_EQ(spans.length(), c.spans);
        // Joined end to start the spans give the source's length and its ends.
        double total = 0.0, whole = 0.0, end = 0.0;
        curve->getEndParam(end);
        curve->getDistAtParam(end, whole);
        AcGePoint3d start, last;
        curve->getStartPoint(start);
        curve->getEndPoint(last);
        const double eps = 1e-7;
        for (int i = 0; i < spans.length(); ++i) {
            auto* span = static_cast<AcDbCurve*>(spans[i]);
            EXPECT_EQ(span->isA(), curve->isA() == AcDbCircle::desc() ? AcDbArc::desc() : curve->isA());
            double pe = 0, len = 0;
            span->getEndParam(pe);
            span->getDistAtParam(pe, len);
            total += len;
            AcGePoint3d ps, pend;
            span->getStartPoint(ps);
            span->getEndPoint(pend);
            if (i + 1 < spans.length()) {
                AcGePoint3d next;
                static_cast<AcDbCurve*>(spans[i + 1])->getStartPoint(next);
                EXPECT_LT(pend.distanceTo(next), eps);
            }
            if (i == 0 && !curve->isClosed()) {
                EXPECT_LT(ps.distanceTo(start), eps);
            }
            if (i + 1 == spans.length() && !curve->isClosed()) {
                EXPECT_LT(pend.distanceTo(last), eps);
            }
            // Every span's middle lies on the source.
            double ps0 = 0;
            span->getStartParam(ps0);
            AcGePoint3d mid;
            span->getPointAtParam(0.5 * (ps0 + pe), mid);
            double onSource = 0;
            EXPECT_EQ(curve->getParamAtPoint(mid, onSource), Acad::eOk);
        }
        EXPECT_NEAR(total, whole, 1e-6);
        deleteAll(spans);
    }
}

TEST_F(CurveTest, ImpossibleSplitsAreRefused)
{
    AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    AcDbVoidPtrArray spans;
    EXPECT_EQ(line.getSplitCurves(AcGePoint3dArray(), spans), Acad::eInvalidInput);
    AcGePoint3dArray off;
    off.append(AcGePoint3d(5, 1, 0));
    EXPECT_EQ(line.getSplitCurves(off, spans), Acad::eInvalidInput);
    EXPECT_EQ(spans.length(), 0);
    AcDbCircle circle(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, 1.0);
    AcGePoint3dArray one;
    one.append(AcGePoint3d(1, 0, 0));
    EXPECT_EQ(circle.getSplitCurves(one, spans), Acad::eInvalidInput);
    AcGeDoubleArray beyond;
    beyond.append(11.0);
    EXPECT_EQ(line.getSplitCurves(beyond, spans), Acad::eInvalidInput);
}

TEST_F(CurveTest, OffsetsFollowThePolylineSignRule)
{
    // Positive is right of the travel: below a left-to-right line, inside a clockwise loop.
    AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    AcDbVoidPtrArray out;
    ASSERT_EQ(line.getOffsetCurves(2.0, out), Acad::eOk);
    AcGePoint3d p;
    static_cast<AcDbCurve*>(out[0])->getStartPoint(p);
    EXPECT_PT(p, AcGePoint3d(0, -2, 0));
    deleteAll(out);

    AcDbArc arc(AcGePoint3d(0, 0, 0), 5.0, 0.0, kPi);
    ASSERT_EQ(arc.getOffsetCurves(-2.0, out), Acad::eOk);
    EXPECT_NEAR(static_cast<AcDbArc*>(out[0])->radius(), 3.0, kTol);
    deleteAll(out);
    EXPECT_EQ(arc.getOffsetCurves(-6.0, out), Acad::eInvalidOffset);

    // The bent polyline runs counter-clockwise when closed: positive goes outside, arcs grow.
    auto pl = bentPolyline(true);
    ASSERT_EQ(pl->getOffsetCurves(1.0, out), Acad::eOk);
    ASSERT_EQ(out.length(), 1);
    auto* off = AcDbPolyline::cast(static_cast<AcDbEntity*>(out[0]));
    ASSERT_NE(off, nullptr);
    EXPECT_TRUE(off->isClosed());
    ASSERT_EQ(off->numVerts(), 4u);
    AcGePoint2d v;
    double bulge = 0;
    const AcGePoint2d expected[] = { { -1, -1 }, { 10, -1 }, { 10, 11 }, { -1, 11 } };
    for (unsigned i = 0; i < 4; ++i) {
        off->getPointAt(i, v);
        EXPECT_NEAR(v.x, expected[i].x, 1e-7);
        EXPECT_NEAR(v.y, expected[i].y, 1e-7);
    }
    off->getBulgeAt(1, bulge);
    EXPECT_NEAR(bulge, 1.0, 1e-9);
    double area = 0;
    EXPECT_EQ(off->getArea(area), Acad::eOk);
    EXPECT_NEAR(area, 11 * 12 + kPi * 36 / 2, 1e-6);
    deleteAll(out);
    ASSERT_EQ(pl->getOffsetCurves(-1.0, out), Acad::eOk);
    static_cast<AcDbPolyline*>(out[0])->getPointAt(0u, v);
    EXPECT_NEAR(v.x, 1.0, 1e-7);
    EXPECT_NEAR(v.y, 1.0, 1e-7);
    deleteAll(out);
}

TEST_F(CurveTest, ExtendMovesTheNamedEnd)
{
    AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    EXPECT_EQ(line.extend(false, AcGePoint3d(14, 3, 0)), Acad::eOk);
    EXPECT_PT(line.endPoint(), AcGePoint3d(14, 0, 0));
    AcDbArc arc(AcGePoint3d(0, 0, 0), 5.0, 0.0, kPi / 2);
    EXPECT_EQ(arc.extend(false, AcGePoint3d(-3, 0, 0)), Acad::eOk);
    EXPECT_NEAR(arc.endAngle(), kPi, kTol);
    auto pl = bentPolyline(false);
    EXPECT_EQ(pl->extend(true, AcGePoint3d(-4, 2, 0)), Acad::eOk);
    AcGePoint2d v;
    pl->getPointAt(0u, v);
    EXPECT_NEAR(v.x, -4, kTol);
    EXPECT_NEAR(v.y, 0, kTol);
    AcGePoint3dArray pts;
    pts.append(AcGePoint3d(0, 0, 0));
    pts.append(AcGePoint3d(0, 0, 5));
    AcDb3dPolyline poly3d(AcDb::k3dSimplePoly, pts);
    EXPECT_EQ(poly3d.extend(false, AcGePoint3d(1, 1, 8)), Acad::eOk);
    AcGePoint3d end;
    poly3d.getEndPoint(end);
    EXPECT_PT(end, AcGePoint3d(0, 0, 8));
    AcDbCircle circle(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, 1.0);
    EXPECT_EQ(circle.extend(true, AcGePoint3d(1, 1, 0)), Acad::eNotApplicable);
    EXPECT_EQ(bentPolyline(true)->extend(true, AcGePoint3d(1, 1, 0)), Acad::eNotApplicable);
}

TEST_F(CurveTest, AreasAndSegmentsOfPolylines)
{
    double area = 0;
    AcDbArc half(AcGePoint3d(0, 0, 0), 2.0, 0.0, kPi);
    EXPECT_EQ(half.getArea(area), Acad::eOk);
    EXPECT_NEAR(area, 2 * kPi, 1e-9);
    AcDbCircle circle(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, 1.0);
    EXPECT_EQ(circle.getArea(area), Acad::eOk);
    EXPECT_NEAR(area, kPi, 1e-9);
    auto pl = bentPolyline(true);
    EXPECT_EQ(pl->getArea(area), Acad::eOk);
    EXPECT_NEAR(area, 100 + kPi * 12.5, 1e-9);
    EXPECT_FALSE(pl->isOnlyLines());
    AcGeLineSeg3d seg;
    AcGeCircArc3d arc;
    EXPECT_EQ(pl->getLineSegAt(0, seg), Acad::eOk);
    EXPECT_EQ(pl->getLineSegAt(1, seg), Acad::eNotApplicable);
    EXPECT_EQ(pl->getArcSegAt(1, arc), Acad::eOk);
    EXPECT_PT(arc.center(), AcGePoint3d(10, 5, 0));
    EXPECT_NEAR(arc.radius(), 5, kTol);
    EXPECT_EQ(pl->getLineSegAt(3, seg), Acad::eOk);
    EXPECT_EQ(pl->getLineSegAt(4, seg), Acad::eInvalidIndex);
    AcDbVoidPtrArray exploded;
    EXPECT_EQ(pl->explode(exploded), Acad::eOk);
    ASSERT_EQ(exploded.length(), 4);
    auto* arcOf = AcDbArc::cast(static_cast<AcDbEntity*>(exploded[1]));
    ASSERT_NE(arcOf, nullptr);
    EXPECT_NEAR(arcOf->startAngle(), 1.5 * kPi, kTol);
    EXPECT_NEAR(arcOf->endAngle(), 0.5 * kPi, kTol);
    deleteAll(exploded);
}

TEST_F(CurveTest, OffsetsTooDeepForTheCurveAreRefused)
{
    // A 10 x 10 square closed counter-clockwise: inwards is negative.
    AcDbPolyline square;
    for (const AcGePoint2d& p : { AcGePoint2d(0, 0), AcGePoint2d(10, 0), AcGePoint2d(10, 10), AcGePoint2d(0, 10) })
        square.addVertexAt(square.numVerts(), p);
    square.setClosed(true);
    AcDbVoidPtrArray out;
    EXPECT_EQ(square.getOffsetCurves(-4.0, out), Acad::eOk);
    ASSERT_EQ(out.length(), 1);
    double area = 0;
    static_cast<AcDbCurve*>(out[0])->getArea(area);
    EXPECT_NEAR(area, 4.0, 1e-9);
    deleteAll(out);
    EXPECT_EQ(square.getOffsetCurves(-6.0, out), Acad::eInvalidOffset);
    EXPECT_EQ(out.length(), 0);

    // An ellipse offsets to a spline at the distance; inside its tightest curvature
    // (b^2 / a = 2.5) it cannot.
    AcDbEllipse ellipse(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, AcGeVector3d(10, 0, 0), 0.5);
    ASSERT_EQ(ellipse.getOffsetCurves(-1.0, out), Acad::eOk);
    ASSERT_EQ(out.length(), 1);
    auto* spline = AcDbSpline::cast(static_cast<AcDbEntity*>(out[0]));
    ASSERT_NE(spline, nullptr);
    AcGePoint3d p, q;
    double s = 0, e = 0;
    spline->getStartParam(s);
    spline->getEndParam(e);
    spline->getPointAtParam(s + (e - s) * 0.3, p);
    ellipse.getClosestPointTo(p, q);
    EXPECT_NEAR(p.distanceTo(q), 1.0, 1e-3);
    EXPECT_LT(p.asVector().length(), q.asVector().length());
    deleteAll(out);
    EXPECT_EQ(ellipse.getOffsetCurves(-3.0, out), Acad::eInvalidOffset);
}

TEST_F(CurveTest, PolylinesInTheDatabaseMoveTheirVertexObjects)
{
    AcGePoint3dArray pts;
    pts.append(AcGePoint3d(0, 0, 0));
    pts.append(AcGePoint3d(10, 0, 0));
    const AcDbObjectId id = addToModelSpace(new AcDb2dPolyline(AcDb::k2dSimplePoly, pts));
    AcDb2dPolyline* poly = nullptr;
    ASSERT_EQ(acdbOpenObject(poly, id, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(poly->transformBy(AcGeMatrix3d::translation(AcGeVector3d(0, 5, 0))), Acad::eOk);
    EXPECT_EQ(poly->extend(false, AcGePoint3d(12, 9, 0)), Acad::eOk);
    AcGePoint3d start, end;
    poly->getStartPoint(start);
    poly->getEndPoint(end);
    EXPECT_PT(start, AcGePoint3d(0, 5, 0));
    EXPECT_PT(end, AcGePoint3d(12, 5, 0));
    poly->close();
    // Converted, the lightweight polyline has the same geometry.
    AcDbPolyline lw;
    AcDbEntity* source = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(source, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(lw.convertFrom(source, false), Acad::eOk);
    source->close();
    double length = 0;
    lw.getDistAtParam(1.0, length);
    EXPECT_NEAR(length, 12.0, 1e-9);
    // Curve-fit polylines convert through their vertices; spline-fit ones do not.
    struct Kind {
        AcDb::Poly2dType type;
        Acad::ErrorStatus status;
    } kinds[] = { { AcDb::k2dFitCurvePoly, Acad::eOk }, { AcDb::k2dCubicSplinePoly, Acad::eInvalidInput } };
    for (const Kind& k : kinds) {
        AcDb2dPolyline fitted(k.type, pts);
        AcDbEntity* asEntity = &fitted;
        AcDbPolyline converted;
        EXPECT_EQ(converted.convertFrom(asEntity, false), k.status);
    }
}
