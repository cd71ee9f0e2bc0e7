// Dialog 164 "自动调整骨架间距": the cap width, the cover and the column count with the spacing
// formula they give; cover and count can be changed only while box 1118 is ticked.
#pragma once

#include "AutoSpacingCommands.h"
#include "CButton.h"
#include "CComboBox.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CSkeletonSpacingChoice.h"
#include "CStatic.h"

class CBentCapAutoSkeletonSpacingDlg : public CDialog, public CAutoSkeletonSpacingDialog {
public:
    enum { IDD = 164 };
    explicit CBentCapAutoSkeletonSpacingDlg(CWnd* pParent = nullptr);

    BOOL Run(CSkeletonSpacingChoice& choice) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // The choice's values into the controls.
    void ShowChoice();

    CSkeletonSpacingChoice* m_pChoice = nullptr;
    CStatic m_labels[4];
    CEdit m_edtWidth;    // 1114
    CEdit m_edtCover;    // 1115
    CComboBox m_cboCount; // 1116
    CEdit m_edtFormula;  // 1117
    CButton m_chkAllow;  // 1118
    CButton m_ok, m_cancel;
};
