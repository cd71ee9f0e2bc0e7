#include "CBentCapScaleDlg.h"

CBentCapScaleDlg::CBentCapScaleDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    SetCaption(L"绘图比例");
    SetInitialSize(260, 130);
}

BOOL CBentCapScaleDlg::Edit(CString& elevationScale, CString& sectionScale)
{
    m_strElevation = elevationScale;
    m_strSection = sectionScale;
    if (DoModal() != IDOK)
        return FALSE;
    elevationScale = m_strElevation;
    sectionScale = m_strSection;
    return TRUE;
}

void CBentCapScaleDlg::MakeList(CComboBox& combo, const wchar_t* caption, int top, UINT nID, const CString& text)
{
    CStatic& label = nID == 1100 ? m_labels[0] : m_labels[1];
    label.Create(caption, WS_CHILD | WS_VISIBLE, CRect(10, top + 3, 100, top + 21), this, 0xFFFF);
    combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN, CRect(105, top, 240, top + 22), this, nID);
    for (const wchar_t* scale : kDrawScaleChoices)
        combo.AddString(scale);
    combo.SetWindowText(text);
}

BOOL CBentCapScaleDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    MakeList(m_cboElevation, L"立面图比例：", 10, 1100, m_strElevation);
    MakeList(m_cboSection, L"剖面图比例：", 40, 1101, m_strSection);
    m_ok.Create(L"确定", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(40, 80, 115, 105), this, IDOK);
    m_cancel.Create(L"取消", WS_CHILD | WS_VISIBLE, CRect(140, 80, 215, 105), this, IDCANCEL);
    return TRUE;
}

void CBentCapScaleDlg::OnOK()
{
    m_cboElevation.GetWindowText(m_strElevation);
    m_cboSection.GetWindowText(m_strSection);
    CDialog::OnOK();
}
