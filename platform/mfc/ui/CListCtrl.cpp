#include "CListCtrl.h"

#include "QtText.h"

#include <QHeaderView>
#include <QTreeWidget>

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
  auto* tree = new QTreeWidget;
  tree->setRootIsDecorated(false);
  tree->setItemsExpandable(false);
  tree->setUniformRowHeights(true);
  tree->setColumnCount(0);
  tree->setSelectionBehavior(QAbstractItemView::SelectRows);
  tree->setContextMenuPolicy(Qt::CustomContextMenu);
  tree->setSelectionMode((dwStyle & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                   : QAbstractItemView::ExtendedSelection);
  const HWND self = m_hWnd;
  QObject::connect(tree, &QTreeWidget::itemClicked, tree, [self, tree](QTreeWidgetItem* item, int column) {
    if (CWnd* wnd = FromHandle(self))
      static_cast<CListCtrl*>(wnd)->Notify(NM_CLICK, tree->indexOfTopLevelItem(item), column);
  });
  QObject::connect(tree, &QTreeWidget::itemDoubleClicked, tree, [self, tree](QTreeWidgetItem* item, int column) {
    if (CWnd* wnd = FromHandle(self))
      static_cast<CListCtrl*>(wnd)->Notify(NM_DBLCLK, tree->indexOfTopLevelItem(item), column);
  });
  QObject::connect(tree, &QWidget::customContextMenuRequested, tree, [self, tree](const QPoint& at) {
    if (CWnd* wnd = FromHandle(self)) {
      QTreeWidgetItem* item = tree->itemAt(at);
      static_cast<CListCtrl*>(wnd)->Notify(NM_RCLICK, item ? tree->indexOfTopLevelItem(item) : -1, 0);
    }
  });
  return AttachWidget(tree, pParentWnd, nID, dwStyle, rect);
}

QTreeWidget* CListCtrl::Tree() const { return static_cast<QTreeWidget*>(GetWidget()); }

bool CListCtrl::ValidRow(int nItem) const { return Tree() && nItem >= 0 && nItem < Tree()->topLevelItemCount(); }

void CListCtrl::Notify(UINT code, int nItem, int nSubItem)
{
  CWnd* parent = GetParent();
  if (!parent)
    return;
  NMITEMACTIVATE notice{NMHDR{m_hWnd, GetDlgCtrlID(), code}, nItem, nSubItem};
  parent->SendMessage(WM_NOTIFY, GetDlgCtrlID(), reinterpret_cast<LPARAM>(&notice));
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth)
{
  QTreeWidget* tree = Tree();
  if (!tree || nCol < 0)
    return -1;
  const int count = tree->columnCount();
  const int col = nCol > count ? count : nCol;
  QTreeWidgetItem* header = tree->headerItem();
  tree->setColumnCount(count + 1);
  for (int c = count; c > col; --c) {
    header->setText(c, header->text(c - 1));
    header->setTextAlignment(c, Qt::Alignment::fromInt(header->textAlignment(c - 1)));
    for (int r = 0; r < tree->topLevelItemCount(); ++r)
      tree->topLevelItem(r)->setText(c, tree->topLevelItem(r)->text(c - 1));
  }
  for (int r = 0; r < tree->topLevelItemCount(); ++r)
    tree->topLevelItem(r)->setText(col, QString());
  header->setText(col, ToQString(lpszColumnHeading));
  const Qt::Alignment align = nFormat == LVCFMT_RIGHT ? Qt::AlignRight : nFormat == LVCFMT_CENTER ? Qt::AlignHCenter : Qt::AlignLeft;
  header->setTextAlignment(col, align | Qt::AlignVCenter);
  if (nWidth >= 0)
    tree->setColumnWidth(col, nWidth);
  return col;
}

BOOL CListCtrl::DeleteColumn(int nCol)
{
  QTreeWidget* tree = Tree();
  if (!tree || nCol < 0 || nCol >= tree->columnCount())
    return FALSE;
  const int count = tree->columnCount();
  QTreeWidgetItem* header = tree->headerItem();
  for (int c = nCol; c + 1 < count; ++c) {
    header->setText(c, header->text(c + 1));
    for (int r = 0; r < tree->topLevelItemCount(); ++r)
      tree->topLevelItem(r)->setText(c, tree->topLevelItem(r)->text(c + 1));
  }
  tree->setColumnCount(count - 1);
  return TRUE;
}

int CListCtrl::GetColumnCount() const { return Tree() ? Tree()->columnCount() : 0; }

CString CListCtrl::GetColumnHeading(int nCol) const
{
  if (nCol < 0 || nCol >= GetColumnCount())
    return CString();
  return FromQString(Tree()->headerItem()->text(nCol));
}

int CListCtrl::GetColumnWidth(int nCol) const
{
  return nCol < 0 || nCol >= GetColumnCount() ? 0 : Tree()->columnWidth(nCol);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
  QTreeWidget* tree = Tree();
  if (!tree || nItem < 0)
    return -1;
  const int row = nItem > tree->topLevelItemCount() ? tree->topLevelItemCount() : nItem;
  auto* item = new QTreeWidgetItem;
  item->setText(0, ToQString(lpszItem));
  tree->insertTopLevelItem(row, item);
  return row;
}

BOOL CListCtrl::DeleteItem(int nItem)
{
  if (!ValidRow(nItem))
    return FALSE;
  delete Tree()->takeTopLevelItem(nItem);
  return TRUE;
}

BOOL CListCtrl::DeleteAllItems()
{
  if (!Tree())
    return FALSE;
  Tree()->clear();
  return TRUE;
}

int CListCtrl::GetItemCount() const { return Tree() ? Tree()->topLevelItemCount() : 0; }

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
  if (!ValidRow(nItem) || nSubItem < 0 || nSubItem >= Tree()->columnCount())
    return FALSE;
  Tree()->topLevelItem(nItem)->setText(nSubItem, ToQString(lpszText));
  return TRUE;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
  if (!ValidRow(nItem) || nSubItem < 0)
    return CString();
  return FromQString(Tree()->topLevelItem(nItem)->text(nSubItem));
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
  if (!ValidRow(nItem))
    return FALSE;
  Tree()->topLevelItem(nItem)->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<quintptr>(dwData)));
  return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
  if (!ValidRow(nItem))
    return 0;
  return static_cast<DWORD_PTR>(Tree()->topLevelItem(nItem)->data(0, Qt::UserRole).value<quintptr>());
}

int CListCtrl::GetNextItem(int nItem, UINT nFlags) const
{
  QTreeWidget* tree = Tree();
  if (!tree)
    return -1;
  for (int r = nItem < 0 ? 0 : nItem + 1; r < tree->topLevelItemCount(); ++r)
    if (!(nFlags & LVNI_SELECTED) || tree->topLevelItem(r)->isSelected())
      return r;
  return -1;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
  QTreeWidget* tree = Tree();
  if (!tree || (nItem != -1 && !ValidRow(nItem)))
    return FALSE;
  for (int r = 0; r < tree->topLevelItemCount(); ++r) {
    if (nItem != -1 && r != nItem)
      continue;
    QTreeWidgetItem* item = tree->topLevelItem(r);
    // A single-selection list keeps one selected row, as it does for the user.
    const bool select = (nMask & LVIS_SELECTED) && (nState & LVIS_SELECTED);
    if (select && nItem != -1 && tree->selectionMode() == QAbstractItemView::SingleSelection) {
      tree->clearSelection();
      tree->setCurrentItem(item);
    }
    if (nMask & LVIS_SELECTED)
      item->setSelected(select);
    if ((nMask & LVIS_FOCUSED) && (nState & LVIS_FOCUSED))
      tree->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
  }
  return TRUE;
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
  if (!ValidRow(nItem))
    return 0;
  QTreeWidgetItem* item = Tree()->topLevelItem(nItem);
  UINT state = 0;
  if (item->isSelected())
    state |= LVIS_SELECTED;
  if (Tree()->currentItem() == item)
    state |= LVIS_FOCUSED;
  return state & nMask;
}

UINT CListCtrl::GetSelectedCount() const
{
  return Tree() ? static_cast<UINT>(Tree()->selectedItems().size()) : 0;
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL)
{
  if (!ValidRow(nItem))
    return FALSE;
  Tree()->scrollToItem(Tree()->topLevelItem(nItem));
  return TRUE;
}

void CListCtrl::ClickItem(int nItem, UINT nCode)
{
  const int row = ValidRow(nItem) ? nItem : -1;
  if (row >= 0)
    SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
  Notify(nCode, row, 0);
}
