#include "CListCtrl.h"

#include "QtText.h"

#include <QHeaderView>
#include <QTreeWidget>

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
  auto* tree = new QTreeWidget;
  tree->setRootIsDecorated(false);
  tree->setColumnCount(0);
  tree->setSelectionMode((dwStyle & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                   : QAbstractItemView::ExtendedSelection);
  tree->setSelectionBehavior(QAbstractItemView::SelectRows);
  tree->setContextMenuPolicy(Qt::CustomContextMenu);
  const HWND self = m_hWnd;
  auto rowOf = [tree](QTreeWidgetItem* item) { return item ? tree->indexOfTopLevelItem(item) : -1; };
  QObject::connect(tree, &QTreeWidget::itemClicked, tree, [self, rowOf](QTreeWidgetItem* item, int) {
    if (CWnd* wnd = FromHandle(self))
      static_cast<CListCtrl*>(wnd)->Notify(rowOf(item), NM_CLICK);
  });
  QObject::connect(tree, &QTreeWidget::itemDoubleClicked, tree, [self, rowOf](QTreeWidgetItem* item, int) {
    if (CWnd* wnd = FromHandle(self))
      static_cast<CListCtrl*>(wnd)->Notify(rowOf(item), NM_DBLCLK);
  });
  QObject::connect(tree, &QWidget::customContextMenuRequested, tree, [self, tree, rowOf](const QPoint& at) {
    if (CWnd* wnd = FromHandle(self))
      static_cast<CListCtrl*>(wnd)->Notify(rowOf(tree->itemAt(at)), NM_RCLICK);
  });
  return AttachWidget(tree, pParentWnd, nID, dwStyle, rect);
}

QTreeWidget* CListCtrl::Tree() const { return static_cast<QTreeWidget*>(GetWidget()); }

void CListCtrl::Notify(int nItem, UINT nCode)
{
  CWnd* parent = GetParent();
  if (!parent)
    return;
  NMITEMACTIVATE notice{};
  notice.hdr = NMHDR{m_hWnd, GetDlgCtrlID(), nCode};
  notice.iItem = nItem;
  parent->SendMessage(WM_NOTIFY, GetDlgCtrlID(), reinterpret_cast<LPARAM>(&notice));
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int, int nWidth)
{
  QTreeWidget* tree = Tree();
  const int count = GetColumnCount();
  if (!tree || nCol < 0 || nCol > count)
    return -1;
  QStringList headings;
  for (int i = 0; i < count; ++i)
    headings << tree->headerItem()->text(i);
  headings.insert(nCol, ToQString(lpszColumnHeading));
  tree->setColumnCount(count + 1);
  tree->setHeaderLabels(headings);
  // Cells of the rows move right with their columns.
  for (int row = 0; row < tree->topLevelItemCount(); ++row) {
    QTreeWidgetItem* item = tree->topLevelItem(row);
    for (int col = count; col > nCol; --col)
      item->setText(col, item->text(col - 1));
    item->setText(nCol, QString());
  }
  if (nWidth >= 0)
    tree->setColumnWidth(nCol, nWidth);
  return nCol;
}

BOOL CListCtrl::DeleteColumn(int nCol)
{
  QTreeWidget* tree = Tree();
  const int count = GetColumnCount();
  if (!tree || nCol < 0 || nCol >= count)
    return FALSE;
  QStringList headings;
  for (int i = 0; i < count; ++i)
    if (i != nCol)
      headings << tree->headerItem()->text(i);
  for (int row = 0; row < tree->topLevelItemCount(); ++row) {
    QTreeWidgetItem* item = tree->topLevelItem(row);
    for (int col = nCol; col + 1 < count; ++col)
      item->setText(col, item->text(col + 1));
  }
  tree->setColumnCount(count - 1);
  tree->setHeaderLabels(headings);
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
  QTreeWidget* tree = Tree();
  if (!tree || nItem < 0 || nItem >= tree->topLevelItemCount())
    return FALSE;
  delete tree->takeTopLevelItem(nItem);
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
  if (nItem < 0 || nItem >= GetItemCount() || nSubItem < 0 || nSubItem >= GetColumnCount())
    return FALSE;
  Tree()->topLevelItem(nItem)->setText(nSubItem, ToQString(lpszText));
  return TRUE;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
  if (nItem < 0 || nItem >= GetItemCount() || nSubItem < 0 || nSubItem >= GetColumnCount())
    return CString();
  return FromQString(Tree()->topLevelItem(nItem)->text(nSubItem));
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
  for (int row = nItem + 1; row < GetItemCount(); ++row)
    if (!(nFlags & LVNI_SELECTED) || Tree()->topLevelItem(row)->isSelected())
      return row;
  return -1;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
  if (nItem < 0 || nItem >= GetItemCount())
    return FALSE;
  if (nMask & LVIS_SELECTED) {
    QTreeWidgetItem* item = Tree()->topLevelItem(nItem);
    if (nState & LVIS_SELECTED) {
      Tree()->clearSelection();
      Tree()->setCurrentItem(item);
    }
    item->setSelected((nState & LVIS_SELECTED) != 0);
  }
  return TRUE;
}

void CListCtrl::ClickItem(int nItem, UINT nCode)
{
  if (nItem >= 0 && nItem < GetItemCount())
    SetItemState(nItem, LVIS_SELECTED, LVIS_SELECTED);
  Notify(nItem >= 0 && nItem < GetItemCount() ? nItem : -1, nCode);
}
