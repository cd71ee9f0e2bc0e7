#include "CBentCapAutoSkeletonSpacingDlg.h"

#include "NumericHelpers.h"
#include "LenientNumber.h"

CBentCapAutoSkeletonSpacingDlg::CBentCapAutoSkeletonSpacingDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    SetCaption(L"自动调整骨架间距");
    SetInitialSize(460, 210);
}

BOOL CBentCapAutoSkeletonSpacingDlg::Run(CSkeletonSpacingChoice& choice)
{
    m_pChoice = &choice;
    const BOOL ok = DoModal() == IDOK;
    m_pChoice = nullptr;
    return ok;
}

BOOL CBentCapAutoSkeletonSpacingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const DWORD child = WS_CHILD | WS_VISIBLE;
    const wchar_t* captions[4] = {L"盖梁宽度：", L"保护层：", L"钢筋列数：", L"间距公式："};
    for (int i = 0; i < 4; ++i)
        m_labels[i].Create(captions[i], child, CRect(10, 13 + 30 * i, 90, 31 + 30 * i), this, 0xFFFF);
    m_edtWidth.Create(child | WS_BORDER | ES_READONLY, CRect(95, 10, 200, 32), this, 1114);
    m_edtCover.Create(child | WS_BORDER | ES_READONLY, CRect(95, 40, 200, 62), this, 1115);
    m_cboCount.Create(child | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(95, 70, 200, 92), this, 1116);
    for (int i = 1; i <= kSpacingCountChoices; ++i) {
        CString text;
        text.Format(L"%d", i);
        m_cboCount.AddString(text);
    }
    m_edtFormula.Create(child | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL, CRect(95, 100, 440, 122), this, 1117);
    m_chkAllow.Create(L"允许在本界面上调整保护层和钢筋列数，确定时询问用户", child | BS_AUTOCHECKBOX,
                      CRect(10, 130, 440, 150), this, 1118);
    m_ok.Create(L"确定", child | BS_DEFPUSHBUTTON, CRect(120, 160, 195, 185), this, IDOK);
    m_cancel.Create(L"取消", child, CRect(240, 160, 315, 185), this, IDCANCEL);
    ShowChoice();
    return TRUE;
}

void CBentCapAutoSkeletonSpacingDlg::ShowChoice()
{
    if (!m_pChoice)
        return;
    const BOOL allowed = m_pChoice->IsEditAllowed();
    m_edtWidth.SetWindowText(FormatFixed(m_pChoice->GetWidth(), -7));
    m_edtCover.SetWindowText(FormatFixed(m_pChoice->GetCover(), -7));
    m_edtCover.SetReadOnly(!allowed);
    m_cboCount.SetCurSel(m_pChoice->GetIndex());
    m_cboCount.EnableWindow(allowed);
    m_edtFormula.SetWindowText(m_pChoice->GetFormula());
    m_chkAllow.SetCheck(allowed ? BST_CHECKED : BST_UNCHECKED);
}

BOOL CBentCapAutoSkeletonSpacingDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (m_pChoice && nID == 1118 && code == BN_CLICKED) {
        m_pChoice->AllowEdit(m_chkAllow.GetCheck() == BST_CHECKED);
        ShowChoice();
        return TRUE;
    }
    if (m_pChoice && nID == 1116 && code == CBN_SELCHANGE) {
        CString cover;
        m_edtCover.GetWindowText(cover);
        m_pChoice->SetCover(ReadLeadingReal(cover));
        m_pChoice->SetIndex(m_cboCount.GetCurSel());
        ShowChoice();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CBentCapAutoSkeletonSpacingDlg::OnOK()
{
    if (!m_pChoice)
        return;
    CString cover;
    m_edtCover.GetWindowText(cover);
    m_pChoice->SetCover(ReadLeadingReal(cover));
    if (m_pChoice->Confirm(GetSafeHwnd()))
        CDialog::OnOK();
}
