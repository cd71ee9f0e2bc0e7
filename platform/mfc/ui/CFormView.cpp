#include "CFormView.h"

#include "CFormScrollArea.h"

BOOL CFormView::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, UINT nID)
{
  if (!CView::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID))
    return FALSE;
  auto* area = new CFormScrollArea;
  SetOuterWidget(area);
  area->Hold(GetWidget());
  return TRUE;
}

CFormScrollArea* CFormView::ScrollArea() const { return dynamic_cast<CFormScrollArea*>(GetOuterWidget()); }

void CFormView::SetScrollSizes(int, SIZE sizeTotal)
{
  if (CFormScrollArea* area = ScrollArea())
    area->SetScrollSize(QSize(sizeTotal.cx, sizeTotal.cy));
}

void CFormView::OnPaint() { Default(); }
