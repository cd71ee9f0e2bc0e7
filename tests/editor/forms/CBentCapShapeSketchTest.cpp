// The general-construction sketch: elevation and plan of the cap, not to scale, dimensioned with
// the form's letters or the design's values, the focused field's dimension in green.
#include "CBentCapShapeSketch.h"
#include "SketchTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr int kShapeW = 700;
constexpr int kShapeH = 400;
// The default sizes in a 700 x 400 sketch: ends at 50 and 650, top at 400 / 4 - 25.
constexpr int kShapeXl = 50;
constexpr int kShapeXr = 650;
constexpr int kShapeTop = 75;
constexpr int kShapeYb = kShapeTop + 50;
constexpr int kYc = 300;

} // namespace

TEST(CBentCapShapeSketchTest, SampleDesignDrawsElevationColumnsAndPlanInTheirPlaces)
{
  CBent_PierInfo design;
  CBent_BasicGeometry geometry;
  ASSERT_TRUE(ReadExample("sample.glt", design, geometry));
  CBentCapShapeSketch sketch;
  sketch.m_pGeometry = &geometry;
  sketch.m_nAbutment = geometry.nAbutmentCap;
  sketch.m_nColumnCount = static_cast<int>(design.GetSupportDistances().GetSize());
  ASSERT_EQ(sketch.m_nColumnCount, 3);
  const QImage image = Render(sketch, kShapeW, kShapeH, "shape-sample");

  // The top edge spans the elevation length; the tapers leave the bottom short by 80 each side.
  EXPECT_GE(Count(image, kWhite, QRect(kShapeXl, kShapeTop, kShapeXr - kShapeXl + 1, 1)), 595);
  EXPECT_EQ(At(image, kShapeXl + 40, kShapeYb), RGB(0, 0, 0));
  EXPECT_EQ(At(image, kShapeXl + 100, kShapeYb), kWhite);
  EXPECT_EQ(At(image, kShapeXl + 40, kShapeTop + 40), kWhite);
  // Three columns 124, 300 and 476 pixels right of the left end; each shows its piece below the cap.
  ASSERT_EQ(sketch.m_aColumnX.GetSize(), 3);
  for (int i = 0; i < 3; ++i) {
    const int x = kShapeXl + 124 + 176 * i;
    EXPECT_EQ(sketch.m_aColumnX[i], x);
    EXPECT_EQ(At(image, x, kShapeTop - 10), kMagenta) << i;
    EXPECT_EQ(At(image, x - 30, kShapeYb + 10), kWhite) << i;
    EXPECT_EQ(At(image, x + 30, kShapeYb + 10), kWhite) << i;
  }
  // The plan: a parallelogram of 100 pixels' width with ends skewed by 28, and its centre line.
  const QRect white = Extent(image, kWhite);
  EXPECT_EQ(white.left(), kShapeXl - 28);
  EXPECT_EQ(white.right(), kShapeXr + 28);
  EXPECT_EQ(white.bottom(), kYc + 50);
  EXPECT_GT(Count(image, kMagenta, QRect(kShapeXl, kYc, kShapeXr - kShapeXl, 1)), 300);
  // Dimension texts in yellow over the elevation and beside it, nothing green without a focus.
  EXPECT_GT(CountNear(image, kYellow, QRect(300, kShapeTop - 40, 100, 30)), 10);
  EXPECT_EQ(CountNear(image, kGreen), 0);
}

TEST(CBentCapShapeSketchTest, AbutmentCapIsARectangleWithoutTaperDimensions)
{
  CBentCapShapeSketch tapered;
  const QImage withTapers = Render(tapered, kShapeW, kShapeH, "shape-letters");
  CBentCapShapeSketch abutment;
  abutment.m_nAbutment = 1;
  abutment.m_nColumnCount = 1;
  const QImage rectangle = Render(abutment, kShapeW, kShapeH, "shape-abutment");

  EXPECT_EQ(At(rectangle, kShapeXl + 40, kShapeYb), kWhite);
  EXPECT_EQ(At(rectangle, kShapeXl, kShapeYb - 1), kWhite);
  EXPECT_EQ(At(rectangle, kShapeXr, kShapeYb - 1), kWhite);
  // One column at the centre.
  ASSERT_EQ(abutment.m_aColumnX.GetSize(), 1);
  EXPECT_EQ(abutment.m_aColumnX[0], kShapeW / 2);
  // No W1 / W2 below the ends and no H2 right of the cap.
  const QRect belowLeftEnd(kShapeXl, kShapeYb + 20, 80, 30);
  EXPECT_GT(Count(withTapers, kYellow, belowLeftEnd), 0);
  EXPECT_EQ(Count(rectangle, kYellow, belowLeftEnd), 0);
  const QRect rightOfCap(kShapeXr + 5, kShapeTop, 40, 50);
  EXPECT_GT(CountNear(withTapers, kYellow, rightOfCap), 0);
  EXPECT_EQ(CountNear(rectangle, kYellow, rightOfCap), 0);
}

TEST(CBentCapShapeSketchTest, FocusedAngleTurnsOnlyItsMarkGreen)
{
  CBentCapShapeSketch sketch;
  sketch.m_strFocusedLetter = L"A";
  const QImage image = Render(sketch, kShapeW, kShapeH, "shape-focus-a");
  const QRect leftMark(kShapeXl - 12, kYc - 32, 44, 44);
  EXPECT_GT(CountNear(image, kGreen, leftMark), 5);
  EXPECT_EQ(CountNear(image, kGreen), CountNear(image, kGreen, leftMark));
  EXPECT_GT(Count(image, kYellow, QRect(kShapeXr - 12, kYc - 12, 24, 24)), 0);
}

TEST(CBentCapShapeSketchTest, LabelsShowLettersOrTheDesignValues)
{
  CBentCapShapeSketch sketch;
  EXPECT_EQ(sketch.FormatLabel(L"L"), L"L");
  EXPECT_EQ(sketch.FormatLabel(L"H1"), L"H1");
  CBent_BasicGeometry geometry;
  geometry.dLength = -12.5;
  geometry.dLeftWidth = 250;
  geometry.dRightWidth = -30.25;
  geometry.dMiddleHeight = 1600;
  geometry.dLeftAngle = 90;
  geometry.dRightAngle = 75.5;
  sketch.m_pGeometry = &geometry;
  const struct {
    const wchar_t* letter;
    const wchar_t* text;
  } cases[] = {{L"L", L"12.5/cosφ"}, {L"W1", L"250"}, {L"W2", L"30.25/cosφ"}, {L"H", L"1600"},
               {L"A", L"90°"},       {L"B", L"75.5°"}, {L"X", L"X"}};
  for (const auto& c : cases)
    EXPECT_EQ(sketch.FormatLabel(c.letter), c.text) << c.letter;
}
