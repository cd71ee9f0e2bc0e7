#include "WindowCursor.h"

#include "CWnd.h"

#include <QCursor>

namespace {

Qt::CursorShape ShapeOf(int nCursorId)
{
  switch (nCursorId) {
  case IDC_IBEAM: return Qt::IBeamCursor;
  case IDC_WAIT: return Qt::WaitCursor;
  case IDC_SIZENS: return Qt::SizeVerCursor;
  case IDC_SIZEWE: return Qt::SizeHorCursor;
  default: return Qt::ArrowCursor;
  }
}

} // namespace

void SetWindowCursor(CWnd* pWnd, int nCursorId)
{
  if (pWnd && pWnd->GetWidget())
    pWnd->GetWidget()->setCursor(QCursor(ShapeOf(nCursorId)));
}

int GetWindowCursor(const CWnd* pWnd)
{
  if (!pWnd || !pWnd->GetWidget())
    return IDC_ARROW;
  switch (pWnd->GetWidget()->cursor().shape()) {
  case Qt::IBeamCursor: return IDC_IBEAM;
  case Qt::WaitCursor: return IDC_WAIT;
  case Qt::SizeVerCursor: return IDC_SIZENS;
  case Qt::SizeHorCursor: return IDC_SIZEWE;
  default: return IDC_ARROW;
  }
}
