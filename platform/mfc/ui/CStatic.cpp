#include "CStatic.h"

#include "QtText.h"

#include <QLabel>

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
  auto* label = new QLabel(ToQString(lpszText));
  label->setTextFormat(Qt::PlainText);
  const DWORD align = dwStyle & 0x3U;
  // As a static text of the system: the text starts at the top and breaks into lines at the
  // width of its box instead of running past it.
  label->setAlignment((align == SS_CENTER ? Qt::AlignHCenter : align == SS_RIGHT ? Qt::AlignRight : Qt::AlignLeft)
                      | Qt::AlignTop);
  label->setWordWrap(true);
  return AttachWidget(label, pParentWnd, nID, dwStyle, rect);
}

QLabel* CStatic::Label() const { return static_cast<QLabel*>(GetWidget()); }

void CStatic::SetWindowText(LPCTSTR lpszString)
{
  if (Label())
    Label()->setText(ToQString(lpszString));
}

void CStatic::GetWindowText(CString& rString) const
{
  rString = Label() ? FromQString(Label()->text()) : CString();
}
