// The address of one grid cell: row and column from 0, fixed rows and columns included.
// A default address is (-1, -1), which names no cell.
#pragma once

#include "WinDef.h"

class CCellID {
public:
  CCellID(int nRow = -1, int nCol = -1) : row(nRow), col(nCol) {}

  BOOL IsValid() const { return row >= 0 && col >= 0; }
  BOOL operator==(const CCellID& rhs) const { return row == rhs.row && col == rhs.col; }
  BOOL operator!=(const CCellID& rhs) const { return !(*this == rhs); }

  int row;
  int col;
};
