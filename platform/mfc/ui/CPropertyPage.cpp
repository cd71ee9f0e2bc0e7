#include "CPropertyPage.h"

#include "CPropertySheet.h"

#include <QWidget>

CPropertyPage::CPropertyPage(UINT nIDTemplate, LPCTSTR lpszCaption)
    : CDialog(nIDTemplate, nullptr), m_pageCaption(lpszCaption ? lpszCaption : L"")
{
}

BOOL CPropertyPage::CreatePage(CPropertySheet* sheet, QWidget* holder)
{
  const CSize size = GetInitialSize();
  if (!AttachWidget(new QWidget, sheet, GetTemplateID(), WS_CHILD | WS_VISIBLE, CRect(0, 0, size.cx, size.cy)))
    return FALSE;
  GetWidget()->setParent(holder);
  GetWidget()->move(0, 0);
  GetWidget()->show();
  if (!OnInitDialog()) {
    DestroyWindow();
    return FALSE;
  }
  return TRUE;
}

BOOL CPropertyPage::OnSetActive() { return TRUE; }

BOOL CPropertyPage::OnKillActive() { return TRUE; }

BOOL CPropertyPage::OnApply() { return TRUE; }
