// How two curves meet: end to end, end on curve, crossing, crossing in plan only, and which curve
// must be extended; the meeting point and the end flags; curves that never meet.
#include "CadkitFixture.h"

#include "MavUtils.h"

#include "AcDbArc.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"

#include <functional>
#include <memory>

namespace {

constexpr int kNoRelation = -2;

std::unique_ptr<AcDbCurve> line(double x1, double y1, double z1, double x2, double y2, double z2)
{
    return std::make_unique<AcDbLine>(AcGePoint3d(x1, y1, z1), AcGePoint3d(x2, y2, z2));
}

std::unique_ptr<AcDbCurve> line(double x1, double y1, double x2, double y2) { return line(x1, y1, 0, x2, y2, 0); }

} // namespace

using CurveRelations = CadkitFixture;

TEST_F(CurveRelations, CodesPointsAndEndFlagsOfLinePairs)
{
    struct Case {
        const char* what;
        std::function<std::unique_ptr<AcDbCurve>()> first;
        std::function<std::unique_ptr<AcDbCurve>()> second;
        int relation;
        AcGePoint3d point;
        int flag1, flag2;
    };
    const Case cases[] = {
        {"end to end", [] { return line(0, 0, 10, 0); }, [] { return line(10, 0, 10, 10); }, 0, {10, 0, 0}, 1, 0},
        {"end to end, starts", [] { return line(10, 0, 0, 0); }, [] { return line(10, 0, 10, 10); }, 0, {10, 0, 0},
            0, 0},
        {"first ends on second", [] { return line(5, 10, 5, 0); }, [] { return line(0, 0, 10, 0); }, 1, {5, 0, 0}, 1,
            0},
        {"second ends on first", [] { return line(0, 0, 10, 0); }, [] { return line(5, 10, 5, 0); }, 10, {5, 0, 0},
            0, 1},
        {"crossing", [] { return line(0, 0, 10, 0); }, [] { return line(3, -5, 3, 5); }, 11, {3, 0, 0}, 0, 0},
        {"crossing in plan only", [] { return line(0, 0, 10, 0); }, [] { return line(3, -5, 4, 3, 5, 4); }, -73,
            {3, 0, 4}, 0, 0},
        {"first stops short", [] { return line(0, 0, 5, 0); }, [] { return line(10, -5, 10, 5); }, -73, {10, 0, 0},
            1, 0},
        {"second stops short", [] { return line(10, -5, 10, 5); }, [] { return line(0, 0, 5, 0); }, -1000,
            {10, 0, 0}, 0, 1},
        {"second would reach the first's end", [] { return line(0, 0, 10, 0); }, [] { return line(10, 3, 10, 8); },
            -1000, {10, 0, 0}, 1, 0},
        // The point where both extensions meet, not the first curve's end.
        {"both stop short", [] { return line(0, 0, 5, 0); }, [] { return line(10, 5, 10, 10); }, -1111, {10, 0, 0},
            1, 0},
    };
    for (const Case& c : cases) {
        const auto first = c.first();
        const auto second = c.second();
        int relation = kNoRelation;
        AcGePoint3d point(-1, -1, -1);
        int flag1 = -1;
        int flag2 = -1;
        EXPECT_EQ(MavUtils::tellRelationOfTwoCurves(first.get(), second.get(), relation, point, flag1, flag2),
            Acad::eOk)
            << c.what;
        EXPECT_EQ(relation, c.relation) << c.what;
        EXPECT_TRUE(point.isEqualTo(c.point)) << c.what << " " << point.x << "," << point.y << "," << point.z;
        EXPECT_EQ(flag1, c.flag1) << c.what;
        EXPECT_EQ(flag2, c.flag2) << c.what;
    }
}

TEST_F(CurveRelations, CurvesThatNeverMeetLeaveEverythingAsItWas)
{
    const auto first = line(0, 0, 10, 0);
    const auto second = line(0, 5, 10, 5);
    int relation = kNoRelation;
    AcGePoint3d point(7, 7, 7);
    int flag1 = 9;
    int flag2 = 9;
    EXPECT_EQ(MavUtils::tellRelationOfTwoCurves(first.get(), second.get(), relation, point, flag1, flag2), Acad::eOk);
    EXPECT_EQ(relation, kNoRelation);
    EXPECT_EQ(point, AcGePoint3d(7, 7, 7));
    EXPECT_EQ(flag1, 9);
    EXPECT_EQ(flag2, 9);

    AcArray<AcGePoint3d> points;
    points.append(AcGePoint3d(1, 2, 3));
    EXPECT_EQ(MavUtils::tellRelationOfTwoCurves(first.get(), second.get(), points), Acad::eOk);
    ASSERT_EQ(points.length(), 1);
    EXPECT_EQ(points[0], AcGePoint3d(1, 2, 3));
}

TEST_F(CurveRelations, SeveralMeetingPoints)
{
    // An arc crossed twice by a line: the first crossing, inside both.
    AcDbArc arc(AcGePoint3d(0, 0, 0), 10.0, 0.0, 3.141592653589793);
    const auto chord = line(-20, 6, 20, 6);
    int relation = kNoRelation;
    AcGePoint3d point;
    int flag1 = -1;
    int flag2 = -1;
    EXPECT_EQ(MavUtils::tellRelationOfTwoCurves(&arc, chord.get(), relation, point, flag1, flag2), Acad::eOk);
    EXPECT_EQ(relation, 11);
    EXPECT_TRUE(point.isEqualTo(AcGePoint3d(8, 6, 0)));

    // A polyline that meets a line only extended, at both ends: the point at its nearer end,
    // taken again on its first segment.
    AcDbPolyline hook;
    hook.addVertexAt(0, AcGePoint2d(0, 0));
    hook.addVertexAt(1, AcGePoint2d(10, 0));
    hook.addVertexAt(2, AcGePoint2d(10, 10));
    const auto slant = line(-8, -4, 13, 24);
    relation = kNoRelation;
    EXPECT_EQ(MavUtils::tellRelationOfTwoCurves(&hook, slant.get(), relation, point, flag1, flag2), Acad::eOk);
    EXPECT_EQ(relation, -73);
    EXPECT_TRUE(point.isEqualTo(AcGePoint3d(-5, 0, 0)));
    EXPECT_EQ(flag1, 0);

    // The list form: every point of the first extension mode that finds any.
    AcArray<AcGePoint3d> points;
    EXPECT_EQ(MavUtils::tellRelationOfTwoCurves(&arc, chord.get(), points), Acad::eOk);
    EXPECT_EQ(points.length(), 2);
    EXPECT_EQ(MavUtils::tellRelationOfTwoCurves(&hook, slant.get(), points), Acad::eOk);
    EXPECT_EQ(points.length(), 2);
}

TEST_F(CurveRelations, ByIdBothCurvesAreClosedOnEveryPath)
{
    const AcDbObjectId a = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0)));
    const AcDbObjectId b = add(new AcDbLine(AcGePoint3d(3, -5, 0), AcGePoint3d(3, 5, 0)));
    int relation = kNoRelation;
    AcGePoint3d point;
    int flag1 = -1;
    int flag2 = -1;
    EXPECT_EQ(MavUtils::tellRelationOfTwoCurves(a, b, relation, point, flag1, flag2), Acad::eOk);
    EXPECT_EQ(relation, 11);
    EXPECT_NE(MavUtils::tellRelationOfTwoCurves(a, AcDbObjectId::kNull, relation, point, flag1, flag2), Acad::eOk);
    EXPECT_NE(MavUtils::tellRelationOfTwoCurves(AcDbObjectId::kNull, b, relation, point, flag1, flag2), Acad::eOk);
    for (const AcDbObjectId& id : {a, b}) {
        AcDbEntity* pEnt = nullptr;
        EXPECT_EQ(acdbOpenAcDbEntity(pEnt, id, AcDb::kForWrite), Acad::eOk);
        if (pEnt != nullptr)
            pEnt->close();
    }
}
