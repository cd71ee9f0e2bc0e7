#include "CPen.h"

#include "CColorConversion.h"

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
  static const Qt::PenStyle styles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                        Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen};
  const Qt::PenStyle style = nPenStyle >= 0 && nPenStyle <= PS_NULL ? styles[nPenStyle] : Qt::SolidLine;
  m_pen = QPen(ToQColor(crColor), nWidth, style);
  m_pen.setCosmetic(nWidth <= 1);
  m_created = true;
  return TRUE;
}
