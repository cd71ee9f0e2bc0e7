// A list control in report view on a QTreeWidget without branches: columns with headings,
// rows of texts, one value per row, whole-row selection. A click and a double click tell the
// parent NM_CLICK, NM_DBLCLK or NM_RCLICK through WM_NOTIFY with an NMITEMACTIVATE naming row
// (-1 off the rows) and column; selecting from code tells nobody.
#pragma once

#include "CWnd.h"

#define LVS_REPORT 0x0001U
#define LVS_SINGLESEL 0x0004U
#define LVS_SHOWSELALWAYS 0x0008U
#define LVCFMT_LEFT 0x0000
#define LVCFMT_RIGHT 0x0001
#define LVCFMT_CENTER 0x0002
#define LVNI_ALL 0x0000U
#define LVNI_SELECTED 0x0002U
#define LVIS_FOCUSED 0x0001U
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

  int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1);
  BOOL DeleteColumn(int nCol);
  int GetColumnCount() const;
  CString GetColumnHeading(int nCol) const;
  int GetColumnWidth(int nCol) const;

  // The row's index, or -1 for an index past the end.
  int InsertItem(int nItem, LPCTSTR lpszItem);
  BOOL DeleteItem(int nItem);
  BOOL DeleteAllItems();
  int GetItemCount() const;
  BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
  CString GetItemText(int nItem, int nSubItem) const;
  BOOL SetItemData(int nItem, DWORD_PTR dwData);
  DWORD_PTR GetItemData(int nItem) const;

  // The next row after nItem (-1: from the top) with the state asked for; -1 when none.
  int GetNextItem(int nItem, UINT nFlags) const;
  BOOL SetItemState(int nItem, UINT nState, UINT nMask);
  UINT GetItemState(int nItem, UINT nMask) const;
  UINT GetSelectedCount() const;
  BOOL EnsureVisible(int nItem, BOOL bPartialOK);
  // A click on a row as the user makes it (-1 off the rows): selects it and tells the parent.
  void ClickItem(int nItem, UINT nCode);

private:
  QTreeWidget* Tree() const;
  bool ValidRow(int nItem) const;
  void Notify(UINT code, int nItem, int nSubItem);
};
