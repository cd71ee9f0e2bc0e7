// Free helpers of the drawing side: points along a segment, number lists carried into the CAD
// library's arrays, sorting, snapping to midpoints and reading integers.
#include "DrawingArrayHelpers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

AcGeDoubleArray Reals(std::initializer_list<double> values)
{
    AcGeDoubleArray list;
    for (double v : values)
        list.append(v);
    return list;
}

} // namespace

TEST(DrawingArrayHelpers, PointAtDistanceAlongAndBeyondTheSegment)
{
    AcGePoint2d out;
    PointAtDistance2d(out, AcGePoint2d(1, 1), AcGePoint2d(4, 5), 2.5);
    EXPECT_NEAR(out.x, 2.5, 1e-12);
    EXPECT_NEAR(out.y, 3.0, 1e-12);
    PointAtDistance2d(out, AcGePoint2d(0, 0), AcGePoint2d(0, 10), 15);
    EXPECT_EQ(out, AcGePoint2d(0, 15));
    PointAtDistance2d(out, AcGePoint2d(0, 0), AcGePoint2d(0, 10), 0);
    EXPECT_EQ(out, AcGePoint2d(0, 0));
    // Coincident points give no direction: the start point, never NaN.
    PointAtDistance2d(out, AcGePoint2d(3, 4), AcGePoint2d(3, 4), 7);
    EXPECT_EQ(out.x, 3.0);
    EXPECT_EQ(out.y, 4.0);
}

TEST(DrawingArrayHelpers, ListsReplaceTheArraysContent)
{
    CArray<double, const double&> reals;
    reals.Add(1.5);
    reals.Add(-2);
    AcGeDoubleArray realArray = Reals({9, 9, 9});
    AssignRealArray(realArray, reals);
    EXPECT_EQ(realArray, Reals({1.5, -2}));

    CArray<int, const int&> codes;
    codes.Add(9123);
    AcGeIntArray intArray;
    intArray.append(1);
    intArray.append(2);
    CopyPointArray(intArray, codes);
    ASSERT_EQ(intArray.length(), 1);
    EXPECT_EQ(intArray[0], 9123);
    CopyPointArray(intArray, CArray<int, const int&>());
    EXPECT_TRUE(intArray.isEmpty());
}

TEST(DrawingArrayHelpers, SortAndReverse)
{
    AcGeDoubleArray list = Reals({3, -1, 2});
    SortReals(list, 1);
    EXPECT_EQ(list, Reals({-1, 2, 3}));
    SortReals(list, 0);
    EXPECT_EQ(list, Reals({3, 2, -1}));
    ReverseReals(list);
    EXPECT_EQ(list, Reals({-1, 2, 3}));
}

TEST(DrawingArrayHelpers, SnapToMidpoint)
{
    const AcGeDoubleArray positions = Reals({0, 100, 300});
    struct Case {
        double x;
        int upward;
        double snapped;
    } cases[] = {
        {150, 1, 200}, {150, 0, 50}, {50, 1, 50}, {50, 0, 50}, {250, 1, 250}, {20, 0, 20}, {-5, 1, 50},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SnapToMidpoint(c.x, positions, c.upward), c.snapped) << c.x << " " << c.upward;
    EXPECT_EQ(SnapToMidpoint(7, Reals({100}), 1), 7.0);
}

TEST(DrawingArrayHelpers, ParseInt)
{
    struct Case {
        const wchar_t* text;
        int value;
    } cases[] = {
        {L"42", 42},           {L"  \t17 rows", 17}, {L"-8", -8},          {L"+3", 3},
        {L"abc", 0},           {L"", 0},             {L"- 5", 0},          {L"12.9", 12},
        {L"99999999999", INT_MAX}, {L"-99999999999", INT_MIN},            {L"-2147483648", INT_MIN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseInt(c.text), c.value) << CString(c.text).ToUtf8();
}
