#include "CStatusBar.h"

#include "QtText.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
  auto* bar = new QStatusBar;
  bar->setSizeGripEnabled(false);
  if (!AttachWidget(bar, pParentWnd, nID, dwStyle, CRect(0, 0, 0, 0)))
    return FALSE;
  if (auto* frame = pParentWnd ? qobject_cast<QMainWindow*>(pParentWnd->GetWidget()) : nullptr)
    frame->setStatusBar(bar);
  return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
  auto* bar = qobject_cast<QStatusBar*>(GetWidget());
  if (!bar || !lpIDArray || nIDCount < 0)
    return FALSE;
  for (Pane& pane : m_panes)
    delete pane.label;
  m_panes.clear();
  for (int i = 0; i < nIDCount; ++i) {
    auto* label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    if (lpIDArray[i] == ID_SEPARATOR)
      bar->addWidget(label, 1);
    else
      bar->addPermanentWidget(label);
    m_panes.push_back(Pane{lpIDArray[i], label, true, CString()});
  }
  return TRUE;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
  for (std::size_t i = 0; i < m_panes.size(); ++i)
    if (m_panes[i].nID == nIDFind)
      return static_cast<int>(i);
  return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
  return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<std::size_t>(nIndex)].nID : 0;
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL)
{
  if (nIndex < 0 || nIndex >= GetCount())
    return FALSE;
  Pane& pane = m_panes[static_cast<std::size_t>(nIndex)];
  pane.text = lpszNewText ? lpszNewText : L"";
  pane.label->setText(pane.enabled ? ToQString(pane.text) : QString());
  return TRUE;
}

CString CStatusBar::GetPaneText(int nIndex) const
{
  return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<std::size_t>(nIndex)].text : CString();
}

// A disabled pane shows no text, as Windows' indicators do.
void CStatusBar::EnablePane(int nIndex, BOOL bOn)
{
  if (nIndex < 0 || nIndex >= GetCount())
    return;
  Pane& pane = m_panes[static_cast<std::size_t>(nIndex)];
  pane.enabled = bOn != FALSE;
  pane.label->setText(pane.enabled ? ToQString(pane.text) : QString());
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
  QRect r;
  if (nIndex >= 0 && nIndex < GetCount())
    r = m_panes[static_cast<std::size_t>(nIndex)].label->geometry();
  *lpRect = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}
