// The grid's answers to the keyboard, the mouse, the wheel and its auto-scroll timer: moving
// the focus, selecting, sizing rows and columns by their header dividers, sorting in list mode
// and showing title tips.
#include "CGridCtrl.h"

#include "CWaitCursor.h"
#include "GridAxis.h"
#include "KeyState.h"
#include "MouseCapture.h"
#include "WindowCursor.h"

#include <QCursor>
#include <QWidget>

#include <algorithm>

namespace {

bool ShiftHeld() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }
bool ControlHeld() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

// The auto-scroll timer's id.
constexpr UINT_PTR kSelectTimer = WM_LBUTTONDOWN;

} // namespace

UINT CGridCtrl::OnGetDlgCode()
{
  UINT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (m_bHandleTabKey && !ControlHeld())
    code |= DLGC_WANTTAB;
  return code;
}

void CGridCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
  if (!IsValid(m_idCurrentCell) || (nChar == VK_TAB && !(OnGetDlgCode() & DLGC_WANTTAB))) {
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    return;
  }
  if (ControlHeld()) {
    switch (nChar) {
    case 'A': OnEditSelectAll(); break;
    case 'X': OnEditCut(); break;
    case 'C': OnEditCopy(); break;
    case 'V': OnEditPaste(); break;
    default: break;
    }
    // A focused grid takes its edit keys before the frame's accelerators.
    if (nChar == 'A' || nChar == 'X' || nChar == 'C' || nChar == 'V')
      return;
  }
  CCellID next = m_idCurrentCell;
  bool changeLine = false;
  const bool shift = ShiftHeld();
  switch (nChar) {
  case VK_DELETE:
    if (IsCellEditable(m_idCurrentCell.row, m_idCurrentCell.col)
        && AcceptsCellText(m_idCurrentCell.row, m_idCurrentCell.col, L"")) {
      SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_BEGINLABELEDIT);
      SetItemText(m_idCurrentCell.row, m_idCurrentCell.col, L"");
      SetModified(TRUE, m_idCurrentCell.row, m_idCurrentCell.col);
      SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_ENDLABELEDIT);
      RedrawCell(m_idCurrentCell.row, m_idCurrentCell.col);
    }
    break;
  case VK_TAB:
    // Tab wraps to the next row, Shift+Tab to the previous one; at the ends the key stays here.
    if (shift) {
      if (next.col > m_nFixedCols) {
        next.col--;
      } else if (next.col == m_nFixedCols && next.row > m_nFixedRows) {
        next.row--;
        next.col = m_nCols - 1;
        changeLine = true;
      }
    } else if (next.col < m_nCols - 1) {
      next.col++;
    } else if (next.row < m_nRows - 1) {
      next.row++;
      next.col = m_nFixedCols;
      changeLine = true;
    }
    break;
  case VK_DOWN:
    if (next.row < m_nRows - 1)
      next.row++;
    break;
  case VK_UP:
    if (next.row > m_nFixedRows)
      next.row--;
    break;
  case VK_RIGHT:
    if (next.col < m_nCols - 1)
      next.col++;
    break;
  case VK_LEFT:
    if (next.col > m_nFixedCols)
      next.col--;
    break;
  case VK_NEXT:
  case VK_PRIOR: {
    const CCellID oldTopLeft = GetTopleftNonFixedCell();
    SendMessage(WM_VSCROLL, nChar == VK_NEXT ? SB_PAGEDOWN : SB_PAGEUP, 0);
    const int increment = GetTopleftNonFixedCell().row - oldTopLeft.row;
    if (increment)
      next.row = std::clamp(next.row + increment, m_nFixedRows, m_nRows - 1);
    else
      next.row = nChar == VK_NEXT ? m_nRows - 1 : m_nFixedRows;
    break;
  }
  case VK_HOME:
    SendMessage(WM_VSCROLL, SB_TOP, 0);
    next.row = m_nFixedRows;
    break;
  case VK_END:
    SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    next.row = m_nRows - 1;
    break;
  default:
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    return;
  }
  if (next == m_idCurrentCell)
    return;

  // The selection follows the focus unless a mouse operation is under way.
  if (m_MouseMode == MOUSE_NOTHING) {
    m_PrevSelectedCellMap.clear();
    m_MouseMode = m_bListMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
    if (!shift || nChar == VK_TAB)
      m_SelectionStartCell = next;
    OnSelecting(next);
    m_MouseMode = MOUSE_NOTHING;
  }
  SetFocusCell(next);
  if (IsCellVisible(next.row, next.col))
    return;
  EnsureVisible(next);
  switch (nChar) {
  case VK_RIGHT: SendMessage(WM_HSCROLL, SB_LINERIGHT, 0); break;
  case VK_LEFT: SendMessage(WM_HSCROLL, SB_LINELEFT, 0); break;
  case VK_DOWN: SendMessage(WM_VSCROLL, SB_LINEDOWN, 0); break;
  case VK_UP: SendMessage(WM_VSCROLL, SB_LINEUP, 0); break;
  case VK_TAB:
    if (shift && changeLine) {
      SendMessage(WM_VSCROLL, SB_LINEUP, 0);
      SetScrollPos32(SB_HORZ, m_nHScrollMax);
    } else if (shift) {
      SendMessage(WM_HSCROLL, SB_LINELEFT, 0);
    } else if (changeLine) {
      SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
      SetScrollPos32(SB_HORZ, 0);
    } else {
      SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
    }
    break;
  default: break;
  }
  Invalidate();
}

BOOL CGridCtrl::MouseOverRowResizeArea(CPoint point) const
{
  return MouseOverDivider(point, GridAxis::RowsOf(*this), GridAxis::ColumnsOf(*this));
}

BOOL CGridCtrl::MouseOverColumnResizeArea(CPoint point) const
{
  return MouseOverDivider(point, GridAxis::ColumnsOf(*this), GridAxis::RowsOf(*this));
}

// Over the headers of the other direction, within the capture range of the start (not of the
// first row or column) or of the end of the cell under the point.
BOOL CGridCtrl::MouseOverDivider(CPoint point, const GridAxis& axis, const GridAxis& across) const
{
  if (across.Along(point) >= across.FixedExtent())
    return FALSE;
  const CCellID cell = GetCellFromPt(point);
  CRect rect;
  if (!GetCellRect(cell.row, cell.col, &rect))
    return FALSE;
  // Inside a header block only the block's own edges divide.
  if (const CGridCell* gridCell = GetCell(cell.row, cell.col); gridCell->merged || gridCell->rowSpan || gridCell->colSpan)
    GetMergedRect(cell.row, cell.col, &rect, true);
  const int pos = axis.Along(point);
  const int start = axis.StartOf(rect);
  const int end = axis.EndOf(rect) + 1;
  const bool first = axis.IndexOf(GetMergeOwner(cell.row, cell.col)) == 0 || start == 0;
  return (pos - start <= m_nResizeCaptureRange && !first) || end - pos <= m_nResizeCaptureRange;
}

CRect CGridCtrl::SizingBandAt(CPoint point, const GridAxis& axis) const
{
  CRect band;
  GetClientRect(&band);
  axis.StartOf(band) = axis.Along(point);
  axis.EndOf(band) = axis.Along(point) + 2;
  return band;
}

// A divider at the start of a row or column belongs to the one before it; the cursor is kept
// from the sized one's start on.
void CGridCtrl::StartSizing(CPoint point, const GridAxis& axis)
{
  m_MouseMode = axis.IsRows() ? MOUSE_SIZING_ROW : MOUSE_SIZING_COL;
  POINT start;
  if (!GetCellOrigin(m_LeftClickDownCell.row, m_LeftClickDownCell.col, &start))
    return;
  m_nSizingIndex = axis.IndexOf(m_LeftClickDownCell);
  if (axis.Along(point) - axis.Along(start) <= m_nResizeCaptureRange) {
    const CCellID before = axis.WithIndex(m_LeftClickDownCell, --m_nSizingIndex);
    if (!GetCellOrigin(before.row, before.col, &start))
      return;
  }
  MoveSizingBand(SizingBandAt(point, axis));
  GetClientRect(&m_rectCursorClip);
  axis.StartOf(m_rectCursorClip) = axis.Along(start);
  m_bCursorConfined = true;
}

void CGridCtrl::MoveSizingBand(const CRect& band)
{
  for (const CRect& area : {m_rectSizingBand, band})
    if (!area.IsRectEmpty())
      InvalidateRect(&area);
  m_rectSizingBand = band;
}

CPoint CGridCtrl::ConfinedPoint(CPoint point) const
{
  if (!m_bCursorConfined)
    return point;
  return CPoint(std::clamp<int>(point.x, m_rectCursorClip.left, m_rectCursorClip.right - 1),
                std::clamp<int>(point.y, m_rectCursorClip.top, m_rectCursorClip.bottom - 1));
}

void CGridCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
  m_LeftClickDownPoint = point;
  m_LeftClickDownCell = GetCellFromPt(point);
  if (!IsValid(m_LeftClickDownCell))
    return;
  m_SelectionStartCell = (nFlags & MK_SHIFT) ? m_idCurrentCell : m_LeftClickDownCell;
  const bool hadFocus = GetFocus() == this;
  SetFocus();

  // A click on the focus cell prepares its edit.
  if (m_LeftClickDownCell == m_idCurrentCell) {
    m_MouseMode = MOUSE_PREPARE_EDIT;
    return;
  }
  if (m_MouseMode != MOUSE_OVER_COL_DIVIDE && m_MouseMode != MOUSE_OVER_ROW_DIVIDE) {
    SetFocusCell(-1, -1);
    SetFocusCell(std::max(m_LeftClickDownCell.row, m_nFixedRows), std::max(m_LeftClickDownCell.col, m_nFixedCols));
  }
  // A click on the selection of a focused grid may start a drag.
  if (m_bAllowDragAndDrop && hadFocus
      && (GetItemState(m_LeftClickDownCell.row, m_LeftClickDownCell.col) & GVIS_SELECTED)) {
    m_MouseMode = MOUSE_PREPARE_DRAG;
    return;
  }

  SetCapture();
  if (m_MouseMode == MOUSE_NOTHING) {
    if (m_bAllowColumnResize && MouseOverColumnResizeArea(point)) {
      SetWindowCursor(this, IDC_SIZEWE);
      m_MouseMode = MOUSE_OVER_COL_DIVIDE;
    } else if (m_bAllowRowResize && MouseOverRowResizeArea(point)) {
      SetWindowCursor(this, IDC_SIZENS);
      m_MouseMode = MOUSE_OVER_ROW_DIVIDE;
    }
  }

  if (m_MouseMode == MOUSE_OVER_COL_DIVIDE) {
    StartSizing(point, GridAxis::ColumnsOf(*this));
  } else if (m_MouseMode == MOUSE_OVER_ROW_DIVIDE) {
    StartSizing(point, GridAxis::RowsOf(*this));
  } else {
    // Selecting: with Ctrl the cells selected so far stay selected.
    m_PrevSelectedCellMap.clear();
    if (nFlags & MK_CONTROL)
      m_PrevSelectedCellMap = m_SelectedCellMap;
    if (m_LeftClickDownCell.row < m_nFixedRows) {
      OnFixedRowClick(m_LeftClickDownCell);
    } else if (m_LeftClickDownCell.col < m_nFixedCols) {
      OnFixedColumnClick(m_LeftClickDownCell);
    } else {
      m_MouseMode = m_bListMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
      OnSelecting(m_LeftClickDownCell);
    }
    m_nTimerID = SetTimer(kSelectTimer, m_nTimerInterval);
  }
  m_LastMousePoint = point;
}

void CGridCtrl::OnFixedRowClick(CCellID& cell)
{
  if (!IsValid(cell))
    return;
  if (!m_bListMode) {
    m_MouseMode = cell.col < m_nFixedCols ? MOUSE_SELECT_ALL : MOUSE_SELECT_COL;
    OnSelecting(cell);
    return;
  }
  if (!m_bSortOnClick)
    return;
  CWaitCursor waiting;
  if (cell.col == m_SortColumn) {
    m_bAscending = !m_bAscending;
  } else {
    m_bAscending = TRUE;
    m_SortColumn = cell.col;
  }
  SortTextItems(m_SortColumn, m_bAscending);
  Invalidate();
}

void CGridCtrl::OnFixedColumnClick(CCellID& cell)
{
  if (!IsValid(cell))
    return;
  m_MouseMode = cell.row < m_nFixedRows ? MOUSE_SELECT_ALL : MOUSE_SELECT_ROW;
  OnSelecting(cell);
}

void CGridCtrl::ShowTitleTip(const CCellID& cell)
{
  const CGridCell* gridCell = GetCell(cell.row, cell.col);
  if (!gridCell || !m_TitleTip.GetSafeHwnd())
    return;
  if (gridCell->merged || gridCell->rowSpan || gridCell->colSpan) {
    // A block shows its top-left text over the whole block.
    const CCellID owner = GetMergeOwner(cell.row, cell.col);
    CRect block;
    if (!GetCellRect(cell.row, cell.col, &block))
      return;
    GetMergedRect(cell.row, cell.col, &block, cell.row < m_nFixedRows || cell.col < m_nFixedCols);
    m_TitleTip.Show(block, GetItemText(owner.row, owner.col), 0, &block, GetItemFont(owner.row, owner.col));
    return;
  }
  CRect textRect;
  CRect cellRect;
  if (GetTextRect(cell.row, cell.col, &textRect) && GetCellRect(cell.row, cell.col, &cellRect))
    m_TitleTip.Show(textRect, GetItemText(cell.row, cell.col), 0, &cellRect, GetItemFont(cell.row, cell.col));
}

void CGridCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
  point = ConfinedPoint(point);
  CRect client;
  GetClientRect(&client);
  if (m_MouseMode != MOUSE_DRAGGING && !client.PtInRect(point))
    return;

  // Without a button down: dividers change the cursor, cells show their title tips.
  if (!(nFlags & MK_LBUTTON) || m_MouseMode == MOUSE_NOTHING) {
    if (m_bAllowColumnResize && MouseOverColumnResizeArea(point)) {
      if (m_MouseMode != MOUSE_OVER_COL_DIVIDE) {
        SetWindowCursor(this, IDC_SIZEWE);
        m_MouseMode = MOUSE_OVER_COL_DIVIDE;
      }
    } else if (m_bAllowRowResize && MouseOverRowResizeArea(point)) {
      if (m_MouseMode != MOUSE_OVER_ROW_DIVIDE) {
        SetWindowCursor(this, IDC_SIZENS);
        m_MouseMode = MOUSE_OVER_ROW_DIVIDE;
      }
    } else if (m_MouseMode != MOUSE_NOTHING) {
      SetWindowCursor(this, IDC_ARROW);
      m_MouseMode = MOUSE_NOTHING;
    }
    if (m_MouseMode == MOUSE_NOTHING && m_bTitleTips)
      ShowTitleTip(GetCellFromPt(point));
    m_LastMousePoint = point;
    return;
  }
  if (!IsValid(m_LeftClickDownCell)) {
    m_LastMousePoint = point;
    return;
  }
  switch (m_MouseMode) {
  case MOUSE_SELECT_COL:
  case MOUSE_SELECT_ROW:
  case MOUSE_SELECT_CELLS: {
    const CCellID cell = GetCellFromPt(point);
    if (!IsValid(cell))
      return;
    if (cell != m_idCurrentCell) {
      OnSelecting(cell);
      if (cell.row >= m_nFixedRows && cell.col >= m_nFixedCols)
        SetFocusCell(cell);
    }
    break;
  }
  case MOUSE_SIZING_COL:
    MoveSizingBand(SizingBandAt(point, GridAxis::ColumnsOf(*this)));
    break;
  case MOUSE_SIZING_ROW:
    MoveSizingBand(SizingBandAt(point, GridAxis::RowsOf(*this)));
    break;
  case MOUSE_PREPARE_DRAG:
    OnBeginDrag();
    break;
  default:
    break;
  }
  m_LastMousePoint = point;
}

void CGridCtrl::OnLButtonUp(UINT, CPoint point)
{
  point = ConfinedPoint(point);
  m_bCursorConfined = false;
  if (GetCapture() == this) {
    ReleaseCapture();
    KillTimer(m_nTimerID);
    m_nTimerID = 0;
  }
  if (m_MouseMode == MOUSE_PREPARE_EDIT) {
    OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, VK_LBUTTON);
  } else if (m_MouseMode == MOUSE_PREPARE_DRAG) {
    ResetSelectedRange();
  } else if (m_MouseMode == MOUSE_SIZING_COL || m_MouseMode == MOUSE_SIZING_ROW) {
    MoveSizingBand(CRect());
    // The divider moved: the size becomes the distance from the sized line's start.
    if (!(point == m_LeftClickDownPoint)) {
      const GridAxis axis = m_MouseMode == MOUSE_SIZING_ROW ? GridAxis::RowsOf(*this) : GridAxis::ColumnsOf(*this);
      const CCellID sized = axis.WithIndex(m_LeftClickDownCell, m_nSizingIndex);
      POINT start;
      if (GetCellOrigin(sized.row, sized.col, &start)) {
        SetSizeAlong(axis, m_nSizingIndex, axis.Along(point) - axis.Along(start));
        ResetScrollBars();
        Invalidate();
      }
    }
  }
  m_MouseMode = MOUSE_NOTHING;
  SetWindowCursor(this, IDC_ARROW);
  if (!IsValid(m_LeftClickDownCell))
    return;
  if (CWnd* owner = GetParent())
    owner->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), reinterpret_cast<LPARAM>(m_hWnd));
}

void CGridCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
  if (m_MouseMode == MOUSE_OVER_COL_DIVIDE || m_MouseMode == MOUSE_OVER_ROW_DIVIDE) {
    const GridAxis axis = m_MouseMode == MOUSE_OVER_ROW_DIVIDE ? GridAxis::RowsOf(*this) : GridAxis::ColumnsOf(*this);
    const CCellID cell = GetCellFromPt(point);
    POINT start;
    if (GetCellOrigin(cell.row, cell.col, &start)) {
      const int index = axis.IndexOf(cell) - (axis.Along(point) - axis.Along(start) <= m_nResizeCaptureRange ? 1 : 0);
      if (axis.IsRows())
        AutoSizeRow(index);
      else
        AutoSizeColumn(index);
      Invalidate();
    }
  } else if (m_MouseMode == MOUSE_NOTHING) {
    // A double click on a data cell edits the focus cell; in list mode one on a row header
    // edits that header.
    const CCellID down = m_LeftClickDownCell;
    if (IsValid(down) && down.row >= m_nFixedRows && down.col >= m_nFixedCols) {
      OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, VK_LBUTTON);
    } else if (m_bListMode) {
      const CCellID cell = GetCellFromPt(point);
      if (IsValid(cell) && cell.row >= m_nFixedRows && cell.col < m_nFixedCols)
        OnEditCell(cell.row, cell.col, VK_LBUTTON);
    }
  }
  CWnd::OnLButtonDblClk(nFlags, point);
}

BOOL CGridCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
  if (m_nRowsPerWheelNotch == -1) {
    const int pages = zDelta / 120;
    for (int i = 0; i < pages; ++i)
      PostMessage(WM_VSCROLL, SB_PAGEUP, 0);
    for (int i = 0; i > pages; --i)
      PostMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
  } else {
    const int rows = zDelta * m_nRowsPerWheelNotch / 120;
    for (int i = 0; i < rows; ++i)
      PostMessage(WM_VSCROLL, SB_LINEUP, 0);
    for (int i = 0; i > rows; --i)
      PostMessage(WM_VSCROLL, SB_LINEDOWN, 0);
  }
  return CWnd::OnMouseWheel(nFlags, zDelta, pt);
}

// While the button is held beyond the cells the selection grows and the view follows.
void CGridCtrl::OnTimer(UINT_PTR nIDEvent)
{
  if (nIDEvent != kSelectTimer || !GetWidget())
    return;
  const QPoint cursor = GetWidget()->mapFromGlobal(QCursor::pos());
  CRect rect;
  GetClientRect(&rect);
  const int fixedHeight = GetFixedRowHeight();
  const int fixedWidth = GetFixedColumnWidth();
  CPoint pt(cursor.x(), cursor.y());
  if (pt.y > rect.bottom) {
    SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    OnSelecting(GetCellFromPt(CPoint(std::clamp<int>(pt.x, rect.left, rect.right), rect.bottom)));
  } else if (pt.y < fixedHeight) {
    SendMessage(WM_KEYDOWN, VK_UP, 0);
    OnSelecting(GetCellFromPt(CPoint(std::clamp<int>(pt.x, rect.left, rect.right), fixedHeight + 1)));
  }
  pt = CPoint(cursor.x(), cursor.y());
  if (pt.x > rect.right) {
    SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    OnSelecting(GetCellFromPt(CPoint(rect.right, std::clamp<int>(pt.y, rect.top, rect.bottom))));
  } else if (pt.x < fixedWidth) {
    SendMessage(WM_KEYDOWN, VK_LEFT, 0);
    OnSelecting(GetCellFromPt(CPoint(fixedWidth + 1, std::clamp<int>(pt.y, rect.top, rect.bottom))));
  }
}

void CGridCtrl::OnCaptureChanged(CWnd* pWnd)
{
  if (pWnd == this)
    return;
  if (m_nTimerID != 0) {
    KillTimer(m_nTimerID);
    m_nTimerID = 0;
  }
  if (m_MouseMode == MOUSE_DRAGGING)
    m_MouseMode = MOUSE_NOTHING;
}

BOOL CGridCtrl::OnSetCursor(UINT nHitTest)
{
  if (nHitTest != HTCLIENT)
    return FALSE;
  switch (m_MouseMode) {
  case MOUSE_OVER_COL_DIVIDE: SetWindowCursor(this, IDC_SIZEWE); break;
  case MOUSE_OVER_ROW_DIVIDE: SetWindowCursor(this, IDC_SIZENS); break;
  case MOUSE_DRAGGING: break;
  default: SetWindowCursor(this, IDC_ARROW); break;
  }
  return TRUE;
}
