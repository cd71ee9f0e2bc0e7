#include "CTreeCtrl.h"

#include "QtText.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace {

HTREEITEM HandleOf(QTreeWidgetItem* item) { return reinterpret_cast<HTREEITEM>(item); }

bool Contains(const QTreeWidgetItem* parent, const QTreeWidgetItem* item)
{
  for (int i = 0; i < parent->childCount(); ++i)
    if (parent->child(i) == item || Contains(parent->child(i), item))
      return true;
  return false;
}

} // namespace

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
  auto* tree = new QTreeWidget;
  tree->setColumnCount(1);
  tree->header()->hide();
  tree->setRootIsDecorated((dwStyle & TVS_LINESATROOT) != 0);
  const HWND self = m_hWnd;
  QObject::connect(tree, &QTreeWidget::currentItemChanged, tree,
                   [self](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
                     if (CWnd* wnd = FromHandle(self))
                       static_cast<CTreeCtrl*>(wnd)->NotifySelection(current, previous);
                   });
  return AttachWidget(tree, pParentWnd, nID, dwStyle, rect);
}

QTreeWidget* CTreeCtrl::Tree() const { return static_cast<QTreeWidget*>(GetWidget()); }

QTreeWidgetItem* CTreeCtrl::ItemOf(HTREEITEM hItem) const
{
  QTreeWidget* tree = Tree();
  auto* item = reinterpret_cast<QTreeWidgetItem*>(hItem);
  if (!tree || !item || hItem == TVI_ROOT || hItem == TVI_FIRST || hItem == TVI_LAST)
    return nullptr;
  return Contains(tree->invisibleRootItem(), item) ? item : nullptr;
}

void CTreeCtrl::NotifySelection(QTreeWidgetItem* current, QTreeWidgetItem* previous)
{
  CWnd* parent = GetParent();
  if (!parent)
    return;
  NMTREEVIEW notice{};
  notice.hdr = NMHDR{m_hWnd, GetDlgCtrlID(), TVN_SELCHANGED};
  notice.itemOld = TVITEM{HandleOf(previous), previous ? static_cast<LPARAM>(GetItemData(HandleOf(previous))) : 0};
  notice.itemNew = TVITEM{HandleOf(current), current ? static_cast<LPARAM>(GetItemData(HandleOf(current))) : 0};
  parent->SendMessage(WM_NOTIFY, GetDlgCtrlID(), reinterpret_cast<LPARAM>(&notice));
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
  QTreeWidget* tree = Tree();
  if (!tree)
    return nullptr;
  QTreeWidgetItem* parent = hParent == TVI_ROOT || !hParent ? tree->invisibleRootItem() : ItemOf(hParent);
  if (!parent)
    return nullptr;
  int index = parent->childCount();
  if (hInsertAfter == TVI_FIRST)
    index = 0;
  else if (hInsertAfter != TVI_LAST && hInsertAfter) {
    QTreeWidgetItem* after = ItemOf(hInsertAfter);
    if (!after || after->parent() != (parent == tree->invisibleRootItem() ? nullptr : parent))
      return nullptr;
    index = parent->indexOfChild(after) + 1;
  }
  auto* item = new QTreeWidgetItem(QStringList(ToQString(lpszItem)));
  parent->insertChild(index, item);
  return HandleOf(item);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem)
{
  if (hItem == TVI_ROOT)
    return DeleteAllItems();
  QTreeWidgetItem* item = ItemOf(hItem);
  if (!item)
    return FALSE;
  delete item;
  return TRUE;
}

BOOL CTreeCtrl::DeleteAllItems()
{
  if (!Tree())
    return FALSE;
  Tree()->clear();
  return TRUE;
}

UINT CTreeCtrl::GetCount() const
{
  if (!Tree())
    return 0;
  UINT count = 0;
  for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
    ++count;
  return count;
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
  QTreeWidgetItem* item = ItemOf(hItem);
  return item ? FromQString(item->text(0)) : CString();
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem)
{
  QTreeWidgetItem* item = ItemOf(hItem);
  if (!item)
    return FALSE;
  item->setText(0, ToQString(lpszItem));
  return TRUE;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
  QTreeWidgetItem* item = ItemOf(hItem);
  return item ? static_cast<DWORD_PTR>(item->data(0, Qt::UserRole).value<quintptr>()) : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
  QTreeWidgetItem* item = ItemOf(hItem);
  if (!item)
    return FALSE;
  item->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<quintptr>(dwData)));
  return TRUE;
}

HTREEITEM CTreeCtrl::GetRootItem() const
{
  return Tree() && Tree()->topLevelItemCount() > 0 ? HandleOf(Tree()->topLevelItem(0)) : nullptr;
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const
{
  if (hItem == TVI_ROOT || !hItem)
    return GetRootItem();
  QTreeWidgetItem* item = ItemOf(hItem);
  return item && item->childCount() > 0 ? HandleOf(item->child(0)) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const
{
  QTreeWidgetItem* item = ItemOf(hItem);
  if (!item)
    return nullptr;
  QTreeWidgetItem* parent = item->parent() ? item->parent() : Tree()->invisibleRootItem();
  const int next = parent->indexOfChild(item) + 1;
  return next < parent->childCount() ? HandleOf(parent->child(next)) : nullptr;
}

HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM hItem) const
{
  QTreeWidgetItem* item = ItemOf(hItem);
  if (!item)
    return nullptr;
  QTreeWidgetItem* parent = item->parent() ? item->parent() : Tree()->invisibleRootItem();
  const int previous = parent->indexOfChild(item) - 1;
  return previous >= 0 ? HandleOf(parent->child(previous)) : nullptr;
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const
{
  QTreeWidgetItem* item = ItemOf(hItem);
  return item ? HandleOf(item->parent()) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const
{
  switch (nCode) {
  case TVGN_ROOT: return GetRootItem();
  case TVGN_NEXT: return GetNextSiblingItem(hItem);
  case TVGN_PREVIOUS: return GetPrevSiblingItem(hItem);
  case TVGN_PARENT: return GetParentItem(hItem);
  case TVGN_CHILD: return GetChildItem(hItem);
  case TVGN_CARET: return GetSelectedItem();
  default: return nullptr;
  }
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const
{
  QTreeWidgetItem* item = ItemOf(hItem);
  return item && item->childCount() > 0;
}

HTREEITEM CTreeCtrl::GetSelectedItem() const { return Tree() ? HandleOf(Tree()->currentItem()) : nullptr; }

BOOL CTreeCtrl::SelectItem(HTREEITEM hItem)
{
  if (!Tree())
    return FALSE;
  QTreeWidgetItem* item = ItemOf(hItem);
  if (hItem && !item)
    return FALSE;
  Tree()->setCurrentItem(item);
  return TRUE;
}

BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode)
{
  QTreeWidgetItem* item = ItemOf(hItem);
  if (!item)
    return FALSE;
  if (nCode & TVE_EXPAND)
    item->setExpanded(true);
  else if (nCode & TVE_COLLAPSE)
    item->setExpanded(false);
  return TRUE;
}

BOOL CTreeCtrl::IsExpanded(HTREEITEM hItem) const
{
  QTreeWidgetItem* item = ItemOf(hItem);
  return item && item->isExpanded();
}
