#include "CEdit.h"

#include "QtText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
  const HWND self = m_hWnd;
  if (dwStyle & ES_MULTILINE) {
    auto* lines = new QPlainTextEdit;
    lines->setReadOnly((dwStyle & ES_READONLY) != 0);
    QObject::connect(lines, &QPlainTextEdit::textChanged, lines, [self] {
      if (auto* edit = static_cast<CEdit*>(FromHandle(self)))
        edit->NotifyParent(EN_CHANGE);
    });
    return AttachWidget(lines, pParentWnd, nID, dwStyle, rect);
  }
  auto* line = new QLineEdit;
  if (dwStyle & ES_CENTER)
    line->setAlignment(Qt::AlignCenter);
  else if (dwStyle & ES_RIGHT)
    line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  line->setReadOnly((dwStyle & ES_READONLY) != 0);
  if (dwStyle & ES_PASSWORD)
    line->setEchoMode(QLineEdit::Password);
  QObject::connect(line, &QLineEdit::textChanged, line, [self] {
    if (auto* edit = static_cast<CEdit*>(FromHandle(self)))
      edit->NotifyParent(EN_CHANGE);
  });
  return AttachWidget(line, pParentWnd, nID, dwStyle, rect);
}

QLineEdit* CEdit::Line() const { return qobject_cast<QLineEdit*>(GetWidget()); }

QPlainTextEdit* CEdit::Lines() const { return qobject_cast<QPlainTextEdit*>(GetWidget()); }

void CEdit::SetWindowText(LPCTSTR lpszString)
{
  if (Line())
    Line()->setText(ToQString(lpszString));
  else if (Lines())
    Lines()->setPlainText(ToQString(lpszString).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void CEdit::GetWindowText(CString& rString) const
{
  if (Line())
    rString = FromQString(Line()->text());
  else if (Lines())
    rString = FromQString(Lines()->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
  else
    rString.Empty();
}

// Windows' selection: start == 0 and end == -1 selects all; start == -1 removes the selection.
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL)
{
  if (QPlainTextEdit* lines = Lines()) {
    QTextCursor cursor = lines->textCursor();
    const int length = static_cast<int>(lines->toPlainText().size());
    if (nStartChar < 0) {
      cursor.clearSelection();
    } else {
      cursor.setPosition(nStartChar > length ? length : nStartChar);
      cursor.setPosition(nEndChar < 0 || nEndChar > length ? length : nEndChar, QTextCursor::KeepAnchor);
    }
    lines->setTextCursor(cursor);
    return;
  }
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
  nStartChar = nEndChar = 0;
  if (QPlainTextEdit* lines = Lines()) {
    const QTextCursor cursor = lines->textCursor();
    nStartChar = cursor.selectionStart();
    nEndChar = cursor.selectionEnd();
    return;
  }
  QLineEdit* line = Line();
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
  else if (Lines())
    Lines()->insertPlainText(ToQString(lpszNewText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly)
{
  if (Line())
    Line()->setReadOnly(bReadOnly != FALSE);
  else if (Lines())
    Lines()->setReadOnly(bReadOnly != FALSE);
  else
    return FALSE;
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
