// Where the grid's cells lie in the window, its scroll bars and scrolling, its font and the
// answers to size and system-colour changes.
#include "CGridCtrl.h"

#include "CDC.h"
#include "CImageList.h"
#include "GridAxis.h"
#include "SystemSettings.h"

#include <QWidget>

#include <algorithm>

CCellID CGridCtrl::GetTopleftNonFixedCell() const
{
  return CCellID(GridAxis::RowsOf(*this).FirstShown(GetScrollPos32(SB_VERT)), GridAxis::ColumnsOf(*this).FirstShown(GetScrollPos32(SB_HORZ)));
}

CCellRange CGridCtrl::GetVisibleNonFixedCellRange(LPRECT pRect) const
{
  CRect rect;
  GetClientRect(&rect);
  const CCellID idTopLeft = GetTopleftNonFixedCell();
  int bottom = 0;
  int right = 0;
  const int maxRow = GridAxis::RowsOf(*this).LastShown(idTopLeft.row, rect.bottom, true, &bottom);
  const int maxCol = GridAxis::ColumnsOf(*this).LastShown(idTopLeft.col, rect.right, true, &right);
  if (pRect)
    *pRect = RECT{0, 0, right, bottom};
  return CCellRange(idTopLeft.row, idTopLeft.col, maxRow, maxCol);
}

CCellRange CGridCtrl::GetUnobstructedNonFixedCellRange() const
{
  CRect rect;
  GetClientRect(&rect);
  const CCellID idTopLeft = GetTopleftNonFixedCell();
  return CCellRange(idTopLeft.row, idTopLeft.col, GridAxis::RowsOf(*this).LastShown(idTopLeft.row, rect.bottom, false),
                    GridAxis::ColumnsOf(*this).LastShown(idTopLeft.col, rect.right, false));
}

BOOL CGridCtrl::GetCellOrigin(int nRow, int nCol, POINT* p) const
{
  if (!IsValid(nRow, nCol) || !p)
    return FALSE;
  CCellID idTopLeft;
  if (nCol >= m_nFixedCols || nRow >= m_nFixedRows)
    idTopLeft = GetTopleftNonFixedCell();
  if ((nRow >= m_nFixedRows && nRow < idTopLeft.row) || (nCol >= m_nFixedCols && nCol < idTopLeft.col))
    return FALSE;
  p->x = GridAxis::ColumnsOf(*this).Origin(nCol, idTopLeft.col);
  p->y = GridAxis::RowsOf(*this).Origin(nRow, idTopLeft.row);
  return TRUE;
}

BOOL CGridCtrl::GetCellRect(int nRow, int nCol, LPRECT pRect) const
{
  POINT origin;
  if (!pRect || !GetCellOrigin(nRow, nCol, &origin))
    return FALSE;
  *pRect = RECT{origin.x, origin.y, origin.x + GetColumnWidth(nCol) - 1, origin.y + GetRowHeight(nRow) - 1};
  return TRUE;
}

BOOL CGridCtrl::GetTextRect(int nRow, int nCol, LPRECT pRect) const
{
  if (!GetCellRect(nRow, nCol, pRect))
    return FALSE;
  IMAGEINFO info;
  const int image = GetItemImage(nRow, nCol);
  if (m_pImageList && image >= 0 && m_pImageList->GetImageInfo(image, &info))
    pRect->left += (info.rcImage.right - info.rcImage.left) + m_nMargin;
  return TRUE;
}

CSize CGridCtrl::GetCellExtent(int nRow, int nCol, CDC* pDC) const
{
  const CGridCell* cell = GetCell(nRow, nCol);
  if (!cell || !pDC)
    return CSize(0, 0);
  CFont font;
  const bool fixed = nRow < m_nFixedRows || nCol < m_nFixedCols;
  SelectCellFont(pDC, font, cell->lfFont, fixed ? 500 : 0);
  const CSize text = pDC->GetTextExtent(cell->szText);
  pDC->SelectObject(static_cast<CFont*>(nullptr));
  CSize image(0, 0);
  IMAGEINFO info;
  if (m_pImageList && cell->iImage >= 0 && m_pImageList->GetImageInfo(cell->iImage, &info))
    image = CSize(info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top);
  return CSize(text.cx + 4 * m_nMargin + image.cx, std::max(static_cast<int>(text.cy) + 2 * m_nMargin, static_cast<int>(image.cy)));
}

BOOL CGridCtrl::IsCellVisible(int nRow, int nCol) const
{
  if (!GetSafeHwnd() || !IsValid(nRow, nCol))
    return FALSE;
  CCellID topLeft;
  if (nCol >= m_nFixedCols || nRow >= m_nFixedRows) {
    topLeft = GetTopleftNonFixedCell();
    if ((nCol >= m_nFixedCols && nCol < topLeft.col) || (nRow >= m_nFixedRows && nRow < topLeft.row))
      return FALSE;
  }
  CRect rect;
  GetClientRect(&rect);
  return GridAxis::ColumnsOf(*this).Origin(nCol, topLeft.col) < rect.right
         && GridAxis::RowsOf(*this).Origin(nRow, topLeft.row) < rect.bottom;
}

BOOL CGridCtrl::InvalidateCellRect(const CCellID& cell)
{
  if (!GetSafeHwnd() || !m_bAllowDraw || !IsValid(cell) || !IsCellVisible(cell.row, cell.col))
    return FALSE;
  CRect rect;
  if (!GetCellRect(cell.row, cell.col, &rect))
    return FALSE;
  rect.right++;
  rect.bottom++;
  InvalidateRect(&rect, TRUE);
  return TRUE;
}

void CGridCtrl::GetClientRect(LPRECT lpRect) const
{
  CWnd::GetClientRect(lpRect);
  if (m_bVScrollShown)
    lpRect->right = std::max<LONG>(lpRect->left, lpRect->right - GetSystemMetrics(SM_CXVSCROLL));
  if (m_bHScrollShown)
    lpRect->bottom = std::max<LONG>(lpRect->top, lpRect->bottom - GetSystemMetrics(SM_CYHSCROLL));
}

int CGridCtrl::GetScrollPos32(int nBar) const
{
  const CScrollBar& bar = nBar == SB_HORZ ? m_HScroll : m_VScroll;
  return bar.GetSafeHwnd() ? bar.GetScrollPos() : 0;
}

BOOL CGridCtrl::SetScrollPos32(int nBar, int nPos, BOOL bRedraw)
{
  CScrollBar& bar = nBar == SB_HORZ ? m_HScroll : m_VScroll;
  if (!bar.GetSafeHwnd())
    return FALSE;
  bar.SetScrollPos(nPos, bRedraw);
  return TRUE;
}

CScrollBar* CGridCtrl::GetScrollBarCtrl(int nBar) { return nBar == SB_HORZ ? &m_HScroll : &m_VScroll; }

// Shows a bar while its range is not empty, along the window's right and bottom edges.
void CGridCtrl::LayoutScrollBars()
{
  const bool showV = m_nVScrollMax > 0;
  const bool showH = m_nHScrollMax > 0;
  const bool changed = showV != m_bVScrollShown || showH != m_bHScrollShown;
  m_bVScrollShown = showV;
  m_bHScrollShown = showH;
  CRect whole;
  CWnd::GetClientRect(&whole);
  const int cx = GetSystemMetrics(SM_CXVSCROLL);
  const int cy = GetSystemMetrics(SM_CYHSCROLL);
  m_VScroll.MoveWindow(whole.right - cx, 0, cx, whole.bottom - (showH ? cy : 0));
  m_HScroll.MoveWindow(0, whole.bottom - cy, whole.right - (showV ? cx : 0), cy);
  m_VScroll.ShowWindow(showV ? SW_SHOW : SW_HIDE);
  m_HScroll.ShowWindow(showH ? SW_SHOW : SW_HIDE);
  // A bar that comes or goes changes the client area, as a size change would.
  if (changed)
    ResetScrollBars();
}

void CGridCtrl::ResetScrollBars()
{
  if (!m_bAllowDraw || !GetSafeHwnd() || !m_HScroll.GetSafeHwnd() || !m_VScroll.GetSafeHwnd())
    return;
  CRect rect;
  GetClientRect(&rect);
  rect.left += GetFixedColumnWidth();
  rect.top += GetFixedRowHeight();
  if (rect.left >= rect.right || rect.top >= rect.bottom)
    return;
  if (!GetUnobstructedNonFixedCellRange().IsValid())
    return;
  m_HScroll.SetPageSize(static_cast<UINT>(rect.Width()), FALSE);
  m_VScroll.SetPageSize(static_cast<UINT>(rect.Height()), FALSE);
  const int virtualHeight = GetVirtualHeight() - GetFixedRowHeight();
  const int virtualWidth = GetVirtualWidth() - GetFixedColumnWidth();
  m_nVScrollMax = virtualHeight > rect.Height() ? virtualHeight - 1 : 0;
  m_nHScrollMax = virtualWidth > rect.Width() ? virtualWidth - 1 : 0;
  m_VScroll.SetScrollRange(0, m_nVScrollMax, TRUE);
  m_HScroll.SetScrollRange(0, m_nHScrollMax, TRUE);
  LayoutScrollBars();
}

BOOL CGridCtrl::SetSizeAlong(const GridAxis& axis, int index, int size)
{
  return axis.IsRows() ? SetRowHeight(index, size) : SetColumnWidth(index, size);
}

BOOL CGridCtrl::AutoSizeColumn(int nCol)
{
  if (nCol < 0 || nCol >= m_nCols)
    return FALSE;
  CDC dc;
  int width = 0;
  for (int row = 0; row < m_nRows; ++row)
    width = std::max(width, static_cast<int>(GetCellExtent(row, nCol, &dc).cx));
  m_arColWidths[static_cast<size_t>(nCol)] = static_cast<UINT>(width);
  ResetScrollBars();
  return TRUE;
}

BOOL CGridCtrl::AutoSizeRow(int nRow)
{
  if (nRow < 0 || nRow >= m_nRows)
    return FALSE;
  CDC dc;
  int height = 0;
  for (int col = 0; col < m_nCols; ++col)
    height = std::max(height, static_cast<int>(GetCellExtent(nRow, col, &dc).cy));
  m_arRowHeights[static_cast<size_t>(nRow)] = static_cast<UINT>(height);
  ResetScrollBars();
  return TRUE;
}

// The grid's font goes through its own WM_SETFONT handling, which measures the new defaults.
void CGridCtrl::ApplyFont(const LOGFONT& lf)
{
  CFont font;
  font.CreateFontIndirect(&lf);
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(&font), TRUE);
  ResetScrollBars();
}

void CGridCtrl::OnSetFont(CFont* pFont)
{
  LOGFONT lf;
  if (!pFont || !pFont->GetLogFont(&lf))
    return;
  m_Logfont = lf;
  for (auto& row : m_RowData)
    for (auto& cell : row)
      cell->lfFont = lf;
  m_Font.CreateFontIndirect(&lf);
  CDC dc;
  dc.SelectObject(&m_Font);
  m_nMargin = dc.GetTextExtent(L" ").cx;
  TEXTMETRIC tm;
  dc.GetTextMetrics(&tm);
  m_nDefCellHeight = tm.tmHeight + tm.tmExternalLeading + 2 * m_nMargin;
  m_nDefCellWidth = 2 * (m_nMargin + 6 * tm.tmAveCharWidth);
  if (GetSafeHwnd())
    Invalidate();
}

CFont* CGridCtrl::OnGetFont() { return &m_Font; }

void CGridCtrl::OnSize(UINT, int, int)
{
  static bool alreadyInsideThisProcedure = false;
  if (alreadyInsideThisProcedure || !GetSafeHwnd())
    return;
  alreadyInsideThisProcedure = true;
  if (GetFocus() != this)
    SetFocus();
  ResetScrollBars();
  alreadyInsideThisProcedure = false;
}

void CGridCtrl::OnSysColorChange()
{
  if (m_crTextColour == m_crWindowText)
    m_crTextColour = GetSysColor(COLOR_WINDOWTEXT);
  if (m_crTextBkColour == m_crWindowColour)
    m_crTextBkColour = GetSysColor(COLOR_WINDOW);
  if (m_crBkColour == m_crShadow)
    m_crBkColour = GetSysColor(COLOR_BTNSHADOW);
  if (m_crFixedTextColour == m_crWindowText)
    m_crFixedTextColour = GetSysColor(COLOR_WINDOWTEXT);
  if (m_crFixedBkColour == m_cr3DFace)
    m_crFixedBkColour = GetSysColor(COLOR_BTNFACE);
  m_crWindowText = GetSysColor(COLOR_WINDOWTEXT);
  m_crWindowColour = GetSysColor(COLOR_WINDOW);
  m_cr3DFace = GetSysColor(COLOR_BTNFACE);
  m_crShadow = GetSysColor(COLOR_BTNSHADOW);
}

namespace {

// Moves the pixels of the rectangle by (dx, dy); the strip they leave is painted again.
void ScrollArea(CWnd* wnd, int dx, int dy, const CRect& rect)
{
  wnd->GetWidget()->scroll(dx, dy, QRect(rect.left, rect.top, rect.Width(), rect.Height()));
}

} // namespace

void CGridCtrl::OnHScroll(UINT nSBCode, UINT) { ScrollAlong(SB_HORZ, nSBCode); }

void CGridCtrl::OnVScroll(UINT nSBCode, UINT) { ScrollAlong(SB_VERT, nSBCode); }

// One scroll bar's codes: the line, page, thumb and end codes of both bars share their values.
void CGridCtrl::ScrollAlong(int nBar, UINT nSBCode)
{
  if (GetFocus() != this)
    SetFocus();
  m_TitleTip.Hide();
  const bool rows = nBar == SB_VERT;
  const GridAxis axis = rows ? GridAxis::RowsOf(*this) : GridAxis::ColumnsOf(*this);
  const int scrollMax = rows ? m_nVScrollMax : m_nHScrollMax;
  const int scrollPos = GetScrollPos32(nBar);
  const CCellID idTopLeft = GetTopleftNonFixedCell();
  const int first = axis.IndexOf(idTopLeft);
  const int fixedExtent = axis.FixedExtent();
  CRect rect;
  GetClientRect(&rect);
  // The client rectangle's start and end along the bar's direction.
  LONG& start = axis.StartOf(rect);
  LONG& end = axis.EndOf(rect);
  const auto scrollBy = [&](int delta) {
    const POINT shift = axis.PointAt(delta, 0);
    ScrollArea(this, shift.x, shift.y, rect);
  };
  switch (nSBCode) {
  case SB_LINEDOWN:
    if (scrollPos < scrollMax) {
      const int step = axis.Size(first);
      SetScrollPos32(nBar, scrollPos + step);
      if (GetScrollPos32(nBar) == scrollPos)
        break;
      start = fixedExtent + step;
      scrollBy(-step);
      start = end - step;
      InvalidateRect(&rect);
    }
    break;
  case SB_LINEUP:
    if (scrollPos > 0 && first > axis.Fixed()) {
      const int step = axis.Size(first - 1);
      SetScrollPos32(nBar, std::max(0, scrollPos - step));
      start = fixedExtent;
      scrollBy(step);
      end = start + step;
      InvalidateRect(&rect);
    }
    break;
  case SB_PAGEDOWN:
    if (scrollPos < scrollMax) {
      SetScrollPos32(nBar, std::min(scrollMax, scrollPos + static_cast<int>(end) - fixedExtent));
      start = fixedExtent;
      InvalidateRect(&rect);
    }
    break;
  case SB_PAGEUP:
    if (scrollPos > 0) {
      SetScrollPos32(nBar, std::max(0, scrollPos - (static_cast<int>(end) - fixedExtent)));
      start = fixedExtent;
      InvalidateRect(&rect);
    }
    break;
  case SB_THUMBPOSITION:
  case SB_THUMBTRACK:
    SetScrollPos32(nBar, (rows ? m_VScroll : m_HScroll).GetTrackPos());
    if (GetTopleftNonFixedCell() != idTopLeft) {
      start = fixedExtent;
      InvalidateRect(&rect);
    }
    break;
  case SB_TOP:
    if (scrollPos > 0) {
      SetScrollPos32(nBar, 0);
      Invalidate();
    }
    break;
  case SB_BOTTOM:
    if (scrollPos < scrollMax) {
      SetScrollPos32(nBar, scrollMax);
      Invalidate();
    }
    break;
  default:
    break;
  }
}
