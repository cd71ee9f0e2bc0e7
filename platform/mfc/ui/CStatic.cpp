#include "CStatic.h"

#include "QtText.h"

#include <QLabel>
#include <QPixmap>

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
  auto* label = new QLabel(ToQString(lpszText));
  label->setTextFormat(Qt::PlainText);
  const DWORD align = dwStyle & 0x3U;
  // Text starts at the top and breaks at the right edge, as a static's text does.
  label->setAlignment((align == SS_CENTER ? Qt::AlignHCenter : align == SS_RIGHT ? Qt::AlignRight : Qt::AlignLeft)
                      | Qt::AlignTop);
  label->setWordWrap(true);
  return AttachWidget(label, pParentWnd, nID, dwStyle, rect);
}

void CStatic::SetPicture(const QPixmap& picture)
{
  if (QLabel* label = Label())
    label->setPixmap(picture);
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
