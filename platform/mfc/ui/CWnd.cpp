#include "CWnd.h"

#include "MouseCapture.h"

#include "CDataExchange.h"
#include "CFont.h"
#include "CWndEventBridge.h"
#include "QtText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <set>
#include <stdexcept>
#include <string>

namespace {

const char* const kHandleProperty = "corbelHwnd";
const char* const kOuterProperty = "corbelOuterOf";

// Every CWnd alive, so that a handle of a window that is gone finds nothing.
std::set<const CWnd*>& LiveWindows()
{
  static std::set<const CWnd*> windows;
  return windows;
}

CPoint PointOf(LPARAM lParam)
{
  return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

} // namespace

CWnd::CWnd() : m_hWnd(reinterpret_cast<HWND>(this)), m_nID(0), m_dwStyle(0), m_defaultRequested(false)
{
  LiveWindows().insert(this);
}

CWnd::~CWnd()
{
  ReleaseWidget();
  LiveWindows().erase(this);
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
  auto* wnd = reinterpret_cast<const CWnd*>(hWnd);
  return LiveWindows().count(wnd) ? const_cast<CWnd*>(wnd) : nullptr;
}

CWnd* CWnd::FromWidget(const QWidget* widget)
{
  for (; widget; widget = widget->parentWidget()) {
    const QVariant handle = widget->property(kHandleProperty);
    if (handle.isValid())
      return FromHandle(reinterpret_cast<HWND>(handle.value<quintptr>()));
  }
  return nullptr;
}

CWnd* CWnd::FromOuterWidget(const QWidget* widget)
{
  if (!widget)
    return nullptr;
  const QVariant outer = widget->property(kOuterProperty);
  if (outer.isValid())
    return FromHandle(reinterpret_cast<HWND>(outer.value<quintptr>()));
  CWnd* wnd = FromWidget(widget);
  return wnd && wnd->m_widget == widget ? wnd : nullptr;
}

void CWnd::SetOuterWidget(QWidget* outer)
{
  if (!m_widget || !outer)
    return;
  outer->setParent(m_widget->parentWidget(), outer->windowFlags() & ~Qt::WindowType_Mask);
  outer->setGeometry(m_widget->geometry());
  outer->setProperty(kOuterProperty, QVariant::fromValue(reinterpret_cast<quintptr>(m_hWnd)));
  outer->setVisible(!m_widget->isHidden());
  m_outer = outer;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID)
{
  auto* widget = new QWidget;
  widget->setObjectName(ToQString(lpszClassName));
  widget->setWindowTitle(ToQString(lpszWindowName));
  widget->setFocusPolicy(Qt::StrongFocus);
  return AttachWidget(widget, pParentWnd, nID, dwStyle, rect);
}

BOOL CWnd::AttachWidget(QWidget* widget, CWnd* pParentWnd, UINT nID, DWORD dwStyle, const RECT& rect)
{
  ReleaseWidget();
  m_widget = widget;
  m_nID = nID;
  m_dwStyle = dwStyle;
  // A dialog or pop-up stays a window of its own above its parent; anything else becomes a
  // child inside it.
  const bool ownWindow = (dwStyle & WS_POPUP) || widget->windowType() == Qt::Dialog;
  if (pParentWnd && pParentWnd->GetWidget())
    widget->setParent(pParentWnd->GetWidget(),
                      ownWindow ? widget->windowFlags() : widget->windowFlags() & ~Qt::WindowType_Mask);
  widget->setProperty(kHandleProperty, QVariant::fromValue(reinterpret_cast<quintptr>(m_hWnd)));
  widget->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  widget->setEnabled(!(dwStyle & WS_DISABLED));
  m_bridge = std::make_unique<CWndEventBridge>(this);
  widget->installEventFilter(m_bridge.get());
  if (OnCreate() == -1) {
    ReleaseWidget();
    return FALSE;
  }
  widget->setVisible((dwStyle & WS_VISIBLE) != 0);
  return TRUE;
}

BOOL CWnd::DestroyWindow()
{
  if (!m_widget)
    return FALSE;
  OnDestroy();
  ReleaseWidget();
  return TRUE;
}

void CWnd::ReleaseWidget()
{
  m_timers.clear();
  if (m_widget && m_bridge)
    m_widget->removeEventFilter(m_bridge.get());
  m_bridge.reset();
  // The windows inside go with it.
  if (m_widget)
    for (QWidget* child : m_widget->findChildren<QWidget*>())
      if (CWnd* inner = FromWidget(child); inner && inner != this && inner->m_widget == child)
        inner->ReleaseWidget();
  // The widget may be inside one of its own events (a close box, a button): it goes when the
  // event is over, and is hidden and no longer this window's from now on.
  if (m_widget) {
    m_widget->setProperty(kHandleProperty, QVariant());
    m_widget->hide();
    m_widget->deleteLater();
  }
  if (m_outer) {
    m_outer->setProperty(kOuterProperty, QVariant());
    m_outer->hide();
    m_outer->deleteLater();
  }
  m_widget = nullptr;
  m_outer = nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
  if (!m_widget)
    return nullptr;
  for (QWidget* child : m_widget->findChildren<QWidget*>()) {
    CWnd* wnd = FromWidget(child);
    if (wnd && wnd != this && wnd->GetWidget() == child && wnd->m_nID == static_cast<UINT>(nID)
        && wnd->GetParent() == this)
      return wnd;
  }
  return nullptr;
}

CWnd* CWnd::GetParent() const
{
  return m_widget ? FromWidget(m_widget->parentWidget()) : nullptr;
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
  QWidget* widget = GetOuterWidget();
  if (!widget)
    return FALSE;
  const BOOL wasVisible = widget->isVisible();
  switch (nCmdShow) {
  case SW_HIDE:
    widget->hide();
    break;
  case SW_SHOWMINIMIZED:
  case SW_MINIMIZE:
    widget->showMinimized();
    break;
  case SW_SHOWMAXIMIZED:
    widget->showMaximized();
    break;
  default:
    widget->show();
    break;
  }
  return wasVisible;
}

BOOL CWnd::IsWindowVisible() const { return GetOuterWidget() && GetOuterWidget()->isVisible(); }

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
  QWidget* widget = GetOuterWidget();
  if (!widget)
    return;
  widget->setGeometry(x, y, nWidth, nHeight);
  if (bRepaint)
    widget->update();
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
  MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd*, int x, int y, int cx, int cy, UINT nFlags)
{
  QWidget* widget = GetOuterWidget();
  if (!widget)
    return FALSE;
  if (!(nFlags & SWP_NOMOVE))
    widget->move(x, y);
  if (!(nFlags & SWP_NOSIZE))
    widget->resize(cx, cy);
  if (nFlags & SWP_SHOWWINDOW)
    widget->show();
  if (nFlags & SWP_HIDEWINDOW)
    widget->hide();
  return TRUE;
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
  const QRect r = GetOuterWidget() ? GetOuterWidget()->geometry() : QRect();
  *lpRect = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
  const QRect r = m_widget ? m_widget->rect() : QRect();
  *lpRect = RECT{0, 0, r.width(), r.height()};
}

void CWnd::SetWindowText(LPCTSTR lpszString)
{
  if (m_widget)
    m_widget->setWindowTitle(ToQString(lpszString));
}

void CWnd::GetWindowText(CString& rString) const
{
  rString = m_widget ? FromQString(m_widget->windowTitle()) : CString();
}

int CWnd::GetWindowTextLength() const
{
  CString text;
  GetWindowText(text);
  return text.GetLength();
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
  if (!m_widget)
    return FALSE;
  const BOOL wasDisabled = !m_widget->isEnabled();
  m_widget->setEnabled(bEnable != FALSE);
  return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return m_widget && m_widget->isEnabled(); }

CWnd* CWnd::SetFocus()
{
  CWnd* previous = GetFocus();
  if (m_widget)
    m_widget->setFocus(Qt::OtherFocusReason);
  return previous;
}

CWnd* CWnd::GetFocus() { return FromWidget(QApplication::focusWidget()); }

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString)
{
  if (CWnd* item = GetDlgItem(nID))
    item->SetWindowText(lpszString);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
  rString.Empty();
  if (CWnd* item = GetDlgItem(nID))
    item->GetWindowText(rString);
  return rString.GetLength();
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
  CString text;
  if (bSigned)
    text.Format(L"%d", static_cast<int>(nValue));
  else
    text.Format(L"%u", nValue);
  SetDlgItemText(nID, text);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
  CString text;
  GetDlgItemText(nID, text);
  text.Trim();
  const std::wstring digits = text.str();
  std::size_t used = 0;
  long long value = 0;
  try {
    value = std::stoll(digits, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  const bool ok = used > 0 && (bSigned || value >= 0);
  if (lpTrans)
    *lpTrans = ok;
  return ok ? static_cast<UINT>(value) : 0;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck)
{
  CWnd* item = GetDlgItem(nIDButton);
  auto* button = item ? qobject_cast<QAbstractButton*>(item->GetWidget()) : nullptr;
  if (button && button->isCheckable())
    button->setChecked(nCheck == 1);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
  CWnd* item = GetDlgItem(nIDButton);
  auto* button = item ? qobject_cast<QAbstractButton*>(item->GetWidget()) : nullptr;
  return button && button->isCheckable() && button->isChecked() ? 1 : 0;
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
  m_pFont = pFont;
  if (m_widget && pFont) {
    m_widget->setFont(pFont->GetQFont());
    if (bRedraw)
      m_widget->update();
  }
}

// One capture for the whole layer, kept by the free functions (MouseCapture.h), so that a
// window that loses it hears WM_CAPTURECHANGED whichever way it was taken.
CWnd* CWnd::SetCapture() { return ::SetCapture(this); }

CWnd* CWnd::GetCapture() { return ::GetCapture(); }

BOOL CWnd::ReleaseCapture() { return ::ReleaseCapture(); }

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
  if (!m_widget)
    return;
  const QPoint p = m_widget->mapToGlobal(QPoint(lpPoint->x, lpPoint->y));
  *lpPoint = POINT{p.x(), p.y()};
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
  if (!m_widget)
    return;
  const QPoint p = m_widget->mapFromGlobal(QPoint(lpPoint->x, lpPoint->y));
  *lpPoint = POINT{p.x(), p.y()};
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse)
{
  if (!m_widget)
    return 0;
  auto timer = std::make_unique<QTimer>();
  const HWND self = m_hWnd;
  QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [self, nIDEvent] {
    if (CWnd* wnd = FromHandle(self))
      wnd->SendMessage(WM_TIMER, nIDEvent, 0);
  });
  timer->start(static_cast<int>(nElapse));
  m_timers[nIDEvent] = std::move(timer);
  return nIDEvent;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return m_timers.erase(nIDEvent) ? TRUE : FALSE; }

void CWnd::Invalidate(BOOL) { if (m_widget) m_widget->update(); }

BOOL CWnd::GetUpdateRect(LPRECT lpRect, BOOL) const
{
  const QRect rect = m_rectUpdate.isValid() ? m_rectUpdate : (m_widget ? m_widget->rect() : QRect());
  if (lpRect)
    *lpRect = RECT{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
  return !rect.isEmpty();
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
  if (!lpRect) {
    Invalidate(bErase);
    return;
  }
  if (m_widget)
    m_widget->update(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top);
}

void CWnd::UpdateWindow() { if (m_widget) m_widget->repaint(); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
  return WindowProc(message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
  if (!m_widget)
    return FALSE;
  const HWND self = m_hWnd;
  QMetaObject::invokeMethod(
      m_widget.data(),
      [self, message, wParam, lParam] {
        if (CWnd* wnd = FromHandle(self))
          wnd->SendMessage(message, wParam, lParam);
      },
      Qt::QueuedConnection);
  return TRUE;
}

// A handler may run a modal loop that delivers further events to this window; each event
// keeps its own answer.
bool CWnd::HandleEvent(UINT message, WPARAM wParam, LPARAM lParam)
{
  const bool outer = m_defaultRequested;
  m_defaultRequested = false;
  WindowProc(message, wParam, lParam);
  const bool taken = !m_defaultRequested;
  m_defaultRequested = outer;
  return taken;
}

void CWnd::Default() { m_defaultRequested = true; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  const CPoint point = PointOf(lParam);
  const UINT flags = static_cast<UINT>(wParam);
  switch (message) {
  case WM_PAINT: OnPaint(); return 0;
  case WM_SIZE: OnSize(flags, LOWORD(lParam), HIWORD(lParam)); return 0;
  case WM_SETFOCUS: OnSetFocus(FromHandle(reinterpret_cast<HWND>(wParam))); return 0;
  case WM_KILLFOCUS: OnKillFocus(FromHandle(reinterpret_cast<HWND>(wParam))); return 0;
  case WM_TIMER: OnTimer(wParam); return 0;
  case WM_CLOSE: OnClose(); return 0;
  case WM_DESTROY: OnDestroy(); return 0;
  case WM_LBUTTONDOWN: OnLButtonDown(flags, point); return 0;
  case WM_LBUTTONUP: OnLButtonUp(flags, point); return 0;
  case WM_LBUTTONDBLCLK: OnLButtonDblClk(flags, point); return 0;
  case WM_RBUTTONDOWN: OnRButtonDown(flags, point); return 0;
  case WM_RBUTTONUP: OnRButtonUp(flags, point); return 0;
  case WM_MOUSEMOVE: OnMouseMove(flags, point); return 0;
  case WM_MOUSEWHEEL: return OnMouseWheel(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), point);
  case WM_KEYDOWN: OnKeyDown(flags, 1, static_cast<UINT>(lParam)); return 0;
  case WM_CHAR: OnChar(flags, 1, static_cast<UINT>(lParam)); return 0;
  case WM_COMMAND: return OnCommand(wParam, lParam);
  case WM_NOTIFY: {
    LRESULT result = 0;
    OnNotify(wParam, lParam, &result);
    return result;
  }
  default: Default(); return 0;
  }
}

void CWnd::NotifyParent(UINT nCode)
{
  if (CWnd* parent = GetParent())
    parent->SendMessage(WM_COMMAND, MAKEWPARAM(m_nID, nCode), reinterpret_cast<LPARAM>(m_hWnd));
}

int CWnd::OnCreate() { return 0; }
void CWnd::OnDestroy() {}
void CWnd::OnPaint() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { Default(); return FALSE; }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
BOOL CWnd::OnCommand(WPARAM, LPARAM) { return FALSE; }
BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) { return FALSE; }
