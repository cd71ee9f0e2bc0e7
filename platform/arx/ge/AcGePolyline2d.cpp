// Plane polylines. A single fit point is kept as a piece of zero length, so every
// polyline has a start and an end.
#include "AcGePolyline2d.h"

#include "AcGeCompositeCurve2d.h"
#include "AcGeLineSeg2d.h"
#include "GeOffset.h"

#include <memory>

AcGePolyline2d::AcGePolyline2d(const AcGePoint2dArray& points)
{
    std::vector<double> params;
    for (int i = 0; i < points.length(); ++i)
        params.push_back(i);
    setPoints(params, points);
}

AcGePolyline2d::AcGePolyline2d(const AcGeKnotVector& knots, const AcGePoint2dArray& points)
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

AcGePolyline2d::AcGePolyline2d(const AcGeCurve2d& crv, double apprEps)
{
    AcGeInterval range;
    crv.getInterval(range);
    AcGePoint2dArray points;
    AcGeDoubleArray params;
    crv.getSamplePoints(range.lowerBound(), range.upperBound(), apprEps, points, params);
    setPoints(std::vector<double>(params.begin(), params.end()), points);
}

void AcGePolyline2d::setPoints(const std::vector<double>& params, const AcGePoint2dArray& points)
{
    mSpline = GeNurbs::Curve();
    mSpline.degree = 1;
    if (points.isEmpty())
        return;
    for (const AcGePoint2d& p : points)
        mSpline.points.push_back({p.x, p.y, 0.0, 1.0});
    mSpline.knots.push_back(params.front());
    mSpline.knots.insert(mSpline.knots.end(), params.begin(), params.end());
    mSpline.knots.push_back(params.back());
    if (points.length() == 1) {
        mSpline.points.push_back(mSpline.points.front());
        mSpline.knots.push_back(params.back());
    }
}

AcGePolyline2d& AcGePolyline2d::setFitPointAt(int idx, const AcGePoint2d& point)
{
    mSpline.points.at(static_cast<std::size_t>(idx)) = {point.x, point.y, 0.0, 1.0};
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
