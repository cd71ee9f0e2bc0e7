// Helpers on arrays and points: reversing, clearing, sorting, searching, thinning and the
// conversions between point and array kinds.
#include "ArrayOf.h"
#include "MavUtils.h"

#include "acut.h"
#include "HostApplication.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

} // namespace

TEST(ArrayHelpers, ReverseAndClearWorkInPlace)
{
    AcArray<int> ints = arrayOf({1, 2, 3});
    MavUtils::reverseDataInArray(ints);
    EXPECT_EQ(vectorOf(ints), (std::vector<int>{3, 2, 1}));
    AcArray<AcGePoint2d> points2 = arrayOf({AcGePoint2d(0, 0), AcGePoint2d(1, 0)});
    MavUtils::reverseDataInArray(points2);
    EXPECT_EQ(points2[0], AcGePoint2d(1, 0));
    AcArray<AcGePoint3d> points3 = arrayOf({AcGePoint3d(0, 0, 1), AcGePoint3d(1, 0, 2)});
    MavUtils::reverseDataInArray(points3);
    EXPECT_EQ(points3[0], AcGePoint3d(1, 0, 2));

    MavUtils::clearArray(ints);
    MavUtils::clearArray(points3);
    AcArray<AcDbObjectId> ids;
    MavUtils::clearArray(ids);
    EXPECT_TRUE(ints.isEmpty() && points3.isEmpty() && ids.isEmpty());
}

TEST(ArrayHelpers, SortIsAscendingOrDescending)
{
    AcArray<int> ints = arrayOf({3, 1, 2});
    EXPECT_EQ(MavUtils::sortAcArray(ints, 1), 1);
    EXPECT_EQ(vectorOf(ints), (std::vector<int>{1, 2, 3}));
    AcArray<double> reals = arrayOf({3.0, 1.0, 2.0, 2.0});
    EXPECT_EQ(MavUtils::sortAcArray(reals, 0), 1);
    EXPECT_EQ(vectorOf(reals), (std::vector<double>{3.0, 2.0, 2.0, 1.0}));
}

TEST(ArrayHelpers, MembershipGivesTheLastEqualIndex)
{
    const AcGePoint2d p(1, 2);
    const AcArray<AcGePoint2d> points = arrayOf({AcGePoint2d(0, 0), p, AcGePoint2d(5, 5), p});
    int index = 7;
    EXPECT_EQ(MavUtils::isMemberOfAcArray(p, points, index), 1);
    EXPECT_EQ(index, 3);
    EXPECT_EQ(MavUtils::isMemberOfAcArray(AcGePoint2d(9, 9), points, index), 0);
    EXPECT_EQ(index, -1);

    AcDbObjectId a, b;
    a.setFromOldId(0x10);
    b.setFromOldId(0x20);
    EXPECT_EQ(MavUtils::isMemberOfAcArray(a, arrayOf({a, b, a}), index), 1);
    EXPECT_EQ(index, 2);
}

TEST(ArrayHelpers, PositionFindsTheIntervalOrTheLastValue)
{
    const struct {
        double value;
        std::vector<double> values;
        int expected;
    } cases[] = {
        {5.0, {0, 5}, 1},
        {2.5, {0, 5, 10}, 0},
        {-1.0, {0, 5}, -1},
        {10.0000001, {0, 5, 10}, 2},
        {10.1, {0, 5, 10}, -1},
        {0.0, {}, -1},
    };
    for (const auto& c : cases) {
        AcArray<double> values;
        for (double v : c.values)
            values.append(v);
        EXPECT_EQ(MavUtils::positionInAcArray(c.value, values), c.expected) << c.value;
    }
}

TEST(ArrayHelpers, VertexListsLoseTheRepeatedVertexWithoutAnArc)
{
    const AcGePoint3d a(0, 0, 0), b(5, 0, 0);
    const struct {
        std::vector<double> bulges;
        std::vector<int> keptIndexes;
    } cases[] = {
        {{0.0, 0.0, 0.0}, {0, 2}},
        {{0.5, 0.0, 0.0}, {0, 2}},
        {{0.0, 0.5, 0.0}, {1, 2}},
        {{0.3, 0.5, 0.0}, {0, 1, 2}},
    };
    for (const auto& c : cases) {
        AcArray<AcGePoint3d> points = arrayOf({a, a, b});
        AcArray<double> bulges;
        for (double bulge : c.bulges)
            bulges.append(bulge);
        AcArray<int> indexes = arrayOf({0, 1, 2});
        MavUtils::purgeAcArrayEx(points, bulges, indexes);
        EXPECT_EQ(vectorOf(indexes), c.keptIndexes) << c.bulges[0] << "," << c.bulges[1];
        EXPECT_EQ(points.length(), indexes.length());
        EXPECT_EQ(bulges.length(), indexes.length());
    }
}

TEST(ArrayHelpers, VertexListsOutOfStepAreReportedAndLeftAlone)
{
    HostApplication::instance().transcript().setEcho(nullptr);
    HostApplication::instance().transcript().clear();
    AcArray<AcGePoint3d> points = arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(0, 0, 0)});
    AcArray<double> bulges = arrayOf({0.0});
    AcArray<int> indexes = arrayOf({0, 1});
    MavUtils::purgeAcArrayEx(points, bulges, indexes);
    EXPECT_EQ(points.length(), 2);
    EXPECT_EQ(HostApplication::instance().transcript().text(),
        L"\n points:2 bulges::1 || indexs::2\npurgeAcArrayEx 出现异常!");
}

TEST(ArrayHelpers, LaterDuplicatesAreRemovedByTheSingleScan)
{
    AcArray<AcGePoint3d> points = arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(0, 0, 0.00005), AcGePoint3d(1, 0, 0)});
    MavUtils::purgeAcArray(points);
    EXPECT_EQ(points.length(), 2);

    AcArray<AcGePoint2d> triple = arrayOf({AcGePoint2d(5, 5), AcGePoint2d(5, 5), AcGePoint2d(5, 5)});
    MavUtils::purgeAcArray(triple);
    EXPECT_EQ(triple.length(), 2);

    AcDbObjectId p, q;
    p.setFromOldId(0x10);
    q.setFromOldId(0x20);
    AcArray<AcDbObjectId> ids = arrayOf({p, q, p, q});
    MavUtils::purgeAcArray(ids);
    EXPECT_EQ(vectorOf(ids), (std::vector<AcDbObjectId>{p, q}));
}

TEST(PointHelpers, ConversionsCopyAndSwapPoints)
{
    EXPECT_EQ(MavUtils::fromAcGePoint3d(AcGePoint3d(1, 2, 3)), AcGePoint2d(1, 2));
    const AcArray<AcGePoint2d> flat = MavUtils::fromAcGePoint3dArray(arrayOf({AcGePoint3d(1, 2, 3), AcGePoint3d(4, 5, 6)}));
    ASSERT_EQ(flat.length(), 2);
    EXPECT_EQ(flat[1], AcGePoint2d(4, 5));

    CArray<AcGePoint3d, AcGePoint3d&> source;
    AcGePoint3d p1(1, 1, 1), p2(2, 2, 2);
    source.Add(p1);
    source.Add(p2);
    AcArray<AcGePoint3d> target = arrayOf({AcGePoint3d(9, 9, 9), AcGePoint3d(9, 9, 9), AcGePoint3d(9, 9, 9)});
    EXPECT_EQ(MavUtils::fromCArrayTo3dArray(source, target), 1);
    EXPECT_EQ(vectorOf(target), (std::vector<AcGePoint3d>{p1, p2}));

    CArray<AcGePoint3d, AcGePoint3d&> collected;
    collected.Add(p2);
    EXPECT_EQ(MavUtils::addPointsFrom(collected, source, true), 1);
    EXPECT_EQ(collected.GetSize(), 3);
    EXPECT_EQ(MavUtils::addPointsFrom(collected, source, false), 1);
    EXPECT_EQ(collected.GetSize(), 2);
    EXPECT_EQ(collected[0], p1);

    MavUtils::swapGePoint3d(p1, p2);
    EXPECT_EQ(p1, AcGePoint3d(2, 2, 2));
    EXPECT_EQ(p2, AcGePoint3d(1, 1, 1));
}

TEST(ArrayHelpers, PrintsOneLinePerElement)
{
    HostTranscript& transcript = HostApplication::instance().transcript();
    transcript.setEcho(nullptr);
    transcript.clear();
    MavUtils::printDataInAcArray(arrayOf({AcGePoint2d(1, 2)}));
    MavUtils::printDataInAcArray(arrayOf({AcGePoint3d(1, 2, 3)}));
    EXPECT_EQ(transcript.text(), L"\n[0]:x=1.000000 y=2.000000\n[0]:x=1.000000 y=2.000000 z=3.000000");
}
