// The section sketch with stirrups: the bars of each rebar column, the stirrups over their
// columns inside the section, and picking a stirrup by its leg.
#include "CBentCapStirrupSketch.h"
#include "WindowCursor.h"
#include "SketchTestSupport.h"

#include <gtest/gtest.h>

namespace {

// 600 x 320: section top at 50, 200 high, columns 20 apart.
constexpr int kStirrupW = 600;
constexpr int kStirrupH = 320;
constexpr int kStirrupTop = 50;
constexpr int kBottom = 250;

int SectionLeft(int columns) { return kStirrupW / 2 - (columns + 1) * 20 / 2; }
int ColumnX(int k, int columns) { return SectionLeft(columns) + 20 * k; }

// The window layer's rectangles reach one pixel further right and down than the box given, so
// the far edges are compared within a pixel.
::testing::AssertionResult SameBox(const QRect& drawn, const QRect& box)
{
  if (drawn.left() == box.left() && drawn.top() == box.top() && std::abs(drawn.right() - box.right()) <= 1
      && std::abs(drawn.bottom() - box.bottom()) <= 1)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "drawn " << drawn.left() << "," << drawn.top() << " to " << drawn.right()
                                       << "," << drawn.bottom();
}

CBent_PAFSteel Stirrup(int start, int end)
{
  CBent_PAFSteel stirrup;
  stirrup.SetStartColumn(start);
  stirrup.SetEndColumn(end);
  return stirrup;
}

class CBentCapStirrupSketchTest : public ::testing::Test {
protected:
  // Fifteen columns: a skeleton at 1 and 15, separate bars at 8; a wide closed stirrup from 1
  // to 15, a narrow one from 3 to 5 and an open one ending at 5.
  void SetUp() override
  {
    ASSERT_TRUE(ReadExample("sample.glt", m_design, m_geometry));
    ASSERT_TRUE(m_design.SetBarColumnCount(15));
    CBent_ExtendSteel& extend = m_design.GetExtendSteel();
    for (int j = 0; j < 15; ++j)
      extend.SetCodeAt(j, 0);
    extend.SetCodeAt(0, 9000);
    extend.SetCodeAt(14, 9000);
    extend.SetCodeAt(7, 1000);
    auto& stirrups = m_design.GetMainFace().GetStirrups();
    stirrups.RemoveAll();
    stirrups.Add(Stirrup(1, 15));
    stirrups.Add(Stirrup(3, 5));
    stirrups.Add(Stirrup(-1, 5));
    m_sketch.m_pDesign = &m_design;
  }

  CBent_PierInfo m_design;
  CBent_BasicGeometry m_geometry;
  CBentCapStirrupSketch m_sketch;
};

} // namespace

TEST(CBentCapStirrupSketchExamplesTest, ExampleStirrupsLieInsideTheSection)
{
  for (const char* name : {"sample.glt", "l-section.glt"}) {
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    ASSERT_TRUE(ReadExample(name, design, geometry)) << name;
    ASSERT_GT(design.GetMainFace().GetStirrups().GetSize(), 0) << name;
    CBentCapStirrupSketch sketch;
    sketch.m_pDesign = &design;
    const QImage image = Render(sketch, kStirrupW, kStirrupH, std::string("stirrup-") + name);
    const int n = design.GetMainFace().GetBarColumnCount();
    const QRect section(SectionLeft(n), kStirrupTop, (n + 1) * 20, 200);
    EXPECT_TRUE(SameBox(Extent(image, kWhite), section)) << name;
    const QRect red = Extent(image, kRed);
    EXPECT_FALSE(red.isEmpty()) << name;
    EXPECT_TRUE(section.adjusted(0, 0, 1, 1).contains(red)) << name << " red " << red.x() << "," << red.y() << " " << red.width() << "x"
                                       << red.height();
    // Every stirrup is in the table, legs at its columns.
    const int count = static_cast<int>(design.GetMainFace().GetStirrups().GetSize());
    int recorded = 0;
    while (recorded < CBentCapStirrupSketch::kHitSlots && sketch.m_hitTable[recorded].index != -1)
      ++recorded;
    EXPECT_EQ(recorded, std::min(count, 19)) << name;
  }
}

TEST_F(CBentCapStirrupSketchTest, SectionColumnsBarsAndStirrupsStandWhereTheyShould)
{
  const QImage image = Render(m_sketch, kStirrupW, kStirrupH, "stirrup-fifteen");
  // 320 pixels wide for 15 columns; numbers over the odd columns only.
  EXPECT_TRUE(SameBox(Extent(image, kWhite), QRect(SectionLeft(15), kStirrupTop, 320, 200)));
  for (int k = 1; k <= 15; ++k) {
    const int apex = ColumnX(k, 15) - 1;
    EXPECT_EQ(At(image, apex, kStirrupTop - 15) == kYellow, k % 2 == 1) << k;
  }
  // Skeleton columns carry four filled bars, column 8 two filled ones, the rest hollow ones.
  const int t = kStirrupTop + 8;
  EXPECT_EQ(At(image, ColumnX(1, 15), t), kRed);
  EXPECT_EQ(At(image, ColumnX(1, 15), t + 12), kRed);
  EXPECT_EQ(At(image, ColumnX(8, 15), t), kRed);
  EXPECT_EQ(At(image, ColumnX(8, 15), t + 12), RGB(0, 0, 0));
  EXPECT_EQ(At(image, ColumnX(2, 15), t), RGB(0, 0, 0));
  EXPECT_EQ(At(image, ColumnX(2, 15) + 4, t), kRed);
  // The wide stirrup's legs 4 outside columns 1 and 15; the open one a leg 4 right of column 5.
  EXPECT_EQ(Count(image, kRed, QRect(ColumnX(1, 15) - 4, kStirrupTop + 30, 1, 100)), 100);
  EXPECT_EQ(Count(image, kRed, QRect(ColumnX(15, 15) + 4, kStirrupTop + 30, 1, 100)), 100);
  EXPECT_EQ(Count(image, kRed, QRect(ColumnX(5, 15) + 4, kStirrupTop + 30, 1, 100)), 100);
  EXPECT_EQ(Count(image, kRed, QRect(ColumnX(3, 15) - 4, kStirrupTop + 30, 1, 100)), 100);
  EXPECT_EQ(CountNear(image, kGreen), 0);
}

TEST_F(CBentCapStirrupSketchTest, ClickOnALegPicksItsStirrup)
{
  Render(m_sketch, kStirrupW, kStirrupH);
  int index = -2;
  // Within 4 pixels of the open stirrup's leg, not at 4.
  EXPECT_EQ(m_sketch.HitTestStirrup(CPoint(ColumnX(5, 15) + 4 + 3, 150), index), 1);
  EXPECT_EQ(index, 1);
  const int openLeg = ColumnX(5, 15) + 4;
  m_design.GetMainFace().GetStirrups()[1] = Stirrup(3, 4);
  Render(m_sketch, kStirrupW, kStirrupH);
  EXPECT_EQ(m_sketch.HitTestStirrup(CPoint(openLeg + 3, 150), index), 1);
  EXPECT_EQ(index, 2);
  EXPECT_EQ(m_sketch.HitTestStirrup(CPoint(openLeg + 4, 150), index), 0);
  EXPECT_EQ(index, -1);
  // Between the legs of the wide stirrup, or above the section: nothing.
  EXPECT_EQ(m_sketch.HitTestStirrup(CPoint(ColumnX(10, 15), 150), index), 0);
  EXPECT_EQ(m_sketch.HitTestStirrup(CPoint(ColumnX(1, 15) - 4, kStirrupTop - 1), index), 0);
  EXPECT_EQ(m_sketch.HitTestStirrup(CPoint(ColumnX(15, 15) + 4, kBottom), index), 1);
  EXPECT_EQ(index, 0);

  // The selected stirrup is green with its end numbers; its leg again gives 0.
  m_sketch.m_nSelected = 0;
  const QImage image = Render(m_sketch, kStirrupW, kStirrupH, "stirrup-selected");
  EXPECT_EQ(Count(image, kGreen, QRect(ColumnX(1, 15) - 4, kStirrupTop + 30, 1, 100)), 100);
  EXPECT_GT(CountNear(image, kGreen, QRect(ColumnX(1, 15) - 20, kBottom + 10, 40, 35)), 10);
  EXPECT_GT(CountNear(image, kGreen, QRect(ColumnX(15, 15) - 20, kBottom + 10, 40, 35)), 10);
  EXPECT_EQ(m_sketch.HitTestStirrup(CPoint(ColumnX(1, 15) - 4, 150), index), 0);
  EXPECT_EQ(index, 0);

  m_sketch.ShowDragCursor();
  EXPECT_EQ(GetWindowCursor(&m_sketch), L"IDC_CURSOR2");
}

TEST_F(CBentCapStirrupSketchTest, OnlyNineteenStirrupsCanBePicked)
{
  auto& stirrups = m_design.GetMainFace().GetStirrups();
  stirrups.RemoveAll();
  for (int i = 0; i < 22; ++i)
    stirrups.Add(Stirrup(-1, 1 + i % 15));
  Render(m_sketch, kStirrupW, kStirrupH);
  int recorded = 0;
  while (recorded < CBentCapStirrupSketch::kHitSlots && m_sketch.m_hitTable[recorded].index != -1)
    ++recorded;
  EXPECT_EQ(recorded, 19);
}

TEST_F(CBentCapStirrupSketchTest, EmptyDesignsDrawLittleAndPickNothing)
{
  ASSERT_TRUE(m_design.SetBarColumnCount(0));
  m_design.GetMainFace().GetStirrups().RemoveAll();
  const QImage image = Render(m_sketch, kStirrupW, kStirrupH, "stirrup-no-columns");
  EXPECT_TRUE(SameBox(Extent(image, kWhite), QRect(kStirrupW / 2 - 10, kStirrupTop, 20, 200)));
  EXPECT_EQ(Count(image, kRed), 0);
  int index = 5;
  EXPECT_EQ(m_sketch.HitTestStirrup(CPoint(kStirrupW / 2 - 10, 150), index), 0);
  EXPECT_EQ(index, -1);

  CBentCapStirrupSketch none;
  EXPECT_EQ(CountDrawn(Render(none, kStirrupW, kStirrupH)), 0);
  EXPECT_EQ(none.HitTestStirrup(CPoint(100, 100), index), 0);
}
