#include "CEdit.h"

#include "QtText.h"

#include <QLineEdit>

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
  auto* line = new QLineEdit;
  if (dwStyle & ES_CENTER)
    line->setAlignment(Qt::AlignCenter);
  else if (dwStyle & ES_RIGHT)
    line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  line->setReadOnly((dwStyle & ES_READONLY) != 0);
  if (dwStyle & ES_PASSWORD)
    line->setEchoMode(QLineEdit::Password);
  const HWND self = m_hWnd;
  QObject::connect(line, &QLineEdit::textChanged, line, [self] {
    if (auto* edit = static_cast<CEdit*>(FromHandle(self)))
      edit->NotifyParent(EN_CHANGE);
  });
  return AttachWidget(line, pParentWnd, nID, dwStyle, rect);
}

QLineEdit* CEdit::Line() const { return static_cast<QLineEdit*>(GetWidget()); }

void CEdit::SetWindowText(LPCTSTR lpszString)
{
  if (Line())
    Line()->setText(ToQString(lpszString));
}

void CEdit::GetWindowText(CString& rString) const
{
  rString = Line() ? FromQString(Line()->text()) : CString();
}

// Windows' selection: start == 0 and end == -1 selects all; start == -1 removes the selection.
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL)
{
  QLineEdit* line = Line();
  if (!line)
    return;
  const int length = static_cast<int>(line->text().size());
  if (nStartChar < 0) {
    line->deselect();
    return;
  }
  const int end = nEndChar < 0 || nEndChar > length ? length : nEndChar;
  const int start = nStartChar > length ? length : nStartChar;
  line->setSelection(start, end - start);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
  QLineEdit* line = Line();
  nStartChar = nEndChar = 0;
  if (!line)
    return;
  if (line->hasSelectedText()) {
    nStartChar = line->selectionStart();
    nEndChar = line->selectionEnd();
  } else {
    nStartChar = nEndChar = line->cursorPosition();
  }
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL)
{
  if (Line())
    Line()->insert(ToQString(lpszNewText));
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly)
{
  if (!Line())
    return FALSE;
  Line()->setReadOnly(bReadOnly != FALSE);
  return TRUE;
}

void CEdit::SetLimitText(UINT nMax)
{
  if (Line())
    Line()->setMaxLength(nMax == 0 ? 32767 : static_cast<int>(nMax));
}

UINT CEdit::GetLimitText() const { return Line() ? static_cast<UINT>(Line()->maxLength()) : 0; }

void CEdit::OnSetFocus(CWnd*)
{
  NotifyParent(EN_SETFOCUS);
  Default();
}

void CEdit::OnKillFocus(CWnd*)
{
  NotifyParent(EN_KILLFOCUS);
  Default();
}
