#include "CDialogBar.h"

#include "CFrameWnd.h"

#include <QMainWindow>
#include <QToolBar>

BOOL CDialogBar::Create(CFrameWnd* pParentWnd, int nHeight, UINT nID)
{
  auto* frame = pParentWnd ? qobject_cast<QMainWindow*>(pParentWnd->GetWidget()) : nullptr;
  if (!frame)
    return FALSE;
  auto* panel = new QWidget;
  panel->setMinimumHeight(nHeight);
  if (!AttachWidget(panel, nullptr, nID, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, nHeight)))
    return FALSE;
  auto* holder = new QToolBar(frame);
  holder->setMovable(true);
  holder->addWidget(panel);
  frame->addToolBarBreak(Qt::TopToolBarArea);
  frame->addToolBar(Qt::TopToolBarArea, holder);
  return TRUE;
}
