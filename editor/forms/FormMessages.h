// The messages by which the category tree, the forms, the information view, the status bar and
// the main frame keep one design consistent. All are sent, none posted.
#pragma once

#include "WinMessages.h"

// Tree to frame: wParam the category code, lParam the address of an int verdict (1; the frame
// writes 0 to refuse the choice).
#define WM_SELECT_CATEGORY (WM_USER + 100)
// Frame to tree or form: wParam 1 load, 0 store; lParam the address of an int for the result, or 0.
#define WM_UPDATE_DATA (WM_USER + 101)
// Form to frame: the data changed; the frame rebuilds the tree and reloads the views.
#define WM_DATA_CHANGED (WM_USER + 102)
// Information view to tree: wParam the category code to select.
#define WM_SELECT_TREE_ITEM (WM_USER + 103)

// The window that receives the protocol's messages: the program's main window, or else the
// top-level window that holds wnd.
class CWnd;
CWnd* FindProtocolFrame(CWnd* wnd);
