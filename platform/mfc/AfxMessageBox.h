// The class library's message box: captioned with the application's name, owned by the
// main window, answered by whoever the program installed (see MessageBoxService.h).
#pragma once

#include "CString.h"
#include "WinDef.h"
#include "WinUser.h"

int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);

// The application's name, used as the caption of AfxMessageBox; the application object sets it.
LPCTSTR AfxGetAppName();
void AfxSetAppName(LPCTSTR name);

// The main window's handle, owner of boxes that name no owner; null without a main window.
HWND AfxGetMainWndHandle();
void AfxSetMainWndHandle(HWND window);
