#include "CBentCapElevationSketch.h"

#include "CBrush.h"
#include "CPen.h"
#include "SketchColours.h"

#include <cmath>
#include <numbers>

CBentCapElevationSketch::CBentCapElevationSketch(int length, int middleHeight, int endHeight, int taperLength,
                                                 int columnCount)
    : m_nColumnCount(columnCount), m_nLength(length), m_nMiddleHeight(middleHeight), m_nEndHeight(endHeight),
      m_nTaperLength(taperLength), m_crOutline(kSketchOutline), m_crAxis(kSketchAxis),
      m_crDimension(kSketchDimension)
{
}

CBentCapElevationSketch::Frame CBentCapElevationSketch::LayoutElevation(const CRect& client, int centreShift) const
{
  Frame frame{};
  frame.centre = client.Width() / 2 + centreShift;
  frame.xl = frame.centre - m_nLength / 2;
  frame.xr = frame.centre + m_nLength / 2;
  frame.top = client.Height() / 4 - m_nMiddleHeight / 2;
  frame.e = m_nAbutment ? m_nMiddleHeight : m_nEndHeight;
  frame.yb = frame.top + m_nMiddleHeight;
  return frame;
}

void CBentCapElevationSketch::PlaceColumns(const Frame& frame)
{
  if (!m_aColumnX.IsEmpty() || m_nColumnCount <= 0)
    return;
  if (m_nColumnCount == 1) {
    m_aColumnX.Add(frame.centre);
    return;
  }
  const int pitch = static_cast<int>((m_nLength - 2 * m_nTaperLength) / (m_nColumnCount - 0.5));
  int x = frame.xl + m_nTaperLength + pitch / 4;
  for (int i = 0; i < m_nColumnCount; ++i, x += pitch)
    m_aColumnX.Add(x);
}

void CBentCapElevationSketch::DrawOutline(CDC& dc, const Frame& f) const
{
  dc.MoveTo(f.xl, f.top + f.e);
  dc.LineTo(f.xl, f.top);
  dc.LineTo(f.xr, f.top);
  dc.LineTo(f.xr, f.top + f.e);
  if (!m_nAbutment) {
    dc.LineTo(f.xr - m_nTaperLength, f.yb);
    dc.LineTo(f.xl + m_nTaperLength, f.yb);
  }
  dc.LineTo(f.xl, f.top + f.e);
}

void CBentCapElevationSketch::DrawColumns(CDC& dc, const Frame& f, const ColumnPiece& column) const
{
  CPen axisPen(PS_DASHDOT, 1, m_crAxis);
  CPen outlinePen(PS_SOLID, 1, m_crOutline);
  CPen* oldPen = dc.SelectObject(&axisPen);
  const double angle = 33.0 * std::numbers::pi / 180.0;
  const int r = static_cast<int>(column.arcOffset / std::sin(angle));
  const int v = static_cast<int>(r * std::cos(angle));
  const int off = static_cast<int>(column.arcOffset);
  const int w = column.halfWidth;
  const int foot = column.foot;
  for (int i = 0; i < ColumnCount(); ++i) {
    const int x = ColumnX(i);
    dc.SelectObject(&axisPen);
    dc.MoveTo(x, f.top - m_nMiddleHeight / 4);
    dc.LineTo(x, f.top + m_nMiddleHeight + m_nMiddleHeight / 4 + foot);
    dc.SelectObject(&outlinePen);
    dc.MoveTo(x - w, f.yb);
    dc.LineTo(x - w, f.yb + foot);
    dc.MoveTo(x + w, f.yb);
    dc.LineTo(x + w, f.yb + foot);
    // The break line across the column piece's foot: three arcs relative to (x, yb).
    const int y = f.yb;
    CRect box(x - r - off, y + v - r + foot, x + r - off, y + v + r + foot);
    dc.Arc(box.left, box.top, box.right, box.bottom, x, y + foot, x - w, y + foot);
    box.OffsetRect(0, -2 * v);
    dc.Arc(box.left, box.top, box.right, box.bottom, x - w, y + foot, x, y + foot);
    box.OffsetRect(w, 0);
    dc.Arc(box.left, box.top, box.right, box.bottom, x, y + foot, x + w, y + foot);
  }
  dc.SelectObject(oldPen);
}

void CBentCapElevationSketch::DrawPlan(CDC& dc, const Frame& f, const Plan& p) const
{
  CPen outlinePen(PS_SOLID, 1, m_crOutline);
  CPen axisPen(PS_DASHDOT, 1, m_crAxis);
  CPen* oldPen = dc.SelectObject(&outlinePen);
  dc.MoveTo(f.xl - p.s, p.yc - p.u);
  dc.LineTo(f.xr - p.s, p.yc - p.u);
  dc.LineTo(f.xr + p.s, p.yc + p.u);
  dc.LineTo(f.xl + p.s, p.yc + p.u);
  dc.LineTo(f.xl - p.s, p.yc - p.u);
  dc.SelectObject(&axisPen);
  dc.MoveTo(f.xl - 20, p.yc);
  dc.LineTo(f.xr + 20, p.yc);
  dc.SelectObject(oldPen);
}

void CBentCapElevationSketch::PaintElevation(CDC& dc, const CRect& client, const Frame& frame, const ColumnPiece& column)
{
  CBrush black(kSketchBackground);
  dc.FillRect(client, &black);
  dc.SetBkColor(kSketchBackground);
  CPen outlinePen(PS_SOLID, 1, m_crOutline);
  CPen* oldPen = dc.SelectObject(&outlinePen);
  DrawOutline(dc, frame);
  PlaceColumns(frame);
  DrawColumns(dc, frame, column);
  dc.SelectObject(oldPen);
}
