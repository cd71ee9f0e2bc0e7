#include "CBentCapStirrupDlg.h"

#include "EditorMessageBoxes.h"

namespace {

const wchar_t* const kSingleLeg = L"单肢箍筋";

} // namespace

CBentCapStirrupDlg::CBentCapStirrupDlg(int nStart, int nEnd, int nColumns, CWnd* pParentWnd)
    : CDialog(149, pParentWnd), m_nStart(nStart), m_nEnd(nEnd), m_nColumns(nColumns)
{
    SetCaption(L"修改箍筋");
    SetInitialSize(260, 130);
}

void CBentCapStirrupDlg::FillColumns(CComboBox& combo, int column)
{
    for (int i = 1; i <= m_nColumns; ++i) {
        CString text;
        text.Format(L"%d", i);
        combo.AddString(text);
    }
    combo.AddString(kSingleLeg);
    combo.SetCurSel(column == -1 ? m_nColumns : column - 1);
}

int CBentCapStirrupDlg::ColumnOf(const CComboBox& combo) const
{
    const int index = combo.GetCurSel();
    return index < 0 || index >= m_nColumns ? -1 : index + 1;
}

BOOL CBentCapStirrupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const DWORD list = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST;
    m_lblStart.Create(L"箍筋起始：", WS_CHILD | WS_VISIBLE, CRect(12, 14, 90, 34), this, 0xFFFF);
    m_cboStart.Create(list, CRect(96, 10, 240, 34), this, 1055);
    m_lblEnd.Create(L"箍筋终止：", WS_CHILD | WS_VISIBLE, CRect(12, 48, 90, 68), this, 0xFFFF);
    m_cboEnd.Create(list, CRect(96, 44, 240, 68), this, 1056);
    m_btnOk.Create(L"确定", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(76, 90, 156, 116), this, IDOK);
    m_btnCancel.Create(L"取消", WS_CHILD | WS_VISIBLE, CRect(164, 90, 244, 116), this, IDCANCEL);
    FillColumns(m_cboStart, m_nStart);
    FillColumns(m_cboEnd, m_nEnd);
    return TRUE;
}

void CBentCapStirrupDlg::OnOK()
{
    const int start = ColumnOf(m_cboStart);
    const int end = ColumnOf(m_cboEnd);
    if (start == -1 && end == -1) {
        ShowInformation(L"设置单肢箍筋时，起始和终止中必须有一个指定箍筋位置！", L"箍筋错误", GetSafeHwnd());
        return;
    }
    if (start != -1 && end != -1 && end < start) {
        ShowInformation(L"箍筋起始必须小于或等于箍筋终止！", L"箍筋错误", GetSafeHwnd());
        return;
    }
    m_nStart = start;
    m_nEnd = end;
    CDialog::OnOK();
}
