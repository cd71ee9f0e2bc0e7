// The sketch of the skeleton-arrangement form: the rebar columns of the cross section shown
// three times, for the top of the edge piers, the top of the middle piers and the bottom at
// mid-span. Each column is a cell showing its skeleton letter, its separate top or bottom bar
// ("1" or "2") and the strengthening bars of that place ("7", "8" or "9", one cell each). A
// left click adds to the clicked column at that place, a right click takes one away.
#pragma once

#include "CBent_PierInfo.h"
#include "CDC.h"
#include "CStatic.h"
#include "WinGdi.h"

class CBentCapSkeletonSketch : public CStatic {
public:
  CBentCapSkeletonSketch();

  // The form font; not owned.
  LOGFONT* m_pFont = nullptr;
  CBent_PierInfo* m_pDesign = nullptr;
  int m_nTopMargin = 50;
  int m_nCellWidth = 18;
  int m_nCellHeight = 18;
  int m_nTitleGap = 10;
  int m_nTitleHeight = 30;
  COLORREF m_crLine;
  COLORREF m_crTitle;

  // The panel (0 edge-pier top, 1 middle-pier top, 2 mid-span bottom) and the column under the
  // point; FALSE when the point hits no column of a shown panel.
  BOOL HitTestColumn(CPoint point, int& panel, int& column) const;
  // Change the code of the column under the point and repaint; 1 when a code changed.
  int AddAtColumn(CPoint point);
  int RemoveAtColumn(CPoint point);
  // The title over a panel, counting the bending bars of that place.
  CString PanelTitle(int panel) const;

protected:
  void OnPaint() override;

private:
  struct Panel {
    int y0;     // top of the row
    int centre; // x of its middle
    int grow;   // +1 the strengthening cells go downwards, -1 upwards
  };
  struct Counts {
    int strengthened; // S: columns with separate top and bottom bars
    int skeletons;    // K
    int layers[3];    // N0, N1, N2
  };

  int SupportCount() const;
  int CodeCount() const;
  bool IsPanelShown(int panel) const;
  Panel PanelAt(int panel, const CRect& client) const;
  int RowLeft(const Panel& panel) const;
  // The panel's digit of a code, 0 when that place has no strengthening length.
  int LayersAt(int panel, int code) const;
  bool HasLength(int panel) const;
  Counts CountColumns() const;
  void DrawPanel(CDC& dc, int panel, const CRect& client) const;
  void DrawColumn(CDC& dc, int panel, const Panel& p, int j, int xl, char& letter) const;
  void StoreCode(int column, int code);
  static bool IsMiddleColumn(int j, int m);
};
