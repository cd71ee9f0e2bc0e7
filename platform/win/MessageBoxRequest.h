// What a message box asks: texts, owner and style, with the style decoded into its buttons,
// icon and default button so that every answerer reads them the same way.
#pragma once

#include "WinDef.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct MessageBoxRequest {
  HWND owner = nullptr;
  std::wstring caption;
  std::wstring text;
  UINT type = 0;
  std::vector<int> buttons;  // answer IDs in the order the box shows them
  UINT icon = 0;             // one of MB_ICONHAND, MB_ICONQUESTION, ... or 0
  int defaultButton = 0;     // answer ID of the default button

  // Decodes `type`; nothing when its button set is unknown.
  static std::optional<MessageBoxRequest> Make(HWND owner, std::wstring caption, std::wstring text,
                                               UINT type);

  bool Offers(int answer) const;
};

// "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No", "TryAgain", "Continue" (any case),
// or the answer's number; 0 when the text names no answer.
int MessageBoxAnswerFromName(std::wstring_view name);

// The English name of an answer ID, or its number as text.
std::wstring MessageBoxAnswerName(int answer);
