// The mouse cursor a window shows while the pointer is over it: by the system's cursor ids, or
// by the name of a cursor resource, as a static control takes a cursor image (STM_SETIMAGE with
// IMAGE_CURSOR). The resources the editor names are drawn with Qt's own cursors; any other name
// shows the arrow.
#pragma once

#include "CString.h"
#include "CWnd.h"

#define IDC_ARROW 32512
#define IDC_IBEAM 32513
#define IDC_WAIT 32514
#define IDC_SIZENS 32645
#define IDC_SIZEWE 32644

void SetWindowCursor(CWnd* pWnd, int nCursorId);
// The id of the cursor the window shows; IDC_ARROW when none was set.
int GetWindowCursorId(const CWnd* pWnd);
// FALSE for a window without a widget.
BOOL SetWindowCursor(CWnd* pWnd, LPCTSTR lpszCursorName);
// The name last set; empty when none was.
CString GetWindowCursor(const CWnd* pWnd);
