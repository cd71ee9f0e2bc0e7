// A view that holds controls, as a dialog does: the derived form makes its controls (children
// of the form) in OnInitialUpdate and reads and writes them there and after. The form's
// background is the window's own. A form larger than the room it is given scrolls.
#pragma once

#include "CView.h"

class CFormScrollArea;

#define MM_TEXT 1

class CFormView : public CView {
public:
  explicit CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}
  UINT GetTemplateID() const { return m_nIDTemplate; }

  using CWnd::Create;
  BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
              UINT nID) override;
  // The size the form scrolls over; without one, the extent of its controls.
  void SetScrollSizes(int nMapMode, SIZE sizeTotal);

protected:
  void OnPaint() override;

private:
  CFormScrollArea* ScrollArea() const;

  UINT m_nIDTemplate;
};
