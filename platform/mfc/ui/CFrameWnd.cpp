#include "CFrameWnd.h"

#include "AfxMessageBox.h"
#include "CCmdUI.h"
#include "CIdleCommandUpdate.h"
#include "CMenu.h"
#include "CStatusBar.h"
#include "CToolBar.h"
#include "CView.h"
#include "QtText.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

const char* const kCommandProperty = "corbelCommand";

void CollectActions(const QList<QAction*>& actions, std::vector<QAction*>& out)
{
  for (QAction* action : actions) {
    if (action->menu())
      CollectActions(action->menu()->actions(), out);
    else if (!action->isSeparator() && action->property(kCommandProperty).isValid())
      out.push_back(action);
  }
}

} // namespace

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd()
{
  if (AfxGetMainWndHandle() == m_hWnd)
    AfxSetMainWndHandle(nullptr);
}

BOOL CFrameWnd::Create(LPCTSTR, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
  auto* frame = new QMainWindow(pParentWnd ? pParentWnd->GetWidget() : nullptr);
  frame->setWindowTitle(ToQString(lpszWindowName));
  return AttachWidget(frame, nullptr, nID, dwStyle, rect);
}

BOOL CFrameWnd::DestroyWindow()
{
  const BOOL destroyed = CWnd::DestroyWindow();
  // The main window gone ends the message loop, as WM_QUIT would.
  if (destroyed && AfxGetMainWndHandle() == m_hWnd) {
    AfxSetMainWndHandle(nullptr);
    QCoreApplication::quit();
  }
  return destroyed;
}

int CFrameWnd::OnCreate()
{
  if (!AfxGetMainWndHandle())
    AfxSetMainWndHandle(m_hWnd);
  m_idleUpdate = std::make_unique<CIdleCommandUpdate>(m_hWnd);
  if (!OnCreateClient())
    return -1;
  if (CWnd* client = GetClientWindow())
    static_cast<QMainWindow*>(GetWidget())->setCentralWidget(client->GetWidget());
  return 0;
}

BOOL CFrameWnd::OnCreateClient() { return TRUE; }

CWnd* CFrameWnd::GetClientWindow() const { return GetDlgItem(AFX_IDW_PANE_FIRST); }

void CFrameWnd::SetWindowText(LPCTSTR lpszString)
{
  if (GetWidget())
    GetWidget()->setWindowTitle(ToQString(lpszString));
}

void CFrameWnd::GetWindowText(CString& rString) const
{
  rString = GetWidget() ? FromQString(GetWidget()->windowTitle()) : CString();
}

BOOL CFrameWnd::SetMenu(CMenu* pMenu)
{
  auto* frame = qobject_cast<QMainWindow*>(GetWidget());
  if (!frame)
    return FALSE;
  QMenuBar* bar = frame->menuBar();
  bar->clear();
  m_pMenu = pMenu;
  if (!pMenu || !pMenu->GetQMenu())
    return TRUE;
  pMenu->SetCommandTarget(this);
  const HWND self = m_hWnd;
  for (QAction* action : pMenu->GetQMenu()->actions()) {
    bar->addAction(action);
    // Window-wide keys of the menu's items work with the menu closed.
    if (action->menu()) {
      frame->addActions(action->menu()->actions());
      QObject::connect(action->menu(), &QMenu::aboutToShow, action->menu(), [self] {
        if (auto* wnd = static_cast<CFrameWnd*>(CWnd::FromHandle(self)))
          wnd->UpdateCmdUI();
      });
    }
  }
  return TRUE;
}

void CFrameWnd::AddToolBar(CToolBar* pToolBar)
{
  if (pToolBar)
    m_toolBars.push_back(pToolBar);
}

void CFrameWnd::UpdateCmdUI()
{
  std::vector<QAction*> actions;
  if (m_pMenu && m_pMenu->GetQMenu())
    CollectActions(m_pMenu->GetQMenu()->actions(), actions);
  for (CToolBar* bar : m_toolBars)
    for (int i = 0; i < bar->GetCount(); ++i)
      if (bar->GetItemID(i) != ID_SEPARATOR)
        actions.push_back(bar->GetButtonAction(i));
  for (QAction* action : actions) {
    CCmdUI ui(action->property(kCommandProperty).toUInt(), action);
    OnUpdateCmdUI(&ui);
  }
  if (m_pStatusBar)
    for (int i = 0; i < m_pStatusBar->GetCount(); ++i)
      if (m_pStatusBar->GetItemID(i) != ID_SEPARATOR) {
        CCmdUI ui(m_pStatusBar->GetItemID(i), m_pStatusBar, i);
        OnUpdateCmdUI(&ui);
      }
}

void CFrameWnd::OnUpdateCmdUI(CCmdUI*) {}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
  if (message == WM_COMMAND && CWnd::FromHandle(m_hWnd) == this && GetWidget())
    UpdateCmdUI();
  return result;
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
  return m_pActiveView && m_pActiveView->SendMessage(WM_COMMAND, wParam, lParam);
}

void CFrameWnd::OnClose() { DestroyWindow(); }
