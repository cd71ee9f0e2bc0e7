// The editor's main window: menu, tool bar, the one-line design summary, the status bar with
// the two drawing scales, and the panes of the category tree, the current category form and
// the information view around the project data it holds for its whole life. It keeps the
// title and the registry value "CurGltFile" in step with the current file, converts the design
// when the unit changes, and carries the file commands and the draw command.
// Implementation by topic: CMainFrame.cpp (creation, title, unit, scales, commands),
// CMainFrame_Files.cpp (new, open, save, close), CMainFrame_Draw.cpp (the draw command),
// CMainFrame_Tools.cpp (the dialog commands of the tools menu).
#pragma once

#include "CBentCapClassView.h"
#include "CBentCapInfoView.h"
#include "CBentCapProject.h"
#include "CBentCapStatusBar.h"
#include "CDialogBar.h"
#include "CFrameWnd.h"
#include "CMenu.h"
#include "CSplitterWnd.h"
#include "CStatic.h"
#include "CToolBar.h"
#include "CView.h"
#include "CategoryForms.h"
#include "WinGdi.h"

#include <memory>

class CMainFrame : public CFrameWnd {
public:
    CMainFrame();
    ~CMainFrame() override;

    // Makes the window (resource 128: menu, tool bar, dialog bar, status bar, panes).
    BOOL LoadFrame();

    void UpdateFrameTitle();
    int ChangeUnit(int nUnit);
    void UpdateSummaryBar();
    // The current form's controls into the data; 0 when the form refuses its values.
    int CommitCurrentForm();
    void RefreshViews(BOOL bRebuildTree);

    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    int LoadGltFile(const CString& path);
    int SaveProject(BOOL bSaveAs);
    void OnDrawInAcad();

    CBentCapProject& GetProject() { return m_Project; }
    CBentCapStatusBar& GetStatusBar() { return m_wndStatusBar; }
    CToolBar& GetToolBar() { return m_wndToolBar; }
    CString GetSummaryText() const;
    int GetCurrentCategory() const { return m_nCurrentCategory; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    int OnCreate() override;
    BOOL OnCreateClient() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnUpdateCmdUI(CCmdUI* pCmdUI) override;
    void OnClose() override;
    LRESULT OnSetDrawScale(WPARAM wParam, LPARAM lParam);

private:
    void BuildMenu();
    BOOL BuildBars();
    // The save prompt of new, open and close; FALSE when the command must stop.
    BOOL PromptSave();
    CString FormatScalePane(const wchar_t* label, double scale) const;

    CBentCapProject m_Project;
    CView* m_pClassView = nullptr;
    CView* m_pInfoView = nullptr;
    CView* m_pCurrentForm = nullptr;
    LOGFONT m_LogFont{};
    CSplitterWnd m_wndSplitter;
    CSplitterWnd m_wndSplitter2;
    CBentCapClassView m_wndTreePane;
    CBentCapInfoView m_wndInfoPane;
    CBentCapStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    CDialogBar m_wndDlgBar;
    CStatic m_wndSummary;
    CMenu m_menu;
    int m_nCurrentCategory = -1;

    // The category tree, the forms and the information view (CMainFrame_Forms.cpp).
public:
    int SwitchFormView(FormFactory pfnCreateForm, int nCode);
    LRESULT OnSelectCategory(WPARAM wParam, LPARAM lParam);
    LRESULT OnDataChanged(WPARAM wParam, LPARAM lParam);
    CBentCapClassView& GetClassView() { return m_wndTreePane; }
    CBentCapInfoView& GetInfoView() { return m_wndInfoPane; }
    CBentCapFormBaseView* GetCurrentForm() const { return m_pForm.get(); }

private:
    // Hands the panes the project, the tree and the font once the splitters hold them.
    void ConnectPanes();
    // The protocol's messages and the next-message key; TRUE when handled.
    BOOL HandleFormMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The one form in the upper right pane, replaced by every switch.
    std::unique_ptr<CBentCapFormBaseView> m_pForm;

    // The dialog commands of the tools menu (CMainFrame_Tools.cpp).
public:
    void OnCapCopy();
    void OnExtendSteel();
    void OnDrawScale();
    void OnApplyPier();
    void OnBatchCopy();
    void OnBatchAdjustColumns();
    void OnAutoSkeletonSpacing();
    void OnAutoStirrup();
    void OnAutoSideSpacing();

private:
    BOOL OnToolCommand(UINT nID);
};
