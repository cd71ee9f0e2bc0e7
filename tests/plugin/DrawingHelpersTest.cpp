// The geometric helpers every view leans on: points along lines, line meeting, extreme points,
// cutting a polyline back to an abscissa and moving or reading drawn entities.
#include "FrameworkFixture.h"

#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "CGLGZ_CapDraw.h"
#include "CTov_DwgDataBase.h"

#include <cmath>

namespace {

constexpr double kTol = 1e-9;

AcDbObjectId AddPolyline(const std::vector<AcGePoint2d>& points, const std::vector<double>& bulges = {})
{
    auto* pl = new AcDbPolyline();
    for (size_t i = 0; i < points.size(); ++i)
        pl->addVertexAt(static_cast<unsigned int>(i), points[i], i < bulges.size() ? bulges[i] : 0.0);
    AcDbObjectId id;
    if (!AppendToModelSpace(pl, id))
        delete pl;
    else
        pl->close();
    return id;
}

struct Vertex {
    double x, y, bulge;
};

// The vertices of a polyline; none when it is erased.
std::vector<Vertex> VerticesOf(AcDbObjectId id)
{
    std::vector<Vertex> out;
    AcDbPolyline* pl = nullptr;
    if (acdbOpenObject(pl, id, AcDb::kForRead) != Acad::eOk)
        return out;
    for (unsigned int i = 0; i < pl->numVerts(); ++i) {
        AcGePoint2d p;
        double b = 0.0;
        pl->getPointAt(i, p);
        pl->getBulgeAt(i, b);
        out.push_back({ p.x, p.y, b });
    }
    pl->close();
    return out;
}

} // namespace

class DrawingHelpersTest : public FrameworkFixture { };

TEST(DrawingHelpers, PointsAlongLinesLieAtTheDistanceInThePlane)
{
    struct Case {
        AcGePoint3d a, b;
        double d, angle;
        AcGePoint3d expected;
    } cases[] = {
        { { 0, 0, 5 }, { 3, 4, 5 }, 5.0, 0.0, { 3, 4, 0 } },
        { { 1, 1, 0 }, { 11, 1, 0 }, -1.0, 0.0, { 0, 1, 0 } },
        { { 0, 0, 0 }, { 10, 0, 0 }, 2.0, M_PI / 2, { 0, 2, 0 } },
        { { 0, 0, 0 }, { 0, 10, 0 }, 3.0, M_PI, { 0, -3, 0 } },
    };
    for (const Case& c : cases) {
        const AcGePoint3d p = CGLGZ_CapDraw::PointAlongRotatedLine(c.a, c.b, c.d, c.angle);
        EXPECT_NEAR(p.x, c.expected.x, kTol);
        EXPECT_NEAR(p.y, c.expected.y, kTol);
        EXPECT_EQ(p.z, 0.0);
        if (c.angle == 0.0) {
            const AcGePoint3d q = CGLGZ_CapDraw::PointAlongLine(c.a, c.b, c.d);
            EXPECT_NEAR(q.x, c.expected.x, kTol);
            EXPECT_NEAR(q.y, c.expected.y, kTol);
            EXPECT_EQ(q.z, 0.0);
        }
    }
    // Equal ends have no direction: the start point comes back instead of a division by zero.
    const AcGePoint3d same = CGLGZ_CapDraw::PointAlongLine({ 2, 3, 0 }, { 2, 3, 0 }, 4.0);
    EXPECT_TRUE(std::isfinite(same.x) && std::isfinite(same.y));
    EXPECT_EQ(same.x, 2.0);
    EXPECT_EQ(same.y, 3.0);
}

TEST(DrawingHelpers, LinesMeetOnlyWhereTheirExtensionFlagsAllow)
{
    struct Case {
        AcGePoint3d a1, a2, b1, b2;
        int extendFirst, extendSecond, found;
        AcGePoint3d expected;
    } cases[] = {
        { { 0, 0, 0 }, { 10, 10, 0 }, { 0, 10, 0 }, { 10, 0, 0 }, 0, 0, 1, { 5, 5, 0 } },
        { { 0, 0, 0 }, { 10, 0, 0 }, { 0, 5, 0 }, { 10, 5, 0 }, 1, 1, 0, { 0, 0, 0 } },
        // The second segment stops short of the first line's reach at x = 20.
        { { 0, 0, 0 }, { 10, 0, 0 }, { 20, 5, 0 }, { 20, 1, 0 }, 0, 0, 0, { 0, 0, 0 } },
        { { 0, 0, 0 }, { 10, 0, 0 }, { 20, 5, 0 }, { 20, 1, 0 }, 1, 0, 0, { 0, 0, 0 } },
        { { 0, 0, 0 }, { 10, 0, 0 }, { 20, 5, 0 }, { 20, 1, 0 }, 0, 1, 0, { 0, 0, 0 } },
        { { 0, 0, 0 }, { 10, 0, 0 }, { 20, 5, 0 }, { 20, 1, 0 }, 1, 1, 1, { 20, 0, 0 } },
        // Only the first segment needs extending to reach the second.
        { { 0, 0, 0 }, { 10, 0, 0 }, { 20, 5, 0 }, { 20, -5, 0 }, 1, 0, 1, { 20, 0, 0 } },
        { { 0, 0, 0 }, { 10, 0, 0 }, { 20, 5, 0 }, { 20, -5, 0 }, 0, 1, 0, { 0, 0, 0 } },
    };
    for (const Case& c : cases) {
        int found = -1;
        const AcGePoint3d p =
            CGLGZ_CapDraw::IntersectLines(c.a1, c.a2, c.b1, c.b2, c.extendFirst, c.extendSecond, &found);
        EXPECT_EQ(found, c.found) << c.extendFirst << c.extendSecond;
        EXPECT_NEAR(p.x, c.expected.x, kTol);
        EXPECT_NEAR(p.y, c.expected.y, kTol);
    }
    // The flag may be left out.
    const AcGePoint3d p = CGLGZ_CapDraw::IntersectLines({ 0, 0, 0 }, { 10, 10, 0 }, { 0, 10, 0 }, { 10, 0, 0 }, 0, 0);
    EXPECT_NEAR(p.x, 5.0, kTol);
}

TEST(DrawingHelpers, ExtremePointKeepsTheFirstOfEqualValues)
{
    AcGePoint3dArray points;
    points.append({ 1, 5, 0 });
    points.append({ 3, 2, 0 });
    points.append({ 3, 7, 0 });
    points.append({ 0, 2, 0 });
    struct Case {
        int byX, largest;
        AcGePoint3d expected;
    } cases[] = {
        { 1, 1, { 3, 2, 0 } },
        { 1, 0, { 0, 2, 0 } },
        { 0, 1, { 3, 7, 0 } },
        { 0, 0, { 3, 2, 0 } },
    };
    for (const Case& c : cases) {
        const AcGePoint3d p = CGLGZ_CapDraw::FindExtremePoint(points, c.byX, c.largest);
        EXPECT_EQ(p.x, c.expected.x) << c.byX << c.largest;
        EXPECT_EQ(p.y, c.expected.y) << c.byX << c.largest;
    }
    // An empty list gives the origin rather than a read past its end.
    const AcGePoint3d none = CGLGZ_CapDraw::FindExtremePoint(AcGePoint3dArray(), 1, 1);
    EXPECT_EQ(none.x, 0.0);
}

TEST_F(DrawingHelpersTest, ClipEndsThePolylineOnTheClipLine)
{
    const std::vector<AcGePoint2d> flat = { { 0, 0 }, { 10, 0 }, { 20, 0 } };
    const std::vector<AcGePoint2d> rising = { { 0, 0 }, { 10, 10 }, { 20, 0 } };
    struct Case {
        std::vector<AcGePoint2d> polyline;
        double x;
        std::vector<AcGePoint2d> expected;
    } cases[] = {
        { flat, 15.0, { { 0, 0 }, { 10, 0 }, { 15, 0 } } },
        { flat, 12.0, { { 0, 0 }, { 10, 0 }, { 12, 0 } } },
        { flat, 20.004, { { 0, 0 }, { 10, 0 }, { 20, 0 } } },
        { flat, 10.0, { { 0, 0 }, { 10, 0 } } },
        { flat, 5.0, { { 0, 0 }, { 5, 0 } } },
        { flat, -5.0, {} },
        { rising, 4.0, { { 0, 0 }, { 4, 4 } } },
        { rising, 16.0, { { 0, 0 }, { 10, 10 }, { 16, 4 } } },
    };
    for (const Case& c : cases) {
        const AcDbObjectId id = AddPolyline(c.polyline);
        CGLGZ_CapDraw::ClipPolylineAtX(id, c.x);
        const std::vector<Vertex> got = VerticesOf(id);
        ASSERT_EQ(got.size(), c.expected.size()) << c.x;
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_NEAR(got[i].x, c.expected[i].x, kTol) << c.x;
            EXPECT_NEAR(got[i].y, c.expected[i].y, kTol) << c.x;
        }
        if (c.expected.empty()) {
            AcDbEntity* entity = nullptr;
            EXPECT_NE(acdbOpenAcDbEntity(entity, id, AcDb::kForRead), Acad::eOk) << "erased";
        }
    }
}

TEST_F(DrawingHelpersTest, ClipCutsAnArcWhereItMeetsTheClipLine)
{
    // Half circles of radius 5 about (5, 0) from (0, 0) to (10, 0): bulge 1 runs below the
    // chord, bulge -1 above. Cut at x = 7 the kept arc turns through pi - acos(0.4).
    const double part = 3.1415926535897932 - std::acos(0.4);
    const double height = std::sqrt(25.0 - 4.0);
    struct Case {
        double bulge;
        double endY;
        double keptBulge;
    } cases[] = {
        { 1.0, -height, std::tan(part / 4.0) },
        { -1.0, height, -std::tan(part / 4.0) },
    };
    for (const Case& c : cases) {
        const AcDbObjectId id = AddPolyline({ { -10, 0 }, { 0, 0 }, { 10, 0 } }, { 0.0, c.bulge, 0.0 });
        CGLGZ_CapDraw::ClipPolylineAtX(id, 7.0);
        const std::vector<Vertex> got = VerticesOf(id);
        ASSERT_EQ(got.size(), 3u) << c.bulge;
        EXPECT_NEAR(got[1].bulge, c.keptBulge, 1e-9) << c.bulge;
        EXPECT_NEAR(got[2].x, 7.0, 1e-9) << c.bulge;
        EXPECT_NEAR(got[2].y, c.endY, 1e-9) << c.bulge;
        EXPECT_EQ(got[2].bulge, 0.0);
    }
    // A shallow arc over a long chord, cut near its end, keeps nearly all of its turn.
    const AcDbObjectId id = AddPolyline({ { 0, 0 }, { 100, 0 } }, { 0.1 });
    CGLGZ_CapDraw::ClipPolylineAtX(id, 99.0);
    const std::vector<Vertex> got = VerticesOf(id);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_NEAR(got[1].x, 99.0, 1e-9);
    EXPECT_GT(got[0].bulge, 0.09);
    EXPECT_LT(got[0].bulge, 0.1);
}

TEST_F(DrawingHelpersTest, CopyIsANewEntityInModelSpaceWithTheSourceExtents)
{
    const AcDbObjectId id = AddPolyline({ { 1, 2 }, { 7, -3 } });
    AcDbExtents extents;
    const AcDbObjectId copy = CGLGZ_CapDraw::CopyEntityToModelSpace(id, &extents);
    ASSERT_FALSE(copy.isNull());
    EXPECT_NE(copy, id);
    const std::vector<Vertex> got = VerticesOf(copy);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[1].x, 7.0);
    EXPECT_NEAR(extents.minPoint().y, -3.0, kTol);
    EXPECT_NEAR(extents.maxPoint().x, 7.0, kTol);
    EXPECT_FALSE(CGLGZ_CapDraw::CopyEntityToModelSpace(copy).isNull());
    EXPECT_TRUE(CGLGZ_CapDraw::CopyEntityToModelSpace(AcDbObjectId()).isNull());
    // An erased entity does not open, so it is not copied.
    AcDbEntity* entity = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(entity, id, AcDb::kForWrite), Acad::eOk);
    entity->erase();
    entity->close();
    EXPECT_TRUE(CGLGZ_CapDraw::CopyEntityToModelSpace(id).isNull());
}

TEST_F(DrawingHelpersTest, MoveShiftsEntitiesAndExtentsInThePlane)
{
    const AcDbObjectId id = AddPolyline({ { 0, 0 }, { 10, 0 } });
    CHLGZ_SteelCode record;
    CGLGZ_CapDraw::AppendId(record.aEntityIds, AcDbObjectId());
    EXPECT_EQ(CGLGZ_CapDraw::AppendId(record.aEntityIds, id), 1);
    record.ptMin = AcGePoint3d(0, 0, 1);
    record.ptMax = AcGePoint3d(10, 0, 1);
    EXPECT_EQ(CGLGZ_CapDraw::MoveEntities(record, { 1, 1, 9 }, { 4, -1, 0 }), 1);
    const std::vector<Vertex> got = VerticesOf(id);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_NEAR(got[0].x, 3.0, kTol);
    EXPECT_NEAR(got[1].y, -2.0, kTol);
    EXPECT_NEAR(record.ptMin.x, 3.0, kTol);
    EXPECT_NEAR(record.ptMax.y, -2.0, kTol);
    EXPECT_NEAR(record.ptMax.z, 1.0, kTol);

    CHLGZ_SteelCode target;
    CGLGZ_CapDraw::AppendId(target.aEntityIds, id);
    CGLGZ_CapDraw::CopyIdList(target, record);
    ASSERT_EQ(target.aEntityIds.length(), 3);
    EXPECT_EQ(target.aEntityIds[2], id);
    CGLGZ_CapDraw::CopyIdList(target, target);
    EXPECT_EQ(target.aEntityIds.length(), 6);
}

TEST_F(DrawingHelpersTest, VerticesAreAppendedToTheList)
{
    const AcDbObjectId id = AddPolyline({ { 1, 2 }, { 3, 4 }, { 5, 6 } });
    AcGePoint3dArray points;
    points.append({ 9, 9, 9 });
    EXPECT_EQ(CGLGZ_CapDraw::ReadPolylineVertexList(id, points), 4);
    EXPECT_EQ(CGLGZ_CapDraw::ReadPolylineVertices(points, id), 0);
    ASSERT_EQ(points.length(), 7);
    EXPECT_EQ(points[0].x, 9.0);
    EXPECT_EQ(points[3].y, 6.0);
    EXPECT_EQ(CGLGZ_CapDraw::ReadPolylineVertexList(AcDbObjectId(), points), 0);
    EXPECT_NE(CGLGZ_CapDraw::ReadPolylineVertices(points, AcDbObjectId()), 0);
    EXPECT_EQ(points.length(), 7);
}

TEST(DrawingHelpers, SpanDifferencesSumOneRow)
{
    // Two columns: rows of three entries.
    AcGeDoubleArray matrix;
    for (double v : { 1.0, 2.0, 3.0, 10.0, 20.0, 30.0 })
        matrix.append(v);
    AcGeDoubleArray reference;
    for (double v : { 1.0, 1.0, 1.0 })
        reference.append(v);
    EXPECT_DOUBLE_EQ(CGLGZ_CapDraw::SumSpanDifferences(matrix, reference, 0), 3.0);
    EXPECT_DOUBLE_EQ(CGLGZ_CapDraw::SumSpanDifferences(matrix, reference, 1), 57.0);
    // A row past the matrix reads nothing.
    EXPECT_DOUBLE_EQ(CGLGZ_CapDraw::SumSpanDifferences(matrix, reference, 2), 0.0);
    EXPECT_DOUBLE_EQ(CGLGZ_CapDraw::SumSpanDifferences(matrix, reference, -1), 0.0);
}
