#include "CDialog.h"

#include "AfxMessageBox.h"
#include "CDialogWidget.h"
#include "CModalAnswerer.h"
#include "QtText.h"

#include <QDialog>
#include <QScreen>

#include <algorithm>

namespace {

// Room left around the controls of a dialog laid out by hand.
const int kMargin = 12;

// A dialog whose controls stand where it put them is as large as they need, with a margin
// right and below like the one they keep to the left and above.
void FitToControls(QDialog& dialog)
{
  if (dialog.layout())
    return;
  const QRect used = dialog.childrenRect();
  if (used.isEmpty())
    return;
  dialog.resize(used.right() + 1 + kMargin, used.bottom() + 1 + kMargin);
}

// Over the middle of its owner's window (of the screen without one), kept on the screen.
void CentreOnOwner(QDialog& dialog, const QWidget* owner)
{
  const QScreen* screen = owner ? owner->screen() : dialog.screen();
  const QRect area = owner ? owner->window()->frameGeometry() : (screen ? screen->availableGeometry() : QRect());
  if (area.isEmpty())
    return;
  QRect frame(QPoint(), dialog.size());
  frame.moveCenter(area.center());
  if (screen) {
    const QRect room = screen->availableGeometry();
    frame.moveRight(std::min(frame.right(), room.right()));
    frame.moveBottom(std::min(frame.bottom(), room.bottom()));
    frame.moveLeft(std::max(frame.left(), room.left()));
    frame.moveTop(std::max(frame.top(), room.top()));
  }
  dialog.move(frame.topLeft());
}

} // namespace

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
  FitToControls(*widget);
  CentreOnOwner(*widget, owner ? owner->GetWidget() : nullptr);
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

BOOL CDialog::OnInitDialog()
{
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK()
{
  if (UpdateData(TRUE))
    EndDialog(IDOK);
}

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
