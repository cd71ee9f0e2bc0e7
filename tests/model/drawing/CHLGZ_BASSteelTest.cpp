// Drawing-side bar records: resets and column texts, the copy rule that carries design fields
// and ids but not geometry, geometry that survives the growth of its array, transforms and the
// collection of entity ids.
#include "CHLGZ_LPBSteel.h"
#include "CHLGZ_LTLSteel.h"
#include "CHLGZ_LUBSteel.h"
#include "CHLGZ_LUPSteel.h"
#include "CHLGZ_LUTSteel.h"
#include "CHLGZ_PAFSteel.h"
#include "DrawingDbFixture.h"

#include <cmath>
#include <numbers>

using CHLGZ_BASSteelTest = DrawingDbTest;

namespace {

// A bar with everything set: design fields, geometry, ids, flags, mark texts and lengths.
void FillBar(CHLGZ_BASSteel& bar, AcDbObjectId first, AcDbObjectId second)
{
    bar.SetTag(12);
    bar.SetBendType(3);
    bar.SetBarType(2);
    bar.SetDiameter(32);
    bar.SetColumnText(L"0110");
    bar.GetFirstPoints().append(AcGePoint3d(0, 0, 0));
    bar.GetFirstPoints().append(AcGePoint3d(100, 0, 0));
    bar.GetFirstRadii().append(0);
    bar.GetFirstRadii().append(0);
    bar.GetSecondPoints().append(AcGePoint3d(0, 50, 0));
    bar.GetSecondRadii().append(0);
    bar.SetFirstId(first);
    bar.SetSecondId(second);
    bar.SetStartFlag(1);
    bar.SetEndFlag(1);
    bar.SetFirstMarkText(L"7");
    bar.SetSecondMarkText(L"7'");
    bar.GetFirstLengths().append(1.5);
    bar.GetSecondLengths().append(2.5);
    bar.SetMarkPoint(AcGePoint2d(5, 6));
}

void ExpectCarried(const CHLGZ_BASSteel& copy, const CHLGZ_BASSteel& source)
{
    EXPECT_EQ(copy.GetTag(), source.GetTag());
    EXPECT_EQ(copy.GetBendType(), source.GetBendType());
    EXPECT_EQ(copy.GetKind(), source.GetKind());
    EXPECT_EQ(copy.GetBarType(), source.GetBarType());
    EXPECT_EQ(copy.GetDiameter(), source.GetDiameter());
    EXPECT_EQ(copy.GetColumnText(), source.GetColumnText());
    EXPECT_EQ(copy.GetFirstId(), source.GetFirstId());
    EXPECT_EQ(copy.GetSecondId(), source.GetSecondId());
    EXPECT_EQ(copy.GetMarkPoint(), source.GetMarkPoint());
}

} // namespace

TEST(CHLGZ_BASSteel, ResetFitsTheColumnTextToTwentyColumns)
{
    struct Case {
        const wchar_t* before;
        const wchar_t* after;
    } cases[] = {
        {L"1010101010101010101010101", L"10101010101010101010"},
        {L"010", L"01011111111111111111"},
    };
    for (const Case& c : cases) {
        CHLGZ_LUBSteel bar;
        EXPECT_EQ(bar.GetColumnText(), CString(L"11111111111111111111"));
        bar.SetColumnText(c.before);
        bar.SetDiameter(12);
        bar.GetFirstPoints().append(AcGePoint3d(1, 1, 0));
        bar.SetStartFlag(1);
        bar.Reset();
        EXPECT_EQ(bar.GetColumnText(), CString(c.after));
        EXPECT_EQ(bar.GetKind(), 6);
        EXPECT_EQ(bar.GetDiameter(), 28);
        EXPECT_EQ(bar.GetBarType(), 1);
        EXPECT_TRUE(bar.GetFirstPoints().isEmpty());
        EXPECT_EQ(bar.GetStartFlag(), 0);
    }
}

TEST(CHLGZ_BASSteel, SetColumnCountClearsTheFirstColumnOfOtherKinds)
{
    CHLGZ_LUBSteel lower;    // kind 6
    CHLGZ_LUPSteel top;      // kind 2
    CHLGZ_LTLSteel plate;    // kind 0
    CHLGZ_LPBSteel support;  // kind 7
    struct Case {
        CHLGZ_BASSteel* bar;
        int n, flag;
        const wchar_t* after;
    } cases[] = {
        {&lower, 5, 1, L"01111"}, {&top, 5, 1, L"11111"},  {&plate, 5, 1, L"11111"},
        {&lower, 5, 0, L"11111"}, {&support, 22, 1, L"0111111111111111111111"},
        {&support, 0, 1, L""},    {&support, -1, 1, L""},
    };
    for (const Case& c : cases) {
        c.bar->SetColumnText(L"11111111111111111111");
        if (c.n < 0)
            c.bar->SetColumnText(L"");
        c.bar->SetColumnCount(c.n, c.flag);
        EXPECT_EQ(c.bar->GetColumnText(), CString(c.after)) << c.bar->GetKind() << " " << c.n;
    }
}

TEST_F(CHLGZ_BASSteelTest, CopiesCarryDesignFieldsAndIdsButNotGeometry)
{
    const AcDbObjectId first = AddLine(), second = AddLine();
    CHLGZ_LUTSteel source;
    FillBar(source, first, second);
    source.GetPoints().append(AcGePoint2d(700, 900));
    source.SetBarBendType(2);

    const CHLGZ_LUTSteel copy(source);
    ExpectCarried(copy, source);
    EXPECT_EQ(copy.GetPoints().length(), 1);
    EXPECT_EQ(copy.GetBarBendType(), 2);
    EXPECT_TRUE(copy.GetFirstPoints().isEmpty());
    EXPECT_TRUE(copy.GetSecondPoints().isEmpty());
    EXPECT_TRUE(copy.GetFirstRadii().isEmpty());
    EXPECT_EQ(copy.GetStartFlag(), 0);
    EXPECT_TRUE(copy.GetFirstMarkText().IsEmpty());
    EXPECT_TRUE(copy.GetFirstLengths().isEmpty());

    // An assigned record keeps the geometry it had.
    CHLGZ_LUTSteel target;
    target.GetFirstPoints().append(AcGePoint3d(9, 9, 0));
    target.SetSecondMarkText(L"3");
    target = source;
    ExpectCarried(target, source);
    ASSERT_EQ(target.GetFirstPoints().length(), 1);
    EXPECT_EQ(target.GetFirstPoints()[0], AcGePoint3d(9, 9, 0));
    EXPECT_EQ(target.GetSecondMarkText(), CString(L"3"));
}

// The drawing classes fill a record inside its list and go on appending to the list: the
// record must keep what was computed into it.
TEST(CHLGZ_BASSteel, GeometrySurvivesTheGrowthOfItsArray)
{
    CArray<CHLGZ_LUBSteel, const CHLGZ_LUBSteel&> bars;
    bars.Add(CHLGZ_LUBSteel());
    CHLGZ_LUBSteel& placed = bars[0];
    placed.GetFirstPoints().append(AcGePoint3d(1, 2, 0));
    placed.GetFirstRadii().append(0);
    placed.SetFirstMarkText(L"5");
    placed.GetPoints().append(AcGePoint3d(300, 400, 50));
    for (int i = 0; i < 200; ++i)
        bars.Add(CHLGZ_LUBSteel());
    bars.InsertAt(0, CHLGZ_LUBSteel(), 3);
    bars.SetSize(500);

    ASSERT_EQ(&bars[3], &placed);
    EXPECT_EQ(bars[3].GetFirstPoints().length(), 1);
    EXPECT_EQ(bars[3].GetFirstPoints()[0], AcGePoint3d(1, 2, 0));
    EXPECT_EQ(bars[3].GetFirstMarkText(), CString(L"5"));
    EXPECT_EQ(bars[3].GetPointZAt(0), 50.0);
}

TEST(CHLGZ_BASSteel, TransformMovesTheChosenListsOnly)
{
    const AcGeMatrix3d shift = AcGeMatrix3d::translation(AcGeVector3d(10, 20, 0));
    for (int first : {0, 1})
        for (int second : {0, 1}) {
            CHLGZ_PAFSteel bar;
            bar.GetFirstPoints().append(AcGePoint3d(1, 1, 0));
            bar.GetFirstRadii().append(4);
            bar.GetSecondPoints().append(AcGePoint3d(2, 2, 0));
            bar.Transform(shift, first, second);
            EXPECT_EQ(bar.GetFirstPoints()[0], first ? AcGePoint3d(11, 21, 0) : AcGePoint3d(1, 1, 0));
            EXPECT_EQ(bar.GetSecondPoints()[0], second ? AcGePoint3d(12, 22, 0) : AcGePoint3d(2, 2, 0));
            EXPECT_EQ(bar.GetFirstRadii()[0], 4.0);
        }
    CHLGZ_PAFSteel bar;
    bar.GetFirstPoints().append(AcGePoint3d(1, 0, 0));
    bar.Transform(AcGeMatrix3d::rotation(std::numbers::pi / 2, AcGeVector3d(0, 0, 1), AcGePoint3d(0, 0, 0)), 1, 1);
    EXPECT_NEAR(bar.GetFirstPoints()[0].x, 0.0, 1e-12);
    EXPECT_NEAR(bar.GetFirstPoints()[0].y, 1.0, 1e-12);
}

TEST_F(CHLGZ_BASSteelTest, CollectEntityIdsPairsEachIdWithTheTag)
{
    const AcDbObjectId drawn = AddLine();
    CHLGZ_LTLSteel bar;
    bar.SetTag(14);
    bar.SetFirstId(drawn);

    AcDbObjectIdArray ids;
    AcGeIntArray tags;
    bar.CollectEntityIds(ids, tags, 1);
    ASSERT_EQ(ids.length(), 1);
    EXPECT_EQ(ids[0], drawn);
    EXPECT_EQ(tags[0], 14);

    bar.CollectEntityIds(ids, tags, 0);
    ASSERT_EQ(ids.length(), 3);
    EXPECT_EQ(ids[1], drawn);
    EXPECT_TRUE(ids[2].isNull());
    EXPECT_EQ(tags.length(), 3);
    EXPECT_EQ(tags[2], 14);
}

TEST(CHLGZ_BASSteel, PerSupportPointsFromTheDesignsReals)
{
    CArray<double, const double&> reals;
    for (double r : {1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0})
        reals.Add(r);
    CHLGZ_LUTSteel upper;
    upper.SetPointsFromReals(reals);
    ASSERT_EQ(upper.GetPoints().length(), 3);
    EXPECT_EQ(upper.GetPointX(-1), 5.0);
    EXPECT_EQ(upper.GetPointY(1), 4.0);
    upper.SetPointY(-1, 99999);
    upper.SetPointX(0, 10);
    EXPECT_EQ(upper.GetPoints()[2], AcGePoint2d(5, 99999));
    EXPECT_EQ(upper.GetPoints()[0], AcGePoint2d(10, 2));

    CHLGZ_LUBSteel lower;
    lower.SetPointsFromReals(reals);
    ASSERT_EQ(lower.GetPoints().length(), 2);
    EXPECT_EQ(lower.GetPointZAt(1), 6.0);
    // Filling again replaces the points.
    reals.SetSize(3);
    lower.SetPointsFromReals(reals);
    EXPECT_EQ(lower.GetPoints().length(), 1);
}
