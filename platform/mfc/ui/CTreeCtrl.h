// A tree control on a QTreeWidget. Items are handles (HTREEITEM) and carry a value each. A
// change of the selected item, by the user or by SelectItem, tells the parent TVN_SELCHANGED
// through WM_NOTIFY with an NMTREEVIEW.
#pragma once

#include "CWnd.h"

struct _TREEITEM;
typedef _TREEITEM* HTREEITEM;
#define TVI_ROOT (reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(0) - 0x10000))
#define TVI_FIRST (reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(0) - 0x0FFFF))
#define TVI_LAST (reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(0) - 0x0FFFE))

struct TVITEM {
  HTREEITEM hItem;
  LPARAM lParam;
};
struct NMTREEVIEW {
  NMHDR hdr;
  UINT action;
  TVITEM itemOld;
  TVITEM itemNew;
};

class QTreeWidget;
class QTreeWidgetItem;

class CTreeCtrl : public CWnd {
public:
  using CWnd::Create;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // Null when the parent or the item to insert after is no item of this tree.
  HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
  BOOL DeleteItem(HTREEITEM hItem);
  BOOL DeleteAllItems();
  UINT GetCount() const;

  CString GetItemText(HTREEITEM hItem) const;
  BOOL SetItemText(HTREEITEM hItem, LPCTSTR lpszItem);
  DWORD_PTR GetItemData(HTREEITEM hItem) const;
  BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);

  HTREEITEM GetRootItem() const;
  HTREEITEM GetChildItem(HTREEITEM hItem) const;
  HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const;
  HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const;
  HTREEITEM GetParentItem(HTREEITEM hItem) const;
  HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;
  BOOL ItemHasChildren(HTREEITEM hItem) const;

  HTREEITEM GetSelectedItem() const;
  BOOL SelectItem(HTREEITEM hItem);
  BOOL Expand(HTREEITEM hItem, UINT nCode);
  BOOL IsExpanded(HTREEITEM hItem) const;

private:
  QTreeWidget* Tree() const;
  // The tree's item of a handle; null for a handle that is no item of this tree.
  QTreeWidgetItem* ItemOf(HTREEITEM hItem) const;
  void NotifySelection(QTreeWidgetItem* current, QTreeWidgetItem* previous);
};
