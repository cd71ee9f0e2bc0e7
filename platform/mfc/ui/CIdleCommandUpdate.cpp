#include "CIdleCommandUpdate.h"

#include "CFrameWnd.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

CIdleCommandUpdate::CIdleCommandUpdate(HWND hFrame) : m_hFrame(hFrame)
{
  QCoreApplication::instance()->installEventFilter(this);
}

bool CIdleCommandUpdate::eventFilter(QObject*, QEvent* event)
{
  switch (event->type()) {
  case QEvent::MouseButtonRelease:
  case QEvent::KeyRelease:
  case QEvent::FocusIn:
    UpdateWhenIdle();
    break;
  default:
    break;
  }
  return false;
}

void CIdleCommandUpdate::UpdateWhenIdle()
{
  if (m_pending)
    return;
  m_pending = true;
  QTimer::singleShot(0, this, [this] {
    m_pending = false;
    if (auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandle(m_hFrame)); frame && frame->GetWidget())
      frame->UpdateCmdUI();
  });
}
