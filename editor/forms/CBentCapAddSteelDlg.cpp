#include "CBentCapAddSteelDlg.h"

CBentCapAddSteelDlg::CBentCapAddSteelDlg(CWnd* pParent) : CDialog(IDD, pParent) { SetCaption(L"添加钢筋"); }

BOOL CBentCapAddSteelDlg::OnInitDialog()
{
  CDialog::OnInitDialog();
  static const wchar_t* const captions[] = {L"骨架", L"1#和2#钢筋", L"加强钢筋"};
  m_group.Create(L"钢筋类型：", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(10, 5, 200, 105), this, 0xFFFF);
  for (int i = 0; i < 3; ++i) {
    m_kinds[i].Create(captions[i], WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, CRect(25, 25 + 25 * i, 190, 45 + 25 * i),
                      this, 1047 + i);
    m_kinds[i].SetCheck(i == m_nKind ? BST_CHECKED : BST_UNCHECKED);
  }
  m_ok.Create(L"确定", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(20, 115, 95, 140), this, IDOK);
  m_cancel.Create(L"取消", WS_CHILD | WS_VISIBLE, CRect(115, 115, 190, 140), this, IDCANCEL);
  return TRUE;
}

void CBentCapAddSteelDlg::OnOK()
{
  for (int i = 0; i < 3; ++i)
    if (m_kinds[i].GetCheck() == BST_CHECKED)
      m_nKind = i;
  CDialog::OnOK();
}
