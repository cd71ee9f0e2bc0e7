#include "CBentCapBatCopyFile.h"

#include "CBentCapFileDialog.h"
#include "CCapCopySelection.h"

CBentCapBatCopyFile::CBentCapBatCopyFile(CBatchFileList& files, double loadFactor, LOGFONT* pFont)
    : CBentCapBatchPage(158, L"文件"), m_files(files), m_dLoadFactor(loadFactor), m_pFont(pFont) {}

BOOL CBentCapBatCopyFile::OnInitDialog()
{
    CBentCapBatchPage::OnInitDialog();
    m_wndFiles.Create(kChild | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(10, 10, 680, 280), this, 1103);
    m_wndFiles.InsertColumn(0, L"序号", LVCFMT_LEFT, 50);
    m_wndFiles.InsertColumn(1, L"文件", LVCFMT_LEFT, 480);
    m_wndFiles.InsertColumn(2, L"结果", LVCFMT_LEFT, 60);
    m_btnAdd.Create(L"添加", kChild, CRect(10, 292, 90, 318), this, 1104);
    m_btnDelete.Create(L"删除", kChild, CRect(100, 292, 180, 318), this, 1105);
    m_wndCount.Create(L"", kChild, CRect(200, 296, 680, 316), this, 1106);
    ShowFiles();
    return TRUE;
}

void CBentCapBatCopyFile::ShowFiles()
{
    m_wndFiles.DeleteAllItems();
    for (int row = 0; row < m_files.GetCount(); ++row) {
        m_wndFiles.InsertItem(row, CBatchFileList::GetRowNumberText(row));
        m_wndFiles.SetItemText(row, 1, m_files.GetPath(row));
    }
    m_wndCount.SetWindowText(m_files.GetCountText());
}

// Every file chosen in the one dialog is added.
void CBentCapBatCopyFile::OnAddFiles()
{
    CBentCapFileDialog dialog(TRUE, kDesignFileExtension, nullptr,
                              OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kAddFilesFilter, this);
    dialog.SetCaption(kAddFilesTitle);
    dialog.m_dLoadFactor = m_dLoadFactor;
    dialog.m_pFont = m_pFont;
    if (dialog.DoModal() != IDOK)
        return;
    CStringArray chosen;
    for (POSITION pos = dialog.GetStartPosition(); pos;)
        chosen.Add(dialog.GetNextPathName(pos));
    m_files.AddFiles(chosen, GetSafeHwnd());
    ShowFiles();
}

void CBentCapBatCopyFile::OnDeleteFiles()
{
    CArray<int, const int&> rows;
    for (int row = m_wndFiles.GetNextItem(-1, LVNI_SELECTED); row >= 0; row = m_wndFiles.GetNextItem(row, LVNI_SELECTED))
        rows.Add(row);
    if (m_files.DeleteFiles(rows, GetSafeHwnd()))
        ShowFiles();
}

BOOL CBentCapBatCopyFile::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == 1104) {
        OnAddFiles();
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == 1105) {
        OnDeleteFiles();
        return TRUE;
    }
    return CBentCapBatchPage::OnCommand(wParam, lParam);
}

BOOL CBentCapBatCopyFile::OnApply() { return m_files.Apply(GetSafeHwnd()); }
