#include "KeyState.h"

#include "WinInputMessages.h"

#include <QCursor>
#include <QGuiApplication>

short GetKeyState(int nVirtKey)
{
  const Qt::KeyboardModifiers modifiers = QGuiApplication::keyboardModifiers();
  const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
  bool down = false;
  switch (nVirtKey) {
  case VK_SHIFT: down = modifiers & Qt::ShiftModifier; break;
  case VK_CONTROL: down = modifiers & Qt::ControlModifier; break;
  case VK_MENU: down = modifiers & Qt::AltModifier; break;
  case VK_LBUTTON: down = buttons & Qt::LeftButton; break;
  case VK_RBUTTON: down = buttons & Qt::RightButton; break;
  case VK_MBUTTON: down = buttons & Qt::MiddleButton; break;
  default: break;
  }
  return down ? static_cast<short>(0x8000) : 0;
}

BOOL GetCursorPos(LPPOINT lpPoint)
{
  if (!lpPoint)
    return FALSE;
  const QPoint at = QCursor::pos();
  lpPoint->x = at.x();
  lpPoint->y = at.y();
  return TRUE;
}
