// A pen: style (PS_*), width in pixels (0 draws one pixel wide) and colour.
#pragma once

#include "CGdiObject.h"
#include "WinGdi.h"

#include <QPen>

class CPen : public CGdiObject {
public:
  CPen() = default;
  CPen(int nPenStyle, int nWidth, COLORREF crColor);
  BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
  const QPen& GetQPen() const { return m_pen; }

private:
  QPen m_pen;
};
