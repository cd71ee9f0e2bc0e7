// What an update handler sets on one command's user interface: a menu item or toolbar button
// (enabled, checked) or a status-bar pane (enabled, text).
#pragma once

#include "WinDef.h"

class CStatusBar;
class QAction;

class CCmdUI {
public:
  CCmdUI(UINT nID, QAction* action) : m_nID(nID), m_pAction(action) {}
  CCmdUI(UINT nID, CStatusBar* statusBar, int nIndex) : m_nID(nID), m_pStatusBar(statusBar), m_nIndex(nIndex) {}

  void Enable(BOOL bOn = TRUE);
  void SetCheck(int nCheck = 1);
  void SetText(LPCTSTR lpszText);

  UINT m_nID;

private:
  QAction* m_pAction = nullptr;
  CStatusBar* m_pStatusBar = nullptr;
  int m_nIndex = -1;
};
