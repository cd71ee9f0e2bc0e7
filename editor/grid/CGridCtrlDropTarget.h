// The drop target of one grid window: passes the drags over that window to the grid's own
// drag handlers, and answers the drag-scroll callback without scrolling.
#pragma once

#include "COleDropTarget.h"

class CGridCtrl;

class CGridCtrlDropTarget : public COleDropTarget {
public:
  using COleDropTarget::Register;
  // Succeeds once, and only for a grid window.
  BOOL Register(CWnd* pWnd) override;
  void Revoke() override;

  DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
  DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
  void OnDragLeave(CWnd* pWnd) override;
  BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;
  DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point) override;

private:
  bool IsOwnGrid(const CWnd* pWnd) const;

  CGridCtrl* m_pGridCtrl = nullptr;
  BOOL m_bRegistered = FALSE;
};
