#include "CView.h"

#include "CPaintDC.h"

void CView::OnInitialUpdate() {}

void CView::OnDraw(CDC*) {}

void CView::OnPaint()
{
  CPaintDC dc(this);
  OnDraw(&dc);
}
