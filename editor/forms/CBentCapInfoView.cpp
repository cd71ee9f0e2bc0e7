#include "CBentCapInfoView.h"

#include "CDesignValidator.h"
#include "CMenu.h"
#include "ContextMenuRelay.h"
#include "CategoryCodes.h"
#include "FormMessages.h"

#include <QFontInfo>

namespace {

const UINT kListId = 1002;
const UINT kShowErrors = 32781;
const UINT kShowWarnings = 32782;
const UINT kGoToCategory = 32783;
const UINT kNextMessage = 32785;

const wchar_t* HeaderLine(int showErrors, int showWarnings)
{
    if (showErrors && showWarnings)
        return L"------------------------------------------------------错误（警告）列表"
               L"---------------------------------------------------------------";
    if (showErrors)
        return L"------------------------------------------------------错误列表"
               L"-----------------------------------------------------------------------";
    return L"------------------------------------------------------警告列表"
           L"-----------------------------------------------------------------------";
}

// "label；kind：text" of a message "label|text".
CString MessageLine(const CString& message, const wchar_t* kind)
{
    const int bar = message.Find(L'|');
    const CString label = bar < 0 ? message : message.Left(bar);
    const CString text = bar < 0 ? CString() : message.Mid(bar + 1);
    CString line;
    line.Format(L"%s；%s：%s", label.GetString(), kind, text.GetString());
    return line;
}

} // namespace

CBentCapInfoView::~CBentCapInfoView()
{
    m_wndList.DestroyWindow();
}

int CBentCapInfoView::OnCreate()
{
    if (CView::OnCreate() == -1)
        return -1;
    CRect rect;
    GetClientRect(&rect);
    if (!m_wndList.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, rect, this, kListId))
        return -1;
    RelayContextMenu(m_wndList);
    FillMessageList();
    return 0;
}

void CBentCapInfoView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (m_wndList.GetSafeHwnd())
        m_wndList.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CBentCapInfoView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CONTEXTMENU) {
        OnContextMenu(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)),
                      CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
        return 0;
    }
    return CView::WindowProc(message, wParam, lParam);
}

BOOL CBentCapInfoView::OnCommand(WPARAM wParam, LPARAM)
{
    if (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_DBLCLK) {
        OnListDblClk();
        return TRUE;
    }
    if (LOWORD(wParam) == kNextMessage && HIWORD(wParam) == 0) {
        OnNextMessage();
        return TRUE;
    }
    return FALSE;
}

void CBentCapInfoView::FillMessageList()
{
    // 1. Empty; 2. nothing shown at all.
    if (!m_wndList.GetSafeHwnd())
        return;
    m_wndList.ResetContent();
    if (!m_nShowErrors && !m_nShowWarnings)
        return;
    // 3. The header; 4. no design to check.
    m_wndList.AddString(HeaderLine(m_nShowErrors, m_nShowWarnings));
    if (!m_pProject) {
        m_wndList.AddString(L"共有错误0个；警告0个");
        return;
    }
    // 5. The rules on the design.
    CStringArray errors;
    CStringArray warnings;
    ValidateDesign(errors, warnings, m_pProject->m_PierInfo, m_pProject->m_BasicGeometry,
                   m_pProject->GetSaveFactor());
    // 6. The summary, 7. the messages.
    CString summary;
    if (m_nShowErrors && m_nShowWarnings)
        summary.Format(L"共有错误%d个；警告%d个", static_cast<int>(errors.GetSize()), static_cast<int>(warnings.GetSize()));
    else if (m_nShowErrors)
        summary.Format(L"共有错误%d个", static_cast<int>(errors.GetSize()));
    else
        summary.Format(L"共有警告%d个", static_cast<int>(warnings.GetSize()));
    m_wndList.AddString(summary);
    if (m_nShowErrors)
        for (INT_PTR i = 0; i < errors.GetSize(); ++i)
            m_wndList.AddString(MessageLine(errors[i], L"错误"));
    if (m_nShowWarnings)
        for (INT_PTR i = 0; i < warnings.GetSize(); ++i)
            m_wndList.AddString(MessageLine(warnings[i], L"警告"));
}

int CBentCapInfoView::JumpToMessage(int nLine)
{
    if (!m_pClassView)
        return 0;
    if (nLine <= 0 || nLine >= m_wndList.GetCount())
        return 0;
    CString text;
    m_wndList.GetText(nLine, text);
    const int mark = text.Find(L"；");
    if (mark < 0)
        return 0;
    m_pClassView->SendMessage(WM_SELECT_TREE_ITEM, static_cast<WPARAM>(CategoryCodeFromLabel(text.Left(mark))));
    return 1;
}

void CBentCapInfoView::SetListFont(CWnd* pWnd)
{
    if (!pWnd || !pWnd->GetWidget() || !m_wndList.GetWidget())
        return;
    const QFont font = pWnd->GetWidget()->font();
    LOGFONT lf{};
    lf.lfHeight = -QFontInfo(font).pixelSize();
    lf.lfWeight = font.bold() ? FW_BOLD : FW_NORMAL;
    const std::wstring face = font.family().toStdWString();
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    m_listFont.DeleteObject();
    if (m_listFont.CreateFontIndirect(&lf))
        m_wndList.GetWidget()->setFont(m_listFont.GetQFont());
}

void CBentCapInfoView::OnListDblClk() { JumpToMessage(m_wndList.GetCurSel()); }

void CBentCapInfoView::OnNextMessage()
{
    const int count = m_wndList.GetCount();
    if (count < 3)
        return;
    const int current = m_wndList.GetCurSel();
    const int next = current >= 2 && current < count - 1 ? current + 1 : 2;
    m_wndList.SetCurSel(next);
    JumpToMessage(next);
}

void CBentCapInfoView::OnContextMenu(CWnd*, CPoint point)
{
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, kGoToCategory, L"切换设置(&G)");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, kShowErrors, L"显示错误(&E)");
    menu.AppendMenu(MF_STRING, kShowWarnings, L"显示警告(&W)");
    const int selected = m_wndList.GetCurSel();
    menu.EnableMenuItem(kGoToCategory, selected < 2 ? MF_GRAYED : MF_ENABLED);
    menu.CheckMenuItem(kShowErrors, m_nShowErrors ? MF_CHECKED : MF_UNCHECKED);
    menu.CheckMenuItem(kShowWarnings, m_nShowWarnings ? MF_CHECKED : MF_UNCHECKED);
    const UINT command = menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, point.x, point.y, this);
    if (command == kShowErrors) {
        m_nShowErrors = !m_nShowErrors;
        FillMessageList();
    } else if (command == kShowWarnings) {
        m_nShowWarnings = !m_nShowWarnings;
        FillMessageList();
    } else if (command == kGoToCategory) {
        JumpToMessage(selected);
    } else {
        FillMessageList();
    }
}
