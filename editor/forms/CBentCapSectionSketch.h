// The sketch of the section-position form: a cut mark at every column and every mid-span of the
// schematic elevation; the chosen positions lettered Ⅰ to Ⅻ in order along the cap, the
// selected one green.
#pragma once

#include "CBentCapElevationSketch.h"

class CBentCapSectionSketch : public CBentCapElevationSketch {
public:
  CBentCapSectionSketch();

  COLORREF m_crHighlight;
  // Chosen positions: k (1 to n) the section at column k, n + k the mid-span after column k.
  CArray<int, const int&> m_aPositions;
  // The selected position; -1 for none.
  int m_nSelected = -1;

  // The label of the i-th chosen position (0-based) along the cap.
  static CString PositionLabel(int i);

protected:
  void OnPaint() override;

private:
  bool IsChosen(int position) const;
  // Draws the cut mark of one position and, when it is chosen, its label; label counts the
  // chosen positions met so far.
  void DrawCut(CDC& dc, const Frame& f, int x, int position, int& label) const;
};
