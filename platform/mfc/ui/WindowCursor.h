// The mouse cursor a window shows while the pointer is over it, by the system's cursor ids.
#pragma once

#include "WinDef.h"

class CWnd;

#define IDC_ARROW 32512
#define IDC_IBEAM 32513
#define IDC_WAIT 32514
#define IDC_SIZENS 32645
#define IDC_SIZEWE 32644

void SetWindowCursor(CWnd* pWnd, int nCursorId);
// The id of the cursor the window shows; IDC_ARROW when none was set.
int GetWindowCursor(const CWnd* pWnd);
