#include "CWidgetMessageBoxAnswerer.h"

#include "AfxMessageBox.h"
#include "CWnd.h"
#include "MessageBoxDialog.h"
#include "WinUser.h"

#include <QApplication>

namespace {

// The button texts a Chinese system gives its message boxes.
QString TextOf(int answer)
{
  switch (answer) {
  case IDOK: return QStringLiteral("确定");
  case IDCANCEL: return QStringLiteral("取消");
  case IDABORT: return QStringLiteral("中止(&A)");
  case IDRETRY: return QStringLiteral("重试(&R)");
  case IDIGNORE: return QStringLiteral("忽略(&I)");
  case IDYES: return QStringLiteral("是(&Y)");
  case IDNO: return QStringLiteral("否(&N)");
  case IDTRYAGAIN: return QStringLiteral("重试(&T)");
  default: return QStringLiteral("确定");
  }
}

// A box without an owner stands over the window the person works in, as the class library's
// boxes do: the dialog open, else the main window; not in the middle of the screen.
QWidget* OwnerOf(const MessageBoxRequest& request)
{
  if (CWnd* owner = CWnd::FromHandle(request.owner))
    return owner->GetWidget();
  if (QWidget* modal = QApplication::activeModalWidget())
    return modal;
  CWnd* main = CWnd::FromHandle(AfxGetMainWndHandle());
  return main ? main->GetWidget() : nullptr;
}

} // namespace

int CWidgetMessageBoxAnswerer::Answer(const MessageBoxRequest& request)
{
  return AskWithMessageBox(request, OwnerOf(request), TextOf);
}
