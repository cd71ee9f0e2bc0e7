// Brings a frame's command states up to date when the program goes idle after input: once the
// events of a click, a key or a change of focus have been handled, the frame's UpdateCmdUI
// runs, as the frame does in its idle time, so the tool bar follows what the input changed.
#pragma once

#include "WinDef.h"

#include <QObject>

class CIdleCommandUpdate : public QObject {
public:
  explicit CIdleCommandUpdate(HWND hFrame);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void UpdateWhenIdle();

  HWND m_hFrame;
  bool m_pending = false;
};
