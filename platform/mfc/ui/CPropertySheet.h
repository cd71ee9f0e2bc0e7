// A modal property sheet: the pages as tabs, with OK and Cancel under them. A page's window is
// made when its tab is first shown (the first page at once). OK asks the shown page to let go
// (OnKillActive) and then each page that was shown, in order, to apply (OnApply); the first
// that refuses is brought to the front and the sheet stays open.
#pragma once

#include "CButton.h"
#include "CDialog.h"

#include <vector>

class CPropertyPage;
class QTabWidget;

class CPropertySheet : public CDialog {
public:
  explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

  void AddPage(CPropertyPage* pPage);
  void RemoveAllPages() { m_pages.clear(); }
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  CPropertyPage* GetPage(int nPage) const;
  CPropertyPage* GetActivePage() const;
  int GetActiveIndex() const;
  // Shows the page as the user would by clicking its tab; FALSE when the shown page refuses
  // to let go.
  BOOL SetActivePage(int nPage);

  BOOL OnInitDialog() override;
  void OnOK() override;

private:
  // Makes the page's window when it is shown for the first time.
  BOOL EnsurePage(int nPage);
  void OnTabChanged(int nPage);

  std::vector<CPropertyPage*> m_pages;
  QTabWidget* m_tabs = nullptr;
  int m_nActive = -1;
  UINT m_nStartPage;
  CButton m_ok, m_cancel;
};
