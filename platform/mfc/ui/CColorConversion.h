// Colours across the boundary between the window layer (COLORREF) and Qt (QColor).
#pragma once

#include "WinGdi.h"

#include <QColor>

inline QColor ToQColor(COLORREF color) { return QColor(GetRValue(color), GetGValue(color), GetBValue(color)); }

inline COLORREF FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }
