// Answers message boxes without a person: from answers given per caption, then from a queue of
// answers, else with the box's default button. Logs "[caption] text" for each box and keeps a
// record of every box it answered, for the host's transcript and for tests.
#pragma once

#include "CMessageBoxAnswerer.h"

#include <deque>
#include <iosfwd>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

class CScriptedMessageBoxAnswerer : public CMessageBoxAnswerer {
public:
  struct Box {
    HWND owner;
    std::wstring caption;
    std::wstring text;
    UINT type;
    int answer;
  };

  CScriptedMessageBoxAnswerer();

  // Answers for the next boxes that have no answer by caption, in order.
  void QueueAnswer(int answer);
  bool QueueAnswer(std::wstring_view button);  // false when the name is no button

  // The answer to every box with this caption.
  void SetAnswerForCaption(std::wstring caption, int answer);
  bool SetAnswerForCaption(std::wstring caption, std::wstring_view button);

  // One script entry: "CAPTION=BUTTON" answers by caption (split at the last '='), a plain
  // "BUTTON" is queued. Buttons by name ("Yes") or number ("6"). False when malformed.
  bool AddScript(std::wstring_view entry);

  // Where "[caption] text" lines and notes go (UTF-8); null for none. Standard error by default.
  void SetLog(std::ostream* log);

  int Answer(const MessageBoxRequest& request) override;

  std::vector<Box> Boxes() const;
  std::size_t PendingAnswers() const;

private:
  mutable std::mutex m_mutex;
  std::deque<int> m_queue;
  std::map<std::wstring, int> m_byCaption;
  std::vector<Box> m_boxes;
  std::ostream* m_log;
};
