#include "CBrush.h"

#include "CColorConversion.h"

CBrush::CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
  m_brush = QBrush(ToQColor(crColor));
  m_created = true;
  return TRUE;
}
