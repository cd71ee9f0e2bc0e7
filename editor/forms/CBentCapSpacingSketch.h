// The sketch of the pier-spacing form: the schematic elevation with the spacing labels L(1) to
// L(n) below it, n being the column count.
#pragma once

#include "CBentCapElevationSketch.h"

class CBentCapSpacingSketch : public CBentCapElevationSketch {
public:
  CBentCapSpacingSketch();

protected:
  void OnPaint() override;

private:
  void DrawLabel(CDC& dc, int x1, int x2, int y, int k) const;
};
