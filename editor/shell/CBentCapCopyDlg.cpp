#include "CBentCapCopyDlg.h"

#include "CopySourceFile.h"

CBentCapCopyDlg::CBentCapCopyDlg(double loadFactor, LOGFONT* pFont, CWnd* pParent)
    : CDialog(IDD, pParent), m_dLoadFactor(loadFactor), m_pFont(pFont)
{
    SetCaption(L"盖梁复制");
    SetInitialSize(560, 380);
}

BOOL CBentCapCopyDlg::Run(CCapCopySelection& selection)
{
    m_pSelection = &selection;
    const BOOL ok = DoModal() == IDOK;
    m_pSelection = nullptr;
    return ok;
}

BOOL CBentCapCopyDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const DWORD child = WS_CHILD | WS_VISIBLE;
    m_edtPath.Create(child | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL, CRect(10, 10, 430, 32), this, 1084);
    m_btnSelect.Create(L"选择文件", child, CRect(440, 9, 540, 33), this, 1085);
    m_wndInfo.Create(L"", child, CRect(10, 42, 540, 100), this, 1098);
    for (int i = 0; i < kCapCopyGroupCount; ++i) {
        const int group = kCopyGeneralConstruction + i;
        const int x = 10 + (i % 2) * 270;
        const int y = 110 + (i / 2) * 34;
        m_checks[i].Create(GetCapCopyGroupLabel(group), child | BS_AUTOCHECKBOX, CRect(x, y, x + 260, y + 22), this,
                           static_cast<UINT>(group));
    }
    m_ok.Create(L"确定", child | BS_DEFPUSHBUTTON, CRect(160, 320, 235, 345), this, IDOK);
    m_cancel.Create(L"取消", child, CRect(310, 320, 385, 345), this, IDCANCEL);
    ShowSelection();
    return TRUE;
}

void CBentCapCopyDlg::StoreChecks()
{
    if (!m_pSelection)
        return;
    for (int i = 0; i < kCapCopyGroupCount; ++i)
        m_pSelection->SetGroupChecked(kCopyGeneralConstruction + i, m_checks[i].GetCheck() == BST_CHECKED);
}

void CBentCapCopyDlg::ShowSelection()
{
    if (!m_pSelection)
        return;
    m_edtPath.SetWindowText(m_pSelection->GetPath());
    m_wndInfo.SetWindowText(m_pSelection->GetInfoText());
    for (int i = 0; i < kCapCopyGroupCount; ++i) {
        const int group = kCopyGeneralConstruction + i;
        m_checks[i].EnableWindow(m_pSelection->IsGroupEnabled(group));
        m_checks[i].SetCheck(m_pSelection->IsGroupChecked(group) ? BST_CHECKED : BST_UNCHECKED);
    }
}

void CBentCapCopyDlg::OnSelectFile()
{
    if (!m_pSelection)
        return;
    StoreChecks();
    if (ChooseCopySourceFile(*this, *m_pSelection, m_dLoadFactor, m_pFont))
        ShowSelection();
}

BOOL CBentCapCopyDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == 1085 && HIWORD(wParam) == BN_CLICKED) {
        OnSelectFile();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CBentCapCopyDlg::OnOK()
{
    if (!m_pSelection)
        return;
    StoreChecks();
    HWND owner = GetSafeHwnd();
    m_pSelection->SetOwner(&owner);
    const BOOL confirmed = m_pSelection->Confirm();
    m_pSelection->SetOwner(nullptr);
    if (confirmed)
        CDialog::OnOK();
}
