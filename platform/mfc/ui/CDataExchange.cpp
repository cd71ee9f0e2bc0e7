#include "CDataExchange.h"

#include "CButton.h"
#include "CWnd.h"

#include <QAbstractButton>
#include <QButtonGroup>

#include <vector>

namespace {

// The group's buttons in the order they were made; the button alone when it has no group.
std::vector<CButton*> RadioGroup(CWnd* first)
{
  auto* button = qobject_cast<QAbstractButton*>(first->GetWidget());
  if (!button || !button->group())
    return {static_cast<CButton*>(first)};
  std::vector<CButton*> buttons;
  for (QAbstractButton* member : button->group()->buttons()) {
    if (CWnd* wnd = CWnd::FromWidget(member))
      buttons.push_back(static_cast<CButton*>(wnd));
  }
  return buttons;
}

} // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

CWnd* CDataExchange::PrepareCtrl(int nIDC) const { return m_pDlgWnd ? m_pDlgWnd->GetDlgItem(nIDC) : nullptr; }

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
  CWnd* control = pDX->PrepareCtrl(nIDC);
  if (!control)
    return;
  if (pDX->m_bSaveAndValidate)
    control->GetWindowText(value);
  else
    control->SetWindowText(value);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
  auto* button = dynamic_cast<CButton*>(pDX->PrepareCtrl(nIDC));
  if (!button)
    return;
  if (pDX->m_bSaveAndValidate)
    value = button->GetCheck();
  else
    button->SetCheck(value);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
  CWnd* first = pDX->PrepareCtrl(nIDC);
  if (!dynamic_cast<CButton*>(first))
    return;
  const std::vector<CButton*> buttons = RadioGroup(first);
  if (pDX->m_bSaveAndValidate) {
    value = -1;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      if (buttons[i]->GetCheck() == BST_CHECKED)
        value = static_cast<int>(i);
    }
    return;
  }
  for (std::size_t i = 0; i < buttons.size(); ++i)
    buttons[i]->SetCheck(static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED);
}
