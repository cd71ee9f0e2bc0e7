#include "CBentCapSpacingSketch.h"

#include "CPaintDC.h"
#include "CPen.h"
#include "CSketchFonts.h"

CBentCapSpacingSketch::CBentCapSpacingSketch() : CBentCapElevationSketch(700, 50, 30, 80, 3) {}

void CBentCapSpacingSketch::DrawLabel(CDC& dc, int x1, int x2, int y, int k) const
{
  dc.MoveTo(x1, y);
  dc.LineTo(x2, y);
  for (int x : {x1, x2}) {
    dc.MoveTo(x, y - 8);
    dc.LineTo(x, y + 4);
  }
  const int xm = (x1 + x2) / 2;
  CRect box(xm - 20, y - 20, xm + 20, y);
  CString text;
  text.Format(L"L(%d)", k);
  dc.DrawText(text, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CBentCapSpacingSketch::OnPaint()
{
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  const Frame f = LayoutElevation(client);
  PaintElevation(dc, client, f, ColumnPiece{30, 20, 15.0});

  CSketchFonts fonts(m_pFont);
  CFont* oldFont = dc.SelectObject(fonts.Normal());
  CPen pen(PS_SOLID, 1, m_crDimension);
  CPen* oldPen = dc.SelectObject(&pen);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(m_crDimension);
  // L(1) from the left end to the first column, L(k) between columns k - 1 and k, L(n) from the
  // right end to the last column.
  const int n = ColumnCount();
  const int y = f.yb + 50;
  for (int k = 1; k <= n; ++k) {
    if (k == 1)
      DrawLabel(dc, f.xl, ColumnX(0), y, k);
    else if (k < n)
      DrawLabel(dc, ColumnX(k - 2), ColumnX(k - 1), y, k);
    else
      DrawLabel(dc, f.xr, ColumnX(n - 1), y, k);
  }
  dc.SelectObject(oldPen);
  dc.SelectObject(oldFont);
}
