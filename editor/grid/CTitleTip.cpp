#include "CTitleTip.h"

#include "CDC.h"
#include "CFont.h"
#include "MouseCapture.h"
#include "QtText.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace {

QPoint ToScreen(const CWnd* wnd, const POINT& p)
{
  return wnd->GetWidget()->mapToGlobal(QPoint(p.x, p.y));
}

LPARAM PointParam(const QPoint& p)
{
  return MAKELPARAM(static_cast<WORD>(static_cast<short>(p.x())), static_cast<WORD>(static_cast<short>(p.y())));
}

QPoint PointOf(LPARAM lParam)
{
  return QPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

} // namespace

CTitleTip::CTitleTip() : m_pParentWnd(nullptr), m_logFont{} {}

CTitleTip::~CTitleTip()
{
  if (GetCapture() == this)
    ReleaseCapture();
}

BOOL CTitleTip::Create(CWnd* pParentWnd)
{
  m_pParentWnd = pParentWnd;
  auto* widget = new QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
  widget->setObjectName(QStringLiteral("CorbelTitleTip"));
  widget->setAttribute(Qt::WA_ShowWithoutActivating);
  widget->setFocusPolicy(Qt::NoFocus);
  widget->setMouseTracking(true);
  widget->setAutoFillBackground(true);
  widget->setBackgroundRole(QPalette::ToolTipBase);
  return AttachWidget(widget, nullptr, 0, WS_POPUP | WS_BORDER, CRect(0, 0, 0, 0));
}

void CTitleTip::Show(CRect rectTitle, LPCTSTR lpszTitleText, int xoffset, LPRECT lpHoverRect,
                     const LOGFONT* lpLogFont)
{
  if (rectTitle.IsRectEmpty() || !GetSafeHwnd() || !m_pParentWnd || !m_pParentWnd->GetWidget())
    return;
  // The hover rectangle, in screen coordinates.
  const CRect hover = lpHoverRect ? CRect(*lpHoverRect) : rectTitle;
  const QPoint hoverTopLeft = ToScreen(m_pParentWnd, hover.TopLeft());
  m_rectHover = CRect(hoverTopLeft.x(), hoverTopLeft.y(), hoverTopLeft.x() + hover.Width(),
                      hoverTopLeft.y() + hover.Height());
  if (IsWindowVisible() || !QApplication::focusWidget())
    return;
  m_rectTitle = CRect(-xoffset - 1, -1, rectTitle.Width() - xoffset, rectTitle.Height() + 1);

  // Measure the text in the given font, else the parent's.
  m_strShown = CString(L" ") + lpszTitleText + L" ";
  LOGFONT logFont{};
  bool haveFont = false;
  if (lpLogFont) {
    logFont = *lpLogFont;
    haveFont = true;
  } else if (auto* parentFont = reinterpret_cast<CFont*>(m_pParentWnd->SendMessage(WM_GETFONT))) {
    haveFont = parentFont->GetLogFont(&logFont) != 0;
  }
  CFont font;
  if (haveFont)
    font.CreateFontIndirect(&logFont);
  font.GetLogFont(&m_logFont);
  CDC measure;
  measure.SelectObject(font.IsCreated() ? &font : nullptr);
  const CSize size = measure.GetTextExtent(m_strShown);
  const int overhang = 0;

  // Shown only when the text does not fit.
  const QPoint topLeft = ToScreen(m_pParentWnd, rectTitle.TopLeft());
  const int neededRight = topLeft.x() + 2 * xoffset + size.cx + overhang;
  const int availableRight = topLeft.x() + rectTitle.Width() - xoffset;
  if (neededRight <= availableRight)
    return;
  SetWindowPos(nullptr, topLeft.x() + xoffset, topLeft.y(), size.cx + overhang + xoffset, rectTitle.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  GetWidget()->raise();
  GetWidget()->update();
  SetCapture();
}

void CTitleTip::Hide()
{
  if (!GetSafeHwnd())
    return;
  if (GetCapture() == this)
    ReleaseCapture();
  ShowWindow(SW_HIDE);
}

void CTitleTip::OnPaint()
{
  CDC dc(GetWidget());
  CFont font;
  font.CreateFontIndirect(&m_logFont);
  dc.SelectObject(&font);
  dc.SetBkMode(TRANSPARENT);
  dc.TextOut(0, 0, m_strShown);
}

CWnd* CTitleTip::WindowUnder(const QPoint& screen) const
{
  CWnd* wnd = CWnd::FromWidget(QApplication::widgetAt(screen));
  return (!wnd || wnd == this) ? m_pParentWnd : wnd;
}

void CTitleTip::OnMouseMove(UINT nFlags, CPoint point)
{
  const QPoint screen = ToScreen(this, point);
  if (m_rectHover.PtInRect(POINT{screen.x(), screen.y()}))
    return;
  Hide();
  // The move goes on to the window underneath.
  CWnd* wnd = WindowUnder(screen);
  if (!wnd || !wnd->GetWidget())
    return;
  const QPoint client = wnd->GetWidget()->mapFromGlobal(screen);
  if (wnd->GetWidget()->rect().contains(client))
    wnd->PostMessage(WM_MOUSEMOVE, nFlags, PointParam(client));
  else
    wnd->PostMessage(WM_NCMOUSEMOVE, HTNOWHERE, PointParam(screen));
}

BOOL CTitleTip::PreTranslateMessage(MSG* pMsg)
{
  switch (pMsg->message) {
  case WM_KEYDOWN:
  case WM_SYSKEYDOWN:
    Hide();
    if (m_pParentWnd)
      m_pParentWnd->PostMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
    return TRUE;
  case WM_LBUTTONDOWN:
  case WM_RBUTTONDOWN:
  case WM_MBUTTONDOWN: {
    // The click goes to the window under the point, in its client area as a client click.
    const QPoint screen = ToScreen(this, POINT{PointOf(pMsg->lParam).x(), PointOf(pMsg->lParam).y()});
    CWnd* wnd = WindowUnder(screen);
    Hide();
    if (!wnd || !wnd->GetWidget())
      return TRUE;
    const QPoint client = wnd->GetWidget()->mapFromGlobal(screen);
    if (wnd->GetWidget()->rect().contains(client)) {
      wnd->PostMessage(pMsg->message, pMsg->wParam, PointParam(client));
    } else {
      const UINT nc = pMsg->message == WM_LBUTTONDOWN   ? WM_NCLBUTTONDOWN
                      : pMsg->message == WM_RBUTTONDOWN ? WM_NCRBUTTONDOWN
                                                        : WM_NCMBUTTONDOWN;
      wnd->PostMessage(nc, HTNOWHERE, PointParam(screen));
    }
    return TRUE;
  }
  default:
    if (QApplication::focusWidget())
      return FALSE;
    Hide();
    return TRUE;
  }
}

LRESULT CTitleTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  // Input reaches the tip through its pre-translation, as queued messages do.
  switch (message) {
  case WM_KEYDOWN:
  case WM_LBUTTONDOWN:
  case WM_RBUTTONDOWN:
  case WM_MOUSEMOVE: {
    MSG msg{m_hWnd, message, wParam, lParam, 0, POINT{0, 0}};
    if (PreTranslateMessage(&msg))
      return 0;
    break;
  }
  default:
    break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
