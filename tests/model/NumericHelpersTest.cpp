#include "NumericHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(FormatFixed, DecimalsAndTrimming)
{
    struct Case {
        double x;
        int count;
        const wchar_t* text;
    } cases[] = {
        {2.0, -3, L"2"},        {0.5, -1, L"0.5"},      {1.23456, 2, L"1.23"},    {1.0, 9, L""},
        {1.0, -9, L""},         {100.0, -2, L"100"},    {0.0, -3, L"0"},          {12.5, -2, L"12.5"},
        {2.5, 0, L"2"},         {1234.5678, -7, L"1234.5678"}, {-0.25, -7, L"-0.25"}, {3.0, 8, L"3.00000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(c.x, c.count), c.text) << c.x << " " << c.count;
}

TEST(Comparisons, TolerancesAndBounds)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(CompareWithTolerance(1.0, 1.5, 0.5), 0);  // the bound is inclusive
    EXPECT_EQ(CompareWithTolerance(1.0, 1.5, -0.5), 0);
    EXPECT_EQ(CompareWithTolerance(2.0, 1.0, 0.5), 1);
    EXPECT_EQ(CompareWithTolerance(nan, 1.0, 0.5), -1);
    EXPECT_EQ(CompareReal(1.0, 1.00005), 0);
    EXPECT_EQ(CompareReal(1.0, 1.0 + 0.00011), -1);
    EXPECT_EQ(CompareReal(0.0, 0.0001), -1);  // strict bound
    EXPECT_EQ(CompareReal(nan, 0.0), -1);
    EXPECT_EQ(IsEqualTol(1.0, 1.0, 0.0), 0);  // strict test
    EXPECT_EQ(IsEqualTol(1.0, 1.0000001, 1e-6), 1);
    EXPECT_EQ(IsEqualTol(1.0, 2.0, -5.0), 0);  // the tolerance is used as given
    EXPECT_EQ(IsEqualTol(nan, nan, 1.0), 0);
}

TEST(RoundReal, RoundsAsTheTextIsWritten)
{
    EXPECT_DOUBLE_EQ(RoundReal(1.23456, 2), 1.23);
    EXPECT_DOUBLE_EQ(RoundReal(-2.5, 0), -2.0);
    EXPECT_DOUBLE_EQ(RoundReal(7.77, 9), 0.0);
    EXPECT_DOUBLE_EQ(RoundReal(0.1234567891, -7), 0.1234568);
}

TEST(Sign, OfRealsAndNaN)
{
    EXPECT_EQ(Sign(-0.1), -1);
    EXPECT_EQ(Sign(3.0), 1);
    EXPECT_EQ(Sign(0.0), 0);
    EXPECT_EQ(Sign(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Points, MidPointAndDirection)
{
    AcGePoint3d m = MidPoint(AcGePoint3d(0, 2, 4), AcGePoint3d(2, 4, 6));
    EXPECT_DOUBLE_EQ(m.x, 1);
    EXPECT_DOUBLE_EQ(m.y, 3);
    EXPECT_DOUBLE_EQ(m.z, 5);
    const double pi = 3.1415926535;
    AcGePoint3d o(1, 1, 0);
    EXPECT_DOUBLE_EQ(GetDirectionAngle(o, o), 0.0);
    EXPECT_DOUBLE_EQ(GetDirectionAngle(o, AcGePoint3d(1, 5, 0)), pi - std::asin(1.0));
    EXPECT_DOUBLE_EQ(GetDirectionAngle(o, AcGePoint3d(-4, 1, 0)), pi);
    EXPECT_DOUBLE_EQ(GetDirectionAngle(o, AcGePoint3d(2, 2, 0)), std::asin(std::sqrt(0.5)));
    EXPECT_DOUBLE_EQ(GetDirectionAngle(o, AcGePoint3d(1, -3, 0)), pi + std::asin(1.0));
}

TEST(Extents, SizesAndSecondPoint)
{
    AcDbExtents box(AcGePoint3d(-1, 2, 0), AcGePoint3d(3, 7, 0));
    EXPECT_DOUBLE_EQ(GetDeltaX(box), 4);
    EXPECT_DOUBLE_EQ(GetDeltaY(box), 5);
    EXPECT_DOUBLE_EQ(GetSecondPoint(box).y, 7);
}

TEST(IntersectLines, ExtensionModes)
{
    // AB runs along y = 0 from 0 to 2; CD is vertical at x = 5 from y = 1 to 3.
    AcGePoint3d a(0, 0, 0), b(2, 0, 0), c(5, 1, 0), d(5, 3, 0);
    struct Case {
        int extendFirst, extendSecond, found;
    } cases[] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 1}};
    for (const auto& k : cases) {
        int found = -1;
        AcGePoint3d p = IntersectLines(a, b, c, d, k.extendFirst, k.extendSecond, &found);
        EXPECT_EQ(found, k.found) << k.extendFirst << k.extendSecond;
        if (found) {
            EXPECT_NEAR(p.x, 5, 1e-12);
            EXPECT_NEAR(p.y, 0, 1e-12);
        }
    }
    int found = -1;
    AcGePoint3d p = IntersectLines(a, AcGePoint3d(6, 0, 0), c, d, 0, 1, &found);
    EXPECT_EQ(found, 1);
    EXPECT_NEAR(p.x, 5, 1e-12);
    // An end point touching the other segment counts.
    IntersectLines(a, b, AcGePoint3d(2, -1, 0), AcGePoint3d(2, 1, 0), 0, 0, &found);
    EXPECT_EQ(found, 1);
}

TEST(IntersectLines, ParallelAndDegenerateFindNothing)
{
    int found = -1;
    AcGePoint3d p = IntersectLines(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0), AcGePoint3d(0, 1, 0),
                                   AcGePoint3d(1, 2, 0), 1, 1, &found);
    EXPECT_EQ(found, 0);
    EXPECT_TRUE(p == AcGePoint3d::kOrigin);
    IntersectLines(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(3, 0, 0), 1, 1,
                   &found);
    EXPECT_EQ(found, 0);  // overlapping lines have no single crossing
    IntersectLines(AcGePoint3d(1, 1, 0), AcGePoint3d(1, 1, 0), AcGePoint3d(0, 0, 0), AcGePoint3d(2, 2, 0), 1, 1,
                   &found);
    EXPECT_EQ(found, 0);
}

TEST(IntersectWithAxisLine, VerticalHorizontalAndParallel)
{
    int found = -1;
    AcGePoint3d p = IntersectWithAxisLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 2, 0), 3, 1, &found);
    EXPECT_EQ(found, 1);
    EXPECT_NEAR(p.x, 3, 1e-12);
    EXPECT_NEAR(p.y, 6, 1e-12);
    p = IntersectWithAxisLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 2, 0), -4, 0, &found);
    EXPECT_NEAR(p.x, -2, 1e-12);
    p = IntersectWithAxisLine(AcGePoint3d(0, 5, 0), AcGePoint3d(9, 5, 0), 1, 0, &found);
    EXPECT_EQ(found, 0);
    EXPECT_TRUE(p == AcGePoint3d::kOrigin);
}
