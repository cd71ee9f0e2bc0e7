// A rectangle in pixels: right and bottom lie just outside it, as in Windows.
#pragma once

#include "CPoint.h"
#include "WinGeometry.h"

class CRect : public RECT {
public:
  CRect() : RECT{0, 0, 0, 0} {}
  CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  CRect(const RECT& r) : RECT(r) {}
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CPoint TopLeft() const { return CPoint(left, top); }
  CPoint BottomRight() const { return CPoint(right, bottom); }
  CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
  BOOL IsRectEmpty() const { return right <= left || bottom <= top; }
  BOOL PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
  void DeflateRect(int dx, int dy) { left += dx; right -= dx; top += dy; bottom -= dy; }
  void InflateRect(int dx, int dy) { DeflateRect(-dx, -dy); }
  bool operator==(const CRect& o) const
  {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};
