// Where the grid's cells lie in the window, its scroll bars and scrolling, its font and the
// answers to size and system-colour changes.
#include "CGridCtrl.h"

#include "CDC.h"
#include "CImageList.h"
#include "SystemSettings.h"

#include <QWidget>

#include <algorithm>
#include <functional>

namespace {

// One direction of the table, rows or columns: the same reckoning serves both.
struct Axis {
  std::function<int(int)> size;  // the height of a row, the width of a column
  int count;
  int fixed;
  int fixedExtent;  // the summed sizes of the fixed rows or columns

  // The first non-fixed index not scrolled out by a scroll position of pos pixels.
  int FirstShown(int pos) const
  {
    int index = fixed;
    for (int end = 0; end < pos && index < count - 1;)
      end += size(index++);
    return index;
  }
  // The last index shown from first in a window of the given extent, and where it ends (cut to
  // the window). Without bPartial a last one that runs past the window is left out, unless it is
  // the only one.
  int LastShown(int first, int extent, bool bPartial, int* pEnd = nullptr) const
  {
    int end = fixedExtent;
    int index = first;
    for (; index < count; ++index) {
      end += size(index);
      if (end >= extent)
        break;
    }
    int last = std::min(index, count - 1);
    if (!bPartial && last > first && end > extent)
      --last;
    if (pEnd)
      *pEnd = std::min(end, extent);
    return last;
  }
  // Where the index starts, the non-fixed ones counted from the first shown.
  int Origin(int index, int first) const
  {
    int origin = index < fixed ? 0 : fixedExtent;
    for (int i = index < fixed ? 0 : first; i < index; ++i)
      origin += size(i);
    return origin;
  }
};

Axis RowsOf(const CGridCtrl& grid)
{
  return Axis{[&grid](int row) { return grid.GetRowHeight(row); }, grid.GetRowCount(), grid.GetFixedRowCount(),
              grid.GetFixedRowHeight()};
}

Axis ColumnsOf(const CGridCtrl& grid)
{
  return Axis{[&grid](int col) { return grid.GetColumnWidth(col); }, grid.GetColumnCount(),
              grid.GetFixedColumnCount(), grid.GetFixedColumnWidth()};
}

} // namespace

CCellID CGridCtrl::GetTopleftNonFixedCell() const
{
  return CCellID(RowsOf(*this).FirstShown(GetScrollPos32(SB_VERT)), ColumnsOf(*this).FirstShown(GetScrollPos32(SB_HORZ)));
}

CCellRange CGridCtrl::GetVisibleNonFixedCellRange(LPRECT pRect) const
{
  CRect rect;
  GetClientRect(&rect);
  const CCellID idTopLeft = GetTopleftNonFixedCell();
  int bottom = 0;
  int right = 0;
  const int maxRow = RowsOf(*this).LastShown(idTopLeft.row, rect.bottom, true, &bottom);
  const int maxCol = ColumnsOf(*this).LastShown(idTopLeft.col, rect.right, true, &right);
  if (pRect)
    *pRect = RECT{0, 0, right, bottom};
  return CCellRange(idTopLeft.row, idTopLeft.col, maxRow, maxCol);
}

CCellRange CGridCtrl::GetUnobstructedNonFixedCellRange() const
{
  CRect rect;
  GetClientRect(&rect);
  const CCellID idTopLeft = GetTopleftNonFixedCell();
  return CCellRange(idTopLeft.row, idTopLeft.col, RowsOf(*this).LastShown(idTopLeft.row, rect.bottom, false),
                    ColumnsOf(*this).LastShown(idTopLeft.col, rect.right, false));
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
  p->x = ColumnsOf(*this).Origin(nCol, idTopLeft.col);
  p->y = RowsOf(*this).Origin(nRow, idTopLeft.row);
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
  int x = nCol < m_nFixedCols ? 0 : GetFixedColumnWidth();
  for (int col = nCol < m_nFixedCols ? 0 : topLeft.col; col <= nCol; ++col) {
    if (x >= rect.right)
      return FALSE;
    x += GetColumnWidth(col);
  }
  int y = nRow < m_nFixedRows ? 0 : GetFixedRowHeight();
  for (int row = nRow < m_nFixedRows ? 0 : topLeft.row; row <= nRow; ++row) {
    if (y >= rect.bottom)
      return FALSE;
    y += GetRowHeight(row);
  }
  return TRUE;
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

void CGridCtrl::OnHScroll(UINT nSBCode, UINT)
{
  if (GetFocus() != this)
    SetFocus();
  m_TitleTip.Hide();
  const int scrollPos = GetScrollPos32(SB_HORZ);
  const CCellID idTopLeft = GetTopleftNonFixedCell();
  const int fixedWidth = GetFixedColumnWidth();
  CRect rect;
  GetClientRect(&rect);
  switch (nSBCode) {
  case SB_LINERIGHT:
    if (scrollPos < m_nHScrollMax) {
      const int xScroll = GetColumnWidth(idTopLeft.col);
      SetScrollPos32(SB_HORZ, scrollPos + xScroll);
      if (GetScrollPos32(SB_HORZ) == scrollPos)
        break;
      rect.left = fixedWidth + xScroll;
      ScrollArea(this, -xScroll, 0, rect);
      rect.left = rect.right - xScroll;
      InvalidateRect(&rect);
    }
    break;
  case SB_LINELEFT:
    if (scrollPos > 0 && idTopLeft.col > m_nFixedCols) {
      const int xScroll = GetColumnWidth(idTopLeft.col - 1);
      SetScrollPos32(SB_HORZ, std::max(0, scrollPos - xScroll));
      rect.left = fixedWidth;
      ScrollArea(this, xScroll, 0, rect);
      rect.right = rect.left + xScroll;
      InvalidateRect(&rect);
    }
    break;
  case SB_PAGERIGHT:
    if (scrollPos < m_nHScrollMax) {
      SetScrollPos32(SB_HORZ, std::min(m_nHScrollMax, scrollPos + static_cast<int>(rect.right) - fixedWidth));
      rect.left = fixedWidth;
      InvalidateRect(&rect);
    }
    break;
  case SB_PAGELEFT:
    if (scrollPos > 0) {
      SetScrollPos32(SB_HORZ, std::max(0, scrollPos - (static_cast<int>(rect.right) - fixedWidth)));
      rect.left = fixedWidth;
      InvalidateRect(&rect);
    }
    break;
  case SB_THUMBPOSITION:
  case SB_THUMBTRACK:
    SetScrollPos32(SB_HORZ, m_HScroll.GetTrackPos());
    if (GetTopleftNonFixedCell() != idTopLeft) {
      rect.left = fixedWidth;
      InvalidateRect(&rect);
    }
    break;
  case SB_LEFT:
    if (scrollPos > 0) {
      SetScrollPos32(SB_HORZ, 0);
      Invalidate();
    }
    break;
  case SB_RIGHT:
    if (scrollPos < m_nHScrollMax) {
      SetScrollPos32(SB_HORZ, m_nHScrollMax);
      Invalidate();
    }
    break;
  default:
    break;
  }
}

void CGridCtrl::OnVScroll(UINT nSBCode, UINT)
{
  if (GetFocus() != this)
    SetFocus();
  m_TitleTip.Hide();
  const int scrollPos = GetScrollPos32(SB_VERT);
  const CCellID idTopLeft = GetTopleftNonFixedCell();
  const int fixedHeight = GetFixedRowHeight();
  CRect rect;
  GetClientRect(&rect);
  switch (nSBCode) {
  case SB_LINEDOWN:
    if (scrollPos < m_nVScrollMax) {
      const int yScroll = GetRowHeight(idTopLeft.row);
      SetScrollPos32(SB_VERT, scrollPos + yScroll);
      if (GetScrollPos32(SB_VERT) == scrollPos)
        break;
      rect.top = fixedHeight + yScroll;
      ScrollArea(this, 0, -yScroll, rect);
      rect.top = rect.bottom - yScroll;
      InvalidateRect(&rect);
    }
    break;
  case SB_LINEUP:
    if (scrollPos > 0 && idTopLeft.row > m_nFixedRows) {
      const int yScroll = GetRowHeight(idTopLeft.row - 1);
      SetScrollPos32(SB_VERT, std::max(0, scrollPos - yScroll));
      rect.top = fixedHeight;
      ScrollArea(this, 0, yScroll, rect);
      rect.bottom = rect.top + yScroll;
      InvalidateRect(&rect);
    }
    break;
  case SB_PAGEDOWN:
    if (scrollPos < m_nVScrollMax) {
      SetScrollPos32(SB_VERT, std::min(m_nVScrollMax, scrollPos + static_cast<int>(rect.bottom) - fixedHeight));
      rect.top = fixedHeight;
      InvalidateRect(&rect);
    }
    break;
  case SB_PAGEUP:
    if (scrollPos > 0) {
      SetScrollPos32(SB_VERT, std::max(0, scrollPos - (static_cast<int>(rect.bottom) - fixedHeight)));
      rect.top = fixedHeight;
      InvalidateRect(&rect);
    }
    break;
  case SB_THUMBPOSITION:
  case SB_THUMBTRACK:
    SetScrollPos32(SB_VERT, m_VScroll.GetTrackPos());
    if (GetTopleftNonFixedCell() != idTopLeft) {
      rect.top = fixedHeight;
      InvalidateRect(&rect);
    }
    break;
  case SB_TOP:
    if (scrollPos > 0) {
      SetScrollPos32(SB_VERT, 0);
      Invalidate();
    }
    break;
  case SB_BOTTOM:
    if (scrollPos < m_nVScrollMax) {
      SetScrollPos32(SB_VERT, m_nVScrollMax);
      Invalidate();
    }
    break;
  default:
    break;
  }
}
