// Message-box styles and answers, and the MessageBox function.
// Every box goes through the message-box service (MessageBoxService.h).
#pragma once

#include "WinDef.h"

// Button sets.
#define MB_OK 0x00000000U
#define MB_OKCANCEL 0x00000001U
#define MB_ABORTRETRYIGNORE 0x00000002U
#define MB_YESNOCANCEL 0x00000003U
#define MB_YESNO 0x00000004U
#define MB_RETRYCANCEL 0x00000005U
#define MB_CANCELTRYCONTINUE 0x00000006U
#define MB_TYPEMASK 0x0000000FU

// Icons.
#define MB_ICONHAND 0x00000010U
#define MB_ICONQUESTION 0x00000020U
#define MB_ICONEXCLAMATION 0x00000030U
#define MB_ICONASTERISK 0x00000040U
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_ICONMASK 0x000000F0U

// Default button: the n-th button of the set.
#define MB_DEFBUTTON1 0x00000000U
#define MB_DEFBUTTON2 0x00000100U
#define MB_DEFBUTTON3 0x00000200U
#define MB_DEFBUTTON4 0x00000300U
#define MB_DEFMASK 0x00000F00U

// Modality (accepted; every box here is modal to its caller).
#define MB_APPLMODAL 0x00000000U
#define MB_SYSTEMMODAL 0x00001000U
#define MB_TASKMODAL 0x00002000U

// Answers.
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7
#define IDTRYAGAIN 10
#define IDCONTINUE 11

// Shows a modal box and returns the button chosen, or 0 when the style names no button set
// (last error ERROR_INVALID_MSGBOX_STYLE). A null caption is shown as "Error".
int MessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType);
