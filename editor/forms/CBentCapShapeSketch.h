// The sketch of the general-construction form: the cap's elevation with its columns and its plan,
// dimensioned with the letters of the form's fields, or with the design's values when the
// geometry is given. The dimension of the field that has the focus is drawn in the highlight
// colour.
#pragma once

#include "CBentCapElevationSketch.h"
#include "CBent_BasicGeometry.h"
#include "CString.h"

class CBentCapShapeSketch : public CBentCapElevationSketch {
public:
  CBentCapShapeSketch();

  // Design values of the dimension texts; null shows the letters.
  CBent_BasicGeometry* m_pGeometry = nullptr;
  int m_nPlanWidth = 100;
  COLORREF m_crHighlight;
  // Letter of the form field that has the input focus ("L", "W", "H", "D", "H1", ...).
  CString m_strFocusedLetter;

  // The text a dimension letter shows.
  CString FormatLabel(const CString& letter) const;

protected:
  void OnPaint() override;

private:
  struct Dimension {
    CPoint from;
    CPoint to;
    CString letter;
    int side;
  };
  Plan LayoutPlan(const CRect& client) const;
  // The dimensions in drawing order; the vertical ones, drawn with the upright font, come last.
  CArray<Dimension, const Dimension&> CollectDimensions(const Frame& frame, const Plan& plan, int& firstVertical) const;
  void DrawDimensions(CDC& dc, const Frame& frame, const Plan& plan, CFont* normal, CFont* upright) const;
  void DrawAngleMarks(CDC& dc, const Frame& frame, const Plan& plan) const;
  COLORREF ColourOf(const CString& letter) const;
};
