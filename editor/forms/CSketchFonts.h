// The two fonts a sketch writes with during one paint: the form font as it is and the same font
// turned by 90 degrees (escapement 900, read upwards). Without a form font the window layer's
// default font stands in. The record the owner gave is never changed.
#pragma once

#include "CFont.h"
#include "WinGdi.h"

class CSketchFonts {
public:
  explicit CSketchFonts(const LOGFONT* pLogFont);
  CFont* Normal() { return &m_normal; }
  CFont* Upright() { return &m_upright; }

private:
  CFont m_normal;
  CFont m_upright;
};
