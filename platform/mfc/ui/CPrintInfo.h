// What the framework's print protocol tells a view about the print job: the page range, the
// page being printed and the drawing rectangle of the page.
#pragma once

#include "WinGeometry.h"
#include "CRect.h"

class CPrintInfo {
public:
  void SetMinPage(UINT nMinPage) { m_nMinPage = nMinPage; }
  void SetMaxPage(UINT nMaxPage) { m_nMaxPage = nMaxPage; }
  UINT GetMinPage() const { return m_nMinPage; }
  UINT GetMaxPage() const { return m_nMaxPage; }

  UINT m_nCurPage = 1;
  BOOL m_bContinuePrinting = TRUE;
  CRect m_rectDraw;

private:
  UINT m_nMinPage = 1;
  UINT m_nMaxPage = 0xFFFF;
};
