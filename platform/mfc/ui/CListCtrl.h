// A report list on a flat QTreeWidget: rows of cells under titled columns, one row selected at a
// time. A click, double click or right click on a row tells the parent NM_CLICK, NM_DBLCLK or
// NM_RCLICK through WM_NOTIFY with an NMITEMACTIVATE (iItem the row, -1 off the rows); selecting
// from code tells nobody.
#pragma once

#include "CWnd.h"

#define LVS_REPORT 0x0001U
#define LVS_SINGLESEL 0x0004U
#define LVS_SHOWSELALWAYS 0x0008U
#define LVCFMT_LEFT 0
#define LVNI_ALL 0x0000U
#define LVNI_SELECTED 0x0002U
#define LVIS_SELECTED 0x0002U
#define NM_RCLICK (0U - 5U)

struct NMITEMACTIVATE {
  NMHDR hdr;
  int iItem;
  int iSubItem;
};

class QTreeWidget;

class CListCtrl : public CWnd {
public:
  using CWnd::Create;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // Index of the new column; -1 for a bad index.
  int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1);
  BOOL DeleteColumn(int nCol);
  int GetColumnCount() const;
  CString GetColumnHeading(int nCol) const;
  int GetColumnWidth(int nCol) const;

  // Index of the new row; -1 for a bad index.
  int InsertItem(int nItem, LPCTSTR lpszItem);
  BOOL DeleteItem(int nItem);
  BOOL DeleteAllItems();
  int GetItemCount() const;
  BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
  CString GetItemText(int nItem, int nSubItem) const;

  // The next row after nItem (-1: from the top) with the flags; -1 for none.
  int GetNextItem(int nItem, int nFlags) const;
  // LVIS_SELECTED in nState and nMask selects the row (and only it) or clears it.
  BOOL SetItemState(int nItem, UINT nState, UINT nMask);
  // A click on a row as the user makes it (-1 off the rows).
  void ClickItem(int nItem, UINT nCode);

private:
  QTreeWidget* Tree() const;
  void Notify(int nItem, UINT nCode);
};
