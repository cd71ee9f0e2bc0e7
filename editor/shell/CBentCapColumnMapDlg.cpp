#include "CBentCapColumnMapDlg.h"

CBentCapColumnMapDlg::CBentCapColumnMapDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    SetCaption(L"调整列序号");
    SetInitialSize(240, 130);
}

BOOL CBentCapColumnMapDlg::Edit(int newColumn, int& oldColumn)
{
    m_nNewColumn = newColumn;
    m_nOldColumn = oldColumn;
    if (DoModal() != IDOK)
        return FALSE;
    oldColumn = m_nOldColumn;
    return TRUE;
}

BOOL CBentCapColumnMapDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const DWORD child = WS_CHILD | WS_VISIBLE;
    m_labels[0].Create(L"新列：", child, CRect(10, 13, 60, 31), this, 0xFFFF);
    m_cboNew.Create(child | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(65, 10, 210, 32), this, 1109);
    m_labels[1].Create(L"旧列：", child, CRect(10, 43, 60, 61), this, 0xFFFF);
    m_cboOld.Create(child | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(65, 40, 210, 62), this, 1110);
    for (int i = 1; i <= kColumnMapRows; ++i) {
        CString text;
        text.Format(L"%d", i);
        m_cboNew.AddString(text);
        m_cboOld.AddString(text);
    }
    m_cboNew.SetCurSel(m_nNewColumn);
    m_cboNew.EnableWindow(FALSE);
    m_cboOld.SetCurSel(m_nOldColumn);
    m_ok.Create(L"确定", child | BS_DEFPUSHBUTTON, CRect(30, 80, 105, 105), this, IDOK);
    m_cancel.Create(L"取消", child, CRect(130, 80, 205, 105), this, IDCANCEL);
    return TRUE;
}

void CBentCapColumnMapDlg::OnOK()
{
    m_nOldColumn = m_cboOld.GetCurSel();
    CDialog::OnOK();
}
