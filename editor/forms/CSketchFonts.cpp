#include "CSketchFonts.h"

namespace {

LOGFONT DefaultLogFont()
{
  LOGFONT logFont{};
  logFont.lfHeight = -12;
  logFont.lfWeight = FW_NORMAL;
  return logFont;
}

} // namespace

CSketchFonts::CSketchFonts(const LOGFONT* pLogFont)
{
  LOGFONT logFont = pLogFont ? *pLogFont : DefaultLogFont();
  logFont.lfEscapement = 0;
  m_normal.CreateFontIndirect(&logFont);
  logFont.lfEscapement = 900;
  m_upright.CreateFontIndirect(&logFont);
}
