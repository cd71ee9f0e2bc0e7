#include "FormMessages.h"

#include "CWinApp.h"
#include "CWnd.h"

CWnd* FindProtocolFrame(CWnd* wnd)
{
    if (CWnd* main = AfxGetMainWnd())
        return main;
    if (!wnd || !wnd->GetWidget())
        return nullptr;
    return CWnd::FromWidget(wnd->GetWidget()->window());
}
