#include "CBentCapExtendSetDlg.h"

#include "BarColumnCodes.h"
#include "ColumnCodeOperations.h"

#include <algorithm>

namespace {

void FillDigits(CComboBox& combo)
{
  for (int d = 0; d <= 9; ++d) {
    CString text;
    text.Format(L"%d", d);
    combo.AddString(text);
  }
}

} // namespace

CBentCapExtendSetDlg::CBentCapExtendSetDlg(int& code, int column, int pierCount, CWnd* pParent)
    : CDialog(IDD, pParent), m_code(code), m_nColumn(column), m_nPierCount(pierCount)
{
  SetCaption(L"加强筋设置");
}

void CBentCapExtendSetDlg::MakeCombo(CComboBox& combo, CStatic& label, int index, const wchar_t* caption, UINT comboId,
                                     UINT labelId)
{
  const int y = 10 + 30 * index;
  label.Create(caption, WS_CHILD | WS_VISIBLE, CRect(10, y + 3, 180, y + 23), this, labelId);
  combo.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, CRect(185, y, 265, y + 24), this, comboId);
}

BOOL CBentCapExtendSetDlg::OnInitDialog()
{
  CDialog::OnInitDialog();
  MakeCombo(m_column, m_labels[0], 0, L"骨架位置[列的序号]：", 252, 0xFFFF);
  MakeCombo(m_plateBars, m_labels[1], 1, L"顶底板筋[1#2#钢筋]：", 253, 1049);
  MakeCombo(m_edgePier, m_labels[2], 2, L"边柱柱顶[负弯矩筋]：", 254, 1050);
  MakeCombo(m_midPier, m_labels[3], 3, L"中柱柱顶[负弯矩筋]：", 256, 271);
  MakeCombo(m_midSpan, m_labels[4], 4, L"墩柱跨中[正弯矩筋]：", 255, 1051);
  MakeCombo(m_skeleton, m_labels[5], 5, L"整体骨架[骨架钢筋]：", 257, 0xFFFF);
  for (int i = 1; i <= 30; ++i) {
    CString text;
    text.Format(L"%d", i);
    m_column.AddString(text);
  }
  m_column.EnableWindow(FALSE);
  m_plateBars.AddString(L"无");
  m_plateBars.AddString(L"有");
  FillDigits(m_edgePier);
  FillDigits(m_midPier);
  FillDigits(m_midSpan);
  m_skeleton.AddString(L"否");
  m_skeleton.AddString(L"是");
  m_ok.Create(L"确定", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(40, 195, 120, 220), this, IDOK);
  m_cancel.Create(L"取消", WS_CHILD | WS_VISIBLE, CRect(150, 195, 230, 220), this, IDCANCEL);

  // The code's digits into the combos, then the rule.
  m_column.SetCurSel(m_nColumn >= 0 && m_nColumn < 30 ? m_nColumn : -1);
  m_plateBars.SetCurSel(IsStrengthenedCode(m_code) ? 1 : 0);
  m_edgePier.SetCurSel(GetCodeDigit(m_code, TRUE));
  m_midPier.SetCurSel(GetCodeDigit(m_code, FALSE));
  m_midSpan.SetCurSel(GetCodeUnits(m_code));
  m_skeleton.SetCurSel(IsSkeletonCode(m_code) ? 1 : 0);
  ApplyRule();
  return TRUE;
}

void CBentCapExtendSetDlg::ApplyRule()
{
  const bool skeleton = m_skeleton.GetCurSel() == 1;
  for (CComboBox* combo : {&m_plateBars, &m_edgePier}) {
    combo->EnableWindow(!skeleton);
    if (skeleton)
      combo->SetCurSel(0);
  }
  m_labels[1].EnableWindow(!skeleton);
  m_labels[2].EnableWindow(!skeleton);
  const bool middlePiers = !skeleton && m_nPierCount >= 3;
  m_midPier.EnableWindow(middlePiers);
  m_labels[3].EnableWindow(middlePiers);
  if (!middlePiers)
    m_midPier.SetCurSel(0);
  const bool spans = !skeleton && m_nPierCount >= 2;
  m_midSpan.EnableWindow(spans);
  m_labels[4].EnableWindow(spans);
  if (!spans)
    m_midSpan.SetCurSel(0);
}

BOOL CBentCapExtendSetDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
  if (LOWORD(wParam) == 257 && HIWORD(wParam) == CBN_SELCHANGE) {
    ApplyRule();
    return TRUE;
  }
  return CDialog::OnCommand(wParam, lParam);
}

void CBentCapExtendSetDlg::OnOK()
{
  if (m_skeleton.GetCurSel() == 1) {
    SetSkeletonCode(m_code, TRUE);
  } else {
    SetCodeThousands(m_code, std::max(m_plateBars.GetCurSel(), 0));
    SetCodeDigit(m_code, std::max(m_edgePier.GetCurSel(), 0), TRUE);
    SetCodeDigit(m_code, std::max(m_midPier.GetCurSel(), 0), FALSE);
    SetCodeUnits(m_code, std::max(m_midSpan.GetCurSel(), 0));
  }
  CDialog::OnOK();
}
