// The applicable-piers command.
#include "ApplyPierCommand.h"

#include "CategoryCodes.h"

void RunApplyPierCommand(CDesignCommandHost& host, CApplyPierDialog& dialog)
{
    CBent_AddInfo& info = host.GetDesign().GetAddInfo();
    CString text = info.GetApplicableTo();
    if (!dialog.Edit(text))
        return;
    if (text != info.GetApplicableTo()) {
        info.SetApplicableTo(text);
        host.SetModified();
    }
    host.UpdateFrameTitle();
    ReloadFormShowing(host, kCategorySummary);
}
