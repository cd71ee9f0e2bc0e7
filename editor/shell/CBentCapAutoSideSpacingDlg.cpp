#include "CBentCapAutoSideSpacingDlg.h"

#include "NumericHelpers.h"

CBentCapAutoSideSpacingDlg::CBentCapAutoSideSpacingDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    SetCaption(L"自动调整侧面钢筋间距");
    SetInitialSize(460, 230);
}

BOOL CBentCapAutoSideSpacingDlg::Run(CSideSpacingChoice& choice)
{
    m_pChoice = &choice;
    const BOOL ok = DoModal() == IDOK;
    m_pChoice = nullptr;
    return ok;
}

BOOL CBentCapAutoSideSpacingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const DWORD child = WS_CHILD | WS_VISIBLE;
    const wchar_t* captions[5] = {L"盖梁高度：", L"顶板保护层：", L"底板保护层：", L"钢筋根数：", L"间距公式："};
    for (int i = 0; i < 5; ++i)
        m_labels[i].Create(captions[i], child, CRect(10, 13 + 30 * i, 100, 31 + 30 * i), this, 0xFFFF);
    const DWORD readOnly = child | WS_BORDER | ES_READONLY;
    m_edtHeight.Create(readOnly, CRect(105, 10, 210, 32), this, 1114);
    m_edtTopCover.Create(readOnly, CRect(105, 40, 210, 62), this, 1115);
    m_edtBottomCover.Create(readOnly, CRect(105, 70, 210, 92), this, 1118);
    m_cboCount.Create(child | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(105, 100, 210, 122), this, 1116);
    for (int i = 1; i <= kSpacingCountChoices; ++i) {
        CString text;
        text.Format(L"%d", i);
        m_cboCount.AddString(text);
    }
    m_edtFormula.Create(readOnly | ES_AUTOHSCROLL, CRect(105, 130, 440, 152), this, 1117);
    m_ok.Create(L"确定", child | BS_DEFPUSHBUTTON, CRect(120, 170, 195, 195), this, IDOK);
    m_cancel.Create(L"取消", child, CRect(240, 170, 315, 195), this, IDCANCEL);
    if (m_pChoice) {
        m_edtHeight.SetWindowText(FormatFixed(m_pChoice->GetHeight(), -7));
        m_edtTopCover.SetWindowText(FormatFixed(m_pChoice->GetTopCover(), -7));
        m_edtBottomCover.SetWindowText(FormatFixed(m_pChoice->GetBottomCover(), -7));
        m_cboCount.SetCurSel(m_pChoice->GetIndex());
        m_edtFormula.SetWindowText(m_pChoice->GetFormula());
    }
    return TRUE;
}

BOOL CBentCapAutoSideSpacingDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_pChoice && LOWORD(wParam) == 1116 && HIWORD(wParam) == CBN_SELCHANGE) {
        m_pChoice->SetIndex(m_cboCount.GetCurSel());
        m_edtFormula.SetWindowText(m_pChoice->GetFormula());
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CBentCapAutoSideSpacingDlg::OnOK()
{
    if (m_pChoice && m_pChoice->Confirm(GetSafeHwnd()))
        CDialog::OnOK();
}
