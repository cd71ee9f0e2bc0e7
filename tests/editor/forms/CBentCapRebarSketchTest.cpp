// The elevation sketch of one bar kind: where the red bar runs over the schematic elevation.
#include "CBentCapRebarSketch.h"
#include "SketchTestSupport.h"

#include <gtest/gtest.h>

namespace {

// 800 x 400: ends at 50 and 750, top at 75, bottom of the middle at 125, tapers 80 long,
// columns at 184, 400 and 616.
constexpr int kRebarW = 800;
constexpr int kRebarH = 400;
constexpr int kRebarXl = 50;
constexpr int kRebarXr = 750;
constexpr int kRebarTop = 75;
constexpr int kRebarYb = 125;
constexpr int kColumns[] = {184, 400, 616};

QImage RenderBar(int support, int kind, int abutment = 0, int columns = 3, const std::string& name = {})
{
  CBentCapRebarSketch sketch;
  sketch.m_nSupport = support;
  sketch.m_nKind = kind;
  sketch.m_nAbutment = abutment;
  sketch.m_nColumnCount = columns;
  return Render(sketch, kRebarW, kRebarH, name);
}

} // namespace

TEST(CBentCapRebarSketchTest, StraightBarsStopInsideTheEndsOrTheTapers)
{
  EXPECT_EQ(Extent(RenderBar(-1, 1, 0, 3, "rebar-whole-1"), kRed), QRect(kRebarXl + 20, kRebarTop + 5, kRebarXr - kRebarXl - 39, 1));
  EXPECT_EQ(Extent(RenderBar(-1, 2, 0, 3, "rebar-whole-2"), kRed), QRect(kRebarXl + 100, kRebarYb - 5, kRebarXr - kRebarXl - 199, 1));
  EXPECT_EQ(Extent(RenderBar(-1, 2, 1), kRed), QRect(kRebarXl + 20, kRebarYb - 5, kRebarXr - kRebarXl - 39, 1));
  // One support's bars: the top bar 100 either side of the column, the bottom bar to the next.
  EXPECT_EQ(Extent(RenderBar(1, 1), kRed), QRect(kColumns[1] - 100, kRebarTop + 5, 201, 1));
  EXPECT_EQ(Extent(RenderBar(0, 2), kRed), QRect(kColumns[0] + 50, kRebarYb - 5, kColumns[1] - kColumns[0] - 99, 1));
  EXPECT_EQ(Count(RenderBar(2, 2), kRed), 0);
}

TEST(CBentCapRebarSketchTest, UpperBentBarRunsAlongTheTopOverColumnsAndDipsInTheSpans)
{
  CBent_PierInfo design;
  CBent_BasicGeometry geometry;
  ASSERT_TRUE(ReadExample("sample.glt", design, geometry));
  const int columns = static_cast<int>(design.GetSupportDistances().GetSize());
  const QImage image = RenderBar(-1, 3, geometry.nAbutmentCap, columns, "rebar-sample-3");
  for (int x : kColumns)
    EXPECT_EQ(At(image, x, kRebarTop + 5), kRed) << x;
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(At(image, (kColumns[i] + kColumns[i + 1]) / 2, kRebarYb - 5), kRed) << i;
  // Symmetric about the middle, ends inside the cap.
  const QRect red = Extent(image, kRed);
  EXPECT_GT(red.left(), kRebarXl);
  EXPECT_LT(red.right(), kRebarXr);
  EXPECT_NEAR(red.left() + red.right(), kRebarW, 2);

  // One column: the pitch is a quarter of the length, so the bar reaches 87 + 40 left of it.
  const QImage single = RenderBar(-1, 3, 0, 1, "rebar-single-3");
  EXPECT_EQ(At(single, kRebarW / 2, kRebarTop + 5), kRed);
  EXPECT_EQ(At(single, kRebarW / 2 - 87, kRebarTop + 5), kRed);
  EXPECT_EQ(At(single, kRebarW / 2 - 88, kRebarTop + 5), RGB(0, 0, 0));
  EXPECT_GT(Count(single, kRed, QRect(kRebarW / 2 - 87 - 40 - 16, kRebarYb - 5, 20, 1)), 0);
}

TEST(CBentCapRebarSketchTest, LowerBentBarBendsOverEveryColumnInAnArc)
{
  for (int support : {-1, 1}) {
    const QImage image = RenderBar(support, 4, 0, 3, "rebar-lower-" + std::to_string(support));
    for (int i = 0; i < 3; ++i) {
      const int x = kColumns[i];
      const bool drawn = support == -1 || support == i;
      // The arc's crown 36 above the bottom, no straight piece at the bend's foot.
      EXPECT_EQ(Count(image, kRed, QRect(x - 2, kRebarYb - 37, 5, 3)) > 0, drawn) << support << " " << i;
      EXPECT_EQ(At(image, x, kRebarYb - 30), RGB(0, 0, 0)) << support << " " << i;
      // Both legs.
      EXPECT_EQ(At(image, x - 30, kRebarYb - 15) == kRed, drawn) << support << " " << i;
      EXPECT_EQ(At(image, x + 30, kRebarYb - 15) == kRed, drawn) << support << " " << i;
    }
  }
}

TEST(CBentCapRebarSketchTest, WithoutColumnsOrWithABadSupportOnlyTheElevationIsDrawn)
{
  EXPECT_EQ(Count(RenderBar(-1, 3, 0, 0), kRed), 0);
  EXPECT_EQ(Count(RenderBar(-1, 4, 0, 0), kRed), 0);
  EXPECT_EQ(Count(RenderBar(5, 3, 0, 3), kRed), 0);
  EXPECT_GT(Count(RenderBar(5, 3, 0, 3), kWhite), 600);
}

TEST(CBentCapRebarSketchTest, LinesCrossWhereTheirSlopesSay)
{
  CPoint q(-1, -1);
  ASSERT_TRUE(CBentCapRebarSketch::IntersectLines(CPoint(0, 0), CPoint(10, 10), CPoint(0, 10), CPoint(10, 0), q));
  EXPECT_EQ(q, CPoint(5, 5));
  EXPECT_FALSE(CBentCapRebarSketch::IntersectLines(CPoint(0, 0), CPoint(0, 10), CPoint(0, 10), CPoint(10, 0), q));
  EXPECT_FALSE(CBentCapRebarSketch::IntersectLines(CPoint(0, 0), CPoint(10, 10), CPoint(0, 5), CPoint(10, 15), q));
  EXPECT_EQ(q, CPoint(5, 5));
  EXPECT_DOUBLE_EQ(CBentCapRebarSketch::LineLength(CPoint(0, 0), CPoint(3, 4)), 5.0);
}
