#include "CBentCapStatusBar.h"

#include "AfxMessageBox.h"
#include "CWinApp.h"
#include "EditorCommands.h"
#include "NumericHelpers.h"

#include <QCursor>

namespace {

struct ScaleItem {
    UINT nID;
    const wchar_t* text;
    double scale;
};

// The pop-up's items in order; 0 marks a separator.
const ScaleItem kScaleItems[] = {
    {32794, L"1：40", 40},   {32795, L"1：50", 50},   {0, nullptr, 0},         {32790, L"1：10", 10},
    {32791, L"1：15", 15},   {32792, L"1：20", 20},   {32793, L"1：25", 25},   {32796, L"1：55", 55},
    {32797, L"1：60", 60},   {32798, L"1：62.5", 62.5}, {32799, L"1：65", 65}, {32800, L"1：70", 70},
    {32801, L"1：75", 75},   {0, nullptr, 0},
};

// "1" and the pane's text from its "："; empty for a pane without one.
CString ShownScale(const CString& paneText)
{
    const int colon = paneText.Find(L'：');
    return colon < 0 ? CString() : L"1" + paneText.Mid(colon);
}

} // namespace

void CBentCapStatusBar::BuildScaleMenu(CMenu& menu, int nIndex) const
{
    menu.CreatePopupMenu();
    const CString shown = ShownScale(GetPaneText(nIndex));
    for (const ScaleItem& item : kScaleItems) {
        if (!item.nID) {
            menu.AppendMenu(MF_SEPARATOR);
            continue;
        }
        menu.AppendMenu(MF_STRING | (shown == item.text ? MF_CHECKED : MF_UNCHECKED), item.nID, item.text);
    }
    menu.AppendMenu(MF_STRING, ID_SCALE_OTHER, L"其他(&O)");
}

void CBentCapStatusBar::ApplyScaleCommand(int nIndex, UINT nID)
{
    CWnd* main = AfxGetMainWnd();
    if (!main)
        return;
    if (nID == ID_SCALE_OTHER) {
        main->SendMessage(WM_COMMAND, ID_DRAW_SCALE, 0);
        return;
    }
    for (const ScaleItem& item : kScaleItems) {
        if (!item.nID || item.nID != nID)
            continue;
        double scale = item.scale;
        if (L"1：" + FormatFixed(scale, -7) != ShownScale(GetPaneText(nIndex)))
            main->SendMessage(WM_SET_DRAW_SCALE, GetItemID(nIndex) == ID_INDICATOR_ELEVATION_SCALE ? 1 : 0,
                              reinterpret_cast<LPARAM>(&scale));
        return;
    }
}

void CBentCapStatusBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    for (const UINT pane : {ID_INDICATOR_ELEVATION_SCALE, ID_INDICATOR_SECTION_SCALE}) {
        const int index = CommandToIndex(pane);
        CRect rect;
        GetItemRect(index, &rect);
        if (index < 0 || !rect.PtInRect(point))
            continue;
        CMenu menu;
        BuildScaleMenu(menu, index);
        const QPoint at = QCursor::pos();
        const UINT nID = static_cast<UINT>(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, at.x(), at.y(), this));
        if (nID)
            ApplyScaleCommand(index, nID);
        return;
    }
    CStatusBar::OnLButtonUp(nFlags, point);
}
