// For tests: installs a fresh scripted answerer for the lifetime of the object and puts the
// previous answerer back when it ends.
#pragma once

#include "CScriptedMessageBoxAnswerer.h"

class CScopedMessageBoxAnswerer {
public:
  CScopedMessageBoxAnswerer();
  ~CScopedMessageBoxAnswerer();
  CScopedMessageBoxAnswerer(const CScopedMessageBoxAnswerer&) = delete;
  CScopedMessageBoxAnswerer& operator=(const CScopedMessageBoxAnswerer&) = delete;

  CScriptedMessageBoxAnswerer& Script() { return m_answerer; }
  CScriptedMessageBoxAnswerer* operator->() { return &m_answerer; }

private:
  CScriptedMessageBoxAnswerer m_answerer;
  CMessageBoxAnswerer* m_previous;
};
