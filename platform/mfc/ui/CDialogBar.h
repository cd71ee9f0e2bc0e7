// A bar of controls in the frame's top area, under the tool bar; its controls are made as its
// children (parent the dialog bar) and keep their places.
#pragma once

#include "CWnd.h"

class CFrameWnd;

class CDialogBar : public CWnd {
public:
  using CWnd::Create;
  BOOL Create(CFrameWnd* pParentWnd, int nHeight, UINT nID);
};
