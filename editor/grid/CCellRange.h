// A rectangle of grid cells from (minimum row, minimum column) to (maximum row, maximum column),
// both corners included. A default range is (-1, -1, -1, -1), which holds no cell.
#pragma once

#include "CCellID.h"

class CCellRange {
public:
  CCellRange(int nMinRow = -1, int nMinCol = -1, int nMaxRow = -1, int nMaxCol = -1);
  void Set(int nMinRow = -1, int nMinCol = -1, int nMaxRow = -1, int nMaxCol = -1);

  int GetMinRow() const { return m_nMinRow; }
  void SetMinRow(int minRow) { m_nMinRow = minRow; }
  int GetMinCol() const { return m_nMinCol; }
  void SetMinCol(int minCol) { m_nMinCol = minCol; }
  int GetMaxRow() const { return m_nMaxRow; }
  void SetMaxRow(int maxRow) { m_nMaxRow = maxRow; }
  int GetMaxCol() const { return m_nMaxCol; }
  void SetMaxCol(int maxCol) { m_nMaxCol = maxCol; }

  int GetRowSpan() const { return m_nMaxRow - m_nMinRow + 1; }
  int GetColSpan() const { return m_nMaxCol - m_nMinCol + 1; }
  int Count() const { return GetRowSpan() * GetColSpan(); }

  BOOL IsValid() const;
  BOOL InRange(int row, int col) const;
  BOOL InRange(const CCellID& cellID) const;
  CCellID GetTopLeft() const { return CCellID(m_nMinRow, m_nMinCol); }
  // The overlap of the two ranges; not valid when they do not overlap.
  CCellRange Intersect(const CCellRange& rhs) const;

  BOOL operator==(const CCellRange& rhs) const;
  BOOL operator!=(const CCellRange& rhs) const { return !(*this == rhs); }

private:
  int m_nMinRow;
  int m_nMinCol;
  int m_nMaxRow;
  int m_nMaxCol;
};
