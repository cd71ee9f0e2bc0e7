// Points on curves and segments: stations with the direction there, equal divisions, middle and
// division points, offsets square to a curve, nearest points, feet, mirrors, polar points, sets.
#include "ArrayOf.h"
#include "CadkitFixture.h"

#include "MavCounter.h"
#include "MavUtils.h"

#include "AcDbArc.h"
#include "AcDbExtents.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"
#include "AcGeCircArc2d.h"
#include "AcGeCircArc3d.h"
#include "AcGeLine3d.h"
#include "AcGeLineSeg2d.h"
#include "AcGeLineSeg3d.h"

#include <cmath>
#include <functional>

namespace {

AcDbLine* line(double x1, double y1, double x2, double y2)
{
    return new AcDbLine(AcGePoint3d(x1, y1, 0), AcGePoint3d(x2, y2, 0));
}

// Along +X for 2, then up for 8: its middle parameter lies at the corner, far from half its length.
AcDbPolyline* bentPolyline()
{
    auto* p = new AcDbPolyline();
    p->addVertexAt(0, AcGePoint2d(0, 0));
    p->addVertexAt(1, AcGePoint2d(2, 0));
    p->addVertexAt(2, AcGePoint2d(2, 8));
    return p;
}

} // namespace

using PointsOnCurves = CadkitFixture;

TEST(StationsOnGeometryCurves, PointAndAzimuthAtAnArcLength)
{
    struct Case {
        AcGePoint3d a, b;
        double dist;
        AcGePoint3d point;
        double azimuth;
    };
    // The azimuth conventions: +X is 2pi, -X pi, +Y pi/2.
    for (const Case& c : {Case{AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), 4.0, AcGePoint3d(4, 0, 0), 2 * kPi},
             Case{AcGePoint3d(10, 0, 0), AcGePoint3d(0, 0, 0), 4.0, AcGePoint3d(6, 0, 0), kPi},
             Case{AcGePoint3d(1, 0, 0), AcGePoint3d(1, 10, 0), 0.0, AcGePoint3d(1, 0, 0), kPi / 2}}) {
        const AcGeLineSeg3d seg3(c.a, c.b);
        const AcGeLineSeg2d seg2(AcGePoint2d(c.a.x, c.a.y), AcGePoint2d(c.b.x, c.b.y));
        AcGePoint3d p3 = kUnset;
        AcGePoint3d p2 = kUnset;
        double a3 = 0.0;
        double a2 = 0.0;
        EXPECT_EQ(MavCounter::getCogoOfGeCurve(&seg3, c.dist, p3, a3), Acad::eOk);
        EXPECT_EQ(MavCounter::getCogoOfGeCurve(&seg2, c.dist, p2, a2), Acad::eOk);
        EXPECT_TRUE(p3.isEqualTo(c.point));
        EXPECT_TRUE(p2.isEqualTo(c.point));
        EXPECT_NEAR(a3, c.azimuth, 1e-12);
        EXPECT_NEAR(a2, c.azimuth, 1e-12);
    }
    const AcGeCircArc3d arc(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, 10.0, 0.0, kPi);
    AcGePoint3d p = kUnset;
    EXPECT_EQ(MavCounter::getPointAtDistInGeCurve(&arc, 5 * kPi, p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(0, 10, 0)));
    const AcGeCircArc2d arc2(AcGePoint2d(0, 0), 10.0, 0.0, kPi);
    AcGePoint2d q(-1, -1);
    EXPECT_EQ(MavCounter::getPointAtDistInGeCurve(&arc2, 5 * kPi, q), Acad::eOk);
    EXPECT_TRUE(q.isEqualTo(AcGePoint2d(0, 10)));
    double azimuth = 0.0;
    EXPECT_EQ(MavCounter::getCogoOfGeCurve(static_cast<const AcGeCurve3d*>(nullptr), 1.0, p, azimuth),
        Acad::eInvalidInput);
    EXPECT_EQ(MavCounter::getPointAtDistInGeCurve(static_cast<const AcGeCurve2d*>(nullptr), 1.0, q),
        Acad::eInvalidInput);
}

TEST(StationsOnGeometryCurves, EqualPartsOfAStretchLieOnTheStretch)
{
    const AcGeLineSeg3d seg(AcGePoint3d(0, 0, 0), AcGePoint3d(100, 0, 0));
    const AcGeLineSeg2d seg2(AcGePoint2d(0, 0), AcGePoint2d(100, 0));
    struct Case {
        double from, to;
        int count, mode;
        std::vector<double> xs;
    };
    for (const Case& c : {Case{0, 100, 4, 2, {25, 50, 75, 100}}, Case{0, 40, 4, 0, {10, 20, 30, 40}},
             Case{50, 0, 2, 1, {75, 100}}, Case{80, 40, 2, 2, {60, 40}}, Case{0, 100, 0, 2, {}}}) {
        for (const bool plane : {false, true}) {
            AcGePoint3dArray pts = arrayOf({kUnset});
            const AcGePoint3d from(c.from, 0, 0);
            const AcGePoint3d to(c.to, 0, 0);
            const Acad::ErrorStatus es = plane
                ? MavCounter::getEquidistantPointsAtGeCurve2d(&seg2, from, to, c.count, c.mode, pts)
                : MavCounter::getEquidistantPointsAtGeCurve3d(&seg, from, to, c.count, c.mode, pts);
            EXPECT_EQ(es, Acad::eOk);
            ASSERT_EQ(pts.length(), static_cast<int>(c.xs.size()) + 1) << c.mode << " " << plane;
            for (std::size_t i = 0; i < c.xs.size(); ++i)
                EXPECT_TRUE(pts[static_cast<int>(i) + 1].isEqualTo(AcGePoint3d(c.xs[i], 0, 0))) << c.mode << " " << i;
        }
    }
}

TEST(StationsOnGeometryCurves, ArcWalkFindsTheStepNearestTheLength)
{
    AcGeCircArc3d arc(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, 100.0, 0.0, kPi / 2);
    AcGePoint3d p = kUnset;
    EXPECT_EQ(MavCounter::getArcPtByLength(arc, 200.0, p), 0);
    EXPECT_TRUE(p.isEqualTo(kUnset));
    EXPECT_EQ(MavCounter::getArcPtByLength(arc, 0.0, p), 1);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(100, 0, 0)));
    EXPECT_EQ(MavCounter::getArcPtByLength(arc, 25 * kPi, p), 1);
    EXPECT_NEAR(p.distanceTo(AcGePoint3d(100 * std::cos(kPi / 4), 100 * std::sin(kPi / 4), 0)), 0.0, kPi / 18);
}

TEST(PointsOnSegments, PolarRotatedMiddleAndDivisionPoints)
{
    AcGePoint3d p = kUnset;
    MavCounter::get3dPoint(AcGePoint3d(1, 1, 7), 2.0, kPi / 2, p);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(1, 3, 7)));
    AcGePoint2d q;
    MavCounter::get3dPoint(AcGePoint2d(1, 1), 2.0, kPi, q);
    EXPECT_TRUE(q.isEqualTo(AcGePoint2d(-1, 1)));
    EXPECT_EQ(MavCounter::getPointOnRotation(AcGePoint3d(1, 0, 0), AcGePoint3d(5, 0, 0), kPi / 2, 3.0, p), 1);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(1, 3, 0)));

    const AcGePoint3d a(0, 0, 2);
    const AcGePoint3d b(8, 4, 6);
    struct Case {
        int n;
        AcGePoint3d point;
    };
    // Division points lie in the plane; a count of 0 stays at the first point.
    for (const Case& c : {Case{2, AcGePoint3d(4, 2, 0)}, Case{4, AcGePoint3d(2, 1, 0)}, Case{-2, AcGePoint3d(-4, -2, 0)},
             Case{1, AcGePoint3d(8, 4, 0)}, Case{0, AcGePoint3d(0, 0, 0)}}) {
        EXPECT_TRUE(MavCounter::divisionPointOfLine(a, b, c.n).isEqualTo(c.point)) << c.n;
        EXPECT_TRUE(MavCounter::divisionPointOfLine(AcGePoint2d(a.x, a.y), AcGePoint2d(b.x, b.y), c.n)
                        .isEqualTo(AcGePoint2d(c.point.x, c.point.y)))
            << c.n;
    }
    EXPECT_TRUE(MavCounter::middlePointOfLine(a, b).isEqualTo(AcGePoint3d(4, 2, 4)));
    EXPECT_TRUE(MavCounter::middlePointOfLine(AcGePoint2d(0, 0), AcGePoint2d(8, 4)).isEqualTo(AcGePoint2d(4, 2)));

    // Square to the line at a division point: to the left, from p2 for a negative count.
    double azimuth = 0.0;
    EXPECT_EQ(MavCounter::getLineNormalPointEx(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), 0.0, 2, p, azimuth), 1);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(5, 0, 0)));
    EXPECT_NEAR(azimuth, 2 * kPi, 1e-12);
    MavCounter::getLineNormalPointEx(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), 3.0, -5, p, azimuth);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(8, 3, 0)));
    MavCounter::getLineNormalPointEx(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), 3.0, 5, p);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(2, 3, 0)));
    MavCounter::getLineNormalPoint(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 10, 0), 2.0, p);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(-2, 0, 0)));
    MavCounter::getLineNormalPoint(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 10, 0), 2.0, 0, p);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(-2, 10, 0)));
    MavCounter::getOnLinePoint(AcGePoint3d(1, 1, 0), AcGePoint3d(1, 11, 0), 4.0, p);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(1, 5, 0)));
    MavCounter::getOnLinePoint(AcGePoint2d(1, 1), AcGePoint2d(11, 1), -4.0, q);
    EXPECT_TRUE(q.isEqualTo(AcGePoint2d(-3, 1)));

    AcArray<AcGePoint3d> corners = arrayOf({kUnset});
    MavCounter::getPointsByExtent(AcDbExtents(AcGePoint3d(0, 0, 1), AcGePoint3d(4, 3, 2)), corners);
    ASSERT_EQ(corners.length(), 5);
    EXPECT_TRUE(corners[1].isEqualTo(AcGePoint3d(0, 0, 1)));
    EXPECT_TRUE(corners[2].isEqualTo(AcGePoint3d(0, 3, 0)));
    EXPECT_TRUE(corners[3].isEqualTo(AcGePoint3d(4, 3, 2)));
    EXPECT_TRUE(corners[4].isEqualTo(AcGePoint3d(4, 0, 0)));
}

TEST(PointsOnSegments, EndsMovedFeetMirrorsAndOffsets)
{
    struct Case {
        bool outA;
        double lenA;
        bool outB;
        double lenB;
        double ax, bx;
    };
    for (const Case& c : {Case{true, 1, true, 2, -1, 12}, Case{false, 1, false, 2, 1, 8}, Case{true, 3, false, 3, -3, 7}}) {
        AcGePoint3d a(0, 0, 0);
        AcGePoint3d b(10, 0, 0);
        EXPECT_EQ(MavCounter::extendLine(a, c.outA, c.lenA, b, c.outB, c.lenB), 1);
        EXPECT_TRUE(a.isEqualTo(AcGePoint3d(c.ax, 0, 0)));
        EXPECT_TRUE(b.isEqualTo(AcGePoint3d(c.bx, 0, 0)));
        AcGePoint2d a2(0, 0);
        AcGePoint2d b2(0, 10);
        MavCounter::extendLine(a2, c.outA, c.lenA, b2, c.outB, c.lenB);
        EXPECT_TRUE(a2.isEqualTo(AcGePoint2d(0, c.ax)));
        EXPECT_TRUE(b2.isEqualTo(AcGePoint2d(0, c.bx)));
    }

    AcGePoint3d foot = kUnset;
    EXPECT_EQ(MavCounter::getLinePointOnnormal(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(4, 0, 0), foot), 0);
    EXPECT_TRUE(foot.isEqualTo(kUnset));
    EXPECT_EQ(MavCounter::getLinePointOnnormal(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(14, 3, 0), foot), 1);
    EXPECT_TRUE(foot.isEqualTo(AcGePoint3d(14, 0, 0)));
    EXPECT_EQ(MavCounter::getLinePointOnnormal(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(4, -3, 0), foot), 0);
    EXPECT_TRUE(foot.isEqualTo(AcGePoint3d(4, 0, 0)));

    AcGePoint2d image;
    MavCounter::getMirrorPointBaseLine(AcGePoint2d(0, 0), AcGePoint2d(1, 1), AcGePoint2d(3, 1), image);
    EXPECT_TRUE(image.isEqualTo(AcGePoint2d(1, 3)));
    AcGePoint3d p;
    EXPECT_EQ(MavCounter::getOffsetPoint(AcGePoint3d(1, 1, 1), 2.0, AcGeVector3d(0, 3, 0), p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(1, 7, 1)));
    EXPECT_EQ(MavCounter::getOffsetPoint(AcGePoint3d(1, 1, 1), 2.0, -1.0, 50.0, p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(3, 0, 1)));
}

TEST(PointSets, NearestCentreAndCorners)
{
    AcGePoint3d nearest = kUnset;
    EXPECT_EQ(MavCounter::getNearestPoint(AcGePoint3d(0, 0, 0), AcGePoint3dArray(), nearest), Acad::eInvalidInput);
    EXPECT_TRUE(nearest.isEqualTo(kUnset));
    // Of equal distances the later point wins.
    EXPECT_EQ(MavCounter::getNearestPoint(AcGePoint3d(0, 0, 0),
                  arrayOf({AcGePoint3d(5, 0, 0), AcGePoint3d(0, 3, 0), AcGePoint3d(-3, 0, 0)}), nearest),
        Acad::eOk);
    EXPECT_TRUE(nearest.isEqualTo(AcGePoint3d(-3, 0, 0)));

    AcGePoint3d centre = kUnset;
    MavCounter::getCenterPoint(AcGePoint3dArray(), centre);
    EXPECT_TRUE(centre.isEqualTo(kUnset));
    MavCounter::getCenterPoint(arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(4, 2, 6)}), centre);
    EXPECT_TRUE(centre.isEqualTo(AcGePoint3d(2, 1, 3)));

    AcGePoint3d lower = kUnset;
    AcGePoint3d upper = kUnset;
    EXPECT_EQ(MavCounter::getMinMaxPointsInPointsArray(AcGePoint3dArray(), lower, upper), Acad::eInvalidInput);
    EXPECT_EQ(MavCounter::getMinMaxPointsInPointsArray(arrayOf({AcGePoint3d(0, 5, 7), AcGePoint3d(3, 1, 9)}), lower, upper),
        Acad::eOk);
    EXPECT_TRUE(lower.isEqualTo(AcGePoint3d(0, 1, 7)));
    EXPECT_TRUE(upper.isEqualTo(AcGePoint3d(3, 5, 7)));

    // Ends and nearest points of geometry curves; an unbounded line has no ends.
    const AcGeLineSeg3d seg(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    const AcGeLine3d endless(AcGePoint3d(0, 0, 0), AcGeVector3d::kXAxis);
    AcGePoint3d start = kUnset;
    AcGePoint3d end = kUnset;
    EXPECT_EQ(MavCounter::getStartEndPointInGeCurve(&seg, start, end), Acad::eOk);
    EXPECT_TRUE(end.isEqualTo(AcGePoint3d(10, 0, 0)));
    end = kUnset;
    EXPECT_EQ(MavCounter::getStartEndPointInGeCurve(&endless, start, end), Acad::eInvalidInput);
    EXPECT_TRUE(end.isEqualTo(kUnset));
    const AcGeLineSeg2d seg2(AcGePoint2d(0, 0), AcGePoint2d(0, 10));
    EXPECT_EQ(MavCounter::getStartEndPointInGeCurve(&seg2, start, end), Acad::eOk);
    EXPECT_TRUE(end.isEqualTo(AcGePoint3d(0, 10, 0)));
    AcGePoint3d near(4, 5, 0);
    EXPECT_EQ(MavCounter::getNearestPoint(&seg, near), Acad::eOk);
    EXPECT_TRUE(near.isEqualTo(AcGePoint3d(4, 0, 0)));
    AcGePoint2d near2(3, 20);
    EXPECT_EQ(MavCounter::getNearestPoint(&seg2, near2), Acad::eOk);
    EXPECT_TRUE(near2.isEqualTo(AcGePoint2d(0, 10)));
}

TEST_F(PointsOnCurves, StationsOfDatabaseCurvesByPointerAndId)
{
    std::unique_ptr<AcDbLine> pLine(line(0, 0, 0, -10));
    const AcDbObjectId lineId = add(line(0, 0, 0, -10));
    struct Case {
        int where;
        AcGePoint3d given, point;
    };
    // Another value of `where` keeps the given point but snaps it onto the curve.
    for (const Case& c : {Case{-1, kUnset, AcGePoint3d(0, 0, 0)}, Case{0, kUnset, AcGePoint3d(0, -4, 0)},
             Case{1, kUnset, AcGePoint3d(0, -10, 0)}, Case{5, AcGePoint3d(3, -6, 0), AcGePoint3d(0, -6, 0)}}) {
        AcGePoint3d p = c.given;
        AcGePoint3d q = c.given;
        double azimuth = 0.0;
        AcGeVector3d dir;
        EXPECT_EQ(MavCounter::getCogoOfDbCurve(c.where, pLine.get(), 4.0, p, azimuth), Acad::eOk);
        EXPECT_EQ(MavCounter::getCogoOfDbCurve(c.where, lineId, 4.0, q, dir), Acad::eOk);
        EXPECT_TRUE(p.isEqualTo(c.point)) << c.where;
        EXPECT_TRUE(q.isEqualTo(c.point)) << c.where;
        EXPECT_NEAR(azimuth, 3 * kPi / 2, 1e-12);
        EXPECT_TRUE(dir.normal().isEqualTo(AcGeVector3d(0, -1, 0)));
    }

    // A polyline's station through its geometry equivalent, the arc included.
    auto* arcPolyline = new AcDbPolyline();
    arcPolyline->addVertexAt(0, AcGePoint2d(0, 0), 0.0);
    arcPolyline->addVertexAt(1, AcGePoint2d(10, 0), 1.0);
    arcPolyline->addVertexAt(2, AcGePoint2d(10, 10), 0.0);
    const AcDbObjectId polyId = add(arcPolyline);
    AcGePoint3d p = kUnset;
    double azimuth = 0.0;
    EXPECT_EQ(MavCounter::getCogoOfDbPolyline(polyId, 10.0 + 5 * kPi / 2, p, azimuth), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(15, 5, 0), AcGeTol())) << p.x << "," << p.y;
    EXPECT_NEAR(azimuth, kPi / 2, 1e-6);
    EXPECT_EQ(MavCounter::getCogoOfDbPolyline(lineId, 1.0, p, azimuth), Acad::eInvalidInput);

    const AcDbObjectId text = add(new AcDbText(AcGePoint3d(0, 0, 0), L"x"));
    AcGeVector3d dir;
    EXPECT_EQ(MavCounter::getCogoOfDbCurve(0, text, 1.0, p, dir), Acad::eInvalidInput);
    EXPECT_EQ(transcript(), L"\nInternal ARX ERROR: eInvalidInput 出现异常!");
}

TEST_F(PointsOnCurves, PointsSquareToACurveAtAStation)
{
    const AcDbObjectId lineId = add(line(0, 2, 10, 2));
    std::unique_ptr<AcDbPolyline> pPolyline(bentPolyline());
    struct Case {
        double offset, y;
    };
    for (const Case& c : {Case{0.0, 2.0}, Case{1.0, 3.0}, Case{-1.0, 1.0}}) {
        AcGePoint3d p = kUnset;
        double azimuth = 0.0;
        EXPECT_EQ(MavCounter::getPointAtDistInPlineEx(lineId, 4.0, c.offset, p, azimuth), Acad::eOk);
        EXPECT_TRUE(p.isEqualTo(AcGePoint3d(4, c.y, 0))) << c.offset;
        EXPECT_NEAR(azimuth, 2 * kPi, 1e-12);
        p = kUnset;
        EXPECT_EQ(MavCounter::getPointAtDistInPlineEx(lineId, 4.0, c.offset, p), Acad::eOk);
        EXPECT_TRUE(p.isEqualTo(AcGePoint3d(4, c.y, 0))) << c.offset;
        EXPECT_EQ(MavCounter::getPointAtDistInPlineEx(pPolyline.get(), 1.0, c.offset, p), Acad::eOk);
        EXPECT_TRUE(p.isEqualTo(AcGePoint3d(1, c.y - 2.0, 0))) << c.offset;
    }
    AcGePoint3d p = kUnset;
    double azimuth = 0.0;
    EXPECT_EQ(MavCounter::getNormalAtDistInPline(lineId, 3.0, p, azimuth), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(3, 2, 0)));
    EXPECT_EQ(MavCounter::getPointAtDistInPline(lineId, 7.0, p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(7, 2, 0)));
    EXPECT_NE(MavCounter::getPointAtDistInPline(lineId, 70.0, p), Acad::eOk);

    // Not a curve: nothing and no failure; not there: the tag.
    const AcDbObjectId text = add(new AcDbText(AcGePoint3d(0, 0, 0), L"x"));
    p = kUnset;
    EXPECT_EQ(MavCounter::getPointAtDistInPlineEx(text, 1.0, 1.0, p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(kUnset));
    MavUtils::deleteObj(lineId);
    EXPECT_NE(MavCounter::getNormalAtDistInPline(lineId, 3.0, p, azimuth), Acad::eOk);
    EXPECT_EQ(transcript(), L"\ngetDistAtPoint 出现异常!");
}

TEST_F(PointsOnCurves, DivisionAndMiddlePointsGoByLength)
{
    const AcDbObjectId bent = add(bentPolyline());
    struct Case {
        int n, fromStart;
        AcGePoint3d point;
    };
    for (const Case& c : {Case{2, 1, AcGePoint3d(2, 3, 0)}, Case{1, 1, AcGePoint3d(2, 8, 0)}, Case{1, 0, AcGePoint3d(0, 0, 0)},
             Case{5, 0, AcGePoint3d(2, 6, 0)}}) {
        AcGePoint3d p = kUnset;
        double azimuth = 0.0;
        EXPECT_EQ(MavCounter::getDivisionPointInCurve(bent, c.n, p, c.fromStart), Acad::eOk);
        EXPECT_TRUE(p.isEqualTo(c.point)) << c.n << " " << c.fromStart;
        p = kUnset;
        EXPECT_EQ(MavCounter::getDivisionPointInCurveEx(bent, c.n, p, c.fromStart, azimuth), Acad::eOk);
        EXPECT_TRUE(p.isEqualTo(c.point)) << c.n << " " << c.fromStart;
    }
    AcGePoint3d p = kUnset;
    double azimuth = 0.0;
    EXPECT_EQ(MavCounter::getMiddlePointInCurveEx(bent, p, azimuth), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(2, 3, 0)));
    EXPECT_NEAR(azimuth, kPi / 2, 1e-12);
    std::unique_ptr<AcDbPolyline> pBent(bentPolyline());
    EXPECT_EQ(MavCounter::getMiddlePointInCurve(pBent.get(), p), Acad::eOk);
    EXPECT_EQ(MavCounter::getMiddlePointInCurve(static_cast<const AcDbCurve*>(nullptr), p), Acad::eInvalidInput);
    EXPECT_EQ(MavCounter::getMiddlePointInCurve(AcDbObjectId::kNull, p), Acad::eInvalidInput);
    EXPECT_EQ(MavCounter::getDivisionPointInCurve(bent, 0, p, 1), Acad::eInvalidInput);
    MavUtils::deleteObj(bent);
    EXPECT_NE(MavCounter::getMiddlePointInCurve(bent, p), Acad::eOk);
    EXPECT_NE(MavCounter::getDivisionPointInCurve(bent, 2, p, 1), Acad::eOk);
    EXPECT_EQ(transcript(), L"\ngetMiddlePointInCurve 出现异常!\ngetDivisionPointInCurve 出现异常!");
}

TEST_F(PointsOnCurves, NearestPointsEndsAndCentresById)
{
    const AcDbObjectId bent = add(bentPolyline());
    AcGePoint3d p(5, 4, 0);
    EXPECT_EQ(MavCounter::getNearestPoint(bent, p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(2, 4, 0)));
    EXPECT_EQ(MavCounter::isOnCurve(AcGePoint3d(2.05, 4, 0), bent, 0.1), 1);
    EXPECT_EQ(MavCounter::isOnCurve(AcGePoint3d(2.2, 4, 0), bent, 0.1), 0);

    AcGePoint3d start = kUnset;
    AcGePoint3d end = kUnset;
    EXPECT_EQ(MavCounter::getStartEndPointInCurve(bent, start, end), Acad::eOk);
    EXPECT_TRUE(end.isEqualTo(AcGePoint3d(2, 8, 0)));
    const AcDbObjectId text = add(new AcDbText(AcGePoint3d(0, 0, 0), L"x"));
    end = kUnset;
    EXPECT_EQ(MavCounter::getStartEndPointInCurve(text, start, end), Acad::eOk);
    EXPECT_TRUE(end.isEqualTo(kUnset));
    EXPECT_EQ(MavCounter::getStartEndPointInCurve(AcDbObjectId::kNull, start, end), Acad::eInvalidInput);

    double centre[3] = {-1, -1, -1};
    MavCounter::getCenterPoint(bent, centre);
    EXPECT_NEAR(centre[0], 4.0 / 3.0, 1e-12);
    EXPECT_NEAR(centre[1], 8.0 / 3.0, 1e-12);

    EXPECT_EQ(MavCounter::isOnCurve(AcGePoint3d(0, 0, 0), text, 1.0), 0);
    MavUtils::deleteObj(bent);
    EXPECT_NE(MavCounter::getStartEndPointInCurve(bent, start, end), Acad::eOk);
    MavCounter::getCenterPoint(bent, centre);
    EXPECT_NEAR(centre[0], 4.0 / 3.0, 1e-12);
    EXPECT_EQ(transcript(), L"\ngetNearestPoint 出现异常!\ngetStartEndPointInCurve 出现异常!\nscanPlineEx 出现异常!");
}

TEST_F(PointsOnCurves, EqualPartsOfADatabaseCurve)
{
    const AcDbObjectId lineId = add(line(0, 0, 0, 12));
    AcGePoint3dArray pts;
    EXPECT_EQ(MavCounter::getEquidistantPointsAtCurve(lineId, AcGePoint3d(), AcGePoint3d(0, 12, 0), 3, 0, pts), Acad::eOk);
    ASSERT_EQ(pts.length(), 3);
    EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(0, 4, 0)));
    EXPECT_TRUE(pts[2].isEqualTo(AcGePoint3d(0, 12, 0)));
    MavUtils::deleteObj(lineId);
    EXPECT_NE(MavCounter::getEquidistantPointsAtCurve(lineId, AcGePoint3d(), AcGePoint3d(0, 12, 0), 3, 0, pts), Acad::eOk);
    EXPECT_EQ(pts.length(), 3);
}
