#include "CFont.h"

#include "QtText.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
  if (!lpLogFont)
    return FALSE;
  m_logFont = *lpLogFont;
  m_logFont.lfFaceName[LF_FACESIZE - 1] = L'\0';
  m_font = QFont();
  if (m_logFont.lfFaceName[0])
    m_font.setFamily(ToQString(m_logFont.lfFaceName));
  if (m_logFont.lfHeight != 0)
    m_font.setPixelSize(std::abs(static_cast<int>(m_logFont.lfHeight)));
  // Weights run from 100 to 900 on both sides; 0 (no preference) is the normal weight.
  m_font.setWeight(m_logFont.lfWeight > 0 ? static_cast<QFont::Weight>(std::clamp<LONG>(m_logFont.lfWeight, 1, 1000))
                                          : QFont::Normal);
  m_font.setItalic(m_logFont.lfItalic != 0);
  m_font.setUnderline(m_logFont.lfUnderline != 0);
  m_font.setStrikeOut(m_logFont.lfStrikeOut != 0);
  m_created = true;
  return TRUE;
}

// nPointSize in tenths of a point, as Windows takes it; pixels at 96 per inch.
BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName)
{
  LOGFONT logFont{};
  logFont.lfHeight = -(nPointSize * 96 / 720);
  logFont.lfWeight = FW_NORMAL;
  if (lpszFaceName)
    std::wcsncpy(logFont.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
  return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
  if (!m_created || !pLogFont)
    return 0;
  *pLogFont = m_logFont;
  return static_cast<int>(sizeof(LOGFONT));
}
