// The context-menu message: a right click (or the menu key) on a control reaches the control's
// parent as WM_CONTEXTMENU, as the system's default handling passes it up.
#pragma once

#include "WinMessages.h"

// wParam the window clicked, lParam the screen point (x low word, y high word).
#define WM_CONTEXTMENU 0x007B

class CWnd;

// From now on the control's context-menu requests go to its parent as WM_CONTEXTMENU.
void RelayContextMenu(CWnd& control);
