// The state of the keyboard's modifier keys and the mouse buttons as the last input left them:
// Windows' GetKeyState, whose result has its high bit set while the key is down; and where the
// mouse pointer is, in screen coordinates (GetCursorPos).
#pragma once

#include "WinDef.h"
#include "WinGeometry.h"

short GetKeyState(int nVirtKey);
BOOL GetCursorPos(LPPOINT lpPoint);
