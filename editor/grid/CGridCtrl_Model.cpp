// The grid's table: construction and window, counts, cells, sizes, the modified mark, merged
// header blocks, drop-down list cells and the notifications to the owner.
#include "CGridCtrl.h"

#include "AfxMessageBox.h"
#include "CGridCtrlDropTarget.h"
#include "CGridKeyFilter.h"
#include "Registry.h"
#include "SystemSettings.h"
#include "WinError.h"

#include <cstdlib>
#include <new>

namespace {

// Rows per wheel notch from the user's desktop settings; 3 when they cannot be read.
int WheelScrollLines()
{
  HKEY key = nullptr;
  if (RegOpenKeyEx(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return 3;
  wchar_t text[64] = {};
  DWORD size = sizeof(text) - sizeof(wchar_t);
  DWORD type = 0;
  const LONG status = RegQueryValueEx(key, L"WheelScrollLines", nullptr, &type, reinterpret_cast<LPBYTE>(text), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS)
    return 3;
  return static_cast<int>(std::wcstol(text, nullptr, 10));
}

// Drop-down choices exist for rows below 4,096 and columns below 256.
constexpr int kOptionRows = 4096;
constexpr int kOptionCols = 256;

} // namespace

CGridCtrl::CGridCtrl(int nRows, int nCols, int nFixedRows, int nFixedCols)
    : m_crTextColour(GetSysColor(COLOR_WINDOWTEXT)),
      m_crTextBkColour(GetSysColor(COLOR_WINDOW)),
      m_crBkColour(GetSysColor(COLOR_BTNSHADOW)),
      m_crFixedTextColour(GetSysColor(COLOR_WINDOWTEXT)),
      m_crFixedBkColour(GetSysColor(COLOR_BTNFACE)),
      m_crGridColour(RGB(192, 192, 192)),
      m_crWindowText(GetSysColor(COLOR_WINDOWTEXT)),
      m_crWindowColour(GetSysColor(COLOR_WINDOW)),
      m_cr3DFace(GetSysColor(COLOR_BTNFACE)),
      m_crShadow(GetSysColor(COLOR_BTNSHADOW)),
      m_Logfont(GetMessageFont()),
      m_nRowsPerWheelNotch(WheelScrollLines()),
      m_pDropTarget(std::make_unique<CGridCtrlDropTarget>())
{
  SetRowCount(nRows);
  SetColumnCount(nCols);
  SetFixedRowCount(nFixedRows);
  SetFixedColumnCount(nFixedCols);
}

CGridCtrl::~CGridCtrl()
{
  // An editor still open goes with the grid; it can no longer report to it.
  delete GetDlgItem(IDC_INPLACE_CONTROL);
  m_pDropTarget->Revoke();
  m_SelectedCellMap.clear();
  m_PrevSelectedCellMap.clear();
  m_RowData.clear();
  DestroyWindow();
}

BOOL CGridCtrl::Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwStyle)
{
  if (!CWnd::Create(L"CorbelGridCtrl", nullptr, dwStyle, rect, pParentWnd, nID))
    return FALSE;
  GetWidget()->setMouseTracking(true);
  m_pKeyFilter = std::make_unique<CGridKeyFilter>(this, CGridKeyFilter::Chars::Backspace);
  GetWidget()->installEventFilter(m_pKeyFilter.get());
  m_HScroll.Create(WS_CHILD | SBS_HORZ, CRect(0, 0, 0, 0), this, 0);
  m_VScroll.Create(WS_CHILD | SBS_VERT, CRect(0, 0, 0, 0), this, 0);
  ApplyFont(m_Logfont);

  m_pDropTarget->Register(this);
  if (m_bTitleTips)
    m_TitleTip.Create(this);
  try {
    m_arRowHeights.assign(static_cast<size_t>(m_nRows), static_cast<UINT>(m_nDefCellHeight));
    m_arColWidths.assign(static_cast<size_t>(m_nCols), static_cast<UINT>(m_nDefCellWidth));
  } catch (const std::bad_alloc&) {
    return FALSE;
  }
  ResetScrollBars();
  m_bPerCellOptions = false;
  m_bPerColumnOptions = false;
  return TRUE;
}

BOOL CGridCtrl::IsValid(int nRow, int nCol) const { return nRow >= 0 && nRow < m_nRows && nCol >= 0 && nCol < m_nCols; }

BOOL CGridCtrl::IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }

CGridCell* CGridCtrl::GetCell(int nRow, int nCol) const
{
  return IsValid(nRow, nCol) ? m_RowData[static_cast<size_t>(nRow)][static_cast<size_t>(nCol)].get() : nullptr;
}

// A new cell takes the format of the cell above it, wherever that one already exists.
CGridCell* CGridCtrl::CreateCell(int nRow, int nCol)
{
  auto* cell = new CGridCell;
  cell->lfFont = m_Logfont;
  if (nRow > 0 && static_cast<size_t>(nRow - 1) < m_RowData.size()) {
    const auto& above = m_RowData[static_cast<size_t>(nRow - 1)];
    if (static_cast<size_t>(nCol) < above.size() && above[static_cast<size_t>(nCol)])
      cell->nFormat = above[static_cast<size_t>(nCol)]->nFormat;
  }
  return cell;
}

void CGridCtrl::DestroyCell(CGridCell* pCell, int nRow, int nCol)
{
  if (!pCell)
    return;
  SetItemState(nRow, nCol, 0);
  pCell->szText.Empty();
}

BOOL CGridCtrl::ResizeRows(int nRows)
{
  try {
    while (m_nRows > nRows) {
      const int row = m_nRows - 1;
      for (int col = 0; col < m_nCols; ++col)
        DestroyCell(GetCell(row, col), row, col);
      m_RowData.pop_back();
      m_arRowHeights.pop_back();
      --m_nRows;
    }
    while (m_nRows < nRows) {
      const int row = m_nRows;
      m_arRowHeights.push_back(static_cast<UINT>(m_nDefCellHeight));
      m_RowData.emplace_back();
      m_RowData.back().reserve(static_cast<size_t>(m_nCols));
      for (int col = 0; col < m_nCols; ++col)
        m_RowData.back().emplace_back(CreateCell(row, col));
      ++m_nRows;
    }
  } catch (const std::bad_alloc&) {
    return FALSE;
  }
  return TRUE;
}

BOOL CGridCtrl::ResizeColumns(int nCols)
{
  try {
    while (m_nCols > nCols) {
      const int col = m_nCols - 1;
      for (int row = 0; row < m_nRows; ++row) {
        DestroyCell(GetCell(row, col), row, col);
        m_RowData[static_cast<size_t>(row)].pop_back();
      }
      m_arColWidths.pop_back();
      --m_nCols;
    }
    while (m_nCols < nCols) {
      const int col = m_nCols;
      m_arColWidths.push_back(static_cast<UINT>(m_nDefCellWidth));
      for (int row = 0; row < m_nRows; ++row)
        m_RowData[static_cast<size_t>(row)].emplace_back(CreateCell(row, col));
      ++m_nCols;
    }
  } catch (const std::bad_alloc&) {
    return FALSE;
  }
  return TRUE;
}

BOOL CGridCtrl::SetRowCount(int nRows)
{
  if (nRows == m_nRows)
    return TRUE;
  if (nRows < 0)
    return FALSE;
  if (nRows < m_nFixedRows)
    m_nFixedRows = nRows;
  if (m_idCurrentCell.row >= nRows)
    SetFocusCell(-1, -1);
  if (!ResizeRows(nRows))
    return FALSE;
  if (GetSafeHwnd() && m_bAllowDraw) {
    ResetScrollBars();
    Invalidate();
  }
  return TRUE;
}

BOOL CGridCtrl::SetColumnCount(int nCols)
{
  if (nCols == m_nCols)
    return TRUE;
  if (nCols < 0)
    return FALSE;
  if (nCols < m_nFixedCols)
    m_nFixedCols = nCols;
  if (m_idCurrentCell.col >= nCols)
    SetFocusCell(-1, -1);
  if (!ResizeColumns(nCols))
    return FALSE;
  if (GetSafeHwnd() && m_bAllowDraw) {
    ResetScrollBars();
    Invalidate();
  }
  return TRUE;
}

BOOL CGridCtrl::SetFixedRowCount(int nFixedRows)
{
  if (nFixedRows < 0 || (m_nRows < nFixedRows && !SetRowCount(nFixedRows)))
    return FALSE;
  if (m_idCurrentCell.row < nFixedRows)
    SetFocusCell(-1, -1);
  m_nFixedRows = nFixedRows;
  if (GetSafeHwnd() && m_bAllowDraw)
    Invalidate();
  return TRUE;
}

BOOL CGridCtrl::SetFixedColumnCount(int nFixedCols)
{
  if (nFixedCols < 0 || (m_nCols < nFixedCols && !SetColumnCount(nFixedCols)))
    return FALSE;
  if (m_idCurrentCell.col < nFixedCols)
    SetFocusCell(-1, -1);
  m_nFixedCols = nFixedCols;
  if (GetSafeHwnd() && m_bAllowDraw)
    Invalidate();
  return TRUE;
}

BOOL CGridCtrl::DeleteAllItems()
{
  ResetSelectedRange();
  m_arColWidths.clear();
  m_arRowHeights.clear();
  for (int row = 0; row < m_nRows; ++row)
    for (int col = 0; col < m_nCols; ++col)
      DestroyCell(GetCell(row, col), row, col);
  m_RowData.clear();
  m_nRows = m_nFixedRows = m_nCols = m_nFixedCols = 0;
  ResetScrollBars();
  return TRUE;
}

BOOL CGridCtrl::SetItem(const CGridItem* pItem)
{
  CGridCell* cell = pItem ? GetCell(pItem->row, pItem->col) : nullptr;
  if (!cell)
    return FALSE;
  if (pItem->mask & GVIF_TEXT)
    cell->szText = pItem->szText;
  if (pItem->mask & GVIF_PARAM)
    cell->lParam = pItem->lParam;
  if (pItem->mask & GVIF_IMAGE)
    cell->iImage = pItem->iImage;
  if (pItem->mask & GVIF_STATE)
    cell->state = pItem->state;
  if (pItem->mask & GVIF_FORMAT)
    cell->nFormat = pItem->nFormat;
  if (pItem->mask & GVIF_BKCLR)
    cell->crBkClr = pItem->crBkClr;
  if (pItem->mask & GVIF_FGCLR)
    cell->crFgClr = pItem->crFgClr;
  if (pItem->mask & GVIF_FONT)
    cell->lfFont = pItem->lfFont;
  return TRUE;
}

BOOL CGridCtrl::GetItem(CGridItem* pItem)
{
  const CGridCell* cell = pItem ? GetCell(pItem->row, pItem->col) : nullptr;
  if (!cell)
    return FALSE;
  if (pItem->mask & GVIF_TEXT)
    pItem->szText = GetItemText(pItem->row, pItem->col);
  if (pItem->mask & GVIF_PARAM)
    pItem->lParam = cell->lParam;
  if (pItem->mask & GVIF_IMAGE)
    pItem->iImage = cell->iImage;
  if (pItem->mask & GVIF_STATE)
    pItem->state = cell->state;
  if (pItem->mask & GVIF_FORMAT)
    pItem->nFormat = cell->nFormat;
  if (pItem->mask & GVIF_BKCLR)
    pItem->crBkClr = cell->crBkClr;
  if (pItem->mask & GVIF_FGCLR)
    pItem->crFgClr = cell->crFgClr;
  if (pItem->mask & GVIF_FONT)
    pItem->lfFont = cell->lfFont;
  return TRUE;
}

BOOL CGridCtrl::SetItemText(int nRow, int nCol, LPCTSTR str)
{
  CGridCell* cell = GetCell(nRow, nCol);
  if (!cell)
    return FALSE;
  cell->szText = str ? str : L"";
  return TRUE;
}

CString CGridCtrl::GetItemText(int nRow, int nCol) const
{
  const CGridCell* cell = GetCell(nRow, nCol);
  return cell ? cell->szText : CString();
}

BOOL CGridCtrl::SetItemState(int nRow, int nCol, UINT state)
{
  CGridCell* cell = GetCell(nRow, nCol);
  if (!cell)
    return FALSE;
  const DWORD key = CellKey(nRow, nCol);
  if ((state & GVIS_SELECTED) && !(cell->state & GVIS_SELECTED))
    m_SelectedCellMap[key] = CCellID(nRow, nCol);
  if (!(state & GVIS_SELECTED) && (cell->state & GVIS_SELECTED))
    m_SelectedCellMap.erase(key);
  cell->state = state;
  return TRUE;
}

UINT CGridCtrl::GetItemState(int nRow, int nCol) const
{
  const CGridCell* cell = GetCell(nRow, nCol);
  return cell ? cell->state : 0;
}

UINT CGridCtrl::GetItemFormat(int nRow, int nCol) const
{
  const CGridCell* cell = GetCell(nRow, nCol);
  return cell ? cell->nFormat : 0;
}

int CGridCtrl::GetItemImage(int nRow, int nCol) const
{
  const CGridCell* cell = GetCell(nRow, nCol);
  return cell ? cell->iImage : -1;
}

BOOL CGridCtrl::SetItemFont(int nRow, int nCol, const LOGFONT* lf)
{
  CGridCell* cell = GetCell(nRow, nCol);
  if (!cell || !lf)
    return FALSE;
  cell->lfFont = *lf;
  return TRUE;
}

const LOGFONT* CGridCtrl::GetItemFont(int nRow, int nCol) const
{
  const CGridCell* cell = GetCell(nRow, nCol);
  return cell ? &cell->lfFont : &m_Logfont;
}

void CGridCtrl::SetCellReadOnly(int nRow, int nCol)
{
  if (CGridCell* cell = GetCell(nRow, nCol))
    cell->state |= GVIS_READONLY;
}

void CGridCtrl::SetCellNumeric(int nRow, int nCol, BOOL (*check)(const CString& text))
{
  if (CGridCell* cell = GetCell(nRow, nCol))
    cell->numberCheck = check;
}

BOOL CGridCtrl::AcceptsCellText(int nRow, int nCol, const CString& text) const
{
  const CGridCell* cell = GetCell(nRow, nCol);
  return !cell || !cell->numberCheck || cell->numberCheck(text);
}

BOOL CGridCtrl::SetRowHeight(int row, int height)
{
  if (row < 0 || row >= m_nRows || height < 0)
    return FALSE;
  m_arRowHeights[static_cast<size_t>(row)] = static_cast<UINT>(height);
  return TRUE;
}

BOOL CGridCtrl::SetColumnWidth(int col, int width)
{
  if (col < 0 || col >= m_nCols || width < 0)
    return FALSE;
  m_arColWidths[static_cast<size_t>(col)] = static_cast<UINT>(width);
  return TRUE;
}

int CGridCtrl::GetRowHeight(int row) const
{
  return row >= 0 && row < m_nRows ? static_cast<int>(m_arRowHeights[static_cast<size_t>(row)]) : -1;
}

int CGridCtrl::GetColumnWidth(int col) const
{
  return col >= 0 && col < m_nCols ? static_cast<int>(m_arColWidths[static_cast<size_t>(col)]) : -1;
}

int CGridCtrl::GetFixedRowHeight() const
{
  int height = 0;
  for (int row = 0; row < m_nFixedRows; ++row)
    height += GetRowHeight(row);
  return height;
}

int CGridCtrl::GetFixedColumnWidth() const
{
  int width = 0;
  for (int col = 0; col < m_nFixedCols; ++col)
    width += GetColumnWidth(col);
  return width;
}

int CGridCtrl::GetVirtualHeight() const
{
  int height = 0;
  for (int row = 0; row < m_nRows; ++row)
    height += GetRowHeight(row);
  return height;
}

int CGridCtrl::GetVirtualWidth() const
{
  int width = 0;
  for (int col = 0; col < m_nCols; ++col)
    width += GetColumnWidth(col);
  return width;
}

void CGridCtrl::SetModified(BOOL bModified, int nRow, int nCol)
{
  if (nRow > 0 && nCol > 0) {
    if (CGridCell* cell = GetCell(nRow, nCol)) {
      if (bModified) {
        cell->state |= GVIS_MODIFIED;
        m_bModified = TRUE;
      } else {
        cell->state &= ~GVIS_MODIFIED;
      }
    }
  } else {
    m_bModified = bModified;
  }
  if (!m_bModified)
    for (auto& row : m_RowData)
      for (auto& cell : row)
        cell->state &= ~GVIS_MODIFIED;
}

BOOL CGridCtrl::IsCellEditable(int nRow, int nCol) const
{
  const CGridCell* cell = GetCell(nRow, nCol);
  return cell && m_bEditable && cell->locked == 0 && !(cell->state & GVIS_READONLY);
}

int CGridCtrl::MergeCells(int nRow, int nCol, int nExtraRows, int nExtraCols)
{
  const int extraRows = std::abs(nExtraRows);
  const int extraCols = std::abs(nExtraCols);
  const int lastRow = nRow + extraRows;
  const int lastCol = nCol + extraCols;
  // Only header blocks inside the table.
  if (!IsValid(nRow, nCol) || !IsValid(lastRow, lastCol))
    return 0;
  if (lastRow >= m_nFixedRows && lastCol >= m_nFixedCols)
    return 0;
  for (int row = nRow; row <= lastRow; ++row)
    for (int col = nCol; col <= lastCol; ++col) {
      const CGridCell* cell = GetCell(row, col);
      if (cell->merged || cell->rowSpan || cell->colSpan)
        return 1;
    }
  CGridCell* owner = GetCell(nRow, nCol);
  if (extraRows > 0)
    owner->rowSpan = extraRows;
  if (extraCols > 0)
    owner->colSpan = extraCols;
  for (int row = nRow; row <= lastRow; ++row)
    for (int col = nCol; col <= lastCol; ++col) {
      if (row == nRow && col == nCol)
        continue;
      CGridCell* cell = GetCell(row, col);
      cell->merged = 1;
      cell->ownerRow = nRow;
      cell->ownerCol = nCol;
    }
  return 1;
}

CCellID CGridCtrl::GetMergeOwner(int nRow, int nCol) const
{
  const CGridCell* cell = GetCell(nRow, nCol);
  if (cell && cell->merged)
    return CCellID(cell->ownerRow, cell->ownerCol);
  return CCellID(nRow, nCol);
}

void CGridCtrl::AddListCell(int nRow, int nCol) { m_ListCells.emplace_back(nRow, nCol); }

BOOL CGridCtrl::IsListCell(int nRow, int nCol) const
{
  for (const auto& [row, col] : m_ListCells)
    if (row == nRow && col == nCol)
      return TRUE;
  return FALSE;
}

void CGridCtrl::SetCellListItems(int nRow, int nCol, const CStringArray& choices)
{
  if (m_bPerColumnOptions) {
    AfxMessageBox(L"不能同时设置两种格式!", MB_OK);
    return;
  }
  m_bPerCellOptions = true;
  if (nRow < 0 || nRow >= kOptionRows || nCol < 0 || nCol >= kOptionCols)
    return;
  CStringArray& entry = m_OptionTable[nRow * kOptionCols + nCol];
  entry.RemoveAll();
  for (int i = 0; i < choices.GetSize(); ++i)
    entry.Add(choices[i]);
}

const CStringArray* CGridCtrl::GetCellListItems(int nRow, int nCol) const
{
  if (nRow < 0 || nRow >= kOptionRows || nCol < 0 || nCol >= kOptionCols)
    return nullptr;
  const int entry = m_bPerCellOptions ? nRow * kOptionCols + nCol : nCol;
  const auto found = m_OptionTable.find(entry);
  return found != m_OptionTable.end() ? &found->second : nullptr;
}

LRESULT CGridCtrl::SendMessageToParent(int nRow, int nCol, UINT nMessage)
{
  CWnd* owner = GetParent();
  if (!GetSafeHwnd() || !owner)
    return 0;
  NM_GRIDVIEW nmgv{NMHDR{m_hWnd, GetDlgCtrlID(), nMessage}, nRow, nCol};
  return owner->SendMessage(WM_NOTIFY, GetDlgCtrlID(), reinterpret_cast<LPARAM>(&nmgv));
}
