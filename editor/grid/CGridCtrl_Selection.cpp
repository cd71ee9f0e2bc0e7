// The grid's focus cell and selection: setting them, selecting by the mouse mode, finding the
// cell under a point, scrolling a cell into view and sorting the rows by a column.
#include "CGridCtrl.h"

#include "CodePage.h"
#include "GridAxis.h"

#include <algorithm>
#include <string>

CCellID CGridCtrl::SetFocusCell(int nRow, int nCol) { return SetFocusCell(CCellID(nRow, nCol)); }

CCellID CGridCtrl::SetFocusCell(CCellID cell)
{
  if (cell == m_idCurrentCell)
    return m_idCurrentCell;
  const CCellID idPrev = m_idCurrentCell;
  m_idCurrentCell = cell;
  // The headers show the focus row and column: those of the old and the new focus repaint.
  if (IsValid(idPrev)) {
    SendMessageToParent(idPrev.row, idPrev.col, GVN_SELCHANGING);
    SetItemState(idPrev.row, idPrev.col, GetItemState(idPrev.row, idPrev.col) & ~GVIS_FOCUSED);
    RedrawCell(idPrev.row, idPrev.col);
    if (idPrev.col != m_idCurrentCell.col)
      for (int row = 0; row < m_nFixedRows; ++row)
        RedrawCell(row, idPrev.col);
    if (idPrev.row != m_idCurrentCell.row)
      for (int col = 0; col < m_nFixedCols; ++col)
        RedrawCell(idPrev.row, col);
  }
  if (IsValid(m_idCurrentCell)) {
    SetItemState(m_idCurrentCell.row, m_idCurrentCell.col,
                 GetItemState(m_idCurrentCell.row, m_idCurrentCell.col) | GVIS_FOCUSED);
    RedrawCell(m_idCurrentCell.row, m_idCurrentCell.col);
    if (idPrev.col != m_idCurrentCell.col)
      for (int row = 0; row < m_nFixedRows; ++row)
        RedrawCell(row, m_idCurrentCell.col);
    if (idPrev.row != m_idCurrentCell.row)
      for (int col = 0; col < m_nFixedCols; ++col)
        RedrawCell(m_idCurrentCell.row, col);
    SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
  }
  return idPrev;
}

void CGridCtrl::SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol, BOOL bForceRepaint)
{
  if (!m_bEnableSelection)
    return;
  const CCellRange range(nMinRow, nMinCol, nMaxRow, nMaxCol);
  const auto repaint = [&](int row, int col) {
    if (bForceRepaint)
      RedrawCell(row, col);
    else
      InvalidateCellRect(CCellID(row, col));
  };
  // The cells selected now lose their mark.
  const auto selected = m_SelectedCellMap;
  for (const auto& [key, cell] : selected) {
    if (!IsValid(cell))
      continue;
    SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) & ~GVIS_SELECTED);
    if (!range.InRange(cell))
      repaint(cell.row, cell.col);
  }
  // The cells kept from before a Ctrl+click are marked again.
  if (!m_bSingleRowSelection)
    for (const auto& [key, cell] : m_PrevSelectedCellMap) {
      if (!IsValid(cell))
        continue;
      SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GVIS_SELECTED);
      repaint(cell.row, cell.col);
    }
  // The cells of the new range.
  if (nMinRow >= 0 && nMinCol >= 0 && nMaxRow >= 0 && nMaxCol >= 0 && nMaxRow < m_nRows && nMaxCol < m_nCols
      && nMinRow <= nMaxRow && nMinCol <= nMaxCol)
    for (int row = nMinRow; row <= nMaxRow; ++row)
      for (int col = nMinCol; col <= nMaxCol; ++col) {
        const UINT state = GetItemState(row, col);
        if (state & GVIS_SELECTED)
          continue;
        SetItemState(row, col, state | GVIS_SELECTED);
        repaint(row, col);
      }
}

void CGridCtrl::SelectAllCells() { SetSelectedRange(m_nFixedRows, m_nFixedCols, m_nRows - 1, m_nCols - 1); }

void CGridCtrl::SelectColumns(CCellID currentCell)
{
  if (!IsValid(currentCell) || currentCell.col < m_nFixedCols)
    return;
  SetSelectedRange(m_nFixedRows, std::min(m_SelectionStartCell.col, currentCell.col), m_nRows - 1,
                   std::max(m_SelectionStartCell.col, currentCell.col));
}

void CGridCtrl::SelectRows(CCellID currentCell)
{
  if (!IsValid(currentCell) || currentCell.row < m_nFixedRows)
    return;
  if (m_bListMode && m_bSingleRowSelection)
    SetSelectedRange(currentCell.row, m_nFixedCols, currentCell.row, m_nCols - 1);
  else
    SetSelectedRange(std::min(m_SelectionStartCell.row, currentCell.row), m_nFixedCols,
                     std::max(m_SelectionStartCell.row, currentCell.row), m_nCols - 1);
}

void CGridCtrl::SelectCells(CCellID currentCell)
{
  if (!IsValid(currentCell) || currentCell.row < m_nFixedRows || currentCell.col < m_nFixedCols)
    return;
  SetSelectedRange(std::min(m_SelectionStartCell.row, currentCell.row),
                   std::min(m_SelectionStartCell.col, currentCell.col),
                   std::max(m_SelectionStartCell.row, currentCell.row),
                   std::max(m_SelectionStartCell.col, currentCell.col));
}

void CGridCtrl::OnSelecting(const CCellID& currentCell)
{
  if (!m_bEnableSelection)
    return;
  switch (m_MouseMode) {
  case MOUSE_SELECT_ALL: SelectAllCells(); break;
  case MOUSE_SELECT_COL: SelectColumns(currentCell); break;
  case MOUSE_SELECT_ROW: SelectRows(currentCell); break;
  case MOUSE_SELECT_CELLS: SelectCells(currentCell); break;
  default: break;
  }
}

void CGridCtrl::ResetSelectedRange()
{
  SetSelectedRange(-1, -1, -1, -1);
  SetFocusCell(-1, -1);
}

CCellRange CGridCtrl::GetSelectedCellRange() const
{
  CCellRange selection(m_nRows, m_nCols, -1, -1);
  for (const auto& [key, cell] : m_SelectedCellMap) {
    selection.SetMinRow(std::min(selection.GetMinRow(), cell.row));
    selection.SetMinCol(std::min(selection.GetMinCol(), cell.col));
    selection.SetMaxRow(std::max(selection.GetMaxRow(), cell.row));
    selection.SetMaxCol(std::max(selection.GetMaxCol(), cell.col));
  }
  return selection;
}

CCellID CGridCtrl::GetCellFromPt(CPoint point, BOOL bAllowFixedCellCheck) const
{
  const CCellID idTopLeft = GetTopleftNonFixedCell();
  const bool allowFixed = bAllowFixedCellCheck != FALSE;
  return CCellID(GridAxis::RowsOf(*this).IndexAt(point.y, idTopLeft.row, allowFixed),
                 GridAxis::ColumnsOf(*this).IndexAt(point.x, idTopLeft.col, allowFixed));
}

void CGridCtrl::EnsureVisible(int nRow, int nCol)
{
  const CCellRange visible = GetVisibleNonFixedCellRange();
  for (int right = nCol - visible.GetMaxCol(); right > 0; --right)
    SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
  for (int left = visible.GetMinCol() - nCol; left > 0; --left)
    SendMessage(WM_HSCROLL, SB_LINELEFT, 0);
  for (int down = nRow - visible.GetMaxRow(); down > 0; --down)
    SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
  for (int up = visible.GetMinRow() - nRow; up > 0; --up)
    SendMessage(WM_VSCROLL, SB_LINEUP, 0);
  // A cell still cut off at the right or the bottom moves one step more.
  CRect cellRect;
  CRect client;
  GetClientRect(&client);
  if (GetCellRect(nRow, nCol, &cellRect)) {
    if (cellRect.right > client.right)
      SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
    if (cellRect.bottom > client.bottom)
      SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
  }
}

namespace {

// Texts compare byte by byte in the ANSI code page, as the editor's 8-bit texts do.
std::string SortKey(const CString& text)
{
  const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(std::max(size, 1)), '\0');
  if (size > 0)
    WideCharToMultiByte(CP_ACP, 0, text, -1, bytes.data(), size, nullptr, nullptr);
  bytes.resize(bytes.size() - 1);
  return bytes;
}

} // namespace

BOOL CGridCtrl::SortTextItems(int nCol, BOOL bAscending)
{
  ResetSelectedRange();
  SetFocusCell(-1, -1);
  return SortTextItems(nCol, bAscending, m_nFixedRows, -1);
}

BOOL CGridCtrl::SortTextItems(int nCol, BOOL bAscending, int low, int high)
{
  if (nCol >= m_nCols)
    return FALSE;
  if (high == -1)
    high = m_nRows - 1;
  int lo = low;
  int hi = high;
  if (hi <= lo)
    return FALSE;
  const std::string midItem = SortKey(GetItemText((lo + hi) / 2, nCol));
  const auto before = [&](int row) {
    const std::string key = SortKey(GetItemText(row, nCol));
    return bAscending ? key < midItem : key > midItem;
  };
  const auto after = [&](int row) {
    const std::string key = SortKey(GetItemText(row, nCol));
    return bAscending ? key > midItem : key < midItem;
  };
  while (lo <= hi) {
    while (lo < high && before(lo))
      ++lo;
    while (hi > low && after(hi))
      --hi;
    if (lo <= hi) {
      // Rows change places, cells and heights, only when their texts differ.
      if (GetItemText(lo, nCol) != GetItemText(hi, nCol)) {
        std::swap(m_RowData[static_cast<size_t>(lo)], m_RowData[static_cast<size_t>(hi)]);
        std::swap(m_arRowHeights[static_cast<size_t>(lo)], m_arRowHeights[static_cast<size_t>(hi)]);
      }
      ++lo;
      --hi;
    }
  }
  if (low < hi)
    SortTextItems(nCol, bAscending, low, hi);
  if (lo < high)
    SortTextItems(nCol, bAscending, lo, high);
  return TRUE;
}
