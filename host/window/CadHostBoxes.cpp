#include "CadHostBoxes.h"

#include "WinUser.h"

#include <QMessageBox>
#include <QPushButton>

#include <map>
#include <utility>

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

} // namespace

CadHostBoxes::CadHostBoxes(QWidget* owner, bool interactive, std::ostream* log)
    : m_owner(owner), m_interactive(interactive)
{
    m_script.SetLog(log);
}

int CadHostBoxes::Answer(const MessageBoxRequest& request)
{
    m_shown.push_back({request.caption, request.text});
    return m_interactive ? AskPerson(request) : m_script.Answer(request);
}

std::vector<CadHostBoxes::Shown> CadHostBoxes::take() { return std::exchange(m_shown, {}); }

// The box with the request's buttons under their usual names; closing it answers Cancel where
// the box offers it, else its default button.
int CadHostBoxes::AskPerson(const MessageBoxRequest& request)
{
    QMessageBox box(IconOf(request.icon), QString::fromStdWString(request.caption),
                    QString::fromStdWString(request.text), QMessageBox::NoButton, m_owner);
    std::map<QAbstractButton*, int> answers;
    for (int answer : request.buttons) {
        QPushButton* button = box.addButton(QString::fromStdWString(MessageBoxAnswerName(answer)),
                                            answer == IDCANCEL || answer == IDNO ? QMessageBox::RejectRole
                                                                                 : QMessageBox::AcceptRole);
        answers[button] = answer;
        if (answer == request.defaultButton)
            box.setDefaultButton(button);
    }
    box.exec();
    const auto found = answers.find(box.clickedButton());
    if (found != answers.end())
        return found->second;
    return request.Offers(IDCANCEL) ? IDCANCEL : request.defaultButton;
}
