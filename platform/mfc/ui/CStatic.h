// A static text on a QLabel, aligned by its style (SS_LEFT, SS_CENTER, SS_RIGHT), from the top
// of its box and broken into lines at the box's width.
#pragma once

#include "CWnd.h"

class QLabel;
class QPixmap;

class CStatic : public CWnd {
public:
  using CWnd::Create;
  BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // The static shows the picture in place of its text, as a static with an icon does.
  void SetPicture(const QPixmap& picture);

  void SetWindowText(LPCTSTR lpszString) override;
  void GetWindowText(CString& rString) const override;

private:
  QLabel* Label() const;
};
