#include "WindowCursor.h"

#include "QtText.h"

#include <QCursor>
#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* kCursorProperty = "corbelCursorResource";

Qt::CursorShape ShapeOf(const QString& name)
{
  if (name == QLatin1String("IDC_CURSOR2"))
    return Qt::OpenHandCursor;
  return Qt::ArrowCursor;
}

} // namespace

BOOL SetWindowCursor(CWnd* pWnd, LPCTSTR lpszCursorName)
{
  QWidget* widget = pWnd ? pWnd->GetWidget() : nullptr;
  if (!widget)
    return FALSE;
  const QString name = ToQString(lpszCursorName ? lpszCursorName : L"");
  widget->setCursor(QCursor(ShapeOf(name)));
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
