// The section sketch of the section-stirrup form: the cross section as a rectangle with one bar
// position per rebar column, numbered above, and every stirrup of the main face as a rectangle
// (closed) or a single leg (open) over its start and end columns. The selected stirrup is drawn
// green with its end column numbers; a click on a stirrup's leg picks that stirrup.
#pragma once

#include "CBent_PierInfo.h"
#include "CDC.h"
#include "CStatic.h"
#include "WinGdi.h"

class CBentCapStirrupSketch : public CStatic {
public:
  // Slots of the hit table; a slot with index -1 ends it, so at most 19 stirrups can be picked.
  enum { kHitSlots = 20 };
  struct HitSlot {
    int index;
    int left;
    int right;
  };

  CBentCapStirrupSketch();

  // Index into the main face's stirrups; -1 none.
  int m_nSelected = -1;
  CBent_PierInfo* m_pDesign = nullptr;
  // Filled by each paint.
  HitSlot m_hitTable[kHitSlots];
  int m_nTop = 50;
  int m_nHeight = 200;
  int m_nPitch = 20;
  int m_nBarRadius = 4;
  COLORREF m_crOutline;
  COLORREF m_crBar;
  COLORREF m_crSelection;
  COLORREF m_crSpare;
  // The form font; not owned.
  LOGFONT* m_pFont = nullptr;

  // The stirrup whose leg lies within 4 pixels of the point; 1 when one other than the selected
  // stirrup was hit, else 0.
  int HitTestStirrup(CPoint point, int& index) const;
  void ShowDragCursor();

protected:
  void OnPaint() override;

private:
  int ColumnX(int k, int xl) const { return xl + k * m_nPitch; }
  static CString ColumnNumber(int k);
  void DrawColumnNumbers(CDC& dc, int n, int xl) const;
  void DrawBars(CDC& dc, int n, int xl) const;
  // Draws one stirrup and records it in the table; false when it has no end to draw.
  bool DrawStirrup(CDC& dc, const CBent_PAFSteel& stirrup, int index, int xl, int& slot);
  void DrawSelectionMarks(CDC& dc, const CBent_PAFSteel& stirrup, int xl) const;
};
