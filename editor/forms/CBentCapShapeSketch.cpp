#include "CBentCapShapeSketch.h"

#include "CPaintDC.h"
#include "CPen.h"
#include "CSketchFonts.h"
#include "SketchColours.h"
#include "SketchDimensions.h"

#include <cmath>
#include <numbers>

namespace {

// A length the design stores negative is measured along the skew end: its size over cos φ.
CString SkewLengthText(double value)
{
  if (value < 0)
    return FormatSketchValue(std::fabs(value)) + L"/cosφ";
  return FormatSketchValue(value);
}

} // namespace

CBentCapShapeSketch::CBentCapShapeSketch() : CBentCapElevationSketch(600, 50, 30, 80, 3), m_crHighlight(kSketchHighlight)
{
}

CString CBentCapShapeSketch::FormatLabel(const CString& letter) const
{
  if (!m_pGeometry)
    return letter;
  const CBent_BasicGeometry& g = *m_pGeometry;
  if (letter == L"L")
    return SkewLengthText(g.dLength);
  if (letter == L"W")
    return FormatSketchValue(g.dWidth);
  if (letter == L"H")
    return FormatSketchValue(g.dMiddleHeight);
  if (letter == L"D")
    return FormatSketchValue(g.dColumnDiameter);
  if (letter == L"W1")
    return SkewLengthText(g.dLeftWidth);
  if (letter == L"W2")
    return SkewLengthText(g.dRightWidth);
  if (letter == L"H1")
    return FormatSketchValue(g.dLeftEndHeight);
  if (letter == L"H2")
    return FormatSketchValue(g.dRightEndHeight);
  if (letter == L"A")
    return FormatSketchValue(g.dLeftAngle) + L"°";
  if (letter == L"B")
    return FormatSketchValue(g.dRightAngle) + L"°";
  return letter;
}

CBentCapShapeSketch::Plan CBentCapShapeSketch::LayoutPlan(const CRect& client) const
{
  Plan plan{};
  plan.yc = (client.Height() / 2) * 3 / 2;
  plan.u = m_nPlanWidth / 2;
  plan.s = static_cast<int>(plan.u / std::tan(60.0 * std::numbers::pi / 180.0));
  return plan;
}

CArray<CBentCapShapeSketch::Dimension, const CBentCapShapeSketch::Dimension&>
CBentCapShapeSketch::CollectDimensions(const Frame& f, const Plan& p, int& firstVertical) const
{
  CArray<Dimension, const Dimension&> list;
  for (int i = 0; i < ColumnCount(); ++i) {
    const int x = ColumnX(i);
    list.Add({CPoint(x - 30, f.yb + 40), CPoint(x + 30, f.yb + 40), L"D", 0});
  }
  list.Add({CPoint(f.xl, f.top - 10), CPoint(f.xr, f.top - 10), L"L", 1});
  list.Add({CPoint(f.xl - p.s, p.yc - p.u), CPoint(f.xr - p.s, p.yc - p.u), L"L", 1});
  if (m_nAbutment) {
    firstVertical = static_cast<int>(list.GetSize());
    list.Add({CPoint(f.xl, f.top + f.e), CPoint(f.xl, f.top), L"H", 1});
  } else {
    list.Add({CPoint(f.xl, f.yb + 20), CPoint(f.xl + m_nTaperLength, f.yb + 20), L"W1", 0});
    list.Add({CPoint(f.xr, f.yb + 20), CPoint(f.xr - m_nTaperLength, f.yb + 20), L"W2", 0});
    firstVertical = static_cast<int>(list.GetSize());
    list.Add({CPoint(f.xl, f.top + f.e), CPoint(f.xl, f.top), L"H1", 1});
    list.Add({CPoint(f.xl - 20, f.yb), CPoint(f.xl - 20, f.top), L"H", 1});
    list.Add({CPoint(f.xr + 10, f.top), CPoint(f.xr + 10, f.top + f.e), L"H2", 0});
  }
  list.Add({CPoint(f.xl - p.s, p.yc - p.u), CPoint(f.xl - p.s, p.yc + p.u), L"W", 1});
  return list;
}

COLORREF CBentCapShapeSketch::ColourOf(const CString& letter) const
{
  return !m_strFocusedLetter.IsEmpty() && letter == m_strFocusedLetter ? m_crHighlight : m_crDimension;
}

void CBentCapShapeSketch::DrawDimensions(CDC& dc, const Frame& f, const Plan& p, CFont* normal, CFont* upright) const
{
  int firstVertical = 0;
  const auto list = CollectDimensions(f, p, firstVertical);
  CFont* oldFont = dc.SelectObject(normal);
  for (int i = 0; i < static_cast<int>(list.GetSize()); ++i) {
    const Dimension& d = list.GetAt(i);
    if (i == firstVertical)
      dc.SelectObject(upright);
    CPen pen(PS_SOLID, 1, ColourOf(d.letter));
    CPen* oldPen = dc.SelectObject(&pen);
    dc.SetTextColor(ColourOf(d.letter));
    const CString text = FormatLabel(d.letter);
    if (i < firstVertical)
      DrawDimension(&dc, d.from.x, d.from.y, d.to.x, d.to.y, text, d.side);
    else
      DrawDimensionUpright(&dc, d.from.x, d.from.y, d.to.x, d.to.y, text, d.side);
    dc.SelectObject(oldPen);
  }
  dc.SetTextColor(m_crDimension);
  dc.SelectObject(oldFont);
}

void CBentCapShapeSketch::DrawAngleMarks(CDC& dc, const Frame& f, const Plan& p) const
{
  const double angle = 60.0 * std::numbers::pi / 180.0;
  const int dx = static_cast<int>(10 * std::cos(angle));
  const int dy = static_cast<int>(10 * std::sin(angle));
  const struct {
    int x;
    const wchar_t* letter;
  } marks[] = {{f.xl, L"A"}, {f.xl + m_nLength, L"B"}};
  for (const auto& mark : marks) {
    const COLORREF colour = ColourOf(mark.letter);
    CPen pen(PS_SOLID, 1, colour);
    CPen* oldPen = dc.SelectObject(&pen);
    dc.SetTextColor(colour);
    dc.Arc(mark.x - 10, p.yc - 10, mark.x + 10, p.yc + 10, mark.x + 10, p.yc, mark.x - dx, p.yc - dy);
    CRect box(mark.x - 10, p.yc - 30, mark.x + 30, p.yc - 10);
    dc.DrawText(FormatLabel(mark.letter), &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(oldPen);
  }
  dc.SetTextColor(m_crDimension);
}

void CBentCapShapeSketch::OnPaint()
{
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  const Frame frame = LayoutElevation(client);
  PaintElevation(dc, client, frame, ColumnPiece{30, 20, 15.0});
  const Plan plan = LayoutPlan(client);
  DrawPlan(dc, frame, plan);

  CSketchFonts fonts(m_pFont);
  dc.SetBkMode(TRANSPARENT);
  DrawDimensions(dc, frame, plan, fonts.Normal(), fonts.Upright());
  CFont* oldFont = dc.SelectObject(fonts.Normal());
  DrawAngleMarks(dc, frame, plan);
  dc.SelectObject(oldFont);
}
