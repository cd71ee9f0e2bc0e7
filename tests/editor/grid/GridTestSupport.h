// A form-like owner window that keeps what its grid tells it, and a grid filled as the forms
// fill theirs: fixed header rows and columns, texts "r,c" in every cell.
#pragma once

#include "CGridCtrl.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QCursor>

#include <memory>
#include <vector>

class GridOwner : public CWnd {
public:
  struct Notice {
    UINT code;
    int row;
    int col;
  };
  std::vector<Notice> notices;
  std::vector<UINT> commands;

  size_t Count(UINT code) const
  {
    size_t n = 0;
    for (const Notice& notice : notices)
      n += notice.code == code;
    return n;
  }
  const Notice* Last(UINT code) const
  {
    for (auto it = notices.rbegin(); it != notices.rend(); ++it)
      if (it->code == code)
        return &*it;
    return nullptr;
  }

protected:
  BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override
  {
    const auto* nm = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
    notices.push_back({nm->hdr.code, nm->iRow, nm->iColumn});
    *pResult = 0;
    return TRUE;
  }
  BOOL OnCommand(WPARAM wParam, LPARAM) override
  {
    commands.push_back(LOWORD(wParam));
    return TRUE;
  }
};

class GridTestBase {
protected:
  GridTestBase()
  {
    m_owner.Create(L"Owner", L"表格", WS_VISIBLE, CRect(50, 50, 650, 450), nullptr, 0);
    QApplication::setActiveWindow(m_owner.GetWidget());
  }

  // What the test's windows left queued (posted messages, their going, the activation moving
  // away from them) is over while they still exist, so that nothing reaches the next test.
  ~GridTestBase()
  {
    for (int round = 0; round < 4; ++round)
      QApplication::processEvents();
  }

  // A grid of the given counts in the owner, every cell holding "r,c".
  std::unique_ptr<CGridCtrl> MakeGrid(int rows, int cols, int fixedRows, int fixedCols,
                                      const CRect& rect = CRect(0, 0, 400, 300))
  {
    auto grid = std::make_unique<CGridCtrl>(0, 0, 0, 0);
    grid->Create(rect, &m_owner, 100, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
    grid->SetRowCount(rows);
    grid->SetColumnCount(cols);
    grid->SetFixedRowCount(fixedRows);
    grid->SetFixedColumnCount(fixedCols);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c)
        grid->SetItemText(r, c, Text(r, c));
    return grid;
  }

  static CString Text(int row, int col)
  {
    CString text;
    text.Format(L"%d,%d", row, col);
    return text;
  }

  static QImage Picture(CGridCtrl& grid) { return grid.GetWidget()->grab().toImage(); }

  GridOwner m_owner;
};

// Input as the user gives it: Qt events sent to the grid's window.
inline void SendMouse(CWnd& wnd, QEvent::Type type, CPoint point, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                      Qt::MouseButtons held = Qt::NoButton)
{
  const QPointF local(point.x, point.y);
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : (held | button);
  QMouseEvent event(type, local, wnd.GetWidget()->mapToGlobal(local), button, buttons, modifiers);
  QApplication::sendEvent(wnd.GetWidget(), &event);
}

inline void Click(CWnd& wnd, CPoint point, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
  SendMouse(wnd, QEvent::MouseButtonPress, point, modifiers);
  SendMouse(wnd, QEvent::MouseButtonRelease, point, modifiers);
}

inline void SendKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    const QString& text = QString())
{
  QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(widget, &event);
}

inline void SendKey(CWnd& wnd, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    const QString& text = QString())
{
  SendKey(wnd.GetWidget(), key, modifiers, text);
}

// The centre of a cell in the grid's client area.
inline CPoint CentreOf(const CGridCtrl& grid, int row, int col)
{
  CRect rect;
  grid.GetCellRect(row, col, &rect);
  return rect.CenterPoint();
}
