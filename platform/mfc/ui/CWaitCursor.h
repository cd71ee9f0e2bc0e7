// Shows the wait cursor over the whole program for as long as the object lives.
#pragma once

class CWaitCursor {
public:
  CWaitCursor();
  ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
};
