// One direction of a grid's table, its rows or its columns: where each lies in the window,
// which are shown, and which lies under a point. Rows and columns are reckoned alike, so each
// reckoning is written once for both.
#pragma once

#include "CCellID.h"
#include "WinGeometry.h"

class CGridCtrl;

class GridAxis {
public:
  static GridAxis RowsOf(const CGridCtrl& grid);
  static GridAxis ColumnsOf(const CGridCtrl& grid);

  bool IsRows() const { return m_rows; }
  // The height of a row, the width of a column.
  int Size(int index) const;
  int Count() const { return m_count; }
  int Fixed() const { return m_fixed; }
  // The summed sizes of the fixed rows or columns.
  int FixedExtent() const { return m_fixedExtent; }
  // The row or the column of a cell, and the cell with it changed.
  int IndexOf(CCellID cell) const { return m_rows ? cell.row : cell.col; }
  CCellID WithIndex(CCellID cell, int index) const { return m_rows ? CCellID(index, cell.col) : CCellID(cell.row, index); }
  // A rectangle's start and end along this direction (top and bottom, or left and right).
  LONG& StartOf(RECT& rect) const { return m_rows ? rect.top : rect.left; }
  LONG& EndOf(RECT& rect) const { return m_rows ? rect.bottom : rect.right; }
  // A point's coordinate along this direction (y for rows, x for columns), and the point at a
  // coordinate along it and one across it.
  int Along(POINT point) const { return m_rows ? point.y : point.x; }
  POINT PointAt(int along, int across) const { return m_rows ? POINT{across, along} : POINT{along, across}; }

  // The first non-fixed index not scrolled out by a scroll position of pos pixels.
  int FirstShown(int pos) const;
  // The last index shown from first in a window of the given extent, and where it ends (cut to
  // the window). Without bPartial a last one that runs past the window is left out, unless it
  // is the only one.
  int LastShown(int first, int extent, bool bPartial, int* pEnd = nullptr) const;
  // Where the index starts, the non-fixed ones counted from the first shown.
  int Origin(int index, int first) const;
  // The index under a coordinate, the non-fixed ones counted from the first shown: -1 before
  // the table and past its end, and over the fixed ones without allowFixed.
  int IndexAt(int pos, int first, bool allowFixed) const;

  // Calls visit(index, start, end) for the indices first to last laid one after the other from
  // start, end inclusive: an index that ends before lo is passed over, and the first that
  // starts after hi ends the walk.
  template <class Visit>
  void ForEachSpan(int first, int last, int start, int lo, int hi, Visit visit) const
  {
    for (int index = first; index <= last; ++index) {
      const int end = start + Size(index) - 1;
      if (start > hi)
        break;
      if (end >= lo)
        visit(index, start, end);
      start = end + 1;
    }
  }

private:
  GridAxis(const CGridCtrl& grid, bool rows);

  const CGridCtrl* m_grid;
  bool m_rows;
  int m_count;
  int m_fixed;
  int m_fixedExtent;
};
