// The sketch of the pier form: the axis of one support and, either side of it, the bend points
// of the upper bent-up bars that belong to it (those of the whole elevation and the support's
// own), with the spacing between neighbouring bend points as texts. Not to scale in height; the
// wider side fills half the control. A double click on a spacing text asks for a new spacing,
// and every bar farther out on that side moves with it.
#pragma once

#include "CArray.h"
#include "CBent_PierInfo.h"
#include "CDC.h"
#include "CStatic.h"
#include "WinGdi.h"

class CBentCapPierSketch : public CStatic {
public:
  CBentCapPierSketch();

  int m_nAbutment = 0;
  CBent_PierInfo* m_pDesign = nullptr;
  // N, 1-based.
  int m_nPier = 0;
  COLORREF m_crText;
  COLORREF m_crBar;
  COLORREF m_crAxis;
  // Index among the whole elevation's upper bent-up bars of the one fixed at the cap's end.
  int m_nOutermostBar = -1;
  // That bar's left and right values at the first and the last support, less 80000.
  double m_dOutermostLeft = 0.0;
  double m_dOutermostRight = 0.0;
  // Increments from the axis outwards.
  CArray<double, const double&> m_aLeftSpacings;
  CArray<double, const double&> m_aRightSpacings;
  // Middle of each spacing's dimension, for hit-testing.
  CArray<CPoint, const CPoint&> m_aLeftTextPoints;
  CArray<CPoint, const CPoint&> m_aRightTextPoints;
  int m_nSelectedSpacing = -1;
  // 1 left, 0 right.
  int m_nSelectedSide = 1;
  // The form font; not owned.
  LOGFONT* m_pFont = nullptr;

  void RebuildSpacingLists();
  // Edits the spacing whose text lies under the point; 1 when a value was changed.
  int EditSpacingAt(CPoint point);

protected:
  void OnPaint() override;

private:
  int SupportCount() const;
  // No abutment, bend-down mode 0, outermost bar fixed at the end, first or last pier.
  bool LooksForOutermostBar() const;
  bool HasLeftExtra() const { return m_nOutermostBar >= 0 && m_nPier == 1; }
  bool HasRightExtra() const { return m_nOutermostBar >= 0 && m_nPier == SupportCount(); }
  // The spacings of one side with the repeated last one of the outermost fixed bar.
  static double SideSum(const CArray<double, const double&>& spacings, bool extra);
  void DrawSide(CDC& dc, const CRect& client, bool left, double scale, bool record);
  // Moves every bend point of the side beyond distance p by d.
  void ShiftBendPoints(bool left, double p, double d);
  void SetOutermostValue(bool left, double value);
  void Repaint();
};
