#include "CFormScrollArea.h"

#include <QChildEvent>
#include <QTimer>

namespace {

// The room left right of and below the lowest, rightmost control.
const int kFormMargin = 8;

} // namespace

CFormScrollArea::CFormScrollArea()
{
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
}

void CFormScrollArea::Hold(QWidget* form)
{
  form->installEventFilter(this);
  setWidget(form);
  form->show();
  Fit();
}

void CFormScrollArea::SetScrollSize(const QSize& size)
{
  m_scrollSize = size;
  Fit();
}

bool CFormScrollArea::eventFilter(QObject* watched, QEvent* event)
{
  QWidget* form = widget();
  if (form && watched == form && event->type() == QEvent::ChildAdded) {
    if (auto* control = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
      control->installEventFilter(this);
    FitLater();
  } else if (form && watched != form && watched->parent() == form) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
      FitLater();
      break;
    default:
      break;
    }
  }
  return QScrollArea::eventFilter(watched, event);
}

void CFormScrollArea::FitLater()
{
  if (m_fitPending)
    return;
  m_fitPending = true;
  QTimer::singleShot(0, this, [this] {
    m_fitPending = false;
    Fit();
  });
}

void CFormScrollArea::Fit()
{
  QWidget* form = widget();
  if (!form)
    return;
  QSize size = m_scrollSize;
  if (size.isEmpty()) {
    QRect extent;
    for (QObject* child : form->children())
      if (auto* control = qobject_cast<QWidget*>(child); control && !control->isWindow() && !control->isHidden())
        extent |= control->geometry();
    size = QSize(extent.right() + 1 + kFormMargin, extent.bottom() + 1 + kFormMargin);
  }
  form->setMinimumSize(size.expandedTo(QSize(0, 0)));
}
