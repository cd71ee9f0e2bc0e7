// Error reporting: every failing database or geometry step of the library ends up here, as a
// tag on the command line or a text in a message box.
#include "MavUtils.h"

#include "AcDbServices.h"
#include "AfxMessageBox.h"
#include "acut.h"

void MavUtils::BDTAlert(const CString& tag) { acutPrintf(L"\n%s 出现异常!", tag); }

void MavUtils::errorReport(Acad::ErrorStatus es)
{
    if (es == Acad::eOk)
        return;
    CString text;
    text.Format(L"Internal ARX ERROR: %s", acadErrorStatusText(es));
    BDTAlert(text);
}

void MavUtils::BDTAlertBox(const CString& text) { AfxMessageBox(text, MB_ICONEXCLAMATION); }
