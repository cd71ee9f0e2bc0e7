#include "AcadVersion.h"

int AcadVersionCode(const CString& versionText)
{
    CString text(versionText);
    text.Trim();
    const CString release = text.Left(4);
    static const wchar_t* const releases[] = {L"15.0", L"16.0", L"16.1", L"16.2", L"17.0", L"17.1", L"17.2"};
    for (int i = 0; i < 7; ++i)
        if (release == releases[i])
            return i + 1;
    return 0;
}

bool IsAcceptedAcadVersion(int code) { return code >= 5 && code <= 7; }
