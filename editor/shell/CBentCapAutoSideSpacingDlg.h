// Dialog 219 "自动调整侧面钢筋间距": the cap's middle height and plate covers with the number of
// side bars and the spacing formula they give.
#pragma once

#include "AutoSpacingCommands.h"
#include "CButton.h"
#include "CComboBox.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CSideSpacingChoice.h"
#include "CStatic.h"

class CBentCapAutoSideSpacingDlg : public CDialog, public CAutoSideSpacingDialog {
public:
    enum { IDD = 219 };
    explicit CBentCapAutoSideSpacingDlg(CWnd* pParent = nullptr);

    BOOL Run(CSideSpacingChoice& choice) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    CSideSpacingChoice* m_pChoice = nullptr;
    CStatic m_labels[5];
    CEdit m_edtHeight;      // 1114
    CEdit m_edtTopCover;    // 1115
    CEdit m_edtBottomCover; // 1118
    CComboBox m_cboCount;   // 1116
    CEdit m_edtFormula;     // 1117
    CButton m_ok, m_cancel;
};
