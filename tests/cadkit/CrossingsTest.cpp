// Polar points, crossings of segments given by their ends in every extension mode, crossings of
// entities nearest a reference point, and the division points of a segment.
#include "CadkitFixture.h"

#include "MavCounter.h"

#include "AcDbLine.h"

#include <cmath>

TEST(Crossings, PolarPointsAndTheNearestOfAList)
{
    AcGePoint3d point;
    MavCounter::get3dPoint(AcGePoint3d(1, 1, 7), 2.0, kPi / 2, point);
    EXPECT_TRUE(point.isEqualTo(AcGePoint3d(1, 3, 7)));

    AcArray<AcGePoint3d> points;
    AcGePoint3d nearest(9, 9, 9);
    EXPECT_EQ(MavCounter::getNearestPoint(AcGePoint3d(0, 0, 0), points, nearest), Acad::eInvalidInput);
    EXPECT_EQ(nearest, AcGePoint3d(9, 9, 9));
    for (const AcGePoint3d& p : {AcGePoint3d(5, 0, 0), AcGePoint3d(0, 2, 0), AcGePoint3d(-2, 0, 0)})
        points.append(p);
    EXPECT_EQ(MavCounter::getNearestPoint(AcGePoint3d(0, 0, 0), points, nearest), Acad::eOk);
    // Of equally near points the later.
    EXPECT_EQ(nearest, AcGePoint3d(-2, 0, 0));
}

TEST(Crossings, SegmentsByTheirEndsInEveryMode)
{
    struct Case {
        AcDb::Intersect mode;
        AcGePoint3d p1, p2, p3, p4;
        Acad::ErrorStatus es;
        AcGePoint3d point;
    };
    const AcGePoint3d unset(-1, -1, -1);
    const Case cases[] = {
        {AcDb::kOnBothOperands, {0, 0, 0}, {10, 0, 0}, {5, -5, 0}, {5, 5, 0}, Acad::eOk, {5, 0, 0}},
        {AcDb::kOnBothOperands, {0, 0, 0}, {4, 0, 0}, {5, -5, 0}, {5, 5, 0}, Acad::eInvalidInput, unset},
        {AcDb::kExtendThis, {0, 0, 0}, {4, 0, 0}, {5, -5, 0}, {5, 5, 0}, Acad::eOk, {5, 0, 0}},
        {AcDb::kExtendThis, {5, -5, 0}, {5, -1, 0}, {0, 0, 0}, {4, 0, 0}, Acad::eInvalidInput, unset},
        {AcDb::kExtendArg, {5, -5, 0}, {5, 5, 0}, {0, 0, 0}, {4, 0, 0}, Acad::eOk, {5, 0, 0}},
        {AcDb::kExtendBoth, {0, 0, 0}, {4, 0, 0}, {5, 1, 0}, {5, 5, 0}, Acad::eOk, {5, 0, 0}},
        // Parallel, and crossing in plan only: no crossing in space.
        {AcDb::kExtendBoth, {0, 0, 0}, {4, 0, 0}, {0, 1, 0}, {4, 1, 0}, Acad::eInvalidInput, unset},
        {AcDb::kOnBothOperands, {0, 0, 0}, {10, 0, 0}, {5, -5, 3}, {5, 5, 3}, Acad::eInvalidInput, unset},
    };
    for (const Case& c : cases) {
        AcGePoint3d point = unset;
        EXPECT_EQ(MavCounter::getIntersectPoint(c.p1, c.p2, c.p3, c.p4, point, c.mode), c.es) << c.mode;
        EXPECT_TRUE(point.isEqualTo(c.point)) << c.mode << " " << point.x << "," << point.y;
    }
}

using EntityCrossings = CadkitFixture;

TEST_F(EntityCrossings, NearestTheReferencePointWithBothExtended)
{
    AcDbLine cross(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
    AcDbLine left(AcGePoint3d(-5, 1, 0), AcGePoint3d(-5, 2, 0));
    const AcDbObjectId right = add(new AcDbLine(AcGePoint3d(5, 1, 0), AcGePoint3d(5, 2, 0)));
    AcGePoint3d point;
    EXPECT_EQ(MavCounter::getIntersectPoint(AcGePoint3d(0, 0, 0), &cross, &left, point), Acad::eOk);
    EXPECT_TRUE(point.isEqualTo(AcGePoint3d(-5, 0, 0)));
    EXPECT_EQ(MavCounter::getIntersectPoint(AcGePoint3d(0, 0, 0), &cross, right, point), Acad::eOk);
    EXPECT_TRUE(point.isEqualTo(AcGePoint3d(5, 0, 0)));
    EXPECT_EQ(MavCounter::getIntersectPoint(AcGePoint3d(0, 0, 0), &cross, nullptr, point), Acad::eInvalidInput);

    // Division between the two crossings of a cross line, in order from the first boundary.
    AcArray<AcGePoint3d> points;
    EXPECT_EQ(MavCounter::getIntersectLineBisectrixPoints(AcGePoint3d(0, 0, 0), 0.0, &left, &cross, 2, points),
        Acad::eInvalidInput);
    AcDbLine rightLine(AcGePoint3d(5, 1, 0), AcGePoint3d(5, 2, 0));
    EXPECT_EQ(
        MavCounter::getIntersectLineBisectrixPoints(AcGePoint3d(1, 0, 0), kPi, &rightLine, &left, 4, points), Acad::eOk);
    ASSERT_EQ(points.length(), 3);
    EXPECT_TRUE(points[0].isEqualTo(AcGePoint3d(2.5, 0, 0)));
    EXPECT_TRUE(points[2].isEqualTo(AcGePoint3d(-2.5, 0, 0)));
}

TEST(Crossings, DivisionPointsOfASegment)
{
    AcArray<AcGePoint3d> points;
    EXPECT_EQ(MavCounter::getBisecrixPointsAtLine(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 9, 0), 3, points), Acad::eOk);
    EXPECT_EQ(MavCounter::getBisecrixPointsAtLine(AcGePoint3d(1, 1, 1), AcGePoint3d(1, 1, 1), 3, points),
        Acad::eInvalidInput);
    AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(8, 0, 0));
    EXPECT_EQ(MavCounter::getBisecrixPointsAtLine(&line, 4, points), Acad::eOk);
    EXPECT_EQ(MavCounter::getBisecrixPointsAtLine(&line, 1, points), Acad::eOk);
    EXPECT_EQ(MavCounter::getBisecrixPointsAtLine(static_cast<AcDbLine*>(nullptr), 4, points), Acad::eInvalidInput);
    ASSERT_EQ(points.length(), 5);
    EXPECT_TRUE(points[1].isEqualTo(AcGePoint3d(0, 6, 0)));
    EXPECT_TRUE(points[2].isEqualTo(AcGePoint3d(2, 0, 0)));
    EXPECT_TRUE(points[4].isEqualTo(AcGePoint3d(6, 0, 0)));
}
