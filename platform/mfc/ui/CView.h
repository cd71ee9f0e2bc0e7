// A view: a window in the frame's client area that draws itself through OnDraw.
#pragma once

#include "CWnd.h"

class CDC;

class CView : public CWnd {
public:
  virtual void OnInitialUpdate();

protected:
  virtual void OnDraw(CDC* pDC);
  void OnPaint() override;
};
