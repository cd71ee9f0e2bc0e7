#include "CButton.h"

#include "QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

const char* const kRadioGroupProperty = "corbelRadioGroup";

// A radio button joins the group of the radio buttons made before it in the same parent; a
// button with WS_GROUP starts a new group, as Windows groups them.
QRadioButton* MakeRadioButton(const QString& caption, DWORD dwStyle, CWnd* pParentWnd)
{
  auto* button = new QRadioButton(caption);
  QWidget* parent = pParentWnd ? pParentWnd->GetWidget() : nullptr;
  if (!parent)
    return button;
  auto* group = parent->property(kRadioGroupProperty).value<QButtonGroup*>();
  if (!group || (dwStyle & WS_GROUP)) {
    group = new QButtonGroup(parent);
    parent->setProperty(kRadioGroupProperty, QVariant::fromValue(group));
  }
  group->addButton(button);
  return button;
}

} // namespace

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
  const QString caption = ToQString(lpszCaption);
  const DWORD type = dwStyle & BS_TYPEMASK;
  if (type == BS_GROUPBOX)
    return AttachWidget(new QGroupBox(caption), pParentWnd, nID, dwStyle, rect);
  QAbstractButton* button = nullptr;
  if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX)
    button = new QCheckBox(caption);
  else if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
    button = MakeRadioButton(caption, dwStyle, pParentWnd);
  else {
    auto* push = new QPushButton(caption);
    push->setDefault(type == BS_DEFPUSHBUTTON);
    push->setAutoDefault(false);
    button = push;
  }
  const HWND self = m_hWnd;
  QObject::connect(button, &QAbstractButton::clicked, button, [self] {
    if (CWnd* wnd = FromHandle(self))
      static_cast<CButton*>(wnd)->NotifyParent(BN_CLICKED);
  });
  return AttachWidget(button, pParentWnd, nID, dwStyle, rect);
}

QAbstractButton* CButton::Button() const { return qobject_cast<QAbstractButton*>(GetWidget()); }

void CButton::SetWindowText(LPCTSTR lpszString)
{
  if (QAbstractButton* button = Button())
    button->setText(ToQString(lpszString));
  else if (auto* group = qobject_cast<QGroupBox*>(GetWidget()))
    group->setTitle(ToQString(lpszString));
}

void CButton::GetWindowText(CString& rString) const
{
  if (QAbstractButton* button = Button())
    rString = FromQString(button->text());
  else if (auto* group = qobject_cast<QGroupBox*>(GetWidget()))
    rString = FromQString(group->title());
  else
    rString.Empty();
}

int CButton::GetCheck() const
{
  QAbstractButton* button = Button();
  return button && button->isCheckable() && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int nCheck)
{
  QAbstractButton* button = Button();
  if (!button || !button->isCheckable())
    return;
  // A radio button can be unchecked from code, as on Windows, though its group is exclusive.
  QButtonGroup* group = nCheck != BST_CHECKED && button->isChecked() ? button->group() : nullptr;
  if (group && group->exclusive()) {
    group->setExclusive(false);
    button->setChecked(false);
    group->setExclusive(true);
    return;
  }
  button->setChecked(nCheck == BST_CHECKED);
}

void CButton::Click()
{
  if (QAbstractButton* button = Button())
    button->click();
}
