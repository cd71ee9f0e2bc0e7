// In-place editing: what opens the field or the list, what ends it, what the cell keeps and
// what the owner is told.
#include "GridTestSupport.h"

#include "CComboBox.h"
#include "CEdit.h"
#include "CScriptedMessageBoxAnswerer.h"
#include "MessageBoxService.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

class GridEditTest : public ::testing::Test, protected GridTestBase {
protected:
  void SetUp() override
  {
    m_grid = MakeGrid(6, 5, 1, 1);
    m_grid->SetItemText(2, 2, L"12");
    m_grid->SetItemText(2, 3, L"7.5");
    m_grid->SetFocus();
  }

  // The open editor, or null.
  CWnd* Editor() const { return m_grid->GetDlgItem(IDC_INPLACE_CONTROL); }
  QLineEdit* Field() const { return Editor() ? qobject_cast<QLineEdit*>(Editor()->GetWidget()) : nullptr; }
  CString FieldText() const { return Field() ? CString(Field()->text().toStdWString()) : CString(L"<none>"); }

  // Runs what the key left queued (the focus going back, the editor closing, the next one
  // opening), as the event loop does.
  static void Settle()
  {
    for (int round = 0; round < 4; ++round)
      QApplication::processEvents();
  }

  std::unique_ptr<CGridCtrl> m_grid;
};

} // namespace

TEST_F(GridEditTest, TypingOpensTheFieldWithTheTypedCharacterAndEnterStoresIt)
{
  m_grid->SetFocusCell(2, 2);
  m_owner.notices.clear();
  SendKey(*m_grid, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
  ASSERT_NE(Field(), nullptr);
  EXPECT_EQ(FieldText(), L"5");
  EXPECT_EQ(m_owner.Count(GVN_BEGINLABELEDIT), 1u);

  SendKey(Field(), Qt::Key_Return);
  Settle();
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(m_grid->GetItemText(2, 2), L"5");
  EXPECT_TRUE(m_grid->GetItemState(2, 2) & GVIS_MODIFIED);
  ASSERT_NE(m_owner.Last(GVN_ENDLABELEDIT), nullptr);
  EXPECT_EQ(m_owner.Last(GVN_ENDLABELEDIT)->row, 2);
  EXPECT_EQ(m_owner.Last(GVN_ENDLABELEDIT)->col, 2);
  EXPECT_EQ(m_grid->GetFocusCell(), CCellID(2, 2));
}

TEST_F(GridEditTest, BackspaceOpensTheFieldWithoutTheLastCharacter)
{
  m_grid->SetFocusCell(2, 2);
  SendKey(*m_grid, Qt::Key_Backspace);
  ASSERT_NE(Field(), nullptr);
  EXPECT_EQ(FieldText(), L"1");
}

TEST_F(GridEditTest, DoubleClickOpensWithTheCaretAtTheEndAndEscapeKeepsTheCell)
{
  const CPoint centre = CentreOf(*m_grid, 2, 3);
  Click(*m_grid, centre);
  QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(centre.x, centre.y),
                    m_grid->GetWidget()->mapToGlobal(QPointF(centre.x, centre.y)), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(m_grid->GetWidget(), &twice);
  ASSERT_NE(Field(), nullptr);
  EXPECT_EQ(FieldText(), L"7.5");
  EXPECT_EQ(Field()->cursorPosition(), 3);
  EXPECT_FALSE(Field()->hasSelectedText());

  SendKey(Field(), Qt::Key_9, Qt::NoModifier, QStringLiteral("9"));
  EXPECT_EQ(FieldText(), L"7.59");
  SendKey(Field(), Qt::Key_Escape);
  Settle();
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(m_grid->GetItemText(2, 3), L"7.5");
  EXPECT_FALSE(m_grid->GetItemState(2, 3) & GVIS_MODIFIED);
  EXPECT_FALSE(m_grid->GetModified());
}

TEST_F(GridEditTest, ClickOnTheFocusCellOpensTheFieldOnRelease)
{
  Click(*m_grid, CentreOf(*m_grid, 2, 2));
  EXPECT_EQ(Editor(), nullptr);
  Click(*m_grid, CentreOf(*m_grid, 2, 2));
  ASSERT_NE(Field(), nullptr);
  EXPECT_EQ(FieldText(), L"12");
}

TEST_F(GridEditTest, TabEndsTheEditAndOpensTheNextCellWithAllTextSelected)
{
  m_grid->SetFocusCell(2, 2);
  SendKey(*m_grid, Qt::Key_8, Qt::NoModifier, QStringLiteral("8"));
  SendKey(Field(), Qt::Key_Tab);
  Settle();
  EXPECT_EQ(m_grid->GetItemText(2, 2), L"8");
  EXPECT_EQ(m_grid->GetFocusCell(), CCellID(2, 3));
  ASSERT_NE(Field(), nullptr);
  EXPECT_EQ(FieldText(), L"7.5");
  EXPECT_EQ(Field()->selectedText(), QStringLiteral("7.5"));

  // Typed on through the table: Shift+Tab goes back.
  SendKey(Field(), Qt::Key_Backtab, Qt::ShiftModifier);
  Settle();
  EXPECT_EQ(m_grid->GetFocusCell(), CCellID(2, 2));
  ASSERT_NE(Field(), nullptr);
  EXPECT_EQ(FieldText(), L"8");
}

TEST_F(GridEditTest, DownLeavesATypedFieldButMovesTheCaretInAClickedOne)
{
  m_grid->SetFocusCell(2, 2);
  SendKey(*m_grid, Qt::Key_4, Qt::NoModifier, QStringLiteral("4"));
  SendKey(Field(), Qt::Key_Down);
  Settle();
  EXPECT_EQ(m_grid->GetItemText(2, 2), L"4");
  EXPECT_EQ(m_grid->GetFocusCell(), CCellID(3, 2));
  ASSERT_NE(Field(), nullptr);
  EXPECT_EQ(FieldText(), L"3,2");
  SendKey(Field(), Qt::Key_Escape);
  Settle();

  // Opened by the mouse, Down stays in the field; with Ctrl it leaves.
  Click(*m_grid, CentreOf(*m_grid, 3, 2));
  ASSERT_NE(Field(), nullptr);
  SendKey(Field(), Qt::Key_Down);
  Settle();
  EXPECT_NE(Field(), nullptr);
  EXPECT_EQ(m_grid->GetFocusCell(), CCellID(3, 2));
  SendKey(Field(), Qt::Key_Down, Qt::ControlModifier);
  Settle();
  EXPECT_EQ(m_grid->GetFocusCell(), CCellID(4, 2));
}

TEST_F(GridEditTest, ListCellsOpenAListOfTheirChoicesWhateverTheirFormat)
{
  CGridItem item;
  item.row = 4;
  item.col = 3;
  item.mask = GVIF_TEXT | GVIF_FORMAT;
  item.szText = L"HPB300";
  item.nFormat = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
  m_grid->SetItem(&item);
  m_grid->AddListCell(4, 3);
  CStringArray choices;
  choices.Add(L"HRB400");
  choices.Add(L"HPB300");
  choices.Add(L"HRB500");
  m_grid->SetCellListItems(4, 3, choices);

  m_grid->SetFocusCell(4, 3);
  SendKey(*m_grid, Qt::Key_H, Qt::NoModifier, QStringLiteral("H"));
  ASSERT_NE(Editor(), nullptr);
  auto* list = qobject_cast<QComboBox*>(Editor()->GetWidget());
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(list->isEditable());
  EXPECT_EQ(list->count(), 3);
  EXPECT_EQ(list->currentText(), QStringLiteral("HPB300"));
  static_cast<CComboBox*>(Editor())->SetCurSel(2);
  SendKey(list, Qt::Key_Return);
  Settle();
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(m_grid->GetItemText(4, 3), L"HRB500");
  EXPECT_TRUE(m_grid->GetItemState(4, 3) & GVIS_MODIFIED);
}

TEST_F(GridEditTest, ReadOnlyCellsAndLockedGridsOpenNothing)
{
  m_grid->SetCellReadOnly(2, 2);
  m_grid->SetFocusCell(2, 2);
  m_owner.notices.clear();
  SendKey(*m_grid, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(m_owner.Count(GVN_BEGINLABELEDIT), 0u);

  m_grid->SetEditable(FALSE);
  m_grid->SetFocusCell(3, 3);
  SendKey(*m_grid, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(m_owner.Count(GVN_BEGINLABELEDIT), 0u);
}

TEST_F(GridEditTest, FieldWidensToItsTextUpToTheGridsEdge)
{
  m_grid->SetFocusCell(2, 2);
  SendKey(*m_grid, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
  ASSERT_NE(Field(), nullptr);
  const int narrow = Field()->width();
  for (int i = 0; i < 40; ++i)
    SendKey(Field(), Qt::Key_0, Qt::NoModifier, QStringLiteral("0"));
  Settle();
  ASSERT_NE(Field(), nullptr) << m_grid->GetItemText(2, 2).GetString() << " " << m_owner.Count(GVN_ENDLABELEDIT);
  EXPECT_GT(Field()->width(), narrow);
  CRect client;
  m_grid->GetClientRect(&client);
  EXPECT_LE(Field()->geometry().right() + 1, client.right);
}

// A numeric cell takes only numbers: text that is none brings the forms' box, the cell keeps
// its value and the field stays open with the text selected, whichever key ended it; paste,
// cut and Delete leave it as it is.
TEST_F(GridEditTest, NumericCellsRefuseTextThatIsNoNumber)
{
  m_grid->SetCellNumeric(2, 2);
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Down}) {
    CScriptedMessageBoxAnswerer boxes;
    boxes.SetLog(nullptr);
    CMessageBoxAnswerer* previous = SetMessageBoxAnswerer(&boxes);
    m_grid->SetFocusCell(2, 2);
    m_owner.notices.clear();
    SendKey(*m_grid, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    ASSERT_NE(Field(), nullptr);
    SendKey(Field(), key);
    Settle();
    ASSERT_EQ(boxes.Boxes().size(), 1u) << key;
    EXPECT_EQ(boxes.Boxes().back().text, L"请输入一个数字。");
    EXPECT_EQ(m_grid->GetItemText(2, 2), L"12");
    EXPECT_EQ(m_owner.Count(GVN_ENDLABELEDIT), 0u);
    EXPECT_EQ(m_grid->GetFocusCell(), CCellID(2, 2));
    ASSERT_NE(Field(), nullptr);
    EXPECT_EQ(CWnd::GetFocus(), Editor());
    EXPECT_EQ(Field()->selectedText(), QStringLiteral("a"));

    // A number ends the edit as in any other cell.
    SendKey(Field(), Qt::Key_4, Qt::NoModifier, QStringLiteral("4"));
    SendKey(Field(), Qt::Key_Return);
    Settle();
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(m_grid->GetItemText(2, 2), L"4");
    EXPECT_EQ(m_owner.Count(GVN_ENDLABELEDIT), 1u);
    m_grid->SetItemText(2, 2, L"12");
    SetMessageBoxAnswerer(previous);
  }

  QApplication::clipboard()->setText(QStringLiteral("abc\t5"));
  m_grid->SetFocusCell(2, 2);
  m_grid->OnEditPaste();
  EXPECT_EQ(m_grid->GetItemText(2, 2), L"12");
  EXPECT_EQ(m_grid->GetItemText(2, 3), L"5");
  SendKey(*m_grid, Qt::Key_Delete);
  EXPECT_EQ(m_grid->GetItemText(2, 2), L"12");
  m_grid->SetSelectedRange(2, 2, 2, 2);
  m_grid->CutSelectedText();
  EXPECT_EQ(m_grid->GetItemText(2, 2), L"12");
}
