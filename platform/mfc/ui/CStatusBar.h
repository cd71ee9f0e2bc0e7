// A status bar on the frame's QStatusBar: one pane per indicator id; the ID_SEPARATOR pane takes
// the room left. Texts and places of panes by index.
#pragma once

#include "CWnd.h"

#include <vector>

class CFrameWnd;
class QLabel;

class CStatusBar : public CWnd {
public:
  using CWnd::Create;
  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE, UINT nID = 0xE801);

  BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
  int CommandToIndex(UINT nIDFind) const;
  UINT GetItemID(int nIndex) const;
  int GetCount() const { return static_cast<int>(m_panes.size()); }
  BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
  CString GetPaneText(int nIndex) const;
  void EnablePane(int nIndex, BOOL bOn);
  // The pane's rectangle in the status bar's client area.
  void GetItemRect(int nIndex, LPRECT lpRect) const;

private:
  struct Pane {
    UINT nID;
    QLabel* label;
    bool enabled;
    CString text;
  };
  std::vector<Pane> m_panes;
};
