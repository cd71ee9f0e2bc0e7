#include "CBentCapAboutDlg.h"

#include "ProgramIcon.h"

#include <QPixmap>

CBentCapAboutDlg::CBentCapAboutDlg() : CDialog(100)
{
    SetCaption(L"关于 Veltra盖梁绘图系统");
    SetInitialSize(310, 110);
}

BOOL CBentCapAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The program's icon beside the text.
    m_icon.Create(L"", WS_CHILD | WS_VISIBLE, CRect(20, 16, 52, 48), this, 0xFFFF);
    m_icon.SetPicture(MakeProgramIcon().pixmap(32, 32));
    m_text.Create(L"Veltra盖梁绘图系统 1.0 版", WS_CHILD | WS_VISIBLE, CRect(64, 22, 290, 46), this, 0xFFFF);
    m_ok.Create(L"确定", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(200, 66, 280, 92), this, IDOK);
    return TRUE;
}
