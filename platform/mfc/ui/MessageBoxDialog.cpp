#include "MessageBoxDialog.h"

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

// The standard button of an answer, which gives the button its role in the box.
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

} // namespace

int AskWithMessageBox(const MessageBoxRequest& request, QWidget* owner, QString (*nameOf)(int answer))
{
  QMessageBox box(IconOf(request.icon), QString::fromStdWString(request.caption),
                  QString::fromStdWString(request.text), QMessageBox::NoButton, owner);
  std::map<QAbstractButton*, int> answers;
  for (int answer : request.buttons) {
    QAbstractButton* button = box.addButton(ButtonOf(answer));
    button->setText(nameOf(answer));
    answers[button] = answer;
    if (answer == request.defaultButton)
      box.setDefaultButton(static_cast<QPushButton*>(button));
  }
  box.exec();
  const auto found = answers.find(box.clickedButton());
  if (found != answers.end())
    return found->second;
  return request.Offers(IDCANCEL) ? IDCANCEL : request.defaultButton;
}
