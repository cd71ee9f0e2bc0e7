// What the skeleton-spacing dialog holds: the cap width, the cover and the column-count index
// (bar columns - 1), the formula proposed for them, and the cover and index the dialog opened
// with. Cover and index may be changed only while the box allowing it is ticked; unticking it
// brings back the opening values.
#pragma once

#include "CString.h"
#include "WinDef.h"

class CSkeletonSpacingChoice {
public:
    CSkeletonSpacingChoice(double width, double cover, int index);

    double GetWidth() const { return m_width; }
    double GetCover() const { return m_cover; }
    int GetIndex() const { return m_index; }
    BOOL IsEditAllowed() const { return m_editAllowed; }
    // The formula as last computed; "盖梁宽度错误" for a width not above 0.
    const CString& GetFormula() const { return m_formula; }

    // Ticking allows cover and index to change; unticking restores both and the formula.
    void AllowEdit(BOOL allow);
    // Ignored unless editing is allowed. A new index recomputes the formula; a new cover counts
    // from the next recomputation.
    void SetCover(double cover);
    void SetIndex(int index);

    // The dialog's OK (see ConfirmSkeletonSpacing). TRUE when the dialog may close with OK.
    BOOL Confirm(HWND owner = nullptr) const;

private:
    void Recompute();

    double m_width;
    double m_cover;
    int m_index;
    BOOL m_editAllowed;
    double m_openedCover;
    int m_openedIndex;
    CString m_formula;
};
