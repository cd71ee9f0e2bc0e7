// A list box whose items carry a tick each. Ticking an item by the user tells the parent
// CLBN_CHKCHANGE; SetCheck from code tells nobody.
#pragma once

#include "CListBox.h"

#define CLBN_CHKCHANGE 40

class CCheckListBox : public CListBox {
public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // BST_CHECKED or BST_UNCHECKED; -1 for a bad index.
  int GetCheck(int nIndex) const;
  void SetCheck(int nIndex, int nCheck);
  // Ticks or clears an item as the user does.
  void ToggleCheck(int nIndex);

private:
  bool m_settingCheck = false;
};
