// Colours, fonts and text flags of the drawing side of the window layer (CDC and its objects).
#pragma once

#include "WinDef.h"

typedef DWORD COLORREF;
#define RGB(r, g, b) (static_cast<COLORREF>((static_cast<BYTE>(r)) | (static_cast<DWORD>(static_cast<BYTE>(g)) << 8) | (static_cast<DWORD>(static_cast<BYTE>(b)) << 16)))
#define GetRValue(c) (static_cast<BYTE>((c) & 0xFF))
#define GetGValue(c) (static_cast<BYTE>(((c) >> 8) & 0xFF))
#define GetBValue(c) (static_cast<BYTE>(((c) >> 16) & 0xFF))

// Pen styles.
#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_DASHDOT 3
#define PS_DASHDOTDOT 4
#define PS_NULL 5

// Background modes.
#define TRANSPARENT 1
#define OPAQUE 2

// DrawText flags.
#define DT_TOP 0x0000U
#define DT_LEFT 0x0000U
#define DT_CENTER 0x0001U
#define DT_RIGHT 0x0002U
#define DT_VCENTER 0x0004U
#define DT_BOTTOM 0x0008U
#define DT_WORDBREAK 0x0010U
#define DT_SINGLELINE 0x0020U
#define DT_NOCLIP 0x0100U
#define DT_CALCRECT 0x0400U
#define DT_NOPREFIX 0x0800U
#define DT_END_ELLIPSIS 0x8000U

// Font weights and the logical font; lfEscapement in tenths of a degree, counter-clockwise.
#define FW_NORMAL 400
#define FW_BOLD 700
#define LF_FACESIZE 32
struct LOGFONT {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  WCHAR lfFaceName[LF_FACESIZE];
};

struct TEXTMETRIC {
  LONG tmHeight;
  LONG tmAscent;
  LONG tmDescent;
  LONG tmInternalLeading;
  LONG tmExternalLeading;
  LONG tmAveCharWidth;
  LONG tmMaxCharWidth;
};
