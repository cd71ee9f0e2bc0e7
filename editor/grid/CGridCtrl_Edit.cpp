// In-place editing of a grid cell: opening the text field or the drop-down list over the cell,
// storing what it returns, telling the owner, and moving on for a navigation key.
#include "CGridCtrl.h"

#include "CGridCellCombo.h"
#include "CGridCellEdit.h"
#include "KeyState.h"

void CGridCtrl::OnEditFocusCell(UINT nChar) { OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, nChar); }

void CGridCtrl::OnChar(UINT nChar, UINT, UINT)
{
  const bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
  if (!control && m_MouseMode == MOUSE_NOTHING && (!m_bHandleTabKey || nChar != VK_TAB))
    OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, nChar);
}

void CGridCtrl::OnEditCell(int nRow, int nCol, UINT nChar)
{
  if (!IsValid(nRow, nCol))
    return;
  EnsureVisible(nRow, nCol);
  CRect rect;
  if (!IsCellEditable(nRow, nCol) || !IsCellVisible(nRow, nCol) || !GetCellRect(nRow, nCol, &rect))
    return;
  // A cell of a header block edits the block's top-left cell over the whole block.
  CCellID cell(nRow, nCol);
  if (const CGridCell* gridCell = GetCell(nRow, nCol); gridCell->merged || gridCell->rowSpan || gridCell->colSpan) {
    GetMergedRect(nRow, nCol, &rect, nRow < m_nFixedRows || nCol < m_nFixedCols);
    rect.left--;
    rect.top--;
    cell = GetMergeOwner(nRow, nCol);
  }
  SendMessageToParent(cell.row, cell.col, GVN_BEGINLABELEDIT);
  CGridItem item;
  item.row = cell.row;
  item.col = cell.col;
  item.mask = GVIF_TEXT | GVIF_FORMAT;
  if (!GetItem(&item))
    return;
  DWORD style = ES_LEFT;
  if (item.nFormat & DT_RIGHT)
    style = ES_RIGHT;
  else if (item.nFormat & DT_CENTER)
    style = ES_CENTER;
  CreateInPlaceEditor(rect, style, IDC_INPLACE_CONTROL, cell.row, cell.col, item.szText, nChar);
}

CWnd* CGridCtrl::CreateInPlaceEditor(const RECT& rect, DWORD dwStyle, UINT nID, int nRow, int nCol, LPCTSTR szText,
                                     UINT nChar)
{
  if (IsListCell(nRow, nCol))
    return new CGridCellCombo(this, rect, CBS_DROPDOWNLIST, nID, nRow, nCol, GetCellListItems(nRow, nCol), szText,
                              nChar);
  const CGridCell* cell = GetCell(nRow, nCol);
  return new CGridCellEdit(this, rect, dwStyle, nID, nRow, nCol, szText, nChar, cell ? cell->numberCheck : nullptr);
}

void CGridCtrl::OnEndEditCell(int nRow, int nCol, CString str)
{
  if (GetItemText(nRow, nCol) != str) {
    SetModified(TRUE, nRow, nCol);
    SetItemText(nRow, nCol, str);
  }
}

BOOL CGridCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (!header || header->code != LVN_ENDLABELEDIT || header->idFrom != IDC_INPLACE_CONTROL)
    return CWnd::OnNotify(wParam, lParam, pResult);
  if (!GetSafeHwnd())
    return TRUE;
  const LV_ITEM& item = reinterpret_cast<const LV_DISPINFO*>(lParam)->item;
  OnEndEditCell(item.iItem, item.iSubItem, item.pszText);
  InvalidateCellRect(CCellID(item.iItem, item.iSubItem));
  SendMessageToParent(item.iItem, item.iSubItem, GVN_ENDLABELEDIT);
  // A navigation key moves on and edits the next cell.
  const UINT key = static_cast<UINT>(item.lParam);
  switch (key) {
  case VK_TAB:
  case VK_DOWN:
  case VK_UP:
  case VK_RIGHT:
  case VK_LEFT:
  case VK_NEXT:
  case VK_PRIOR:
  case VK_HOME:
  case VK_END:
    OnKeyDown(key, 0, 0);
    // The editor that ends is still giving up the focus: the next one opens once it has.
    PostMessage(kEditFocusCell, key);
    break;
  default:
    break;
  }
  *pResult = 0;
  return TRUE;
}
