// Makes a window a target of drags: the drags that enter, move over, leave and drop on its
// widget reach the virtual callbacks with the data, the key state (MK_CONTROL, MK_SHIFT) and
// the point in the window's client coordinates. The effect a callback returns is the drag's.
#pragma once

#include "COleDataObject.h"
#include "WinGeometry.h"
#include "CPoint.h"

#include <memory>

class CWnd;
class QObject;

class COleDropTarget {
public:
  COleDropTarget();
  virtual ~COleDropTarget();
  COleDropTarget(const COleDropTarget&) = delete;
  COleDropTarget& operator=(const COleDropTarget&) = delete;

  virtual BOOL Register(CWnd* pWnd);
  virtual void Revoke();
  CWnd* GetWindow() const;

  virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  virtual void OnDragLeave(CWnd* pWnd);
  virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
  virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

private:
  class EventFilter;
  std::unique_ptr<EventFilter> m_filter;
};
