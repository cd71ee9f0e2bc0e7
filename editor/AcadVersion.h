// The CAD host's release as the editor judges it: the first four characters of its version
// text, blanks around it ignored.
#pragma once

#include "CString.h"

// "15.0" 1, "16.0" 2, "16.1" 3, "16.2" 4, "17.0" 5, "17.1" 6, "17.2" 7, anything else 0.
int AcadVersionCode(const CString& versionText);
// Releases 17.0 to 17.2 (the 2007 to 2009 hosts) are the ones the editor works with.
bool IsAcceptedAcadVersion(int code);
