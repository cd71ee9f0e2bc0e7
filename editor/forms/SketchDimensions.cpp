#include "SketchDimensions.h"

#include "NumericHelpers.h"

namespace {

constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

struct DimensionLine {
  int x1, y1, x2, y2;
  bool horizontal;
};

// Steps 1 to 3 of both routines: the moved line and its two ticks.
DimensionLine DrawLineAndTicks(CDC* pDC, int x1, int y1, int x2, int y2, int side)
{
  DimensionLine line{x1, y1, x2, y2, y1 == y2};
  int o = 4;
  const int shift = side == 1 ? -10 : 10;
  if (side != 1)
    o = 8;
  if (line.horizontal) {
    line.y1 += shift;
    line.y2 += shift;
  } else {
    line.x1 += shift;
    line.x2 += shift;
  }
  pDC->MoveTo(line.x1, line.y1);
  pDC->LineTo(line.x2, line.y2);
  if (line.horizontal) {
    for (int x : {line.x1, line.x2}) {
      pDC->MoveTo(x, line.y1 - o);
      pDC->LineTo(x, line.y1 - o + 12);
    }
  } else {
    for (int y : {line.y1, line.y2}) {
      pDC->MoveTo(line.x1 - o, y);
      pDC->LineTo(line.x1 - o + 12, y);
    }
  }
  return line;
}

} // namespace

void DrawDimension(CDC* pDC, int x1, int y1, int x2, int y2, const CString& text, int side)
{
  if (!pDC)
    return;
  const DimensionLine line = DrawLineAndTicks(pDC, x1, y1, x2, y2, side);
  if (line.horizontal) {
    const int xm = (line.x1 + line.x2) / 2;
    CRect box(xm - 40, line.y1 - 14, xm + 40, line.y1 - 4);
    pDC->DrawText(text, &box, kCentred);
  } else {
    const int ym = (line.y1 + line.y2) / 2;
    CRect box(line.x1 - 20, ym - 20, line.x1 - 4, ym + 20);
    pDC->DrawText(text, &box, kCentred);
  }
}

void DrawDimensionUpright(CDC* pDC, int x1, int y1, int x2, int y2, const CString& text, int side)
{
  if (!pDC)
    return;
  const DimensionLine line = DrawLineAndTicks(pDC, x1, y1, x2, y2, side);
  if (line.horizontal) {
    const int xm = (line.x1 + line.x2) / 2;
    CRect box(xm - 20, line.y1 - 14, xm + 20, line.y1 - 4);
    pDC->DrawText(text, &box, kCentred);
  } else {
    const int ym = (line.y1 + line.y2) / 2;
    const int h = pDC->GetTextExtent(text).cy;
    DrawUprightText(pDC, text, line.x1 - 2 - h / 2, ym);
  }
}

// The window layer turns a text about the top-left corner of its box; the box is placed so
// that the turned text comes out centred on the point.
void DrawUprightText(CDC* pDC, const CString& text, int cx, int cy)
{
  if (!pDC)
    return;
  const CSize extent = pDC->GetTextExtent(text);
  const int w = extent.cx + 2;
  const int h = extent.cy + 2;
  CRect box(cx - h / 2, cy + w / 2, cx - h / 2 + w, cy + w / 2 + h);
  pDC->DrawText(text, &box, kCentred | DT_NOCLIP);
}

CString FormatSketchValue(double value) { return FormatFixed(value, -7); }
