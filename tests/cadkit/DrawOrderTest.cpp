// Draw order: the SORTENTS switch and entities moved to the top or above another one in the
// draw-order table of their block, the table made where the block has none.
#include "CadkitFixture.h"

#include "MavUtils.h"

#include "AcDbDictionary.h"
#include "AcDbLine.h"
#include "AcDbSortentsTable.h"
#include "aced.h"

namespace {

short sortents()
{
    resbuf value{};
    acedGetVar(L"SORTENTS", &value);
    return value.resval.rint;
}

void setSortents(short value)
{
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = value;
    ASSERT_EQ(acedSetVar(L"SORTENTS", &rb), RTNORM);
}

} // namespace

class DrawOrder : public CadkitFixture {
protected:
    void SetUp() override
    {
        CadkitFixture::SetUp();
        for (AcDbObjectId& id : mLines)
            id = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
    }

    // The model-space draw order, bottom first, read from its table.
    std::vector<AcDbObjectId> drawOrder() const
    {
        AcDbBlockTableRecord* ms = nullptr;
        EXPECT_EQ(acdbOpenObject(ms, db()->modelSpaceId(), AcDb::kForRead), Acad::eOk);
        const AcDbObjectId dictId = ms->extensionDictionary();
        ms->close();
        AcDbDictionary* dict = nullptr;
        EXPECT_EQ(acdbOpenObject(dict, dictId, AcDb::kForRead), Acad::eOk);
        AcDbObjectId tableId;
        EXPECT_EQ(dict->getAt(L"ACAD_SORTENTS", tableId), Acad::eOk);
        dict->close();
        AcDbSortentsTable* table = nullptr;
        EXPECT_EQ(acdbOpenObject(table, tableId, AcDb::kForRead), Acad::eOk);
        AcDbObjectIdArray ids;
        table->getFullDrawOrder(ids);
        EXPECT_EQ(table->blockId(), db()->modelSpaceId());
        table->close();
        return std::vector<AcDbObjectId>(ids.begin(), ids.end());
    }

    AcDbObjectId mLines[3];
};

TEST_F(DrawOrder, SendTopMakesTheBlocksTableWhenMissingAndMovesTheEntityToTheTop)
{
    const auto& [a, b, c] = mLines;
    EXPECT_EQ(MavUtils::sendTop(a), 1);
    EXPECT_EQ(drawOrder(), (std::vector<AcDbObjectId>{b, c, a}));
    EXPECT_EQ(MavUtils::sendTop(b), 1);
    EXPECT_EQ(drawOrder(), (std::vector<AcDbObjectId>{c, a, b}));
}

TEST_F(DrawOrder, SendAboveMovesTheEntityJustAboveTheTarget)
{
    const auto& [a, b, c] = mLines;
    EXPECT_EQ(MavUtils::sendAbove(a, b), 1);
    EXPECT_EQ(drawOrder(), (std::vector<AcDbObjectId>{b, a, c}));
}

TEST_F(DrawOrder, AnEntityThatDoesNotOpenIsNotMoved)
{
    MavUtils::deleteObj(mLines[0]);
    EXPECT_EQ(MavUtils::sendTop(mLines[0]), 0);
    EXPECT_EQ(MavUtils::sendAbove(mLines[0], mLines[1]), 0);
    EXPECT_EQ(MavUtils::sendTop(AcDbObjectId::kNull), 0);
}

TEST_F(DrawOrder, SortentsSwitchSetsTheLowSevenBitsOnlyWhenOneIsMissing)
{
    for (const auto& [before, after] : {std::pair<short, short>{0, 127}, {5, 127}, {127, 127}}) {
        setSortents(before);
        MavUtils::configureSortents();
        EXPECT_EQ(sortents(), after) << before;
    }
}
