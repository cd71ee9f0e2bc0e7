// The editor's boxes: refusals and errors are information boxes with a short caption;
// irreversible operations are confirmed by a Yes/No question.
#pragma once

#include "CString.h"
#include "WinDef.h"

// owner: the dialog the box belongs to; null for the main window.
void ShowInformation(const CString& text, const wchar_t* caption, HWND owner = nullptr);
// TRUE when the answer is Yes.
BOOL AskYesNo(const CString& text, const wchar_t* caption, HWND owner = nullptr);
