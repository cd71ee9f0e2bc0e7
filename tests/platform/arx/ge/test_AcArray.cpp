// The array template keeps the platform's array contract: append returns the index,
// lengths grow in steps, and a bad index is refused rather than read.
#include "AcGeDoubleArray.h"
#include "AcGePoint2dArray.h"
#include "AcGePoint3dArray.h"

#include <gtest/gtest.h>
#include <stdexcept>

TEST(AcArray, AppendReturnsIndexAndGrowsPhysicalLengthInSteps)
{
    AcGeDoubleArray a(0, 4);
    EXPECT_TRUE(a.isEmpty());
    EXPECT_EQ(a.append(1.0), 0);
    EXPECT_EQ(a.append(2.0), 1);
    EXPECT_EQ(a.length(), 2);
    EXPECT_EQ(a.logicalLength(), 2);
    EXPECT_GE(a.physicalLength(), 4);
    a.setLogicalLength(5);
    EXPECT_EQ(a.length(), 5);
    EXPECT_DOUBLE_EQ(a[4], 0.0);
    a.setLogicalLength(1);
    EXPECT_EQ(a.length(), 1);
    EXPECT_DOUBLE_EQ(a.last(), 1.0);
}

TEST(AcArray, InsertRemoveFindReverse)
{
    AcGeDoubleArray a;
    for (double v : {1.0, 2.0, 3.0})
        a.append(v);
    a.insertAt(0, 0.5).insertAt(4, 9.0);
    ASSERT_EQ(a.length(), 5);
    EXPECT_DOUBLE_EQ(a.first(), 0.5);
    EXPECT_DOUBLE_EQ(a.last(), 9.0);
    a.removeAt(1);
    int at = -1;
    EXPECT_TRUE(a.find(3.0, at));
    EXPECT_EQ(at, 2);
    EXPECT_FALSE(a.find(1.0, at));
    EXPECT_EQ(at, 2);
    EXPECT_TRUE(a.contains(9.0));
    EXPECT_FALSE(a.contains(0.5, 1));
    a.reverse();
    EXPECT_DOUBLE_EQ(a[0], 9.0);
    EXPECT_DOUBLE_EQ(a[3], 0.5);
}

TEST(AcArray, BadIndexThrows)
{
    AcGePoint3dArray a;
    EXPECT_THROW(a.at(0), std::out_of_range);
    EXPECT_THROW(a.first(), std::out_of_range);
    EXPECT_THROW(a.removeAt(0), std::out_of_range);
    EXPECT_THROW(a.insertAt(1, AcGePoint3d::kOrigin), std::out_of_range);
    a.append(AcGePoint3d(1, 2, 3));
    EXPECT_THROW(a[-1], std::out_of_range);
    EXPECT_THROW(a[1], std::out_of_range);
}

TEST(AcArray, PointSearchUsesToleranceEquality)
{
    AcGePoint3dArray a;
    a.append(AcGePoint3d(1, 2, 3));
    EXPECT_TRUE(a.contains(AcGePoint3d(1, 2, 3 + 1e-12)));
    EXPECT_FALSE(a.contains(AcGePoint3d(1, 2, 3 + 1e-6)));
}

TEST(AcArray, AppendingItsOwnElementsSurvivesGrowth)
{
    AcGePoint2dArray a;
    a.setGrowLength(1);
    a.append(AcGePoint2d(1, 2));
    a.append(AcGePoint2d(3, 4));
    for (int i = 0; i < 6; ++i)
        a.append(a.first());
    a.insertAt(0, a.last());
    a.append(a);
    ASSERT_EQ(a.length(), 18);
    EXPECT_EQ(a[17].x, 1.0);
    EXPECT_EQ(a[9].y, 2.0);
}
