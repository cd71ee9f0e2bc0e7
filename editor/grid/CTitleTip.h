// A borderless pop-up that shows the whole text of a grid cell over the cell when the cell cuts
// it off. It holds the mouse capture while shown and hides as soon as the pointer leaves the
// hover rectangle, a key is pressed or a button is clicked; the move, key or click goes on to
// the window underneath.
#pragma once

#include "CString.h"
#include "CWnd.h"
#include "WinGdi.h"
#include "WinInputMessages.h"

class CTitleTip : public CWnd {
public:
  CTitleTip();
  ~CTitleTip() override;

  using CWnd::Create;
  virtual BOOL Create(CWnd* pParentWnd);

  // Rectangles in the parent's client coordinates; the hover rectangle defaults to the title
  // rectangle, the font to the parent's.
  void Show(CRect rectTitle, LPCTSTR lpszTitleText, int xoffset = 0, LPRECT lpHoverRect = nullptr,
            const LOGFONT* lpLogFont = nullptr);
  void Hide();
  BOOL PreTranslateMessage(MSG* pMsg);

  // The shown text (with its blank on either side); empty while nothing was shown.
  const CString& GetShownText() const { return m_strShown; }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
  void OnMouseMove(UINT nFlags, CPoint point) override;
  void OnPaint() override;

private:
  // The window under a screen point, the parent when it is this tip.
  CWnd* WindowUnder(const QPoint& screen) const;

  CWnd* m_pParentWnd;
  CRect m_rectTitle;
  // Kept in screen coordinates, so that it stays right however the tip is placed.
  CRect m_rectHover;
  CString m_strShown;
  LOGFONT m_logFont;
};
