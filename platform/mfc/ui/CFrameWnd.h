// A frame window on a QMainWindow: menu bar, tool bars, dialog bars and status bar around a
// client window (the child with id AFX_IDW_PANE_FIRST, made in OnCreateClient). Commands from
// the menu, the tool bar and the keys reach OnCommand; the active view sees them first.
// UpdateCmdUI asks OnUpdateCmdUI about every command shown, as the frame does when a menu
// opens, after every command and when the program goes idle after input.
#pragma once

#include "CWnd.h"

class CCmdUI;
class CIdleCommandUpdate;
class CMenu;
class CStatusBar;
class CToolBar;
class CView;

class CFrameWnd : public CWnd {
public:
  CFrameWnd();
  ~CFrameWnd() override;

  // A top-level window with the given title; the first frame made is the main window.
  BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
              UINT nID) override;
  BOOL DestroyWindow() override;

  void SetWindowText(LPCTSTR lpszString) override;
  void GetWindowText(CString& rString) const override;

  // The menu bar shows the menu's pop-ups; the frame does not own the menu.
  BOOL SetMenu(CMenu* pMenu);
  CMenu* GetMenu() const { return m_pMenu; }
  void SetStatusBar(CStatusBar* pStatusBar) { m_pStatusBar = pStatusBar; }
  void AddToolBar(CToolBar* pToolBar);
  CView* GetActiveView() const { return m_pActiveView; }
  void SetActiveView(CView* pView) { m_pActiveView = pView; }
  CWnd* GetClientWindow() const;

  void UpdateCmdUI();
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
  int OnCreate() override;
  virtual BOOL OnCreateClient();
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  virtual void OnUpdateCmdUI(CCmdUI* pCmdUI);
  // Destroys the frame, which ends the program when it is the main window.
  void OnClose() override;

private:
  CMenu* m_pMenu = nullptr;
  CStatusBar* m_pStatusBar = nullptr;
  std::vector<CToolBar*> m_toolBars;
  CView* m_pActiveView = nullptr;
  std::unique_ptr<CIdleCommandUpdate> m_idleUpdate;
};
