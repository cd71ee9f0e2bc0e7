// The longitudinal bars of the skew-section drawing shaped in the elevation: the shared
// families with this drawing's outer diameters, its wider straight ends, the turned-back ends
// of an abutment cap and the L part's top line; and the cut lengths reduced by the bends.
#include "CGLGZ_BtDraw.h"
#include "DrawingConstants.h"
#include "CGLGZ_CapDraw_BarShapeWork.h"
#include "MavUtils.h"
#include "RebarRules.h"

#include <cmath>

namespace {

// How far past its corners an abutment cap's plate-bar bottom counts as a level for the
// bent-up bars, drawing units.
constexpr double kAbutmentBottomReach = 100.0;

} // namespace

int CGLGZ_BtDraw::BuildBarShapes()
{
    if (m_pDesign == nullptr)
        return 0;
    CHLGZ_FaceInfo& face = m_pDesign->GetMainFace();
    BarShapeWork work;
    work.lines = &m_lines;
    work.crown = m_ptOutlineOrigin;
    work.shapeEnd = [this](const BarEndRequest& request, int atEnd) {
        return atEnd ? ShapeBarEndOpposite(request) : ShapeBarEnd(request);
    };
    const double outer = GetBarOuterDiameter(m_pDesign->GetMoreInfo().GetSkeletonDiameter());
    if (!PrepareBarShapeWork(work, face, outer, GetWeldLength()))
        return 0;
    // 1. - 6. Plate bars and straight bars, the L part's top line after them.
    ShapePlateAndStraightBars(work);
    DrawLPartTopLine(work);
    // An abutment cap's plate-bar bottom reaches on past its corners for the bent-up bars.
    if (m_bAbutment && !work.bottomLefts.isEmpty() && !work.bottomRights.isEmpty()) {
        work.bottomLefts[0].x -= kAbutmentBottomReach;
        work.bottomRights[0].x += kAbutmentBottomReach;
    }
    // 7. and 9. - 10. The bent-up bars in their order; the outermost upper bar keeps its
    // design distances.
    SortBentUpBars(face);
    ShapeBentUpBars(work);
    // 11. The bars met by the section cuts.
    BuildSectionBarLayers();
    return 1;
}

// The top of the L part, level with the top-plate bar and the L height above it.
void CGLGZ_BtDraw::DrawLPartTopLine(const BarShapeWork& work)
{
    const double lh = m_pGeometry->dLHeight / m_dScale;
    const AcGePoint3dArray& plate = work.face->GetLTLSteel().GetFirstPoints();
    if (lh == 0.0 || plate.length() < 2)
        return;
    const double t = m_pDesign->GetMoreInfo().GetSkeletonDiameter() / m_dScale;
    const AcGePoint3d from(plate[1].x - t, plate[1].y + lh, 0.0);
    const AcGePoint3d to(work.crown.x, work.crown.y - work.topCover + lh, 0.0);
    MavUtils::selectLayer(L"04-钢筋");
    AcDbObjectId id;
    m_entityLib.createLine(from, to, id);
}

int CGLGZ_BtDraw::ShapeBarEnd(const BarEndRequest& request)
{
    return ShapeBarEndWith(request, 0, 2.0 * request.weld / 3.0, m_bAbutment);
}

int CGLGZ_BtDraw::ShapeBarEndOpposite(const BarEndRequest& request)
{
    return ShapeBarEndWith(request, 1, 2.0 * request.weld / 3.0, m_bAbutment);
}

// The bends of a point list: its inner vertices without a radius (a rounded vertex is part of
// one bend with its neighbour), less an end segment too short to be welded.
int CGLGZ_BtDraw::CountBends(const AcGePoint3dArray& points, const AcGeDoubleArray& radii, int testEnds) const
{
    const int n = points.length();
    int bends = n - 2;
    for (int i = 1; i + 1 < n; ++i)
        if (i < radii.length() && radii[i] != 0.0)
            --bends;
    if (testEnds && n >= 2) {
        const double shortest = GetWeldLength() / m_dScale - 0.0001;
        if (points[0].distanceTo(points[1]) < shortest)
            --bends;
        if (points[n - 2].distanceTo(points[n - 1]) < shortest)
            --bends;
    }
    return bends;
}

void CGLGZ_BtDraw::DeductBendAllowances(CHLGZ_BASSteel& bar, int bends)
{
    if (bends == 0)
        return;
    // 1. A right-angle allowance for the plate bars that turn square; the bent-up one otherwise.
    double first = m_dBendAllowance;
    if (bar.GetKind() == 0 || (m_bAbutment && bar.GetKind() == 1)) {
        const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
        first = std::trunc(GetBendAllowance(more.GetSkeletonDiameter(), more.GetSkeletonBarType(), kQuarterTurn));
    }
    // 2. The first length list.
    AcGeDoubleArray& firstLengths = bar.GetFirstLengths();
    if (!firstLengths.isEmpty()) {
        const int e = bends == -1 ? CountBends(bar.GetFirstPoints(), bar.GetFirstRadii(), 1) : bends;
        for (int i = 0; i < firstLengths.length(); ++i)
            firstLengths[i] -= e * first / 1000.0;
    }
    // 3. The second length list, always with the bent-up allowance.
    AcGeDoubleArray& secondLengths = bar.GetSecondLengths();
    if (!secondLengths.isEmpty()) {
        const int e = bends == -1 ? CountBends(bar.GetSecondPoints(), bar.GetSecondRadii(), 0) : bends;
        for (int i = 0; i < secondLengths.length(); ++i)
            secondLengths[i] -= e * m_dBendAllowance / 1000.0;
    }
}
