// Position tests on curves and polygons, entity and dimension edits by id, style queries, and
// the outlines of texts and dimension texts.
#include "CadkitFixture.h"

#include "MavUtils.h"

#include "AcDbAlignedDimension.h"
#include "AcDbDimStyleTable.h"
#include "AcDbExtents.h"
#include "AcDbLine.h"
#include "AcDbText.h"
#include "AcDbTextStyleTable.h"
#include "TextMetrics.h"

#include <cmath>

namespace {

AcDbObjectId addTextStyle(AcDbDatabase* pDb, const wchar_t* name, const wchar_t* file, const wchar_t* bigFont)
{
    AcDbTextStyleTable* table = nullptr;
    EXPECT_EQ(pDb->getTextStyleTable(table, AcDb::kForWrite), Acad::eOk);
    auto* style = new AcDbTextStyleTableRecord();
    style->setName(name);
    style->setFileName(file);
    style->setBigFontFileName(bigFont);
    style->setXScale(0.5);
    AcDbObjectId id;
    EXPECT_EQ(table->add(id, style), Acad::eOk);
    style->close();
    table->close();
    return id;
}

} // namespace

class Properties : public CadkitFixture {
protected:
    AcDbObjectId addDimension()
    {
        return add(new AcDbAlignedDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(30, 0, 0), AcGePoint3d(15, 8, 0)));
    }

    template <class Check>
    void withDimension(AcDbObjectId id, Check check)
    {
        AcDbAlignedDimension* dim = nullptr;
        ASSERT_EQ(acdbOpenObject(dim, id, AcDb::kForRead), Acad::eOk);
        check(dim);
        dim->close();
    }
};

TEST_F(Properties, SideOfALineAndItsNearerEnd)
{
    AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    struct Case {
        double x, y;
        int side;
    };
    for (const Case& c : {Case{5, 3, 1}, Case{5, -3, 0}, Case{-4, 0, 0}, Case{14, 0, 1}})
        EXPECT_EQ(MavUtils::tellDirection(&line, AcGePoint3d(c.x, c.y, 0)), c.side) << c.x << "," << c.y;

    double dist = -1.0;
    int end = -1;
    EXPECT_EQ(MavUtils::tellLocationOfIntersectPointInDbCurve(&line, AcGePoint3d(9, 1, 0), dist, end), Acad::eOk);
    EXPECT_EQ(end, 1);
    EXPECT_NEAR(dist, std::sqrt(2.0), 1e-12);
    MavUtils::tellLocationOfIntersectPointInDbCurve(&line, AcGePoint3d(5, 0, 0), dist, end);
    EXPECT_EQ(end, 0);
    EXPECT_EQ(dist, 5.0);
    EXPECT_EQ(MavUtils::tellLocationOfIntersectPointInDbCurve(nullptr, AcGePoint3d(5, 0, 0), dist, end),
        Acad::eInvalidInput);
}

TEST_F(Properties, OnlyEntitiesCrossingAPolygonsBoundaryMeetIt)
{
    AcArray<AcGePoint3d> square;
    for (const AcGePoint3d& p :
        { AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(10, 10, 0), AcGePoint3d(0, 10, 0) })
        square.append(p);
    const AcDbObjectId inside = add(new AcDbLine(AcGePoint3d(2, 2, 0), AcGePoint3d(8, 8, 0)));
    const AcDbObjectId crossing = add(new AcDbLine(AcGePoint3d(5, 5, 0), AcGePoint3d(15, 5, 0)));
    EXPECT_EQ(MavUtils::inTheRegion(square, inside), 0);
    EXPECT_EQ(MavUtils::inTheRegion(square, crossing), 1);
    EXPECT_EQ(MavUtils::inTheRegion(square, AcDbObjectId::kNull), 0);

    AcDbExtents extents;
    EXPECT_EQ(MavUtils::getCurveExtents(crossing, extents), Acad::eOk);
    EXPECT_EQ(extents.maxPoint(), AcGePoint3d(15, 5, 0));
    EXPECT_EQ(MavUtils::getCurveExtents(AcDbObjectId::kNull, extents), Acad::eInvalidInput);
    MavUtils::deleteObj(inside);
    EXPECT_EQ(MavUtils::getCurveExtents(inside, extents), Acad::eNotApplicable);

    for (const auto& [mode, count] : {std::pair{0, 0}, {1, 4}, {2, 2}, {3, 6}, {4, 0}})
        EXPECT_EQ(MavUtils::ventralLinesNumber(mode, 5), count) << mode;
}

TEST_F(Properties, TextCentresAndOutlinesCoverTheTextBox)
{
    const wchar_t* const content = L"N1 gj 箍筋";
    const double height = 2.5;
    auto* text = new AcDbText(AcGePoint3d(3, 4, 0), content, db()->textstyle(), height, 0.0);
    const AcDbObjectId id = add(text);
    const TextMetrics::Box box = TextMetrics::box(content, height);

    AcDbText* opened = nullptr;
    ASSERT_EQ(acdbOpenObject(opened, id, AcDb::kForRead), Acad::eOk);
    const AcGePoint3d centre = MavUtils::centerPoint(opened);
    EXPECT_NEAR(centre.x, 3 + (box.minX + box.maxX) / 2, 1e-9);
    EXPECT_NEAR(centre.y, 4 + (box.minY + box.maxY) / 2, 1e-9);
    AcArray<AcGePoint3d> outline;
    outline.append(AcGePoint3d(-1, -1, -1));
    MavUtils::cornerPoint(opened, outline);
    opened->close();
    ASSERT_EQ(outline.length(), 6);
    EXPECT_EQ(outline[1], outline[5]);
    // Exactly the box: as wide as the text, from below the baseline to the cap height.
    EXPECT_TRUE(outline[1].isEqualTo(AcGePoint3d(3 + box.minX, 4 + box.minY, 0)));
    EXPECT_TRUE(outline[2].isEqualTo(AcGePoint3d(3 + box.maxX, 4 + box.minY, 0)));
    EXPECT_TRUE(outline[3].isEqualTo(AcGePoint3d(3 + box.maxX, 4 + box.maxY, 0)));
    EXPECT_TRUE(outline[4].isEqualTo(AcGePoint3d(3 + box.minX, 4 + box.maxY, 0)));

    // A text without parts below its baseline: the box runs from its position, as high as the text.
    AcDbText plain(AcGePoint3d(0, 0, 0), L"x", AcDbObjectId::kNull, 2.5);
    AcArray<AcGePoint3d> corners;
    MavUtils::acdbTextCornerPoints(AcGePoint3d(5, 1.25, 0), 0.0, &plain, corners);
    ASSERT_EQ(corners.length(), 5);
    EXPECT_EQ(corners[0], AcGePoint3d(0, 0, 0));
    EXPECT_TRUE(corners[1].isEqualTo(AcGePoint3d(10, 0, 0)));
    EXPECT_TRUE(corners[2].isEqualTo(AcGePoint3d(10, 2.5, 0)));
    EXPECT_EQ(corners[4], corners[0]);
}

TEST_F(Properties, StyleQueriesForWidthFactorsAndFontKinds)
{
    const AcDbObjectId ttf = addTextStyle(db(), L"TT", L"simsun.ttf", L"");
    const AcDbObjectId shx = addTextStyle(db(), L"SH", L"fsdb_e.shx", L"");
    const AcDbObjectId big = addTextStyle(db(), L"BG", L"simsun.ttf", L"fsdb.shx");
    const AcDbObjectId bare = addTextStyle(db(), L"NO", L"", L"");
    EXPECT_EQ(MavUtils::needFixWidth(ttf), 1);
    EXPECT_EQ(MavUtils::needFixWidth(shx), 0);
    EXPECT_EQ(MavUtils::needFixWidth(big), 0);
    EXPECT_EQ(MavUtils::needFixWidth(bare), 0);
    EXPECT_EQ(MavUtils::needFixWidth(db()->layerZero()), 0);
    EXPECT_EQ(MavUtils::textWHFactor(ttf), 0.5);
    EXPECT_EQ(MavUtils::textWHFactor(AcDbObjectId::kNull), 1.0);
    EXPECT_EQ(MavUtils::textWHFactor(db()->layerZero()), 1.0);

    // Where the font needs it, the centre takes the width without the width factor.
    auto* text = new AcDbText(AcGePoint3d(0, 0, 0), L"AB", ttf, 2.0, 0.0);
    text->setWidthFactor(0.5);
    const AcDbObjectId id = add(text);
    AcDbText* opened = nullptr;
    ASSERT_EQ(acdbOpenObject(opened, id, AcDb::kForRead), Acad::eOk);
    AcDbExtents extents;
    opened->getGeomExtents(extents);
    const double width = extents.maxPoint().x - extents.minPoint().x;
    EXPECT_NEAR(MavUtils::centerPoint(opened).x, extents.minPoint().x + width, 1e-9);
    opened->close();

    AcDbDimStyleTableRecord* standard = nullptr;
    AcDbDimStyleTable* table = nullptr;
    ASSERT_EQ(db()->getDimStyleTable(table, AcDb::kForRead), Acad::eOk);
    ASSERT_EQ(table->getAt(L"Standard", standard, AcDb::kForRead), Acad::eOk);
    table->close();
    const double gap = standard->dimgap();
    standard->close();
    EXPECT_EQ(MavUtils::getDimGap(L"Standard"), gap);
    EXPECT_EQ(MavUtils::getDimGap(L"nothing"), 1.0);
    EXPECT_NE(transcript().find(L"Internal ARX ERROR"), std::wstring::npos);
}

TEST_F(Properties, LayerAndColourOfAnyEntity)
{
    AcDbObjectId layer;
    ASSERT_EQ(MavUtils::createLayer(L"钢筋", layer), Acad::eOk);
    const AcDbObjectId id = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
    EXPECT_EQ(MavUtils::changeDbEntityProperty(id, L"钢筋", 1, 3, 0), Acad::eOk);
    EXPECT_EQ(MavUtils::changeDbEntityColor(id, 5), Acad::eOk);
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenObject(ent, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(ent->layerId(), layer);
    EXPECT_EQ(ent->colorIndex(), 5);
    ent->close();
    MavUtils::deleteObj(id);
    EXPECT_EQ(MavUtils::changeDbEntityColor(id, 1), Acad::eWasErased);
    EXPECT_EQ(transcript(), L"\nchangeDbEntityProperty 出现异常!");
}

TEST_F(Properties, DimensionEditsChangeOnlyWhatTheyName)
{
    ASSERT_EQ(MavUtils::createBlockRecord(L"MavArrows"), Acad::eOk);
    const AcDbObjectId dim = addDimension();
    const AcDbObjectId line = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));

    EXPECT_EQ(MavUtils::changeDimensionArrow(dim, nullptr, L"MavArrows"), Acad::eOk);
    withDimension(dim, [](AcDbAlignedDimension* d) {
        EXPECT_TRUE(d->dimsah());
        EXPECT_TRUE(d->dimblk1().isNull());
        EXPECT_FALSE(d->dimblk2().isNull());
    });
    EXPECT_EQ(MavUtils::changeDimensionExtLinesStatus(dim, 5), Acad::eOk);
    withDimension(dim, [](AcDbAlignedDimension* d) { EXPECT_FALSE(d->dimse1() || d->dimse2()); });
    EXPECT_EQ(MavUtils::changeDimensionTextPositionAndExtLinesStatus(dim, AcGePoint3d(15, 12, 0), -1), Acad::eOk);
    withDimension(dim, [](AcDbAlignedDimension* d) {
        EXPECT_TRUE(d->dimse1());
        EXPECT_FALSE(d->dimse2());
        EXPECT_EQ(d->dimtmove(), 2);
        EXPECT_EQ(d->textPosition(), AcGePoint3d(15, 12, 0));
    });
    EXPECT_EQ(MavUtils::changeDimensionExtLinesOffset(dim, 2, 1.5), Acad::eOk);
    EXPECT_EQ(MavUtils::changeDimensionExtLinesOffset(dim, 1, 0.25), Acad::eOk);
    withDimension(dim, [](AcDbAlignedDimension* d) {
        EXPECT_EQ(d->dimexe(), 1.5);
        EXPECT_EQ(d->dimexo(), 0.25);
    });
    EXPECT_EQ(MavUtils::changeDimensionTextPositionAndRotation(dim, AcGePoint3d(1, 2, 0), 0.5, 1), Acad::eOk);
    EXPECT_EQ(MavUtils::changeDimensionText(dim, L"{\\W0.7;<>}"), Acad::eOk);
    const AcDbObjectId style = MavUtils::createNewTextStyle(L"DM", 2, 3.5, 0.7, L"fsdb_e.shx", L"fsdb.shx");
    EXPECT_EQ(MavUtils::changeDimensionTextStyle(dim, L"DM"), Acad::eOk);
    EXPECT_EQ(MavUtils::changeDimensionTextStyle(dim, L"nothing"), Acad::eKeyNotFound);
    withDimension(dim, [&](AcDbAlignedDimension* d) {
        EXPECT_EQ(d->dimtmove(), 1);
        EXPECT_EQ(d->textRotation(), 0.5);
        EXPECT_EQ(d->dimensionTextString(), L"{\\W0.7;<>}");
        EXPECT_EQ(d->dimtxsty(), style);
    });

    // Refusals: an empty text before anything is opened, selector 0 likewise, and not a dimension.
    MavUtils::deleteObj(line);
    EXPECT_EQ(MavUtils::changeDimensionText(line, L""), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::changeDimensionExtLinesStatus(line, 0), Acad::eOk);
    EXPECT_EQ(MavUtils::changeDimensionExtLinesOffset(line, 0, 1.0), Acad::eOk);
    EXPECT_EQ(MavUtils::changeDimensionText(line, L"x"), Acad::eWasErased);
    const AcDbObjectId other = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
    EXPECT_EQ(MavUtils::changeDimensionTextPosition(other, AcGePoint3d(1, 1, 0)), Acad::eInvalidInput);
}

TEST_F(Properties, TheOutlineOfADimensionTextLeavesNothingBehind)
{
    const AcDbObjectId dim = addDimension();
    AcArray<AcGePoint3d> outline;
    AcDbAlignedDimension* d = nullptr;
    ASSERT_EQ(acdbOpenObject(d, dim, AcDb::kForWrite), Acad::eOk);
    const AcGePoint3d at = d->textPosition();
    MavUtils::dimentionTextCornerPoints(d, outline);
    d->close();
    ASSERT_EQ(outline.length(), 5);
    EXPECT_EQ(outline[0], outline[4]);
    // Centred on the text position.
    EXPECT_NEAR((outline[0].x + outline[2].x) / 2, at.x, 1e-9);
    EXPECT_GT(outline[1].x - outline[0].x, 0.0);
    EXPECT_EQ(entitiesOf(db()->modelSpaceId()), (std::vector<AcDbObjectId>{dim}));
}
