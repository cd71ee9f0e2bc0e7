// The one place every message box of the process passes through: MessageBox (WinUser.h) hands
// each box to the installed answerer. Until a program installs its own, a scripted answerer with
// an empty script answers every box with its default button.
#pragma once

#include "CMessageBoxAnswerer.h"
#include "WinUser.h"

// Installs `answerer` for the whole process (null: the built-in scripted answerer) and returns
// the one it replaces. The caller keeps ownership and keeps the answerer alive while installed.
CMessageBoxAnswerer* SetMessageBoxAnswerer(CMessageBoxAnswerer* answerer);

CMessageBoxAnswerer& GetMessageBoxAnswerer();
