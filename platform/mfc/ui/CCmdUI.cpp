#include "CCmdUI.h"

#include "CStatusBar.h"
#include "QtText.h"

#include <QAction>

void CCmdUI::Enable(BOOL bOn)
{
  if (m_pAction)
    m_pAction->setEnabled(bOn != FALSE);
  if (m_pStatusBar)
    m_pStatusBar->EnablePane(m_nIndex, bOn);
}

void CCmdUI::SetCheck(int nCheck)
{
  if (!m_pAction)
    return;
  m_pAction->setCheckable(nCheck != 0);
  m_pAction->setChecked(nCheck != 0);
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
  if (m_pAction)
    m_pAction->setText(ToQString(lpszText));
  if (m_pStatusBar)
    m_pStatusBar->SetPaneText(m_nIndex, lpszText);
}
