// A scroll-bar control on a QScrollBar with Windows' semantics: a range from a minimum to a
// maximum, a page size, and a position that goes no further than maximum - page + 1. The bar
// does not move itself: a user's request reaches the parent as WM_HSCROLL or WM_VSCROLL with the
// request code (SB_*) and the position in wParam and the bar's handle in lParam, and the parent
// sets the new position.
#pragma once

#include "CWnd.h"
#include "WinInputMessages.h"

class QScrollBar;

#define SBS_HORZ 0x0000U
#define SBS_VERT 0x0001U

class CScrollBar : public CWnd {
public:
  using CWnd::Create;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // The previous position.
  int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
  int GetScrollPos() const;
  void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
  void GetScrollRange(int* lpMinPos, int* lpMaxPos) const;
  void SetPageSize(UINT nPage, BOOL bRedraw = TRUE);
  UINT GetPageSize() const { return m_nPage; }
  // The largest position the bar takes: maximum - page + 1 (the maximum without a page).
  int GetScrollLimit() const;
  // The position of the thumb while the user drags it.
  int GetTrackPos() const { return m_nTrackPos; }
  // A request as the user makes it with the mouse: tells the parent.
  void Request(UINT nSBCode);

private:
  QScrollBar* Bar() const;
  void ApplyRange();
  void OnAction(int action);

  int m_nMin = 0;
  int m_nMax = 0;
  UINT m_nPage = 0;
  int m_nTrackPos = 0;
};
