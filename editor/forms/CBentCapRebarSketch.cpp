#include "CBentCapRebarSketch.h"

#include "CPaintDC.h"
#include "CPen.h"
#include "SketchColours.h"

#include <cmath>

namespace {

// Radius of the bend over a column of a lower bent-up bar: trunc(15 * sqrt(2)).
constexpr int kBendRadius = 21;

CPoint Mirror(const CPoint& p, const CRect& client) { return CPoint(2 * (client.Width() / 2) - p.x, p.y); }

} // namespace

CBentCapRebarSketch::CBentCapRebarSketch() : CBentCapElevationSketch(700, 50, 30, 80, 3), m_crBar(kSketchBar) {}

double CBentCapRebarSketch::LineLength(const CPoint& p1, const CPoint& p2)
{
  const double dx = p2.x - p1.x;
  const double dy = p2.y - p1.y;
  return std::sqrt(dx * dx + dy * dy);
}

bool CBentCapRebarSketch::IntersectLines(const CPoint& p1, const CPoint& p2, const CPoint& p3, const CPoint& p4,
                                         CPoint& q)
{
  if (p1.x == p2.x || p3.x == p4.x)
    return false;
  const double k1 = static_cast<double>(p2.y - p1.y) / (p2.x - p1.x);
  const double k2 = static_cast<double>(p4.y - p3.y) / (p4.x - p3.x);
  if (k1 == k2)
    return false;
  const double x = (p3.y - p1.y + k1 * p1.x - k2 * p3.x) / (k1 - k2);
  const double y = p1.y + k1 * (x - p1.x);
  q = CPoint(static_cast<int>(x), static_cast<int>(y));
  return true;
}

void CBentCapRebarSketch::PlaceBarEnd(const Frame& f, std::vector<CPoint>& points) const
{
  if (points.size() < 3)
    return;
  CPoint& p0 = points[0];
  CPoint& p1 = points[1];
  const CPoint p2 = points[2];
  if (!m_nAbutment) {
    const CPoint bottomFrom(f.xr - m_nTaperLength, f.yb);
    const CPoint bottomTo(f.xl + m_nTaperLength, f.yb);
    const CPoint taperFrom(f.xl, f.top + f.e);
    CPoint bottom;
    CPoint taper;
    const bool onBottom = IntersectLines(p1, p2, bottomFrom, bottomTo, bottom);
    const bool onTaper = IntersectLines(p1, p2, taperFrom, bottomTo, taper);
    if (onTaper && (!onBottom || LineLength(taper, p2) < LineLength(bottom, p2))) {
      const double leg = LineLength(taper, p2);
      p1 = taper;
      if (leg > 0) {
        p1.x += static_cast<int>(5 * (p2.x - taper.x) / leg);
        p1.y += static_cast<int>(5 * (p2.y - taper.y) / leg);
      }
      const double a = LineLength(p1, p2);
      p0 = p1;
      if (a > 0) {
        p0.x += static_cast<int>(15 / a * (taperFrom.x - bottomTo.x));
        p0.y += static_cast<int>(15 / a * (taperFrom.y - bottomTo.y));
      }
      return;
    }
  }
  p0 = CPoint(p1.x - 15, p1.y);
}

void CBentCapRebarSketch::PlaceRightEnd(const Frame& f, const CRect& client, std::vector<CPoint>& points) const
{
  const std::size_t n = points.size();
  if (n < 2)
    return;
  std::vector<CPoint> end = {Mirror(points[n - 1], client), Mirror(points[n - 1], client), Mirror(points[n - 2], client)};
  PlaceBarEnd(f, end);
  points[n - 1] = Mirror(end[1], client);
  points.push_back(Mirror(end[0], client));
}

std::vector<CPoint> CBentCapRebarSketch::UpperBentBar(const Frame& f, int pitch, const CRect& client) const
{
  const int n = ColumnCount();
  int d = 0;
  int s = 0;
  if (n == 1) {
    d = pitch / 2;
    s = m_nMiddleHeight - 10;
  } else {
    const int q = pitch - 2 * m_nMiddleHeight + 20;
    d = q > 0 ? q / 4 : pitch / 6;
    s = (pitch - 4 * d) / 2;
  }
  const int top = f.top + 5;
  const int bottom = f.yb - 5;
  const CPoint start(ColumnX(0) - d - s, bottom);
  std::vector<CPoint> points = {start, start, CPoint(ColumnX(0) - d, top)};
  for (int i = 0; i + 1 < n; ++i) {
    const int x = ColumnX(i);
    points.push_back(CPoint(x + d, top));
    points.push_back(CPoint(x + d + s, bottom));
    points.push_back(CPoint(x + 3 * d + s, bottom));
    points.push_back(CPoint(x + 3 * d + 2 * s, top));
  }
  points.push_back(CPoint(ColumnX(n - 1) + d, top));
  PlaceBarEnd(f, points);
  points.push_back(Mirror(points[1], client));
  points.push_back(Mirror(points[0], client));
  return points;
}

// Along the bottom, bent up at 45 degrees on both sides of each column and over it in an arc.
std::vector<CPoint> CBentCapRebarSketch::LowerBentBar(const Frame& f, const CRect& client, int first, int last,
                                                      bool hooks, std::vector<CPoint>& arcs) const
{
  std::vector<CPoint> points;
  const int bottom = f.yb - 5;
  for (int i = first; i <= last; ++i) {
    const int x = ColumnX(i);
    points.push_back(CPoint(x - 40, bottom));
    points.push_back(CPoint(x - 15, f.yb - 30));
    points.push_back(CPoint(x + 15, f.yb - 30));
    points.push_back(CPoint(x + 40, bottom));
    arcs.push_back(CPoint(x, f.yb - 15));
  }
  if (hooks && !points.empty()) {
    points.insert(points.begin(), points.front());
    PlaceBarEnd(f, points);
    points.push_back(Mirror(points[0], client));
  }
  return points;
}

std::vector<CPoint> CBentCapRebarSketch::WholeElevationBar(const Frame& f, int pitch, const CRect& client,
                                                           std::vector<CPoint>& arcs) const
{
  const int top = f.top + 5;
  const int bottom = f.yb - 5;
  switch (m_nKind) {
  case 1: return {CPoint(f.xl + 20, top), CPoint(f.xr - 20, top)};
  case 2:
    if (m_nAbutment)
      return {CPoint(f.xl + 20, bottom), CPoint(f.xr - 20, bottom)};
    return {CPoint(f.xl + m_nTaperLength + 20, bottom), CPoint(f.xr - m_nTaperLength - 20, bottom)};
  case 3: return UpperBentBar(f, pitch, client);
  case 4: return LowerBentBar(f, client, 0, ColumnCount() - 1, true, arcs);
  default: return {};
  }
}

std::vector<CPoint> CBentCapRebarSketch::SupportBar(const Frame& f, const CRect& client, std::vector<CPoint>& arcs) const
{
  const int n = ColumnCount();
  const int i = m_nSupport;
  const int x = ColumnX(i);
  const int top = f.top + 5;
  const int bottom = f.yb - 5;
  switch (m_nKind) {
  case 1: return {CPoint(x + 100, top), CPoint(x - 100, top)};
  case 2:
    if (i + 1 >= n)
      return {};
    return {CPoint(x + 50, bottom), CPoint(ColumnX(i + 1) - 50, bottom)};
  case 3: {
    const CPoint start(x - m_nMiddleHeight - 40, bottom);
    std::vector<CPoint> points = {start, start, CPoint(x - 50, top), CPoint(x + 50, top),
                                  CPoint(x + m_nMiddleHeight + 40, bottom)};
    PlaceBarEnd(f, points);
    PlaceRightEnd(f, client, points);
    return points;
  }
  case 4: return LowerBentBar(f, client, i, i, false, arcs);
  default: return {};
  }
}

// A lower bent-up bar is drawn in pieces: the point before each bend over a column is moved to,
// so the straight piece there is left to the arc.
void CBentCapRebarSketch::DrawBar(CDC& dc, const std::vector<CPoint>& points, int pieceBreak) const
{
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i == 0 || (pieceBreak >= 0 && static_cast<int>(i % 4) == pieceBreak))
      dc.MoveTo(points[i].x, points[i].y);
    else
      dc.LineTo(points[i].x, points[i].y);
  }
}

void CBentCapRebarSketch::OnPaint()
{
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  const Frame f = LayoutElevation(client);
  PaintElevation(dc, client, f, ColumnPiece{30, 20, 15.0});
  const int n = ColumnCount();
  if (n == 0 || m_nSupport >= n || m_nSupport < -1)
    return;
  const int pitch = n == 1 ? m_nLength / 4 : ColumnX(1) - ColumnX(0);

  std::vector<CPoint> arcs;
  const bool whole = m_nSupport == -1;
  const std::vector<CPoint> points = whole ? WholeElevationBar(f, pitch, client, arcs) : SupportBar(f, client, arcs);
  CPen barPen(PS_SOLID, 1, m_crBar);
  CPen* oldPen = dc.SelectObject(&barPen);
  // With the hook in front of the whole elevation's lower bar, the break falls on index 3; the
  // single support's bar starts at its first leg, so it falls on index 2.
  const int pieceBreak = m_nKind == 4 ? (whole ? 3 : 2) : -1;
  DrawBar(dc, points, pieceBreak);
  for (const CPoint& c : arcs)
    dc.Arc(c.x - kBendRadius, c.y - kBendRadius, c.x + kBendRadius, c.y + kBendRadius, c.x + 15, c.y - 15, c.x - 15,
           c.y - 15);
  dc.SelectObject(oldPen);
}
