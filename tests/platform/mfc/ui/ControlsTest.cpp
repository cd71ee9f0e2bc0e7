// The controls keep and report their state, and tell their parent of what the user did, not
// of what the program set.
#include "CButton.h"
#include "CComboBox.h"
#include "CEdit.h"
#include "CListBox.h"
#include "CListCtrl.h"
#include "CStatic.h"
#include "CTreeCtrl.h"
#include "NumericField.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A parent window that keeps the notifications its controls send.
class RecordingParent : public CWnd {
public:
  struct Notice {
    UINT id;
    UINT code;
  };
  std::vector<Notice> commands;
  std::vector<NMTREEVIEW> trees;
  std::vector<UINT_PTR> timers;

  size_t Count(UINT id, UINT code) const
  {
    size_t n = 0;
    for (const Notice& c : commands)
      n += c.id == id && c.code == code;
    return n;
  }

protected:
  BOOL OnCommand(WPARAM wParam, LPARAM) override
  {
    commands.push_back({LOWORD(wParam), HIWORD(wParam)});
    return TRUE;
  }
  BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT*) override
  {
    trees.push_back(*reinterpret_cast<NMTREEVIEW*>(lParam));
    return TRUE;
  }
  void OnTimer(UINT_PTR nIDEvent) override { timers.push_back(nIDEvent); }
};

class ControlsTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    ASSERT_TRUE(m_parent.Create(L"Parent", L"controls", WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
  }
  RecordingParent m_parent;
};

} // namespace

TEST_F(ControlsTest, EditKeepsTextSelectionAndTellsChanges)
{
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(5, 5, 100, 25), &m_parent, 1001));
  EXPECT_EQ(m_parent.GetDlgItem(1001), &edit);
  edit.SetWindowText(L"梁高 1.5");
  CString text;
  edit.GetWindowText(text);
  EXPECT_EQ(text, L"梁高 1.5");
  EXPECT_EQ(edit.GetWindowTextLength(), 6);
  edit.SetSel(0, -1);
  int start = -1, end = -1;
  edit.GetSel(start, end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 6);
  edit.ReplaceSel(L"2");
  edit.GetWindowText(text);
  EXPECT_EQ(text, L"2");
  EXPECT_EQ(m_parent.Count(1001, EN_CHANGE), 2u);

  // Typed keys reach the widget through the window's handlers.
  QKeyEvent key(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
  QApplication::sendEvent(edit.GetWidget(), &key);
  edit.GetWindowText(text);
  EXPECT_EQ(text, L"25");
  EXPECT_TRUE(edit.SetReadOnly());
  EXPECT_TRUE(static_cast<QLineEdit*>(edit.GetWidget())->isReadOnly());
  edit.EnableWindow(FALSE);
  EXPECT_FALSE(edit.IsWindowEnabled());
}

TEST_F(ControlsTest, ButtonsCheckAndClick)
{
  CButton check, push;
  ASSERT_TRUE(check.Create(L"对称", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 80, 20), &m_parent, 1002));
  ASSERT_TRUE(push.Create(L"确定", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 30, 80, 50), &m_parent, IDOK));
  check.SetCheck(BST_CHECKED);
  EXPECT_EQ(check.GetCheck(), BST_CHECKED);
  EXPECT_EQ(m_parent.commands.size(), 0u);
  check.Click();
  EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
  push.Click();
  EXPECT_EQ(m_parent.Count(1002, BN_CLICKED), 1u);
  EXPECT_EQ(m_parent.Count(IDOK, BN_CLICKED), 1u);
  EXPECT_EQ(push.GetCheck(), BST_UNCHECKED);
  CString caption;
  push.GetWindowText(caption);
  EXPECT_EQ(caption, L"确定");
}

TEST_F(ControlsTest, ComboBoxListsSortsAndSelects)
{
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_SORT, CRect(0, 0, 100, 200), &m_parent, 1003));
  EXPECT_EQ(combo.AddString(L"HRB400"), 0);
  EXPECT_EQ(combo.AddString(L"HPB300"), 0);
  EXPECT_EQ(combo.AddString(L"hrb500"), 2);
  EXPECT_EQ(combo.GetCount(), 3);
  EXPECT_EQ(combo.GetCurSel(), CB_ERR);
  EXPECT_EQ(combo.SetItemData(1, 400), 0);
  EXPECT_EQ(combo.FindStringExact(-1, L"hrb400"), 1);
  EXPECT_EQ(combo.FindStringExact(1, L"HRB400"), 1);
  EXPECT_EQ(combo.FindStringExact(-1, L"HRB"), CB_ERR);
  EXPECT_EQ(combo.SetCurSel(1), 1);
  EXPECT_EQ(combo.GetItemData(combo.GetCurSel()), 400u);
  EXPECT_EQ(combo.SetCurSel(7), CB_ERR);
  EXPECT_EQ(combo.GetCurSel(), -1);
  EXPECT_EQ(combo.SelectString(-1, L"HRB5"), 2);
  CString text;
  combo.GetLBText(2, text);
  EXPECT_EQ(text, L"hrb500");
  EXPECT_EQ(m_parent.commands.size(), 0u);
  combo.ChooseItem(0);
  EXPECT_EQ(combo.GetCurSel(), 0);
  EXPECT_EQ(m_parent.Count(1003, CBN_SELCHANGE), 1u);
  EXPECT_EQ(combo.DeleteString(5), CB_ERR);
  EXPECT_EQ(combo.DeleteString(0), 2);
  combo.ResetContent();
  EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(ControlsTest, ListBoxKeepsItemsAndSelection)
{
  CListBox list, multi;
  ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 100, 100), &m_parent, 1004));
  ASSERT_TRUE(multi.Create(WS_CHILD | WS_VISIBLE | LBS_MULTIPLESEL, CRect(0, 100, 100, 200), &m_parent, 1005));
  for (const wchar_t* item : {L"N1", L"N2", L"N3"}) {
    list.AddString(item);
    multi.AddString(item);
  }
  EXPECT_EQ(list.InsertString(1, L"N1a"), 1);
  EXPECT_EQ(list.InsertString(9, L"x"), LB_ERR);
  EXPECT_EQ(list.SetCurSel(2), 2);
  EXPECT_EQ(list.GetCurSel(), 2);
  CString text;
  list.GetText(2, text);
  EXPECT_EQ(text, L"N2");
  list.SetItemData(3, 33);
  EXPECT_EQ(list.GetItemData(3), 33u);
  EXPECT_EQ(list.GetSelCount(), LB_ERR);
  EXPECT_EQ(multi.SetSel(0), 0);
  EXPECT_EQ(multi.SetSel(2), 0);
  EXPECT_EQ(multi.GetSelCount(), 2);
  EXPECT_EQ(multi.GetSel(1), 0);
  EXPECT_EQ(list.DeleteString(0), 3);
  EXPECT_EQ(m_parent.commands.size(), 0u);
}

TEST_F(ControlsTest, StaticAndTreeKeepTheirState)
{
  CStatic label;
  ASSERT_TRUE(label.Create(L"类型：桥墩", WS_CHILD | WS_VISIBLE | SS_CENTER, CRect(0, 0, 200, 20), &m_parent, 1036));
  CString text;
  label.GetWindowText(text);
  EXPECT_EQ(text, L"类型：桥墩");

  CTreeCtrl tree;
  ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_LINESATROOT, CRect(0, 20, 200, 300), &m_parent, 1006));
  const HTREEITEM design = tree.InsertItem(L"设计");
  const HTREEITEM piers = tree.InsertItem(L"墩柱", design);
  const HTREEITEM first = tree.InsertItem(L"墩1", piers);
  const HTREEITEM second = tree.InsertItem(L"墩2", piers);
  const HTREEITEM zeroth = tree.InsertItem(L"墩0", piers, TVI_FIRST);
  tree.SetItemData(second, 12);
  EXPECT_EQ(tree.GetCount(), 5u);
  EXPECT_EQ(tree.GetRootItem(), design);
  EXPECT_EQ(tree.GetChildItem(piers), zeroth);
  EXPECT_EQ(tree.GetNextSiblingItem(zeroth), first);
  EXPECT_EQ(tree.GetPrevSiblingItem(first), zeroth);
  EXPECT_EQ(tree.GetParentItem(second), piers);
  EXPECT_TRUE(tree.ItemHasChildren(piers));
  EXPECT_FALSE(tree.ItemHasChildren(second));
  EXPECT_EQ(tree.InsertItem(L"x", reinterpret_cast<HTREEITEM>(&text)), nullptr);

  EXPECT_TRUE(tree.SelectItem(second));
  EXPECT_EQ(tree.GetSelectedItem(), second);
  ASSERT_EQ(m_parent.trees.size(), 1u);
  EXPECT_EQ(m_parent.trees[0].hdr.code, TVN_SELCHANGED);
  EXPECT_EQ(m_parent.trees[0].hdr.idFrom, 1006u);
  EXPECT_EQ(m_parent.trees[0].itemNew.hItem, second);
  EXPECT_EQ(m_parent.trees[0].itemNew.lParam, 12);

  EXPECT_TRUE(tree.Expand(piers, TVE_EXPAND));
  EXPECT_TRUE(tree.IsExpanded(piers));
  EXPECT_TRUE(tree.DeleteItem(piers));
  EXPECT_EQ(tree.GetCount(), 1u);
  EXPECT_EQ(tree.GetItemText(first), CString());
}

// A window's handle finds nothing once the window is gone; messages posted to it are dropped.
TEST_F(ControlsTest, HandlesOfDestroyedWindowsFindNothing)
{
  HWND handle = nullptr;
  {
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD, CRect(0, 0, 10, 10), &m_parent, 1007));
    handle = edit.GetSafeHwnd();
    EXPECT_EQ(CWnd::FromHandle(handle), &edit);
    EXPECT_TRUE(edit.PostMessage(WM_COMMAND, 1, 0));
  }
  EXPECT_EQ(CWnd::FromHandle(handle), nullptr);
  EXPECT_EQ(m_parent.GetDlgItem(1007), nullptr);
  QApplication::processEvents();
  EXPECT_TRUE(m_parent.commands.empty());
}

TEST_F(ControlsTest, TimersArriveThroughTheEventLoopUntilKilled)
{
  m_parent.SetTimer(7, 0);
  QElapsedTimer clock;
  clock.start();
  while (m_parent.timers.size() < 2 && clock.elapsed() < 5000)
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  ASSERT_GE(m_parent.timers.size(), 2u);
  EXPECT_EQ(m_parent.timers[0], 7u);
  EXPECT_TRUE(m_parent.KillTimer(7));
  EXPECT_FALSE(m_parent.KillTimer(7));
  const size_t fired = m_parent.timers.size();
  QApplication::processEvents();
  EXPECT_EQ(m_parent.timers.size(), fired);
}

// Radio buttons form groups from each WS_GROUP button on; the parent reads its children by id.
TEST_F(ControlsTest, DialogItemsAndRadioGroups)
{
  CButton pier, abutment, normal, skew;
  const DWORD radio = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
  ASSERT_TRUE(pier.Create(L"桥墩", radio | WS_GROUP, CRect(0, 0, 60, 20), &m_parent, 1101));
  ASSERT_TRUE(abutment.Create(L"桥台", radio, CRect(0, 20, 60, 40), &m_parent, 1102));
  ASSERT_TRUE(normal.Create(L"正弯", radio | WS_GROUP, CRect(0, 40, 60, 60), &m_parent, 1103));
  ASSERT_TRUE(skew.Create(L"斜弯", radio, CRect(0, 60, 60, 80), &m_parent, 1104));
  m_parent.CheckDlgButton(1101, BST_CHECKED);
  m_parent.CheckDlgButton(1104, BST_CHECKED);
  abutment.Click();
  EXPECT_EQ(m_parent.IsDlgButtonChecked(1101), 0u);
  EXPECT_EQ(m_parent.IsDlgButtonChecked(1102), 1u);
  EXPECT_EQ(m_parent.IsDlgButtonChecked(1104), 1u);

  CEdit count;
  ASSERT_TRUE(count.Create(WS_CHILD | WS_VISIBLE, CRect(100, 0, 160, 20), &m_parent, 1105));
  m_parent.SetDlgItemInt(1105, static_cast<UINT>(-3));
  CString text;
  EXPECT_EQ(m_parent.GetDlgItemText(1105, text), 2);
  EXPECT_EQ(text, L"-3");
  BOOL ok = FALSE;
  EXPECT_EQ(static_cast<int>(m_parent.GetDlgItemInt(1105, &ok)), -3);
  EXPECT_TRUE(ok);
  m_parent.GetDlgItemInt(1105, &ok, FALSE);
  EXPECT_FALSE(ok);
  m_parent.SetDlgItemText(1105, L"15列");
  EXPECT_EQ(m_parent.GetDlgItemInt(1105, &ok), 15u);
  EXPECT_TRUE(ok);
  m_parent.SetDlgItemText(1105, L"列");
  EXPECT_EQ(m_parent.GetDlgItemInt(1105, &ok), 0u);
  EXPECT_FALSE(ok);
}

TEST_F(ControlsTest, MultiLineEditKeepsWindowsLineEnds)
{
  CEdit notes;
  ASSERT_TRUE(notes.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 200, 80), &m_parent, 1201));
  notes.SetWindowText(L"第一行\r\n第二行");
  CString text;
  notes.GetWindowText(text);
  EXPECT_EQ(text, L"第一行\r\n第二行");
  notes.SetSel(0, 3);
  notes.ReplaceSel(L"首行");
  notes.GetWindowText(text);
  EXPECT_EQ(text, L"首行\r\n第二行");
  EXPECT_EQ(m_parent.Count(1201, EN_CHANGE), 2u);
}

TEST_F(ControlsTest, ReportListKeepsRowsColumnsAndSelection)
{
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &m_parent, 1054));
  EXPECT_EQ(list.InsertColumn(0, L"编号", LVCFMT_LEFT, 60), 0);
  EXPECT_EQ(list.InsertColumn(1, L"起始列", LVCFMT_RIGHT, 60), 1);
  EXPECT_EQ(list.InsertColumn(1, L"直径", LVCFMT_RIGHT, 60), 1);
  EXPECT_EQ(list.GetColumnCount(), 3);
  EXPECT_EQ(list.InsertItem(0, L"1"), 0);
  EXPECT_EQ(list.InsertItem(5, L"2"), 1);
  EXPECT_TRUE(list.SetItemText(1, 2, L"3"));
  EXPECT_FALSE(list.SetItemText(1, 3, L"x"));
  EXPECT_FALSE(list.SetItemText(2, 0, L"x"));
  EXPECT_TRUE(list.SetItemData(1, 99));
  EXPECT_EQ(list.GetItemText(1, 2), L"3");
  EXPECT_EQ(list.GetItemData(1), 99u);
  EXPECT_TRUE(list.DeleteColumn(1));
  EXPECT_EQ(list.GetItemText(1, 1), L"3");

  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
  EXPECT_TRUE(list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
  EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED), LVIS_SELECTED);
  EXPECT_EQ(list.GetSelectedCount(), 1u);
  EXPECT_TRUE(list.DeleteItem(0));
  EXPECT_EQ(list.GetItemCount(), 1);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0);
  EXPECT_TRUE(list.DeleteAllItems());
  EXPECT_EQ(list.GetItemCount(), 0);
}

// Focus moves between controls of an active window and each control tells its parent.
TEST_F(ControlsTest, FocusMovesAndIsReported)
{
  CEdit first, second;
  ASSERT_TRUE(first.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), &m_parent, 1301));
  ASSERT_TRUE(second.Create(WS_CHILD | WS_VISIBLE, CRect(0, 30, 80, 50), &m_parent, 1302));
  m_parent.GetWidget()->activateWindow();
  QApplication::processEvents();
  first.SetFocus();
  EXPECT_EQ(CWnd::GetFocus(), &first);
  EXPECT_EQ(second.SetFocus(), &first);
  EXPECT_EQ(CWnd::GetFocus(), &second);
  EXPECT_EQ(m_parent.Count(1301, EN_SETFOCUS), 1u);
  EXPECT_EQ(m_parent.Count(1301, EN_KILLFOCUS), 1u);
  EXPECT_EQ(m_parent.Count(1302, EN_SETFOCUS), 1u);
}

// A field's number as the data exchange takes it: the whole text, blanks around it allowed.
TEST(NumericFieldTest, TextIsTheWholeNumber)
{
  const struct {
    const wchar_t* text;
    bool real;
    double realValue;
    bool integer;
    int intValue;
  } cases[] = {
      {L"180", true, 180, true, 180},      {L" -2.5\t", true, -2.5, false, 0}, {L"1e3", true, 1000, false, 0},
      {L"abc", false, 0, false, 0},        {L"", false, 0, false, 0},          {L"12abc", false, 0, false, 0},
      {L"1.5.2", false, 0, false, 0},      {L"  ", false, 0, false, 0},        {L"99999999999", true, 99999999999.0, false, 0},
  };
  for (const auto& c : cases) {
    double real = -1;
    int integer = -1;
    EXPECT_EQ(ParseRealText(c.text, real) != FALSE, c.real) << c.text;
    EXPECT_EQ(ParseIntText(c.text, integer) != FALSE, c.integer) << c.text;
    EXPECT_DOUBLE_EQ(real, c.real ? c.realValue : -1) << c.text;
    EXPECT_EQ(integer, c.integer ? c.intValue : -1) << c.text;
  }
}
