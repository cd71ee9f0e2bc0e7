// Draw order: the SORTENTS switch and entities moved to the top or above another one in the
// draw-order table of their block, the table made where the block has none.
#include "CadkitFixture.h"

#include "MavUtils.h"

#include "AcDbLine.h"
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

    AcDbObjectId mLines[3];
};

TEST_F(DrawOrder, SendTopMakesTheBlocksTableWhenMissingAndMovesTheEntityToTheTop)
{
    const auto& [a, b, c] = mLines;
    EXPECT_EQ(MavUtils::sendTop(a), 1);
    EXPECT_EQ(tableDrawOrder(), (std::vector<AcDbObjectId>{b, c, a}));
    EXPECT_EQ(MavUtils::sendTop(b), 1);
    EXPECT_EQ(tableDrawOrder(), (std::vector<AcDbObjectId>{c, a, b}));
}

TEST_F(DrawOrder, SendAboveMovesTheEntityJustAboveTheTarget)
{
    const auto& [a, b, c] = mLines;
    EXPECT_EQ(MavUtils::sendAbove(a, b), 1);
    EXPECT_EQ(tableDrawOrder(), (std::vector<AcDbObjectId>{b, a, c}));
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
