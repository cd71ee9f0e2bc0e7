// Points, sizes and rectangles of the window layer, in pixels: the Windows structures and the
// class library's classes that wrap them.
#pragma once

#include "WinDef.h"

struct POINT {
  LONG x;
  LONG y;
};
struct SIZE {
  LONG cx;
  LONG cy;
};
struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};
typedef const RECT* LPCRECT;
typedef RECT* LPRECT;

class CPoint : public POINT {
public:
  CPoint() : POINT{0, 0} {}
  CPoint(int x0, int y0) : POINT{x0, y0} {}
  bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
};

class CSize : public SIZE {
public:
  CSize() : SIZE{0, 0} {}
  CSize(int w, int h) : SIZE{w, h} {}
  bool operator==(const CSize& o) const { return cx == o.cx && cy == o.cy; }
};

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
