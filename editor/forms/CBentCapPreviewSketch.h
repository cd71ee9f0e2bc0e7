// The open-file dialog's preview of the design file under the cursor: a small elevation and plan
// with the length, the middle height, the width, one end angle and the counts of bar and
// skeleton columns. Nothing but the black ground while the column count is 0.
#pragma once

#include "CBentCapElevationSketch.h"

class CBentCapPreviewSketch : public CBentCapElevationSketch {
public:
  CBentCapPreviewSketch();

  int m_nPlanWidth = 53;
  double m_dLength = 1340.0;
  double m_dMiddleHeight = 120.0;
  double m_dWidth = 160.0;
  double m_dAngle = 45.0;
  int m_nBarColumnCount = 0;
  int m_nSkeletonColumnCount = 0;

protected:
  void OnPaint() override;

private:
  void DrawTexts(CDC& dc, const CRect& client, const Frame& f, const Plan& p) const;
};
