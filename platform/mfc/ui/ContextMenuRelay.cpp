#include "ContextMenuRelay.h"

#include "CWnd.h"

void RelayContextMenu(CWnd& control)
{
  QWidget* widget = control.GetWidget();
  if (!widget)
    return;
  widget->setContextMenuPolicy(Qt::CustomContextMenu);
  const HWND self = control.m_hWnd;
  QObject::connect(widget, &QWidget::customContextMenuRequested, widget, [self, widget](const QPoint& at) {
    CWnd* wnd = CWnd::FromHandle(self);
    CWnd* parent = wnd ? wnd->GetParent() : nullptr;
    if (!parent)
      return;
    const QPoint screen = widget->mapToGlobal(at);
    parent->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(self), MAKELPARAM(screen.x(), screen.y()));
  });
}
