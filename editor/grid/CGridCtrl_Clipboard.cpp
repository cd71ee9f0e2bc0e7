// Cell texts through the clipboard and by drag and drop: blocks of text with rows on lines and
// cells between tabs, in the ANSI code page, as CF_TEXT.
#include "CGridCtrl.h"

#include "CCmdUI.h"
#include "CDC.h"
#include "CGridCtrlDropTarget.h"
#include "CImageList.h"
#include "COleDataObject.h"
#include "COleDataSource.h"
#include "CodePage.h"

#include <QImage>

#include <cstring>
#include <string>
#include <vector>

namespace {

void AppendAnsi(std::string& block, const CString& text)
{
  const int size = WideCharToMultiByte(CP_ACP, 0, text, text.GetLength(), nullptr, 0, nullptr, nullptr);
  if (size <= 0)
    return;
  const size_t at = block.size();
  block.resize(at + static_cast<size_t>(size));
  WideCharToMultiByte(CP_ACP, 0, text, text.GetLength(), block.data() + at, size, nullptr, nullptr);
}

CString FromAnsi(const std::string& bytes)
{
  const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(std::max(size, 0)), L'\0');
  if (size > 0)
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), size);
  return CString(wide);
}

// The tokens of a pasted line: separated by tabs, commas and line feeds; runs of separators
// count as one.
std::vector<CString> Tokens(const CString& line)
{
  std::vector<CString> tokens;
  std::wstring token;
  for (const wchar_t* p = line.GetString(); *p; ++p) {
    if (*p == L'\t' || *p == L',' || *p == L'\n') {
      if (!token.empty())
        tokens.emplace_back(token);
      token.clear();
    } else {
      token += *p;
    }
  }
  if (!token.empty())
    tokens.emplace_back(token);
  return tokens;
}

} // namespace

COleDataSource* CGridCtrl::CopyTextFromGrid()
{
  const CCellRange selection = GetSelectedCellRange();
  if (!selection.IsValid() || selection.GetMaxRow() >= m_nRows || selection.GetMaxCol() >= m_nCols)
    return nullptr;
  std::string block;
  for (int row = selection.GetMinRow(); row <= selection.GetMaxRow(); ++row) {
    for (int col = selection.GetMinCol(); col <= selection.GetMaxCol(); ++col) {
      const CGridCell* cell = GetCell(row, col);
      if (cell && (cell->state & GVIS_SELECTED))
        AppendAnsi(block, cell->szText.IsEmpty() ? CString(L" ") : cell->szText);
      if (col != selection.GetMaxCol())
        block += '\t';
    }
    if (row != selection.GetMaxRow())
      block += '\n';
  }
  block += '\0';
  auto* source = new COleDataSource;
  source->CacheGlobalData(CF_TEXT, std::vector<char>(block.begin(), block.end()));
  return source;
}

BOOL CGridCtrl::PasteTextToGrid(CCellID cell, COleDataObject* pDataObject)
{
  if (!IsValid(cell) || !IsCellEditable(cell.row, cell.col) || !pDataObject
      || !pDataObject->IsDataAvailable(CF_TEXT))
    return FALSE;
  const std::vector<char> block = pDataObject->GetGlobalData(CF_TEXT);
  const CString text = FromAnsi(std::string(block.data(), strnlen(block.data(), block.size())));

  // Line k goes to row cell.row + k, token n of it to column cell.col + n.
  CString rest = text;
  int index = 0;
  for (int line = 0;; ++line) {
    index = rest.Find(L'\n');
    const CString next = index < 0 ? CString() : rest.Mid(index + 1);
    CString current = index < 0 ? rest : rest.Left(index);
    if (current.IsEmpty() && index >= 0)
      current = L" ";
    int column = 0;
    for (CString token : Tokens(current)) {
      const CCellID target(cell.row + line, cell.col + column++);
      const CGridCell* targetCell = GetCell(target.row, target.col);
      token.Trim();
      if (!targetCell || targetCell->locked || !AcceptsCellText(target.row, target.col, token))
        continue;
      SendMessageToParent(target.row, target.col, GVN_BEGINLABELEDIT);
      SetItemText(target.row, target.col, token);
      SetModified(TRUE, target.row, target.col);
      SendMessageToParent(target.row, target.col, GVN_ENDLABELEDIT);
      SetItemState(target.row, target.col, GetItemState(target.row, target.col) & ~GVIS_SELECTED);
    }
    if (index < 0)
      break;
    rest = next;
  }
  Invalidate();
  return TRUE;
}

void CGridCtrl::CutSelectedText()
{
  if (!m_bEditable)
    return;
  const auto selected = m_SelectedCellMap;
  for (const auto& [key, cell] : selected) {
    if (!IsValid(cell) || !IsCellEditable(cell.row, cell.col) || !AcceptsCellText(cell.row, cell.col, L""))
      continue;
    SendMessageToParent(cell.row, cell.col, GVN_BEGINLABELEDIT);
    DestroyCell(GetCell(cell.row, cell.col), cell.row, cell.col);
    SetModified(TRUE, cell.row, cell.col);
    SendMessageToParent(cell.row, cell.col, GVN_ENDLABELEDIT);
  }
  Invalidate();
}

void CGridCtrl::OnEditCut()
{
  if (!m_bEditable)
    return;
  COleDataSource* source = CopyTextFromGrid();
  if (!source)
    return;
  source->SetClipboard();
  CutSelectedText();
}

void CGridCtrl::OnEditCopy()
{
  if (COleDataSource* source = CopyTextFromGrid())
    source->SetClipboard();
}

void CGridCtrl::OnEditPaste()
{
  if (!m_bEditable)
    return;
  CCellID cell = m_idCurrentCell;
  if (!IsValid(cell))
    cell = GetTopleftNonFixedCell();
  if (!IsValid(cell))
    return;
  COleDataObject data;
  if (data.AttachClipboard())
    PasteTextToGrid(cell, &data);
}

void CGridCtrl::OnEditSelectAll() { SelectAllCells(); }

void CGridCtrl::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
  const CCellRange selection = GetSelectedCellRange();
  pCmdUI->Enable(selection.IsValid() && selection.Count() > 0);
}

void CGridCtrl::OnUpdateEditCut(CCmdUI* pCmdUI)
{
  const CCellRange selection = GetSelectedCellRange();
  pCmdUI->Enable(m_bEditable && selection.IsValid() && selection.Count() > 0);
}

void CGridCtrl::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
  COleDataObject data;
  data.AttachClipboard();
  pCmdUI->Enable(IsValid(m_idCurrentCell) && IsCellEditable(m_idCurrentCell.row, m_idCurrentCell.col)
                 && data.IsDataAvailable(CF_TEXT));
}

void CGridCtrl::OnUpdateEditSelectAll(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEnableSelection); }

BOOL CGridCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
  switch (LOWORD(wParam)) {
  case ID_EDIT_COPY: OnEditCopy(); return TRUE;
  case ID_EDIT_CUT: OnEditCut(); return TRUE;
  case ID_EDIT_PASTE: OnEditPaste(); return TRUE;
  case ID_EDIT_SELECT_ALL: OnEditSelectAll(); return TRUE;
  default: return CWnd::OnCommand(wParam, lParam);
  }
}

CImageList* CGridCtrl::CreateDragImage(POINT* pHotSpot)
{
  CRect rect;
  if (!pHotSpot || !GetCellRect(m_idCurrentCell.row, m_idCurrentCell.col, &rect))
    return nullptr;
  pHotSpot->x = rect.Width();
  pHotSpot->y = rect.Height();
  auto* list = new CImageList;
  if (!list->Create(rect.Width(), rect.Height(), ILC_MASK, 1, 1)) {
    delete list;
    return nullptr;
  }
  QImage image(rect.Width(), rect.Height(), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    CDC dc(&image);
    rect.OffsetRect(-rect.left, -rect.top);
    DrawCell(&dc, m_idCurrentCell.row, m_idCurrentCell.col, rect);
  }
  list->Add(image, m_crTextBkColour);
  return list;
}

void CGridCtrl::OnBeginDrag()
{
  if (!m_bAllowDragAndDrop)
    return;
  COleDataSource* source = CopyTextFromGrid();
  if (!source)
    return;
  const CCellID topLeft = GetSelectedCellRange().GetTopLeft();
  SendMessageToParent(topLeft.row, topLeft.col, GVN_BEGINDRAG);
  m_MouseMode = MOUSE_DRAGGING;
  const DROPEFFECT effect = source->DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
  if (effect & DROPEFFECT_MOVE)
    CutSelectedText();
  delete source;
  // The drag held the mouse; losing it ends the drag mode.
  OnCaptureChanged(nullptr);
}

DROPEFFECT CGridCtrl::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
  if (!m_bAllowDragAndDrop || !pDataObject || !pDataObject->IsDataAvailable(CF_TEXT))
    return DROPEFFECT_NONE;
  m_LastDragOverCell = GetCellFromPt(point, FALSE);
  if (!IsValid(m_LastDragOverCell) || !IsCellEditable(m_LastDragOverCell.row, m_LastDragOverCell.col))
    return DROPEFFECT_NONE;
  SetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col,
               GetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col) | GVIS_DROPHILITED);
  RedrawCell(m_LastDragOverCell.row, m_LastDragOverCell.col);
  return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

DROPEFFECT CGridCtrl::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
  if (!m_bAllowDragAndDrop || !m_bEditable || !pDataObject || !pDataObject->IsDataAvailable(CF_TEXT))
    return DROPEFFECT_NONE;
  const CCellID cell = GetCellFromPt(point, FALSE);
  if (!IsValid(cell)) {
    OnDragLeave();
    m_LastDragOverCell = CCellID(-1, -1);
    return DROPEFFECT_NONE;
  }
  if (!IsCellEditable(cell.row, cell.col))
    return DROPEFFECT_NONE;
  if (cell != m_LastDragOverCell) {
    if (IsValid(m_LastDragOverCell)) {
      SetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col,
                   GetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col) & ~GVIS_DROPHILITED);
      RedrawCell(m_LastDragOverCell.row, m_LastDragOverCell.col);
    }
    m_LastDragOverCell = cell;
    SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GVIS_DROPHILITED);
    RedrawCell(cell.row, cell.col);
  }
  return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

void CGridCtrl::OnDragLeave()
{
  if (!IsValid(m_LastDragOverCell))
    return;
  SetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col,
               GetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col) & ~GVIS_DROPHILITED);
  RedrawCell(m_LastDragOverCell.row, m_LastDragOverCell.col);
}

BOOL CGridCtrl::OnDrop(COleDataObject* pDataObject, DROPEFFECT, CPoint)
{
  if (!m_bAllowDragAndDrop || !IsCellEditable(m_LastDragOverCell.row, m_LastDragOverCell.col))
    return FALSE;
  m_MouseMode = MOUSE_NOTHING;
  OnDragLeave();
  return PasteTextToGrid(m_LastDragOverCell, pDataObject);
}
