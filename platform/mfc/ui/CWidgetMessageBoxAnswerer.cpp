#include "CWidgetMessageBoxAnswerer.h"

#include "CWnd.h"
#include "MessageBoxDialog.h"
#include "WinUser.h"

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

} // namespace

int CWidgetMessageBoxAnswerer::Answer(const MessageBoxRequest& request)
{
  CWnd* owner = CWnd::FromHandle(request.owner);
  return AskWithMessageBox(request, owner ? owner->GetWidget() : nullptr, TextOf);
}
