// The mouse capture: at most one window of the program holds it and gets the mouse's messages
// wherever the pointer goes. A window that loses it to another, or by a release, gets
// WM_CAPTURECHANGED with the new holder's handle (null on a release) in lParam.
#pragma once

#include "WinDef.h"

class CWnd;

// The window that held the capture before.
CWnd* SetCapture(CWnd* pWnd);
CWnd* GetCapture();
BOOL ReleaseCapture();
