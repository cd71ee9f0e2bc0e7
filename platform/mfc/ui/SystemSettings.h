// The system's colours and the font of message boxes, read from the application's palette and
// font: Windows' GetSysColor and the message font of SystemParametersInfo's non-client metrics.
#pragma once

#include "WinGdi.h"

#define COLOR_WINDOW 5
#define COLOR_WINDOWTEXT 8
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_BTNSHADOW 16
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_3DDKSHADOW 21
#define COLOR_INFOBK 24

#define SM_CXVSCROLL 2
#define SM_CYHSCROLL 3

COLORREF GetSysColor(int nIndex);
// The width of a vertical scroll bar, the height of a horizontal one.
int GetSystemMetrics(int nIndex);
// The LOGFONT of the font message boxes use.
LOGFONT GetMessageFont();
