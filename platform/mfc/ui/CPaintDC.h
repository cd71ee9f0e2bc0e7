// The device context of a window's OnPaint: paints on the window's widget, within the part
// being painted.
#pragma once

#include "CDC.h"

class CWnd;

class CPaintDC : public CDC {
public:
  explicit CPaintDC(CWnd* pWnd);
};
