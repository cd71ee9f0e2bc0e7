#include "GridAxis.h"

#include "CGridCtrl.h"

#include <algorithm>

GridAxis::GridAxis(const CGridCtrl& grid, bool rows)
    : m_grid(&grid), m_rows(rows), m_count(rows ? grid.GetRowCount() : grid.GetColumnCount()),
      m_fixed(rows ? grid.GetFixedRowCount() : grid.GetFixedColumnCount()),
      m_fixedExtent(rows ? grid.GetFixedRowHeight() : grid.GetFixedColumnWidth())
{
}

GridAxis GridAxis::RowsOf(const CGridCtrl& grid) { return GridAxis(grid, true); }

GridAxis GridAxis::ColumnsOf(const CGridCtrl& grid) { return GridAxis(grid, false); }

int GridAxis::Size(int index) const { return m_rows ? m_grid->GetRowHeight(index) : m_grid->GetColumnWidth(index); }

int GridAxis::FirstShown(int pos) const
{
  int index = m_fixed;
  for (int end = 0; end < pos && index < m_count - 1;)
    end += Size(index++);
  return index;
}

int GridAxis::LastShown(int first, int extent, bool bPartial, int* pEnd) const
{
  int end = m_fixedExtent;
  int index = first;
  for (; index < m_count; ++index) {
    end += Size(index);
    if (end >= extent)
      break;
  }
  int last = std::min(index, m_count - 1);
  if (!bPartial && last > first && end > extent)
    --last;
  if (pEnd)
    *pEnd = std::min(end, extent);
  return last;
}

int GridAxis::Origin(int index, int first) const
{
  int origin = index < m_fixed ? 0 : m_fixedExtent;
  for (int i = index < m_fixed ? 0 : first; i < index; ++i)
    origin += Size(i);
  return origin;
}

int GridAxis::IndexAt(int pos, int first, bool allowFixed) const
{
  if (pos < 0 || (!allowFixed && pos < m_fixedExtent))
    return -1;
  const bool fixed = pos < m_fixedExtent;
  const int stop = fixed ? m_fixed : m_count;
  int index = fixed ? 0 : first;
  for (int end = fixed ? 0 : m_fixedExtent; index < stop; ++index) {
    end += Size(index);
    if (end > pos)
      break;
  }
  return !fixed && index >= m_count ? -1 : index;
}
