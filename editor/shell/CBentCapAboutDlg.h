// The About box: the program's icon, the system's name and version and an OK button.
#pragma once

#include "CButton.h"
#include "CDialog.h"
#include "CStatic.h"

class CBentCapAboutDlg : public CDialog {
public:
    CBentCapAboutDlg();
    BOOL OnInitDialog() override;

private:
    CStatic m_icon;
    CStatic m_text;
    CButton m_ok;
};
