// The drop-down list laid over a grid list cell while it is edited, holding the cell's
// choices. It ends on Tab, Enter, Esc (which puts the first text back), Ctrl with a navigation
// key, or the loss of the focus to another window than its own list; it tells the grid the
// chosen text and the key that ended it, and closes and deletes itself.
#pragma once

#include "CArray.h"
#include "CComboBox.h"
#include "CString.h"

#include <memory>

class QObject;

class CGridCellCombo : public CComboBox {
public:
  // Made on the heap by the grid; it deletes itself once its window is gone.
  CGridCellCombo(CWnd* pParent, const CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                 const CStringArray* pChoices, const CString& sInitText, UINT nFirstChar);
  ~CGridCellCombo() override;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  void OnKillFocus(CWnd* pNewWnd) override;
  void OnClose() override;

private:
  void EndEdit();
  // The key ends the edit: the focus goes back to the grid once the key is handled here.
  void EndByKey(UINT nChar);

  int m_nNumLines = 4;
  CString m_sInitText;
  int m_nRow;
  int m_nCol;
  UINT m_nLastChar = 0;
  BOOL m_bExitOnArrows = FALSE;
  std::unique_ptr<QObject> m_pKeyFilter;
  bool m_bEnded = false;
};
