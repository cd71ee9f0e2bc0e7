// Whoever answers message boxes: the editor's dialog, or a script in the host and in tests.
// The program installs one for the whole process with SetMessageBoxAnswerer.
#pragma once

#include "MessageBoxRequest.h"

class CMessageBoxAnswerer {
public:
  virtual ~CMessageBoxAnswerer() = default;

  // Shows or otherwise settles the box; returns one of request.buttons.
  virtual int Answer(const MessageBoxRequest& request) = 0;
};
