#include "InPlaceEditing.h"

#include "CFont.h"
#include "CWnd.h"
#include "GridDefs.h"
#include "WinInputMessages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <vector>

void TypeIntoWindow(CWnd* pWnd, UINT nChar)
{
  if (!pWnd || !pWnd->GetWidget())
    return;
  const bool backspace = nChar == VK_BACK;
  QKeyEvent key(QEvent::KeyPress, backspace ? Qt::Key_Backspace : 0, Qt::NoModifier,
                backspace ? QString() : QString(QChar(static_cast<char16_t>(nChar))));
  QApplication::sendEvent(pWnd->GetWidget(), &key);
}

void TakeParentFont(CWnd* pEditor, CWnd* pParent)
{
  auto* font = pParent ? reinterpret_cast<CFont*>(pParent->SendMessage(WM_GETFONT)) : nullptr;
  if (font && font->IsCreated() && pEditor->GetWidget())
    pEditor->GetWidget()->setFont(font->GetQFont());
}

void SendEndLabelEdit(CWnd* pEditor, int nRow, int nCol, const CString& text, UINT nLastChar)
{
  CWnd* owner = pEditor->GetParent();
  if (!owner)
    return;
  std::vector<wchar_t> buffer(text.GetString(), text.GetString() + text.GetLength() + 1);
  LV_DISPINFO dispinfo{};
  dispinfo.hdr = NMHDR{pEditor->m_hWnd, pEditor->GetDlgCtrlID(), LVN_ENDLABELEDIT};
  dispinfo.item.mask = LVIF_TEXT | LVIF_PARAM;
  dispinfo.item.iItem = nRow;
  dispinfo.item.iSubItem = nCol;
  dispinfo.item.pszText = buffer.data();
  dispinfo.item.cchTextMax = text.GetLength();
  dispinfo.item.lParam = static_cast<LPARAM>(nLastChar);
  owner->SendMessage(WM_NOTIFY, pEditor->GetDlgCtrlID(), reinterpret_cast<LPARAM>(&dispinfo));
}
