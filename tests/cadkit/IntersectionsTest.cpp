// Where curves meet: segments by coordinates and points under each extension mode, geometry
// curves, database curves in plan (snapped, nearest, escalating), division points between two
// boundaries and lengths between crossings.
#include "CadkitFixture.h"

#include "MavCounter.h"
#include "MavUtils.h"

#include "AcDbArc.h"
#include "AcDbCircle.h"
#include "AcDbLine.h"
#include "AcGeCircArc3d.h"
#include "AcGeLineSeg2d.h"
#include "AcGeLineSeg3d.h"
#include "AcGePolyline2d.h"
#include "AcGePolyline3d.h"

#include <cmath>

namespace {

AcDbLine* line(double x1, double y1, double x2, double y2, double z = 0.0)
{
    return new AcDbLine(AcGePoint3d(x1, y1, z), AcGePoint3d(x2, y2, z));
}

AcDbCircle* circle(double r) { return new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, r); }

} // namespace

using Intersections = CadkitFixture;

TEST(RelationOfTwoLines, CodesForCrossingParallelAndCollinearSegments)
{
    struct Case {
        double x1, y1, x2, y2, x3, y3, x4, y4;
        int code;
        double x, y;
    };
    const double u = -7.0;
    for (const Case& c : {
             Case{0, 0, 10, 0, 5, -5, 5, 5, 1, 5, 0},    // crossing
             Case{0, 0, 2, 0, 5, -5, 5, 5, 0, 5, 0},     // lines cross outside the first
             Case{0, 0, 10, 0, 0, 3, 10, 3, -1, u, u},   // parallel, point untouched
             Case{0, 0, 2, 0, 5, 0, 9, 0, -2, u, u},     // collinear apart
             Case{0, 0, 6, 0, 4, 0, 12, 0, 2, u, u},     // overlapping
             Case{2, 0, 3, 0, 0, 0, 10, 0, 3, u, u},     // first inside second
             Case{0, 0, 10, 0, 3, 0, 4, 0, 3, u, u},     // second, shorter, inside first
             Case{0, 0, 10, 0, 10, 0, 0, 0, 3, u, u},    // equal
             Case{0, 5, 0, 0, 0, 3, 0, 9, 2, u, u},      // vertical overlap
         }) {
        int code = 99;
        double x = u;
        double y = u;
        MavCounter::relationOfTwoLines(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4, code, x, y);
        EXPECT_EQ(code, c.code) << c.x1 << "," << c.y1 << " " << c.x3 << "," << c.y3;
        EXPECT_NEAR(x, c.x, 1e-12);
        EXPECT_NEAR(y, c.y, 1e-12);
    }
}

TEST(SegmentsByPoints, EachModeExtendsTheSegmentsItNames)
{
    struct Case {
        AcGePoint2d a1, a2, b1, b2;
        Acad::ErrorStatus both, extendThis, extendArg, extendBoth;
    };
    const auto ok = Acad::eOk;
    const auto none = Acad::eInvalidInput;
    const AcGePoint2d o(0, 0);
    for (const Case& c : {
             Case{o, AcGePoint2d(10, 0), AcGePoint2d(5, -5), AcGePoint2d(5, 5), ok, ok, ok, ok},
             Case{o, AcGePoint2d(2, 0), AcGePoint2d(5, -5), AcGePoint2d(5, 5), none, ok, none, ok},
             Case{o, AcGePoint2d(10, 0), AcGePoint2d(5, 1), AcGePoint2d(5, 5), none, none, ok, ok},
             Case{o, AcGePoint2d(10, 0), AcGePoint2d(0, 1), AcGePoint2d(10, 1), none, none, none, none},
         }) {
        const AcDb::Intersect modes[] = {AcDb::kOnBothOperands, AcDb::kExtendThis, AcDb::kExtendArg, AcDb::kExtendBoth};
        const Acad::ErrorStatus expected[] = {c.both, c.extendThis, c.extendArg, c.extendBoth};
        for (int m = 0; m < 4; ++m) {
            AcGePoint2d plane(-1, -1);
            AcGePoint3d space = kUnset;
            const auto lift = [](const AcGePoint2d& p) { return AcGePoint3d(p.x, p.y, 2.0); };
            EXPECT_EQ(MavCounter::getIntersectPoint(c.a1, c.a2, c.b1, c.b2, plane, modes[m]), expected[m]) << m;
            EXPECT_EQ(MavCounter::getIntersectPoint(lift(c.a1), lift(c.a2), lift(c.b1), lift(c.b2), space, modes[m]),
                expected[m])
                << m;
            if (expected[m] == Acad::eOk) {
                EXPECT_TRUE(plane.isEqualTo(AcGePoint2d(5, 0)));
                EXPECT_TRUE(space.isEqualTo(AcGePoint3d(5, 0, 2)));
            } else {
                EXPECT_TRUE(space.isEqualTo(kUnset));
            }
        }
    }
    // Another mode computes nothing; in space, lines at two heights do not meet.
    AcGePoint3d space = kUnset;
    EXPECT_EQ(MavCounter::getIntersectPoint(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(5, -5, 0),
                  AcGePoint3d(5, 5, 0), space, static_cast<AcDb::Intersect>(7)),
        Acad::eOk);
    EXPECT_TRUE(space.isEqualTo(kUnset));
    EXPECT_EQ(MavCounter::getIntersectPoint(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(5, -5, 3),
                  AcGePoint3d(5, 5, 3), space, AcDb::kOnBothOperands),
        Acad::eInvalidInput);
}

TEST(GeometryCurves, FirstCrossingOrNone)
{
    const AcGeLineSeg2d seg(AcGePoint2d(0, 0), AcGePoint2d(10, 10));
    const AcGeLineSeg2d cross(AcGePoint2d(0, 10), AcGePoint2d(10, 0));
    const AcGeLineSeg2d apart(AcGePoint2d(0, 1), AcGePoint2d(10, 11));
    AcGePoint2d p(-1, -1);
    EXPECT_EQ(MavCounter::getIntersectPoint(static_cast<const AcGeCurve2d*>(&seg), &cross, p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint2d(5, 5)));
    p.set(-1, -1);
    EXPECT_EQ(MavCounter::getIntersectPoint(static_cast<const AcGeCurve2d*>(&seg),
                  static_cast<const AcGeCurve2d*>(&apart), p),
        Acad::eInvalidInput);
    EXPECT_TRUE(p.isEqualTo(AcGePoint2d(-1, -1)));
    AcGePoint2dArray vertices;
    vertices.append(AcGePoint2d(0, 2));
    vertices.append(AcGePoint2d(10, 2));
    vertices.append(AcGePoint2d(10, 8));
    const AcGePolyline2d polyline(vertices);
    EXPECT_EQ(MavCounter::getIntersectPoint(&polyline, &cross, p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint2d(8, 2)));

    // The vertex-list form: too few vertices, the segment, its whole line, and the other modes.
    AcArray<AcGePoint2d> two;
    two.append(AcGePoint2d(0, 2));
    two.append(AcGePoint2d(10, 2));
    p.set(-1, -1);
    EXPECT_EQ(MavCounter::getIntersectPoint(AcGePoint2d(5, 0), AcGePoint2d(5, 10), two, p, AcDb::kOnBothOperands),
        Acad::eInvalidInput);
    EXPECT_EQ(MavCounter::getIntersectPoint(AcGePoint2d(5, 5), AcGePoint2d(5, 6), vertices, p, AcDb::kOnBothOperands),
        Acad::eInvalidInput);
    EXPECT_EQ(MavCounter::getIntersectPoint(AcGePoint2d(5, 5), AcGePoint2d(5, 6), vertices, p, AcDb::kExtendArg),
        Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint2d(-1, -1)));
    EXPECT_EQ(MavCounter::getIntersectPoint(AcGePoint2d(5, 5), AcGePoint2d(5, 6), vertices, p, AcDb::kExtendThis),
        Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint2d(5, 2)));

    // Space curves: a miss leaves the point as it was.
    const AcGeLineSeg3d a(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    const AcGeLineSeg3d b(AcGePoint3d(5, -5, 0), AcGePoint3d(5, 5, 0));
    const AcGeLineSeg3d high(AcGePoint3d(5, -5, 1), AcGePoint3d(5, 5, 1));
    const AcGeCircArc3d arc(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 5.0);
    AcGePoint3d q = kUnset;
    EXPECT_EQ(MavCounter::getIntersectPoint(static_cast<const AcGeCurve3d*>(&a), static_cast<const AcGeCurve3d*>(&high), q),
        Acad::eOk);
    EXPECT_TRUE(q.isEqualTo(kUnset));
    EXPECT_EQ(MavCounter::getIntersectPoint(static_cast<const AcGeCurve3d*>(&a), static_cast<const AcGeCurve3d*>(&b), q),
        Acad::eOk);
    EXPECT_TRUE(q.isEqualTo(AcGePoint3d(5, 0, 0)));
    q = kUnset;
    EXPECT_EQ(MavCounter::getIntersectPoint(&arc, &a, q), Acad::eOk);
    EXPECT_TRUE(q.isEqualTo(AcGePoint3d(5, 0, 0)));
    q = kUnset;
    EXPECT_EQ(MavCounter::getIntersectPoint(&arc, &high, q), Acad::eInvalidInput);
    AcGePoint3dArray corners;
    corners.append(AcGePoint3d(0, -1, 0));
    corners.append(AcGePoint3d(8, -1, 0));
    corners.append(AcGePoint3d(8, 3, 0));
    const AcGePolyline3d polyline3d(corners);
    EXPECT_EQ(MavCounter::getIntersectPoint(&polyline3d, &a, q), Acad::eOk);
    EXPECT_TRUE(q.isEqualTo(AcGePoint3d(8, 0, 0)));
    EXPECT_EQ(MavCounter::getIntersectPoint(AcGePoint3d(), AcGePoint3d(), static_cast<const AcGeCurve2d*>(&seg), q),
        Acad::eOk);
}

TEST_F(Intersections, IdPairsMeetInPlanAndSnapOntoTheSecondCurve)
{
    const AcDbObjectId low = add(line(0, 0, 10, 0));
    const AcDbObjectId high = add(line(5, -5, 5, 5, 3.0));
    const AcDbObjectId ring = add(circle(5.0));
    AcGePoint3d p = kUnset;
    EXPECT_EQ(MavCounter::getIntersectPoint(low, high, p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(5, 0, 3)));

    // Two points only when there are two.
    AcGePoint3d p1 = kUnset;
    AcGePoint3d p2 = kUnset;
    EXPECT_EQ(MavCounter::getIntersectPoint(low, high, p1, p2), Acad::eOk);
    EXPECT_TRUE(p1.isEqualTo(kUnset));
    const AcDbObjectId across = add(line(-10, 0, 10, 0, 3.0));
    EXPECT_EQ(MavCounter::getIntersectPoint(across, ring, p1, p2), Acad::eOk);
    EXPECT_TRUE(p1.isEqualTo(AcGePoint3d(-5, 0, 3)));
    EXPECT_TRUE(p2.isEqualTo(AcGePoint3d(5, 0, 3)));

    // With a mode the curves meet in space: at two heights they do not.
    p = kUnset;
    EXPECT_EQ(MavCounter::getIntersectPoint(low, high, AcDb::kOnBothOperands, p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(kUnset));
    const AcDbObjectId shortLine = add(line(0, 2, 3, 2));
    EXPECT_EQ(MavCounter::getIntersectPoint(shortLine, ring, AcDb::kExtendThis, p), Acad::eOk);
    EXPECT_NEAR(p.y, 2.0, 1e-9);
    EXPECT_NEAR(p.x, -std::sqrt(21.0), 1e-9);

    MavUtils::deleteObj(ring);
    EXPECT_NE(MavCounter::getIntersectPoint(ring, low, p), Acad::eOk);
    EXPECT_NE(MavCounter::getIntersectPoint(low, ring, p), Acad::eOk);
    EXPECT_NE(MavCounter::getIntersectPoint(ring, low, AcDb::kOnBothOperands, p), Acad::eOk);
    EXPECT_NE(MavCounter::getIntersectPoint(low, ring, AcDb::kOnBothOperands, p), Acad::eOk);
    EXPECT_EQ(transcript(),
        L"\ngetIntersectPointopenEntWithID(id1 出现异常!\ngetIntersectPointopenEntWithID(id2 出现异常!"
        L"\ngetIntersectPointopenEntWithID(id1) 出现异常!\ngetIntersectPoint 出现异常!");
}

TEST_F(Intersections, EntityFormsExtendAndChooseTheNearestCrossing)
{
    std::unique_ptr<AcDbLine> across(line(-10, 0, 10, 0));
    std::unique_ptr<AcDbLine> backwards(line(10, 0, -10, 0));
    std::unique_ptr<AcDbLine> stub(line(-1, 0, 1, 0));
    std::unique_ptr<AcDbCircle> ring(circle(5.0));
    const AcDbObjectId ringId = add(circle(5.0));
    struct Case {
        AcDbLine* pLine;
        AcGePoint3d ref;
        AcGePoint3d nearest;
    };
    // Of two equally near crossings the later one listed wins.
    for (const Case& c : {Case{across.get(), AcGePoint3d(0, 0, 0), AcGePoint3d(5, 0, 0)},
             Case{backwards.get(), AcGePoint3d(0, 0, 0), AcGePoint3d(-5, 0, 0)},
             Case{stub.get(), AcGePoint3d(-3, 1, 0), AcGePoint3d(-5, 0, 0)}}) {
        AcGePoint3d byPointer = kUnset;
        AcGePoint3d byId = kUnset;
        EXPECT_EQ(MavCounter::getIntersectPoint(c.ref, c.pLine, ring.get(), byPointer), Acad::eOk);
        EXPECT_EQ(MavCounter::getIntersectPoint(c.ref, c.pLine, ringId, byId), Acad::eOk);
        EXPECT_TRUE(byPointer.isEqualTo(c.nearest)) << byPointer.x;
        EXPECT_TRUE(byId.isEqualTo(c.nearest)) << byId.x;
    }
    // Both extended, the first crossing; bounded, none.
    AcGePoint3d p = kUnset;
    EXPECT_EQ(MavCounter::getIntersectPoint(stub.get(), ring.get(), p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(-5, 0, 0)));
    p = kUnset;
    EXPECT_EQ(MavCounter::getIntersectPoint(stub.get(), ringId, p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(-5, 0, 0)));
    p = kUnset;
    EXPECT_EQ(MavCounter::getIntersectPoint(stub.get(), ringId, AcDb::kOnBothOperands, p), Acad::eInvalidInput);
    EXPECT_TRUE(p.isEqualTo(kUnset));
    EXPECT_EQ(MavCounter::getIntersectPoint(across.get(), ringId, AcDb::kOnBothOperands, p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(-5, 0, 0)));

    AcGePoint3dArray list;
    list.append(kUnset);
    EXPECT_EQ(MavCounter::getIntersectPoint(across.get(), ring.get(), AcDb::kOnBothOperands, list), Acad::eOk);
    EXPECT_EQ(list.length(), 3);
    EXPECT_EQ(MavCounter::getIntersectPoint(ringId, stub.get(), AcDb::kExtendArg, list), Acad::eOk);
    EXPECT_EQ(MavCounter::getIntersectPoint(stub.get(), ringId, AcDb::kExtendThis, list), Acad::eOk);
    EXPECT_EQ(list.length(), 7);
    EXPECT_EQ(MavCounter::getIntersectPoint(AcGePoint3d(), nullptr, ring.get(), p), Acad::eInvalidInput);
    EXPECT_EQ(MavCounter::getIntersectPoint(nullptr, ring.get(), p), Acad::eInvalidInput);
    EXPECT_EQ(transcript(), L"");
}

TEST_F(Intersections, EscalatingModesFindAPointWhereTheCurvesDoNotReach)
{
    const AcDbObjectId near = add(line(0, 0, 4, 0));
    const AcDbObjectId upright = add(line(5, -5, 5, 5));
    const AcDbObjectId parallel = add(line(0, 3, 4, 3));
    AcGePoint3d p = kUnset;
    EXPECT_EQ(MavCounter::getIntersectPointForcibly(near, upright, p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(5, 0, 0)));
    p = kUnset;
    EXPECT_EQ(MavCounter::getIntersectPointForcibly(near, parallel, p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(kUnset));
    EXPECT_EQ(MavCounter::getIntersectPoint(AcGePoint3d(0, -1, 0), AcGePoint3d(1, -1, 0), upright, p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(5, -1, 0)));

    // The geometry form extends nothing.
    p = kUnset;
    EXPECT_EQ(MavCounter::getIntersectPointForciblyEx(near, upright, p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(kUnset));
    const AcDbObjectId across = add(line(0, 1, 10, 1));
    EXPECT_EQ(MavCounter::getIntersectPointForciblyEx(across, upright, p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(5, 1, 0)));

    EXPECT_EQ(MavCounter::getIntersectPointForcibly(AcDbObjectId::kNull, upright, p), Acad::eInvalidInput);
    EXPECT_EQ(MavCounter::getIntersectPoint(AcGePoint3d(), AcGePoint3d(1, 0, 0), AcDbObjectId::kNull, p),
        Acad::eInvalidInput);
    EXPECT_EQ(MavCounter::getIntersectPointForcibly(nullptr, nullptr, p), Acad::eInvalidInput);
    EXPECT_EQ(transcript(), L"\ngetIntersectPoint nId1.isNull() || nId2.isNull()! 出现异常!"
                            L"\ngetIntersectPoint id.isNull() 出现异常!");
}

TEST_F(Intersections, RealCrossingIsTheCandidateWhereTheCurvesComeClosest)
{
    AcDbLine a(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    AcDbLine b(AcGePoint3d(5, -5, 0), AcGePoint3d(5, 5, 0));
    AcGePoint3dArray candidates;
    candidates.append(AcGePoint3d(0, 0, 0));
    candidates.append(AcGePoint3d(5, 1, 0));
    candidates.append(AcGePoint3d(5, -1, 0));
    candidates.append(AcGePoint3d(9, 0, 0));
    AcGePoint3d p = kUnset;
    EXPECT_EQ(MavCounter::getRealIntersectPoint(&a, &b, candidates, p), Acad::eOk);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(5, -1, 0)));
    p = kUnset;
    EXPECT_EQ(MavCounter::getRealIntersectPoint(&a, &b, AcGePoint3dArray(), p), Acad::eInvalidInput);
    EXPECT_TRUE(p.isEqualTo(kUnset));
}

TEST_F(Intersections, LengthsBetweenCrossings)
{
    const AcDbObjectId base = add(line(0, 0, 10, 0));
    const AcDbObjectId at2 = add(line(2, -1, 2, 1));
    const AcDbObjectId at7 = add(line(7, -1, 7, 1));
    const AcDbObjectId apart = add(line(20, -1, 20, 1));
    const AcDbObjectId ring = add(circle(4.0));
    const AcDbObjectId across = add(line(-10, 0, 10, 0));
    double length = -1.0;
    EXPECT_EQ(MavCounter::getIntersectLineLength(at7, at2, base, length), Acad::eOk);
    EXPECT_NEAR(length, 5.0, 1e-9);
    EXPECT_EQ(MavCounter::getIntersectLineLength(ring, across, length), Acad::eOk);
    EXPECT_NEAR(length, 8.0, 1e-9);

    length = -1.0;
    EXPECT_EQ(MavCounter::getIntersectLineLength(at2, base, length), Acad::eInvalidInput);
    EXPECT_EQ(MavCounter::getIntersectLineLength(at2, apart, base, length), Acad::eInvalidInput);
    EXPECT_EQ(length, -1.0);
    EXPECT_EQ(transcript(), L"\ngetIntersectLineLength 出现异常!");
}

TEST_F(Intersections, DivisionPointsOfSegmentsAndBetweenBoundaries)
{
    AcGePoint3dArray pts;
    EXPECT_EQ(MavCounter::getBisecrixPointsAtLine(AcGePoint3d(0, 0, 0), AcGePoint3d(8, 0, 0), 4, pts), Acad::eOk);
    ASSERT_EQ(pts.length(), 3);
    EXPECT_TRUE(pts[2].isEqualTo(AcGePoint3d(6, 0, 0)));
    EXPECT_EQ(MavCounter::getBisecrixPointsAtLine(AcGePoint3d(0, 0, 0), AcGePoint3d(8, 0, 0), 1, pts), Acad::eOk);
    EXPECT_EQ(MavCounter::getBisecrixPointsAtLine(AcGePoint3d(1, 1, 0), AcGePoint3d(1, 1, 0), 4, pts),
        Acad::eInvalidInput);
    std::unique_ptr<AcDbLine> segment(line(0, 0, 0, 12));
    EXPECT_EQ(MavCounter::getBisecrixPointsAtLine(segment.get(), 3, pts), Acad::eOk);
    ASSERT_EQ(pts.length(), 5);
    EXPECT_TRUE(pts[4].isEqualTo(AcGePoint3d(0, 8, 0)));

    std::unique_ptr<AcDbLine> lower(line(0, 0, 100, 0));
    std::unique_ptr<AcDbLine> upper(line(0, 10, 100, 10));
    pts.setLogicalLength(0);
    EXPECT_EQ(MavCounter::getIntersectLineBisectrixPoints(AcGePoint3d(5, -3, 0), kPi / 2, lower.get(), upper.get(), 4, pts),
        Acad::eOk);
    ASSERT_EQ(pts.length(), 3);
    EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(5, 2.5, 0)));
    // Equal crossings give no gap; a cross line along the boundaries meets neither.
    EXPECT_EQ(MavCounter::getIntersectLineBisectrixPoints(AcGePoint3d(5, -3, 0), kPi / 2, lower.get(), lower.get(), 4, pts),
        Acad::eOk);
    EXPECT_EQ(MavCounter::getIntersectLineBisectrixPoints(AcGePoint3d(5, 3, 0), 0.0, lower.get(), upper.get(), 2, pts),
        Acad::eInvalidInput);
    EXPECT_EQ(pts.length(), 3);
}

TEST_F(Intersections, CrossLinesAlongAGuideCurve)
{
    const AcDbObjectId lower = add(line(-50, 0, 100, 0));
    const AcDbObjectId upper = add(line(-50, 10, 100, 10));
    const AcDbObjectId guide = add(line(0, 5, 10, 5));
    struct Case {
        double step;
        int count;
        double lastX;
    };
    // A walk landing on the end adds no end station; any other walk ends there.
    for (const Case& c : {Case{5.0, 2, 5.0}, Case{4.0, 4, 10.0}}) {
        AcGePoint3dArray pts;
        EXPECT_EQ(MavCounter::getIntersectLineBisectrixPointsBaseOnAngle(lower, upper, guide, kPi / 2, 2, c.step, pts),
            Acad::eOk);
        ASSERT_EQ(pts.length(), c.count) << c.step;
        EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(0, 5, 0)));
        EXPECT_TRUE(pts[c.count - 1].isEqualTo(AcGePoint3d(c.lastX, 5, 0)));
    }
    AcGePoint3dArray pts;
    EXPECT_EQ(MavCounter::getIntersectLineBisectrixPointsBaseOnAngle(lower, upper, guide, kPi / 2, 2, 0.0, pts),
        Acad::eInvalidInput);
    EXPECT_EQ(MavCounter::getIntersectLineBisectrixPointsBaseOnAngle(lower, upper, guide, kPi / 2, 0, 1.0, pts),
        Acad::eInvalidInput);
    MavUtils::deleteObj(guide);
    EXPECT_NE(MavCounter::getIntersectLineBisectrixPointsBaseOnAngle(lower, upper, guide, kPi / 2, 2, 1.0, pts),
        Acad::eOk);
    EXPECT_TRUE(pts.isEmpty());
    EXPECT_EQ(transcript(), L"\ngetIntersectPoint 出现异常!");
}
