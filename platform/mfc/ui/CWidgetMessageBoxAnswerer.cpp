#include "CWidgetMessageBoxAnswerer.h"

#include "CWnd.h"
#include "WinUser.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include <map>

namespace {

QMessageBox::Icon IconOf(UINT icon)
{
  switch (icon) {
  case MB_ICONHAND: return QMessageBox::Critical;
  case MB_ICONQUESTION: return QMessageBox::Question;
  case MB_ICONEXCLAMATION: return QMessageBox::Warning;
  case MB_ICONASTERISK: return QMessageBox::Information;
  default: return QMessageBox::NoIcon;
  }
}

QMessageBox::StandardButton ButtonOf(int answer)
{
  switch (answer) {
  case IDOK: return QMessageBox::Ok;
  case IDCANCEL: return QMessageBox::Cancel;
  case IDABORT: return QMessageBox::Abort;
  case IDRETRY: return QMessageBox::Retry;
  case IDIGNORE: return QMessageBox::Ignore;
  case IDYES: return QMessageBox::Yes;
  case IDNO: return QMessageBox::No;
  case IDTRYAGAIN: return QMessageBox::Retry;
  default: return QMessageBox::Ok;
  }
}

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
  QMessageBox box(IconOf(request.icon), QString::fromStdWString(request.caption),
                  QString::fromStdWString(request.text), QMessageBox::NoButton, owner ? owner->GetWidget() : nullptr);
  std::map<QAbstractButton*, int> answers;
  for (int answer : request.buttons) {
    QAbstractButton* button = box.addButton(ButtonOf(answer));
    button->setText(TextOf(answer));
    answers[button] = answer;
    if (answer == request.defaultButton)
      box.setDefaultButton(static_cast<QPushButton*>(button));
  }
  box.exec();
  const auto found = answers.find(box.clickedButton());
  if (found != answers.end())
    return found->second;
  // Closed without a button: Cancel where the box has one, else its default.
  return request.Offers(IDCANCEL) ? IDCANCEL : request.defaultButton;
}
