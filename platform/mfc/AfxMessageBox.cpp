#include "AfxMessageBox.h"

namespace {

CString& AppName()
{
    static CString name(L"Corbel");
    return name;
}

HWND& MainWindow()
{
    static HWND window = nullptr;
    return window;
}

} // namespace

int AfxMessageBox(LPCTSTR text, UINT type, UINT)
{
    return MessageBox(AfxGetMainWndHandle(), text, AfxGetAppName(), type);
}

LPCTSTR AfxGetAppName() { return AppName().GetString(); }
void AfxSetAppName(LPCTSTR name) { AppName() = name; }

HWND AfxGetMainWndHandle() { return MainWindow(); }
void AfxSetMainWndHandle(HWND window) { MainWindow() = window; }
