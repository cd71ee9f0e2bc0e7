// A static splitter on a QSplitter: one row of columns or one column of rows. Its panes are
// windows made with the splitter as parent and the id of their row and column
// (IdFromRowCol); a pane may itself be a splitter. Each pane but the last keeps its ideal size
// (given at creation, or where the user drags its divider) while there is room; the last pane
// takes the rest.
#pragma once

#include "CWnd.h"

class QSplitter;
class QWidget;

class CSplitterWnd : public CWnd {
public:
  using CWnd::Create;
  // FALSE for a grid of more than one row and more than one column.
  BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                    UINT nID = AFX_IDW_PANE_FIRST);
  // Makes pView a pane: creates its window in the splitter with the pane's id and initial size.
  BOOL CreateView(int row, int col, CWnd* pView, SIZE sizeInit);

  int GetRowCount() const { return m_nRows; }
  int GetColumnCount() const { return m_nCols; }
  UINT IdFromRowCol(int row, int col) const;
  CWnd* GetPane(int row, int col) const;
  // The pane's size along the splitter's direction: the width of a column, the height of a row.
  void SetPaneSize(int row, int col, int nIdeal);
  int GetPaneSize(int row, int col) const;
  // Puts the panes in the order of their rows and columns and gives them their sizes.
  void RecalcLayout();

protected:
  int OnCreate() override;
  void OnSize(UINT nType, int cx, int cy) override;

private:
  QSplitter* Splitter() const;
  int IndexOf(int row, int col) const { return row * m_nCols + col; }

  // The ideal sizes applied to the panes in their order.
  void ApplyIdealSizes();
  // The user moved a divider: the panes' sizes become their ideal ones.
  void KeepDraggedSizes();
  // A widget of the splitter that is a live pane's.
  static bool IsPane(const QWidget* widget);

  int m_nRows = 0;
  int m_nCols = 0;
  std::map<int, int> m_ideal;  // by pane index
};
