#include "CRadioGroupBox.h"

BOOL CRadioGroupBox::Create(LPCTSTR lpszCaption, const RECT& rect, CWnd* pParentWnd)
{
    return CButton::Create(lpszCaption, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, rect, pParentWnd, 0xFFFF);
}

BOOL CRadioGroupBox::AddRadio(CButton& button, LPCTSTR lpszCaption, const RECT& rect, UINT nID, BOOL bEnabled)
{
    return button.Create(lpszCaption, WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (bEnabled ? 0U : WS_DISABLED), rect,
                         this, nID);
}

BOOL CRadioGroupBox::OnCommand(WPARAM wParam, LPARAM lParam)
{
    CWnd* parent = GetParent();
    return parent ? static_cast<BOOL>(parent->SendMessage(WM_COMMAND, wParam, lParam)) : FALSE;
}
