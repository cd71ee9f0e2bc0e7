// Plane polylines: degree-1 splines built by the B-spline operations shared with the other
// dimension; only the offset is the dimension's own.
#include "AcGePolyline2d.h"

#include "AcGeCompositeCurve2d.h"
#include "AcGeLineSeg2d.h"
#include "GeNurbsT.h"
#include "GeOffset.h"

#include <memory>

AcGePolyline2d::AcGePolyline2d(const AcGePoint2dArray& points)
{
    mSpline = GeNurbs::polyline(GeNurbs::polylineParams(points.length()), points);
}

AcGePolyline2d::AcGePolyline2d(const AcGeKnotVector& knots, const AcGePoint2dArray& points)
{
    mSpline = GeNurbs::polyline(GeNurbs::polylineParams(points.length(), &knots), points);
}

AcGePolyline2d::AcGePolyline2d(const AcGeCurve2d& crv, double apprEps)
{
    AcGeInterval range;
    crv.getInterval(range);
    AcGePoint2dArray points;
    AcGeDoubleArray params;
    crv.getSamplePoints(range.lowerBound(), range.upperBound(), apprEps, points, params);
    mSpline = GeNurbs::polyline(std::vector<double>(params.begin(), params.end()), points);
}

AcGePolyline2d& AcGePolyline2d::setFitPointAt(int idx, const AcGePoint2d& point)
{
    mSpline.points.at(static_cast<std::size_t>(idx)) = GeNurbs::toHom(point, 1.0);
    return *this;
}

void AcGePolyline2d::getTrimmedOffset(double distance, AcGeVoidPointerArray& offsetCurveList,
                                      AcGe::OffsetCrvExtType extensionType, const AcGeTol& tol) const
{
    std::vector<std::unique_ptr<AcGeLineSeg2d>> segments;
    std::vector<const AcGeCurve2d*> pieces;
    for (int i = 0; i + 1 < numFitPoints(); ++i) {
        if (fitPointAt(i).isEqualTo(fitPointAt(i + 1), tol))
            continue;
        segments.push_back(std::make_unique<AcGeLineSeg2d>(fitPointAt(i), fitPointAt(i + 1)));
        pieces.push_back(segments.back().get());
    }
    std::unique_ptr<AcGeCurve2d> offset(GeOffset::offsetChain(pieces, isClosed(tol), distance, extensionType, tol));
    if (!offset)
        return;
    AcGeVoidPointerArray list;
    if (offset->type() == AcGe::kCompositeCrv2d)
        static_cast<const AcGeCompositeCurve2d&>(*offset).getCurveList(list);
    else
        list.append(offset->copy());
    // Straight pieces only: their end points are the new polyline's vertices.
    AcGePoint2dArray vertices;
    bool straight = true;
    for (void* p : list) {
        std::unique_ptr<AcGeCurve2d> piece(static_cast<AcGeCurve2d*>(p));
        straight = straight && piece->type() == AcGe::kLineSeg2d;
        AcGePoint2d a, b;
        piece->hasStartPoint(a);
        piece->hasEndPoint(b);
        if (vertices.isEmpty())
            vertices.append(a);
        vertices.append(b);
    }
    offsetCurveList.append(straight ? new AcGePolyline2d(vertices) : offset.release());
}

bool AcGePolyline2d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kPolyline2d || AcGeSplineEnt2d::isKindOf(entType);
}
