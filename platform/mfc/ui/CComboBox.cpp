#include "CComboBox.h"

#include "QtText.h"

#include <QComboBox>
#include <QLineEdit>

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
  auto* combo = new QComboBox;
  const bool editable = (dwStyle & 0x3U) == CBS_DROPDOWN || (dwStyle & 0x3U) == CBS_SIMPLE;
  combo->setEditable(editable);
  combo->setInsertPolicy(QComboBox::NoInsert);
  const HWND self = m_hWnd;
  QObject::connect(combo, &QComboBox::activated, combo, [self] {
    if (CWnd* wnd = FromHandle(self))
      static_cast<CComboBox*>(wnd)->NotifyParent(CBN_SELCHANGE);
  });
  if (editable) {
    QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo, [self] {
      if (CWnd* wnd = FromHandle(self))
        static_cast<CComboBox*>(wnd)->NotifyParent(CBN_EDITCHANGE);
    });
  }
  return AttachWidget(combo, pParentWnd, nID, dwStyle, rect);
}

QComboBox* CComboBox::Combo() const { return static_cast<QComboBox*>(GetWidget()); }

bool CComboBox::ValidIndex(int nIndex) const { return Combo() && nIndex >= 0 && nIndex < Combo()->count(); }

void CComboBox::SetWindowText(LPCTSTR lpszString)
{
  if (Combo() && Combo()->isEditable())
    Combo()->setEditText(ToQString(lpszString));
}

void CComboBox::GetWindowText(CString& rString) const
{
  rString = Combo() ? FromQString(Combo()->currentText()) : CString();
}

int CComboBox::AddString(LPCTSTR lpszString)
{
  QComboBox* combo = Combo();
  if (!combo)
    return CB_ERR;
  int index = combo->count();
  if (GetStyle() & CBS_SORT) {
    const QString text = ToQString(lpszString);
    index = 0;
    while (index < combo->count() && QString::compare(combo->itemText(index), text, Qt::CaseInsensitive) <= 0)
      ++index;
  }
  InsertItem(index, lpszString);
  return index;
}

// Qt makes the first item of a list current; Windows leaves a list without selection until
// one is made.
void CComboBox::InsertItem(int nIndex, LPCTSTR lpszString)
{
  QComboBox* combo = Combo();
  const bool noSelection = combo->currentIndex() < 0;
  combo->insertItem(nIndex, ToQString(lpszString));
  if (noSelection)
    combo->setCurrentIndex(-1);
}

int CComboBox::InsertString(int nIndex, LPCTSTR lpszString)
{
  QComboBox* combo = Combo();
  if (!combo || nIndex > combo->count())
    return CB_ERR;
  const int index = nIndex < 0 ? combo->count() : nIndex;
  InsertItem(index, lpszString);
  return index;
}

int CComboBox::DeleteString(UINT nIndex)
{
  if (!ValidIndex(static_cast<int>(nIndex)))
    return CB_ERR;
  Combo()->removeItem(static_cast<int>(nIndex));
  return Combo()->count();
}

void CComboBox::ResetContent()
{
  if (Combo())
    Combo()->clear();
}

int CComboBox::GetCount() const { return Combo() ? Combo()->count() : CB_ERR; }

int CComboBox::GetCurSel() const { return Combo() ? Combo()->currentIndex() : CB_ERR; }

int CComboBox::SetCurSel(int nSelect)
{
  if (!Combo())
    return CB_ERR;
  if (!ValidIndex(nSelect)) {
    Combo()->setCurrentIndex(-1);
    return CB_ERR;
  }
  Combo()->setCurrentIndex(nSelect);
  return nSelect;
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
  rString = ValidIndex(nIndex) ? FromQString(Combo()->itemText(nIndex)) : CString();
}

int CComboBox::GetLBTextLen(int nIndex) const
{
  return ValidIndex(nIndex) ? static_cast<int>(Combo()->itemText(nIndex).size()) : CB_ERR;
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
  if (!ValidIndex(nIndex))
    return CB_ERR;
  Combo()->setItemData(nIndex, QVariant::fromValue(static_cast<quintptr>(dwItemData)));
  return 0;
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const
{
  if (!ValidIndex(nIndex))
    return static_cast<DWORD_PTR>(CB_ERR);
  return static_cast<DWORD_PTR>(Combo()->itemData(nIndex).value<quintptr>());
}

int CComboBox::Find(int nStartAfter, LPCTSTR lpszString, bool prefix) const
{
  QComboBox* combo = Combo();
  if (!combo)
    return CB_ERR;
  const QString text = ToQString(lpszString);
  const int count = combo->count();
  const int first = nStartAfter < 0 || nStartAfter >= count ? 0 : nStartAfter + 1;
  for (int k = 0; k < count; ++k) {
    const int i = (first + k) % count;
    const QString item = combo->itemText(i);
    if (prefix ? item.startsWith(text, Qt::CaseInsensitive) : item.compare(text, Qt::CaseInsensitive) == 0)
      return i;
  }
  return CB_ERR;
}

int CComboBox::FindStringExact(int nStartAfter, LPCTSTR lpszString) const
{
  return Find(nStartAfter, lpszString, false);
}

int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString)
{
  const int index = Find(nStartAfter, lpszString, true);
  if (index != CB_ERR)
    Combo()->setCurrentIndex(index);
  return index;
}

void CComboBox::ChooseItem(int nIndex)
{
  if (!ValidIndex(nIndex))
    return;
  Combo()->setCurrentIndex(nIndex);
  emit Combo()->activated(nIndex);
}
