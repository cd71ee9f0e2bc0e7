// The system's values in the registry key "Software\Veltra软件\Veltra盖梁设计绘图系统".
#pragma once

#include "CString.h"

// The value under the current user's key (flag non-zero) or the machine's (flag 0): 1 with the
// text in value, read whole whatever its length; 0 for a missing key or value, or a value that
// is not text, and value unchanged.
int ReadRegistryString(const CString& name, CString& value, int currentUser);
