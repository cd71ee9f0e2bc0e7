// A group box that holds one group of radio buttons: the buttons exclude each other inside it
// only, and their clicks reach the form that holds the box as if the buttons were its own.
#pragma once

#include "CButton.h"

class CRadioGroupBox : public CButton {
public:
    BOOL Create(LPCTSTR lpszCaption, const RECT& rect, CWnd* pParentWnd);
    // A radio button of the group at rect inside the box.
    BOOL AddRadio(CButton& button, LPCTSTR lpszCaption, const RECT& rect, UINT nID, BOOL bEnabled = TRUE);

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};
