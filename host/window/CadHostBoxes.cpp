#include "CadHostBoxes.h"

#include "MessageBoxDialog.h"

#include <utility>

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

// The box with the request's buttons under their usual names.
int CadHostBoxes::AskPerson(const MessageBoxRequest& request)
{
    return AskWithMessageBox(request, m_owner,
                             [](int answer) { return QString::fromStdWString(MessageBoxAnswerName(answer)); });
}
