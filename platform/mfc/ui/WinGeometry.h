// Points, sizes and rectangles of the window layer, in pixels, as Windows declares them; the
// class library wraps them in CPoint, CSize and CRect.
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
typedef POINT* LPPOINT;
typedef const RECT* LPCRECT;
typedef RECT* LPRECT;
