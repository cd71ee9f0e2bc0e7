// A font from a LOGFONT: face, height in pixels (negative: character height, as Windows reads
// it), weight, italic, and the escapement that turns the text's base line.
#pragma once

#include "CGdiObject.h"
#include "WinGdi.h"

#include <QFont>

class CFont : public CGdiObject {
public:
  BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
  BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName);
  int GetLogFont(LOGFONT* pLogFont) const;
  const QFont& GetQFont() const { return m_font; }
  // Tenths of a degree, counter-clockwise.
  LONG GetEscapement() const { return m_logFont.lfEscapement; }

private:
  QFont m_font;
  LOGFONT m_logFont{};
};
