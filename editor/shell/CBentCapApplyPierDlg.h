// Dialog 166 "适用墩台": the text naming the piers and abutments the cap serves.
#pragma once

#include "ApplyPierCommand.h"
#include "CButton.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CStatic.h"

class CBentCapApplyPierDlg : public CDialog, public CApplyPierDialog {
public:
    enum { IDD = 166 };
    explicit CBentCapApplyPierDlg(CWnd* pParent = nullptr);

    BOOL Edit(CString& applicablePiers) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strPiers;

private:
    CStatic m_label;
    CEdit m_edit; // 1122
    CButton m_ok, m_cancel;
};
