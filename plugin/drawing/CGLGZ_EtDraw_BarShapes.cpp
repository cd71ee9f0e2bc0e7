// The longitudinal bars of the normal-section drawing shaped in the elevation, with the bar
// ends finished against the bottom-plate bar by this drawing's own rule.
#include "CGLGZ_CapDraw_BarShapeWork.h"
#include "CGLGZ_EtDraw.h"
#include "RebarRules.h"

int CGLGZ_EtDraw::BuildBarShapes()
{
    if (m_pDesign == nullptr || !ShapeFaceBars(m_pDesign->GetMainFace(), 1))
        return 0;
    // 11. The bars met by the section cuts.
    BuildSectionBarLayers();
    return 1;
}

int CGLGZ_EtDraw::ShapeFaceBars(CHLGZ_FaceInfo& face, int correctOuterBar)
{
    if (m_pDesign == nullptr)
        return 0;
    // 0. What the shapes are built from: the section view's outline and the lengths.
    BarShapeWork work;
    work.lines = &m_lines;
    work.crown = m_ptOutlineOrigin;
    work.shapeEnd = [this](const BarEndRequest& request, int atEnd) {
        return atEnd ? ShapeBarEndOpposite(request) : ShapeBarEnd(request);
    };
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    const double outer = GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType());
    if (!PrepareBarShapeWork(work, face, outer, GetWeldLength()))
        return 0;
    // 1. - 6. Plate bars and straight bars.
    ShapePlateAndStraightBars(work);
    // 7. The bent-up bars in their order.
    SortBentUpBars(face);
    // 8. The outermost upper bent-up bar to the planned skeleton's ends.
    if (correctOuterBar)
        CorrectOuterUpperBar(face);
    // 9. - 10. The bent-up bars.
    ShapeBentUpBars(work);
    return 1;
}

int CGLGZ_EtDraw::ShapeBarEnd(const BarEndRequest& request) { return ShapeBarEndWith(request, 0, 0.0); }

int CGLGZ_EtDraw::ShapeBarEndOpposite(const BarEndRequest& request) { return ShapeBarEndWith(request, 1, 0.0); }

// The planned middle skeleton's extents are what the bar is measured against; before the
// skeletons are planned there are none, and the design's distances stand.
void CGLGZ_EtDraw::CorrectOuterUpperBar(CHLGZ_FaceInfo& face)
{
    const AcGeDoubleArray& spacings = m_pDesign->GetSupportDistances();
    CArray<CHLGZ_LUTSteel, const CHLGZ_LUTSteel&>& bars = face.GetLUTSteels();
    if (!m_pDesign->GetMoreInfo().GetOuterUpperFixed() || bars.IsEmpty() || spacings.isEmpty() || m_nSkeleton < 0)
        return;
    const double first = spacings.first();
    const CBent_BasicGeometry& g = *m_pGeometry;
    const double last = spacings.length() > 1 ? spacings.last() : g.dLength - g.dLeftWidth - g.dRightWidth - first;
    for (INT_PTR i = 0; i < bars.GetSize(); ++i) {
        CHLGZ_LUTSteel& bar = bars[i];
        if (bar.GetPoints().isEmpty() || bar.GetPointX(0) >= BarShapeWork::kNoBranch
            || bar.GetPointY(-1) >= BarShapeWork::kNoBranch)
            continue;
        bar.SetPointX(0, bar.GetPointX(0) + first - m_ptMiddleExtents.x);
        bar.SetPointY(-1, bar.GetPointY(-1) + last - m_ptMiddleExtents.y);
        return;
    }
}
