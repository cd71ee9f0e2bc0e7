// Delivers the keys that the window layer passes on without the messages Windows makes of
// them: Qt reports Shift+Tab as a key of its own (Backtab), which the grid and its in-place
// field read as Tab with Shift held; and the control characters that Backspace, Tab, Enter
// and Esc type reach the window as WM_CHAR after their WM_KEYDOWN. The grid takes its clipboard
// keys (Ctrl+C, Ctrl+X, Ctrl+V) before any shortcut of its window on the same keys.
#pragma once

#include "WinDef.h"

#include <QObject>

class CWnd;

class CGridKeyFilter : public QObject {
public:
  // The keys whose characters the window reads: Backspace for the grid; Tab, Enter and Esc
  // for an in-place field, whose Backspace stays with the field's own editing.
  enum class Chars { Backspace, TabEnterEscape };
  CGridKeyFilter(CWnd* pWnd, Chars chars);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  HWND m_hWnd;
  Chars m_chars;
};
