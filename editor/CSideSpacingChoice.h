// What the side-spacing dialog holds: the cap's middle height, both plate covers, the bar-count
// index (side bars - 1) and the formula proposed for them.
#pragma once

#include "CString.h"
#include "WinDef.h"

class CSideSpacingChoice {
public:
    CSideSpacingChoice(double height, double topCover, double bottomCover, int index);

    double GetHeight() const { return m_height; }
    double GetTopCover() const { return m_topCover; }
    double GetBottomCover() const { return m_bottomCover; }
    int GetIndex() const { return m_index; }
    // "盖梁高度错误" for a height not above 0.
    const CString& GetFormula() const { return m_formula; }

    // A new bar count recomputes the formula.
    void SetIndex(int index);
    // The dialog's OK (see ConfirmSideSpacing). TRUE when the dialog may close with OK.
    BOOL Confirm(HWND owner = nullptr) const;

private:
    double m_height;
    double m_topCover;
    double m_bottomCover;
    int m_index;
    CString m_formula;
};
