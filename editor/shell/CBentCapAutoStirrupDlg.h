// Dialog 218 "自动布置箍筋": the number of stirrup legs over the bar columns and the sketch of
// the stirrups they give, taken over by the open design on a confirmed OK.
#pragma once

#include "CAutoStirrupLayout.h"
#include "CBentCapStirrupSketch.h"
#include "CButton.h"
#include "CComboBox.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CStatic.h"

class CBentCapAutoStirrupDlg : public CDialog, public CAutoStirrupDialog {
public:
    enum { IDD = 218 };
    explicit CBentCapAutoStirrupDlg(CWnd* pParent = nullptr);

    BOOL Run(CAutoStirrupLayout& layout) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CBentCapStirrupSketch& GetSketch() { return m_wndSketch; }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // The proposal for the chosen legs, shown in the sketch.
    void ShowProposal();

    CAutoStirrupLayout* m_pLayout = nullptr;
    CStatic m_labels[2];
    CEdit m_edtColumns;  // 1119
    CComboBox m_cboLegs; // 1120
    CBentCapStirrupSketch m_wndSketch; // 1121
    CButton m_ok, m_cancel;
};
