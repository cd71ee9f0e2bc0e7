// The main window's status bar: the company pane and the two drawing scales. Releasing the
// left button over a scale pane offers the scales of the pop-up "比例(&S)"; choosing one other
// than the pane's asks the main window to set it (WM_USER+104), "其他(&O)" opens the
// drawing-scale dialog.
#pragma once

#include "CMenu.h"
#include "CStatusBar.h"

class CBentCapStatusBar : public CStatusBar {
public:
    // The pop-up "比例(&S)" with the item that matches the pane checked; the pane's index.
    void BuildScaleMenu(CMenu& menu, int nIndex) const;
    // What choosing nID from the pop-up over pane nIndex does.
    void ApplyScaleCommand(int nIndex, UINT nID);

protected:
    void OnLButtonUp(UINT nFlags, CPoint point) override;
};
