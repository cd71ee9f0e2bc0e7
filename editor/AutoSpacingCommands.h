// The automatic spacing commands: the spacings of the skeleton columns across the cap width
// and of the side bars over the cap height, proposed as a spacing formula in a dialog and,
// once confirmed, checked and written into the open design.
#pragma once

#include "CDesignCommandHost.h"
#include "CSideSpacingChoice.h"
#include "CSkeletonSpacingChoice.h"

// The skeleton-spacing dialog: shows the choice's values and formula, passes the box, the
// cover and the column count to it, and on OK asks its Confirm.
class CAutoSkeletonSpacingDialog {
public:
    virtual ~CAutoSkeletonSpacingDialog() = default;
    // TRUE on OK.
    virtual BOOL Run(CSkeletonSpacingChoice& choice) = 0;
};

// The side-spacing dialog: shows the choice's values and formula, passes the bar count to it,
// and on OK asks its Confirm.
class CAutoSideSpacingDialog {
public:
    virtual ~CAutoSideSpacingDialog() = default;
    // TRUE on OK.
    virtual BOOL Run(CSideSpacingChoice& choice) = 0;
};

// Items of the count lists of both dialogs: "1" to "40".
inline constexpr int kSpacingCountChoices = 40;

// The formula the skeleton dialog shows; "盖梁宽度错误" for a width not above 0.
CString SkeletonSpacingFormulaText(double width, double cover, int index);
// The skeleton dialog's OK: nothing without a width, a cover and at least three columns; a
// cover or a column count changed in the dialog must first be changed in the design; else
// the question that applying cannot be undone. TRUE when the dialog may close with OK.
BOOL ConfirmSkeletonSpacing(double width, double cover, int index, double openedCover, int openedIndex,
                            HWND owner = nullptr);

// The formula the side dialog shows; "盖梁高度错误" for a height not above 0.
CString SideSpacingFormulaText(double height, double topCover, double bottomCover, int index);
// The side dialog's OK: nothing without a height, covers and at least three bars; else the
// question. TRUE when the dialog may close with OK.
BOOL ConfirmSideSpacing(double height, double topCover, double bottomCover, int index, HWND owner = nullptr);
// The bar-count index the side dialog opens with: the listed side spacings, or as many as the
// single spacing fits into the clear height; within the dialog's list.
int InitialSideSpacingIndex(const CBent_PierInfo& design, const CBent_BasicGeometry& geometry);

// Checks the formula against the design (one box for the first failure) and replaces the
// column-spacing list by its spacings. TRUE when the list changed.
BOOL ApplySkeletonSpacingFormula(CBent_PierInfo& design, const CBent_BasicGeometry& geometry, const CString& formula);
// Likewise for the side-spacing list; the number of spacings is free.
BOOL ApplySideSpacingFormula(CBent_PierInfo& design, const CBent_BasicGeometry& geometry, const CString& formula);

void RunAutoSkeletonSpacingCommand(CDesignCommandHost& host, CAutoSkeletonSpacingDialog& dialog);
void RunAutoSideSpacingCommand(CDesignCommandHost& host, CAutoSideSpacingDialog& dialog);
