#include "CDialog.h"

#include "AfxMessageBox.h"
#include "CDialogWidget.h"
#include "CModalAnswerer.h"
#include "QtText.h"

#include <QDialog>

CDialog::CDialog() : CDialog(0, nullptr) {}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_pParentWnd(pParentWnd), m_nIDTemplate(nIDTemplate), m_size(360, 240), m_nModalResult(IDCANCEL), m_ended(false)
{
}

void CDialog::SetInitialSize(int cx, int cy) { m_size = CSize(cx, cy); }

QDialog* CDialog::CreateDialogWidget(QWidget* parent) { return new CDialogWidget(parent); }

// The owner is the given parent, else the main window.
INT_PTR CDialog::DoModal()
{
  CWnd* owner = m_pParentWnd ? m_pParentWnd : CWnd::FromHandle(AfxGetMainWndHandle());
  QDialog* widget = CreateDialogWidget(owner ? owner->GetWidget() : nullptr);
  widget->setWindowTitle(ToQString(m_caption));
  widget->setModal(true);
  m_ended = false;
  m_nModalResult = IDCANCEL;
  if (!AttachWidget(widget, nullptr, m_nIDTemplate, WS_POPUP | WS_CAPTION, CRect(0, 0, m_size.cx, m_size.cy)))
    return -1;
  if (!OnInitDialog()) {
    DestroyWindow();
    return -1;
  }
  GetModalAnswerer().RunDialog(*this);
  DestroyWindow();
  return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
  m_nModalResult = nResult;
  m_ended = true;
  if (auto* dialog = qobject_cast<QDialog*>(GetWidget()))
    dialog->done(nResult);
}

void CDialog::SetModalResult(int nResult)
{
  m_nModalResult = nResult;
  m_ended = true;
}

void CDialog::PressButton(int nID)
{
  CWnd* button = GetDlgItem(nID);
  if (button && !button->IsWindowEnabled())
    return;
  SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(button ? button->m_hWnd : nullptr));
}

BOOL CDialog::OnInitDialog() { return TRUE; }

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM)
{
  if (HIWORD(wParam) != BN_CLICKED)
    return FALSE;
  if (LOWORD(wParam) == IDOK) {
    OnOK();
    return TRUE;
  }
  if (LOWORD(wParam) == IDCANCEL) {
    OnCancel();
    return TRUE;
  }
  return FALSE;
}
