// Space polylines: degree-1 splines built by the B-spline operations shared with the other
// dimension; only the offset is the dimension's own.
#include "AcGePolyline3d.h"

#include "AcGeCurve2d.h"
#include "GeNurbsT.h"
#include "GePlanar.h"

#include <memory>

AcGePolyline3d::AcGePolyline3d(const AcGePoint3dArray& points)
{
    mSpline = GeNurbs::polyline(GeNurbs::polylineParams(points.length()), points);
}

AcGePolyline3d::AcGePolyline3d(const AcGeKnotVector& knots, const AcGePoint3dArray& points)
{
    mSpline = GeNurbs::polyline(GeNurbs::polylineParams(points.length(), &knots), points);
}

AcGePolyline3d::AcGePolyline3d(const AcGeCurve3d& crv, double apprEps)
{
    AcGeInterval range;
    crv.getInterval(range);
    AcGePoint3dArray points;
    AcGeDoubleArray params;
    crv.getSamplePoints(range.lowerBound(), range.upperBound(), apprEps, points, params);
    mSpline = GeNurbs::polyline(std::vector<double>(params.begin(), params.end()), points);
}

AcGePolyline3d& AcGePolyline3d::setFitPointAt(int idx, const AcGePoint3d& point)
{
    mSpline.points.at(static_cast<std::size_t>(idx)) = GeNurbs::toHom(point, 1.0);
    return *this;
}

void AcGePolyline3d::getTrimmedOffset(double distance, const AcGeVector3d& planeNormal,
                                      AcGeVoidPointerArray& offsetCurveList, AcGe::OffsetCrvExtType extensionType,
                                      const AcGeTol& tol) const
{
    // Offset as a plane polyline in a plane through the start point.
    if (numFitPoints() == 0)
        return;
    const AcGePlane plane(fitPointAt(0), planeNormal);
    std::unique_ptr<AcGeCurve2d> flat(GePlanar::toPlane(*this, plane));
    AcGeVoidPointerArray flatOffsets;
    flat->getTrimmedOffset(distance, flatOffsets, extensionType, tol);
    for (void* p : flatOffsets) {
        std::unique_ptr<AcGeCurve2d> piece(static_cast<AcGeCurve2d*>(p));
        offsetCurveList.append(GePlanar::toSpace(*piece, plane));
    }
}

bool AcGePolyline3d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kPolyline3d || AcGeSplineEnt3d::isKindOf(entType);
}
