#include "CBentCapBatchSheet.h"

#include "CBentCapColumnMapDlg.h"
#include "CBentCapFileDialog.h"
#include "CCapCopySelection.h"

namespace {

const DWORD kChild = WS_CHILD | WS_VISIBLE;
// Where the second page starts.
const int kPageTop = 230;

} // namespace

CBentCapBatchSheet::CBentCapBatchSheet(double loadFactor, LOGFONT* pFont, CWnd* pParent)
    : CDialog(0, pParent), m_dLoadFactor(loadFactor), m_pFont(pFont)
{
    SetInitialSize(700, 620);
}

BOOL CBentCapBatchSheet::Run(CBatchFileList& files, CBatchCopySource& source)
{
    SetCaption(L"批量复制");
    m_pFiles = &files;
    m_pSource = &source;
    const BOOL ok = DoModal() == IDOK;
    m_pFiles = nullptr;
    m_pSource = nullptr;
    return ok;
}

BOOL CBentCapBatchSheet::Run(CBatchFileList& files, CBatchColumnMap& columns)
{
    SetCaption(L"批量调列");
    m_pFiles = &files;
    m_pColumns = &columns;
    const BOOL ok = DoModal() == IDOK;
    m_pFiles = nullptr;
    m_pColumns = nullptr;
    return ok;
}

BOOL CBentCapBatchSheet::OnInitDialog()
{
    CDialog::OnInitDialog();
    CreateFilePage();
    if (m_pSource)
        CreateCopyPage();
    if (m_pColumns)
        CreateColumnPage();
    m_ok.Create(L"确定", kChild | BS_DEFPUSHBUTTON, CRect(220, 570, 295, 595), this, IDOK);
    m_cancel.Create(L"取消", kChild, CRect(400, 570, 475, 595), this, IDCANCEL);
    return TRUE;
}

void CBentCapBatchSheet::CreateFilePage()
{
    m_wndFiles.Create(kChild | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(10, 10, 680, 180), this, 1103);
    m_wndFiles.InsertColumn(0, L"序号", LVCFMT_LEFT, 50);
    m_wndFiles.InsertColumn(1, L"文件", LVCFMT_LEFT, 480);
    m_wndFiles.InsertColumn(2, L"结果", LVCFMT_LEFT, 60);
    m_btnAdd.Create(L"添加", kChild, CRect(10, 190, 90, 214), this, 1104);
    m_btnDelete.Create(L"删除", kChild, CRect(100, 190, 180, 214), this, 1105);
    m_wndCount.Create(L"", kChild, CRect(200, 193, 680, 211), this, 1106);
    ShowFiles();
}

void CBentCapBatchSheet::CreateCopyPage()
{
    m_edtSource.Create(kChild | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL, CRect(10, kPageTop, 570, kPageTop + 22), this,
                       1101);
    m_btnSelect.Create(L"选择文件", kChild, CRect(580, kPageTop - 1, 680, kPageTop + 23), this, 1102);
    m_wndInfo.Create(m_pSource->GetInfoText(), kChild, CRect(10, kPageTop + 32, 680, kPageTop + 70), this, 1098);
    for (int i = 0; i < kCapCopyGroupCount; ++i) {
        const int group = kCopyGeneralConstruction + i;
        const int x = 10 + (i % 2) * 340;
        const int y = kPageTop + 80 + (i / 2) * 34;
        m_checks[i].Create(GetCapCopyGroupLabel(group), kChild | BS_AUTOCHECKBOX, CRect(x, y, x + 330, y + 22), this,
                           static_cast<UINT>(group));
        m_checks[i].SetCheck(m_pSource->IsGroupChecked(group) ? BST_CHECKED : BST_UNCHECKED);
    }
}

void CBentCapBatchSheet::CreateColumnPage()
{
    m_grpColumns.Create(kColumnMapFrameCaption, kChild | BS_GROUPBOX, CRect(10, kPageTop, 680, kPageTop + 260), this,
                        0xFFFF);
    m_wndColumns.Create(kChild | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                        CRect(20, kPageTop + 22, 300, kPageTop + 250), this, 1107);
    m_wndColumns.InsertColumn(0, L"新列", LVCFMT_LEFT, 100);
    m_wndColumns.InsertColumn(1, L"对应旧列", LVCFMT_LEFT, 100);
    m_wndColumns.InsertColumn(2, L"有改变", LVCFMT_LEFT, 60);
    m_wndNote.Create(kColumnMapNote, kChild, CRect(310, kPageTop + 22, 670, kPageTop + 250), this, 0xFFFF);
    for (int row = 0; row < kColumnMapRows; ++row)
        m_wndColumns.InsertItem(row, m_pColumns->GetNewColumnText(row));
    ShowColumns();
}

void CBentCapBatchSheet::ShowFiles()
{
    m_wndFiles.DeleteAllItems();
    for (int row = 0; row < m_pFiles->GetCount(); ++row) {
        m_wndFiles.InsertItem(row, CBatchFileList::GetRowNumberText(row));
        m_wndFiles.SetItemText(row, 1, m_pFiles->GetPath(row));
    }
    m_wndCount.SetWindowText(m_pFiles->GetCountText());
}

void CBentCapBatchSheet::ShowColumns()
{
    for (int row = 0; row < kColumnMapRows; ++row) {
        m_wndColumns.SetItemText(row, 1, m_pColumns->GetOldColumnText(row));
        m_wndColumns.SetItemText(row, 2, m_pColumns->GetChangedText(row));
    }
}

CString CBentCapBatchSheet::ChooseDesignFile(const wchar_t* title, const wchar_t* filter)
{
    CBentCapFileDialog dialog(TRUE, kDesignFileExtension, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, filter, this);
    if (title)
        dialog.SetCaption(title);
    dialog.m_dLoadFactor = m_dLoadFactor;
    dialog.m_pFont = m_pFont;
    return dialog.DoModal() == IDOK ? dialog.GetPathName() : CString();
}

void CBentCapBatchSheet::OnAddFiles()
{
    const CString path = ChooseDesignFile(kAddFilesTitle, kAddFilesFilter);
    if (path.IsEmpty())
        return;
    CStringArray chosen;
    chosen.Add(path);
    m_pFiles->AddFiles(chosen, GetSafeHwnd());
    ShowFiles();
}

void CBentCapBatchSheet::OnDeleteFiles()
{
    CArray<int, const int&> rows;
    for (int row = m_wndFiles.GetNextItem(-1, LVNI_SELECTED); row >= 0; row = m_wndFiles.GetNextItem(row, LVNI_SELECTED))
        rows.Add(row);
    if (m_pFiles->DeleteFiles(rows, GetSafeHwnd()))
        ShowFiles();
}

void CBentCapBatchSheet::OnSelectFile()
{
    const CString path = ChooseDesignFile(nullptr, kCapCopyFileFilter);
    if (path.IsEmpty())
        return;
    HWND owner = GetSafeHwnd();
    m_pSource->SetOwner(&owner);
    m_pSource->SelectFile(path);
    m_pSource->SetOwner(nullptr);
    m_edtSource.SetWindowText(m_pSource->GetPath());
    m_wndInfo.SetWindowText(m_pSource->GetInfoText());
}

void CBentCapBatchSheet::OnEditOldColumn()
{
    const int row = m_wndColumns.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0)
        return;
    CBentCapColumnMapDlg dialog(this);
    m_pColumns->EditOldColumn(row, dialog);
    ShowColumns();
}

BOOL CBentCapBatchSheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case 1104: OnAddFiles(); return TRUE;
        case 1105: OnDeleteFiles(); return TRUE;
        case 1102:
            if (m_pSource)
                OnSelectFile();
            return TRUE;
        default: break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CBentCapBatchSheet::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    const auto* notice = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
    if (!m_pColumns || notice->hdr.idFrom != 1107 || notice->hdr.code != NM_DBLCLK)
        return FALSE;
    *pResult = 0;
    OnEditOldColumn();
    return TRUE;
}

// The pages in order; the first that refuses keeps the sheet open.
void CBentCapBatchSheet::OnOK()
{
    if (!m_pFiles->Apply(GetSafeHwnd()))
        return;
    if (m_pSource) {
        for (int i = 0; i < kCapCopyGroupCount; ++i)
            m_pSource->SetGroupChecked(kCopyGeneralConstruction + i, m_checks[i].GetCheck() == BST_CHECKED);
        if (!m_pSource->Apply(GetSafeHwnd()))
            return;
    }
    if (m_pColumns && !m_pColumns->Apply(GetSafeHwnd()))
        return;
    CDialog::OnOK();
}
