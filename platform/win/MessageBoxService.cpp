// The built-in answerer is never destroyed, so a box shown while the process exits still has
// someone to answer it.
#include "MessageBoxService.h"

#include "CScriptedMessageBoxAnswerer.h"
#include "CodePage.h"
#include "WinError.h"

#include <atomic>
#include <iostream>

namespace {

CScriptedMessageBoxAnswerer& BuiltInAnswerer() {
  static auto* answerer = new CScriptedMessageBoxAnswerer;
  return *answerer;
}

std::atomic<CMessageBoxAnswerer*> g_answerer{nullptr};

}  // namespace

CMessageBoxAnswerer* SetMessageBoxAnswerer(CMessageBoxAnswerer* answerer) {
  CMessageBoxAnswerer* previous = g_answerer.exchange(answerer);
  return previous ? previous : &BuiltInAnswerer();
}

CMessageBoxAnswerer& GetMessageBoxAnswerer() {
  CMessageBoxAnswerer* answerer = g_answerer.load();
  return answerer ? *answerer : BuiltInAnswerer();
}

int MessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType) {
  std::optional<MessageBoxRequest> request =
      MessageBoxRequest::Make(hWnd, lpCaption ? lpCaption : L"Error", lpText ? lpText : L"", uType);
  if (!request) {
    SetLastError(ERROR_INVALID_MSGBOX_STYLE);
    return 0;
  }
  const int answer = GetMessageBoxAnswerer().Answer(*request);
  if (request->Offers(answer))
    return answer;
  // An answerer that returns a button the box does not have would lead the caller astray.
  std::cerr << "message box [" << WideToUtf8Lossy(request->caption) << "]: answer " << answer
            << " is not one of its buttons, answered "
            << WideToUtf8Lossy(MessageBoxAnswerName(request->defaultButton)) << '\n';
  return request->defaultButton;
}
