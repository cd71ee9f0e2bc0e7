#include "FormNumbers.h"

#include <cwchar>

double ReadFormNumber(const CString& text)
{
  const std::wstring s(static_cast<LPCTSTR>(text));
  std::size_t i = 0;
  while (i < s.size() && (s[i] == L' ' || s[i] == L'\t'))
    ++i;
  // Only the characters of a plain decimal number, so that texts such as "inf" or "0x10" read
  // as the digits they start with.
  std::wstring number;
  bool point = false;
  bool digits = false;
  if (i < s.size() && (s[i] == L'+' || s[i] == L'-'))
    number += s[i++];
  for (; i < s.size(); ++i) {
    if (s[i] >= L'0' && s[i] <= L'9') {
      digits = true;
      number += s[i];
    } else if (s[i] == L'.' && !point) {
      point = true;
      number += s[i];
    } else {
      break;
    }
  }
  if (!digits)
    return 0.0;
  return std::wcstod(number.c_str(), nullptr);
}
