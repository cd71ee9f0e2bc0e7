#include "CListBox.h"

#include "QtText.h"

#include <QListWidget>

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
  auto* list = new QListWidget;
  if (dwStyle & LBS_MULTIPLESEL)
    list->setSelectionMode(QAbstractItemView::MultiSelection);
  else if (dwStyle & LBS_EXTENDEDSEL)
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  const HWND self = m_hWnd;
  QObject::connect(list, &QListWidget::itemSelectionChanged, list, [self] {
    auto* box = static_cast<CListBox*>(FromHandle(self));
    if (box && !box->m_quiet)
      box->NotifyParent(LBN_SELCHANGE);
  });
  QObject::connect(list, &QListWidget::itemDoubleClicked, list, [self] {
    if (CWnd* wnd = FromHandle(self))
      static_cast<CListBox*>(wnd)->NotifyParent(LBN_DBLCLK);
  });
  return AttachWidget(list, pParentWnd, nID, dwStyle, rect);
}

QListWidget* CListBox::List() const { return static_cast<QListWidget*>(GetWidget()); }

bool CListBox::ValidIndex(int nIndex) const { return List() && nIndex >= 0 && nIndex < List()->count(); }

int CListBox::AddString(LPCTSTR lpszItem)
{
  QListWidget* list = List();
  if (!list)
    return LB_ERR;
  int index = list->count();
  if (GetStyle() & LBS_SORT) {
    const QString text = ToQString(lpszItem);
    index = 0;
    while (index < list->count() && QString::compare(list->item(index)->text(), text, Qt::CaseInsensitive) <= 0)
      ++index;
  }
  list->insertItem(index, ToQString(lpszItem));
  return index;
}

int CListBox::InsertString(int nIndex, LPCTSTR lpszItem)
{
  QListWidget* list = List();
  if (!list || nIndex > list->count())
    return LB_ERR;
  const int index = nIndex < 0 ? list->count() : nIndex;
  list->insertItem(index, ToQString(lpszItem));
  return index;
}

int CListBox::DeleteString(UINT nIndex)
{
  if (!ValidIndex(static_cast<int>(nIndex)))
    return LB_ERR;
  m_quiet = true;
  delete List()->takeItem(static_cast<int>(nIndex));
  m_quiet = false;
  return List()->count();
}

void CListBox::ResetContent()
{
  if (!List())
    return;
  m_quiet = true;
  List()->clear();
  m_quiet = false;
}

int CListBox::GetCount() const { return List() ? List()->count() : LB_ERR; }

int CListBox::GetCurSel() const
{
  QListWidget* list = List();
  if (!list)
    return LB_ERR;
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? LB_ERR : list->row(selected.first());
}

int CListBox::SetCurSel(int nSelect)
{
  if (!List())
    return LB_ERR;
  m_quiet = true;
  List()->clearSelection();
  const bool valid = ValidIndex(nSelect);
  if (valid)
    List()->setCurrentRow(nSelect, QItemSelectionModel::ClearAndSelect);
  m_quiet = false;
  return valid ? nSelect : LB_ERR;
}

void CListBox::GetText(int nIndex, CString& rString) const
{
  rString = ValidIndex(nIndex) ? FromQString(List()->item(nIndex)->text()) : CString();
}

int CListBox::GetTextLen(int nIndex) const
{
  return ValidIndex(nIndex) ? static_cast<int>(List()->item(nIndex)->text().size()) : LB_ERR;
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
  if (!ValidIndex(nIndex))
    return LB_ERR;
  List()->item(nIndex)->setData(Qt::UserRole, QVariant::fromValue(static_cast<quintptr>(dwItemData)));
  return 0;
}

DWORD_PTR CListBox::GetItemData(int nIndex) const
{
  if (!ValidIndex(nIndex))
    return static_cast<DWORD_PTR>(LB_ERR);
  return static_cast<DWORD_PTR>(List()->item(nIndex)->data(Qt::UserRole).value<quintptr>());
}

int CListBox::FindStringExact(int nStartAfter, LPCTSTR lpszItem) const
{
  QListWidget* list = List();
  if (!list || list->count() == 0)
    return LB_ERR;
  const QString text = ToQString(lpszItem);
  const int count = list->count();
  const int first = nStartAfter < 0 || nStartAfter >= count ? 0 : nStartAfter + 1;
  for (int k = 0; k < count; ++k) {
    const int i = (first + k) % count;
    if (list->item(i)->text().compare(text, Qt::CaseInsensitive) == 0)
      return i;
  }
  return LB_ERR;
}

int CListBox::GetSel(int nIndex) const
{
  return ValidIndex(nIndex) ? (List()->item(nIndex)->isSelected() ? 1 : 0) : LB_ERR;
}

int CListBox::SetSel(int nIndex, BOOL bSelect)
{
  QListWidget* list = List();
  if (!list || list->selectionMode() == QAbstractItemView::SingleSelection)
    return LB_ERR;
  m_quiet = true;
  for (int i = 0; i < list->count(); ++i)
    if (nIndex == -1 || i == nIndex)
      list->item(i)->setSelected(bSelect != FALSE);
  m_quiet = false;
  return nIndex == -1 || ValidIndex(nIndex) ? 0 : LB_ERR;
}

int CListBox::GetSelCount() const
{
  QListWidget* list = List();
  if (!list || list->selectionMode() == QAbstractItemView::SingleSelection)
    return LB_ERR;
  return static_cast<int>(list->selectedItems().size());
}
