// Whoever runs the modal loops of the window layer: a person at the screen, or a script in
// tests and headless runs. A modal dialog is handed over with its controls made and initialised
// and must have ended when the answerer returns; a pop-up menu gives the command chosen.
#pragma once

#include "WinDef.h"

class CDialog;
class CMenu;

class CModalAnswerer {
public:
  virtual ~CModalAnswerer() = default;
  virtual void RunDialog(CDialog& dialog) = 0;
  // The command chosen, 0 when the menu was dismissed.
  virtual UINT TrackMenu(CMenu& menu, int x, int y) = 0;
};

// Installs `answerer` for the whole process (null: the built-in scripted answerer, whose empty
// script cancels every dialog and dismisses every menu) and returns the one it replaces.
CModalAnswerer* SetModalAnswerer(CModalAnswerer* answerer);
CModalAnswerer& GetModalAnswerer();
