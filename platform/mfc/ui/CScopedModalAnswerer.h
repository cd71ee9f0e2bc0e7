// For tests: installs a fresh scripted modal answerer for the lifetime of the object and puts
// the previous answerer back when it ends.
#pragma once

#include "CScriptedModalAnswerer.h"

class CScopedModalAnswerer {
public:
  CScopedModalAnswerer();
  ~CScopedModalAnswerer();
  CScopedModalAnswerer(const CScopedModalAnswerer&) = delete;
  CScopedModalAnswerer& operator=(const CScopedModalAnswerer&) = delete;

  CScriptedModalAnswerer* operator->() { return &m_answerer; }
  CScriptedModalAnswerer& Script() { return m_answerer; }

private:
  CScriptedModalAnswerer m_answerer;
  CModalAnswerer* m_previous;
};
