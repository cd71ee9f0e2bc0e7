#include "CBentCapAboutDlg.h"

CBentCapAboutDlg::CBentCapAboutDlg() : CDialog(100)
{
    SetCaption(L"关于 Veltra盖梁绘图系统");
    SetInitialSize(300, 110);
}

BOOL CBentCapAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_text.Create(L"Veltra盖梁绘图系统 1.0 版", WS_CHILD | WS_VISIBLE, CRect(20, 20, 280, 44), this, 0xFFFF);
    m_ok.Create(L"确定", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(200, 66, 280, 92), this, IDOK);
    return TRUE;
}
