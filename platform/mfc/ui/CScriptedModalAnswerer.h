// Answers modal dialogs and pop-up menus without a person, from a queue, the way the scripted
// message-box answerer answers boxes. Each dialog answer acts on the dialog as a user would
// (types into its controls, presses a button); a dialog still open after its answer takes the
// next one, and with the queue empty it is cancelled. Logs "[caption] dialog" for each dialog.
#pragma once

#include "CModalAnswerer.h"
#include "CString.h"
#include "WinGeometry.h"

#include <deque>
#include <functional>
#include <vector>

class CScriptedModalAnswerer : public CModalAnswerer {
public:
  using DialogAnswer = std::function<void(CDialog&)>;

  void QueueDialog(DialogAnswer answer);
  // Presses the button with this id (IDOK, IDCANCEL or any other) of the next dialog.
  void QueueButton(int nID);
  // The next dialog is a file dialog: chooses the file, as typed into its name box.
  void QueueFileName(const CString& path);
  void QueueMenuCommand(UINT nID);

  void RunDialog(CDialog& dialog) override;
  UINT TrackMenu(CMenu& menu, int x, int y) override;

  // Captions of the dialogs run, in order.
  const std::vector<CString>& Dialogs() const { return m_dialogs; }
  // Where the last pop-up menu was asked to open, in screen coordinates.
  POINT LastMenuPosition() const { return m_lastMenuAt; }
  std::size_t PendingAnswers() const { return m_answers.size() + m_menuCommands.size(); }

private:
  std::deque<DialogAnswer> m_answers;
  std::deque<UINT> m_menuCommands;
  POINT m_lastMenuAt{};
  std::vector<CString> m_dialogs;
};
