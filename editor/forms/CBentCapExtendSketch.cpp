#include "CBentCapExtendSketch.h"

#include "CPaintDC.h"
#include "CPen.h"
#include "CSketchFonts.h"
#include "SketchColours.h"
#include "SketchDimensions.h"

CBentCapExtendSketch::CBentCapExtendSketch() : CBentCapElevationSketch(700, 50, 30, 80, 3), m_crBar(kSketchBar) {}

void CBentCapExtendSketch::DrawLengthDimension(CDC& dc, int x1, int x2, int y, const CString& text)
{
  dc.MoveTo(x1, y);
  dc.LineTo(x2, y);
  for (int x : {x1, x2}) {
    dc.MoveTo(x, y - 4);
    dc.LineTo(x, y + 8);
  }
  const int xm = (x1 + x2) / 2;
  CRect box(xm - 20, y - 14, xm + 20, y - 4);
  dc.DrawText(text, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CBentCapExtendSketch::DrawTopBar(CDC& dc, const Frame& f, int x) const
{
  dc.MoveTo(x + 60, f.top + 5);
  dc.LineTo(x - 60, f.top + 5);
}

void CBentCapExtendSketch::DrawBars(CDC& dc, const Frame& f) const
{
  const int n = ColumnCount();
  for (int i = 0; i < n; ++i)
    DrawTopBar(dc, f, ColumnX(i));
  for (int i = 0; i + 1 < n; ++i) {
    dc.MoveTo(ColumnX(i) + 20, f.yb - 5);
    dc.LineTo(ColumnX(i + 1) - 20, f.yb - 5);
  }
}

// Inner side "a" and outer side "b" at both edge columns, "c" from the edge column's bar to the
// cap's end, "d" both sides of the middle columns, "e" the bottom bars from the span's middle.
void CBentCapExtendSketch::DrawLetters(CDC& dc, const Frame& f) const
{
  const int n = ColumnCount();
  const int y = f.top - 20;
  const int x0 = ColumnX(0);
  DrawLengthDimension(dc, x0 + 60, x0, y, L"a");
  DrawLengthDimension(dc, x0 - 60, x0, y, L"b");
  DrawLengthDimension(dc, x0 - 60, f.xl, y, L"c");
  if (n > 1) {
    const int xn = ColumnX(n - 1);
    DrawLengthDimension(dc, xn + 60, xn, y, L"b");
    DrawLengthDimension(dc, xn - 60, xn, y, L"a");
    DrawLengthDimension(dc, xn + 60, f.xr, y, L"c");
  }
  for (int i = 1; i + 1 < n; ++i) {
    DrawLengthDimension(dc, ColumnX(i) + 60, ColumnX(i), y, L"d");
    DrawLengthDimension(dc, ColumnX(i) - 60, ColumnX(i), y, L"d");
  }
  for (int i = 0; i + 1 < n; ++i) {
    const int xi = ColumnX(i) + 20;
    const int xj = ColumnX(i + 1) - 20;
    const int xm = (ColumnX(i) + ColumnX(i + 1)) / 2;
    DrawLengthDimension(dc, xi, xm, f.yb - 25, L"e");
    DrawLengthDimension(dc, xj, xm, f.yb - 25, L"e");
  }
}

void CBentCapExtendSketch::DrawSpacings(CDC& dc, const Frame& f) const
{
  const int n = ColumnCount();
  const int count = static_cast<int>(m_aSpacings.GetSize());
  if (count == 0)
    return;
  const int y = f.yb + 50;
  DrawLengthDimension(dc, f.xl, ColumnX(0), y, FormatSketchValue(m_aSpacings.GetAt(0)));
  DrawLengthDimension(dc, f.xr, ColumnX(n - 1), y, FormatSketchValue(m_aSpacings.GetAt(count - 1)));
  for (int i = 1; i < n && i < count; ++i)
    DrawLengthDimension(dc, ColumnX(i - 1), ColumnX(i), y, FormatSketchValue(m_aSpacings.GetAt(i)));
}

void CBentCapExtendSketch::OnPaint()
{
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  const Frame f = LayoutElevation(client);
  PaintElevation(dc, client, f, ColumnPiece{30, 20, 15.0});
  if (ColumnCount() == 0)
    return;

  CSketchFonts fonts(m_pFont);
  CFont* oldFont = dc.SelectObject(fonts.Normal());
  CPen barPen(PS_SOLID, 1, m_crBar);
  CPen* oldPen = dc.SelectObject(&barPen);
  DrawBars(dc, f);
  CPen dimensionPen(PS_SOLID, 1, m_crDimension);
  dc.SelectObject(&dimensionPen);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(m_crDimension);
  DrawLetters(dc, f);
  DrawSpacings(dc, f);
  dc.SelectObject(oldPen);
  dc.SelectObject(oldFont);
}
