// The editor's values in the registry, under HKEY_CURRENT_USER
// "Software\Veltra软件\Veltra盖梁设计绘图系统", of type string. The only one is "CurGltFile":
// the design file the drawing plug-in draws.
#pragma once

#include "CString.h"
#include "WinDef.h"

extern const wchar_t* const kDesignRegistryKey;

// Stores the text; the key is made when it is missing, so that the first run of the editor
// already hands its file over. 1 stored, 0 not.
int WriteRegString(LPCTSTR valueName, const CString& text);
// The whole value, however long; text unchanged and 0 when it cannot be read.
int ReadRegString(LPCTSTR valueName, CString& text);
