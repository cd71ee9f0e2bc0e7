// The bar commands of the elevation-bar form: add, delete and sort, from the menu or the
// form's context menu.
#include "CBentCapFormRBView.h"

#include "CMenu.h"

namespace {

const UINT kDeleteSteel = 32775;
const UINT kModifySteel = 32776;
const UINT kAddSteel = 32778;
const UINT kSortSteel = 32779;
// The pop-up tracks the right button.
const UINT kRightButtonTracking = 0x0002U;

} // namespace

BOOL CBentCapFormRBView::OnUpdateDeleteSteel() const
{
    if (!m_pGridCtrl || m_pGridCtrl->GetSelectedCount() == 0)
        return FALSE;
    const CCellRange range = m_pGridCtrl->GetSelectedCellRange();
    return range.GetMinRow() == range.GetMaxRow() && range.GetMinRow() >= m_pGridCtrl->GetFixedRowCount();
}

BOOL CBentCapFormRBView::OnUpdateSortSteel() const
{
    return m_pGridCtrl && m_pGridCtrl->GetRowCount() - m_pGridCtrl->GetFixedRowCount() > 1;
}

void CBentCapFormRBView::BarsChanged()
{
    MarkModified();
    FillGrid();
}

void CBentCapFormRBView::OnDeleteSteel()
{
    if (!m_pPierInfo || !m_pGridCtrl)
        return;
    // A locked pier refuses before the selection counts; an unusable selection does nothing.
    const int bar = OnUpdateDeleteSteel()
                        ? m_pGridCtrl->GetSelectedCellRange().GetMinRow() - m_pGridCtrl->GetFixedRowCount()
                        : -1;
    if (DeleteElevationBar(*m_pPierInfo, m_view, bar, GetSafeHwnd()))
        BarsChanged();
}

void CBentCapFormRBView::OnAddSteel()
{
    if (!m_pPierInfo || !m_pGridCtrl)
        return;
    StoreGrid();
    if (AddElevationBar(*m_pPierInfo, m_view, GetSafeHwnd()))
        BarsChanged();
}

void CBentCapFormRBView::OnSortSteel()
{
    if (!m_pPierInfo || !m_pGridCtrl)
        return;
    StoreGrid();
    if (SortElevationBars(*m_pPierInfo, m_view, GetSafeHwnd()))
        BarsChanged();
}

BOOL CBentCapFormRBView::UpdateCommandUI(CCmdUI* pCmdUI)
{
    switch (pCmdUI->m_nID) {
    case kAddSteel: pCmdUI->Enable(TRUE); return TRUE;
    case kDeleteSteel: pCmdUI->Enable(OnUpdateDeleteSteel()); return TRUE;
    case kSortSteel: pCmdUI->Enable(OnUpdateSortSteel()); return TRUE;
    // Bars are modified in their cells, not by the command.
    case kModifySteel: pCmdUI->Enable(FALSE); return TRUE;
    default: return FALSE;
    }
}

void CBentCapFormRBView::OnContextMenu(CPoint point)
{
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, kAddSteel, L"添加钢筋(&A)");
    menu.AppendMenu(MF_STRING | (OnUpdateDeleteSteel() ? 0U : MF_GRAYED), kDeleteSteel, L"删除钢筋(&D)");
    menu.AppendMenu(MF_STRING | MF_GRAYED, kModifySteel, L"修改钢筋(&E)");
    menu.AppendMenu(MF_STRING | (OnUpdateSortSteel() ? 0U : MF_GRAYED), kSortSteel, L"钢筋排序(&S)");
    menu.TrackPopupMenu(TPM_LEFTALIGN | kRightButtonTracking, point.x, point.y, this);
    menu.DestroyMenu();
}

BOOL CBentCapFormRBView::OnCommand(WPARAM wParam, LPARAM)
{
    if (HIWORD(wParam) != 0)
        return FALSE;
    switch (LOWORD(wParam)) {
    case kDeleteSteel: OnDeleteSteel(); return TRUE;
    case kAddSteel: OnAddSteel(); return TRUE;
    case kSortSteel: OnSortSteel(); return TRUE;
    default: return FALSE;
    }
}
