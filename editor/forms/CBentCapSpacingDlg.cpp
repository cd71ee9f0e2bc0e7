#include "CBentCapSpacingDlg.h"

#include "FormNumbers.h"
#include "WinUser.h"

CBentCapSpacingDlg::CBentCapSpacingDlg(CWnd* pParent) : CDialog(IDD, pParent) { SetCaption(L"新间距值"); }

double CBentCapSpacingDlg::GetValue() const { return ReadFormNumber(m_strValue); }

BOOL CBentCapSpacingDlg::OnInitDialog()
{
  CDialog::OnInitDialog();
  m_label.Create(L"新间距值：", WS_CHILD | WS_VISIBLE, CRect(10, 12, 80, 30), this, 0xFFFF);
  m_edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, CRect(85, 10, 185, 30), this, 1080);
  m_edit.SetWindowText(m_strValue);
  m_ok.Create(L"确定", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(20, 45, 95, 70), this, IDOK);
  m_cancel.Create(L"取消", WS_CHILD | WS_VISIBLE, CRect(110, 45, 185, 70), this, IDCANCEL);
  return TRUE;
}

void CBentCapSpacingDlg::OnOK()
{
  m_edit.GetWindowText(m_strValue);
  if (GetValue() > 0) {
    CDialog::OnOK();
    return;
  }
  MessageBox(GetSafeHwnd(), L"间距值必须大于0，请重新输入！", L"间距错误", MB_OK | MB_ICONINFORMATION);
}
