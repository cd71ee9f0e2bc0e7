#include "CSplitterWnd.h"

#include <QSplitter>

#include <algorithm>

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
  if (nRows < 1 || nCols < 1 || (nRows > 1 && nCols > 1))
    return FALSE;
  m_nRows = nRows;
  m_nCols = nCols;
  auto* splitter = new QSplitter(nRows > 1 ? Qt::Vertical : Qt::Horizontal);
  splitter->setChildrenCollapsible(false);
  return AttachWidget(splitter, pParentWnd, nID, dwStyle, CRect(0, 0, 400, 300));
}

QSplitter* CSplitterWnd::Splitter() const { return qobject_cast<QSplitter*>(GetWidget()); }

UINT CSplitterWnd::IdFromRowCol(int row, int col) const
{
  return static_cast<UINT>(AFX_IDW_PANE_FIRST + row * 16 + col);
}

BOOL CSplitterWnd::CreateView(int row, int col, CWnd* pView, SIZE sizeInit)
{
  if (!pView || row < 0 || col < 0 || row >= m_nRows || col >= m_nCols)
    return FALSE;
  if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, sizeInit.cx, sizeInit.cy), this,
                     IdFromRowCol(row, col)))
    return FALSE;
  RecalcLayout();
  SetPaneSize(row, col, m_nRows > 1 ? sizeInit.cy : sizeInit.cx);
  return TRUE;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
  QSplitter* splitter = Splitter();
  if (!splitter)
    return nullptr;
  for (int i = 0; i < splitter->count(); ++i) {
    CWnd* pane = CWnd::FromOuterWidget(splitter->widget(i));
    if (pane && pane->GetDlgCtrlID() == IdFromRowCol(row, col))
      return pane;
  }
  return nullptr;
}

void CSplitterWnd::RecalcLayout()
{
  QSplitter* splitter = Splitter();
  if (!splitter)
    return;
  int place = 0;
  for (int row = 0; row < m_nRows; ++row)
    for (int col = 0; col < m_nCols; ++col)
      if (CWnd* pane = GetPane(row, col))
        splitter->insertWidget(place++, pane->GetOuterWidget());
  // Panes keep their sizes as the splitter grows; the last pane takes the room gained.
  for (int i = 0; i < splitter->count(); ++i)
    splitter->setStretchFactor(i, i + 1 == splitter->count() ? 1 : 0);
  ApplyIdealSizes();
}

void CSplitterWnd::SetPaneSize(int row, int col, int nIdeal)
{
  if (row < 0 || col < 0 || row >= m_nRows || col >= m_nCols)
    return;
  m_ideal[IndexOf(row, col)] = nIdeal;
  ApplyIdealSizes();
}

int CSplitterWnd::OnCreate()
{
  QSplitter* splitter = Splitter();
  const HWND self = m_hWnd;
  QObject::connect(splitter, &QSplitter::splitterMoved, splitter, [self] {
    if (auto* wnd = static_cast<CSplitterWnd*>(CWnd::FromHandle(self)))
      wnd->KeepDraggedSizes();
  });
  return 0;
}

void CSplitterWnd::OnSize(UINT, int, int) { ApplyIdealSizes(); }

// A pane whose window is being destroyed stays in the splitter, hidden, until its widget goes at
// the next turn of the event loop: it takes no room, no divider and no place in the order.
void CSplitterWnd::ApplyIdealSizes()
{
  QSplitter* splitter = Splitter();
  if (!splitter || splitter->count() == 0)
    return;
  int panes = 0;
  for (int i = 0; i < splitter->count(); ++i)
    panes += IsPane(splitter->widget(i)) ? 1 : 0;
  if (panes == 0)
    return;
  const bool vertical = splitter->orientation() == Qt::Vertical;
  int room = (vertical ? splitter->height() : splitter->width()) - (panes - 1) * splitter->handleWidth();
  QList<int> sizes;
  int pane = 0;
  for (int i = 0; i < splitter->count(); ++i) {
    if (!IsPane(splitter->widget(i))) {
      sizes.append(0);
    } else if (++pane == panes) {
      sizes.append(std::max(room, 0));
    } else {
      const int ideal = m_ideal.count(pane - 1) ? m_ideal[pane - 1] : splitter->sizes().value(i);
      sizes.append(std::clamp(ideal, 0, std::max(room, 0)));
      room -= sizes.back();
    }
  }
  splitter->setSizes(sizes);
}

void CSplitterWnd::KeepDraggedSizes()
{
  QSplitter* splitter = Splitter();
  const QList<int> sizes = splitter->sizes();
  int pane = 0;
  for (int i = 0; i < sizes.size(); ++i)
    if (IsPane(splitter->widget(i)))
      m_ideal[pane++] = sizes[i];
  m_ideal.erase(pane - 1);
}

bool CSplitterWnd::IsPane(const QWidget* widget) { return CWnd::FromOuterWidget(widget) != nullptr; }

int CSplitterWnd::GetPaneSize(int row, int col) const
{
  QSplitter* splitter = Splitter();
  CWnd* pane = GetPane(row, col);
  if (!splitter || !pane)
    return 0;
  const int index = splitter->indexOf(pane->GetOuterWidget());
  return index < 0 ? 0 : splitter->sizes().value(index);
}
