// The state of the keyboard's modifier keys and the mouse buttons as the last input left them:
// Windows' GetKeyState, whose result has its high bit set while the key is down.
#pragma once

#include "WinDef.h"

short GetKeyState(int nVirtKey);
