#include "CDC.h"

#include "CBrush.h"
#include "CColorConversion.h"
#include "CFont.h"
#include "CPen.h"
#include "QtText.h"

#include <QApplication>
#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

QRect BoxOf(int x1, int y1, int x2, int y2) { return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)); }

QPen DefaultPen()
{
  QPen pen(Qt::black, 1);
  pen.setCosmetic(true);
  return pen;
}

} // namespace

CDC::CDC() : m_pen(DefaultPen()), m_brush(Qt::white), m_textColor(RGB(0, 0, 0)), m_bkColor(RGB(255, 255, 255)) {}

CDC::CDC(QPaintDevice* device) : CDC()
{
  if (device) {
    m_painter = std::make_unique<QPainter>(device);
    ApplyPen();
    ApplyBrush();
  }
}

CDC::~CDC()
{
  if (m_painter && m_painter->isActive())
    m_painter->end();
}

void CDC::ApplyPen()
{
  if (m_painter)
    m_painter->setPen(m_pen);
}

void CDC::ApplyBrush()
{
  if (m_painter)
    m_painter->setBrush(m_brush);
}

QFont CDC::CurrentFont() const { return m_pFont ? m_pFont->GetQFont() : QApplication::font(); }

CPoint CDC::MoveTo(int x, int y)
{
  const CPoint previous(m_position.x(), m_position.y());
  m_position = QPoint(x, y);
  return previous;
}

BOOL CDC::LineTo(int x, int y)
{
  if (m_painter)
    m_painter->drawLine(m_position, QPoint(x, y));
  m_position = QPoint(x, y);
  return m_painter != nullptr;
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
  if (!m_painter)
    return FALSE;
  m_painter->drawRect(BoxOf(x1, y1, x2, y2));
  return TRUE;
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
  if (!m_painter)
    return FALSE;
  m_painter->drawEllipse(BoxOf(x1, y1, x2, y2));
  return TRUE;
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
  if (!m_painter || !lpPoints || nCount < 2)
    return FALSE;
  QPolygon polygon;
  for (int i = 0; i < nCount; ++i)
    polygon << QPoint(lpPoints[i].x, lpPoints[i].y);
  m_painter->drawPolygon(polygon);
  return TRUE;
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
  if (!m_painter || !lpPoints || nCount < 2)
    return FALSE;
  QPolygon line;
  for (int i = 0; i < nCount; ++i)
    line << QPoint(lpPoints[i].x, lpPoints[i].y);
  m_painter->drawPolyline(line);
  return TRUE;
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
  if (!m_painter)
    return FALSE;
  const QRect box = BoxOf(x1, y1, x2, y2);
  const QPointF c = QRectF(box).center();
  // Angles measured with y up, as Qt's arcs take them.
  const double a0 = std::atan2(c.y() - y3, x3 - c.x()) * 180.0 / std::numbers::pi;
  const double a1 = std::atan2(c.y() - y4, x4 - c.x()) * 180.0 / std::numbers::pi;
  double span = a1 - a0;
  if (span <= 0)
    span += 360.0;
  m_painter->drawArc(box, static_cast<int>(std::lround(a0 * 16)), static_cast<int>(std::lround(span * 16)));
  return TRUE;
}

void CDC::FillSolidRect(const RECT& rect, COLORREF crColor)
{
  m_bkColor = crColor;
  if (m_painter)
    m_painter->fillRect(BoxOf(rect.left, rect.top, rect.right, rect.bottom), ToQColor(crColor));
}

void CDC::FillRect(const RECT& rect, const CBrush* pBrush)
{
  if (m_painter && pBrush)
    m_painter->fillRect(BoxOf(rect.left, rect.top, rect.right, rect.bottom), pBrush->GetQBrush());
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
  if (m_painter) {
    m_painter->save();
    m_painter->setPen(QPen(ToQColor(crColor), 1));
    m_painter->drawPoint(x, y);
    m_painter->restore();
  }
  return crColor;
}

void CDC::PaintText(int x, int y, const QString& text, const QRect& box, int flags)
{
  m_painter->save();
  m_painter->setFont(CurrentFont());
  m_painter->translate(x, y);
  if (m_pFont && m_pFont->GetEscapement() != 0)
    m_painter->rotate(-m_pFont->GetEscapement() / 10.0);
  const QRect local = box.translated(-x, -y);
  if (m_bkMode == OPAQUE) {
    const QRect used = m_painter->boundingRect(local, flags, text);
    m_painter->fillRect(used, ToQColor(m_bkColor));
  }
  m_painter->setPen(ToQColor(m_textColor));
  m_painter->drawText(local, flags, text);
  m_painter->restore();
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
  if (!m_painter)
    return FALSE;
  const QString text = ToQString(str);
  const QFontMetrics metrics(CurrentFont());
  PaintText(x, y, text, QRect(x, y, metrics.horizontalAdvance(text) + 1, metrics.height()),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip);
  return TRUE;
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
  const QFontMetrics metrics(CurrentFont());
  // A line too long for the rectangle ends in "..." where it is cut.
  const QString text = (nFormat & DT_END_ELLIPSIS)
                           ? metrics.elidedText(ToQString(str), Qt::ElideRight, std::max(0, int(lpRect->right - lpRect->left)))
                           : ToQString(str);
  int flags = (nFormat & DT_CENTER) ? Qt::AlignHCenter : (nFormat & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
  if (nFormat & DT_SINGLELINE)
    flags |= (nFormat & DT_VCENTER) ? Qt::AlignVCenter : (nFormat & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
  else
    flags |= Qt::AlignTop;
  if (nFormat & DT_WORDBREAK)
    flags |= Qt::TextWordWrap;
  if (nFormat & DT_NOCLIP)
    flags |= Qt::TextDontClip;
  const QRect box(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top);
  const QRect used = metrics.boundingRect(box, flags, text);
  if (nFormat & DT_CALCRECT) {
    lpRect->right = lpRect->left + used.width();
    lpRect->bottom = lpRect->top + used.height();
    return used.height();
  }
  if (m_painter)
    PaintText(box.left(), box.top(), text, box, flags);
  return used.height();
}

CSize CDC::GetTextExtent(const CString& str) const
{
  const QFontMetrics metrics(CurrentFont());
  return CSize(metrics.horizontalAdvance(ToQString(str)), metrics.height());
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* lpMetrics) const
{
  if (!lpMetrics)
    return FALSE;
  const QFontMetrics metrics(CurrentFont());
  *lpMetrics = TEXTMETRIC{metrics.height(), metrics.ascent(), metrics.descent(), metrics.leading(), 0,
                          metrics.averageCharWidth(), metrics.maxWidth()};
  return TRUE;
}

CPen* CDC::SelectObject(CPen* pPen)
{
  CPen* previous = m_pPen;
  m_pPen = pPen;
  m_pen = pPen ? pPen->GetQPen() : DefaultPen();
  ApplyPen();
  return previous;
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
  CBrush* previous = m_pBrush;
  m_pBrush = pBrush;
  m_brush = pBrush ? pBrush->GetQBrush() : QBrush(Qt::white);
  ApplyBrush();
  return previous;
}

CFont* CDC::SelectObject(CFont* pFont)
{
  CFont* previous = m_pFont;
  m_pFont = pFont;
  return previous;
}

void CDC::SelectStockObject(int nIndex)
{
  switch (nIndex) {
  case WHITE_BRUSH: m_pBrush = nullptr; m_brush = QBrush(Qt::white); break;
  case BLACK_BRUSH: m_pBrush = nullptr; m_brush = QBrush(Qt::black); break;
  case NULL_BRUSH: m_pBrush = nullptr; m_brush = QBrush(Qt::NoBrush); break;
  case WHITE_PEN: m_pPen = nullptr; m_pen = QPen(Qt::white, 1); m_pen.setCosmetic(true); break;
  case BLACK_PEN: m_pPen = nullptr; m_pen = DefaultPen(); break;
  case NULL_PEN: m_pPen = nullptr; m_pen = QPen(Qt::NoPen); break;
  default: return;
  }
  ApplyPen();
  ApplyBrush();
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
  const COLORREF previous = m_textColor;
  m_textColor = crColor;
  return previous;
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
  const COLORREF previous = m_bkColor;
  m_bkColor = crColor;
  return previous;
}

int CDC::SetBkMode(int nBkMode)
{
  const int previous = m_bkMode;
  m_bkMode = nBkMode;
  return previous;
}

int CDC::SetROP2(int nDrawMode)
{
  const int previous = m_rop2;
  m_rop2 = nDrawMode;
  if (m_painter) {
    switch (nDrawMode) {
    case R2_XORPEN: m_painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination); break;
    case R2_NOTXORPEN: m_painter->setCompositionMode(QPainter::RasterOp_NotSourceXorDestination); break;
    case R2_NOT: m_painter->setCompositionMode(QPainter::RasterOp_NotDestination); break;
    default: m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver); break;
    }
  }
  return previous;
}

#include <QPaintEngine>

int CDC::SetMapMode(int nMapMode)
{
  const int previous = m_mapMode;
  m_mapMode = nMapMode;
  ApplyMapping();
  return previous;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
  const CPoint previous(m_windowOrg.x(), m_windowOrg.y());
  m_windowOrg = QPoint(x, y);
  ApplyMapping();
  return previous;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
  const CPoint previous(m_viewportOrg.x(), m_viewportOrg.y());
  m_viewportOrg = QPoint(x, y);
  ApplyMapping();
  return previous;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
  const CSize previous(m_windowExt.width(), m_windowExt.height());
  if (m_mapMode == MM_ANISOTROPIC && cx != 0 && cy != 0)
    m_windowExt = QSize(cx, cy);
  ApplyMapping();
  return previous;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
  const CSize previous(m_viewportExt.width(), m_viewportExt.height());
  if (m_mapMode == MM_ANISOTROPIC && cx != 0 && cy != 0)
    m_viewportExt = QSize(cx, cy);
  ApplyMapping();
  return previous;
}

// device = (logical - window origin) * viewport extent / window extent + viewport origin.
void CDC::ApplyMapping()
{
  if (!m_painter)
    return;
  double sx = 1.0;
  double sy = 1.0;
  if (m_mapMode == MM_ANISOTROPIC) {
    sx = static_cast<double>(m_viewportExt.width()) / m_windowExt.width();
    sy = static_cast<double>(m_viewportExt.height()) / m_windowExt.height();
  }
  m_painter->setWorldTransform(QTransform(sx, 0, 0, sy, m_viewportOrg.x() - m_windowOrg.x() * sx,
                                          m_viewportOrg.y() - m_windowOrg.y() * sy));
}

int CDC::GetClipBox(LPRECT lpRect) const
{
  QRect device;
  if (m_painter && m_painter->device()) {
    if (m_painter->hasClipping())
      device = m_painter->clipBoundingRect().toAlignedRect();
    else if (m_painter->paintEngine() && !m_painter->paintEngine()->systemClip().isEmpty())
      device = m_painter->paintEngine()->systemClip().boundingRect();
    else
      device = QRect(0, 0, m_painter->device()->width(), m_painter->device()->height());
    if (!m_painter->hasClipping())
      device = m_painter->worldTransform().inverted().mapRect(device);
  }
  *lpRect = RECT{device.left(), device.top(), device.left() + device.width(), device.top() + device.height()};
  return device.isEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::GetDeviceCaps(int nIndex) const
{
  const QPaintDevice* device = m_painter ? m_painter->device() : nullptr;
  if (!device)
    return 0;
  switch (nIndex) {
  case HORZRES: return device->width();
  case VERTRES: return device->height();
  case LOGPIXELSX: return device->logicalDpiX();
  case LOGPIXELSY: return device->logicalDpiY();
  default: return 0;
  }
}
