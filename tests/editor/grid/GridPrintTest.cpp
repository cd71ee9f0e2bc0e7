// Printing: pages counted from the row heights, every page with the header rows, the page
// header's titles, and pages drawn on images and into a PDF file.
#include "GridTestSupport.h"

#include "CDC.h"
#include "CPrintInfo.h"

#include <QFile>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <set>
#include <unistd.h>
#include <utility>

namespace {

// A grid that keeps which cells it printed on the current page.
class PrintedGrid : public CGridCtrl {
public:
  std::set<std::pair<int, int>> fixedCells;
  std::set<int> rows;
  using CGridCtrl::GetPrintTitle;

protected:
  BOOL DrawFixedCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk) override
  {
    if (pDC->IsPrinting())
      fixedCells.insert({nRow, nCol});
    return CGridCtrl::DrawFixedCell(pDC, nRow, nCol, rect, bEraseBk);
  }
  BOOL DrawCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk) override
  {
    if (pDC->IsPrinting())
      rows.insert(nRow);
    return CGridCtrl::DrawCell(pDC, nRow, nCol, rect, bEraseBk);
  }
};

class GridPrintTest : public ::testing::Test, protected GridTestBase {
protected:
  void SetUp() override
  {
    m_grid.Create(CRect(0, 0, 400, 300), &m_owner, 100);
    m_grid.SetColumnCount(4);
    m_grid.SetFixedRowCount(1);
    m_grid.SetRowCount(41);
    for (int c = 0; c < 4; ++c) {
      m_grid.SetColumnWidth(c, 100);
      m_grid.SetItemText(0, c, L"墩号");
    }
    for (int r = 0; r < 41; ++r) {
      m_grid.SetRowHeight(r, 20);
      m_grid.SetItemText(r, 1, r ? L"1200" : L"间距");
    }
  }

  // A letter-sized page at 100 pixels per inch.
  static QImage Paper()
  {
    QImage paper(850, 1100, QImage::Format_RGB32);
    paper.fill(Qt::white);
    return paper;
  }

  static int InkedPixels(const QImage& image, const QRect& area)
  {
    int inked = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        inked += image.pixelColor(x, y) != QColor(Qt::white);
    return inked;
  }

  PrintedGrid m_grid;
};

} // namespace

TEST_F(GridPrintTest, PagesFollowTheRowHeightsAndEachHoldsTheHeaderRow)
{
  QImage paper = Paper();
  CDC dc(&paper);
  dc.m_bPrinting = TRUE;
  CPrintInfo info;
  m_grid.OnBeginPrinting(&dc, &info);
  // 40 rows of 20 on pages of 100 + 8 characters wide, 11 / 8.5 of that high.
  ASSERT_GT(info.GetMaxPage(), 1u);
  const UINT pages = info.GetMaxPage();

  std::set<int> printed;
  for (UINT page = 1; page <= pages; ++page) {
    QImage sheet = Paper();
    CDC pageDC(&sheet);
    pageDC.m_bPrinting = TRUE;
    info.m_nCurPage = page;
    m_grid.fixedCells.clear();
    m_grid.rows.clear();
    m_grid.OnPrint(&pageDC, &info);
    for (int c = 0; c < 4; ++c)
      EXPECT_TRUE(m_grid.fixedCells.count({0, c})) << "page " << page << " column " << c;
    EXPECT_FALSE(m_grid.rows.empty());
    for (int row : m_grid.rows)
      EXPECT_TRUE(printed.insert(row).second) << "row " << row << " printed twice";
    if (page == 1) {
      // Ink below the page header: the header row's texts and lines.
      EXPECT_GT(InkedPixels(sheet, QRect(40, 40, 770, 60)), 50);
    }
  }
  m_grid.OnEndPrinting(&dc, &info);
  EXPECT_EQ(printed.size(), 40u);
  EXPECT_EQ(*printed.begin(), 1);
  EXPECT_EQ(*printed.rbegin(), 40);
}

TEST_F(GridPrintTest, ShortTablePrintsOnOnePageAndATallRowOnAPageOfItsOwn)
{
  m_grid.SetRowCount(6);
  QImage paper = Paper();
  CDC dc(&paper);
  dc.m_bPrinting = TRUE;
  CPrintInfo info;
  m_grid.OnBeginPrinting(&dc, &info);
  EXPECT_EQ(info.GetMaxPage(), 1u);

  m_grid.SetRowHeight(3, 5000);
  m_grid.OnBeginPrinting(&dc, &info);
  EXPECT_EQ(info.GetMaxPage(), 3u);
  for (UINT page = 1; page <= 3; ++page) {
    info.m_nCurPage = page;
    m_grid.rows.clear();
    m_grid.OnPrint(&dc, &info);
    const std::set<int> expected = page == 1 ? std::set<int>{1, 2} : page == 2 ? std::set<int>{3} : std::set<int>{4, 5};
    EXPECT_EQ(m_grid.rows, expected) << "page " << page;
  }
}

TEST_F(GridPrintTest, GridWithoutDataRowsPreparesNothing)
{
  m_grid.SetRowCount(1);
  QImage paper = Paper();
  CDC dc(&paper);
  CPrintInfo info;
  info.SetMaxPage(7);
  m_grid.OnBeginPrinting(&dc, &info);
  EXPECT_EQ(info.GetMaxPage(), 7u);
}

TEST_F(GridPrintTest, HeaderTitleComesFromTheNearestTitledAncestor)
{
  CWnd untitled;
  untitled.Create(L"Pane", L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &m_owner, 7);
  PrintedGrid inner;
  inner.Create(CRect(0, 0, 200, 100), &untitled, 101);
  EXPECT_EQ(inner.GetPrintTitle(), L"表格");
  EXPECT_EQ(m_grid.GetPrintTitle(), L"表格");
}

TEST_F(GridPrintTest, PagesPrintIntoAPdfFile)
{
  const QString path = QStringLiteral("/tmp/grid-print-%1.pdf").arg(getpid());
  {
    QPdfWriter writer(path);
    CDC dc(&writer);
    dc.m_bPrinting = TRUE;
    CPrintInfo info;
    m_grid.OnBeginPrinting(&dc, &info);
    for (UINT page = 1; page <= info.GetMaxPage(); ++page) {
      if (page > 1)
        writer.newPage();
      info.m_nCurPage = page;
      m_grid.OnPrint(&dc, &info);
    }
    m_grid.OnEndPrinting(&dc, &info);
  }
  QFile pdf(path);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
  EXPECT_GT(pdf.size(), 1000);
  pdf.close();
  QFile::remove(path);
}
