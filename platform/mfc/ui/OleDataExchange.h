// Clipboard formats and drop effects of the OLE data exchange (clipboard, drag and drop).
#pragma once

#include "WinDef.h"

typedef WORD CLIPFORMAT;
typedef DWORD DROPEFFECT;

// Text in the ANSI code page (GBK), ending in a NUL byte.
#define CF_TEXT 1
// Text in wide characters (wchar_t), ending in a NUL character.
#define CF_UNICODETEXT 13

#define DROPEFFECT_NONE 0U
#define DROPEFFECT_COPY 1U
#define DROPEFFECT_MOVE 2U
#define DROPEFFECT_LINK 4U
#define DROPEFFECT_SCROLL 0x80000000U
