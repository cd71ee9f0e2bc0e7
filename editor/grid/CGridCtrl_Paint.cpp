// Painting the grid: backgrounds, fixed and normal cells with their texts and images, merged
// header blocks, grid lines and the repaint of single cells.
#include "CGridCtrl.h"

#include "CBrush.h"
#include "CDC.h"
#include "CImageList.h"
#include "CPaintDC.h"
#include "CPen.h"
#include "GridAxis.h"
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

namespace {

// Indices of one direction laid from a start: the fixed ones from 0, the shown ones after them.
struct Band {
  int first;
  int last;
  int start;
};

// The grid lines along one direction, over the shown cells: a line at the far edge of every
// index of `lines`, across the shown part of `across`, and once more over the side of each cell
// that has that line suppressed, which restores the pixels there.
void DrawLinesAlong(CDC* pDC, const CGridCtrl& grid, const GridAxis& lines, Band lineBand, const GridAxis& across,
                    Band acrossBand, int acrossEnd)
{
  const auto line = [&](int at, int from, int to) {
    const POINT a = lines.PointAt(at, from);
    const POINT b = lines.PointAt(at, to);
    pDC->MoveTo(a.x, a.y);
    pDC->LineTo(b.x, b.y);
  };
  int at = lineBand.start;
  for (int index = lineBand.first; index <= lineBand.last; ++index) {
    at += lines.Size(index);
    line(at - 1, across.FixedExtent(), acrossEnd);
    int from = acrossBand.start;
    for (int other = acrossBand.first; other <= acrossBand.last; ++other) {
      const CGridCell* cell = lines.IsRows() ? grid.GetCell(index, other) : grid.GetCell(other, index);
      if ((lines.IsRows() ? cell->bottomLineOff : cell->rightLineOff) == 1)
        line(at - 1, from, from + across.Size(other) - 1);
      from += across.Size(other);
    }
  }
}

} // namespace

void CGridCtrl::OnDraw(CDC* pDC)
{
  CRect clip;
  if (pDC->GetClipBox(&clip) == NULLREGION)
    return;
  EraseBkgnd(pDC);
  CRect visibleRect;
  const CCellRange visible = GetVisibleNonFixedCellRange(&visibleRect);
  const GridAxis rows = GridAxis::RowsOf(*this);
  const GridAxis cols = GridAxis::ColumnsOf(*this);
  const Band fixedRows{0, m_nFixedRows - 1, 0};
  const Band fixedCols{0, m_nFixedCols - 1, 0};
  const Band shownRows{visible.GetMinRow(), visible.GetMaxRow(), rows.FixedExtent()};
  const Band shownCols{visible.GetMinCol(), visible.GetMaxCol(), cols.FixedExtent()};

  // The cells of a band of rows by a band of columns, in rectangles inside the clip box.
  const auto paint = [&](Band rowBand, Band colBand, bool fixed) {
    rows.ForEachSpan(rowBand.first, rowBand.last, rowBand.start, clip.top, clip.bottom, [&](int row, int top, int bottom) {
      cols.ForEachSpan(colBand.first, colBand.last, colBand.start, clip.left, clip.right, [&](int col, int left, int right) {
        const CRect rect(left, top, right, bottom);
        if (fixed)
          DrawFixedCell(pDC, row, col, rect);
        else
          DrawCell(pDC, row, col, rect);
      });
    });
  };
  paint(fixedRows, fixedCols, true);
  paint(shownRows, fixedCols, true);
  paint(fixedRows, shownCols, true);
  paint(shownRows, shownCols, false);

  // Grid lines of the non-fixed area invert what lies under them, so a second line along a
  // cell's suppressed edge restores it.
  CPen pen;
  if (!pen.CreatePen(PS_SOLID, 0, m_crGridColour) || shownRows.first < 0 || shownCols.first < 0)
    return;
  CPen* oldPen = pDC->SelectObject(&pen);
  const int oldRop = pDC->SetROP2(R2_NOT);
  if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_VERT)
    DrawLinesAlong(pDC, *this, cols, shownCols, rows, shownRows, visibleRect.bottom);
  if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_HORZ)
    DrawLinesAlong(pDC, *this, rows, shownRows, cols, shownCols, visibleRect.right);
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
