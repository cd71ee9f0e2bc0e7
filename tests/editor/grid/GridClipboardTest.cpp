// Cell texts through the clipboard and by drag and drop.
#include "GridTestSupport.h"

#include "CCmdUI.h"
#include "COleDataObject.h"
#include "CodePage.h"

#include <QAction>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include <gtest/gtest.h>

#include <string>

namespace {

class GridClipboardTest : public ::testing::Test, protected GridTestBase {
protected:
  void SetUp() override { m_grid = MakeGrid(6, 5, 1, 1); }

  static void SetClipboardText(const char* utf8) { QApplication::clipboard()->setText(QString::fromUtf8(utf8)); }

  // The clipboard's CF_TEXT block, NUL included.
  static std::string ClipboardBlock()
  {
    COleDataObject data;
    data.AttachClipboard();
    const std::vector<char> block = data.GetGlobalData(CF_TEXT);
    return std::string(block.begin(), block.end());
  }

  std::unique_ptr<CGridCtrl> m_grid;
};

} // namespace

TEST_F(GridClipboardTest, CopyWritesRowsOnLinesCellsBetweenTabsAndBlanksForEmptyCells)
{
  m_grid->SetItemText(1, 1, L"a");
  m_grid->SetItemText(1, 2, L"");
  m_grid->SetItemText(1, 3, L"c");
  m_grid->SetItemText(2, 1, L"d");
  m_grid->SetItemText(2, 2, L"e");
  m_grid->SetItemText(2, 3, L"f");
  m_grid->SetSelectedRange(1, 1, 2, 3);
  m_grid->OnEditCopy();
  EXPECT_EQ(ClipboardBlock(), std::string("a\t \tc\nd\te\tf\0", 12));

  // A cell of the range that is not selected leaves only its tabs.
  m_grid->SetItemState(1, 2, GVIS_SELECTED);
  m_grid->SetSelectedRange(1, 1, 1, 1);
  m_grid->SetItemState(1, 3, GVIS_SELECTED);
  m_grid->OnEditCopy();
  EXPECT_EQ(ClipboardBlock(), std::string("a\t\tc\0", 5));
}

TEST_F(GridClipboardTest, PasteSplitsAtTabsCommasAndLines)
{
  struct Case {
    const char* text;
    CCellID at;
    std::vector<std::pair<CCellID, const wchar_t*>> expected;
  };
  const Case cases[] = {
      {"1,2\n3", CCellID(2, 1), {{CCellID(2, 1), L"1"}, {CCellID(2, 2), L"2"}, {CCellID(3, 1), L"3"}}},
      {"x\t\ty", CCellID(1, 1), {{CCellID(1, 1), L"x"}, {CCellID(1, 2), L"y"}, {CCellID(1, 3), L"1,3"}}},
      {" 梁高 \t 1.5 ", CCellID(4, 2), {{CCellID(4, 2), L"梁高"}, {CCellID(4, 3), L"1.5"}}},
      // Beyond the last row and column the rest is dropped.
      {"p\tq\tr\ns\tt\tu", CCellID(5, 3), {{CCellID(5, 3), L"p"}, {CCellID(5, 4), L"q"}}},
  };
  for (const Case& c : cases) {
    SetClipboardText(c.text);
    m_grid->SetFocusCell(c.at);
    m_grid->OnEditPaste();
    for (const auto& [cell, text] : c.expected)
      EXPECT_EQ(m_grid->GetItemText(cell.row, cell.col), text) << c.text << " at " << cell.row << "," << cell.col;
  }
  EXPECT_EQ(m_grid->GetRowCount(), 6);
  EXPECT_EQ(m_grid->GetColumnCount(), 5);
  EXPECT_TRUE(m_grid->GetItemState(2, 2) & GVIS_MODIFIED);
}

TEST_F(GridClipboardTest, PasteTellsTheOwnerOfEachCellAndSkipsLockedOnes)
{
  m_grid->GetCell(2, 2)->locked = 1;
  m_grid->SetCellReadOnly(2, 3);
  SetClipboardText("7\t8\t9");
  m_grid->SetFocusCell(2, 1);
  m_owner.notices.clear();
  m_grid->OnEditPaste();
  EXPECT_EQ(m_grid->GetItemText(2, 1), L"7");
  EXPECT_EQ(m_grid->GetItemText(2, 2), L"2,2");
  // Only the first cell must be editable: a read-only neighbour takes its text.
  EXPECT_EQ(m_grid->GetItemText(2, 3), L"9");
  EXPECT_EQ(m_owner.Count(GVN_BEGINLABELEDIT), 2u);
  EXPECT_EQ(m_owner.Count(GVN_ENDLABELEDIT), 2u);
}

TEST_F(GridClipboardTest, CopyThenPasteMovesABlockIntact)
{
  m_grid->SetItemText(1, 1, L"N1");
  m_grid->SetItemText(1, 2, L"2×φ28");
  m_grid->SetItemText(2, 1, L"");
  m_grid->SetItemText(2, 2, L"1200.5");
  m_grid->SetFocus();
  Click(*m_grid, CentreOf(*m_grid, 1, 1));
  Click(*m_grid, CentreOf(*m_grid, 2, 2), Qt::ShiftModifier);
  SendKey(*m_grid, Qt::Key_C, Qt::ControlModifier);
  Click(*m_grid, CentreOf(*m_grid, 4, 3));
  SendKey(*m_grid, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(m_grid->GetItemText(4, 3), L"N1");
  EXPECT_EQ(m_grid->GetItemText(4, 4), L"2×φ28");
  EXPECT_EQ(m_grid->GetItemText(5, 3), L"");
  EXPECT_EQ(m_grid->GetItemText(5, 4), L"1200.5");
  EXPECT_EQ(m_grid->GetItemText(1, 1), L"N1");
  // A comma inside a text splits it on the way back.
  m_grid->SetItemText(1, 1, L"3,4");
  m_grid->SetSelectedRange(1, 1, 1, 1);
  m_grid->OnEditCopy();
  m_grid->SetFocusCell(4, 3);
  m_grid->OnEditPaste();
  EXPECT_EQ(m_grid->GetItemText(4, 3), L"3");
  EXPECT_EQ(m_grid->GetItemText(4, 4), L"4");
}

TEST_F(GridClipboardTest, CutEmptiesTheSelectedEditableCells)
{
  m_grid->SetCellReadOnly(3, 3);
  m_grid->SetSelectedRange(3, 2, 3, 3);
  m_grid->OnEditCut();
  EXPECT_EQ(ClipboardBlock(), std::string("3,2\t3,3\0", 8));
  EXPECT_EQ(m_grid->GetItemText(3, 2), L"");
  EXPECT_EQ(m_grid->GetItemText(3, 3), L"3,3");
  EXPECT_TRUE(m_grid->GetItemState(3, 2) & GVIS_MODIFIED);
}

TEST_F(GridClipboardTest, LockedGridCopiesButTakesNothing)
{
  m_grid->SetEditable(FALSE);
  m_grid->SetSelectedRange(1, 1, 1, 1);
  m_grid->OnEditCopy();
  EXPECT_EQ(ClipboardBlock(), std::string("1,1\0", 4));
  SetClipboardText("z");
  m_grid->SetFocusCell(2, 2);
  m_grid->OnEditPaste();
  m_grid->OnEditCut();
  EXPECT_EQ(m_grid->GetItemText(2, 2), L"2,2");
  EXPECT_EQ(m_grid->GetItemText(1, 1), L"1,1");

  QAction action;
  CCmdUI paste(ID_EDIT_PASTE, &action);
  m_grid->OnUpdateEditPaste(&paste);
  EXPECT_FALSE(action.isEnabled());
  CCmdUI copy(ID_EDIT_COPY, &action);
  m_grid->OnUpdateEditCopy(&copy);
  EXPECT_TRUE(action.isEnabled());
  CCmdUI cut(ID_EDIT_CUT, &action);
  m_grid->OnUpdateEditCut(&cut);
  EXPECT_FALSE(action.isEnabled());
}

TEST_F(GridClipboardTest, DropsLandOnEditableCellsOnly)
{
  m_grid->EnableDragAndDrop(TRUE);
  m_grid->SetCellReadOnly(2, 2);
  QMimeData data;
  data.setText(QStringLiteral("拖\t放"));
  const auto dropAt = [&](CPoint point) {
    const QPointF at(point.x, point.y);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_grid->GetWidget(), &enter);
    const bool accepted = enter.isAccepted();
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_grid->GetWidget(), &drop);
    return accepted;
  };
  EXPECT_FALSE(dropAt(CentreOf(*m_grid, 2, 2)));
  EXPECT_EQ(m_grid->GetItemText(2, 2), L"2,2");
  EXPECT_EQ(m_grid->GetItemText(2, 3), L"2,3");

  EXPECT_TRUE(dropAt(CentreOf(*m_grid, 3, 2)));
  EXPECT_EQ(m_grid->GetItemText(3, 2), L"拖");
  EXPECT_EQ(m_grid->GetItemText(3, 3), L"放");
  EXPECT_FALSE(m_grid->GetItemState(3, 2) & GVIS_DROPHILITED);
}

TEST_F(GridClipboardTest, DraggingTheSelectionTellsTheOwnerAndKeepsItWhenNothingTakesIt)
{
  m_grid->EnableDragAndDrop(TRUE);
  m_grid->SetFocus();
  Click(*m_grid, CentreOf(*m_grid, 2, 2));
  SendMouse(*m_grid, QEvent::MouseButtonPress, CentreOf(*m_grid, 3, 3), Qt::ShiftModifier);
  SendMouse(*m_grid, QEvent::MouseButtonRelease, CentreOf(*m_grid, 3, 3), Qt::ShiftModifier);
  ASSERT_EQ(m_grid->GetSelectedCellRange(), CCellRange(2, 2, 3, 3));

  SendMouse(*m_grid, QEvent::MouseButtonPress, CentreOf(*m_grid, 2, 2));
  EXPECT_EQ(m_grid->GetMouseMode(), MOUSE_PREPARE_DRAG);
  SendMouse(*m_grid, QEvent::MouseMove, CentreOf(*m_grid, 2, 3), Qt::NoModifier, Qt::LeftButton);
  ASSERT_NE(m_owner.Last(GVN_BEGINDRAG), nullptr);
  EXPECT_EQ(m_owner.Last(GVN_BEGINDRAG)->row, 2);
  EXPECT_EQ(m_owner.Last(GVN_BEGINDRAG)->col, 2);
  EXPECT_EQ(m_grid->GetMouseMode(), MOUSE_NOTHING);
  EXPECT_EQ(m_grid->GetItemText(3, 3), L"3,3");

  // A press on the selection released without a drag clears it.
  SendMouse(*m_grid, QEvent::MouseButtonPress, CentreOf(*m_grid, 3, 3));
  SendMouse(*m_grid, QEvent::MouseButtonRelease, CentreOf(*m_grid, 3, 3));
  EXPECT_EQ(m_grid->GetSelectedCount(), 0);
}
