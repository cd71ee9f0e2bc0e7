// The frame's side of the form protocol: committing the current form, refreshing the views,
// choosing a category and switching the form of the upper right pane.
#include "CMainFrame.h"

#include "EditorCommands.h"
#include "FormMessages.h"

void CMainFrame::ConnectPanes()
{
    m_pCurrentForm = m_pForm.get();
    m_wndTreePane.SetProject(&m_Project);
    m_pForm->SetProject(&m_Project);
    m_pForm->SetFormFont(&m_LogFont);
    m_pForm->OnInitialUpdate();
    m_wndInfoPane.SetProject(&m_Project);
    m_wndInfoPane.SetClassView(&m_wndTreePane);
    m_wndInfoPane.SetListFont(m_pForm.get());
    SetActiveView(m_pForm.get());
}

int CMainFrame::CommitCurrentForm()
{
    // 1. The form stores its controls, or refuses.
    int verdict = 1;
    if (m_pForm)
        m_pForm->SendMessage(WM_UPDATE_DATA, 0, reinterpret_cast<LPARAM>(&verdict));
    // 2. What changed shows in the summary bar and the messages.
    if (m_Project.m_nModified) {
        UpdateSummaryBar();
        m_wndInfoPane.FillMessageList();
    }
    return verdict;
}

void CMainFrame::RefreshViews(BOOL bRebuildTree)
{
    if (bRebuildTree && m_wndTreePane.GetSafeHwnd())
        m_wndTreePane.SendMessage(WM_UPDATE_DATA, 1);
    if (m_pForm)
        m_pForm->SendMessage(WM_UPDATE_DATA, 1);
    m_wndInfoPane.FillMessageList();
    UpdateSummaryBar();
    UpdateCmdUI();
}

LRESULT CMainFrame::OnSelectCategory(WPARAM wParam, LPARAM lParam)
{
    const int code = static_cast<int>(wParam);
    int* verdict = reinterpret_cast<int*>(lParam);
    // 1. The shown category again: nothing.
    if (code == m_nCurrentCategory)
        return 0;
    // 2. The form's values first; 3. the form of the category, or a refusal for a group.
    const FormFactory createForm = CommitCurrentForm() ? FormFactoryForCategory(code) : nullptr;
    if (!createForm) {
        if (verdict)
            *verdict = 0;
        return 0;
    }
    // 4. The switch.
    SwitchFormView(createForm, FormCodeForCategory(code));
    m_nCurrentCategory = code;
    return 0;
}

int CMainFrame::SwitchFormView(FormFactory pfnCreateForm, int nCode)
{
    // 1. Where the old form was; 2. the old form goes.
    CRect rect(0, 0, 100, 600);
    if (m_pForm) {
        m_pForm->GetWindowRect(&rect);
        m_pForm->DestroyWindow();
    }
    m_pCurrentForm = nullptr;
    m_pForm = pfnCreateForm();
    // 3. The new form in the same pane at the same size.
    if (!m_wndSplitter2.CreateView(0, 0, m_pForm.get(), CSize(rect.Width(), rect.Height()))) {
        m_pForm.reset();
        return 0;
    }
    // 4. The title; 5. the form connected to the data.
    UpdateFrameTitle();
    m_pCurrentForm = m_pForm.get();
    m_pForm->SetProject(&m_Project);
    m_pForm->SetCategoryCode(nCode);
    m_pForm->SetFormFont(&m_LogFont);
    // 6. Its controls, filled from the data.
    m_pForm->OnInitialUpdate();
    m_pForm->SendMessage(WM_UPDATE_DATA, 1);
    // 7. Active, laid out and painted; the tool bar offers the new form's commands.
    SetActiveView(m_pForm.get());
    m_wndSplitter2.RecalcLayout();
    m_pForm->Invalidate();
    UpdateCmdUI();
    return 1;
}

LRESULT CMainFrame::OnDataChanged(WPARAM, LPARAM)
{
    RefreshViews(TRUE);
    return 1;
}

BOOL CMainFrame::HandleFormMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_SELECT_CATEGORY: result = OnSelectCategory(wParam, lParam); return TRUE;
    case WM_DATA_CHANGED: result = OnDataChanged(wParam, lParam); return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) != ID_NEXT_MESSAGE || HIWORD(wParam) != 0)
            return FALSE;
        result = m_wndInfoPane.SendMessage(WM_COMMAND, ID_NEXT_MESSAGE);
        return TRUE;
    default: return FALSE;
    }
}
