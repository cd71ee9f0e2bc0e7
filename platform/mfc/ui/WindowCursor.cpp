#include "WindowCursor.h"

#include "QtText.h"

#include <QCursor>
#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* kCursorProperty = "corbelCursorResource";

Qt::CursorShape ShapeOfId(int nCursorId)
{
  switch (nCursorId) {
  case IDC_IBEAM: return Qt::IBeamCursor;
  case IDC_WAIT: return Qt::WaitCursor;
  case IDC_SIZENS: return Qt::SizeVerCursor;
  case IDC_SIZEWE: return Qt::SizeHorCursor;
  default: return Qt::ArrowCursor;
  }
}

Qt::CursorShape ShapeOfName(const QString& name)
{
  if (name == QLatin1String("IDC_CURSOR2"))
    return Qt::OpenHandCursor;
  return Qt::ArrowCursor;
}

} // namespace

void SetWindowCursor(CWnd* pWnd, int nCursorId)
{
  if (pWnd && pWnd->GetWidget())
    pWnd->GetWidget()->setCursor(QCursor(ShapeOfId(nCursorId)));
}

int GetWindowCursorId(const CWnd* pWnd)
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

BOOL SetWindowCursor(CWnd* pWnd, LPCTSTR lpszCursorName)
{
  QWidget* widget = pWnd ? pWnd->GetWidget() : nullptr;
  if (!widget)
    return FALSE;
  const QString name = ToQString(lpszCursorName ? lpszCursorName : L"");
  widget->setCursor(QCursor(ShapeOfName(name)));
  widget->setProperty(kCursorProperty, name);
  return TRUE;
}

CString GetWindowCursor(const CWnd* pWnd)
{
  const QWidget* widget = pWnd ? pWnd->GetWidget() : nullptr;
  if (!widget)
    return CString();
  return FromQString(widget->property(kCursorProperty).toString());
}
