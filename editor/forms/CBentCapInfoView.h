// The information pane under the current form: the errors and warnings the design rules find
// in the design, and the way from a message to the form where its value is edited (double
// click, the context menu, or the next-message command F4).
#pragma once

#include "CBentCapProject.h"
#include "CFont.h"
#include "CListBox.h"
#include "CView.h"

class CBentCapInfoView : public CView {
public:
    CBentCapInfoView() = default;
    ~CBentCapInfoView() override;

    void SetProject(CBentCapProject* pProject) { m_pProject = pProject; }
    void SetClassView(CWnd* pClassView) { m_pClassView = pClassView; }

    void FillMessageList();
    // 1 when a jump was sent to the tree.
    int JumpToMessage(int nLine);
    void SetListFont(CWnd* pWnd);
    void OnNextMessage();
    void OnListDblClk();
    void OnContextMenu(CWnd* pWnd, CPoint point);

    CListBox& GetListBox() { return m_wndList; }
    int GetShowErrors() const { return m_nShowErrors; }
    int GetShowWarnings() const { return m_nShowWarnings; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    int OnCreate() override;
    void OnSize(UINT nType, int cx, int cy) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    CListBox m_wndList;
    CFont m_listFont;
    CBentCapProject* m_pProject = nullptr;
    CWnd* m_pClassView = nullptr;
    int m_nShowErrors = 1;
    int m_nShowWarnings = 1;
};
