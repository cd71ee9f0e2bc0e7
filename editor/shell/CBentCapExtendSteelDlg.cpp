#include "CBentCapExtendSteelDlg.h"

namespace {

// The radio buttons' ids in dialog order.
const UINT kRadioIds[kExtendSteelOperationCount] = {1102, 1099, 1101, 1100, 1103, 1104, 1105};

} // namespace

CBentCapExtendSteelDlg::CBentCapExtendSteelDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    SetCaption(L"加强钢筋");
    SetInitialSize(300, 290);
}

BOOL CBentCapExtendSteelDlg::Choose(int& operation)
{
    m_nOperation = kInitialExtendSteelOperation;
    if (DoModal() != IDOK)
        return FALSE;
    operation = m_nOperation;
    return TRUE;
}

BOOL CBentCapExtendSteelDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int i = 0; i < kExtendSteelOperationCount; ++i) {
        const DWORD style = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0U);
        m_radios[i].Create(GetExtendSteelOperationText(i), style, CRect(15, 10 + 30 * i, 280, 32 + 30 * i), this,
                           kRadioIds[i]);
        m_radios[i].SetCheck(i == m_nOperation ? BST_CHECKED : BST_UNCHECKED);
    }
    m_ok.Create(L"确定", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(50, 225, 125, 250), this, IDOK);
    m_cancel.Create(L"取消", WS_CHILD | WS_VISIBLE, CRect(160, 225, 235, 250), this, IDCANCEL);
    return TRUE;
}

// The choice is confirmed before it is taken; No keeps the dialog open.
void CBentCapExtendSteelDlg::OnOK()
{
    for (int i = 0; i < kExtendSteelOperationCount; ++i)
        if (m_radios[i].GetCheck() == BST_CHECKED)
            m_nOperation = i;
    if (ConfirmExtendSteelOperation(m_nOperation, GetSafeHwnd()))
        CDialog::OnOK();
}
