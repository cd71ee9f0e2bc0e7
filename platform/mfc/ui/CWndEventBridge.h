// Turns the Qt events of one window's widget into that window's messages.
#pragma once

#include <QObject>

class CWnd;

class CWndEventBridge : public QObject {
public:
  explicit CWndEventBridge(CWnd* owner);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  bool MouseMessage(QEvent* event);
  bool KeyMessages(QEvent* event);

  CWnd* m_owner;
};
