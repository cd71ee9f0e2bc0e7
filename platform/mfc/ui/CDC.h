// A device context on a QPainter: the current position, pen, brush, font, text and background
// colours and background mode of Windows' drawing, with its defaults (black one-pixel pen, white
// brush, black text on an opaque white background). Built on a paint device it owns its painter;
// without one it only measures texts.
#pragma once

#include "CString.h"
#include "WinGdi.h"
#include "CPoint.h"
#include "CRect.h"
#include "CSize.h"
#include "WinGeometry.h"

#include <QPainter>

#include <memory>

class CBrush;
class CFont;
class CPen;
class QPaintDevice;

// Stock objects for SelectStockObject.
#define WHITE_BRUSH 0
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8

// Raster operations of SetROP2.
#define R2_NOT 6
#define R2_XORPEN 7
#define R2_NOTXORPEN 10
#define R2_COPYPEN 13

class CDC {
public:
  CDC();
  explicit CDC(QPaintDevice* device);
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  QPainter* GetPainter() const { return m_painter.get(); }

  CPoint MoveTo(int x, int y);
  BOOL LineTo(int x, int y);
  BOOL Rectangle(int x1, int y1, int x2, int y2);
  BOOL Ellipse(int x1, int y1, int x2, int y2);
  BOOL Polygon(const POINT* lpPoints, int nCount);
  BOOL Polyline(const POINT* lpPoints, int nCount);
  // The counter-clockwise arc of the ellipse in the box from the ray to (x3, y3) to the ray
  // to (x4, y4).
  BOOL Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void FillSolidRect(const RECT& rect, COLORREF crColor);
  void FillRect(const RECT& rect, const CBrush* pBrush);
  COLORREF SetPixel(int x, int y, COLORREF crColor);

  BOOL TextOut(int x, int y, const CString& str);
  // Returns the text's height; with DT_CALCRECT measures into lpRect and draws nothing.
  int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
  CSize GetTextExtent(const CString& str) const;
  BOOL GetTextMetrics(TEXTMETRIC* lpMetrics) const;

  // The object selected before; null for the default one.
  CPen* SelectObject(CPen* pPen);
  CBrush* SelectObject(CBrush* pBrush);
  CFont* SelectObject(CFont* pFont);
  void SelectStockObject(int nIndex);
  COLORREF SetTextColor(COLORREF crColor);
  COLORREF SetBkColor(COLORREF crColor);
  int SetBkMode(int nBkMode);
  int SetROP2(int nDrawMode);

private:
  QFont CurrentFont() const;
  void ApplyPen();
  void ApplyBrush();
  // Draws text with its top-left at (x, y), turned by the font's escapement about that point.
  void PaintText(int x, int y, const QString& text, const QRect& box, int flags);

  std::unique_ptr<QPainter> m_painter;
  QPoint m_position;
  QPen m_pen;
  QBrush m_brush;
  CPen* m_pPen = nullptr;
  CBrush* m_pBrush = nullptr;
  CFont* m_pFont = nullptr;
  COLORREF m_textColor;
  COLORREF m_bkColor;
  int m_bkMode = OPAQUE;
  int m_rop2 = R2_COPYPEN;

  // Mapping of logical units onto the device, the clip box and the device's size, and whether
  // the device is a printer's page.
public:
  int SetMapMode(int nMapMode);
  int GetMapMode() const { return m_mapMode; }
  CPoint SetWindowOrg(int x, int y);
  CPoint SetViewportOrg(int x, int y);
  CSize SetWindowExt(int cx, int cy);
  CSize SetViewportExt(int cx, int cy);
  // The logical rectangle painting may reach: the paint event's region on a window, the whole
  // device elsewhere. SIMPLEREGION, or NULLREGION when it is empty.
  int GetClipBox(LPRECT lpRect) const;
  int GetDeviceCaps(int nIndex) const;
  BOOL IsPrinting() const { return m_bPrinting; }

  BOOL m_bPrinting = FALSE;

private:
  void ApplyMapping();

  // MM_TEXT.
  int m_mapMode = 1;
  QPoint m_windowOrg;
  QPoint m_viewportOrg;
  QSize m_windowExt{1, 1};
  QSize m_viewportExt{1, 1};
};

// Mapping modes, region kinds and device capabilities.
#define MM_TEXT 1
#define MM_ANISOTROPIC 8
#define NULLREGION 1
#define SIMPLEREGION 2
#define HORZRES 8
#define VERTRES 10
#define LOGPIXELSX 88
#define LOGPIXELSY 90
