// The entity factory's plain entities: each create method puts its entity with its data into the
// current space or into the block the caller holds open; refusals, texts, the hatch, line edits.
#include "FactoryFixture.h"

#include "MavUtils.h"

#include "AcDb2dPolyline.h"
#include "AcDb2dVertex.h"
#include "AcDbArc.h"
#include "AcDbCircle.h"
#include "AcDbEllipse.h"
#include "AcDbExtents.h"
#include "AcDbHatch.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbLine.h"
#include "AcDbPoint.h"
#include "AcDbPolyline.h"
#include "AcDbRay.h"
#include "AcDbSpline.h"
#include "AcDbText.h"
#include "AcDbXline.h"

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

const AcGePoint3d kA(1.0, 2.0, 0.0);
const AcGePoint3d kB(11.0, 7.0, 0.0);
const AcGeVector3d kZ(0.0, 0.0, 1.0);

AcDbObjectId standardStyle() { return acdbHostApplicationServices()->workingDatabase()->textstyle(); }

// One create method: how it is called (status and id) and what its entity must hold.
struct Creator {
    const char* name;
    std::function<Acad::ErrorStatus(MavEntityLib&, AcDbObjectId&)> create;
    std::function<void(AcDbObjectId)> check;
};

Acad::ErrorStatus idOnly(AcDbObjectId made, AcDbObjectId& id)
{
    id = made;
    return Acad::eOk;
}

void expectLine(AcDbObjectId id, const AcGePoint3d& start, const AcGePoint3d& end)
{
    ReadBack<AcDbLine> line(id);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->startPoint(), start);
    EXPECT_EQ(line->endPoint(), end);
}

AcArray<AcGePoint3d> threePoints()
{
    AcArray<AcGePoint3d> points;
    points.append(AcGePoint3d(0.0, 0.0, 7.0));
    points.append(AcGePoint3d(10.0, 0.0, 7.0));
    points.append(AcGePoint3d(10.0, 5.0, 7.0));
    return points;
}

void expectPolyline(AcDbObjectId id, bool closed, bool plinegen)
{
    ReadBack<AcDbPolyline> pline(id);
    ASSERT_TRUE(pline);
    ASSERT_EQ(pline->numVerts(), 3u);
    const AcArray<AcGePoint3d> points = threePoints();
    for (unsigned i = 0; i < 3; ++i) {
        AcGePoint2d p;
        double bulge = 1.0, startWidth = 0.0, endWidth = 0.0;
        pline->getPointAt(i, p);
        pline->getBulgeAt(i, bulge);
        pline->getWidthsAt(i, startWidth, endWidth);
        EXPECT_EQ(p, AcGePoint2d(points[i].x, points[i].y));
        EXPECT_EQ(bulge, 0.0);
        // Widths of -1 are the polyline's own width.
        EXPECT_EQ(startWidth, 0.0);
        EXPECT_EQ(endWidth, 0.0);
    }
    EXPECT_EQ(pline->elevation(), 0.0);
    EXPECT_EQ(pline->isClosed(), closed);
    EXPECT_EQ(pline->hasPlinegen(), plinegen);
}

void expectText(AcDbObjectId id, const wchar_t* text, AcDbObjectId style, double height, double rotation)
{
    ReadBack<AcDbText> t(id);
    ASSERT_TRUE(t);
    EXPECT_EQ(std::wstring(t->textStringConst()), text);
    EXPECT_EQ(t->textStyle(), style);
    EXPECT_EQ(t->height(), height);
    EXPECT_EQ(t->rotation(), rotation);
    EXPECT_EQ(t->horizontalMode(), AcDb::kTextCenter);
    EXPECT_EQ(t->verticalMode(), AcDb::kTextVertMid);
    EXPECT_EQ(t->alignmentPoint(), kA);
}

std::vector<Creator> creators()
{
    return {
        { "line, out id", [](MavEntityLib& f, AcDbObjectId& id) { return f.createLine(kA, kB, id); },
            [](AcDbObjectId id) { expectLine(id, kA, kB); } },
        { "line, id", [](MavEntityLib& f, AcDbObjectId& id) { return idOnly(f.createLine(kA, kB), id); },
            [](AcDbObjectId id) { expectLine(id, kA, kB); } },
        { "line, colour", [](MavEntityLib& f, AcDbObjectId& id) { return idOnly(f.createLine(kA, kB, 0x10005), id); },
            [](AcDbObjectId id) {
                expectLine(id, kA, kB);
                EXPECT_EQ(ReadBack<AcDbLine>(id)->colorIndex(), 5);
            } },
        { "line, coordinates",
            [](MavEntityLib& f, AcDbObjectId& id) {
                const double start[3] = { 1.0, 2.0, 3.0 };
                const double end[3] = { 4.0, 5.0, 6.0 };
                return f.createLine(start, end, id);
            },
            [](AcDbObjectId id) { expectLine(id, AcGePoint3d(1, 2, 3), AcGePoint3d(4, 5, 6)); } },
        { "point", [](MavEntityLib& f, AcDbObjectId& id) { return f.createPoint(kB, id); },
            [](AcDbObjectId id) { EXPECT_EQ(ReadBack<AcDbPoint>(id)->position(), kB); } },
        { "circle", [](MavEntityLib& f, AcDbObjectId& id) { return f.createCircle(kA, 4.5, id); },
            [](AcDbObjectId id) {
                ReadBack<AcDbCircle> c(id);
                ASSERT_TRUE(c);
                EXPECT_EQ(c->center(), kA);
                EXPECT_EQ(c->radius(), 4.5);
                EXPECT_EQ(c->normal(), kZ);
            } },
        { "arc", [](MavEntityLib& f, AcDbObjectId& id) { return f.createArc(kA, 3.0, 0.5, 2.5, id); },
            [](AcDbObjectId id) {
                ReadBack<AcDbArc> a(id);
                ASSERT_TRUE(a);
                EXPECT_EQ(a->center(), kA);
                EXPECT_EQ(a->radius(), 3.0);
                EXPECT_EQ(a->startAngle(), 0.5);
                EXPECT_EQ(a->endAngle(), 2.5);
            } },
        { "full ellipse",
            [](MavEntityLib& f, AcDbObjectId& id) { return f.createEllipse(kA, AcGeVector3d(6, 0, 0), 0.5, id); },
            [](AcDbObjectId id) {
                ReadBack<AcDbEllipse> e(id);
                ASSERT_TRUE(e);
                EXPECT_EQ(e->center(), kA);
                EXPECT_EQ(e->normal(), kZ);
                EXPECT_EQ(e->majorAxis(), AcGeVector3d(6, 0, 0));
                EXPECT_EQ(e->radiusRatio(), 0.5);
                EXPECT_EQ(e->startParam(), 0.0);
                EXPECT_DOUBLE_EQ(e->endParam(), 2.0 * std::numbers::pi);
            } },
        { "elliptic arc",
            [](MavEntityLib& f, AcDbObjectId& id) {
                return f.createEllipse(kA, kZ, AcGeVector3d(0, 4, 0), 0.25, 0.5, 2.0, id);
            },
            [](AcDbObjectId id) {
                ReadBack<AcDbEllipse> e(id);
                ASSERT_TRUE(e);
                EXPECT_EQ(e->majorAxis(), AcGeVector3d(0, 4, 0));
                EXPECT_EQ(e->radiusRatio(), 0.25);
                EXPECT_DOUBLE_EQ(e->startParam(), 0.5);
                EXPECT_DOUBLE_EQ(e->endParam(), 2.0);
            } },
        { "spline", [](MavEntityLib& f, AcDbObjectId& id) { return f.createSpline(threePoints(), 4, 0.0, id); },
            [](AcDbObjectId id) {
                ReadBack<AcDbSpline> s(id);
                ASSERT_TRUE(s);
                ASSERT_EQ(s->numFitPoints(), 3);
                AcGePoint3d last;
                s->getFitPointAt(2, last);
                EXPECT_EQ(last, threePoints()[2]);
                EXPECT_EQ(s->degree(), 3);
            } },
        { "ray", [](MavEntityLib& f, AcDbObjectId& id) { return f.createRay(kA, AcGeVector3d(0, 1, 0), id); },
            [](AcDbObjectId id) {
                ReadBack<AcDbRay> r(id);
                ASSERT_TRUE(r);
                EXPECT_EQ(r->basePoint(), kA);
                EXPECT_EQ(r->unitDir(), AcGeVector3d(0, 1, 0));
            } },
        { "construction line",
            [](MavEntityLib& f, AcDbObjectId& id) { return f.createXline(kB, AcGeVector3d(1, 0, 0), id); },
            [](AcDbObjectId id) {
                ReadBack<AcDbXline> x(id);
                ASSERT_TRUE(x);
                EXPECT_EQ(x->basePoint(), kB);
                EXPECT_EQ(x->unitDir(), AcGeVector3d(1, 0, 0));
            } },
        { "polyline, closed flag",
            [](MavEntityLib& f, AcDbObjectId& id) {
                AcArray<AcGePoint3d> points = threePoints();
                return f.createPolyline(points, true, id);
            },
            [](AcDbObjectId id) { expectPolyline(id, true, false); } },
        { "polyline, linetype generation",
            [](MavEntityLib& f, AcDbObjectId& id) {
                AcArray<AcGePoint3d> points = threePoints();
                return f.createPolyline(points, id, false, true);
            },
            [](AcDbObjectId id) { expectPolyline(id, false, true); } },
        { "2-D polyline",
            [](MavEntityLib& f, AcDbObjectId& id) {
                AcArray<AcGePoint3d> points = threePoints();
                return f.create2DPolyline(points, true, id);
            },
            [](AcDbObjectId id) {
                ReadBack<AcDb2dPolyline> p(id);
                ASSERT_TRUE(p);
                EXPECT_EQ(p->polyType(), AcDb::k2dSimplePoly);
                EXPECT_TRUE(p->isClosed());
                EXPECT_EQ(p->vertexObjects().size(), 3u);
            } },
        { "text by style name",
            [](MavEntityLib& f, AcDbObjectId& id) {
                return f.createText(kA, L"盖梁 A", L"Standard", 3.5, 0.8, 0.25, id);
            },
            [](AcDbObjectId id) {
                expectText(id, L"盖梁 A", standardStyle(), 3.5, 0.25);
                EXPECT_EQ(ReadBack<AcDbText>(id)->widthFactor(), 0.8);
            } },
        { "text by style id",
            [](MavEntityLib& f, AcDbObjectId& id) {
                return f.createText(kA, L"N1", standardStyle(), 2.5, 0.7, 0.0, id);
            },
            [](AcDbObjectId id) { expectText(id, L"N1", standardStyle(), 2.5, 0.0); } },
    };
}

} // namespace

using EntityFactory = FactoryFixture;

TEST_F(EntityFactory, EveryCreatorPutsItsEntityIntoTheCurrentSpace)
{
    for (const Creator& c : creators()) {
        SCOPED_TRACE(c.name);
        app().docManager().newDocument();
        AcDbObjectId id;
        EXPECT_EQ(c.create(mFactory, id), Acad::eOk);
        ASSERT_FALSE(id.isNull());
        EXPECT_EQ(entitiesOf(db()->modelSpaceId()), std::vector<AcDbObjectId> { id });
        c.check(id);
    }
    EXPECT_EQ(transcript(), L"");
}

TEST_F(EntityFactory, EveryCreatorPutsItsEntityIntoTheBlockItHolds)
{
    for (const Creator& c : creators()) {
        SCOPED_TRACE(c.name);
        app().docManager().newDocument();
        const AcDbObjectId blockId = addBlock(L"FACTORY");
        openTarget(blockId, AcDb::kForWrite);
        AcDbObjectId id;
        EXPECT_EQ(c.create(mFactory, id), Acad::eOk);
        closeTarget();
        ASSERT_FALSE(id.isNull());
        EXPECT_EQ(entitiesOf(blockId), std::vector<AcDbObjectId> { id });
        EXPECT_TRUE(entitiesOf(db()->modelSpaceId()).empty());
        c.check(id);
    }
}

// The record's refusal is the result (not success), the out id is left as it was, and the
// refused entity is freed (the sanitizer build sees a leak otherwise).
TEST_F(EntityFactory, ABlockThatRefusesTheEntityGivesItsStatusAndKeepsNothing)
{
    const AcDbObjectId blockId = addBlock(L"READONLY");
    openTarget(blockId, AcDb::kForRead);
    for (const Creator& c : creators()) {
        SCOPED_TRACE(c.name);
        AcDbObjectId id = blockId;
        const Acad::ErrorStatus es = c.create(mFactory, id);
        if (std::string(c.name).starts_with("line")) {
            EXPECT_EQ(es, Acad::eOk);
            EXPECT_TRUE(id.isNull());
        } else {
            EXPECT_EQ(es, Acad::eNotOpenForWrite);
            EXPECT_EQ(id, blockId);
        }
    }
    closeTarget();
    EXPECT_TRUE(entitiesOf(blockId).empty());
}

TEST_F(EntityFactory, ACurrentSpaceThatCannotBeOpenedGivesTheAddersStatus)
{
    HeldForWrite held(db()->modelSpaceId());
    AcDbObjectId id;
    EXPECT_EQ(mFactory.createArc(kA, 1.0, 0.0, 1.0, id), Acad::eInvalidInput);
    EXPECT_EQ(mFactory.createCircle(kA, 1.0, id), Acad::eWasOpenForWrite);
    EXPECT_TRUE(id.isNull());
    EXPECT_TRUE(mFactory.createLine(kA, kB).isNull());
    EXPECT_EQ(mFactory.createLine(kA, kB, id), Acad::eOk);
    EXPECT_TRUE(id.isNull());
}

TEST_F(EntityFactory, CirclesGoToModelSpaceWhilePaperSpaceIsCurrent)
{
    ASSERT_EQ(db()->setTilemode(false), Acad::eOk);
    AcDbObjectId circle, arc;
    EXPECT_EQ(mFactory.createCircle(kA, 2.0, circle), Acad::eOk);
    EXPECT_EQ(mFactory.createArc(kA, 2.0, 0.0, 1.0, arc), Acad::eOk);
    EXPECT_EQ(entitiesOf(db()->modelSpaceId()), std::vector<AcDbObjectId> { circle });
    EXPECT_EQ(entitiesOf(db()->paperSpaceId()), std::vector<AcDbObjectId> { arc });
}

TEST_F(EntityFactory, OnlyTheColouredLineRefusesEqualEnds)
{
    const AcGePoint3d nearA = kA + AcGeVector3d(1e-12, 0.0, 0.0);
    EXPECT_TRUE(mFactory.createLine(kA, nearA, 3).isNull());
    EXPECT_TRUE(entitiesOf(db()->modelSpaceId()).empty());
    const AcDbObjectId zeroLength = mFactory.createLine(kA, kA);
    EXPECT_FALSE(zeroLength.isNull());
    expectLine(zeroLength, kA, kA);
}

TEST_F(EntityFactory, TextsTakeAWidthFactorFromOneThousandthAndTheStandardStyleForNone)
{
    const struct {
        double given, kept;
    } cases[] = { { 0.0009, 1.0 }, { -0.0009, 1.0 }, { 0.001, 0.001 }, { 0.75, 0.75 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given);
        AcDbObjectId id;
        ASSERT_EQ(mFactory.createText(kA, L"T", AcDbObjectId::kNull, 2.5, c.given, 0.0, id), Acad::eOk);
        ReadBack<AcDbText> text(id);
        ASSERT_TRUE(text);
        EXPECT_DOUBLE_EQ(text->widthFactor(), c.kept);
        EXPECT_EQ(text->textStyle(), db()->textstyle());
    }
}

TEST_F(EntityFactory, ATextOfAnUnknownStyleIsNotMade)
{
    AcDbObjectId id = db()->textstyle();
    EXPECT_EQ(mFactory.createText(kA, L"T", L"无此样式", 2.5, 1.0, 0.0, id), Acad::eKeyNotFound);
    EXPECT_EQ(id, db()->textstyle());
    EXPECT_TRUE(entitiesOf(db()->modelSpaceId()).empty());
}

// The position of a middle-centred text lies left of and below its alignment point, in the
// current space and in a block held open alike.
TEST_F(EntityFactory, TextsArePlacedByTheirMiddleCentre)
{
    AcDbObjectId inSpace, inBlock;
    mFactory.createText(kA, L"WIDE TEXT", db()->textstyle(), 2.0, 1.0, 0.0, inSpace);
    const AcDbObjectId blockId = addBlock(L"TEXTS");
    openTarget(blockId, AcDb::kForWrite);
    mFactory.createText(kA, L"WIDE TEXT", db()->textstyle(), 2.0, 1.0, 0.0, inBlock);
    closeTarget();
    for (AcDbObjectId id : { inSpace, inBlock }) {
        ReadBack<AcDbText> text(id);
        ASSERT_TRUE(text);
        EXPECT_LT(text->position().x, kA.x - 2.0);
        EXPECT_NEAR(text->position().y, kA.y - 1.0, 1e-9);
    }
}

TEST_F(EntityFactory, AnEmptyPolylineIsAppendedAllTheSame)
{
    AcArray<AcGePoint3d> none;
    AcDbObjectId id;
    EXPECT_EQ(mFactory.createPolyline(none, id, true, false), Acad::eOk);
    ReadBack<AcDbPolyline> pline(id);
    ASSERT_TRUE(pline);
    EXPECT_EQ(pline->numVerts(), 0u);
}

TEST_F(EntityFactory, AHatchWithoutPointsIsNotMade)
{
    CArray<AcGePoint3d, AcGePoint3d&> none;
    wchar_t pattern[] = L"ANSI31";
    EXPECT_EQ(mFactory.createPlineHatch(none, pattern), Acad::eOk);
    EXPECT_EQ(transcript(), L"The input points array is null\n");
    EXPECT_TRUE(entitiesOf(db()->modelSpaceId()).empty());
}

TEST_F(EntityFactory, AHatchIsBoundedByAVisibleClosedPolylineWhereTheFactoryPutsIt)
{
    CArray<AcGePoint3d, AcGePoint3d&> square;
    for (AcGePoint3d p : { AcGePoint3d(0, 0, 0), AcGePoint3d(20, 0, 0), AcGePoint3d(20, 20, 0), AcGePoint3d(0, 20, 0) })
        square.Add(p);
    wchar_t pattern[] = L"ANSI31";
    const AcDbObjectId blockId = addBlock(L"HATCHED");
    for (bool inBlock : { false, true }) {
        SCOPED_TRACE(inBlock);
        if (inBlock)
            openTarget(blockId, AcDb::kForWrite);
        EXPECT_EQ(mFactory.createPlineHatch(square, pattern), Acad::eOk);
        closeTarget();
        const std::vector<AcDbObjectId> ids = entitiesOf(inBlock ? blockId : db()->modelSpaceId());
        ASSERT_EQ(ids.size(), 2u);
        ReadBack<AcDb2dPolyline> boundary(ids[0]);
        ASSERT_TRUE(boundary);
        EXPECT_TRUE(boundary->isClosed());
        EXPECT_EQ(boundary->vertexObjects().size(), 4u);
        ReadBack<AcDbHatch> hatch(ids[1]);
        ASSERT_TRUE(hatch);
        EXPECT_EQ(std::wstring(hatch->patternName()), L"ANSI31");
        EXPECT_EQ(hatch->patternType(), AcDbHatch::kPreDefined);
        EXPECT_TRUE(hatch->associative());
        ASSERT_EQ(hatch->numLoops(), 1);
        AcDbExtents extents;
        ASSERT_EQ(hatch->getGeomExtents(extents), Acad::eOk);
        EXPECT_EQ(extents.maxPoint(), AcGePoint3d(20, 20, 0));
        EXPECT_GT(hatch->numHatchLines(), 0);
        mFactory.setBlockTableRecord(nullptr);
    }
}

TEST_F(EntityFactory, ModifyLineMovesBothEndsOrTracesTheFailedOpen)
{
    AcDbObjectId line = mFactory.createLine(kA, kB);
    EXPECT_EQ(mFactory.modifyLine(kB, kA, line), Acad::eOk);
    expectLine(line, kB, kA);

    AcDbObjectId circle;
    mFactory.createCircle(kA, 1.0, circle);
    EXPECT_EQ(mFactory.modifyLine(kA, kB, circle), Acad::eNotThatKindOfClass);
    const std::wstring trace = transcript();
    EXPECT_TRUE(trace.starts_with(L"!maventitylib@")) << trace;
    EXPECT_TRUE(trace.ends_with(L": eNotThatKindOfClass:error in write line\n")) << trace;

    double height = 7.0;
    EXPECT_EQ(mFactory.getTextheight(L"Standard", height), Acad::eOk);
    EXPECT_EQ(height, 7.0);
}
