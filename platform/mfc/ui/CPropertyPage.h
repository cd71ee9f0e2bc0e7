// One page of a property sheet: a dialog made as a child window inside the sheet's tab when the
// page is first shown. OnInitDialog makes its controls; OnApply runs when the sheet is confirmed,
// only for pages that were shown, and a page that returns FALSE keeps the sheet open.
#pragma once

#include "CDialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
public:
  explicit CPropertyPage(UINT nIDTemplate, LPCTSTR lpszCaption = nullptr);

  const CString& GetCaption() const { return m_pageCaption; }
  // Makes the page's window inside holder, a child of the sheet's tabs, and runs
  // OnInitDialog; FALSE when it could not.
  BOOL CreatePage(CPropertySheet* sheet, QWidget* holder);
  BOOL IsCreated() const { return GetSafeHwnd() != nullptr; }

  virtual BOOL OnSetActive();
  virtual BOOL OnKillActive();
  virtual BOOL OnApply();

private:
  CString m_pageCaption;
};
