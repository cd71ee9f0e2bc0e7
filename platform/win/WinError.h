// Windows error codes and the calling thread's last-error value.
// Registry functions return these codes; code-page functions set them as the last error.
// Plain int constants: LONG is 32 bits here, so a long literal would not match it.
#pragma once

#include "WinDef.h"

#define ERROR_SUCCESS 0
#define ERROR_FILE_NOT_FOUND 2
#define ERROR_ACCESS_DENIED 5
#define ERROR_INVALID_HANDLE 6
#define ERROR_INVALID_PARAMETER 87
#define ERROR_INSUFFICIENT_BUFFER 122
#define ERROR_INVALID_FLAGS 1004
#define ERROR_BAD_PATHNAME 161
#define ERROR_MORE_DATA 234
#define ERROR_NO_MORE_ITEMS 259
#define ERROR_REGISTRY_IO_FAILED 1016
#define ERROR_KEY_DELETED 1018
#define ERROR_INVALID_MSGBOX_STYLE 1158
#define ERROR_NO_UNICODE_TRANSLATION 1113

DWORD GetLastError();
void SetLastError(DWORD dwErrCode);
