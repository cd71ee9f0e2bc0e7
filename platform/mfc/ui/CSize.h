// A size in pixels.
#pragma once

#include "WinGeometry.h"

class CSize : public SIZE {
public:
  CSize() : SIZE{0, 0} {}
  CSize(int w, int h) : SIZE{w, h} {}
  bool operator==(const CSize& o) const { return cx == o.cx && cy == o.cy; }
};
