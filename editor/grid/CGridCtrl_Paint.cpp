// Painting the grid: backgrounds, fixed and normal cells with their texts and images, merged
// header blocks, grid lines and the repaint of single cells.
#include "CGridCtrl.h"

#include "CBrush.h"
#include "CDC.h"
#include "CImageList.h"
#include "CPaintDC.h"
#include "CPen.h"
#include "SystemSettings.h"

#include <QImage>

#include <algorithm>

void CGridCtrl::OnPaint()
{
  CPaintDC dc(this);
  CRect clip;
  if (!m_bDoubleBuffer) {
    OnDraw(&dc);
  } else if (dc.GetClipBox(&clip) != NULLREGION) {
    // Through an off-screen image the size of the clip box.
    QImage image(clip.Width(), clip.Height(), QImage::Format_RGB32);
    {
      CDC memDC(&image);
      memDC.SetWindowOrg(clip.left, clip.top);
      OnDraw(&memDC);
    }
    dc.GetPainter()->drawImage(clip.left, clip.top, image);
  }
  // The divider band of a row or column being sized, over everything.
  if (!m_rectSizingBand.IsRectEmpty()) {
    dc.SetROP2(R2_NOT);
    dc.FillSolidRect(m_rectSizingBand, RGB(0, 0, 0));
    dc.SetROP2(R2_COPYPEN);
  }
}

void CGridCtrl::EraseBkgnd(CDC* pDC)
{
  CRect clip;
  if (pDC->GetClipBox(&clip) == NULLREGION)
    return;
  const int fixedWidth = GetFixedColumnWidth();
  const int fixedHeight = GetFixedRowHeight();
  CRect visible;
  GetVisibleNonFixedCellRange(&visible);
  if (clip.left < fixedWidth && clip.top < visible.bottom)
    pDC->FillSolidRect(CRect(clip.left, clip.top, fixedWidth, visible.bottom), m_crFixedBkColour);
  if (clip.top < fixedHeight && fixedWidth < clip.right && clip.left < visible.right)
    pDC->FillSolidRect(CRect(fixedWidth - 1, clip.top, visible.right, fixedHeight), m_crFixedBkColour);
  CRect cells(std::max(std::max(visible.left, clip.left), static_cast<LONG>(fixedWidth)),
              std::max(std::max(visible.top, clip.top), static_cast<LONG>(fixedHeight)), std::min(visible.right, clip.right),
              std::min(visible.bottom, clip.bottom));
  if (!cells.IsRectEmpty())
    pDC->FillSolidRect(cells, m_crTextBkColour);
  if (visible.right < clip.right)
    pDC->FillSolidRect(CRect(visible.right, clip.top, clip.right, clip.bottom), m_crBkColour);
  if (visible.bottom < clip.bottom && clip.left < visible.right)
    pDC->FillSolidRect(CRect(clip.left, visible.bottom, visible.right, clip.bottom), m_crBkColour);
}

void CGridCtrl::OnDraw(CDC* pDC)
{
  CRect clip;
  if (pDC->GetClipBox(&clip) == NULLREGION)
    return;
  EraseBkgnd(pDC);
  const int fixedHeight = GetFixedRowHeight();
  const int fixedWidth = GetFixedColumnWidth();
  CRect visibleRect;
  const CCellRange visible = GetVisibleNonFixedCellRange(&visibleRect);
  const int minRow = visible.GetMinRow();
  const int minCol = visible.GetMinCol();
  const int maxRow = visible.GetMaxRow();
  const int maxCol = visible.GetMaxCol();
  CRect rect;

  // Fixed rows by fixed columns.
  rect.bottom = -1;
  for (int row = 0; row < m_nFixedRows; ++row) {
    rect.top = rect.bottom + 1;
    rect.bottom = rect.top + GetRowHeight(row) - 1;
    rect.right = -1;
    for (int col = 0; col < m_nFixedCols; ++col) {
      rect.left = rect.right + 1;
      rect.right = rect.left + GetColumnWidth(col) - 1;
      DrawFixedCell(pDC, row, col, rect);
    }
  }
  // Visible rows by fixed columns.
  rect.bottom = fixedHeight - 1;
  for (int row = minRow; row <= maxRow; ++row) {
    rect.top = rect.bottom + 1;
    rect.bottom = rect.top + GetRowHeight(row) - 1;
    if (rect.top > clip.bottom)
      break;
    if (rect.bottom < clip.top)
      continue;
    rect.right = -1;
    for (int col = 0; col < m_nFixedCols; ++col) {
      rect.left = rect.right + 1;
      rect.right = rect.left + GetColumnWidth(col) - 1;
      DrawFixedCell(pDC, row, col, rect);
    }
  }
  // Fixed rows by visible columns.
  rect.bottom = -1;
  for (int row = 0; row < m_nFixedRows; ++row) {
    rect.top = rect.bottom + 1;
    rect.bottom = rect.top + GetRowHeight(row) - 1;
    if (rect.top > clip.bottom)
      break;
    if (rect.bottom < clip.top)
      continue;
    rect.right = fixedWidth - 1;
    for (int col = minCol; col <= maxCol; ++col) {
      rect.left = rect.right + 1;
      rect.right = rect.left + GetColumnWidth(col) - 1;
      if (rect.left > clip.right)
        break;
      if (rect.right < clip.left)
        continue;
      DrawFixedCell(pDC, row, col, rect);
    }
  }
  // Visible rows by visible columns.
  rect.bottom = fixedHeight - 1;
  for (int row = minRow; row <= maxRow; ++row) {
    rect.top = rect.bottom + 1;
    rect.bottom = rect.top + GetRowHeight(row) - 1;
    if (rect.top > clip.bottom)
      break;
    if (rect.bottom < clip.top)
      continue;
    rect.right = fixedWidth - 1;
    for (int col = minCol; col <= maxCol; ++col) {
      rect.left = rect.right + 1;
      rect.right = rect.left + GetColumnWidth(col) - 1;
      if (rect.left > clip.right)
        break;
      if (rect.right < clip.left)
        continue;
      DrawCell(pDC, row, col, rect);
    }
  }

  // Grid lines of the non-fixed area invert what lies under them, so a second line along a
  // cell's suppressed edge restores it.
  CPen pen;
  if (!pen.CreatePen(PS_SOLID, 0, m_crGridColour) || minRow < 0 || minCol < 0)
    return;
  CPen* oldPen = pDC->SelectObject(&pen);
  const int oldRop = pDC->SetROP2(R2_NOT);
  if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_VERT) {
    int x = fixedWidth;
    for (int col = minCol; col <= maxCol; ++col) {
      x += GetColumnWidth(col);
      pDC->MoveTo(x - 1, fixedHeight);
      pDC->LineTo(x - 1, visibleRect.bottom);
      int y = fixedHeight;
      for (int row = minRow; row <= maxRow; ++row) {
        if (GetCell(row, col)->rightLineOff == 1) {
          pDC->MoveTo(x - 1, y);
          pDC->LineTo(x - 1, y + GetRowHeight(row));
        }
        y += GetRowHeight(row);
      }
    }
  }
  if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_HORZ) {
    int y = fixedHeight;
    for (int row = minRow; row <= maxRow; ++row) {
      y += GetRowHeight(row);
      pDC->MoveTo(fixedWidth, y - 1);
      pDC->LineTo(visibleRect.right, y - 1);
      int x = fixedWidth;
      for (int col = minCol; col <= maxCol; ++col) {
        if (GetCell(row, col)->bottomLineOff == 1) {
          pDC->MoveTo(x - 1, y - 1);
          pDC->LineTo(x + GetColumnWidth(col) - 1, y - 1);
        }
        x += GetColumnWidth(col);
      }
    }
  }
  pDC->SetROP2(oldRop);
  pDC->SelectObject(oldPen);
  pDC->SelectStockObject(NULL_PEN);
}

BOOL CGridCtrl::GetMergedRect(int nRow, int nCol, LPRECT pRect, bool forFixedCell) const
{
  const CCellID owner = GetMergeOwner(nRow, nCol);
  const CGridCell* ownerCell = GetCell(owner.row, owner.col);
  if (!ownerCell || !pRect)
    return FALSE;
  const CCellID bottomRight(owner.row + ownerCell->rowSpan, owner.col + ownerCell->colSpan);
  const CCellID topLeft = GetTopleftNonFixedCell();
  CCellID first(std::max(owner.row, topLeft.row), std::max(owner.col, topLeft.col));
  if (forFixedCell) {
    if (bottomRight.col > m_nFixedCols)
      first = CCellID(owner.row, std::max(owner.col, topLeft.col));
    else if (bottomRight.row > m_nFixedRows)
      first = CCellID(std::max(owner.row, topLeft.row), owner.col);
    else
      first = owner;
  }
  CRect firstRect;
  CRect lastRect;
  if (GetCellRect(first.row, first.col, &firstRect)) {
    pRect->left = firstRect.left;
    pRect->top = firstRect.top;
  }
  if (GetCellRect(bottomRight.row, bottomRight.col, &lastRect)) {
    pRect->right = lastRect.right;
    pRect->bottom = lastRect.bottom;
  }
  return TRUE;
}

void CGridCtrl::SelectCellFont(CDC* pDC, CFont& font, const LOGFONT& lf, LONG weight) const
{
  LOGFONT copy = lf;
  if (weight)
    copy.lfWeight = weight;
  font.CreateFontIndirect(&copy);
  pDC->SelectObject(&font);
}

// The margin, the image and the text, in the rectangle left after the cell's edges.
void CGridCtrl::DrawCellText(CDC* pDC, const CGridCell& owner, CRect rect, UINT nFormat)
{
  rect.DeflateRect(m_nMargin, 0);
  IMAGEINFO info;
  if (m_pImageList && owner.iImage >= 0 && m_pImageList->GetImageInfo(owner.iImage, &info)) {
    m_pImageList->Draw(pDC, owner.iImage, rect.TopLeft(), ILD_NORMAL);
    rect.left += (info.rcImage.right - info.rcImage.left) + m_nMargin;
  }
  pDC->DrawText(owner.szText, &rect, nFormat);
}

BOOL CGridCtrl::DrawFixedCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL)
{
  const CGridCell* cell = GetCell(nRow, nCol);
  if (!m_bAllowDraw || !cell)
    return FALSE;
  const CCellID ownerID = GetMergeOwner(nRow, nCol);
  const CGridCell* owner = GetCell(ownerID.row, ownerID.col);
  if (!owner)
    return FALSE;
  const bool block = cell->merged || cell->rowSpan || cell->colSpan;
  if (block)
    GetMergedRect(nRow, nCol, &rect, true);

  UINT nFormat = owner->nFormat;
  if (block && ownerID.row + owner->rowSpan <= m_nFixedRows)
    nFormat = GRID_CENTRED_FORMAT;
  if (!pDC->IsPrinting())
    pDC->FillSolidRect(rect, owner->crBkClr == CLR_DEFAULT ? m_crFixedBkColour : owner->crBkClr);
  pDC->SetTextColor(owner->crFgClr == CLR_DEFAULT ? m_crFixedTextColour : owner->crFgClr);
  const bool inFocusLine = m_idCurrentCell.IsValid() && (nRow == m_idCurrentCell.row || nCol == m_idCurrentCell.col);
  CFont font;
  SelectCellFont(pDC, font, owner->lfFont, inFocusLine ? 500 : 0);

  // A raised edge, or a sunken one along the focus row and column.
  CPen light(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
  CPen dark(PS_SOLID, 1, GetSysColor(COLOR_3DDKSHADOW));
  CPen shadow(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  CPen* oldPen = pDC->SelectObject(&light);
  if (!inFocusLine) {
    pDC->MoveTo(rect.right, rect.top);
    pDC->LineTo(rect.left, rect.top);
    pDC->LineTo(rect.left, rect.bottom);
    pDC->SelectObject(&dark);
    pDC->MoveTo(rect.right, rect.top);
    pDC->LineTo(rect.right, rect.bottom);
    pDC->LineTo(rect.left, rect.bottom);
  } else {
    rect.right++;
    rect.bottom++;
    pDC->SelectObject(&shadow);
    pDC->MoveTo(rect.right - 1, rect.top);
    pDC->LineTo(rect.left, rect.top);
    pDC->LineTo(rect.left, rect.bottom - 1);
    pDC->SelectObject(&light);
    pDC->LineTo(rect.right - 1, rect.bottom - 1);
    pDC->LineTo(rect.right - 1, rect.top);
  }
  pDC->SelectObject(oldPen);
  rect.DeflateRect(1, 1);

  pDC->SetBkMode(TRANSPARENT);
  DrawCellText(pDC, *owner, rect, nFormat);
  pDC->SelectObject(static_cast<CFont*>(nullptr));
  return TRUE;
}

BOOL CGridCtrl::DrawCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL)
{
  const CGridCell* cell = GetCell(nRow, nCol);
  if (!m_bAllowDraw || !cell)
    return FALSE;
  const CCellID ownerID = GetMergeOwner(nRow, nCol);
  const CGridCell* owner = GetCell(ownerID.row, ownerID.col);
  if (!owner)
    return FALSE;
  if (cell->merged || cell->rowSpan || cell->colSpan)
    GetMergedRect(nRow, nCol, &rect, false);

  const COLORREF background = owner->crBkClr == CLR_DEFAULT ? m_crTextBkColour : owner->crBkClr;
  const COLORREF text = owner->crFgClr == CLR_DEFAULT ? m_crTextColour : owner->crFgClr;
  const bool printing = pDC->IsPrinting() != FALSE;
  pDC->SetBkMode(TRANSPARENT);
  const CRect widened(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
  if ((owner->state & GVIS_FOCUSED) && !printing) {
    pDC->FillSolidRect(widened, background);
    pDC->SelectStockObject(BLACK_PEN);
    pDC->SelectStockObject(NULL_BRUSH);
    pDC->Rectangle(rect.left, rect.top, rect.right, rect.bottom);
    rect.DeflateRect(1, 1);
    pDC->SetTextColor(text);
  } else if ((owner->state & GVIS_SELECTED) && !printing) {
    pDC->FillSolidRect(widened, GetSysColor(COLOR_HIGHLIGHT));
    pDC->SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
  } else {
    pDC->FillSolidRect(widened, background);
    pDC->SetTextColor(text);
  }
  if ((owner->state & GVIS_DROPHILITED) && !printing) {
    pDC->SelectStockObject(BLACK_PEN);
    pDC->SelectStockObject(NULL_BRUSH);
    pDC->Rectangle(rect.left, rect.top, rect.right, rect.bottom);
  }
  CFont font;
  SelectCellFont(pDC, font, owner->lfFont, 0);
  DrawCellText(pDC, *owner, rect, owner->nFormat);
  pDC->SelectObject(static_cast<CFont*>(nullptr));
  return TRUE;
}

BOOL CGridCtrl::RedrawCell(int nRow, int nCol, CDC* pDC)
{
  CRect rect;
  if (!m_bAllowDraw || !IsCellVisible(nRow, nCol) || !GetCellRect(nRow, nCol, &rect))
    return FALSE;
  // A window is painted only in its paint handling: without a device the cell is invalidated.
  if (!pDC) {
    if (const CGridCell* cell = GetCell(nRow, nCol); cell->merged || cell->rowSpan || cell->colSpan)
      GetMergedRect(nRow, nCol, &rect, nRow < m_nFixedRows || nCol < m_nFixedCols);
    rect.right++;
    rect.bottom++;
    InvalidateRect(&rect, TRUE);
    return TRUE;
  }
  if (nRow < m_nFixedRows || nCol < m_nFixedCols) {
    const CCellID owner = GetMergeOwner(nRow, nCol);
    return DrawFixedCell(pDC, owner.row, owner.col, rect, TRUE);
  }
  if (const CGridCell* cell = GetCell(nRow, nCol); cell->merged || cell->rowSpan || cell->colSpan)
    GetMergedRect(nRow, nCol, &rect, false);
  const BOOL result = DrawCell(pDC, nRow, nCol, rect, TRUE);
  CPen pen;
  if (pen.CreatePen(PS_SOLID, 0, m_crGridColour)) {
    CPen* oldPen = pDC->SelectObject(&pen);
    if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_HORZ) {
      pDC->MoveTo(rect.left, rect.bottom);
      pDC->LineTo(rect.right + 1, rect.bottom);
    }
    if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_VERT) {
      pDC->MoveTo(rect.right, rect.top);
      pDC->LineTo(rect.right, rect.bottom + 1);
    }
    pDC->SelectObject(oldPen);
  }
  return result;
}
