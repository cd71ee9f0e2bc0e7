#include "CWndEventBridge.h"

#include "CWnd.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QWheelEvent>

#include <utility>

namespace {

LPARAM PointParam(const QPoint& p)
{
  return MAKELPARAM(static_cast<WORD>(static_cast<short>(p.x())), static_cast<WORD>(static_cast<short>(p.y())));
}

UINT MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
  UINT flags = 0;
  if (buttons & Qt::LeftButton)
    flags |= MK_LBUTTON;
  if (buttons & Qt::RightButton)
    flags |= MK_RBUTTON;
  if (modifiers & Qt::ShiftModifier)
    flags |= MK_SHIFT;
  if (modifiers & Qt::ControlModifier)
    flags |= MK_CONTROL;
  return flags;
}

// The virtual-key code of a Qt key; 0 for keys the editor does not read.
UINT VirtualKey(int key)
{
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
    return static_cast<UINT>(key);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
    return static_cast<UINT>(VK_F1 + (key - Qt::Key_F1));
  static const std::pair<int, UINT> keys[] = {
      {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},       {Qt::Key_Return, VK_RETURN},
      {Qt::Key_Enter, VK_RETURN},   {Qt::Key_Shift, VK_SHIFT},   {Qt::Key_Control, VK_CONTROL},
      {Qt::Key_Escape, VK_ESCAPE},  {Qt::Key_PageUp, VK_PRIOR},  {Qt::Key_PageDown, VK_NEXT},
      {Qt::Key_End, VK_END},        {Qt::Key_Home, VK_HOME},     {Qt::Key_Left, VK_LEFT},
      {Qt::Key_Up, VK_UP},          {Qt::Key_Right, VK_RIGHT},   {Qt::Key_Down, VK_DOWN},
      {Qt::Key_Insert, VK_INSERT},  {Qt::Key_Delete, VK_DELETE},
  };
  for (const auto& [qtKey, vk] : keys)
    if (qtKey == key)
      return vk;
  return 0;
}

} // namespace

CWndEventBridge::CWndEventBridge(CWnd* owner) : m_owner(owner) {}

bool CWndEventBridge::eventFilter(QObject* watched, QEvent* event)
{
  if (watched != m_owner->GetWidget())
    return false;
  switch (event->type()) {
  case QEvent::Paint: {
    m_owner->m_rectUpdate = static_cast<QPaintEvent*>(event)->rect();
    const bool taken = m_owner->HandleEvent(WM_PAINT, 0, 0);
    m_owner->m_rectUpdate = QRect();
    return taken;
  }
  case QEvent::Resize: {
    const QSize size = static_cast<QResizeEvent*>(event)->size();
    m_owner->HandleEvent(WM_SIZE, 0, MAKELPARAM(size.width(), size.height()));
    return false;
  }
  case QEvent::FocusIn:
    m_owner->HandleEvent(WM_SETFOCUS, 0, 0);
    return false;
  case QEvent::FocusOut:
    m_owner->HandleEvent(WM_KILLFOCUS, 0, 0);
    return false;
  case QEvent::Close:
    if (m_owner->HandleEvent(WM_CLOSE, 0, 0)) {
      event->ignore();
      return true;
    }
    return false;
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonRelease:
  case QEvent::MouseButtonDblClick:
  case QEvent::MouseMove:
    return MouseMessage(event);
  case QEvent::Wheel: {
    auto* wheel = static_cast<QWheelEvent*>(event);
    const UINT flags = MouseFlags(wheel->buttons(), wheel->modifiers());
    const short delta = static_cast<short>(wheel->angleDelta().y());
    return m_owner->HandleEvent(WM_MOUSEWHEEL, MAKEWPARAM(flags, static_cast<WORD>(delta)),
                                PointParam(wheel->position().toPoint()));
  }
  case QEvent::KeyPress:
    return KeyMessages(event);
  default:
    return false;
  }
}

bool CWndEventBridge::MouseMessage(QEvent* event)
{
  auto* mouse = static_cast<QMouseEvent*>(event);
  const bool right = mouse->button() == Qt::RightButton;
  UINT message = WM_MOUSEMOVE;
  switch (event->type()) {
  case QEvent::MouseButtonPress:
    message = right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
    break;
  case QEvent::MouseButtonRelease:
    message = right ? WM_RBUTTONUP : WM_LBUTTONUP;
    break;
  case QEvent::MouseButtonDblClick:
    message = right ? WM_RBUTTONDOWN : WM_LBUTTONDBLCLK;
    break;
  default:
    break;
  }
  return m_owner->HandleEvent(message, MouseFlags(mouse->buttons(), mouse->modifiers()),
                              PointParam(mouse->position().toPoint()));
}

// A key goes to OnKeyDown, and the character it types, if any, to OnChar; the widget gets the
// key when either handler leaves it to the default handling.
bool CWndEventBridge::KeyMessages(QEvent* event)
{
  auto* key = static_cast<QKeyEvent*>(event);
  const UINT repeat = key->isAutoRepeat() ? 1 : 0;
  bool dispatched = false;
  bool taken = true;
  if (const UINT vk = VirtualKey(key->key())) {
    dispatched = true;
    taken = m_owner->HandleEvent(WM_KEYDOWN, vk, repeat) && taken;
  }
  const QString text = key->text();
  if (!text.isEmpty() && text.at(0).isPrint()) {
    dispatched = true;
    taken = m_owner->HandleEvent(WM_CHAR, text.at(0).unicode(), repeat) && taken;
  }
  return dispatched && taken;
}
