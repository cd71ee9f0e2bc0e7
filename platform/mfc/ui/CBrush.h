// A solid brush; a brush not created fills nothing.
#pragma once

#include "CGdiObject.h"
#include "WinGdi.h"

#include <QBrush>

class CBrush : public CGdiObject {
public:
  CBrush() = default;
  explicit CBrush(COLORREF crColor);
  BOOL CreateSolidBrush(COLORREF crColor);
  const QBrush& GetQBrush() const { return m_brush; }

private:
  QBrush m_brush;
};
