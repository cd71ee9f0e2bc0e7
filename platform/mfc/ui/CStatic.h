// A static text on a QLabel, aligned by its style (SS_LEFT, SS_CENTER, SS_RIGHT), from the top
// of its box and broken into lines at the box's width.
#pragma once

#include "CWnd.h"

class QLabel;

class CStatic : public CWnd {
public:
  using CWnd::Create;
  BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  void SetWindowText(LPCTSTR lpszString) override;
  void GetWindowText(CString& rString) const override;

private:
  QLabel* Label() const;
};
