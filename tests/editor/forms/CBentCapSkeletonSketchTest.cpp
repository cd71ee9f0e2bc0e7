// The skeleton-arrangement sketch: one row of cells per place, what each rebar column holds, and
// the clicks that add to and take from the per-column codes.
#include "CBentCapSkeletonSketch.h"
#include "CButton.h"
#include "CDialog.h"
#include "CScopedModalAnswerer.h"
#include "SketchTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// 700 x 400: panels 0 and 2 centred at 175, panel 1 at 525; rows at 50 and 50 + 200 + 54.
constexpr int kSkeletonW = 700;
constexpr int kSkeletonH = 400;
constexpr int kTopRow = 50;
constexpr int kBottomRow = 304;
constexpr int kCell = 18;

int RowLeft(int centre, int columns) { return centre - kCell * columns / 2; }
// The middle of column j's cell in the row of a panel.
CPoint CellCentre(int panel, int j, int columns)
{
  const int centre = panel == 1 ? kSkeletonW / 4 + kSkeletonW / 2 : kSkeletonW / 4;
  return CPoint(RowLeft(centre, columns) + kCell * j + kCell / 2, (panel == 2 ? kBottomRow : kTopRow) + kCell / 2);
}

std::vector<int> Codes(const CBent_PierInfo& design)
{
  std::vector<int> codes;
  for (int i = 0; i < design.GetExtendSteel().GetCodeCount(); ++i)
    codes.push_back(design.GetExtendSteel().GetCodeAt(i));
  return codes;
}

QImage Cell(const QImage& image, int panel, int j, int columns)
{
  const CPoint c = CellCentre(panel, j, columns);
  return image.copy(c.x - kCell / 2 + 1, c.y - kCell / 2 + 1, kCell - 2, kCell - 2);
}

class CBentCapSkeletonSketchTest : public ::testing::Test {
protected:
  // Fifteen columns, three supports, every strengthening length set, equal diameters.
  void SetUp() override
  {
    ASSERT_TRUE(ReadExample("sample.glt", m_design, m_geometry));
    CBent_ExtendSteel& extend = m_design.GetExtendSteel();
    ASSERT_TRUE(extend.SetCodeCount(15));
    for (int j = 0; j < 15; ++j)
      extend.SetCodeAt(j, 0);
    extend.SetEdgeOuterDistance(1000);
    extend.SetEdgeInnerDistance(1000);
    extend.SetMiddlePierDistance(1000);
    extend.SetMidSpanDistance(1000);
    extend.SetTopDiameter(m_design.GetMoreInfo().GetSkeletonDiameter());
    extend.SetBottomDiameter(m_design.GetMoreInfo().GetSkeletonDiameter());
    m_design.SetStrengtheningSymmetric(0);
    m_sketch.m_pDesign = &m_design;
  }

  CBent_PierInfo m_design;
  CBent_BasicGeometry m_geometry;
  CBentCapSkeletonSketch m_sketch;
  CScopedModalAnswerer m_script;
};

} // namespace

TEST(CBentCapSkeletonSketchExamplesTest, ExamplesShowOneCellPerRebarColumnInEachPanel)
{
  for (const char* name : {"sample.glt", "l-section.glt"}) {
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    ASSERT_TRUE(ReadExample(name, design, geometry)) << name;
    CBentCapSkeletonSketch sketch;
    sketch.m_pDesign = &design;
    const QImage image = Render(sketch, kSkeletonW, kSkeletonH, std::string("skeleton-") + name);
    const int m = design.GetExtendSteel().GetCodeCount();
    const int n = static_cast<int>(design.GetMainFace().GetSupports().GetSize());
    ASSERT_GT(m, 0) << name;
    const struct {
      int panel;
      bool shown;
    } panels[] = {{0, true}, {1, n >= 3}, {2, n >= 2}};
    for (const auto& p : panels) {
      const int centre = p.panel == 1 ? kSkeletonW / 4 + kSkeletonW / 2 : kSkeletonW / 4;
      const int y = p.panel == 2 ? kBottomRow : kTopRow;
      // The row's top edge spans the m cells.
      EXPECT_EQ(Count(image, kWhite, QRect(RowLeft(centre, m), y, kCell * m, 1)) >= kCell * m - 2, p.shown)
          << name << " " << p.panel;
      EXPECT_EQ(Count(image, kWhite, QRect(RowLeft(centre, m) - 2, y, 1, kCell)), 0) << name;
    }
    // Every skeleton column shows a letter in panel 0.
    for (int j = 0; j < m; ++j)
      if (design.GetExtendSteel().GetCodeAt(j) / 1000 == 9) {
        EXPECT_GT(CountDrawn(Cell(image, 0, j, m)), 3) << name << " " << j;
      }
  }
}

TEST_F(CBentCapSkeletonSketchTest, SkeletonLettersAdvanceOnlyInBendDownModeZero)
{
  m_design.GetExtendSteel().SetCodeAt(0, 9000);
  m_design.GetExtendSteel().SetCodeAt(14, 9000);
  m_design.GetMoreInfo().SetBendDownMode(0);
  const QImage lettered = Render(m_sketch, kSkeletonW, kSkeletonH, "skeleton-mode0");
  CBentCapSkeletonSketch other;
  CBent_PierInfo modeOne = m_design;
  modeOne.GetMoreInfo().SetBendDownMode(1);
  other.m_pDesign = &modeOne;
  const QImage allA = Render(other, kSkeletonW, kSkeletonH, "skeleton-mode1");
  for (int panel = 0; panel < 3; ++panel) {
    // "A" in the first column either way; "B" against "A" in the last.
    EXPECT_EQ(Cell(lettered, panel, 0, 15), Cell(allA, panel, 0, 15)) << panel;
    EXPECT_NE(Cell(lettered, panel, 14, 15), Cell(allA, panel, 14, 15)) << panel;
    EXPECT_EQ(Cell(allA, panel, 0, 15), Cell(allA, panel, 14, 15)) << panel;
  }
  // The middle column 7 is green; its neighbours are white.
  m_design.GetExtendSteel().SetCodeAt(7, 1000);
  m_design.GetExtendSteel().SetCodeAt(6, 1000);
  const QImage middle = Render(m_sketch, kSkeletonW, kSkeletonH);
  EXPECT_GT(CountNear(Cell(middle, 0, 7, 15), kGreen), 2);
  EXPECT_EQ(CountNear(Cell(middle, 0, 6, 15), kGreen), 0);
  EXPECT_GT(CountNear(Cell(middle, 0, 6, 15), kWhite), 2);
}

TEST_F(CBentCapSkeletonSketchTest, StrengthenedColumnStacksItsLayerCellsAndCountsInTheTitle)
{
  m_design.GetExtendSteel().SetCodeAt(3, 1200);
  const QImage image = Render(m_sketch, kSkeletonW, kSkeletonH, "skeleton-1200");
  // In panel 0 the "1" in the row and two cells with "7" below it: lines down to 2 cells more.
  const CPoint c = CellCentre(0, 3, 15);
  const int left = c.x - kCell / 2;
  EXPECT_EQ(Count(image, kWhite, QRect(left, kTopRow + kCell, 1, 2 * kCell)), 2 * kCell);
  EXPECT_EQ(Count(image, kWhite, QRect(left + kCell, kTopRow + kCell, 1, 2 * kCell)), 2 * kCell);
  EXPECT_EQ(At(image, left, kTopRow + 3 * kCell + 2), RGB(0, 0, 0));
  EXPECT_GT(CountDrawn(image.copy(left + 1, kTopRow + kCell + 1, kCell - 2, kCell - 2)), 3);
  EXPECT_GT(CountDrawn(image.copy(left + 1, kTopRow + 2 * kCell + 1, kCell - 2, kCell - 2)), 3);
  // Panel 1 has no layer there: only the "1" in its row.
  const CPoint c1 = CellCentre(1, 3, 15);
  EXPECT_EQ(Count(image, kWhite, QRect(c1.x - kCell / 2, kTopRow + kCell + 2, 1, kCell)), 0);
  EXPECT_EQ(m_sketch.PanelTitle(0), L"边柱柱顶钢筋（3+0*A）");

  // Equal diameters: the short title with S + N0 and K; other diameters the long one.
  m_design.GetExtendSteel().SetCodeAt(5, 9000);
  m_design.GetExtendSteel().SetCodeAt(9, 9000);
  EXPECT_EQ(m_sketch.PanelTitle(0), L"边柱柱顶钢筋（3+2*A）");
  m_design.GetMoreInfo().SetSkeletonDiameter(20);
  m_design.GetExtendSteel().SetTopDiameter(40);
  EXPECT_EQ(m_sketch.PanelTitle(0), L"边柱柱顶钢筋（1+2*λ+2*A，换算：9.0+2*A）");
  // Without edge-pier lengths the layers there count for nothing.
  m_design.GetExtendSteel().SetEdgeInnerDistance(0);
  EXPECT_EQ(m_sketch.PanelTitle(0), L"边柱柱顶钢筋（1+0*λ+2*A，换算：1.0+2*A）");
}

TEST_F(CBentCapSkeletonSketchTest, ClicksAddAndTakeLayersAtThePanelsPlace)
{
  MakeWindow(m_sketch, kSkeletonW, kSkeletonH);
  m_design.GetExtendSteel().SetCodeAt(2, 1000);
  EXPECT_EQ(m_sketch.AddAtColumn(CellCentre(0, 2, 15)), 1);
  EXPECT_EQ(m_sketch.AddAtColumn(CellCentre(1, 2, 15)), 1);
  EXPECT_EQ(m_sketch.AddAtColumn(CellCentre(2, 2, 15)), 1);
  EXPECT_EQ(m_design.GetExtendSteel().GetCodeAt(2), 1111);
  EXPECT_EQ(m_sketch.RemoveAtColumn(CellCentre(0, 2, 15)), 1);
  EXPECT_EQ(m_sketch.RemoveAtColumn(CellCentre(0, 2, 15)), 1);
  EXPECT_EQ(m_design.GetExtendSteel().GetCodeAt(2), 11);
  EXPECT_EQ(m_sketch.RemoveAtColumn(CellCentre(0, 2, 15)), 0);

  // An empty column asks what to add: the skeleton, then taken away by a right click.
  m_script->QueueDialog([](CDialog& d) {
    static_cast<CButton*>(d.GetDlgItem(1047))->Click();
    d.PressButton(IDOK);
  });
  EXPECT_EQ(m_sketch.AddAtColumn(CellCentre(2, 4, 15)), 1);
  EXPECT_EQ(m_design.GetExtendSteel().GetCodeAt(4), 9000);
  EXPECT_EQ(m_sketch.AddAtColumn(CellCentre(0, 4, 15)), 0);
  EXPECT_EQ(m_sketch.RemoveAtColumn(CellCentre(1, 4, 15)), 1);
  EXPECT_EQ(m_design.GetExtendSteel().GetCodeAt(4), 0);
  // Separate bars, a first layer at mid-span, or nothing when cancelled.
  m_script->QueueDialog([](CDialog& d) {
    static_cast<CButton*>(d.GetDlgItem(1048))->Click();
    d.PressButton(IDOK);
  });
  EXPECT_EQ(m_sketch.AddAtColumn(CellCentre(0, 5, 15)), 1);
  EXPECT_EQ(m_design.GetExtendSteel().GetCodeAt(5), 1000);
  m_script->QueueDialog([](CDialog& d) {
    static_cast<CButton*>(d.GetDlgItem(1049))->Click();
    d.PressButton(IDOK);
  });
  EXPECT_EQ(m_sketch.AddAtColumn(CellCentre(2, 6, 15)), 1);
  EXPECT_EQ(m_design.GetExtendSteel().GetCodeAt(6), 1);
  EXPECT_EQ(m_sketch.AddAtColumn(CellCentre(2, 8, 15)), 0);
  EXPECT_EQ(m_design.GetExtendSteel().GetCodeAt(8), 0);
  EXPECT_EQ(m_script->Dialogs().size(), 4u);
}

TEST_F(CBentCapSkeletonSketchTest, SymmetricDesignChangesAColumnAndItsMirrorAlike)
{
  MakeWindow(m_sketch, kSkeletonW, kSkeletonH);
  m_design.SetStrengtheningSymmetric(1);
  m_design.GetExtendSteel().SetCodeAt(1, 1000);
  m_design.GetExtendSteel().SetCodeAt(13, 1000);
  EXPECT_EQ(m_sketch.AddAtColumn(CellCentre(0, 13, 15)), 1);
  EXPECT_EQ(m_design.GetExtendSteel().GetCodeAt(1), 1100);
  EXPECT_EQ(m_design.GetExtendSteel().GetCodeAt(13), 1100);
  const std::vector<int> codes = Codes(m_design);
  for (int j = 0; j < 15; ++j)
    EXPECT_EQ(codes[j], codes[14 - j]) << j;
}

TEST_F(CBentCapSkeletonSketchTest, HitsOnlyColumnsOfShownPanels)
{
  MakeWindow(m_sketch, kSkeletonW, kSkeletonH);
  int panel = -1;
  int column = -1;
  // Only x decides the column; y only the panel.
  ASSERT_TRUE(m_sketch.HitTestColumn(CPoint(CellCentre(0, 0, 15).x, 150), panel, column));
  EXPECT_EQ(panel, 0);
  EXPECT_EQ(column, 0);
  EXPECT_FALSE(m_sketch.HitTestColumn(CPoint(CellCentre(0, 0, 15).x - kCell, 60), panel, column));
  EXPECT_FALSE(m_sketch.HitTestColumn(CPoint(kSkeletonW / 2, 60), panel, column));
  EXPECT_FALSE(m_sketch.HitTestColumn(CPoint(600, 300), panel, column));

  // One support: only the edge-pier panel is drawn and hit.
  m_design.GetMainFace().SetSupportCount(1);
  const QImage image = Render(m_sketch, kSkeletonW, kSkeletonH, "skeleton-one-support");
  EXPECT_EQ(Count(image, kWhite, QRect(kSkeletonW / 2, 0, kSkeletonW / 2, kSkeletonH)), 0);
  EXPECT_EQ(Count(image, kWhite, QRect(0, kSkeletonH / 2, kSkeletonW, kSkeletonH / 2)), 0);
  EXPECT_FALSE(m_sketch.HitTestColumn(CellCentre(1, 3, 15), panel, column));
  EXPECT_FALSE(m_sketch.HitTestColumn(CellCentre(2, 3, 15), panel, column));
  EXPECT_EQ(m_sketch.AddAtColumn(CellCentre(2, 3, 15)), 0);

  // Without a design or without columns nothing is drawn or hit.
  CBentCapSkeletonSketch none;
  EXPECT_EQ(CountDrawn(Render(none, kSkeletonW, kSkeletonH)), 0);
  EXPECT_FALSE(none.HitTestColumn(CPoint(100, 60), panel, column));
  m_design.GetExtendSteel().SetCodeCount(0);
  EXPECT_FALSE(m_sketch.HitTestColumn(CPoint(kSkeletonW / 4, 60), panel, column));
}
