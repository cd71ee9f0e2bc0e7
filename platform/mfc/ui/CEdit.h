// An edit control: one line of text on a QLineEdit. Tells its parent EN_CHANGE on every change
// of the text, and EN_SETFOCUS / EN_KILLFOCUS.
#pragma once

#include "CWnd.h"

class QLineEdit;

class CEdit : public CWnd {
public:
  using CWnd::Create;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  void SetWindowText(LPCTSTR lpszString) override;
  void GetWindowText(CString& rString) const override;

  void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
  void GetSel(int& nStartChar, int& nEndChar) const;
  void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
  BOOL SetReadOnly(BOOL bReadOnly = TRUE);
  void SetLimitText(UINT nMax);
  UINT GetLimitText() const;

protected:
  void OnSetFocus(CWnd* pOldWnd) override;
  void OnKillFocus(CWnd* pNewWnd) override;

private:
  QLineEdit* Line() const;
};
