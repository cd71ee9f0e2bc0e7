// The bar number marks of the skew-section drawing: the shared marks of an elevation-type view,
// with the plate bars' marks placed where the current placement puts the bars, the top-plate
// marks doubled over an L part, and a half view cut at its middle.
#include "CGLGZ_BtDraw.h"

void CGLGZ_BtDraw::DrawBarMarks(int mainFace, int mask)
{
    const CHLGZ_FaceInfo& face = mainFace ? m_pDesign->GetMainFace() : m_pDesign->GetEndFace();
    const CArray<LineInfo, const LineInfo&>& lines = mainFace ? m_lines : m_linesFurther;
    BarMarkStyle style;
    style.plateShift = 0.0;
    style.placement = m_detailTransform;
    style.secondTopFromEndLine = 1;
    style.primedRise = m_pGeometry->dLHeight / m_dScale;
    style.clipFirstStraight = 1;
    const int clip = m_bClipAtMiddle;
    m_bClipAtMiddle = m_bHalfDrawing;
    DrawBarMarks(lines, face, mask, style);
    m_bClipAtMiddle = clip;
}
