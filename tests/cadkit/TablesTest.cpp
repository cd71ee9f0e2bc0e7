// Layers made, thawed, locked, given linetypes and listed; empty blocks; wipeouts from a polygon;
// lineweight values and shape-font names.
#include "CadkitFixture.h"

#include "MavUtils.h"

#include "AcDbBlockTable.h"
#include "AcDbLayerTable.h"
#include "AcDbWipeout.h"

using Tables = CadkitFixture;

TEST_F(Tables, LayersAreMadeOnceThawedAndMadeCurrent)
{
    AcDbObjectId id;
    EXPECT_EQ(MavUtils::createLayer(L"钢筋", id), Acad::eOk);
    ASSERT_FALSE(id.isNull());
    AcDbObjectId again;
    EXPECT_EQ(MavUtils::createLayer(L"钢筋", again), Acad::eOk);
    EXPECT_EQ(again, id);
    EXPECT_NE(MavUtils::createLayer(L"bad<name", again), Acad::eOk);
    EXPECT_TRUE(again.isNull());

    AcDbLayerTableRecord* layer = nullptr;
    ASSERT_EQ(acdbOpenObject(layer, id, AcDb::kForWrite), Acad::eOk);
    layer->setIsFrozen(true);
    layer->close();
    EXPECT_EQ(MavUtils::createNewLayer(L"钢筋"), id);
    EXPECT_EQ(db()->clayer(), id);
    layer = openRecord<AcDbLayerTableRecord>(id);
    EXPECT_FALSE(layer->isFrozen());
    layer->close();
    const AcDbObjectId fresh = MavUtils::createNewLayer(L"标注");
    EXPECT_EQ(db()->clayer(), fresh);

    EXPECT_EQ(MavUtils::selectLayerById(db()->layerZero()), fresh);
    EXPECT_EQ(db()->clayer(), db()->layerZero());
    EXPECT_TRUE(MavUtils::selectLayerById(AcDbObjectId::kNull).isNull());
    EXPECT_NE(transcript().find(L"set layer id error:"), std::wstring::npos);

    CStringArray names;
    names.Add(L"kept");
    EXPECT_EQ(MavUtils::collectLayerNames(names), Acad::eOk);
    ASSERT_EQ(names.GetSize(), 4);
    EXPECT_EQ(names[0], L"kept");
    EXPECT_EQ(names[2], L"钢筋");
    EXPECT_EQ(names[3], L"标注");
}

TEST_F(Tables, LocksAndLinetypesOfLayersAndMissingLayersUntouched)
{
    AcDbObjectId id;
    MavUtils::createLayer(L"A", id);
    MavUtils::lockLayer(L"A", 1);
    AcDbLayerTableRecord* layer = openRecord<AcDbLayerTableRecord>(id);
    EXPECT_TRUE(layer->isLocked());
    layer->close();
    MavUtils::lockLayer(L"A", 2);
    layer = openRecord<AcDbLayerTableRecord>(id);
    EXPECT_FALSE(layer->isLocked());
    layer->close();
    MavUtils::lockLayer(L"missing", 1);

    const AcDbObjectId dashed = db()->continuousLinetype();
    EXPECT_EQ(MavUtils::setLinetypeToLayer(L"A", dashed), Acad::eOk);
    EXPECT_EQ(MavUtils::setLinetypeToLayer(L"missing", dashed), Acad::eKeyNotFound);
    layer = openRecord<AcDbLayerTableRecord>(id);
    EXPECT_EQ(layer->linetypeObjectId(), dashed);
    layer->close();
}

TEST_F(Tables, AnEmptyBlockOnceThenTheNameIsTaken)
{
    EXPECT_EQ(MavUtils::createBlockRecord(L"BRI-HLJT"), Acad::eOk);
    EXPECT_EQ(MavUtils::createBlockRecord(L"BRI-HLJT"), Acad::eDuplicateKey);
    AcDbObjectId id;
    ASSERT_TRUE(MavUtils::symbolExists(AcDbBlockTableRecord::desc(), L"BRI-HLJT", db(), id));
    EXPECT_TRUE(entitiesOf(id).empty());
}

TEST_F(Tables, AWipeoutOverAPolygonSpansItsRangeAndIsClippedToIt)
{
    AcArray<AcGePoint3d> rectangle;
    for (const AcGePoint3d& p : {AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(10, 5, 0),
             AcGePoint3d(0, 5, 0), AcGePoint3d(0, 0, 0)})
        rectangle.append(p);
    AcDbObjectId id;
    ASSERT_EQ(MavUtils::createAcDbRasterImage(id, rectangle), Acad::eOk);
    AcDbWipeout* wipeout = openWipeoutFramed(id, AcGePoint3d(0, 0, 0), AcGeVector3d(10, 0, 0), AcGeVector3d(0, 5, 0));
    ASSERT_NE(wipeout, nullptr);
    EXPECT_EQ(wipeout->clipBoundaryType(), AcDbRasterImage::kPoly);
    EXPECT_EQ(wipeout->clipBoundary().length(), 5);
    wipeout->close();

    // Too few points for a polygon: the clip refuses and nothing is left behind.
    AcArray<AcGePoint3d> two;
    two.append(AcGePoint3d(0, 0, 0));
    two.append(AcGePoint3d(1, 1, 0));
    AcDbObjectId none;
    EXPECT_NE(MavUtils::createAcDbRasterImage(none, two), Acad::eOk);
    EXPECT_TRUE(none.isNull());
    EXPECT_EQ(entitiesOf(db()->modelSpaceId()).size(), 1u);
}

TEST(LineWeightsAndFonts, OnlyStandardLineweightsAndShapeFontNames)
{
    struct Case {
        int value;
        int expected;
    };
    for (const Case& c : {Case{25, 25}, Case{-3, -3}, Case{211, 211}, Case{26, 99}, Case{-4, 99}, Case{212, 99}}) {
        auto weight = static_cast<AcDb::LineWeight>(99);
        MavUtils::getLineWidthByIndex(c.value, weight);
        EXPECT_EQ(static_cast<int>(weight), c.expected) << c.value;
    }
    EXPECT_EQ(MavUtils::isSHXFile(L"fsdb"), 1);
    EXPECT_EQ(MavUtils::isSHXFile(L"FSDB.SHX"), 1);
    EXPECT_EQ(MavUtils::isSHXFile(L"simsun.ttf"), 0);
    EXPECT_EQ(MavUtils::isSHXFile(L"fsdb.shx2"), 0);
    EXPECT_EQ(MavUtils::isSHXFile(L"a.x"), 0);
}
