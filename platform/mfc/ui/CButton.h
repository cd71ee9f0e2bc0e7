// A button: push button, check box, radio button or group box by its style (BS_*). A click
// tells the parent BN_CLICKED; setting the check from code tells nobody, and may leave every
// radio button of a group unchecked.
#pragma once

#include "CWnd.h"

class QAbstractButton;

class CButton : public CWnd {
public:
  using CWnd::Create;
  BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  void SetWindowText(LPCTSTR lpszString) override;
  void GetWindowText(CString& rString) const override;

  int GetCheck() const;
  void SetCheck(int nCheck);
  // Clicks the button as a user would.
  void Click();

private:
  QAbstractButton* Button() const;
};
