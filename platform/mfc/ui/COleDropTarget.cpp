#include "COleDropTarget.h"

#include "CWnd.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QObject>
#include <QWidget>

namespace {

DWORD KeyState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
  DWORD state = 0;
  if (modifiers & Qt::ControlModifier)
    state |= MK_CONTROL;
  if (modifiers & Qt::ShiftModifier)
    state |= MK_SHIFT;
  if (buttons & Qt::LeftButton)
    state |= MK_LBUTTON;
  return state;
}

Qt::DropAction ActionOf(DROPEFFECT effect)
{
  if (effect & DROPEFFECT_MOVE)
    return Qt::MoveAction;
  if (effect & DROPEFFECT_COPY)
    return Qt::CopyAction;
  if (effect & DROPEFFECT_LINK)
    return Qt::LinkAction;
  return Qt::IgnoreAction;
}

DROPEFFECT EffectOf(Qt::DropAction action)
{
  switch (action) {
  case Qt::CopyAction: return DROPEFFECT_COPY;
  case Qt::MoveAction: return DROPEFFECT_MOVE;
  case Qt::LinkAction: return DROPEFFECT_LINK;
  default: return DROPEFFECT_NONE;
  }
}

} // namespace

// Turns the drag events of the registered window's widget into the target's callbacks.
class COleDropTarget::EventFilter : public QObject {
public:
  EventFilter(COleDropTarget* target, CWnd* wnd) : m_target(target), m_hWnd(wnd->m_hWnd) {}
  CWnd* Window() const { return CWnd::FromHandle(m_hWnd); }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override
  {
    CWnd* wnd = Window();
    if (!wnd || watched != wnd->GetWidget())
      return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      COleDataObject data;
      data.Attach(drag->mimeData());
      const QPoint p = drag->position().toPoint();
      const DWORD keys = KeyState(drag->modifiers(), drag->buttons());
      const DROPEFFECT effect = event->type() == QEvent::DragEnter
                                    ? m_target->OnDragEnter(wnd, &data, keys, CPoint(p.x(), p.y()))
                                    : m_target->OnDragOver(wnd, &data, keys, CPoint(p.x(), p.y()));
      if (effect == DROPEFFECT_NONE) {
        drag->ignore();
      } else {
        drag->setDropAction(ActionOf(effect));
        drag->accept();
      }
      return true;
    }
    case QEvent::DragLeave:
      m_target->OnDragLeave(wnd);
      return true;
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      COleDataObject data;
      data.Attach(drop->mimeData());
      const QPoint p = drop->position().toPoint();
      const DROPEFFECT effect = EffectOf(drop->dropAction());
      if (m_target->OnDrop(wnd, &data, effect, CPoint(p.x(), p.y()))) {
        drop->setDropAction(ActionOf(effect));
        drop->accept();
      } else {
        drop->ignore();
      }
      return true;
    }
    default:
      return false;
    }
  }

private:
  COleDropTarget* m_target;
  HWND m_hWnd;
};

COleDropTarget::COleDropTarget() = default;

COleDropTarget::~COleDropTarget() { Revoke(); }

BOOL COleDropTarget::Register(CWnd* pWnd)
{
  if (!pWnd || !pWnd->GetWidget() || m_filter)
    return FALSE;
  m_filter = std::make_unique<EventFilter>(this, pWnd);
  pWnd->GetWidget()->setAcceptDrops(true);
  pWnd->GetWidget()->installEventFilter(m_filter.get());
  return TRUE;
}

void COleDropTarget::Revoke()
{
  if (!m_filter)
    return;
  if (CWnd* wnd = m_filter->Window(); wnd && wnd->GetWidget()) {
    wnd->GetWidget()->removeEventFilter(m_filter.get());
    wnd->GetWidget()->setAcceptDrops(false);
  }
  m_filter.reset();
}

CWnd* COleDropTarget::GetWindow() const { return m_filter ? m_filter->Window() : nullptr; }

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
void COleDropTarget::OnDragLeave(CWnd*) {}
BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint) { return FALSE; }
DROPEFFECT COleDropTarget::OnDragScroll(CWnd*, DWORD, CPoint) { return DROPEFFECT_NONE; }
