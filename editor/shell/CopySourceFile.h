// Choosing the design file a copy takes its data from, as the copy dialog and the batch copy's
// page "复制" both do it: the open dialog with its preview, then the file read by the selection
// with its boxes over the owner window.
#pragma once

#include "CBentCapFileDialog.h"
#include "CCapCopySelection.h"

// TRUE when a file was chosen (read or not: the selection tells); FALSE when the dialog was
// cancelled. loadFactor and pFont go to the dialog's preview.
template <class Selection>
BOOL ChooseCopySourceFile(CWnd& owner, Selection& selection, double loadFactor, LOGFONT* pFont)
{
    CBentCapFileDialog dialog(TRUE, kDesignFileExtension, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                              kCapCopyFileFilter, &owner);
    dialog.m_dLoadFactor = loadFactor;
    dialog.m_pFont = pFont;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    HWND hwnd = owner.GetSafeHwnd();
    selection.SetOwner(&hwnd);
    selection.SelectFile(dialog.GetPathName());
    selection.SetOwner(nullptr);
    return TRUE;
}
