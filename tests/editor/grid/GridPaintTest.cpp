// The grid's layout and painting: font-based sizes, cell rectangles and hit tests under
// scrolling, automatic column widths, headers, merged blocks, selection colours and the answer
// to a system colour change.
#include "GridTestSupport.h"

#include "CColorConversion.h"
#include "SystemSettings.h"

#include <QPalette>

#include <gtest/gtest.h>

namespace {

class GridPaintTest : public ::testing::Test, protected GridTestBase {};

COLORREF At(const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)); }

} // namespace

TEST_F(GridPaintTest, FontSetsTheDefaultSizesOfNewRowsOnly)
{
  auto grid = MakeGrid(3, 3, 1, 1);
  const int height = grid->GetRowHeight(1);
  EXPECT_GT(height, 10);
  EXPECT_GT(grid->GetColumnWidth(1), 30);

  LOGFONT big = *grid->GetItemFont(1, 1);
  big.lfHeight = -40;
  CFont font;
  font.CreateFontIndirect(&big);
  grid->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(&font), TRUE);
  EXPECT_EQ(grid->GetRowHeight(1), height);
  EXPECT_EQ(grid->GetItemFont(2, 2)->lfHeight, -40);
  grid->SetRowCount(4);
  EXPECT_GT(grid->GetRowHeight(3), height);
  auto* screenFont = reinterpret_cast<CFont*>(grid->SendMessage(WM_GETFONT));
  LOGFONT read{};
  ASSERT_NE(screenFont, nullptr);
  screenFont->GetLogFont(&read);
  EXPECT_EQ(read.lfHeight, -40);
}

TEST_F(GridPaintTest, CellRectanglesAndHitTestsFollowTheScrollPosition)
{
  auto grid = MakeGrid(30, 12, 1, 1, CRect(0, 0, 300, 200));
  for (int c = 0; c < 12; ++c)
    grid->SetColumnWidth(c, 50);
  for (int r = 0; r < 30; ++r)
    grid->SetRowHeight(r, 20);
  grid->ResetScrollBars();

  CRect rect;
  ASSERT_TRUE(grid->GetCellRect(2, 3, &rect));
  EXPECT_EQ(rect, CRect(150, 40, 199, 59));
  EXPECT_EQ(grid->GetCellFromPt(CPoint(175, 45)), CCellID(2, 3));
  EXPECT_EQ(grid->GetCellFromPt(CPoint(10, 5)), CCellID(0, 0));
  EXPECT_EQ(grid->GetCellFromPt(CPoint(10, 5), FALSE), CCellID(-1, -1));

  // One line to the right: column 2 is the first one shown after the headers.
  grid->SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), 50);
  EXPECT_EQ(grid->GetTopleftNonFixedCell(), CCellID(1, 2));
  EXPECT_FALSE(grid->GetCellRect(2, 1, &rect));
  ASSERT_TRUE(grid->GetCellRect(2, 3, &rect));
  EXPECT_EQ(rect.left, 100);
  EXPECT_EQ(grid->GetCellFromPt(CPoint(60, 45)), CCellID(2, 2));
  EXPECT_FALSE(grid->IsCellVisible(2, 1));
  EXPECT_TRUE(grid->IsCellVisible(0, 0));

  // At the end of the range a further line changes nothing.
  grid->SendMessage(WM_HSCROLL, SB_RIGHT, 0);
  const int end = grid->GetScrollPos32(SB_HORZ);
  const CCellID lastTopLeft = grid->GetTopleftNonFixedCell();
  grid->SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), end);
  EXPECT_EQ(grid->GetTopleftNonFixedCell(), lastTopLeft);
  grid->SendMessage(WM_HSCROLL, SB_LEFT, 0);
  EXPECT_EQ(grid->GetScrollPos32(SB_HORZ), 0);

  // Pages down, and the visible range ends with the last row that reaches the bottom.
  grid->SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_GT(grid->GetScrollPos32(SB_VERT), 0);
  const CCellRange visible = grid->GetVisibleNonFixedCellRange();
  const CCellRange whole = grid->GetUnobstructedNonFixedCellRange();
  EXPECT_GE(visible.GetMaxRow(), whole.GetMaxRow());
  EXPECT_EQ(visible.GetMinRow(), grid->GetTopleftNonFixedCell().row);
}

TEST_F(GridPaintTest, AutoSizeFitsTheWidestText)
{
  auto grid = MakeGrid(4, 3, 1, 1);
  grid->SetItemText(2, 1, L"上部主筋 N1 2×φ28");
  const int before = grid->GetColumnWidth(1);
  ASSERT_TRUE(grid->AutoSizeColumn(1));
  EXPECT_GT(grid->GetColumnWidth(1), before);
  ASSERT_TRUE(grid->AutoSizeRow(2));
  EXPECT_GT(grid->GetRowHeight(2), 0);
  EXPECT_FALSE(grid->AutoSizeColumn(3));
}

TEST_F(GridPaintTest, HeadersCellsAndSelectionPaintInTheirColours)
{
  auto grid = MakeGrid(4, 3, 1, 1);
  grid->SetFixedBkColor(RGB(200, 210, 220));
  grid->SetTextBkColor(RGB(255, 255, 240));
  grid->SetBkColor(RGB(10, 20, 30));
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 3; ++c)
      grid->SetItemText(r, c, L"");
  grid->SetSelectedRange(2, 2, 2, 2);
  const QImage picture = Picture(*grid);
  CRect header, cell, selected;
  ASSERT_TRUE(grid->GetCellRect(0, 1, &header));
  ASSERT_TRUE(grid->GetCellRect(1, 1, &cell));
  ASSERT_TRUE(grid->GetCellRect(2, 2, &selected));
  EXPECT_EQ(At(picture, header.CenterPoint().x, header.CenterPoint().y), RGB(200, 210, 220));
  EXPECT_EQ(At(picture, cell.CenterPoint().x, cell.CenterPoint().y), RGB(255, 255, 240));
  EXPECT_EQ(At(picture, selected.CenterPoint().x, selected.CenterPoint().y), GetSysColor(COLOR_HIGHLIGHT));
  // The area no cell covers.
  EXPECT_EQ(At(picture, 390, 290), RGB(10, 20, 30));
  // The header's raised edge: light at its top, dark at its bottom.
  EXPECT_EQ(At(picture, header.CenterPoint().x, header.top), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(At(picture, header.CenterPoint().x, header.bottom), GetSysColor(COLOR_3DDKSHADOW));
}

TEST_F(GridPaintTest, FocusLineHeadersAreSunkenAndReturnRaised)
{
  auto grid = MakeGrid(4, 3, 1, 1);
  CRect header;
  ASSERT_TRUE(grid->GetCellRect(0, 2, &header));
  grid->SetFocusCell(2, 2);
  QImage picture = Picture(*grid);
  EXPECT_EQ(At(picture, header.CenterPoint().x, header.top), GetSysColor(COLOR_BTNSHADOW));
  grid->SetFocusCell(2, 1);
  picture = Picture(*grid);
  EXPECT_EQ(At(picture, header.CenterPoint().x, header.top), GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST_F(GridPaintTest, HeaderBlockOverTwoRowsIsOneCellWithOneText)
{
  auto grid = MakeGrid(5, 3, 2, 1);
  grid->SetItemText(0, 1, L"A");
  grid->SetItemText(1, 1, L"");
  ASSERT_NE(grid->MergeCells(0, 1, 1, 0), 0);
  CRect top, bottom;
  ASSERT_TRUE(grid->GetCellRect(0, 1, &top));
  ASSERT_TRUE(grid->GetCellRect(1, 1, &bottom));
  CRect block;
  ASSERT_TRUE(grid->GetMergedRect(1, 1, &block, true));
  EXPECT_EQ(block, CRect(top.left, top.top, bottom.right, bottom.bottom));

  const QImage picture = Picture(*grid);
  // No edge between the two rows of the block, one around it.
  EXPECT_EQ(At(picture, top.left + 3, top.bottom), grid->GetFixedBkColor());
  EXPECT_EQ(At(picture, top.left + 3, bottom.bottom), GetSysColor(COLOR_3DDKSHADOW));
  // The text sits across the middle of the block.
  bool inked = false;
  for (int x = top.left + 2; x < top.right - 2; ++x)
    for (int y = top.bottom - 3; y <= top.bottom + 3; ++y)
      inked = inked || At(picture, x, y) == grid->GetFixedTextColor();
  EXPECT_TRUE(inked);
}

TEST_F(GridPaintTest, EmptyGridPaintsOnlyBackgrounds)
{
  auto grid = MakeGrid(0, 0, 0, 0);
  grid->SetBkColor(RGB(1, 2, 3));
  const QImage picture = Picture(*grid);
  EXPECT_EQ(At(picture, 200, 150), RGB(1, 2, 3));
  EXPECT_FALSE(grid->GetScrollBarCtrl(SB_VERT)->IsWindowVisible());
}

TEST_F(GridPaintTest, SystemColourChangeKeepsColoursTheProgramSet)
{
  auto grid = MakeGrid(3, 3, 1, 1);
  grid->SetTextBkColor(RGB(1, 2, 3));
  const QPalette old = QApplication::palette();
  QPalette changed = old;
  changed.setColor(QPalette::Base, QColor(9, 8, 7));
  changed.setColor(QPalette::Button, QColor(7, 8, 9));
  QApplication::setPalette(changed);
  grid->SendMessage(WM_SYSCOLORCHANGE);
  EXPECT_EQ(grid->GetTextBkColor(), RGB(1, 2, 3));
  EXPECT_EQ(grid->GetFixedBkColor(), RGB(7, 8, 9));
  QApplication::setPalette(old);
}
