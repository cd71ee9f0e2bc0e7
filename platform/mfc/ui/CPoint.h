// A point in pixels.
#pragma once

#include "WinGeometry.h"

class CPoint : public POINT {
public:
  CPoint() : POINT{0, 0} {}
  CPoint(int x0, int y0) : POINT{x0, y0} {}
  bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
};
