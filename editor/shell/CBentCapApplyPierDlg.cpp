#include "CBentCapApplyPierDlg.h"

CBentCapApplyPierDlg::CBentCapApplyPierDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    SetCaption(L"适用墩台");
    SetInitialSize(400, 120);
}

BOOL CBentCapApplyPierDlg::Edit(CString& applicablePiers)
{
    m_strPiers = applicablePiers;
    if (DoModal() != IDOK)
        return FALSE;
    applicablePiers = m_strPiers;
    return TRUE;
}

BOOL CBentCapApplyPierDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_label.Create(L"本盖梁所适用的墩台为：", WS_CHILD | WS_VISIBLE, CRect(10, 10, 380, 28), this, 0xFFFF);
    m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 32, 380, 54), this, 1122);
    m_edit.SetWindowText(m_strPiers);
    m_ok.Create(L"确定", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(110, 70, 185, 95), this, IDOK);
    m_cancel.Create(L"取消", WS_CHILD | WS_VISIBLE, CRect(210, 70, 285, 95), this, IDCANCEL);
    return TRUE;
}

void CBentCapApplyPierDlg::OnOK()
{
    m_edit.GetWindowText(m_strPiers);
    CDialog::OnOK();
}
