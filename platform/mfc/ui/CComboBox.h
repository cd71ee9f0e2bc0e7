// A combo box on a QComboBox: a drop-down list (CBS_DROPDOWNLIST) or an edit box with a list
// (CBS_DROPDOWN). Items carry a value each. A choice by the user tells the parent CBN_SELCHANGE,
// typing in the edit box CBN_EDITCHANGE; changes made from code tell nobody.
#pragma once

#include "CWnd.h"

class QComboBox;

class CComboBox : public CWnd {
public:
  using CWnd::Create;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  void SetWindowText(LPCTSTR lpszString) override;
  void GetWindowText(CString& rString) const override;

  // Index of the new item (in sorted place with CBS_SORT); CB_ERR for a bad index.
  int AddString(LPCTSTR lpszString);
  int InsertString(int nIndex, LPCTSTR lpszString);
  // Items left, or CB_ERR.
  int DeleteString(UINT nIndex);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  // nSelect, or CB_ERR when it names no item (-1 clears the selection and gives CB_ERR).
  int SetCurSel(int nSelect);
  void GetLBText(int nIndex, CString& rString) const;
  int GetLBTextLen(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  DWORD_PTR GetItemData(int nIndex) const;
  // The first item after nStartAfter (-1: from the top) equal to the text, ignoring case.
  int FindStringExact(int nStartAfter, LPCTSTR lpszString) const;
  // Selects the first item that starts with the text, ignoring case.
  int SelectString(int nStartAfter, LPCTSTR lpszString);
  // A choice as the user makes it: selects and tells the parent.
  void ChooseItem(int nIndex);

private:
  QComboBox* Combo() const;
  bool ValidIndex(int nIndex) const;
  void InsertItem(int nIndex, LPCTSTR lpszString);
  int Find(int nStartAfter, LPCTSTR lpszString, bool prefix) const;
};
