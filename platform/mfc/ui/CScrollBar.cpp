#include "CScrollBar.h"

#include <QAbstractSlider>
#include <QScrollBar>

#include <algorithm>

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
  auto* bar = new QScrollBar((dwStyle & SBS_VERT) ? Qt::Vertical : Qt::Horizontal);
  bar->setFocusPolicy(Qt::NoFocus);
  bar->setTracking(true);
  const HWND self = m_hWnd;
  QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [self](int action) {
    if (auto* wnd = static_cast<CScrollBar*>(CWnd::FromHandle(self)))
      wnd->OnAction(action);
  });
  if (!AttachWidget(bar, pParentWnd, nID, dwStyle, rect))
    return FALSE;
  ApplyRange();
  return TRUE;
}

QScrollBar* CScrollBar::Bar() const { return static_cast<QScrollBar*>(GetWidget()); }

void CScrollBar::ApplyRange()
{
  if (QScrollBar* bar = Bar()) {
    const QSignalBlocker quiet(bar);
    bar->setRange(m_nMin, GetScrollLimit());
    bar->setPageStep(static_cast<int>(m_nPage));
  }
}

int CScrollBar::GetScrollLimit() const
{
  const int limit = m_nPage > 0 ? m_nMax - static_cast<int>(m_nPage) + 1 : m_nMax;
  return std::max(m_nMin, limit);
}

int CScrollBar::SetScrollPos(int nPos, BOOL)
{
  const int previous = GetScrollPos();
  if (QScrollBar* bar = Bar()) {
    const QSignalBlocker quiet(bar);
    bar->setValue(std::clamp(nPos, m_nMin, GetScrollLimit()));
  }
  return previous;
}

int CScrollBar::GetScrollPos() const { return Bar() ? Bar()->value() : 0; }

void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL)
{
  m_nMin = nMinPos;
  m_nMax = std::max(nMinPos, nMaxPos);
  ApplyRange();
}

void CScrollBar::GetScrollRange(int* lpMinPos, int* lpMaxPos) const
{
  *lpMinPos = m_nMin;
  *lpMaxPos = m_nMax;
}

void CScrollBar::SetPageSize(UINT nPage, BOOL)
{
  m_nPage = nPage;
  ApplyRange();
}

// Qt moves the slider itself; here the parent decides, so the slider goes back to the position
// it had and the request is passed on.
void CScrollBar::OnAction(int action)
{
  QScrollBar* bar = Bar();
  UINT code = SB_ENDSCROLL;
  switch (action) {
  case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
  case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
  case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
  case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
  case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
  case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
  case QAbstractSlider::SliderMove: code = SB_THUMBTRACK; break;
  default: return;
  }
  m_nTrackPos = bar->sliderPosition();
  bar->setSliderPosition(bar->value());
  Request(code);
}

void CScrollBar::Request(UINT nSBCode)
{
  CWnd* parent = GetParent();
  if (!parent)
    return;
  const UINT message = (GetStyle() & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
  parent->SendMessage(message, MAKEWPARAM(nSBCode, nSBCode == SB_THUMBTRACK ? m_nTrackPos : GetScrollPos()),
                      reinterpret_cast<LPARAM>(m_hWnd));
}
