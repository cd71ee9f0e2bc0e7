// Cell addresses and ranges: validity, spans, membership and overlap.
#include "CCellRange.h"

#include <gtest/gtest.h>

TEST(CellRangeTest, DefaultsNameNoCell)
{
  EXPECT_FALSE(CCellID().IsValid());
  EXPECT_TRUE(CCellID(0, 0).IsValid());
  EXPECT_FALSE(CCellID(3, -1).IsValid());
  EXPECT_TRUE(CCellID(2, 3) == CCellID(2, 3));
  EXPECT_TRUE(CCellID(2, 3) != CCellID(3, 2));
  EXPECT_FALSE(CCellRange().IsValid());
  EXPECT_EQ(CCellRange().GetTopLeft(), CCellID());
}

TEST(CellRangeTest, ValidityAndCountsFollowTheBounds)
{
  struct Case {
    CCellRange range;
    bool valid;
    int rows, cols, count;
  };
  const Case cases[] = {
      {CCellRange(0, 0, 0, 0), true, 1, 1, 1},
      {CCellRange(1, 2, 3, 5), true, 3, 4, 12},
      {CCellRange(2, 1, 1, 3), false, 0, 3, 0},
      {CCellRange(0, 4, 2, 3), false, 3, 0, 0},
      {CCellRange(-1, 0, 2, 2), false, 4, 3, 12},
      {CCellRange(0, 0, 2, -1), false, 3, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.range.IsValid() != FALSE, c.valid) << c.range.GetMinRow() << "," << c.range.GetMinCol();
    EXPECT_EQ(c.range.GetRowSpan(), c.rows);
    EXPECT_EQ(c.range.GetColSpan(), c.cols);
    EXPECT_EQ(c.range.Count(), c.count);
  }
}

TEST(CellRangeTest, MembershipIncludesBothCorners)
{
  const CCellRange range(1, 1, 3, 4);
  EXPECT_TRUE(range.InRange(1, 1));
  EXPECT_TRUE(range.InRange(CCellID(3, 4)));
  EXPECT_FALSE(range.InRange(0, 2));
  EXPECT_FALSE(range.InRange(2, 5));
  EXPECT_EQ(range.GetTopLeft(), CCellID(1, 1));
}

TEST(CellRangeTest, IntersectionMayBeEmpty)
{
  struct Case {
    CCellRange a, b, expected;
    bool valid;
  };
  const Case cases[] = {
      {CCellRange(0, 0, 2, 2), CCellRange(3, 3, 4, 4), CCellRange(3, 3, 2, 2), false},
      {CCellRange(0, 0, 2, 2), CCellRange(1, 1, 4, 4), CCellRange(1, 1, 2, 2), true},
      {CCellRange(0, 0, 5, 5), CCellRange(2, 1, 3, 2), CCellRange(2, 1, 3, 2), true},
      {CCellRange(0, 0, 2, 2), CCellRange(0, 3, 2, 4), CCellRange(0, 3, 2, 2), false},
  };
  for (const Case& c : cases) {
    const CCellRange overlap = c.a.Intersect(c.b);
    EXPECT_TRUE(overlap == c.expected);
    EXPECT_EQ(overlap.IsValid() != FALSE, c.valid);
  }
}

TEST(CellRangeTest, SettersChangeOneBoundEach)
{
  CCellRange range;
  range.Set(1, 2, 3, 4);
  range.SetMinRow(0);
  range.SetMaxCol(6);
  EXPECT_TRUE(range == CCellRange(0, 2, 3, 6));
  EXPECT_TRUE(range != CCellRange(0, 2, 3, 5));
}
