#include "CScriptedModalAnswerer.h"

#include "CDialog.h"
#include "CFileDialog.h"

#include <iostream>

void CScriptedModalAnswerer::QueueDialog(DialogAnswer answer) { m_answers.push_back(std::move(answer)); }

void CScriptedModalAnswerer::QueueButton(int nID)
{
  QueueDialog([nID](CDialog& dialog) { dialog.PressButton(nID); });
}

void CScriptedModalAnswerer::QueueFileName(const CString& path)
{
  QueueDialog([path](CDialog& dialog) {
    if (auto* files = dynamic_cast<CFileDialog*>(&dialog))
      files->ChooseFile(path);
    else
      dialog.PressButton(IDCANCEL);
  });
}

void CScriptedModalAnswerer::QueueMenuCommand(UINT nID) { m_menuCommands.push_back(nID); }

void CScriptedModalAnswerer::RunDialog(CDialog& dialog)
{
  CString caption;
  dialog.GetWindowText(caption);
  m_dialogs.push_back(caption);
  std::cerr << "[" << caption.ToUtf8() << "] dialog\n";
  while (!dialog.IsEnded() && !m_answers.empty()) {
    DialogAnswer answer = std::move(m_answers.front());
    m_answers.pop_front();
    answer(dialog);
  }
  if (!dialog.IsEnded())
    dialog.PressButton(IDCANCEL);
  if (!dialog.IsEnded())
    dialog.EndDialog(IDCANCEL);
}

UINT CScriptedModalAnswerer::TrackMenu(CMenu&, int x, int y)
{
  m_lastMenuAt = POINT{x, y};
  if (m_menuCommands.empty())
    return 0;
  const UINT nID = m_menuCommands.front();
  m_menuCommands.pop_front();
  return nID;
}
