// The strengthening-bar command: one of seven operations applied to every per-column code of
// the open design, after the user confirmed that it cannot be undone.
#pragma once

#include "CBent_ExtendSteel.h"
#include "CDesignCommandHost.h"

// The operations in the order of the dialog's radio buttons.
inline constexpr int kExtendSteelOperationCount = 7;
// The choice the dialog opens with: clearing the middle piers' strengthening bars.
inline constexpr int kInitialExtendSteelOperation = 1;

// The dialog that picks the operation. Its OK handler confirms with ConfirmExtendSteelOperation
// and stays open on No.
class CExtendSteelChoice {
public:
    virtual ~CExtendSteelChoice() = default;
    // Runs the dialog, opening on kInitialExtendSteelOperation; TRUE on OK, with the choice.
    virtual BOOL Choose(int& operation) = 0;
};

// The operation's text as the dialog and the question name it; empty for no operation.
CString GetExtendSteelOperationText(int operation);
// The Yes/No question that the operation cannot be undone; TRUE on Yes.
BOOL ConfirmExtendSteelOperation(int operation, HWND owner = nullptr);
// Applies the operation to every code; FALSE, codes unchanged, for no operation.
BOOL ApplyExtendSteelOperation(CBent_ExtendSteel& steel, int operation);

// The whole command: choose, apply to the open design, mark it modified and show the change.
void RunExtendSteelCommand(CDesignCommandHost& host, CExtendSteelChoice& choice);
