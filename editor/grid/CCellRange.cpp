#include "CCellRange.h"

#include <algorithm>

CCellRange::CCellRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol)
{
  Set(nMinRow, nMinCol, nMaxRow, nMaxCol);
}

void CCellRange::Set(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol)
{
  m_nMinRow = nMinRow;
  m_nMinCol = nMinCol;
  m_nMaxRow = nMaxRow;
  m_nMaxCol = nMaxCol;
}

BOOL CCellRange::IsValid() const
{
  return m_nMinRow >= 0 && m_nMinCol >= 0 && m_nMaxRow >= 0 && m_nMaxCol >= 0 && m_nMinRow <= m_nMaxRow
         && m_nMinCol <= m_nMaxCol;
}

BOOL CCellRange::InRange(int row, int col) const
{
  return row >= m_nMinRow && row <= m_nMaxRow && col >= m_nMinCol && col <= m_nMaxCol;
}

BOOL CCellRange::InRange(const CCellID& cellID) const { return InRange(cellID.row, cellID.col); }

CCellRange CCellRange::Intersect(const CCellRange& rhs) const
{
  return CCellRange(std::max(m_nMinRow, rhs.m_nMinRow), std::max(m_nMinCol, rhs.m_nMinCol),
                    std::min(m_nMaxRow, rhs.m_nMaxRow), std::min(m_nMaxCol, rhs.m_nMaxCol));
}

BOOL CCellRange::operator==(const CCellRange& rhs) const
{
  return m_nMinRow == rhs.m_nMinRow && m_nMinCol == rhs.m_nMinCol && m_nMaxRow == rhs.m_nMaxRow
         && m_nMaxCol == rhs.m_nMaxCol;
}
