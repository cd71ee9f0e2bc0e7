// Entity classes keep the data their callers give them: polyline vertices, vertex objects of
// 2-D polylines, dimension styles and overrides, hatch loops, the wipeout's pixel frame.
#include "AcDb2dPolyline.h"
#include "AcDb2dVertex.h"
#include "AcDb3dPolyline.h"
#include "AcDbAlignedDimension.h"
#include "AcDbCircle.h"
#include "AcDbDictionary.h"
#include "AcDbDimStyleTable.h"
#include "AcDbHatch.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbRotatedDimension.h"
#include "AcDbText.h"
#include "AcDbWipeout.h"
#include "DbFixture.h"

#include <cmath>
#include <numbers>

using EntityTest = DbTest;

TEST_F(EntityTest, PolylineVertexApi)
{
    AcDbPolyline pl;
    EXPECT_EQ(pl.addVertexAt(0, AcGePoint2d(0, 0)), Acad::eOk);
    EXPECT_EQ(pl.addVertexAt(1, AcGePoint2d(10, 0), 0.5, 1.0, 2.0), Acad::eOk);
    EXPECT_EQ(pl.addVertexAt(1, AcGePoint2d(5, 5)), Acad::eOk);
    EXPECT_EQ(pl.addVertexAt(5, AcGePoint2d(1, 1)), Acad::eInvalidIndex);
    EXPECT_EQ(pl.numVerts(), 3u);
    AcGePoint2d p;
    ASSERT_EQ(pl.getPointAt(1u, p), Acad::eOk);
    EXPECT_EQ(p, AcGePoint2d(5, 5));
    double bulge = 0.0, sw = 0.0, ew = 0.0;
    pl.getBulgeAt(2, bulge);
    pl.getWidthsAt(2, sw, ew);
    EXPECT_DOUBLE_EQ(bulge, 0.5);
    EXPECT_DOUBLE_EQ(sw, 1.0);
    EXPECT_DOUBLE_EQ(ew, 2.0);
    EXPECT_FALSE(pl.isOnlyLines());
    EXPECT_EQ(pl.getConstantWidth(sw), Acad::eInvalidInput);
    pl.setElevation(3.0);
    AcGePoint3d p3;
    pl.getPointAt(0u, p3);
    EXPECT_EQ(p3, AcGePoint3d(0, 0, 3));
    pl.setClosed(true);
    AcGePoint3d end;
    pl.getEndPoint(end);
    EXPECT_EQ(end, p3);
    EXPECT_EQ(pl.removeVertexAt(3), Acad::eInvalidIndex);
    pl.reset(true, 2);
    EXPECT_EQ(pl.numVerts(), 2u);
    pl.reset(false, 0);
    EXPECT_EQ(pl.numVerts(), 0u);
}

TEST_F(EntityTest, TwoDPolylineVerticesBecomeObjectsWhenAppended)
{
    AcGePoint3dArray pts;
    pts.append(AcGePoint3d(0, 0, 0));
    pts.append(AcGePoint3d(10, 0, 0));
    pts.append(AcGePoint3d(10, 10, 0));
    AcGeDoubleArray bulges;
    bulges.append(0.0);
    bulges.append(1.0);
    auto* poly = new AcDb2dPolyline(AcDb::k2dSimplePoly, pts, 0.0, false, 0.0, 0.0, &bulges);
    AcDbObjectIterator* it = poly->vertexIterator();
    int pending = 0;
    for (; !it->done(); it->step()) {
        EXPECT_TRUE(it->objectId().isNull());
        ++pending;
    }
    delete it;
    EXPECT_EQ(pending, 3);
    const AcDbObjectId id = addToModelSpace(poly);

    AcDb2dPolyline* opened = nullptr;
    ASSERT_EQ(acdbOpenObject(opened, id, AcDb::kForRead), Acad::eOk);
    std::vector<double> seen;
    it = opened->vertexIterator();
    for (; !it->done(); it->step()) {
        AcDb2dVertex* v = nullptr;
        ASSERT_EQ(acdbOpenObject(v, it->objectId(), AcDb::kForRead), Acad::eOk);
        EXPECT_EQ(v->ownerId(), id);
        EXPECT_EQ(v->layerId(), opened->layerId());
        seen.push_back(v->bulge());
        v->close();
    }
    delete it;
    EXPECT_EQ(seen, (std::vector<double> { 0.0, 1.0, 0.0 }));
    ASSERT_EQ(opened->upgradeOpen(), Acad::eOk);
    AcDbObjectId added;
    ASSERT_EQ(opened->appendVertex(added, new AcDb2dVertex(AcGePoint3d(0, 10, 0))), Acad::eOk);
    EXPECT_FALSE(added.isNull());
    AcDbObject* vertex = AcDbDatabase::peek(added);
    EXPECT_EQ(vertex->close(), Acad::eOk);

    // A lightweight polyline takes the 2-D polyline's place under its id.
    AcDbEntity* source = opened;
    auto* light = new AcDbPolyline();
    ASSERT_EQ(light->convertFrom(source, true), Acad::eOk);
    EXPECT_EQ(source, nullptr);
    EXPECT_EQ(light->objectId(), id);
    EXPECT_EQ(light->numVerts(), 4u);
    double b = 0.0;
    light->getBulgeAt(1, b);
    EXPECT_DOUBLE_EQ(b, 1.0);
    EXPECT_EQ(light->close(), Acad::eOk);
    EXPECT_TRUE(added.isErased());
    AcDbPolyline* again = nullptr;
    EXPECT_EQ(acdbOpenObject(again, id, AcDb::kForRead), Acad::eOk);
    again->close();
}

TEST_F(EntityTest, DimensionTakesStyleAndKeepsOverrides)
{
    auto* style = new AcDbDimStyleTableRecord();
    style->setName(L"DIM50");
    style->setDimasz(2.5);
    style->setDimtxt(3.0);
    AcDbDimStyleTable* table = nullptr;
    ASSERT_EQ(db->getDimStyleTable(table, AcDb::kForWrite), Acad::eOk);
    AcDbObjectId styleId;
    ASSERT_EQ(table->add(styleId, style), Acad::eOk);
    style->close();
    table->close();

    auto* dim = new AcDbRotatedDimension(
        0.0, AcGePoint3d(0, 0, 0), AcGePoint3d(100, 0, 0), AcGePoint3d(50, 10, 0), L"{\\W0.7;<>}", styleId);
    EXPECT_DOUBLE_EQ(dim->dimasz(), 2.5);
    EXPECT_TRUE(dim->overriddenCodes().empty());
    dim->setDimlfac(2.0);
    dim->setDimse1(true);
    EXPECT_EQ(dim->overriddenCodes(), (std::set<int> { 75, 144 }));
    const AcDbObjectId id = addToModelSpace(dim);
    EXPECT_EQ(dim->dimensionStyle(), styleId);

    // A dimension made without a style takes the current one, with what the caller set.
    auto* aligned = new AcDbAlignedDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 100, 0), AcGePoint3d(10, 50, 0));
    aligned->setDimtxt(7.0);
    addToModelSpace(aligned);
    EXPECT_EQ(aligned->dimensionStyle(), db->dimstyle());
    EXPECT_DOUBLE_EQ(aligned->dimtxt(), 7.0);
    EXPECT_DOUBLE_EQ(aligned->dimasz(), 0.18);

    AcDbDimension* opened = nullptr;
    ASSERT_EQ(acdbOpenObject(opened, id, AcDb::kForWrite), Acad::eOk);
    AcDbDimStyleTableRecord* data = nullptr;
    ASSERT_EQ(opened->getDimstyleData(data), Acad::eOk);
    EXPECT_DOUBLE_EQ(data->dimlfac(), 2.0);
    data->setDimlfac(1.0);
    data->setDimse1(false);
    ASSERT_EQ(opened->setDimstyleData(data), Acad::eOk);
    EXPECT_TRUE(opened->overriddenCodes().empty());
    delete data;
    ACHAR* text = opened->dimensionText();
    EXPECT_STREQ(text, L"{\\W0.7;<>}");
    acutDelString(text);
    opened->close();
}

TEST_F(EntityTest, HatchLoopsFromEntitiesAndPoints)
{
    const AcDbObjectId circle = addToModelSpace(new AcDbCircle(AcGePoint3d(5, 5, 0), AcGeVector3d::kZAxis, 2.0));
    auto* hatch = new AcDbHatch();
    hatch->setAssociative(true);
    EXPECT_EQ(hatch->evaluateHatch(), Acad::eInvalidInput);
    AcDbObjectIdArray ids;
    ids.append(circle);
    ASSERT_EQ(hatch->appendLoop(AcDbHatch::kExternal, ids), Acad::eOk);
    AcDbObjectIdArray notCurves;
    notCurves.append(db->layerZero());
    EXPECT_EQ(hatch->appendLoop(AcDbHatch::kDefault, notCurves), Acad::eInvalidInput);
    AcGePoint2dArray pts;
    for (auto [x, y] : { std::pair { 0.0, 0.0 }, { 10.0, 0.0 }, { 10.0, 10.0 }, { 0.0, 0.0 } })
        pts.append(AcGePoint2d(x, y));
    ASSERT_EQ(hatch->appendLoop(AcDbHatch::kDefault, pts, AcGeDoubleArray()), Acad::eOk);
    EXPECT_EQ(hatch->numLoops(), 2);
    std::vector<AcDbHatch::Edge> edges;
    Adesk::Int32 type = 0;
    ASSERT_EQ(hatch->getLoopEdgesAt(0, type, edges), Acad::eOk);
    ASSERT_EQ(edges.size(), 1u);
    EXPECT_EQ(edges[0].type, AcDbHatch::kCirArc);
    EXPECT_DOUBLE_EQ(edges[0].radius, 2.0);
    AcGePoint2dArray back;
    AcGeDoubleArray bulges;
    ASSERT_EQ(hatch->getLoopAt(1, type, back, bulges), Acad::eOk);
    EXPECT_EQ(back.length(), 3);
    EXPECT_TRUE(type & AcDbHatch::kPolyline);
    EXPECT_EQ(hatch->evaluateHatch(), Acad::eOk);
    delete hatch;
}

TEST_F(EntityTest, WipeoutClipFollowsThePixelFrame)
{
    // The library's mask: a 1 x 1 image as wide as the box, clipped to the box's corners.
    auto* wipeout = new AcDbWipeout();
    const double w = 20.0;
    ASSERT_TRUE(wipeout->setOrientation(AcGePoint3d(10, 10, 0), AcGeVector3d(w, 0, 0), AcGeVector3d(0, w, 0)));
    AcGeVector2d size(0.0, 0.0);
    ASSERT_EQ(wipeout->setClipBoundaryToWholeImage(size), Acad::eOk);
    EXPECT_EQ(size, AcGeVector2d(1.0, 1.0));
    AcGeMatrix3d pixToModel;
    ASSERT_EQ(wipeout->getPixelToModelTransform(pixToModel), Acad::eOk);
    EXPECT_EQ(AcGePoint3d(-0.5, 0.5, 0.0).transformBy(pixToModel), AcGePoint3d(10, 10, 0));
    EXPECT_EQ(AcGePoint3d(0.5, -0.5, 0.0).transformBy(pixToModel), AcGePoint3d(30, 30, 0));
    AcGeMatrix3d modelToPix = pixToModel.inverse();
    AcGePoint2dArray clip;
    for (const AcGePoint3d& corner : { AcGePoint3d(30, 20, 0), AcGePoint3d(30, 10, 0), AcGePoint3d(10, 10, 0),
             AcGePoint3d(10, 20, 0), AcGePoint3d(30, 20, 0) }) {
        const AcGePoint3d px = AcGePoint3d(corner).transformBy(modelToPix);
        clip.append(AcGePoint2d(px.x, px.y));
    }
    ASSERT_EQ(wipeout->setClipBoundary(AcDbRasterImage::kPoly, clip), Acad::eOk);
    EXPECT_EQ(wipeout->clipBoundary().length(), 5);
    EXPECT_EQ(wipeout->clipBoundary()[2], AcGePoint2d(-0.5, 0.5));
    wipeout->setDisplayOpt(AcDbRasterImage::kTransparent, true);
    wipeout->setDisplayOpt(AcDbRasterImage::kShow, false);
    EXPECT_FALSE(wipeout->isSetDisplayOpt(AcDbRasterImage::kShow));
    addToModelSpace(wipeout);
    EXPECT_FALSE(db->symbolId(db->blockTableId(), L"*Model_Space").isNull());
    AcDbDictionary* root = nullptr;
    ASSERT_EQ(db->getNamedObjectsDictionary(root), Acad::eOk);
    EXPECT_TRUE(root->has(L"ACAD_WIPEOUT_VARS"));
    root->close();
}

TEST_F(EntityTest, TextTakesCurrentStyleAndHeight)
{
    auto* text = new AcDbText(AcGePoint3d(1, 2, 0), L"钢筋");
    EXPECT_EQ(text->setHeight(0.0), Acad::eInvalidInput);
    EXPECT_EQ(text->setTextStyle(db->layerZero()), Acad::eWrongObjectType);
    text->setHorizontalMode(AcDb::kTextMid);
    EXPECT_FALSE(text->isDefaultAlignment());
    addToModelSpace(text);
    EXPECT_EQ(text->textStyle(), db->textstyle());
    EXPECT_DOUBLE_EQ(text->height(), db->textsize());
    // Closed, the text can no longer be changed.
    EXPECT_EQ(text->adjustAlignment(), Acad::eNotOpenForWrite);
}
