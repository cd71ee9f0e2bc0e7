// The entity primitives of the drawing classes, read back from the drawing.
#include "FrameworkFixture.h"

#include "AcDbAlignedDimension.h"
#include "AcDbCircle.h"
#include "AcDbDictionary.h"
#include "AcDbDimStyleTableRecord.h"
#include "AcDbGroup.h"
#include "AcDbHatch.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"
#include "CTov_DrawEntity.h"
#include "CTov_InitDraw.h"
#include "DimensionText.h"
#include "MavUtils.h"

#include <cmath>

namespace {

void expectPoint(const AcGePoint3d& p, double x, double y, const std::string& what)
{
    EXPECT_NEAR(p.x, x, 1e-9) << what;
    EXPECT_NEAR(p.y, y, 1e-9) << what;
}

std::vector<AcGePoint2d> verticesOf(AcDbObjectId id, std::vector<double>* bulges = nullptr)
{
    std::vector<AcGePoint2d> points;
    ReadBack<AcDbPolyline> pl(id);
    if (!pl)
        return points;
    for (unsigned int i = 0; i < pl->numVerts(); ++i) {
        AcGePoint2d p;
        pl->getPointAt(i, p);
        points.push_back(p);
        if (bulges != nullptr) {
            double b = 0.0;
            pl->getBulgeAt(i, b);
            bulges->push_back(b);
        }
    }
    return points;
}

} // namespace

class Primitives : public FrameworkFixture {
protected:
    void SetUp() override
    {
        FrameworkFixture::SetUp();
        CTov_InitDraw setup;
        ASSERT_EQ(setup.Run(), 1);
        // A plain style current: scale factor 1, no decimals beyond the one the system gives.
        AcDbObjectId id;
        ASSERT_EQ(mDraw.CreateDimStyle(L"DIM10", 1.0, id), 1);
        ASSERT_EQ(db()->setDimstyle(id), Acad::eOk);
        MavUtils::selectLayer(L"02-结构");
    }

    CTov_DrawEntity mDraw;
};

TEST_F(Primitives, DimensionsPlaceTheirPointsByKindOnTheDimensionLayer)
{
    struct Case {
        AcGePoint3d p1, p2;
        double x1x, x1y, x2x, x2y, lx, ly;
    };
    const Case cases[] = {
        // Vertical: extension points at x = 10, the line through (15, 50).
        { { 0, 0, 0 }, { 0, 100, 0 }, 10, 0, 10, 100, 15, 50 },
        // Horizontal: moved up by the offset.
        { { 0, 0, 0 }, { 100, 0, 0 }, 0, 10, 100, 10, 50, 15 },
        // Aligned along (3, 4)/5: the offset to the right of p1 -> p2, i.e. along (4, -3)/5.
        { { 0, 0, 0 }, { 30, 40, 0 }, 8, -6, 38, 34, 12, -9 },
    };
    for (const Case& c : cases) {
        AcDbObjectId id;
        ASSERT_EQ(mDraw.DrawDimension(c.p1, c.p2, 10.0, 5.0, &id), 1);
        ReadBack<AcDbAlignedDimension> dim(id);
        ASSERT_TRUE(dim);
        expectPoint(dim->xLine1Point(), c.x1x, c.x1y, "first extension point");
        expectPoint(dim->xLine2Point(), c.x2x, c.x2y, "second extension point");
        expectPoint(dim->dimLinePoint(), c.lx, c.ly, "dimension line");
        EXPECT_EQ(dim->dimtmove(), 2);
        EXPECT_EQ(AcDbDatabase::symbolName(dim->layerId()), L"08-标注");
        EXPECT_EQ(dim->dimensionTextString(), L"");
    }
}

TEST_F(Primitives, DimensionTextsAndTheEmptyDimension)
{
    AcDbObjectId half;
    ASSERT_EQ(mDraw.DrawDimension({ 0, 0, 0 }, { 1500, 0, 0 }, 0.0, 4.0, &half, L"", 0.0, 1), 1);
    AcDbObjectId given;
    ASSERT_EQ(mDraw.DrawDimension({ 0, 0, 0 }, { 1500, 0, 0 }, 0.0, 4.0, &given, L"X1", 0.0, 1), 1);
    {
        ReadBack<AcDbAlignedDimension> dim(half);
        ASSERT_TRUE(dim);
        EXPECT_EQ(dim->dimensionTextString(), L"3000/2");
        ReadBack<AcDbAlignedDimension> named(given);
        ASSERT_TRUE(named);
        EXPECT_EQ(named->dimensionTextString(), L"X1");
    }
    const size_t before = modelSpace().size();
    AcDbObjectId none;
    EXPECT_EQ(mDraw.DrawDimension({ 5, 5, 0 }, { 5, 5, 0 }, 1.0, 1.0, &none), 1);
    EXPECT_TRUE(none.isNull());
    EXPECT_EQ(modelSpace().size(), before);
}

TEST_F(Primitives, AChainMergesEqualLengthsIntoOneCountedDimension)
{
    AcGePoint3dArray points;
    for (double x : { 0.0, 100.0, 200.0, 300.0, 450.0 })
        points.append(AcGePoint3d(x, 7.0, 0.0));
    points[2].y = 20.0; // mode 1 measures at the first point's y
    ASSERT_EQ(mDraw.DrawChainDimension3d(points, -2.0, -3.0, 1, 0), 1);
    const auto dims = entitiesOf<AcDbAlignedDimension>();
    ASSERT_EQ(dims.size(), 2u);
    ReadBack<AcDbAlignedDimension> first(dims[0]);
    ReadBack<AcDbAlignedDimension> second(dims[1]);
    EXPECT_EQ(first->dimensionTextString(), L"3X100");
    expectPoint(first->xLine1Point(), 0, 5, "chain start");
    expectPoint(first->xLine2Point(), 300, 5, "merged end");
    EXPECT_EQ(second->dimensionTextString(), L"");
    expectPoint(second->xLine2Point(), 450, 5, "chain end");

    AcGePoint2dArray one;
    one.append(AcGePoint2d(0, 0));
    EXPECT_EQ(mDraw.DrawChainDimension(one, 0, 0, 1, 0), 0);
}

// Two short dimensions in a row share no extension line; the first text, flagged, is moved off
// the chain's start where it does not fit.
TEST_F(Primitives, AChainOfShortDimensionsSuppressesSharedLinesAndMovesItsFirstText)
{
    AcGePoint2dArray points;
    for (double x : { 0.0, 2.0, 6.0, 100.0 })
        points.append(AcGePoint2d(x, 0.0));
    ASSERT_EQ(mDraw.DrawRebarCallout2d(points, 0.0, -3.0, 1, 10, nullptr, 0), 1);
    const auto dims = entitiesOf<AcDbAlignedDimension>();
    ASSERT_EQ(dims.size(), 3u);
    ReadBack<AcDbAlignedDimension> a(dims[0]);
    ReadBack<AcDbAlignedDimension> b(dims[1]);
    ReadBack<AcDbAlignedDimension> c(dims[2]);
    EXPECT_FALSE(a->dimse1());
    EXPECT_TRUE(a->dimse2());
    EXPECT_TRUE(b->dimse1());
    EXPECT_FALSE(b->dimse2());
    EXPECT_FALSE(c->dimse1());
    EXPECT_FALSE(c->dimse2());
    EXPECT_FALSE(a->isUsingDefaultTextPosition());
    EXPECT_LT(a->textPosition().x, 0.0);
    EXPECT_NEAR(c->textPosition().x, 53.0, 1e-9);
}

TEST_F(Primitives, NarrowAndMeasureDimensionTexts)
{
    AcDbObjectId id;
    ASSERT_EQ(mDraw.DrawDimension({ 0, 0, 0 }, { 2, 0, 0 }, 0.0, 3.0, &id, L"12345"), 1);
    double span = 0.0;
    const double wide = MeasureDimensionText(id, span);
    EXPECT_DOUBLE_EQ(span, 2.0);
    EXPECT_GT(wide, 0.0);
    ASSERT_EQ(NarrowDimensionText(id), 1);
    {
        ReadBack<AcDbAlignedDimension> dim(id);
        EXPECT_EQ(dim->dimensionTextString(), L"{\\W0.7;12345}");
    }
    const double narrow = MeasureDimensionText(id, span);
    EXPECT_GT(narrow, 0.0);
    EXPECT_LT(narrow, wide);
}

TEST_F(Primitives, ALeaderTextSitsBesideItsBentLeader)
{
    AcDbObjectId textId;
    AcDbObjectId leaderId;
    ASSERT_EQ(mDraw.DrawCentreMark({ 10, 20, 0 }, -3.0, 2.0, 1.0, 0.5, L"墩柱中心线", AcDbObjectId::kNull, 3.0, 0.8,
                  &textId, &leaderId),
        1);
    ReadBack<AcDbText> text(textId);
    ASSERT_TRUE(text);
    EXPECT_EQ(AcDbDatabase::symbolName(text->layerId()), L"08-标注");
    AcDbExtents box;
    ASSERT_EQ(text->getGeomExtents(box), Acad::eOk);
    const double w = box.maxPoint().x - box.minPoint().x;
    const auto leader = verticesOf(leaderId);
    ASSERT_EQ(leader.size(), 3u);
    EXPECT_NEAR(leader[1].x, 7.0, 1e-9);
    EXPECT_NEAR(leader[1].y, 22.0, 1e-9);
    EXPECT_NEAR(leader[2].x, 7.0 - (2.0 + w), 1e-9);
    EXPECT_NEAR(leader[2].y, 22.0, 1e-9);
    EXPECT_NEAR(text->alignmentPoint().x, 7.0 - (1.0 + w / 2.0), 1e-9);
    EXPECT_GT(text->alignmentPoint().y, 22.5);
    EXPECT_EQ(text->horizontalMode(), AcDb::kTextMid);
}

TEST_F(Primitives, BreakMarkAndSolidDot)
{
    AcGePoint3d start;
    AcGePoint3d end;
    AcDbObjectId mark;
    ASSERT_EQ(mDraw.DrawBreakMark(start, end, { 10, 10, 3 }, &mark), 1);
    const auto zigzag = verticesOf(mark);
    ASSERT_EQ(zigzag.size(), 4u);
    EXPECT_EQ(zigzag[1], AcGePoint2d(9.5, 7.9));
    EXPECT_EQ(zigzag[2], AcGePoint2d(10.5, 12.1));
    EXPECT_EQ(start, AcGePoint3d(8.5, 10, 0));
    EXPECT_EQ(end, AcGePoint3d(11.5, 10, 0));
    EXPECT_EQ(layerOf(mark), L"02-结构");

    ASSERT_EQ(mDraw.DrawSolidDot({ 5, 5, 0 }, 0.3), 1);
    const auto circles = entitiesOf<AcDbCircle>();
    const auto hatches = entitiesOf<AcDbHatch>();
    ASSERT_EQ(circles.size(), 1u);
    ASSERT_EQ(hatches.size(), 1u);
    ReadBack<AcDbHatch> hatch(hatches[0]);
    EXPECT_TRUE(hatch->isSolidFill());
    EXPECT_TRUE(hatch->associative());
    AcDbObjectIdArray loop;
    ASSERT_EQ(hatch->getAssocObjIdsAt(0, loop), Acad::eOk);
    ASSERT_EQ(loop.length(), 1);
    EXPECT_EQ(loop[0], circles[0]);
}

TEST_F(Primitives, GroupsByNameOrByTimeAndNotWhenDisabled)
{
    AcDbObjectId a;
    AcDbObjectId b;
    mDraw.DrawLine({ 0, 0, 0 }, { 1, 0, 0 }, &a);
    mDraw.DrawLine({ 0, 1, 0 }, { 1, 1, 0 }, &b);
    AcDbObjectIdArray ids;
    ids.append(a);
    EXPECT_EQ(MakeGroup(L"G1", ids, 0), 0);
    EXPECT_EQ(MakeGroup(L"", ids, 1), 1);
    EXPECT_EQ(MakeGroup(L"G1", ids, 1), 1);
    AcDbObjectIdArray more;
    more.append(b);
    EXPECT_EQ(MakeGroup(L"G1", more, 1), 1);

    AcDbDictionary* groups = nullptr;
    ASSERT_EQ(db()->getGroupDictionary(groups, AcDb::kForRead), Acad::eOk);
    AcDbObjectId g1;
    EXPECT_EQ(groups->getAt(L"G1", g1), Acad::eOk);
    int generated = 0;
    for (const auto& [name, id] : groups->liveEntries())
        generated += name.rfind(L"CAPGROUP_", 0) == 0 ? 1 : 0;
    groups->close();
    EXPECT_EQ(generated, 1);
    ReadBack<AcDbGroup> group(g1);
    ASSERT_TRUE(group);
    EXPECT_EQ(group->numEntities(), 2u);

    SetEntityScale(a, 2.5);
    ReadBack<AcDbEntity> line(a);
    EXPECT_DOUBLE_EQ(line->linetypeScale(), 2.5);
}

// Corners rounded against hand-computed tangent points and bulges: a left and a right turn,
// a straight run and a coincident point left sharp, a radius too large held to its segments.
TEST_F(Primitives, FilletedCornersAgainstHandComputedArcs)
{
    const double quarter = std::tan(M_PI / 8.0);
    struct Case {
        std::vector<AcGePoint2d> input;
        double radius;
        std::vector<AcGePoint2d> output;
        double bulge;
    };
    const Case cases[] = {
        { { { 0, 0 }, { 10, 0 }, { 10, 10 } }, 2.0, { { 0, 0 }, { 8, 0 }, { 10, 2 }, { 10, 10 } }, quarter },
        { { { 0, 0 }, { 10, 0 }, { 10, -10 } }, 2.0, { { 0, 0 }, { 8, 0 }, { 10, -2 }, { 10, -10 } }, -quarter },
        { { { 0, 0 }, { 5, 0 }, { 10, 0 } }, 2.0, { { 0, 0 }, { 5, 0 }, { 10, 0 } }, 0.0 },
        { { { 0, 0 }, { 0, 0 }, { 10, 0 } }, 2.0, { { 0, 0 }, { 0, 0 }, { 10, 0 } }, 0.0 },
        { { { 0, 0 }, { 10, 0 }, { 10, 4 } }, 100.0, { { 0, 0 }, { 6, 0 }, { 10, 4 }, { 10, 4 } }, quarter },
    };
    for (const Case& c : cases) {
        AcDbPolyline pl;
        for (unsigned int i = 0; i < c.input.size(); ++i)
            pl.addVertexAt(i, c.input[i]);
        AcGeDoubleArray radii;
        radii.append(c.radius);
        AcGeIntArray indexes;
        indexes.append(1);
        DrawFilletedPolyline(&pl, radii, indexes, 0);
        EXPECT_TRUE(radii.isEmpty());
        EXPECT_TRUE(indexes.isEmpty());
        ASSERT_EQ(pl.numVerts(), c.output.size());
        for (unsigned int i = 0; i < pl.numVerts(); ++i) {
            AcGePoint2d p;
            pl.getPointAt(i, p);
            EXPECT_NEAR(p.x, c.output[i].x, 1e-9) << i;
            EXPECT_NEAR(p.y, c.output[i].y, 1e-9) << i;
        }
        double bulge = 0.0;
        pl.getBulgeAt(1, bulge);
        EXPECT_NEAR(bulge, c.bulge, 1e-9);
    }
    EXPECT_EQ(AcDbDatabase::symbolName(db()->clayer()), L"08-标注");
}

TEST_F(Primitives, FilletConstructionLinesRunFromTheCornerToItsTangentPoints)
{
    AcDbPolyline pl;
    pl.addVertexAt(0, AcGePoint2d(0, 0));
    pl.addVertexAt(1, AcGePoint2d(10, 0));
    pl.addVertexAt(2, AcGePoint2d(10, 10));
    AcGeDoubleArray radii;
    radii.append(2.0);
    AcGeIntArray indexes;
    indexes.append(1);
    DrawFilletedPolyline(&pl, radii, indexes, 1);
    const auto lines = entitiesOf<AcDbLine>();
    ASSERT_EQ(lines.size(), 2u);
    ReadBack<AcDbLine> first(lines[0]);
    ReadBack<AcDbLine> second(lines[1]);
    EXPECT_EQ(first->startPoint(), AcGePoint3d(10, 0, 0));
    EXPECT_EQ(first->endPoint(), AcGePoint3d(8, 0, 0));
    EXPECT_EQ(second->endPoint(), AcGePoint3d(10, 2, 0));
    EXPECT_EQ(AcDbDatabase::symbolName(first->layerId()), L"08-标注");
}
