#include "NumericField.h"

#include "AfxMessageBox.h"
#include "CEdit.h"
#include "CWnd.h"

#include <cerrno>
#include <climits>
#include <cwchar>

namespace {

const wchar_t* SkipBlanks(const wchar_t* p)
{
  while (*p == L' ' || *p == L'\t')
    ++p;
  return p;
}

// The number ended where the text ends, but for blanks.
bool EndsAfterBlanks(const wchar_t* start, const wchar_t* end) { return end != start && *SkipBlanks(end) == L'\0'; }

void Refuse(CWnd& field, const wchar_t* message)
{
  AfxMessageBox(message, MB_ICONEXCLAMATION);
  field.SetFocus();
  if (auto* edit = dynamic_cast<CEdit*>(&field))
    edit->SetSel(0, -1);
}

} // namespace

BOOL ParseRealText(const CString& text, double& value)
{
  const wchar_t* start = SkipBlanks(text.GetString());
  wchar_t* end = nullptr;
  const double number = std::wcstod(start, &end);
  if (!EndsAfterBlanks(start, end))
    return FALSE;
  value = number;
  return TRUE;
}

BOOL ParseIntText(const CString& text, int& value)
{
  const wchar_t* start = SkipBlanks(text.GetString());
  wchar_t* end = nullptr;
  errno = 0;
  const long number = std::wcstol(start, &end, 10);
  if (!EndsAfterBlanks(start, end) || errno == ERANGE || number < INT_MIN || number > INT_MAX)
    return FALSE;
  value = static_cast<int>(number);
  return TRUE;
}

BOOL ExchangeRealField(CWnd& field, double& value)
{
  CString text;
  field.GetWindowText(text);
  if (ParseRealText(text, value))
    return TRUE;
  Refuse(field, L"请输入一个数字。");
  return FALSE;
}

BOOL ExchangeIntField(CWnd& field, int& value)
{
  CString text;
  field.GetWindowText(text);
  if (ParseIntText(text, value))
    return TRUE;
  Refuse(field, L"请输入一个整数。");
  return FALSE;
}
