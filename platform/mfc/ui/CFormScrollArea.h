// The scroll area around a form's window: the form's widget fills the visible part and grows to
// the form's size, so that a form larger than its pane scrolls. The form's size is the one set
// (SetScrollSize), else the extent of its controls, followed as they are made, moved and sized.
#pragma once

#include <QScrollArea>

class CFormScrollArea : public QScrollArea {
public:
  CFormScrollArea();
  // The form's widget goes inside.
  void Hold(QWidget* form);

  // An empty size leaves the size to the controls.
  void SetScrollSize(const QSize& size);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Once per turn of the event loop, however many controls change.
  void FitLater();
  void Fit();

  QSize m_scrollSize;
  bool m_fitPending = false;
};
