// Space polylines. A single fit point is kept as a piece of zero length, so every
// polyline has a start and an end.
#include "AcGePolyline3d.h"

#include "AcGeCurve2d.h"
#include "GePlanar.h"

#include <memory>

AcGePolyline3d::AcGePolyline3d(const AcGePoint3dArray& points)
{
    std::vector<double> params;
    for (int i = 0; i < points.length(); ++i)
        params.push_back(i);
    setPoints(params, points);
}

AcGePolyline3d::AcGePolyline3d(const AcGeKnotVector& knots, const AcGePoint3dArray& points)
{
    std::vector<double> params(knots.getPtr(), knots.getPtr() + knots.length());
    if (params.size() == static_cast<std::size_t>(points.length()) + 2) {
        params.erase(params.begin());
        params.pop_back();
    }
    if (params.size() != static_cast<std::size_t>(points.length())) {
        params.clear();
        for (int i = 0; i < points.length(); ++i)
            params.push_back(i);
    }
    setPoints(params, points);
}

AcGePolyline3d::AcGePolyline3d(const AcGeCurve3d& crv, double apprEps)
{
    AcGeInterval range;
    crv.getInterval(range);
    AcGePoint3dArray points;
    AcGeDoubleArray params;
    crv.getSamplePoints(range.lowerBound(), range.upperBound(), apprEps, points, params);
    setPoints(std::vector<double>(params.begin(), params.end()), points);
}

void AcGePolyline3d::setPoints(const std::vector<double>& params, const AcGePoint3dArray& points)
{
    mSpline = GeNurbs::Curve();
    mSpline.degree = 1;
    if (points.isEmpty())
        return;
    for (const AcGePoint3d& p : points)
        mSpline.points.push_back({p.x, p.y, p.z, 1.0});
    mSpline.knots.push_back(params.front());
    mSpline.knots.insert(mSpline.knots.end(), params.begin(), params.end());
    mSpline.knots.push_back(params.back());
    if (points.length() == 1) {
        mSpline.points.push_back(mSpline.points.front());
        mSpline.knots.push_back(params.back());
    }
}

AcGePolyline3d& AcGePolyline3d::setFitPointAt(int idx, const AcGePoint3d& point)
{
    mSpline.points.at(static_cast<std::size_t>(idx)) = {point.x, point.y, point.z, 1.0};
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
