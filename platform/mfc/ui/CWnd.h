// A window of the class library on a Qt widget. The window's handle is the address of its CWnd;
// Qt's events arrive as messages through WindowProc, which calls the virtual handlers (OnPaint,
// OnSize, OnLButtonDown, ...). A handler that calls the base class's version leaves the event to
// the widget's own handling, as MFC's Default() leaves a message to the window procedure.
#pragma once

#include "CString.h"
#include "WinDef.h"
#include "CPoint.h"
#include "CRect.h"
#include "CSize.h"
#include "WinGeometry.h"
#include "WinMessages.h"

#include <QPointer>
#include <QWidget>

#include <map>
#include <vector>
#include <memory>

class CDataExchange;
class CFont;
class CWndEventBridge;
class QTimer;

class CWnd {
public:
  CWnd();
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // A plain window that paints itself (OnPaint). The class name names the widget.
  virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                      CWnd* pParentWnd, UINT nID);
  virtual BOOL DestroyWindow();

  HWND GetSafeHwnd() const { return m_widget ? m_hWnd : nullptr; }
  // The window a widget belongs to: the widget's own or that of its nearest window above it.
  static CWnd* FromWidget(const QWidget* widget);
  // The live window of a handle; null for a handle whose window is gone.
  static CWnd* FromHandle(HWND hWnd);
  QWidget* GetWidget() const { return m_widget; }
  // The widget that places the window in its parent: its own widget, or the scroll area that
  // holds it (a form). Moving, sizing and showing the window act on it.
  QWidget* GetOuterWidget() const { return m_outer ? m_outer.data() : m_widget.data(); }
  // The window a parent's direct child widget places, or null.
  static CWnd* FromOuterWidget(const QWidget* widget);

  UINT GetDlgCtrlID() const { return m_nID; }
  void SetDlgCtrlID(UINT nID) { m_nID = nID; }
  CWnd* GetDlgItem(int nID) const;
  CWnd* GetParent() const;
  DWORD GetStyle() const { return m_dwStyle; }

  BOOL ShowWindow(int nCmdShow);
  BOOL IsWindowVisible() const;
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
  // Relative to the parent's client area (the screen for a top-level window).
  void GetWindowRect(LPRECT lpRect) const;
  void GetClientRect(LPRECT lpRect) const;

  virtual void SetWindowText(LPCTSTR lpszString);
  virtual void GetWindowText(CString& rString) const;
  int GetWindowTextLength() const;

  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  CWnd* SetFocus();
  static CWnd* GetFocus();

  // The text and number of a child control, and the check of a child button.
  void SetDlgItemText(int nID, LPCTSTR lpszString);
  int GetDlgItemText(int nID, CString& rString) const;
  void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
  // The number the text starts with; *lpTrans FALSE when it starts with none.
  UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
  void CheckDlgButton(int nIDButton, UINT nCheck);
  UINT IsDlgButtonChecked(int nIDButton) const;

  // Exchanges the window's data with its controls (DoDataExchange): from the controls into the
  // members when bSaveAndValidate, else from the members into the controls.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

  // The font the window's text is drawn in; the caller keeps the font alive.
  void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
  CFont* GetFont() const { return m_pFont; }

  // All mouse input goes to this window until ReleaseCapture.
  CWnd* SetCapture();
  static CWnd* GetCapture();
  static BOOL ReleaseCapture();
  void ClientToScreen(LPPOINT lpPoint) const;
  void ScreenToClient(LPPOINT lpPoint) const;

  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse);
  BOOL KillTimer(UINT_PTR nIDEvent);

  void Invalidate(BOOL bErase = TRUE);
  // The part of the window being painted, in client coordinates; the whole client area outside
  // a paint. FALSE when that part is empty.
  BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE) const;
  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
  void UpdateWindow();

  // Delivered at once / from the event loop; PostMessage to a window that is gone is dropped.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  // Dispatches a message to its handler; derived windows add messages of their own here.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
  // Puts a Qt widget under this window: parent, place, style, handle, events. The widget is
  // owned by the window (and deleted with its Qt parent when that goes first).
  BOOL AttachWidget(QWidget* widget, CWnd* pParentWnd, UINT nID, DWORD dwStyle, const RECT& rect);
  // Puts the window's widget inside another that takes its place in the parent (after
  // AttachWidget); it goes with the window.
  void SetOuterWidget(QWidget* outer);
  // The event the handler runs for goes on to the widget's own handling.
  void Default();

  virtual int OnCreate();
  virtual void OnDestroy();
  virtual void OnPaint();
  virtual void OnSize(UINT nType, int cx, int cy);
  virtual void OnSetFocus(CWnd* pOldWnd);
  virtual void OnKillFocus(CWnd* pNewWnd);
  virtual void OnTimer(UINT_PTR nIDEvent);
  virtual void OnClose();
  virtual void OnLButtonDown(UINT nFlags, CPoint point);
  virtual void OnLButtonUp(UINT nFlags, CPoint point);
  virtual void OnLButtonDblClk(UINT nFlags, CPoint point);
  virtual void OnRButtonDown(UINT nFlags, CPoint point);
  virtual void OnRButtonUp(UINT nFlags, CPoint point);
  virtual void OnMouseMove(UINT nFlags, CPoint point);
  virtual BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint point);
  virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  virtual void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  // WM_COMMAND: LOWORD(wParam) the command or control id, HIWORD(wParam) the notification code,
  // lParam the control's handle. TRUE when handled.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // WM_NOTIFY: lParam the NMHDR of the notification.
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Tells the parent of a control's change by WM_COMMAND.
  void NotifyParent(UINT nCode);
  // The window's members and their controls, pair by pair (DDX_* of CDataExchange.h).
  virtual void DoDataExchange(CDataExchange* pDX);

public:
  HWND m_hWnd;

private:
  friend class CWndEventBridge;
  // Runs a message on behalf of an event; true when the handler took the event for itself.
  bool HandleEvent(UINT message, WPARAM wParam, LPARAM lParam);
  void ReleaseWidget();

  QPointer<QWidget> m_widget;
  QPointer<QWidget> m_outer;
  std::unique_ptr<CWndEventBridge> m_bridge;
  std::map<UINT_PTR, std::unique_ptr<QTimer>> m_timers;
  UINT m_nID;
  DWORD m_dwStyle;
  bool m_defaultRequested;
  CFont* m_pFont = nullptr;
  QRect m_rectUpdate;
};
