#include "CDialogWidget.h"

#include "CWnd.h"

CDialogWidget::CDialogWidget(QWidget* parent) : QDialog(parent) {}

void CDialogWidget::accept()
{
  if (CWnd* dialog = CWnd::FromWidget(this))
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void CDialogWidget::reject()
{
  if (CWnd* dialog = CWnd::FromWidget(this))
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}
