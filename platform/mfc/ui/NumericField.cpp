#include "NumericField.h"

#include "AfxMessageBox.h"
#include "CEdit.h"
#include "CWnd.h"

#include <cerrno>
#include <climits>
#include <cwchar>
#include <optional>

namespace {

const wchar_t* SkipBlanks(const wchar_t* p)
{
  while (*p == L' ' || *p == L'\t')
    ++p;
  return p;
}

// The number read reads from the text, when it ends where the text ends but for blanks.
template <class Number, class Read>
BOOL ParseWholeText(const CString& text, Number& value, Read read)
{
  const wchar_t* start = SkipBlanks(text.GetString());
  wchar_t* end = nullptr;
  const std::optional<Number> number = read(start, &end);
  if (!number || end == start || *SkipBlanks(end) != L'\0')
    return FALSE;
  value = *number;
  return TRUE;
}

template <class Number>
BOOL ExchangeField(CWnd& field, Number& value, BOOL (*parse)(const CString&, Number&), BOOL bInteger)
{
  CString text;
  field.GetWindowText(text);
  if (parse(text, value))
    return TRUE;
  RefuseNumericField(field, bInteger);
  return FALSE;
}

} // namespace

BOOL ParseRealText(const CString& text, double& value)
{
  return ParseWholeText(text, value, [](const wchar_t* start, wchar_t** end) -> std::optional<double> {
    return std::wcstod(start, end);
  });
}

BOOL ParseIntText(const CString& text, int& value)
{
  return ParseWholeText(text, value, [](const wchar_t* start, wchar_t** end) -> std::optional<int> {
    errno = 0;
    const long number = std::wcstol(start, end, 10);
    if (errno == ERANGE || number < INT_MIN || number > INT_MAX)
      return std::nullopt;
    return static_cast<int>(number);
  });
}

BOOL IsNumberText(const CString& text)
{
  double value = 0;
  return ParseRealText(text, value);
}

void RefuseNumericField(CWnd& field, BOOL bInteger)
{
  AfxMessageBox(bInteger ? L"请输入一个整数。" : L"请输入一个数字。", MB_ICONEXCLAMATION);
  field.SetFocus();
  if (auto* edit = dynamic_cast<CEdit*>(&field))
    edit->SetSel(0, -1);
}

BOOL ExchangeRealField(CWnd& field, double& value) { return ExchangeField(field, value, ParseRealText, FALSE); }

BOOL ExchangeIntField(CWnd& field, int& value) { return ExchangeField(field, value, ParseIntText, TRUE); }
