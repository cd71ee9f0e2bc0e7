// Text masks: a wipeout over a text's box, directly under the text in the draw order; a host
// without wipeouts makes no mask and moves nothing; wipeout frames turned off and on again.
#include "CadkitFixture.h"

#include "MavUtils.h"

#include "AcDbDictionary.h"
#include "AcDbLine.h"
#include "AcDbSortentsTable.h"
#include "AcDbText.h"
#include "AcDbWipeout.h"
#include "AcDbWipeoutVariables.h"
#include "AcGeMatrix3d.h"
#include "TextMetrics.h"
#include "aced.h"

#include <cmath>

namespace {

// The model-space draw order, bottom first: the block's own order until it has a table.
std::vector<AcDbObjectId> drawOrder(AcDbDatabase* pDb)
{
    AcDbBlockTableRecord* ms = nullptr;
    EXPECT_EQ(acdbOpenObject(ms, pDb->modelSpaceId(), AcDb::kForRead), Acad::eOk);
    const AcDbObjectId dictId = ms->extensionDictionary();
    std::vector<AcDbObjectId> order;
    for (const AcDbObjectId& id : ms->entityIds()) {
        if (!id.isErased())
            order.push_back(id);
    }
    ms->close();
    AcDbDictionary* dict = nullptr;
    AcDbObjectId tableId;
    if (dictId.isNull() || acdbOpenObject(dict, dictId, AcDb::kForRead) != Acad::eOk)
        return order;
    const bool hasTable = dict->getAt(L"ACAD_SORTENTS", tableId) == Acad::eOk;
    dict->close();
    AcDbSortentsTable* table = nullptr;
    if (!hasTable || acdbOpenObject(table, tableId, AcDb::kForRead) != Acad::eOk)
        return order;
    AcDbObjectIdArray ids;
    table->getFullDrawOrder(ids);
    table->close();
    return std::vector<AcDbObjectId>(ids.begin(), ids.end());
}

// The mask's polygon in model coordinates.
std::vector<AcGePoint3d> maskPolygon(AcDbObjectId maskId)
{
    AcDbWipeout* mask = nullptr;
    EXPECT_EQ(acdbOpenObject(mask, maskId, AcDb::kForRead), Acad::eOk);
    std::vector<AcGePoint3d> polygon;
    if (mask == nullptr)
        return polygon;
    EXPECT_EQ(mask->clipBoundaryType(), AcDbRasterImage::kPoly);
    EXPECT_TRUE(mask->isSetDisplayOpt(AcDbRasterImage::kTransparent));
    EXPECT_FALSE(mask->isSetDisplayOpt(AcDbRasterImage::kShow));
    AcGeMatrix3d pixelToModel;
    mask->getPixelToModelTransform(pixelToModel);
    for (const AcGePoint2d& p : mask->clipBoundary())
        polygon.push_back(AcGePoint3d(p.x, p.y, 0.0).transformBy(pixelToModel));
    mask->close();
    return polygon;
}

// Inside or on a convex polygon of either orientation, within a small tolerance.
bool covers(const std::vector<AcGePoint3d>& polygon, const AcGePoint3d& p)
{
    int sign = 0;
    for (std::size_t i = 0; i + 1 < polygon.size(); ++i) {
        const AcGeVector3d edge = polygon[i + 1] - polygon[i];
        if (edge.length() < 1e-12)
            continue;
        const double cross = edge.x * (p.y - polygon[i].y) - edge.y * (p.x - polygon[i].x);
        if (std::fabs(cross) / edge.length() < 1e-6)
            continue;
        const int s = cross > 0 ? 1 : -1;
        if (sign != 0 && s != sign)
            return false;
        sign = s;
    }
    return true;
}

double area(const std::vector<AcGePoint3d>& polygon)
{
    double twice = 0.0;
    for (std::size_t i = 0; i + 1 < polygon.size(); ++i)
        twice += polygon[i].x * polygon[i + 1].y - polygon[i + 1].x * polygon[i].y;
    return std::fabs(twice) / 2.0;
}

} // namespace

class TextMask : public CadkitFixture {
protected:
    AcDbObjectId addText(const wchar_t* text, double rotation)
    {
        auto* t = new AcDbText(mPosition, text, db()->textstyle(), mHeight, rotation);
        return add(t);
    }

    const AcGePoint3d mPosition {40.0, 25.0, 0.0};
    const double mHeight = 3.5;
};

TEST_F(TextMask, AMaskCoversARotatedTextsBoxAndLiesDirectlyUnderIt)
{
    const wchar_t* const text = L"N12 gjpq 钢筋";
    const double rotation = kPi / 6.0;
    const AcDbObjectId before = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(100, 100, 0)));
    const AcDbObjectId textId = addText(text, rotation);
    const AcDbObjectId after = add(new AcDbLine(AcGePoint3d(0, 100, 0), AcGePoint3d(100, 0, 0)));

    AcDbObjectId maskId;
    ASSERT_EQ(MavUtils::createMaskForAcDbText(maskId, textId), Acad::eOk);
    ASSERT_FALSE(maskId.isNull());

    // The text's box, worked out from the font metrics in the text's own frame.
    const TextMetrics::Box box = TextMetrics::box(text, mHeight);
    const AcGeVector3d u(std::cos(rotation), std::sin(rotation), 0.0);
    const AcGeVector3d v(-std::sin(rotation), std::cos(rotation), 0.0);
    const std::vector<AcGePoint3d> polygon = maskPolygon(maskId);
    ASSERT_EQ(polygon.size(), 5u);
    for (double x : {box.minX, box.maxX}) {
        for (double y : {box.minY, box.maxY})
            EXPECT_TRUE(covers(polygon, mPosition + u * x + v * y)) << x << "," << y;
    }
    // Covering, not swallowing its neighbours: the mask is the box.
    EXPECT_NEAR(area(polygon), box.width() * box.height(), 1e-6 * box.width() * box.height());

    EXPECT_EQ(drawOrder(db()), (std::vector<AcDbObjectId>{before, after, maskId, textId}));
}

TEST_F(TextMask, WithoutTheHostsWipeoutClassThereIsNoMaskAndNothingMoves)
{
    const AcDbObjectId textId = addText(L"N3", 0.0);
    const AcDbObjectId line = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
    AcRxObject* classes = app().sysRegistry().remove(ACRX_CLASS_DICTIONARY);
    ASSERT_NE(classes, nullptr);
    // A caller's id left from an earlier mask must not be sent to the top.
    AcDbObjectId maskId = line;
    const Acad::ErrorStatus es = MavUtils::createMaskForAcDbText(maskId, textId);
    app().sysRegistry().atPut(ACRX_CLASS_DICTIONARY, classes);
    EXPECT_NE(es, Acad::eOk);
    EXPECT_EQ(maskId, line);
    EXPECT_EQ(drawOrder(db()), (std::vector<AcDbObjectId>{textId, line}));

    // The polygon form itself answers success with nothing made, as its callers expect.
    AcArray<AcGePoint3d> square;
    for (const AcGePoint3d& p : {AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(1, 1, 0)})
        square.append(p);
    app().sysRegistry().remove(ACRX_CLASS_DICTIONARY);
    AcDbObjectId id = line;
    EXPECT_EQ(MavUtils::createAcDbRasterImage(id, square), Acad::eOk);
    app().sysRegistry().atPut(ACRX_CLASS_DICTIONARY, classes);
    EXPECT_EQ(id, line);
    EXPECT_EQ(entitiesOf(db()->modelSpaceId()).size(), 2u);
}

TEST_F(TextMask, OnlyAnOpenedSingleLineTextGetsAMask)
{
    const AcDbObjectId line = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
    const AcDbObjectId erased = addText(L"X", 0.0);
    MavUtils::deleteObj(erased);
    AcDbObjectId maskId;
    EXPECT_EQ(MavUtils::createMaskForAcDbText(maskId, line), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::createMaskForAcDbText(maskId, erased), Acad::eWasErased);
    EXPECT_EQ(MavUtils::createMaskForAcDbText(maskId, AcDbObjectId::kNull), Acad::eInvalidInput);
    EXPECT_TRUE(maskId.isNull());
    EXPECT_EQ(entitiesOf(db()->modelSpaceId()), (std::vector<AcDbObjectId>{line}));
}

TEST_F(TextMask, WipeoutFramesGoOffWithEchoRestoredAndComeOnAgain)
{
    auto frames = [] {
        AcDbWipeoutVariables* vars = nullptr;
        EXPECT_EQ(acdbOpenObject(vars, AcDbWipeoutVariables::getOrCreate(db()), AcDb::kForRead), Acad::eOk);
        const bool shown = vars->displayFrame();
        vars->close();
        return shown;
    };
    resbuf echo{};
    echo.restype = RTSHORT;
    echo.resval.rint = 1;
    ASSERT_EQ(acedSetVar(L"CMDECHO", &echo), RTNORM);
    ASSERT_TRUE(frames());

    MavUtils::wipeoutFrameOff();
    EXPECT_FALSE(frames());
    resbuf now{};
    acedGetVar(L"CMDECHO", &now);
    EXPECT_EQ(now.resval.rint, 1);

    // The drawing run's closing command.
    EXPECT_EQ(acedCommand(RTSTR, L"wipeout", RTSTR, L"F", RTSTR, L"ON", 0), RTNORM);
    EXPECT_TRUE(frames());
}
