#include "CCheckListBox.h"

#include <QListWidget>

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
  if (!CListBox::Create(dwStyle, rect, pParentWnd, nID))
    return FALSE;
  auto* list = static_cast<QListWidget*>(GetWidget());
  const HWND self = m_hWnd;
  // Every item, whenever added, carries its tick.
  QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, list,
                   [self, list](const QModelIndex&, int first, int last) {
                     auto* box = static_cast<CCheckListBox*>(FromHandle(self));
                     if (!box)
                       return;
                     box->m_settingCheck = true;
                     for (int row = first; row <= last; ++row) {
                       QListWidgetItem* item = list->item(row);
                       item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                       item->setCheckState(Qt::Unchecked);
                     }
                     box->m_settingCheck = false;
                   });
  QObject::connect(list, &QListWidget::itemChanged, list, [self](QListWidgetItem*) {
    auto* box = static_cast<CCheckListBox*>(FromHandle(self));
    if (box && !box->m_settingCheck)
      box->NotifyParent(CLBN_CHKCHANGE);
  });
  return TRUE;
}

int CCheckListBox::GetCheck(int nIndex) const
{
  auto* list = static_cast<QListWidget*>(GetWidget());
  if (!list || nIndex < 0 || nIndex >= list->count())
    return -1;
  return list->item(nIndex)->checkState() == Qt::Checked ? BST_CHECKED : BST_UNCHECKED;
}

void CCheckListBox::SetCheck(int nIndex, int nCheck)
{
  auto* list = static_cast<QListWidget*>(GetWidget());
  if (!list || nIndex < 0 || nIndex >= list->count())
    return;
  m_settingCheck = true;
  list->item(nIndex)->setCheckState(nCheck == BST_CHECKED ? Qt::Checked : Qt::Unchecked);
  m_settingCheck = false;
}

void CCheckListBox::ToggleCheck(int nIndex)
{
  auto* list = static_cast<QListWidget*>(GetWidget());
  if (!list || nIndex < 0 || nIndex >= list->count())
    return;
  QListWidgetItem* item = list->item(nIndex);
  item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}
