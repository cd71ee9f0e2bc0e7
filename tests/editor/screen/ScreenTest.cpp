// The editor as a person sees it on an X display: the sample design open, every category of
// the tree visited, the window painted and the screen grabbed. Each form's controls can be
// reached, each grid shows its lines and its cells' texts, the summary shows every line.
#include "CBentCapFormBSView.h"
#include "CBentCapFormPLView.h"
#include "CBentCapFormRBView.h"
#include "FormsTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ScreenApplication : public ::testing::Environment {
public:
  void SetUp() override { m_app = std::make_unique<QApplication>(m_argc, m_argv); }
  void TearDown() override { m_app.reset(); }

private:
  int m_argc = 1;
  char m_name[16] = "screen-tests";
  char* m_argv[2] = {m_name, nullptr};
  std::unique_ptr<QApplication> m_app;
};

const ::testing::Environment* const kApplication = ::testing::AddGlobalTestEnvironment(new ScreenApplication);

// The pale yellow of the forms' grid cells.
const QRgb kCellColour = qRgb(255, 255, 224);

bool Dark(QRgb pixel) { return qGray(pixel) < 128; }

class ScreenTest : public FormsTest {
protected:
  void SetUp() override
  {
    FormsTest::SetUp();
    OpenSample();
    m_frame->ShowWindow(SW_SHOW);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame->GetWidget()));
    QDir().mkpath(CORBEL_SCREEN_DIR);
  }

  // Every item of the tree, depth first.
  std::vector<HTREEITEM> Items()
  {
    std::vector<HTREEITEM> items;
    CTreeCtrl& tree = m_frame->GetClassView().GetTreeCtrl();
    std::vector<HTREEITEM> pending{tree.GetRootItem()};
    while (!pending.empty()) {
      HTREEITEM item = pending.back();
      pending.pop_back();
      if (!item)
        continue;
      items.push_back(item);
      std::vector<HTREEITEM> children;
      for (HTREEITEM child = tree.GetChildItem(item); child; child = tree.GetNextSiblingItem(child))
        children.push_back(child);
      pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return items;
  }

  // Shows the item's form, lets it paint, and keeps the screen under the build folder.
  QImage Visit(HTREEITEM item, int index)
  {
    CTreeCtrl& tree = m_frame->GetClassView().GetTreeCtrl();
    tree.SelectItem(item);
    QTest::qWait(150);
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    shot.save(QStringLiteral(CORBEL_SCREEN_DIR "/%1.png").arg(index, 2, 10, QLatin1Char('0')));
    return shot;
  }

  QScrollArea* FormArea() { return qobject_cast<QScrollArea*>(m_frame->GetCurrentForm()->GetOuterWidget()); }

  // Each shown control of the form lies inside the form, and the form scrolls where it is larger
  // than its pane.
  void ExpectControlsReachable(const std::wstring& label)
  {
    QScrollArea* area = FormArea();
    ASSERT_NE(area, nullptr) << label;
    QWidget* form = area->widget();
    for (QObject* child : form->children()) {
      auto* control = qobject_cast<QWidget*>(child);
      if (!control || control->isWindow() || !control->isVisibleTo(form))
        continue;
      EXPECT_TRUE(form->rect().contains(control->geometry())) << label;
    }
    const int hiddenHeight = form->height() - area->viewport()->height();
    EXPECT_GE(area->verticalScrollBar()->maximum(), hiddenHeight) << label;
    const int hiddenWidth = form->width() - area->viewport()->width();
    EXPECT_GE(area->horizontalScrollBar()->maximum(), hiddenWidth) << label;
  }

  // The grid painted on the screen: its cells in their colour, a line along the right edge of
  // its first editable column, and ink in every cell that holds text, all within the pane.
  void ExpectGridPainted(CGridCtrl& grid, const QImage& shot, const std::wstring& label)
  {
    QWidget* widget = grid.GetWidget();
    ASSERT_TRUE(widget->isVisible()) << label;
    const QRect pane(FormArea()->viewport()->mapToGlobal(QPoint(0, 0)), FormArea()->viewport()->size());
    const CCellRange unobstructed = grid.GetUnobstructedNonFixedCellRange();
    int cells = 0;
    for (int row = grid.GetFixedRowCount(); row < grid.GetRowCount(); ++row)
      for (int col = grid.GetFixedColumnCount(); col < grid.GetColumnCount(); ++col) {
        CRect rect;
        if (!unobstructed.InRange(row, col) || !grid.GetCellRect(row, col, &rect))
          continue;
        const QRect cell(widget->mapToGlobal(QPoint(rect.left, rect.top)), QSize(rect.Width(), rect.Height()));
        if (!pane.contains(cell) || grid.GetItemText(row, col).IsEmpty())
          continue;
        ++cells;
        int ink = 0;
        int yellow = 0;
        for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
          for (int x = cell.left() + 2; x < cell.right() - 1; ++x) {
            ink += Dark(shot.pixel(x, y));
            yellow += shot.pixel(x, y) == kCellColour;
          }
        EXPECT_GT(ink, 5) << label << " cell " << row << "," << col;
        EXPECT_GT(yellow, 0) << label << " cell " << row << "," << col;
      }
    EXPECT_GT(cells, 0) << label << ": no cell with text inside the pane";
    CRect first;
    ASSERT_TRUE(grid.GetCellRect(grid.GetFixedRowCount(), grid.GetFixedColumnCount(), &first));
    const QPoint lineTop = widget->mapToGlobal(QPoint(first.right, first.top + 2));
    int line = 0;
    for (int y = lineTop.y(); y < lineTop.y() + first.Height() - 4; ++y)
      line += shot.pixel(lineTop.x(), y) != kCellColour;
    EXPECT_EQ(line, first.Height() - 4) << label << ": the grid line";
  }
};

} // namespace

TEST_F(ScreenTest, EveryCategoryShowsWhatItHolds)
{
  int index = 0;
  int grids = 0;
  CRect messages;
  m_frame->GetInfoView().GetWindowRect(&messages);
  for (HTREEITEM item : Items()) {
    const std::wstring label = m_frame->GetClassView().GetTreeCtrl().GetItemText(item).GetString();
    const QImage shot = Visit(item, index++);
    if (!m_frame->GetCurrentForm())
      continue;
    ExpectControlsReachable(label);
    CGridCtrl* grid = nullptr;
    if (auto* spacing = dynamic_cast<CBentCapFormPLView*>(m_frame->GetCurrentForm()))
      grid = spacing->GetGridCtrl();
    if (auto* bars = dynamic_cast<CBentCapFormRBView*>(m_frame->GetCurrentForm()))
      grid = bars->GetGridCtrl();
    if (grid) {
      ++grids;
      ExpectGridPainted(*grid, shot, label);
    }
  }
  EXPECT_GE(grids, 13);  // the pier spacings and the bar forms of the whole beam and each pier
  // The message pane keeps its height however many forms were shown above it.
  CRect after;
  m_frame->GetInfoView().GetWindowRect(&after);
  EXPECT_EQ(after.Height(), messages.Height());
}

TEST_F(ScreenTest, TheSummaryShowsEveryLine)
{
  ASSERT_TRUE(Choose(0));
  QTest::qWait(100);
  auto* summary = dynamic_cast<CBentCapFormBSView*>(m_frame->GetCurrentForm());
  ASSERT_NE(summary, nullptr);
  auto* text = qobject_cast<QLabel*>(FindControl(summary, 1024)->GetWidget());
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(text->text().contains(QStringLiteral("适用墩台")));
  EXPECT_GE(text->height(), text->heightForWidth(text->width()));
  // Scrolled to the end, the last line is in the pane.
  QScrollArea* area = FormArea();
  area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
  QTest::qWait(50);
  const QPoint textBottom = text->mapTo(area->viewport(), QPoint(0, text->heightForWidth(text->width())));
  EXPECT_LE(textBottom.y(), area->viewport()->height());
  QGuiApplication::primaryScreen()->grabWindow(0).save(QStringLiteral(CORBEL_SCREEN_DIR "/summary-end.png"));
}
