// A frame's commands from its menu, tool bar and pop-ups reach its handlers; update handlers
// set what the menu and the status bar show.
#include "AfxMessageBox.h"
#include "CCmdUI.h"
#include "CFormView.h"
#include "CFrameWnd.h"
#include "CMenu.h"
#include "CScopedModalAnswerer.h"
#include "CSplitterWnd.h"
#include "CStatic.h"
#include "CStatusBar.h"
#include "CToolBar.h"
#include "CView.h"

#include <QAction>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class TestFrame : public CFrameWnd {
public:
  std::vector<UINT> commands;
  UINT checked = 32773;
  CMenu menu;
  CToolBar toolBar;
  CStatusBar statusBar;
  CSplitterWnd outer, inner;
  CView tree, form, info;

protected:
  int OnCreate() override
  {
    if (CFrameWnd::OnCreate() == -1)
      return -1;
    menu.CreateMenu();
    CMenu units;
    units.CreatePopupMenu();
    units.AppendMenu(MF_STRING, 32771, L"米(&M)");
    units.AppendMenu(MF_STRING, 32773, L"厘米(&C)");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(units.Detach()), L"单位(&U)");
    SetMenu(&menu);
    const UINT buttons[] = {57600, ID_SEPARATOR, 32809};
    if (!toolBar.CreateEx(this) || !toolBar.SetButtons(buttons, 3))
      return -1;
    AddToolBar(&toolBar);
    const UINT panes[] = {ID_SEPARATOR, 59143};
    if (!statusBar.Create(this) || !statusBar.SetIndicators(panes, 2))
      return -1;
    SetStatusBar(&statusBar);
    return 0;
  }
  BOOL OnCreateClient() override
  {
    return outer.CreateStatic(this, 1, 2) && outer.CreateView(0, 0, &tree, CSize(150, 100))
        && inner.CreateStatic(&outer, 2, 1, WS_CHILD | WS_VISIBLE, outer.IdFromRowCol(0, 1))
        && inner.CreateView(0, 0, &form, CSize(100, 600)) && inner.CreateView(1, 0, &info, CSize(100, 200));
  }
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
  {
    commands.push_back(LOWORD(wParam));
    if (LOWORD(wParam) == 32771 || LOWORD(wParam) == 32773)
      checked = LOWORD(wParam);
    return CFrameWnd::OnCommand(wParam, lParam) || TRUE;
  }
  void OnUpdateCmdUI(CCmdUI* pCmdUI) override
  {
    if (pCmdUI->m_nID == 32771 || pCmdUI->m_nID == 32773)
      pCmdUI->SetCheck(pCmdUI->m_nID == checked);
    if (pCmdUI->m_nID == 59143)
      pCmdUI->SetText(L"立面图比例：50");
  }
};

} // namespace

TEST(FrameTest, CommandsReachTheFrameAndUpdateHandlersSetWhatIsShown)
{
  TestFrame frame;
  ASSERT_TRUE(frame.Create(nullptr, L"Veltra盖梁绘图系统-无标题", WS_OVERLAPPEDWINDOW, CRect(0, 0, 961, 796), nullptr, 0));
  EXPECT_EQ(AfxGetMainWndHandle(), frame.GetSafeHwnd());
  EXPECT_EQ(frame.GetClientWindow(), &frame.outer);
  EXPECT_EQ(frame.outer.GetPane(0, 0), &frame.tree);
  EXPECT_EQ(frame.outer.GetPane(0, 1), &frame.inner);
  EXPECT_EQ(frame.inner.GetPane(1, 0), &frame.info);

  // A menu item and a tool-bar button, as the user triggers them.
  frame.GetMenu()->FindAction(32771, MF_BYCOMMAND)->trigger();
  frame.toolBar.GetButtonAction(frame.toolBar.CommandToIndex(32809))->trigger();
  EXPECT_EQ(frame.commands, (std::vector<UINT>{32771, 32809}));
  // Every command is followed by the update handlers.
  EXPECT_EQ(frame.GetMenu()->GetMenuState(32771, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
  EXPECT_EQ(frame.GetMenu()->GetMenuState(32773, MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_EQ(frame.statusBar.GetPaneText(frame.statusBar.CommandToIndex(59143)), L"立面图比例：50");
  CString text;
  frame.GetMenu()->GetSubMenu(0)->GetMenuString(0, text, MF_BYPOSITION);
  EXPECT_EQ(text, L"米(&M)");

  // A pop-up answered by the script; a command the pop-up does not offer dismisses it.
  CScopedModalAnswerer script;
  script->QueueMenuCommand(32773);
  script->QueueMenuCommand(40000);
  CMenu* units = frame.GetMenu()->GetSubMenu(0);
  EXPECT_EQ(units->TrackPopupMenu(TPM_RETURNCMD, 0, 0, &frame), 32773);
  EXPECT_EQ(frame.commands.size(), 2u);
  EXPECT_TRUE(units->TrackPopupMenu(0, 0, 0, &frame) == 0);
  script->QueueMenuCommand(32773);
  EXPECT_TRUE(units->TrackPopupMenu(0, 0, 0, &frame));
  EXPECT_EQ(frame.commands.back(), 32773u);

  frame.SetWindowText(L"Veltra盖梁绘图系统->无标题");
  frame.GetWindowText(text);
  EXPECT_EQ(text, L"Veltra盖梁绘图系统->无标题");

  // The form pane keeps its height of 600 as the frame is shown and grows; the last pane takes
  // the rest.
  frame.ShowWindow(SW_SHOW);
  QApplication::processEvents();
  EXPECT_EQ(frame.outer.GetPaneSize(0, 0), 150);
  EXPECT_EQ(frame.inner.GetPaneSize(0, 0), 600);
  const int info = frame.inner.GetPaneSize(1, 0);
  EXPECT_GT(info, 0);
  frame.MoveWindow(0, 0, 961, 996);
  QApplication::processEvents();
  EXPECT_EQ(frame.inner.GetPaneSize(0, 0), 600);
  EXPECT_EQ(frame.inner.GetPaneSize(1, 0), info + 200);

  // The form pane's view replaced over and over, as the editor replaces its forms: the old
  // window goes at the next turn of the event loop, and the panes keep their sizes.
  std::vector<std::unique_ptr<CView>> forms;
  CWnd* current = &frame.form;
  for (int i = 0; i < 5; ++i) {
    CRect rect;
    current->GetWindowRect(&rect);
    current->DestroyWindow();
    forms.push_back(std::make_unique<CView>());
    current = forms.back().get();
    ASSERT_TRUE(frame.inner.CreateView(0, 0, current, CSize(rect.Width(), rect.Height())));
    frame.inner.RecalcLayout();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_EQ(frame.inner.GetPaneSize(0, 0), 600);
  EXPECT_EQ(frame.inner.GetPaneSize(1, 0), info + 200);

  // Closing the frame destroys it, and it is the main window no more.
  frame.SendMessage(WM_CLOSE);
  EXPECT_EQ(frame.GetSafeHwnd(), nullptr);
  EXPECT_EQ(AfxGetMainWndHandle(), nullptr);
}

// A form larger than its pane scrolls to its lowest control; a size set for it replaces the
// extent of its controls.
TEST(FrameTest, FormLargerThanItsPaneScrolls)
{
  CWnd pane;
  ASSERT_TRUE(pane.Create(L"Pane", nullptr, WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
  CFormView form(134);
  ASSERT_TRUE(form.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &pane, 1));
  CStatic label;
  ASSERT_TRUE(label.Create(L"跨中加强：4", WS_CHILD | WS_VISIBLE, CRect(10, 500, 200, 520), &form, 2));
  QApplication::processEvents();
  EXPECT_EQ(label.GetParent(), &form);
  EXPECT_EQ(form.GetParent(), &pane);
  EXPECT_EQ(CWnd::FromOuterWidget(form.GetOuterWidget()), &form);
  auto* area = qobject_cast<QScrollArea*>(form.GetOuterWidget());
  ASSERT_NE(area, nullptr);
  EXPECT_GE(area->verticalScrollBar()->maximum(), 520 - 200);
  area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
  const QPoint labelBottom = label.GetWidget()->mapTo(area->viewport(), QPoint(0, 19));
  EXPECT_LT(labelBottom.y(), area->viewport()->height());
  form.SetScrollSizes(MM_TEXT, CSize(250, 150));
  QApplication::processEvents();
  EXPECT_EQ(area->verticalScrollBar()->maximum(), 0);
}
