#include "CToolBar.h"

#include "CFrameWnd.h"
#include "QtText.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>

namespace {

const char* const kCommandProperty = "corbelCommand";

} // namespace

BOOL CToolBar::CreateEx(CFrameWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
  auto* bar = new QToolBar;
  bar->setMovable(true);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  if (!AttachWidget(bar, pParentWnd, nID, dwStyle, CRect(0, 0, 0, 0)))
    return FALSE;
  m_pFrame = pParentWnd;
  if (auto* frame = pParentWnd ? qobject_cast<QMainWindow*>(pParentWnd->GetWidget()) : nullptr)
    frame->addToolBar(Qt::TopToolBarArea, bar);
  return TRUE;
}

QToolBar* CToolBar::Bar() const { return qobject_cast<QToolBar*>(GetWidget()); }

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
  QToolBar* bar = Bar();
  if (!bar || !lpIDArray || nIDCount < 0)
    return FALSE;
  bar->clear();
  for (int i = 0; i < nIDCount; ++i) {
    const UINT nID = lpIDArray[i];
    if (nID == ID_SEPARATOR) {
      bar->addSeparator();
      continue;
    }
    QAction* action = bar->addAction(QString::number(nID));
    action->setProperty(kCommandProperty, nID);
    const HWND frame = m_pFrame ? m_pFrame->m_hWnd : nullptr;
    QObject::connect(action, &QAction::triggered, action, [frame, nID] {
      if (CWnd* wnd = CWnd::FromHandle(frame))
        wnd->SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0);
    });
  }
  return TRUE;
}

QAction* CToolBar::GetButtonAction(int nIndex) const
{
  QToolBar* bar = Bar();
  if (!bar || nIndex < 0 || nIndex >= bar->actions().size())
    return nullptr;
  return bar->actions()[nIndex];
}

int CToolBar::GetCount() const { return Bar() ? static_cast<int>(Bar()->actions().size()) : 0; }

UINT CToolBar::GetItemID(int nIndex) const
{
  QAction* action = GetButtonAction(nIndex);
  return action && !action->isSeparator() ? action->property(kCommandProperty).toUInt() : ID_SEPARATOR;
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
  for (int i = 0; i < GetCount(); ++i)
    if (GetItemID(i) == nIDFind && nIDFind != ID_SEPARATOR)
      return i;
  return -1;
}

BOOL CToolBar::SetButtonText(int nIndex, LPCTSTR lpszText)
{
  QAction* action = GetButtonAction(nIndex);
  if (!action || action->isSeparator())
    return FALSE;
  action->setText(ToQString(lpszText));
  return TRUE;
}

CString CToolBar::GetButtonText(int nIndex) const
{
  QAction* action = GetButtonAction(nIndex);
  return action ? FromQString(action->text()) : CString();
}

BOOL CToolBar::SetButtonToolTip(int nIndex, LPCTSTR lpszTip)
{
  QAction* action = GetButtonAction(nIndex);
  if (!action || action->isSeparator())
    return FALSE;
  action->setToolTip(ToQString(lpszTip));
  return TRUE;
}
