// Array and point helpers of the geometry code: searches with each element type's equality,
// extremes, sorts by a key, the two thinning rules, reversing, midpoints and lifted points.
#include "ArrayOf.h"
#include "MavUtils.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

AcDbObjectId idOf(int value)
{
    AcDbObjectId id;
    id.setFromOldId(value);
    return id;
}

TEST(ArrayPointHelpers, IntervalSearchOfIntegersAndIds)
{
    const AcArray<int> bounds = arrayOf({0, 10, 20});
    const struct {
        int value;
        int expected;
    } cases[] = {{0, 0}, {10, 1}, {19, 1}, {20, -1}, {-5, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(MavUtils::positionInAcArray(c.value, bounds), c.expected) << c.value;
    EXPECT_EQ(MavUtils::positionInAcArray(5, arrayOf({5})), -1);

    // Ids follow their ordering; which id is smaller is the host's affair, so sort first.
    AcArray<AcDbObjectId> ids = arrayOf({idOf(0x30), idOf(0x10), idOf(0x20)});
    MavUtils::sortAcArray(ids, 1);
    EXPECT_TRUE(ids[0] < ids[1] && ids[1] < ids[2]);
    EXPECT_EQ(MavUtils::positionInAcArray(ids[1], ids), 1);
    EXPECT_EQ(MavUtils::positionInAcArray(ids[2], ids), -1);
    MavUtils::sortAcArray(ids, 0);
    EXPECT_TRUE(ids[2] < ids[1] && ids[1] < ids[0]);
}

TEST(ArrayPointHelpers, PointSearchesGiveTheLastEqualPoint)
{
    const AcArray<AcGePoint3d> points
        = arrayOf({AcGePoint3d(1, 1, 1), AcGePoint3d(2, 2, 2), AcGePoint3d(1, 1, 1 + 1e-12)});
    EXPECT_EQ(MavUtils::positionInAcArray(AcGePoint3d(1, 1, 1), points), 2);
    EXPECT_EQ(MavUtils::positionInAcArray(AcGePoint3d(9, 9, 9), points), -1);
    const AcArray<AcGePoint2d> plan = arrayOf({AcGePoint2d(0, 0), AcGePoint2d(3, 4), AcGePoint2d(0, 0)});
    EXPECT_EQ(MavUtils::positionInAcArray(AcGePoint2d(0, 0), plan), 2);
    EXPECT_EQ(MavUtils::positionInAcArray(AcGePoint2d(3, 4), plan), 1);

    int index = 9;
    EXPECT_EQ(MavUtils::isMemberOfAcArray(AcGePoint3d(2, 2, 2), points, index), 1);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(MavUtils::isMemberOfAcArray(AcGePoint3d(2, 2, 3), points, index), 0);
    EXPECT_EQ(index, -1);
}

TEST(ArrayPointHelpers, MembershipOfNumbersEndsAtTheLastMatch)
{
    int index = 9;
    EXPECT_EQ(MavUtils::isMemberOfAcArray(4, arrayOf({4, 7, 4}), index), 1);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(MavUtils::isMemberOfAcArray(5, arrayOf({4, 7, 4}), index), 0);
    EXPECT_EQ(index, -1);
    EXPECT_EQ(MavUtils::isMemberOfAcArray(2.0000005, arrayOf({2.0, 3.0}), index), 1);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(MavUtils::isMemberOfAcArray(2.000002, arrayOf({2.0, 3.0}), index), 0);
    EXPECT_EQ(index, -1);
}

TEST(ArrayPointHelpers, ExtremesGiveTheFirstOfEqualValues)
{
    EXPECT_EQ(MavUtils::postionOfMinMaxValueInAcArray(arrayOf({3.0, 1.0, 1.0, 5.0}), 1), 1);
    EXPECT_EQ(MavUtils::postionOfMinMaxValueInAcArray(arrayOf({3.0, 1.0, 1.0, 5.0}), 0), 3);
    EXPECT_EQ(MavUtils::postionOfMinMaxValueInAcArray(arrayOf({5, 2, 5}), 0), 0);
    EXPECT_EQ(MavUtils::postionOfMinMaxValueInAcArray(arrayOf({5, 2, 2}), 1), 1);
    EXPECT_EQ(MavUtils::postionOfMinMaxValueInAcArray(AcArray<double>(), 1), 0);
}

TEST(ArrayPointHelpers, PointsSortByOneCoordinate)
{
    const AcArray<AcGePoint2d> plan = arrayOf({AcGePoint2d(3, 0), AcGePoint2d(1, 5), AcGePoint2d(2, 2)});
    const std::vector<AcGePoint2d> expected{AcGePoint2d(1, 5), AcGePoint2d(2, 2), AcGePoint2d(3, 0)};
    AcArray<AcGePoint2d> byX = plan;
    EXPECT_EQ(MavUtils::sortAcArray(byX, 1, 1), 1);
    EXPECT_EQ(vectorOf(byX), expected);
    AcArray<AcGePoint2d> byYDown = plan;
    EXPECT_EQ(MavUtils::sortAcArray(byYDown, 0, 0), 1);
    EXPECT_EQ(vectorOf(byYDown), expected);

    // z plays no part.
    AcArray<AcGePoint3d> points = arrayOf({AcGePoint3d(0, 2, 1), AcGePoint3d(5, 1, 9), AcGePoint3d(1, 3, 0)});
    MavUtils::sortAcArray(points, 0, 1);
    EXPECT_EQ(vectorOf(points),
        (std::vector<AcGePoint3d>{AcGePoint3d(5, 1, 9), AcGePoint3d(0, 2, 1), AcGePoint3d(1, 3, 0)}));
    MavUtils::sortAcArray(points, 1, 0);
    EXPECT_EQ(points[0], AcGePoint3d(5, 1, 9));
    EXPECT_EQ(points[2], AcGePoint3d(0, 2, 1));
}

TEST(ArrayPointHelpers, ThinningRemovesLaterRepeatsOrNearNeighbours)
{
    AcArray<int> ints = arrayOf({5, 5, 7});
    MavUtils::purgeAcArray(ints);
    EXPECT_EQ(vectorOf(ints), (std::vector<int>{5, 7}));
    // The scan moves on after a removal, so one of three equal values stays repeated.
    ints = arrayOf({5, 5, 5});
    MavUtils::purgeAcArray(ints);
    EXPECT_EQ(vectorOf(ints), (std::vector<int>{5, 5}));
    ints = arrayOf({1, 2, 1, 3, 2});
    MavUtils::purgeAcArray(ints);
    EXPECT_EQ(vectorOf(ints), (std::vector<int>{1, 2, 3}));

    // Each run of near-equal reals keeps its last value.
    AcArray<double> reals = arrayOf({1.0, 2.0, 2.0000001, 3.0});
    MavUtils::purgeAcArray(reals);
    EXPECT_EQ(vectorOf(reals), (std::vector<double>{1.0, 2.0000001, 3.0}));
    reals = arrayOf({1.0, 1.0000004, 1.0000008, 4.0, 4.0});
    MavUtils::purgeAcArray(reals);
    EXPECT_EQ(vectorOf(reals), (std::vector<double>{1.0000008, 4.0}));
    reals = arrayOf({2.5});
    MavUtils::purgeAcArray(reals);
    EXPECT_EQ(vectorOf(reals), (std::vector<double>{2.5}));
}

TEST(ArrayPointHelpers, ClearReverseAndSwap)
{
    AcArray<double> reals = arrayOf({1.0, 2.0, 3.0});
    MavUtils::reverseDataInArray(reals);
    EXPECT_EQ(vectorOf(reals), (std::vector<double>{3.0, 2.0, 1.0}));
    AcArray<AcDbObjectId> ids = arrayOf({idOf(1), idOf(2)});
    MavUtils::reverseDataInArray(ids);
    EXPECT_EQ(vectorOf(ids), (std::vector<AcDbObjectId>{idOf(2), idOf(1)}));

    MavUtils::clearArray(reals);
    AcArray<AcGePoint2d> plan = arrayOf({AcGePoint2d(1, 1)});
    MavUtils::clearArray(plan);
    AcArray<double> empty;
    MavUtils::clearArray(empty);
    EXPECT_TRUE(reals.isEmpty() && plan.isEmpty() && empty.isEmpty());

    double a = 1.0, b = 2.0;
    MavUtils::swapValue(a, b);
    int i = 1, j = 2;
    MavUtils::swapValue(i, j);
    AcGePoint2d p(1, 1), q(2, 2);
    MavUtils::swapGePoint2d(p, q);
    EXPECT_TRUE(a == 2.0 && b == 1.0 && i == 2 && j == 1 && p == AcGePoint2d(2, 2) && q == AcGePoint2d(1, 1));
}

TEST(ArrayPointHelpers, MidpointsAndLiftedPoints)
{
    EXPECT_EQ(MavUtils::middlePointAcGePoint3d(AcGePoint3d(0, 2, 4), AcGePoint3d(2, 4, 8)), AcGePoint3d(1, 3, 6));
    EXPECT_EQ(MavUtils::middlePointAcGePoint2d(AcGePoint2d(-2, 2), AcGePoint2d(2, 4)), AcGePoint2d(0, 3));
    EXPECT_EQ(MavUtils::fromAcGePoint2d(AcGePoint2d(1, 2), 7.5), AcGePoint3d(1, 2, 7.5));
    EXPECT_EQ(vectorOf(MavUtils::fromAcGePoint2dArray(arrayOf({AcGePoint2d(1, 2), AcGePoint2d(3, 4)}))),
        (std::vector<AcGePoint3d>{AcGePoint3d(1, 2, 0), AcGePoint3d(3, 4, 0)}));
    EXPECT_TRUE(MavUtils::fromAcGePoint2dArray(AcArray<AcGePoint2d>()).isEmpty());
}

TEST(ArrayPointHelpers, TextSearchIgnoresCase)
{
    CStringArray texts;
    texts.Add(L"xyz");
    texts.Add(L"ABC");
    texts.Add(L"abc");
    EXPECT_EQ(MavUtils::positionInCArray(L"abc", texts), 1);
    EXPECT_EQ(MavUtils::positionInCArray(L"ab", texts), -1);
    EXPECT_EQ(MavUtils::positionInCArray(L"abc", CStringArray()), -1);
}

} // namespace
