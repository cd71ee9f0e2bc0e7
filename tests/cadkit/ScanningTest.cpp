// Vertex lists of every curve kind, chained arcs that keep their shape whichever way they are
// listed, link-aware joins that keep the shared point once, arc readings and element types.
#include "ArrayOf.h"
#include "CadkitFixture.h"

#include "MavUtils.h"

#include "AcDb2dPolyline.h"
#include "AcDb3dPolyline.h"
#include "AcDbArc.h"
#include "AcDbCircle.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"

#include <cmath>
#include <memory>
#include <vector>

namespace {

struct Lists {
    AcGePoint3dArray points;
    AcGeDoubleArray bulges;
    AcArray<int> indexes;
};

// How far the point lies from the polyline that the merge would build from the lists.
double offPolyline(const Lists& lists, const AcGePoint3d& point)
{
    AcDbPolyline polyline;
    for (int i = 0; i < lists.points.length(); ++i)
        polyline.addVertexAt(i, AcGePoint2d(lists.points[i].x, lists.points[i].y), lists.bulges[i]);
    AcGePoint3d onCurve;
    polyline.getClosestPointTo(point, onCurve, false);
    return point.distanceTo(onCurve);
}

AcDbPolyline* lightweight(std::initializer_list<AcGePoint2d> vertices)
{
    auto* polyline = new AcDbPolyline();
    for (const AcGePoint2d& v : vertices)
        polyline->addVertexAt(polyline->numVerts(), v);
    return polyline;
}

} // namespace

using Scanning = CadkitFixture;

TEST_F(Scanning, ALineAndAnArcByIdIntoEmptyLists)
{
    Lists line;
    int kind = -1;
    EXPECT_EQ(MavUtils::scanPlineEx(add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0))), line.points,
                  line.bulges, line.indexes, kind),
        Acad::eOk);
    EXPECT_EQ(kind, 3);
    ASSERT_EQ(line.points.length(), 2);
    EXPECT_EQ(line.points[1], AcGePoint3d(10, 0, 0));
    EXPECT_EQ(line.bulges[0], 0.0);
    EXPECT_EQ(line.indexes[1], 0);

    Lists arc;
    EXPECT_EQ(MavUtils::scanPlineEx(add(new AcDbArc(AcGePoint3d(0, 0, 0), 10.0, 0.0, kPi / 2)), arc.points,
                  arc.bulges, arc.indexes, kind),
        Acad::eOk);
    EXPECT_EQ(kind, 4);
    ASSERT_EQ(arc.points.length(), 2);
    EXPECT_TRUE(arc.points[0].isEqualTo(AcGePoint3d(0, 10, 0)));
    EXPECT_TRUE(arc.points[1].isEqualTo(AcGePoint3d(10, 0, 0)));
    EXPECT_NEAR(arc.bulges[0], -0.41421356, 1e-8);
    EXPECT_EQ(arc.bulges[1], 0.0);
    EXPECT_EQ(arc.indexes[0], -2003);
    EXPECT_EQ(arc.indexes[1], 0);
}

TEST_F(Scanning, ArcsKeepTheirShapeFirstOrAfterAChainWhateverTheirTangents)
{
    struct Case {
        const char* what;
        AcGeVector3d normal;
        double start, end;
    };
    // The second arc's tangent passes through +X; the third is drawn about -Z (mirrored).
    for (const Case& c : {Case{"quarter", AcGeVector3d::kZAxis, 0.0, kPi / 2},
             Case{"through +X", AcGeVector3d::kZAxis, 200 * kPi / 180, 300 * kPi / 180},
             Case{"mirrored", -AcGeVector3d::kZAxis, 0.3, 1.9}}) {
        AcDbArc* arc = new AcDbArc(AcGePoint3d(2, 1, 0), c.normal, 10.0, c.start, c.end);
        AcGePoint3d start;
        AcGePoint3d end;
        AcGePoint3d middle;
        arc->getStartPoint(start);
        arc->getEndPoint(end);
        arc->getPointAtParam((c.start + c.end) / 2, middle);
        const AcDbObjectId id = add(arc);
        int kind = 0;

        Lists first;
        MavUtils::scanPlineEx(id, first.points, first.bulges, first.indexes, kind);
        EXPECT_LT(offPolyline(first, middle), 1e-9) << c.what;

        // After chains that end at either end of the arc; with the start the arc is turned.
        for (const AcGePoint3d& join : {start, end}) {
            Lists chain;
            chain.points = arrayOf({join - AcGeVector3d(0, 5, 0), join});
            chain.bulges.append(0.0);
            chain.bulges.append(0.0);
            chain.indexes.append(0);
            chain.indexes.append(1);
            MavUtils::scanPlineEx(id, chain.points, chain.bulges, chain.indexes, kind);
            ASSERT_EQ(chain.points.length(), 4) << c.what;
            EXPECT_TRUE(chain.points[2].isEqualTo(join)) << c.what;
            EXPECT_LT(offPolyline(chain, middle), 1e-9) << c.what;
        }
    }
}

TEST_F(Scanning, PolylinesOfEveryKindAppendToListsAlreadyFilled)
{
    Lists lists;
    lists.points = arrayOf({AcGePoint3d(-1, -1, 0)});
    lists.bulges.append(0.25);
    lists.indexes.append(9);
    int kind = -1;

    AcDbPolyline* light = lightweight({AcGePoint2d(0, 0), AcGePoint2d(5, 0), AcGePoint2d(5, 5)});
    light->setBulgeAt(1, 0.5);
    MavUtils::scanPlineEx(add(light), lists.points, lists.bulges, lists.indexes, kind);
    EXPECT_EQ(kind, 0);
    AcGeDoubleArray bulges;
    bulges.append(0.0);
    bulges.append(-0.3);
    bulges.append(0.0);
    MavUtils::scanPlineEx(add(new AcDb2dPolyline(AcDb::k2dSimplePoly,
                              arrayOf({AcGePoint3d(5, 5, 0), AcGePoint3d(9, 5, 0), AcGePoint3d(9, 9, 0)}), 0.0,
                              false, 0.0, 0.0, &bulges)),
        lists.points, lists.bulges, lists.indexes, kind);
    EXPECT_EQ(kind, 1);
    MavUtils::scanPlineEx(add(new AcDb3dPolyline(AcDb::k3dSimplePoly,
                              arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 1), AcGePoint3d(1, 1, 2),
                                  AcGePoint3d(0, 1, 3)}))),
        lists.points, lists.bulges, lists.indexes, kind);
    EXPECT_EQ(kind, 2);

    ASSERT_EQ(lists.points.length(), 11);
    ASSERT_EQ(lists.bulges.length(), 11);
    ASSERT_EQ(lists.indexes.length(), 11);
    const std::vector<int> indexes {9, 0, 1, 2, 0, 1, 2, 0, 1, 2, 3};
    const std::vector<double> expectedBulges {0.25, 0, 0.5, 0, 0, -0.3, 0, 0, 0, 0, 0};
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(lists.indexes[i], indexes[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(lists.bulges[i], expectedBulges[static_cast<std::size_t>(i)]) << i;
    }
    EXPECT_EQ(lists.points[6], AcGePoint3d(9, 9, 0));
    EXPECT_EQ(lists.points[10], AcGePoint3d(0, 1, 3));
}

TEST_F(Scanning, OtherClassesAppendNothingAndIdsThatDoNotOpenAreReported)
{
    Lists lists;
    int kind = 7;
    EXPECT_EQ(MavUtils::scanPlineEx(add(new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 3.0)),
                  lists.points, lists.bulges, lists.indexes, kind),
        Acad::eOk);
    EXPECT_EQ(kind, 7);
    EXPECT_TRUE(lists.points.isEmpty());

    const AcDbObjectId gone = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
    MavUtils::deleteObj(gone);
    EXPECT_EQ(MavUtils::scanPlineEx(gone, lists.points, lists.bulges, lists.indexes, kind), Acad::eNotApplicable);
    EXPECT_EQ(MavUtils::scanPlineConsiderLinkCurves(gone, lists.points, lists.bulges, lists.indexes, 1, 1),
        Acad::eNotApplicable);
    EXPECT_TRUE(lists.points.isEmpty());
    EXPECT_EQ(transcript(), L"\nscanPlineEx 出现异常!\nscanPlineEx 出现异常!");

    AcGePoint3dArray points;
    AcGeDoubleArray bulges;
    AcArray<int> indexes;
    AcGePoint3d a;
    AcGeVector3d t;
    double bulge = 0.0;
    int direction = 0;
    EXPECT_EQ(MavUtils::scanPline(nullptr, points, bulges), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::scanPline(nullptr, points, bulges, indexes), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::scanPlineEx(static_cast<AcDbPolyline*>(nullptr), points), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::scan2dPline(nullptr, points, bulges, indexes), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::scan3dPline(nullptr, points, bulges, indexes), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::scanline(nullptr, points), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::scanarc(nullptr, a, a, t, t, bulge, direction), Acad::eInvalidInput);
    EXPECT_TRUE(points.isEmpty() && bulges.isEmpty() && indexes.isEmpty());
}

TEST_F(Scanning, LinkAwareJoinKeepsTheSharedPointOnce)
{
    const AcDbObjectId next = add(new AcDbLine(AcGePoint3d(10, 0, 0), AcGePoint3d(20, 0, 0)));
    struct Case {
        int dropChainEnd, dropCurveStart;
        std::vector<double> xs;
    };
    for (const Case& c : {Case{1, 0, {0, 10, 20}}, Case{0, 1, {0, 10, 20}}, Case{1, 1, {0, 20}},
             Case{0, 0, {0, 10, 10, 20}}}) {
        Lists chain;
        chain.points = arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0)});
        chain.bulges.append(0.0);
        chain.bulges.append(0.0);
        chain.indexes.append(0);
        chain.indexes.append(1);
        EXPECT_EQ(MavUtils::scanPlineConsiderLinkCurves(
                      next, chain.points, chain.bulges, chain.indexes, c.dropChainEnd, c.dropCurveStart),
            Acad::eOk);
        ASSERT_EQ(chain.points.length(), static_cast<int>(c.xs.size()));
        EXPECT_EQ(chain.bulges.length(), chain.points.length());
        EXPECT_EQ(chain.indexes.length(), chain.points.length());
        for (int i = 0; i < chain.points.length(); ++i)
            EXPECT_EQ(chain.points[i].x, c.xs[static_cast<std::size_t>(i)]) << c.dropChainEnd << c.dropCurveStart;
    }

    // An arc joined to a chain is oriented against the chain's points.
    Lists chain;
    chain.points = arrayOf({AcGePoint3d(-5, 10, 0), AcGePoint3d(0, 10, 0)});
    chain.bulges.append(0.0);
    chain.bulges.append(0.0);
    chain.indexes.append(0);
    chain.indexes.append(1);
    MavUtils::scanPlineConsiderLinkCurves(add(new AcDbArc(AcGePoint3d(0, 0, 0), 10.0, 0.0, kPi / 2)), chain.points,
        chain.bulges, chain.indexes, 1, 0);
    ASSERT_EQ(chain.points.length(), 3);
    EXPECT_TRUE(chain.points[2].isEqualTo(AcGePoint3d(10, 0, 0)));
    EXPECT_NEAR(chain.bulges[1], -std::tan(kPi / 8), 1e-12);
}

TEST_F(Scanning, ArcReadingsAndTangentAzimuthsAtVertices)
{
    AcDbArc arc(AcGePoint3d(0, 0, 0), 10.0, 0.0, kPi);
    AcGePoint3d first;
    AcGePoint3d second;
    AcGeVector3d firstTangent;
    AcGeVector3d secondTangent;
    double bulge = 0.0;
    int direction = 0;
    EXPECT_EQ(MavUtils::scanarc(&arc, first, second, firstTangent, secondTangent, bulge, direction), Acad::eOk);
    EXPECT_TRUE(first.isEqualTo(AcGePoint3d(-10, 0, 0)));
    EXPECT_TRUE(second.isEqualTo(AcGePoint3d(10, 0, 0)));
    EXPECT_TRUE(firstTangent.normal().isEqualTo(AcGeVector3d(0, -1, 0)));
    EXPECT_TRUE(secondTangent.normal().isEqualTo(AcGeVector3d(0, 1, 0)));
    EXPECT_NEAR(bulge, 1.0, 1e-12);
    EXPECT_EQ(direction, -1);

    // Nearer the end: listed from the end, the bulge turned; the chord runs toward +X (2pi), no
    // further round than the way in.
    EXPECT_EQ(MavUtils::scanarcEx(&arc, AcGePoint3d(-12, 0, 0), AcGeVector3d(1, 0, 0), first, second, firstTangent,
                  secondTangent, bulge, direction),
        Acad::eOk);
    EXPECT_TRUE(first.isEqualTo(AcGePoint3d(-10, 0, 0)));
    EXPECT_NEAR(bulge, -1.0, 1e-12);
    EXPECT_TRUE(firstTangent.normal().isEqualTo(AcGeVector3d(0, -1, 0)));
    EXPECT_EQ(direction, -1);
    // Nearer the start: the chord toward -X (pi) turns further than a way in of pi/2.
    MavUtils::scanarcEx(&arc, AcGePoint3d(12, 0, 0), AcGeVector3d(0, 1, 0), first, second, firstTangent,
        secondTangent, bulge, direction);
    EXPECT_TRUE(first.isEqualTo(AcGePoint3d(10, 0, 0)));
    EXPECT_NEAR(bulge, 1.0, 1e-12);
    EXPECT_EQ(direction, 1);

    std::unique_ptr<AcDbPolyline> polyline(lightweight({AcGePoint2d(0, 0), AcGePoint2d(10, 0), AcGePoint2d(10, -10)}));
    AcArray<AcGePoint3d> vertices;
    EXPECT_EQ(MavUtils::scanPlineEx(polyline.get(), vertices), Acad::eOk);
    ASSERT_EQ(vertices.length(), 3);
    EXPECT_NEAR(vertices[0].z, 2 * kPi, 1e-12);
    EXPECT_NEAR(vertices[2].z, 3 * kPi / 2, 1e-12);
    EXPECT_EQ(vertices[2].x, 10.0);
}

TEST_F(Scanning, ElementTypesByClass)
{
    struct Case {
        AcDbEntity* ent;
        int type;
    };
    for (const Case& c : {Case{new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)), 1},
             Case{new AcDbArc(AcGePoint3d(0, 0, 0), 1.0, 0.0, 1.0), 2},
             Case{lightweight({AcGePoint2d(0, 0), AcGePoint2d(1, 0)}), 3},
             Case{new AcDb2dPolyline(AcDb::k2dSimplePoly, arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)})), 3},
             Case{new AcDb3dPolyline(AcDb::k3dSimplePoly, arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 1)})), 3},
             Case{new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0), 42}}) {
        int type = 42;
        EXPECT_EQ(MavUtils::scanElementType(add(c.ent), type), Acad::eOk);
        EXPECT_EQ(type, c.type);
    }
    int type = 42;
    EXPECT_EQ(MavUtils::scanElementType(AcDbObjectId::kNull, type), Acad::eNotApplicable);
    EXPECT_EQ(type, -1);
    EXPECT_EQ(transcript(), L"\nscanLinkElements 出现异常!");
}
