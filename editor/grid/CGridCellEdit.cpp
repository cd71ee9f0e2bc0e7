#include "CGridCellEdit.h"

#include "CDC.h"
#include "CGridKeyFilter.h"
#include "GridDefs.h"
#include "InPlaceEditing.h"
#include "KeyState.h"
#include "NumericField.h"
#include "WinInputMessages.h"

#include <QFontMetrics>
#include <QWidget>

namespace {

// Asks the field to fit its text once the typed character is in it.
constexpr UINT kFitToText = WM_USER + 1;
// Refuses a text that is no number, once the focus has gone where it was going.
constexpr UINT kRefuseText = WM_USER + 3;

bool IsNavigationKey(UINT nChar)
{
  return nChar == VK_PRIOR || nChar == VK_NEXT || nChar == VK_DOWN || nChar == VK_UP || nChar == VK_RIGHT
         || nChar == VK_LEFT;
}

} // namespace

CGridCellEdit::CGridCellEdit(CWnd* pParent, const CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                             const CString& sInitText, UINT nFirstChar, BOOL (*numberCheck)(const CString&))
    : m_nRow(nRow), m_nCol(nColumn), m_sInitText(sInitText), m_nLastChar(0),
      m_bExitOnArrows(nFirstChar != VK_LBUTTON), m_Rect(rect), m_pNumberCheck(numberCheck)
{
  if (!Create(WS_BORDER | WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | dwStyle, rect, pParent, nID))
    return;
  m_pKeyFilter = std::make_unique<CGridKeyFilter>(this, CGridKeyFilter::Chars::TabEnterEscape);
  GetWidget()->installEventFilter(m_pKeyFilter.get());
  TakeParentFont(this, pParent);
  SetWindowText(sInitText);
  SetFocus();

  const int length = sInitText.GetLength();
  switch (nFirstChar) {
  case VK_LBUTTON:
  case VK_RETURN:
    SetSel(length, length);
    return;
  case VK_BACK:
    SetSel(length, length);
    break;
  case VK_TAB:
  case VK_DOWN:
  case VK_UP:
  case VK_RIGHT:
  case VK_LEFT:
  case VK_NEXT:
  case VK_PRIOR:
  case VK_HOME:
  case VK_SPACE:
  case VK_END:
    SetSel(0, -1);
    return;
  default:
    SetSel(0, -1);
    break;
  }
  // The first character goes into the field as if typed there.
  TypeIntoWindow(this, nFirstChar);
}

CGridCellEdit::~CGridCellEdit() = default;

void CGridCellEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
  if (IsNavigationKey(nChar) && (m_bExitOnArrows || (GetKeyState(VK_CONTROL) & 0x8000))) {
    EndByKey(nChar);
    return;
  }
  // The field keeps its keys: those a one-line field has no use for go no further.
  if (nChar == VK_UP || nChar == VK_DOWN || nChar == VK_PRIOR || nChar == VK_NEXT)
    return;
  CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGridCellEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
  if (nChar == VK_TAB || nChar == VK_RETURN) {
    EndByKey(nChar);
    return;
  }
  if (nChar == VK_ESCAPE) {
    SetWindowText(m_sInitText);
    EndByKey(nChar);
    return;
  }
  CEdit::OnChar(nChar, nRepCnt, nFlags);
  PostMessage(kFitToText);
}

void CGridCellEdit::FitToText()
{
  CString text;
  GetWindowText(text);
  const QFontMetrics metrics(GetWidget()->font());
  const int width = metrics.horizontalAdvance(QString::fromStdWString(std::wstring(text.GetString()) + L"  "));
  CRect rect;
  GetWindowRect(&rect);
  if (width <= rect.Width())
    return;
  CRect parent;
  GetParent()->GetClientRect(&parent);
  rect.right = std::min<LONG>(rect.left + width, parent.right);
  MoveWindow(&rect);
}

void CGridCellEdit::OnKillFocus(CWnd* pNewWnd)
{
  CEdit::OnKillFocus(pNewWnd);
  if (!IsRefused()) {
    EndEdit();
    return;
  }
  // The cell keeps its value and the edit goes on: the key that would have moved on is spent.
  m_nLastChar = 0;
  PostMessage(kRefuseText);
}

bool CGridCellEdit::IsRefused() const
{
  if (m_bEnded || !m_pNumberCheck || m_nLastChar == VK_ESCAPE)
    return false;
  CString text;
  GetWindowText(text);
  return !m_pNumberCheck(text);
}

void CGridCellEdit::EndByKey(UINT nChar)
{
  m_nLastChar = nChar;
  PostMessage(kLeaveForGrid);
}

void CGridCellEdit::EndEdit()
{
  if (m_bEnded)
    return;
  m_bEnded = true;
  CString text;
  GetWindowText(text);
  SendEndLabelEdit(this, m_nRow, m_nCol, text, m_nLastChar);
  PostMessage(WM_CLOSE);
}

void CGridCellEdit::OnClose()
{
  DestroyWindow();
  delete this;
}

LRESULT CGridCellEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  switch (message) {
  case kFitToText: FitToText(); return 0;
  case kRefuseText: RefuseNumericField(*this); return 0;
  case kLeaveForGrid:
    if (CWnd* grid = GetParent())
      grid->SetFocus();
    return 0;
  case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
  case WM_SYSCHAR: return 0;
  default: return CEdit::WindowProc(message, wParam, lParam);
  }
}
