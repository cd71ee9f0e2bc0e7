// Dialog 154 "盖梁复制": the source design file, how its counts compare with the open design,
// and the data groups to copy from it; a group that needs equal counts is offered only for a
// file that has them.
#pragma once

#include "CButton.h"
#include "CCapCopySelection.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CStatic.h"
#include "CapCopyGroups.h"
#include "WinGdi.h"

class CBentCapCopyDlg : public CDialog, public CCapCopyDialog {
public:
    enum { IDD = 154 };
    // loadFactor and pFont go to the open dialog's preview.
    CBentCapCopyDlg(double loadFactor, LOGFONT* pFont, CWnd* pParent = nullptr);

    BOOL Run(CCapCopySelection& selection) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    // Button 1085: the source file chosen in the open dialog.
    void OnSelectFile();

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // The check boxes into the selection, and the selection into the controls.
    void StoreChecks();
    void ShowSelection();

    CCapCopySelection* m_pSelection = nullptr;
    double m_dLoadFactor;
    LOGFONT* m_pFont;
    CEdit m_edtPath;    // 1084
    CButton m_btnSelect; // 1085
    CStatic m_wndInfo;  // 1098
    CButton m_checks[kCapCopyGroupCount]; // 1086 to 1097
    CButton m_ok, m_cancel;
};
