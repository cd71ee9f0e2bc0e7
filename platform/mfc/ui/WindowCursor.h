// The cursor a window shows while the mouse is over it, chosen by the name of a cursor
// resource, as a static control takes a cursor image (STM_SETIMAGE with IMAGE_CURSOR). The
// resources the editor names are drawn with Qt's own cursors; any other name shows the arrow.
#pragma once

#include "CString.h"
#include "CWnd.h"

// FALSE for a window without a widget.
BOOL SetWindowCursor(CWnd* pWnd, LPCTSTR lpszCursorName);
// The name last set; empty when none was.
CString GetWindowCursor(const CWnd* pWnd);
