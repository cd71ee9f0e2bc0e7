#include "FormGrid.h"

std::unique_ptr<CGridCtrl> CreateFormGrid(CWnd* pParent, const CRect& tableFrame, UINT nID)
{
    auto grid = std::make_unique<CGridCtrl>();
    grid->Create(CRect(tableFrame.left + 2, tableFrame.top + 2, tableFrame.right, tableFrame.bottom), pParent, nID,
                 WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
    grid->SetEditable(TRUE);
    grid->EnableDragAndDrop(TRUE);
    grid->EnableTitleTips(TRUE);
    grid->SetTextBkColor(RGB(255, 255, 224));
    return grid;
}
