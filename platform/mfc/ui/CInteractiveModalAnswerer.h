// Modal loops for a person at the screen: a dialog runs Qt's modal loop until OK or Cancel ends
// it, a pop-up menu opens at its place and gives the item clicked.
#pragma once

#include "CModalAnswerer.h"

class CInteractiveModalAnswerer : public CModalAnswerer {
public:
  void RunDialog(CDialog& dialog) override;
  UINT TrackMenu(CMenu& menu, int x, int y) override;
};
