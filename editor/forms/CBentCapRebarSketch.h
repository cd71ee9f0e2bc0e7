// The sketch of the elevation-bar form: the schematic elevation with, in red, the typical run of
// one bar kind over the whole elevation or at one support. It shows no values.
#pragma once

#include "CBentCapElevationSketch.h"

#include <vector>

class CBentCapRebarSketch : public CBentCapElevationSketch {
public:
  CBentCapRebarSketch();

  // -1 the whole elevation, else the 0-based support index.
  int m_nSupport = -1;
  // 1 top straight bar, 2 bottom straight bar, 3 upper bent-up bar, 4 lower bent-up bar.
  int m_nKind = 1;
  COLORREF m_crBar;

  // Finishes the left end of a bent-up bar whose point list starts with p0 (the hook), p1 (the
  // end) and p2, p1-p2 being the first leg: the end is pulled back to the left taper when the
  // leg meets it before the bottom, and the hook follows the taper; else a short 15-pixel leg.
  void PlaceBarEnd(const Frame& frame, std::vector<CPoint>& points) const;

  static double LineLength(const CPoint& p1, const CPoint& p2);
  // The crossing of the line through p1 and p2 with the line through p3 and p4, truncated to
  // whole pixels; false (and q untouched) for a vertical or for parallel lines.
  static bool IntersectLines(const CPoint& p1, const CPoint& p2, const CPoint& p3, const CPoint& p4, CPoint& q);

protected:
  void OnPaint() override;

private:
  // The bar's points; arcs collects the centres of the bends joined by an arc.
  std::vector<CPoint> WholeElevationBar(const Frame& f, int pitch, const CRect& client, std::vector<CPoint>& arcs) const;
  std::vector<CPoint> SupportBar(const Frame& f, const CRect& client, std::vector<CPoint>& arcs) const;
  std::vector<CPoint> UpperBentBar(const Frame& f, int pitch, const CRect& client) const;
  std::vector<CPoint> LowerBentBar(const Frame& f, const CRect& client, int first, int last, bool hooks,
                                   std::vector<CPoint>& arcs) const;
  // Finishes the right end as the left one, in the mirror image about the sketch's middle.
  void PlaceRightEnd(const Frame& f, const CRect& client, std::vector<CPoint>& points) const;
  void DrawBar(CDC& dc, const std::vector<CPoint>& points, int pieceBreak) const;
};
