// A tool bar in the frame's top area: one button per command id (ID_SEPARATOR a separator).
// Pressing a button sends WM_COMMAND with its id to the frame. Buttons show their text; the tool
// tip is the text when no tip of its own is given.
#pragma once

#include "CWnd.h"

class CFrameWnd;
class QAction;
class QToolBar;

class CToolBar : public CWnd {
public:
  using CWnd::Create;
  BOOL CreateEx(CFrameWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE, UINT nID = 0xE800);

  BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
  int GetCount() const;
  UINT GetItemID(int nIndex) const;
  int CommandToIndex(UINT nIDFind) const;
  BOOL SetButtonText(int nIndex, LPCTSTR lpszText);
  CString GetButtonText(int nIndex) const;
  BOOL SetButtonToolTip(int nIndex, LPCTSTR lpszTip);
  QAction* GetButtonAction(int nIndex) const;

private:
  QToolBar* Bar() const;
  CFrameWnd* m_pFrame = nullptr;
};
