// The applicable-piers command: the text naming the piers and abutments the cap serves,
// edited in a dialog.
#pragma once

#include "CDesignCommandHost.h"

class CApplyPierDialog {
public:
    virtual ~CApplyPierDialog() = default;
    // Shows the text for editing; TRUE on OK, with the edited text.
    virtual BOOL Edit(CString& applicablePiers) = 0;
};

// An edited text is a change to the design like any other and marks it modified, so that
// closing asks to save it.
void RunApplyPierCommand(CDesignCommandHost& host, CApplyPierDialog& dialog);
