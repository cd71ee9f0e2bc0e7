// A scripted answer that the box does not offer (Yes to an OK box) is refused and the default
// button answers instead: returning it would send the caller down a path no user could take.
#include "CScriptedMessageBoxAnswerer.h"

#include "CodePage.h"
#include "WinUser.h"

#include <iostream>

CScriptedMessageBoxAnswerer::CScriptedMessageBoxAnswerer() : m_log(&std::cerr) {}

void CScriptedMessageBoxAnswerer::QueueAnswer(int answer) {
  std::lock_guard lock(m_mutex);
  m_queue.push_back(answer);
}

bool CScriptedMessageBoxAnswerer::QueueAnswer(std::wstring_view button) {
  const int answer = MessageBoxAnswerFromName(button);
  if (answer == 0)
    return false;
  QueueAnswer(answer);
  return true;
}

void CScriptedMessageBoxAnswerer::SetAnswerForCaption(std::wstring caption, int answer) {
  std::lock_guard lock(m_mutex);
  m_byCaption[std::move(caption)] = answer;
}

bool CScriptedMessageBoxAnswerer::SetAnswerForCaption(std::wstring caption,
                                                      std::wstring_view button) {
  const int answer = MessageBoxAnswerFromName(button);
  if (answer == 0)
    return false;
  SetAnswerForCaption(std::move(caption), answer);
  return true;
}

bool CScriptedMessageBoxAnswerer::AddScript(std::wstring_view entry) {
  const std::size_t equals = entry.rfind(L'=');
  if (equals == std::wstring_view::npos)
    return QueueAnswer(entry);
  return SetAnswerForCaption(std::wstring(entry.substr(0, equals)), entry.substr(equals + 1));
}

void CScriptedMessageBoxAnswerer::SetLog(std::ostream* log) {
  std::lock_guard lock(m_mutex);
  m_log = log;
}

int CScriptedMessageBoxAnswerer::Answer(const MessageBoxRequest& request) {
  std::lock_guard lock(m_mutex);
  int scripted = 0;
  if (auto found = m_byCaption.find(request.caption); found != m_byCaption.end()) {
    scripted = found->second;
  } else if (!m_queue.empty()) {
    scripted = m_queue.front();
    m_queue.pop_front();
  }

  int answer = request.defaultButton;
  if (scripted != 0 && request.Offers(scripted))
    answer = scripted;
  if (m_log) {
    *m_log << '[' << WideToUtf8Lossy(request.caption) << "] " << WideToUtf8Lossy(request.text)
           << '\n';
    if (scripted != 0 && answer != scripted)
      *m_log << "message box [" << WideToUtf8Lossy(request.caption) << "]: scripted answer "
             << WideToUtf8Lossy(MessageBoxAnswerName(scripted))
             << " is not one of its buttons, answered "
             << WideToUtf8Lossy(MessageBoxAnswerName(answer)) << '\n';
    m_log->flush();
  }
  m_boxes.push_back({request.owner, request.caption, request.text, request.type, answer});
  return answer;
}

std::vector<CScriptedMessageBoxAnswerer::Box> CScriptedMessageBoxAnswerer::Boxes() const {
  std::lock_guard lock(m_mutex);
  return m_boxes;
}

std::size_t CScriptedMessageBoxAnswerer::PendingAnswers() const {
  std::lock_guard lock(m_mutex);
  return m_queue.size();
}
