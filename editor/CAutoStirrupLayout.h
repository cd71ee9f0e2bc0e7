// The automatic stirrup layout: a proposal of closed stirrups over the bar columns, built on a
// copy of the open design for the layout dialog to show, and taken over by the open design only
// when the user confirms it.
#pragma once

#include "CDesignCommandHost.h"

class CAutoStirrupLayout {
public:
    // The copy and the leg count the dialog opens with: the legs of the main face's stirrups, made
    // even on an even number of columns, within the dialog's list.
    explicit CAutoStirrupLayout(const CBent_PierInfo& design);

    // Legs of the stirrups: a stirrup set at both columns has two, at one column one.
    static int CountStirrupLegs(const CBent_FaceInfo& face);

    // The bar columns N; the leg counts offered are 0 to N.
    int GetColumnCount() const { return m_columns; }
    int GetLegCount() const { return m_legs; }
    // The copy's main-face stirrups become legs / 2 closed stirrups spread over the columns, each
    // with the record's defaults and 1-based columns. A layout the columns do not allow (a
    // stirrup over more than eight columns) proposes no stirrup; FALSE then.
    BOOL SetLegCount(int legs);
    // The copy, with the proposal, for the dialog's sketch.
    const CBent_PierInfo& GetProposal() const { return m_proposal; }

    // The dialog's OK: the question that applying cannot be undone; TRUE on Yes.
    BOOL Confirm(HWND owner = nullptr) const;
    // The open design's main-face stirrups replaced by the proposal's.
    void ApplyTo(CBent_PierInfo& design) const;

private:
    CBent_PierInfo m_proposal;
    int m_columns;
    int m_legs;
};

// The layout dialog: a leg-count list (calling SetLegCount on every change), the sketch of the
// proposal and an OK that asks Confirm.
class CAutoStirrupDialog {
public:
    virtual ~CAutoStirrupDialog() = default;
    // TRUE on OK.
    virtual BOOL Run(CAutoStirrupLayout& layout) = 0;
};

void RunAutoStirrupCommand(CDesignCommandHost& host, CAutoStirrupDialog& dialog);
