#include "CGridCellCombo.h"

#include "CGridKeyFilter.h"
#include "InPlaceEditing.h"
#include "KeyState.h"
#include "SystemSettings.h"
#include "WinInputMessages.h"

#include <QAbstractItemView>
#include <QComboBox>

CGridCellCombo::CGridCellCombo(CWnd* pParent, const CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                               const CStringArray* pChoices, const CString& sInitText, UINT)
    : m_sInitText(sInitText), m_nRow(nRow), m_nCol(nColumn)
{
  // The list drops below the cell with room for its lines; the selection field keeps the
  // cell's height.
  CRect dropRect = rect;
  dropRect.bottom += GetSystemMetrics(SM_CYHSCROLL) + m_nNumLines * rect.Height();
  if (!Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | dwStyle, rect, pParent, nID))
    return;
  m_pKeyFilter = std::make_unique<CGridKeyFilter>(this, CGridKeyFilter::Chars::TabEnterEscape);
  GetWidget()->installEventFilter(m_pKeyFilter.get());
  if (pChoices)
    for (int i = 0; i < pChoices->GetSize(); ++i)
      AddString(pChoices->GetAt(i));
  TakeParentFont(this, pParent);
  auto* combo = static_cast<QComboBox*>(GetWidget());
  combo->setMaxVisibleItems(std::max(1, static_cast<int>(dropRect.Height() / std::max<LONG>(1, rect.Height())) - 1));
  combo->view()->setMinimumWidth(rect.Width());

  if (SelectString(-1, sInitText) == CB_ERR)
    SetWindowText(sInitText);
  SetFocus();
}

CGridCellCombo::~CGridCellCombo() = default;

void CGridCellCombo::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
  const bool navigation = nChar == VK_PRIOR || nChar == VK_NEXT || nChar == VK_DOWN || nChar == VK_UP
                          || nChar == VK_RIGHT || nChar == VK_LEFT;
  if (navigation && (m_bExitOnArrows || (GetKeyState(VK_CONTROL) & 0x8000))) {
    EndByKey(nChar);
    return;
  }
  CComboBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

// Esc, Tab and Enter end the choice when they are pressed in the list.
void CGridCellCombo::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
  if (nChar == VK_ESCAPE)
    SetWindowText(m_sInitText);
  if (nChar == VK_ESCAPE || nChar == VK_TAB || nChar == VK_RETURN) {
    EndByKey(nChar);
    return;
  }
  CComboBox::OnChar(nChar, nRepCnt, nFlags);
}

void CGridCellCombo::OnKillFocus(CWnd* pNewWnd)
{
  CComboBox::OnKillFocus(pNewWnd);
  // The list's own drop-down takes the focus while it is open.
  auto* combo = static_cast<QComboBox*>(GetWidget());
  if (combo && combo->view()->isVisible())
    return;
  EndEdit();
}

void CGridCellCombo::EndByKey(UINT nChar)
{
  m_nLastChar = nChar;
  PostMessage(kLeaveForGrid);
}

void CGridCellCombo::EndEdit()
{
  if (m_bEnded)
    return;
  m_bEnded = true;
  CString text;
  GetWindowText(text);
  SendEndLabelEdit(this, m_nRow, m_nCol, text, m_nLastChar);
  PostMessage(WM_CLOSE);
}

void CGridCellCombo::OnClose()
{
  DestroyWindow();
  delete this;
}

LRESULT CGridCellCombo::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  switch (message) {
  case kLeaveForGrid:
    if (CWnd* grid = GetParent())
      grid->SetFocus();
    return 0;
  case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
  case WM_SYSCHAR: return 0;
  default: return CComboBox::WindowProc(message, wParam, lParam);
  }
}
