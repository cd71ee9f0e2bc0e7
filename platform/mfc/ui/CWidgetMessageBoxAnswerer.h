// Message boxes for a person at the screen: a QMessageBox owned by the box's owner window, with
// the box's buttons, icon and default button.
#pragma once

#include "CMessageBoxAnswerer.h"

class CWidgetMessageBoxAnswerer : public CMessageBoxAnswerer {
public:
  int Answer(const MessageBoxRequest& request) override;
};
