// The schematic elevation that several sketches share: the cap's outline (tapered ends or an
// abutment cap's plain rectangle) and the pier columns with their axes, the pieces below the cap and their break lines.
// Pictures are not to scale: every size is a fixed number of pixels of the sketch.
#pragma once

#include "CArray.h"
#include "CDC.h"
#include "CStatic.h"
#include "WinGdi.h"

class CBentCapElevationSketch : public CStatic {
public:
  CBentCapElevationSketch(int length, int middleHeight, int endHeight, int taperLength, int columnCount);

  int m_nAbutment = 0;
  int m_nColumnCount;
  int m_nLength;
  int m_nMiddleHeight;
  int m_nEndHeight;
  int m_nTaperLength;
  COLORREF m_crOutline;
  COLORREF m_crAxis;
  COLORREF m_crDimension;
  // x of each column axis; placed again by the next paint once emptied.
  CArray<int, const int&> m_aColumnX;
  // The form font; not owned.
  LOGFONT* m_pFont = nullptr;

protected:
  // Where the elevation lies in the client area.
  struct Frame {
    int centre;
    int xl;
    int xr;
    int top;
    int yb; // bottom of the middle part
    int e;  // depth of each end
  };
  // The piece of each column shown below the cap, cut off by its break line: half width, depth
  // below the cap and the break arcs' half chord (30, 20 and 15 in a full-size sketch).
  struct ColumnPiece {
    int halfWidth;
    int foot;
    double arcOffset;
  };

  // The plan under the elevation: its centre line, half width and the end offset of the skew ends.
  struct Plan {
    int yc;
    int u;
    int s;
  };
  // The plan's outline with its skewed ends and its centre line.
  void DrawPlan(CDC& dc, const Frame& f, const Plan& p) const;

  Frame LayoutElevation(const CRect& client, int centreShift = 0) const;
  // Places the columns when the position array is empty.
  void PlaceColumns(const Frame& frame);
  void DrawOutline(CDC& dc, const Frame& frame) const;
  void DrawColumns(CDC& dc, const Frame& frame, const ColumnPiece& column) const;
  // Black ground, outline and columns: what every elevation sketch paints first.
  void PaintElevation(CDC& dc, const CRect& client, const Frame& frame, const ColumnPiece& column);
  int ColumnCount() const { return static_cast<int>(m_aColumnX.GetSize()); }
  int ColumnX(int i) const { return m_aColumnX.GetAt(i); }
};
