#include "CBentCapRefListDlg.h"

CBentCapRefListDlg::CBentCapRefListDlg(CWnd* pParent) : CDialog(IDD, pParent) { SetCaption(L"参考值列表"); }

BOOL CBentCapRefListDlg::OnInitDialog()
{
  CDialog::OnInitDialog();
  m_label.Create(L"参考值列表：", WS_CHILD | WS_VISIBLE, CRect(10, 8, 200, 26), this, 0xFFFF);
  m_list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, CRect(10, 30, 200, 200), this, 1113);
  m_ok.Create(L"确定", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(20, 210, 95, 235), this, IDOK);
  m_cancel.Create(L"取消", WS_CHILD | WS_VISIBLE, CRect(115, 210, 190, 235), this, IDCANCEL);
  return TRUE;
}
