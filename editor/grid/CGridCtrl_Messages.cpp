// The messages the grid answers beyond those every window has.
#include "CGridCtrl.h"

LRESULT CGridCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  switch (message) {
  case WM_HSCROLL: OnHScroll(LOWORD(wParam), HIWORD(wParam)); return 0;
  case WM_VSCROLL: OnVScroll(LOWORD(wParam), HIWORD(wParam)); return 0;
  case WM_SETFONT: OnSetFont(reinterpret_cast<CFont*>(wParam)); return 0;
  case WM_GETFONT: return reinterpret_cast<LRESULT>(OnGetFont());
  case WM_SYSCOLORCHANGE: OnSysColorChange(); return 0;
  case kEditFocusCell: OnEditFocusCell(static_cast<UINT>(wParam)); return 0;
  case WM_GETDLGCODE: return OnGetDlgCode();
  case WM_CAPTURECHANGED: OnCaptureChanged(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))); return 0;
  case WM_SETCURSOR:
    if (OnSetCursor(LOWORD(lParam)))
      return TRUE;
    return CWnd::WindowProc(message, wParam, lParam);
  default: return CWnd::WindowProc(message, wParam, lParam);
  }
}
