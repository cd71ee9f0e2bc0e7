#include "CBentCapAutoStirrupDlg.h"

CBentCapAutoStirrupDlg::CBentCapAutoStirrupDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    SetCaption(L"自动布置箍筋");
    SetInitialSize(560, 380);
}

BOOL CBentCapAutoStirrupDlg::Run(CAutoStirrupLayout& layout)
{
    m_pLayout = &layout;
    const BOOL ok = DoModal() == IDOK;
    m_pLayout = nullptr;
    return ok;
}

BOOL CBentCapAutoStirrupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const DWORD child = WS_CHILD | WS_VISIBLE;
    m_labels[0].Create(L"钢筋列数：", child, CRect(10, 13, 90, 31), this, 0xFFFF);
    m_edtColumns.Create(child | WS_BORDER | ES_READONLY, CRect(95, 10, 160, 32), this, 1119);
    m_labels[1].Create(L"箍筋肢数：", child, CRect(180, 13, 260, 31), this, 0xFFFF);
    m_cboLegs.Create(child | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(265, 10, 340, 32), this, 1120);
    m_wndSketch.Create(L"", child, CRect(10, 42, 540, 300), this, 1121);
    m_ok.Create(L"确定", child | BS_DEFPUSHBUTTON, CRect(170, 312, 245, 337), this, IDOK);
    m_cancel.Create(L"取消", child, CRect(300, 312, 375, 337), this, IDCANCEL);
    if (m_pLayout) {
        CString text;
        text.Format(L"%d", m_pLayout->GetColumnCount());
        m_edtColumns.SetWindowText(text);
        for (int legs = 0; legs <= m_pLayout->GetColumnCount(); ++legs) {
            text.Format(L"%d", legs);
            m_cboLegs.AddString(text);
        }
        m_cboLegs.SetCurSel(m_pLayout->GetLegCount());
        ShowProposal();
    }
    return TRUE;
}

void CBentCapAutoStirrupDlg::ShowProposal()
{
    m_pLayout->SetLegCount(m_cboLegs.GetCurSel() < 0 ? 0 : m_cboLegs.GetCurSel());
    m_wndSketch.m_pDesign = const_cast<CBent_PierInfo*>(&m_pLayout->GetProposal());
    m_wndSketch.m_nSelected = -1;
    m_wndSketch.Invalidate();
}

BOOL CBentCapAutoStirrupDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_pLayout && LOWORD(wParam) == 1120 && HIWORD(wParam) == CBN_SELCHANGE) {
        ShowProposal();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CBentCapAutoStirrupDlg::OnOK()
{
    if (m_pLayout && m_pLayout->Confirm(GetSafeHwnd()))
        CDialog::OnOK();
}
