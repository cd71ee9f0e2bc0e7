// Dialog 155 "加强钢筋": one of the seven operations on the per-column strengthening codes,
// confirmed before the dialog closes.
#pragma once

#include "CButton.h"
#include "CDialog.h"
#include "ExtendSteelCommand.h"

class CBentCapExtendSteelDlg : public CDialog, public CExtendSteelChoice {
public:
    enum { IDD = 155 };
    explicit CBentCapExtendSteelDlg(CWnd* pParent = nullptr);

    BOOL Choose(int& operation) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    // Index of the chosen radio button, in dialog order.
    int m_nOperation = kInitialExtendSteelOperation;

private:
    CButton m_radios[kExtendSteelOperationCount];
    CButton m_ok, m_cancel;
};
