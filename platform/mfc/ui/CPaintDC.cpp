#include "CPaintDC.h"

#include "CWnd.h"

// Painting is clipped to the part being painted, so the clip box is that part in the window's
// own coordinates wherever the window lies in its top-level window.
CPaintDC::CPaintDC(CWnd* pWnd) : CDC(pWnd ? pWnd->GetWidget() : nullptr)
{
  CRect update;
  if (pWnd && GetPainter() && pWnd->GetUpdateRect(&update))
    GetPainter()->setClipRect(QRect(update.left, update.top, update.Width(), update.Height()));
}
