// A message box put to a person as a dialog on the screen, for every answerer that asks one.
#pragma once

#include "MessageBoxRequest.h"

#include <QString>

class QWidget;

// A QMessageBox over owner with the request's icon, caption and text and one button per answer
// it offers, named by nameOf, the default one marked. The answer of the button pressed; a box
// closed without a button answers Cancel where it offers Cancel, else its default.
int AskWithMessageBox(const MessageBoxRequest& request, QWidget* owner, QString (*nameOf)(int answer));
