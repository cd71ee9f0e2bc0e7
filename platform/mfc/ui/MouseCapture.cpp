#include "MouseCapture.h"

#include "CWnd.h"
#include "WinInputMessages.h"

namespace {

HWND& Holder()
{
  static HWND holder = nullptr;
  return holder;
}

void GrabMouse(CWnd* wnd, bool grab)
{
  QWidget* widget = wnd ? wnd->GetWidget() : nullptr;
  if (!widget || !widget->isVisible())
    return;
  if (grab)
    widget->grabMouse();
  else
    widget->releaseMouse();
}

} // namespace

CWnd* GetCapture() { return CWnd::FromHandle(Holder()); }

CWnd* SetCapture(CWnd* pWnd)
{
  CWnd* previous = GetCapture();
  if (previous == pWnd)
    return previous;
  Holder() = pWnd ? pWnd->m_hWnd : nullptr;
  GrabMouse(previous, false);
  GrabMouse(pWnd, true);
  if (previous)
    previous->SendMessage(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(Holder()));
  return previous;
}

BOOL ReleaseCapture()
{
  CWnd* previous = GetCapture();
  Holder() = nullptr;
  if (previous) {
    GrabMouse(previous, false);
    previous->SendMessage(WM_CAPTURECHANGED, 0, 0);
  }
  return TRUE;
}
