// The editor's boxes, through the one message-box service.
#include "EditorMessageBoxes.h"

#include "WinUser.h"

void ShowInformation(const CString& text, const wchar_t* caption, HWND owner)
{
    MessageBox(owner, text, caption, MB_OK | MB_ICONINFORMATION);
}

BOOL AskYesNo(const CString& text, const wchar_t* caption, HWND owner)
{
    return MessageBox(owner, text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}
