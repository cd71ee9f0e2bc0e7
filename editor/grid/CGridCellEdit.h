// The one-line text field laid over a grid cell while it is edited. It ends on Tab, Enter, Esc
// (which puts the first text back), a navigation key or the loss of the focus, tells the grid
// its text and the key that ended it, and closes and deletes itself. Over a numeric cell a text
// that is no number does not end it: the box of the forms' number fields, and the field goes on
// with its text selected.
#pragma once

#include "CEdit.h"
#include "CString.h"

#include <memory>

class QObject;

class CGridCellEdit : public CEdit {
public:
  // Made on the heap by the grid; it deletes itself once its window is gone.
  CGridCellEdit(CWnd* pParent, const CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                const CString& sInitText, UINT nFirstChar, BOOL (*numberCheck)(const CString&) = nullptr);
  ~CGridCellEdit() override;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  void OnKillFocus(CWnd* pNewWnd) override;
  void OnClose() override;

private:
  void EndEdit();
  // The text is no number of a numeric cell (and Esc did not put the first text back).
  bool IsRefused() const;
  // The key ends the edit: the focus goes back to the grid once the key is handled here.
  void EndByKey(UINT nChar);
  // Widens the field to its text, up to the parent's right edge.
  void FitToText();

  int m_nRow;
  int m_nCol;
  CString m_sInitText;
  UINT m_nLastChar;
  BOOL m_bExitOnArrows;
  CRect m_Rect;
  std::unique_ptr<QObject> m_pKeyFilter;
  BOOL (*m_pNumberCheck)(const CString&);
  bool m_bEnded = false;
};
