#include "CBentCapBatCopyChan.h"

#include "CBentCapColumnMapDlg.h"

CBentCapBatCopyChan::CBentCapBatCopyChan(CBatchColumnMap& columns) : CBentCapBatchPage(217, L"调列"), m_columns(columns) {}

// The list beside the note, which wraps in the room right of it.
BOOL CBentCapBatCopyChan::OnInitDialog()
{
    CBentCapBatchPage::OnInitDialog();
    m_grpColumns.Create(kColumnMapFrameCaption, kChild | BS_GROUPBOX, CRect(10, 6, 680, 320), this, 0xFFFF);
    m_wndColumns.Create(kChild | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, CRect(20, 30, 300, 310),
                        this, 1107);
    m_wndColumns.InsertColumn(0, L"新列", LVCFMT_LEFT, 100);
    m_wndColumns.InsertColumn(1, L"对应旧列", LVCFMT_LEFT, 100);
    m_wndColumns.InsertColumn(2, L"有改变", LVCFMT_LEFT, 60);
    m_wndNote.Create(kColumnMapNote, kChild, CRect(316, 30, 670, 310), this, 0xFFFF);
    for (int row = 0; row < kColumnMapRows; ++row)
        m_wndColumns.InsertItem(row, m_columns.GetNewColumnText(row));
    ShowColumns();
    return TRUE;
}

void CBentCapBatCopyChan::ShowColumns()
{
    for (int row = 0; row < kColumnMapRows; ++row) {
        m_wndColumns.SetItemText(row, 1, m_columns.GetOldColumnText(row));
        m_wndColumns.SetItemText(row, 2, m_columns.GetChangedText(row));
    }
}

void CBentCapBatCopyChan::OnEditOldColumn()
{
    const int row = m_wndColumns.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0)
        return;
    CBentCapColumnMapDlg dialog(this);
    m_columns.EditOldColumn(row, dialog);
    ShowColumns();
}

BOOL CBentCapBatCopyChan::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    const auto* notice = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
    if (notice->hdr.idFrom != 1107 || notice->hdr.code != NM_DBLCLK)
        return FALSE;
    *pResult = 0;
    OnEditOldColumn();
    return TRUE;
}

BOOL CBentCapBatCopyChan::OnApply() { return m_columns.Apply(GetSafeHwnd()); }
