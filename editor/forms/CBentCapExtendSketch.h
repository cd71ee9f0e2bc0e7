// The sketch of the strengthening-bar form: the top strengthening bars over the columns and the
// bottom ones in the spans with their length letters "a" to "e", and the column spacings with
// their values below the elevation.
#pragma once

#include "CBentCapElevationSketch.h"

class CBentCapExtendSketch : public CBentCapElevationSketch {
public:
  CBentCapExtendSketch();

  COLORREF m_crBar;
  // In the current unit: entry 0 the left end to the first column, entry i the column i to
  // column i + 1, the last entry the last column to the right end. The owner fills it.
  CArray<double, const double&> m_aSpacings;

  static void DrawLengthDimension(CDC& dc, int x1, int x2, int y, const CString& text);

protected:
  void OnPaint() override;

private:
  void DrawTopBar(CDC& dc, const Frame& f, int x) const;
  void DrawBars(CDC& dc, const Frame& f) const;
  void DrawLetters(CDC& dc, const Frame& f) const;
  void DrawSpacings(CDC& dc, const Frame& f) const;
};
