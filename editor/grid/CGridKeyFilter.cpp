#include "CGridKeyFilter.h"

#include "CWnd.h"
#include "WinInputMessages.h"

#include <QKeyEvent>

CGridKeyFilter::CGridKeyFilter(CWnd* pWnd, Chars chars) : m_hWnd(pWnd->m_hWnd), m_chars(chars) {}

bool CGridKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
  CWnd* wnd = CWnd::FromHandle(m_hWnd);
  if (!wnd || watched != wnd->GetWidget())
    return false;
  // The grid's own clipboard keys come before the window's shortcuts on the same keys.
  if (event->type() == QEvent::ShortcutOverride && m_chars == Chars::Backspace) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool clipboardKey = key->key() == Qt::Key_C || key->key() == Qt::Key_X || key->key() == Qt::Key_V;
    if (clipboardKey && key->modifiers() == Qt::ControlModifier) {
      event->accept();
      return true;
    }
    return false;
  }
  if (event->type() != QEvent::KeyPress)
    return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  UINT vk = 0;
  UINT ch = 0;
  switch (key) {
  case Qt::Key_Backtab:
    vk = VK_TAB;
    ch = m_chars == Chars::TabEnterEscape ? VK_TAB : 0;
    break;
  case Qt::Key_Tab:
    if (m_chars != Chars::TabEnterEscape)
      return false;
    vk = ch = VK_TAB;
    break;
  case Qt::Key_Return:
  case Qt::Key_Enter:
    if (m_chars != Chars::TabEnterEscape)
      return false;
    vk = ch = VK_RETURN;
    break;
  case Qt::Key_Escape:
    if (m_chars != Chars::TabEnterEscape)
      return false;
    vk = ch = VK_ESCAPE;
    break;
  case Qt::Key_Backspace:
    if (m_chars != Chars::Backspace)
      return false;
    vk = ch = VK_BACK;
    break;
  default:
    return false;
  }
  wnd->SendMessage(WM_KEYDOWN, vk, 0);
  // The key-down may have closed the window.
  if (ch && (wnd = CWnd::FromHandle(m_hWnd)) != nullptr && wnd->GetWidget())
    wnd->SendMessage(WM_CHAR, ch, 0);
  return true;
}
