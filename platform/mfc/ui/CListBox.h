// A list box on a QListWidget: one selection, or several with LBS_MULTIPLESEL/LBS_EXTENDEDSEL.
// Items carry a value each. A change of selection by the user tells the parent LBN_SELCHANGE, a
// double click LBN_DBLCLK; changes made from code tell nobody.
#pragma once

#include "CWnd.h"

class QListWidget;

class CListBox : public CWnd {
public:
  using CWnd::Create;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int AddString(LPCTSTR lpszItem);
  int InsertString(int nIndex, LPCTSTR lpszItem);
  int DeleteString(UINT nIndex);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  void GetText(int nIndex, CString& rString) const;
  int GetTextLen(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  DWORD_PTR GetItemData(int nIndex) const;
  int FindStringExact(int nStartAfter, LPCTSTR lpszItem) const;
  // Several-selection lists: an item's selection, and the count selected.
  int GetSel(int nIndex) const;
  int SetSel(int nIndex, BOOL bSelect = TRUE);
  int GetSelCount() const;

private:
  QListWidget* List() const;
  bool ValidIndex(int nIndex) const;
  bool m_quiet = false;
};
