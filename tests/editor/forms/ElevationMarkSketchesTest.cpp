// The elevation sketches with marks of their own: spacing labels, section cuts, strengthening
// bars and the open dialog's preview of a design file.
#include "CBentCapExtendSketch.h"
#include "CBentCapPreviewSketch.h"
#include "CBentCapSectionSketch.h"
#include "CBentCapSpacingSketch.h"
#include "SketchTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Default sizes in an 800 x 400 sketch: ends at 50 and 750, top at 75, bottom of the middle at
// 125; three columns at 184, 400 and 616.
constexpr int kMarkW = 800;
constexpr int kMarkH = 400;
constexpr int kMarkXl = 50;
constexpr int kMarkXr = 750;
constexpr int kMarkTop = 75;
constexpr int kMarkYb = 125;
constexpr int kColumns[] = {184, 400, 616};

int SupportCount(const CBent_PierInfo& design) { return static_cast<int>(design.GetSupportDistances().GetSize()); }

// Text drawn around the middle of a box.
bool HasText(const QImage& image, COLORREF colour, int xm, int y0, int y1)
{
  return CountNear(image, colour, QRect(xm - 20, y0, 40, y1 - y0)) > 5;
}

// A section label in its box right of a cut mark at x, beside the mark's foot; the thin
// numerals are drawn smoothed, so any pixel that is not black counts.
bool HasLabel(const QImage& image, int x)
{
  const QRect box(x + 21, kMarkYb + 50, 19, 40);
  return box.width() * box.height() - Count(image, RGB(0, 0, 0), box) > 3;
}

} // namespace

TEST(ElevationMarkSketchesTest, SpacingLabelsRunFromTheEndsAndBetweenColumns)
{
  CBentCapSpacingSketch sketch;
  const QImage image = Render(sketch, kMarkW, kMarkH, "spacing");
  const int y = kMarkYb + 50;
  EXPECT_TRUE(HasText(image, kYellow, (kMarkXl + kColumns[0]) / 2, y - 20, y));
  EXPECT_TRUE(HasText(image, kYellow, (kColumns[0] + kColumns[1]) / 2, y - 20, y));
  EXPECT_TRUE(HasText(image, kYellow, (kColumns[2] + kMarkXr) / 2, y - 20, y));
  // The spacing between the last two columns follows from the others and carries no label.
  EXPECT_FALSE(HasText(image, kYellow, (kColumns[1] + kColumns[2]) / 2, y - 20, y));
  EXPECT_EQ(At(image, kMarkXl, y), kYellow);
  EXPECT_EQ(At(image, kMarkXr, y), kYellow);

  CBentCapSpacingSketch single;
  single.m_nColumnCount = 1;
  const QImage one = Render(single, kMarkW, kMarkH);
  EXPECT_TRUE(HasText(one, kYellow, (kMarkXl + kMarkW / 2) / 2, y - 20, y));
  EXPECT_EQ(Count(one, kYellow, QRect(kMarkW / 2 + 5, y - 20, kMarkW / 2, 30)), 0);
}

TEST(ElevationMarkSketchesTest, SectionSketchMarksEveryPositionAndLettersTheChosenOnes)
{
  for (const char* name : {"sample.glt", "l-section.glt"}) {
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    ASSERT_TRUE(ReadExample(name, design, geometry)) << name;
    const int n = SupportCount(design);
    CBentCapSectionSketch sketch;
    sketch.m_nAbutment = geometry.nAbutmentCap;
    sketch.m_nColumnCount = n;
    const auto& positions = design.GetSectionPositions();
    for (INT_PTR i = 0; i < positions.GetSize(); ++i)
      sketch.m_aPositions.Add(positions[i]);
    sketch.m_nSelected = n + 1;
    const QImage image = Render(sketch, kMarkW, kMarkH, std::string("section-") + name);
    ASSERT_EQ(sketch.m_aColumnX.GetSize(), n);

    // A cut mark at every column and every mid-span: green for the selected one.
    int marks = 0;
    for (int k = 1; k <= n; ++k) {
      const int x[2] = {sketch.m_aColumnX[k - 1], k < n ? (sketch.m_aColumnX[k - 1] + sketch.m_aColumnX[k]) / 2 : -1};
      for (int j = 0; j < 2 && x[j] >= 0; ++j) {
        const int position = j == 0 ? k : n + k;
        const COLORREF colour = position == sketch.m_nSelected ? kGreen : kYellow;
        EXPECT_EQ(At(image, x[j], kMarkTop - 40), colour) << name << " " << position;
        EXPECT_EQ(At(image, x[j] + 10, kMarkYb + 70), colour) << name << " " << position;
        bool chosen = false;
        for (INT_PTR i = 0; i < positions.GetSize(); ++i)
          chosen = chosen || positions[i] == position;
        EXPECT_EQ(HasLabel(image, x[j]), chosen) << name << " " << position;
        ++marks;
      }
    }
    EXPECT_EQ(marks, 2 * n - 1);
  }
}

TEST(ElevationMarkSketchesTest, SectionLabelsFollowTheCapAndRepeatTheFirstPastTwelve)
{
  CBentCapSectionSketch none;
  const QImage unlabelled = Render(none, kMarkW, kMarkH);
  EXPECT_FALSE(HasLabel(unlabelled, (kColumns[0] + kColumns[1]) / 2));
  EXPECT_EQ(CountNear(unlabelled, kGreen), 0);

  CBentCapSectionSketch first;
  first.m_aPositions.Add(3 + 1);
  const QImage labelled = Render(first, kMarkW, kMarkH);
  EXPECT_TRUE(HasLabel(labelled, (kColumns[0] + kColumns[1]) / 2));
  EXPECT_FALSE(HasLabel(labelled, kColumns[0]));

  EXPECT_EQ(CBentCapSectionSketch::PositionLabel(0), L"Ⅰ");
  EXPECT_EQ(CBentCapSectionSketch::PositionLabel(11), L"Ⅻ");
  EXPECT_EQ(CBentCapSectionSketch::PositionLabel(12), L"Ⅰ");
}

TEST(ElevationMarkSketchesTest, ExtendSketchDrawsBarsOverColumnsAndInSpansWithTheSpacings)
{
  CBent_PierInfo design;
  CBent_BasicGeometry geometry;
  ASSERT_TRUE(ReadExample("sample.glt", design, geometry));
  CBentCapExtendSketch sketch;
  sketch.m_nColumnCount = SupportCount(design);
  for (INT_PTR i = 0; i < design.GetSupportDistances().GetSize(); ++i)
    sketch.m_aSpacings.Add(design.GetSupportDistances()[i]);
  const QImage image = Render(sketch, kMarkW, kMarkH, "extend-sample");
  // Top bars 120 pixels long over each column, bottom bars in the spans 20 inside the columns.
  for (int x : kColumns) {
    EXPECT_EQ(Count(image, kRed, QRect(x - 60, kMarkTop + 5, 121, 1)), 121) << x;
    EXPECT_EQ(At(image, x - 61, kMarkTop + 5), RGB(0, 0, 0));
  }
  EXPECT_EQ(At(image, kColumns[0] + 20, kMarkYb - 5), kRed);
  EXPECT_EQ(At(image, kColumns[0] + 19, kMarkYb - 5), RGB(0, 0, 0));
  EXPECT_EQ(At(image, kColumns[1] - 20, kMarkYb - 5), kRed);
  // Spacing values below the elevation and letters above it.
  EXPECT_TRUE(HasText(image, kYellow, (kMarkXl + kColumns[0]) / 2, kMarkYb + 36, kMarkYb + 46));
  EXPECT_TRUE(HasText(image, kYellow, (kColumns[1] + kColumns[2]) / 2, kMarkYb + 36, kMarkYb + 46));
  EXPECT_TRUE(HasText(image, kYellow, kColumns[1] + 30, kMarkTop - 34, kMarkTop - 24));

  CBentCapExtendSketch single;
  single.m_nColumnCount = 1;
  const QImage one = Render(single, kMarkW, kMarkH, "extend-single");
  EXPECT_EQ(Extent(one, kRed), QRect(kMarkW / 2 - 60, kMarkTop + 5, 121, 1));
}

TEST(ElevationMarkSketchesTest, PreviewShowsTheFileOrNothing)
{
  CBentCapPreviewSketch empty;
  const QImage black = Render(empty, 300, 240);
  EXPECT_EQ(CountDrawn(black), 0);

  CBent_PierInfo design;
  CBent_BasicGeometry geometry;
  ASSERT_TRUE(ReadExample("sample.glt", design, geometry));
  CBentCapPreviewSketch preview;
  preview.m_nAbutment = geometry.nAbutmentCap;
  preview.m_nColumnCount = SupportCount(design);
  preview.m_dLength = geometry.dLength;
  preview.m_dMiddleHeight = geometry.dMiddleHeight;
  preview.m_dWidth = geometry.dWidth;
  preview.m_dAngle = geometry.dRightAngle;
  preview.m_nBarColumnCount = design.GetMainFace().GetBarColumnCount();
  preview.m_nSkeletonColumnCount = design.CountSkeletonColumns();
  const QImage image = Render(preview, 300, 240, "preview-sample");
  // The elevation 240 pixels long centred 10 right of the middle; the counts at the bottom.
  const QRect white = Extent(image, kWhite);
  EXPECT_EQ(white.left(), 160 - 120 - 6);
  EXPECT_EQ(white.right(), 160 + 120 + 6);
  EXPECT_GT(CountNear(image, kYellow, QRect(0, 220, 300, 20)), 20);
  EXPECT_EQ(preview.m_aColumnX.GetSize(), 3);
}

// Sketches made with no size and no columns paint the black ground and at most the dot the
// collapsed outline leaves, whatever their marks.
TEST(ElevationMarkSketchesTest, ZeroSizesAndNoColumnsDrawNothingButTheGround)
{
  CBentCapSpacingSketch spacing;
  CBentCapSectionSketch section;
  CBentCapExtendSketch extend;
  section.m_aPositions.Add(1);
  section.m_nSelected = 1;
  extend.m_aSpacings.Add(1000.0);
  for (CBentCapElevationSketch* sketch : std::initializer_list<CBentCapElevationSketch*>{&spacing, &section, &extend}) {
    sketch->m_nColumnCount = 0;
    sketch->m_nLength = 0;
    sketch->m_nMiddleHeight = 0;
    sketch->m_nEndHeight = 0;
    sketch->m_nTaperLength = 0;
    const QImage image = Render(*sketch, kMarkW, kMarkH);
    EXPECT_LE(CountDrawn(image), 2);
    EXPECT_EQ(sketch->m_aColumnX.GetSize(), 0);
  }
}
