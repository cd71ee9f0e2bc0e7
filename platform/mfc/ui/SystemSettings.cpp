#include "SystemSettings.h"

#include "CColorConversion.h"

#include <QApplication>
#include <QFontInfo>
#include <QPalette>
#include <QStyle>

#include <algorithm>

COLORREF GetSysColor(int nIndex)
{
  const QPalette palette = QApplication::palette();
  switch (nIndex) {
  case COLOR_WINDOW: return FromQColor(palette.color(QPalette::Base));
  case COLOR_WINDOWTEXT: return FromQColor(palette.color(QPalette::Text));
  case COLOR_HIGHLIGHT: return FromQColor(palette.color(QPalette::Highlight));
  case COLOR_HIGHLIGHTTEXT: return FromQColor(palette.color(QPalette::HighlightedText));
  case COLOR_BTNFACE: return FromQColor(palette.color(QPalette::Button));
  case COLOR_BTNSHADOW: return FromQColor(palette.color(QPalette::Mid));
  case COLOR_BTNHIGHLIGHT: return FromQColor(palette.color(QPalette::Light));
  case COLOR_3DDKSHADOW: return FromQColor(palette.color(QPalette::Shadow));
  case COLOR_INFOBK: return FromQColor(palette.color(QPalette::ToolTipBase));
  default: return RGB(0, 0, 0);
  }
}

LOGFONT GetMessageFont()
{
  const QFont font = QApplication::font();
  LOGFONT logFont{};
  logFont.lfHeight = -QFontInfo(font).pixelSize();
  logFont.lfWeight = font.bold() ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = font.italic() ? 1 : 0;
  const std::wstring face = font.family().toStdWString();
  std::copy_n(face.c_str(), std::min<size_t>(face.size(), LF_FACESIZE - 1), logFont.lfFaceName);
  return logFont;
}

int GetSystemMetrics(int nIndex)
{
  switch (nIndex) {
  case SM_CXVSCROLL:
  case SM_CYHSCROLL: return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  default: return 0;
  }
}
