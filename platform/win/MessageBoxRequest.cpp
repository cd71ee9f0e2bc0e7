// The button sets and default-button rule follow the Windows message box: MB_DEFBUTTONn picks
// the n-th button of the set, and a default past the end of the set falls back to the first.
#include "MessageBoxRequest.h"

#include "WinUser.h"

#include <algorithm>
#include <array>

namespace {

struct AnswerName {
  int answer;
  const wchar_t* name;
};

constexpr std::array<AnswerName, 9> kAnswerNames = {{{IDOK, L"OK"},
                                                     {IDCANCEL, L"Cancel"},
                                                     {IDABORT, L"Abort"},
                                                     {IDRETRY, L"Retry"},
                                                     {IDIGNORE, L"Ignore"},
                                                     {IDYES, L"Yes"},
                                                     {IDNO, L"No"},
                                                     {IDTRYAGAIN, L"TryAgain"},
                                                     {IDCONTINUE, L"Continue"}}};

bool EqualsIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
    auto fold = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; };
    return fold(x) == fold(y);
  });
}

std::vector<int> ButtonsOf(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OK: return {IDOK};
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    case MB_CANCELTRYCONTINUE: return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
    default: return {};
  }
}

}  // namespace

std::optional<MessageBoxRequest> MessageBoxRequest::Make(HWND owner, std::wstring caption,
                                                         std::wstring text, UINT type) {
  std::vector<int> buttons = ButtonsOf(type);
  if (buttons.empty())
    return std::nullopt;
  MessageBoxRequest request;
  request.owner = owner;
  request.caption = std::move(caption);
  request.text = std::move(text);
  request.type = type;
  request.icon = type & MB_ICONMASK;
  const std::size_t index = (type & MB_DEFMASK) >> 8;
  request.defaultButton = index < buttons.size() ? buttons[index] : buttons.front();
  request.buttons = std::move(buttons);
  return request;
}

bool MessageBoxRequest::Offers(int answer) const {
  return std::find(buttons.begin(), buttons.end(), answer) != buttons.end();
}

int MessageBoxAnswerFromName(std::wstring_view name) {
  for (const AnswerName& entry : kAnswerNames)
    if (EqualsIgnoringAsciiCase(name, entry.name))
      return entry.answer;
  if (name.empty() || name.size() > 4)
    return 0;
  int number = 0;
  for (wchar_t c : name) {
    if (c < L'0' || c > L'9')
      return 0;
    number = number * 10 + (c - L'0');
  }
  for (const AnswerName& entry : kAnswerNames)
    if (entry.answer == number)
      return number;
  return 0;
}

std::wstring MessageBoxAnswerName(int answer) {
  for (const AnswerName& entry : kAnswerNames)
    if (entry.answer == answer)
      return entry.name;
  return std::to_wstring(answer);
}
