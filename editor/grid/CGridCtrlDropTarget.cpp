#include "CGridCtrlDropTarget.h"

#include "CGridCtrl.h"

BOOL CGridCtrlDropTarget::Register(CWnd* pWnd)
{
  auto* grid = dynamic_cast<CGridCtrl*>(pWnd);
  if (m_bRegistered || !grid)
    return FALSE;
  m_pGridCtrl = grid;
  m_bRegistered = COleDropTarget::Register(grid);
  return m_bRegistered;
}

void CGridCtrlDropTarget::Revoke()
{
  m_bRegistered = FALSE;
  COleDropTarget::Revoke();
}

bool CGridCtrlDropTarget::IsOwnGrid(const CWnd* pWnd) const
{
  return m_pGridCtrl && pWnd && pWnd->GetSafeHwnd() == m_pGridCtrl->GetSafeHwnd();
}

DROPEFFECT CGridCtrlDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
  return IsOwnGrid(pWnd) ? m_pGridCtrl->OnDragEnter(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

DROPEFFECT CGridCtrlDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
  return IsOwnGrid(pWnd) ? m_pGridCtrl->OnDragOver(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

void CGridCtrlDropTarget::OnDragLeave(CWnd* pWnd)
{
  if (IsOwnGrid(pWnd))
    m_pGridCtrl->OnDragLeave();
}

BOOL CGridCtrlDropTarget::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
  return IsOwnGrid(pWnd) ? m_pGridCtrl->OnDrop(pDataObject, dropEffect, point) : FALSE;
}

DROPEFFECT CGridCtrlDropTarget::OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint)
{
  if (!IsOwnGrid(pWnd))
    return DROPEFFECT_NONE;
  return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}
