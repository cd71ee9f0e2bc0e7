// Database curves of every kind as geometry curves and, for chains of lines and arcs, back as
// polylines; region boundaries as curves.
#include "ArrayOf.h"
#include "CadkitFixture.h"

#include "MavGeDbCurve.h"

#include "AcDb2dPolyline.h"
#include "AcDb3dPolyline.h"
#include "AcDbArc.h"
#include "AcDbCircle.h"
#include "AcDbEllipse.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbRay.h"
#include "AcDbRegion.h"
#include "AcDbSpline.h"
#include "AcGeCircArc2d.h"
#include "AcGeCircArc3d.h"
#include "AcGeCompositeCurve2d.h"
#include "AcGeCompositeCurve3d.h"
#include "AcGeEllipArc3d.h"
#include "AcGeInterval.h"
#include "AcGeLineSeg3d.h"
#include "AcGeNurbCurve3d.h"
#include "AcGeVoidPointerArray.h"

#include <cmath>
#include <functional>
#include <memory>

namespace {

AcDbPolyline* polyline(std::initializer_list<std::pair<AcGePoint2d, double>> vertices, bool closed = false)
{
    auto* p = new AcDbPolyline();
    for (const auto& [point, bulge] : vertices)
        p->addVertexAt(p->numVerts(), point, bulge);
    p->setClosed(closed);
    return p;
}

// Every sampled point of the database curve lies on the geometry curve, which runs between the
// same ends and is as long.
void expectSameCurve(const AcDbCurve* db, const AcGeCurve3d* ge, const char* kind)
{
    double p0 = 0.0;
    double p1 = 0.0;
    db->getStartParam(p0);
    db->getEndParam(p1);
    for (int i = 0; i <= 16; ++i) {
        AcGePoint3d at;
        db->getPointAtParam(p0 + (p1 - p0) * i / 16.0, at);
        EXPECT_LT(at.distanceTo(ge->closestPointTo(at)), 1e-6) << kind << " sample " << i;
    }
    AcGeInterval range;
    ge->getInterval(range);
    double length = 0.0;
    db->getDistAtParam(p1, length);
    EXPECT_NEAR(ge->length(range.lowerBound(), range.upperBound()), length, 1e-6 * (1.0 + length)) << kind;
    AcGePoint3d start;
    db->getStartPoint(start);
    EXPECT_LT(start.distanceTo(ge->evalPoint(range.lowerBound())), 1e-6) << kind;
}

struct Vertex {
    double x, y, bulge;
};

void expectVertices(const AcDbPolyline* p, std::initializer_list<Vertex> expected, const char* what)
{
    ASSERT_EQ(p->numVerts(), expected.size()) << what;
    unsigned int i = 0;
    for (const Vertex& v : expected) {
        AcGePoint2d at;
        double bulge = 0.0;
        p->getPointAt(i, at);
        p->getBulgeAt(i, bulge);
        EXPECT_NEAR(at.x, v.x, 1e-9) << what << " vertex " << i;
        EXPECT_NEAR(at.y, v.y, 1e-9) << what << " vertex " << i;
        EXPECT_NEAR(bulge, v.bulge, 1e-9) << what << " vertex " << i;
        ++i;
    }
}

} // namespace

// Copies of entities, as a region keeps its boundary, are made in a drawing.
using ConversionInDrawing = CadkitFixture;

TEST(Conversion, EveryDatabaseCurveKindBecomesTheSameGeometryCurve)
{
    struct Case {
        const char* kind;
        std::function<AcDbCurve*()> make;
        AcGe::EntityId type;
    };
    const Case cases[] = {
        {"line", [] { return new AcDbLine(AcGePoint3d(1, 2, 0), AcGePoint3d(11, 7, 0)); }, AcGe::kLineSeg3d},
        {"arc", [] { return new AcDbArc(AcGePoint3d(3, 4, 0), 10.0, kPi / 6, 4 * kPi / 3); }, AcGe::kCircArc3d},
        {"circle", [] { return new AcDbCircle(AcGePoint3d(3, 4, 0), AcGeVector3d::kZAxis, 2.0); }, AcGe::kCircArc3d},
        {"ellipse",
            [] {
                return new AcDbEllipse(
                    AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(6, 8, 0), 0.4, kPi / 4, 3 * kPi / 2);
            },
            AcGe::kEllipArc3d},
        {"fit spline",
            [] {
                return new AcDbSpline(
                    arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(4, 3, 0), AcGePoint3d(9, -1, 0), AcGePoint3d(12, 2, 0)}));
            },
            AcGe::kNurbCurve3d},
        {"lightweight polyline",
            [] {
                return polyline({{AcGePoint2d(0, 0), 0.0}, {AcGePoint2d(10, 0), 1.0}, {AcGePoint2d(10, 10), -0.5},
                    {AcGePoint2d(0, 10), 0.0}});
            },
            AcGe::kCompositeCrv3d},
        {"2d polyline",
            [] {
                return new AcDb2dPolyline(
                    AcDb::k2dSimplePoly, arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(5, 5, 0), AcGePoint3d(10, 0, 0)}));
            },
            AcGe::kCompositeCrv3d},
    };
    MavGeDbCurve converter;
    for (const Case& c : cases) {
        std::unique_ptr<AcDbCurve> db(c.make());
        AcGeCurve3d* ge = nullptr;
        ASSERT_EQ(converter.convertDbCurveToGeCurve(db.get(), ge), Acad::eOk) << c.kind;
        ASSERT_NE(ge, nullptr) << c.kind;
        EXPECT_EQ(ge->type(), c.type) << c.kind;
        expectSameCurve(db.get(), ge, c.kind);
        delete ge;
    }
    // Curves the conversion does not know give no curve and status 1.
    for (AcDbCurve* other : std::initializer_list<AcDbCurve*> { new AcDbRay(),
             new AcDb3dPolyline(AcDb::k3dSimplePoly, arrayOf({ AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 1) })) }) {
        AcGeCurve3d* ge = reinterpret_cast<AcGeCurve3d*>(1);
        EXPECT_EQ(converter.convertDbCurveToGeCurve(other, ge), Acad::eNotImplementedYet);
        EXPECT_EQ(ge, nullptr);
        delete other;
    }
}

TEST(Conversion, AnEllipseEndingBeforeItsStartRunsOnAFullTurn)
{
    AcDbEllipse ellipse(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(10, 0, 0), 0.5, 3 * kPi / 2, kPi / 2);
    AcGeCurve3d* ge = nullptr;
    MavGeDbCurve converter;
    ASSERT_EQ(converter.convertDbCurveToGeCurve(&ellipse, ge), Acad::eOk);
    auto* arc = static_cast<AcGeEllipArc3d*>(ge);
    EXPECT_NEAR(arc->startAng(), 3 * kPi / 2, 1e-12);
    EXPECT_NEAR(arc->endAng(), kPi / 2 + 2 * kPi, 1e-12);
    EXPECT_NEAR(arc->majorRadius(), 10.0, 1e-6);
    EXPECT_NEAR(arc->minorRadius(), 5.0, 1e-6);
    delete ge;
}

TEST(Conversion, PolylineSegmentsWithoutTheClosingOneAndASingleSegmentAsItself)
{
    MavGeDbCurve converter;
    std::unique_ptr<AcDbPolyline> closed(
        polyline({{AcGePoint2d(0, 0), 0.0}, {AcGePoint2d(10, 0), 0.0}, {AcGePoint2d(10, 10), 0.0}}, true));
    AcGeCurve3d* ge = nullptr;
    converter.convertPolylineToGeCurve(closed.get(), ge);
    ASSERT_NE(ge, nullptr);
    ASSERT_EQ(ge->type(), AcGe::kCompositeCrv3d);
    EXPECT_EQ(static_cast<AcGeCompositeCurve3d*>(ge)->numCurves(), 2);
    delete ge;

    std::unique_ptr<AcDbPolyline> single(polyline({{AcGePoint2d(0, 0), 0.5}, {AcGePoint2d(10, 0), 0.0}}));
    AcGeCurve2d* ge2 = nullptr;
    converter.convertPolylineToGeCurve(single.get(), ge2);
    ASSERT_NE(ge2, nullptr);
    EXPECT_EQ(ge2->type(), AcGe::kCircArc2d);
    delete ge2;
}

TEST(Conversion, ChainsOfLinesAndArcsComeBackAsTheSamePolyline)
{
    MavGeDbCurve converter;
    // Open, with a counter-clockwise and a clockwise arc: every segment comes back.
    std::unique_ptr<AcDbPolyline> source(polyline({{AcGePoint2d(0, 0), 0.0}, {AcGePoint2d(10, 0), 1.0},
        {AcGePoint2d(10, 10), -0.5}, {AcGePoint2d(0, 10), 0.0}, {AcGePoint2d(0, 20), 0.0}}));
    AcGeCurve3d* ge = nullptr;
    converter.convertPolylineToGeCurve(source.get(), ge);
    ASSERT_NE(ge, nullptr);
    AcDbPolyline* back = nullptr;
    EXPECT_EQ(converter.convertGeCurveToPolyline(static_cast<AcGeCompositeCurve3d*>(ge), back), Acad::eOk);
    delete ge;
    ASSERT_NE(back, nullptr);
    expectVertices(back, {{0, 0, 0}, {10, 0, 1}, {10, 10, -0.5}, {0, 10, 0}, {0, 20, 0}}, "open chain");
    EXPECT_FALSE(back->isClosed());
    delete back;

    // The 2-D way round, closed.
    std::unique_ptr<AcDbPolyline> ring(
        polyline({{AcGePoint2d(0, 0), 0.0}, {AcGePoint2d(10, 0), 1.0}, {AcGePoint2d(10, 10), 0.0}}));
    AcGeCurve2d* ge2 = nullptr;
    converter.convertPolylineToGeCurve(ring.get(), ge2);
    AcDbPolyline* back2 = nullptr;
    converter.convertGeCurveToPolyline(ge2, back2);
    delete ge2;
    ASSERT_NE(back2, nullptr);
    expectVertices(back2, {{0, 0, 0}, {10, 0, 1}, {10, 10, 0}}, "2-d chain");
    delete back2;
}

TEST_F(ConversionInDrawing, ArcChainsRunningBackwardsAndWhatCannotBeAPolyline)
{
    MavGeDbCurve converter;
    // A quarter arc of a database arc: bulge tan(pi/8).
    AcDbArc quarter(AcGePoint3d(0, 0, 0), 10.0, 0.0, kPi / 2);
    AcGeCircArc3d* arc = nullptr;
    converter.convertAcDbArcToAcGeCircArc3d(&quarter, arc);
    AcGeVoidPointerArray one;
    one.append(arc);
    AcGeCompositeCurve3d single(one);
    AcDbPolyline* p = nullptr;
    converter.convertGeCurveToPolyline(&single, p);
    ASSERT_NE(p, nullptr);
    expectVertices(p, {{10, 0, std::tan(kPi / 8)}, {0, 10, 0}}, "quarter");
    delete p;

    // Two arcs, the first starting where the second ends: walked backwards.
    AcGeVoidPointerArray two;
    two.append(new AcGeCircArc3d(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, 10.0, 0.0, kPi / 2));
    two.append(
        new AcGeCircArc3d(AcGePoint3d(20, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, 10.0, kPi / 2, kPi));
    AcGeCompositeCurve3d backwards(two);
    p = nullptr;
    converter.convertGeCurveToPolyline(&backwards, p);
    ASSERT_NE(p, nullptr);
    const double b = std::tan(kPi / 8);
    expectVertices(p, {{0, 10, -b}, {10, 0, -b}, {20, 10, 0}}, "backwards");
    delete p;

    AcGeVoidPointerArray curved;
    curved.append(new AcGeEllipArc3d(AcGePoint3d(0, 0, 0), AcGeVector3d::kXAxis, AcGeVector3d::kYAxis, 4, 2, 0, 1));
    AcGeCompositeCurve3d elliptic(curved);
    p = nullptr;
        EXPECT_EQ(converter.convertGeCurveToPolyline(&elliptic, p), Acad::eOk);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(transcript(), L"\nCon't Convert to Polyline.");
}

TEST(Conversion, TwoDimensionalHelpersAndTwoDimensionalPolylines)
{
    MavGeDbCurve converter;
    AcDbArc quarter(AcGePoint3d(0, 0, 0), 10.0, 0.0, kPi / 2);
    AcGeCircArc2d* arc2d = nullptr;
    ASSERT_EQ(converter.convertAcDbArcToAcGeCircArc2d(&quarter, arc2d), Acad::eOk);
    ASSERT_NE(arc2d, nullptr);
    EXPECT_TRUE(arc2d->startPoint().isEqualTo(AcGePoint2d(10, 0)));
    EXPECT_TRUE(arc2d->endPoint().isEqualTo(AcGePoint2d(0, 10)));
    EXPECT_LT(arc2d->closestPointTo(AcGePoint2d(7.0711, 7.0711)).distanceTo(AcGePoint2d(7.0711, 7.0711)), 1e-4);
    delete arc2d;

    AcDb2dPolyline fitted(
        AcDb::k2dCubicSplinePoly, arrayOf({ AcGePoint3d(0, 0, 0), AcGePoint3d(5, 5, 0), AcGePoint3d(9, 0, 0) }));
    AcDbPolyline* untouched = reinterpret_cast<AcDbPolyline*>(8);
    EXPECT_EQ(converter.convertPoly2dToLWPoly(&fitted, untouched), Acad::eNotImplementedYet);
    EXPECT_EQ(untouched, reinterpret_cast<AcDbPolyline*>(8));
    EXPECT_EQ(converter.convertPoly2dToLWPoly(nullptr, untouched), Acad::eInvalidInput);

    AcDb2dPolyline simple(AcDb::k2dSimplePoly, arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(5, 5, 0)}));
    AcDbPolyline* lw = nullptr;
    ASSERT_EQ(converter.convertPoly2dToLWPoly(&simple, lw), Acad::eOk);
    ASSERT_NE(lw, nullptr);
    expectVertices(lw, {{0, 0, 0}, {5, 5, 0}}, "2d polyline");
    delete lw;

    AcGeCurve2d* line2d = nullptr;
    converter.createGeCurveBaseOnLine(AcGePoint3d(1, 1, 5), AcGePoint3d(4, 5, 5), line2d);
    ASSERT_NE(line2d, nullptr);
    EXPECT_EQ(line2d->type(), AcGe::kCompositeCrv2d);
    AcGePoint2d end;
    ASSERT_TRUE(line2d->hasEndPoint(end));
    EXPECT_TRUE(end.isEqualTo(AcGePoint2d(4, 5)));
    delete line2d;
    AcGeCurve3d* arc3d = nullptr;
    converter.createGeCurveBaseOnArc(AcGePoint3d(0, 0, 0), 2.0, 0.0, kPi, arc3d);
    ASSERT_NE(arc3d, nullptr);
    AcGePoint3d end3;
    ASSERT_TRUE(arc3d->hasEndPoint(end3));
    EXPECT_TRUE(end3.isEqualTo(AcGePoint3d(-2, 0, 0)));
    delete arc3d;
}

TEST_F(ConversionInDrawing, RegionBoundariesAsCurves)
{
    MavGeDbCurve converter;
    auto regionOf = [](std::initializer_list<AcDbCurve*> curves) {
        AcDbVoidPtrArray loop;
        for (AcDbCurve* c : curves)
            loop.append(c);
        AcDbVoidPtrArray regions;
        EXPECT_EQ(AcDbRegion::createFromCurves(loop, regions), Acad::eOk);
        for (void* c : loop)
            delete static_cast<AcDbCurve*>(c);
        EXPECT_EQ(regions.length(), 1);
        return std::unique_ptr<AcDbRegion>(static_cast<AcDbRegion*>(regions[0]));
    };

    std::unique_ptr<AcDbRegion> disc = regionOf({new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 3.0)});
    AcArray<void*>* curves = new AcArray<void*>();
    EXPECT_EQ(converter.GetRegionBoundaryPolyline(disc.get(), curves), 1);
    ASSERT_EQ(curves->length(), 1);
    EXPECT_NE(AcDbCircle::cast(static_cast<AcDbEntity*>((*curves)[0])), nullptr);
    delete static_cast<AcDbEntity*>((*curves)[0]);
    curves->setLogicalLength(0);

    std::unique_ptr<AcDbRegion> square = regionOf({ new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(4, 0, 0)),
        new AcDbLine(AcGePoint3d(4, 0, 0), AcGePoint3d(4, 4, 0)),
        new AcDbLine(AcGePoint3d(4, 4, 0), AcGePoint3d(0, 4, 0)),
        new AcDbLine(AcGePoint3d(0, 4, 0), AcGePoint3d(0, 0, 0)) });
    EXPECT_EQ(converter.GetRegionBoundaryPolyline(square.get(), curves), 1);
    ASSERT_EQ(curves->length(), 1);
    auto* boundary = AcDbPolyline::cast(static_cast<AcDbEntity*>((*curves)[0]));
    ASSERT_NE(boundary, nullptr);
    expectVertices(boundary, {{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}}, "square");
    EXPECT_TRUE(boundary->isClosed());
    delete boundary;
    delete curves;
}
