// Geometric questions about one entity and a point or a polygon: the side of a curve a point
// lies on, the nearer end, whether an entity meets a polygon, extents, the centre of a text.
#include "MavUtils.h"

#include "AcDbCurve.h"
#include "AcDbEntity.h"
#include "AcDbExtents.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"
#include "AcGePlane.h"
#include "MavHelpers.h"

#include <cmath>

namespace {

constexpr double kSquare = 0.001;

} // namespace

int MavUtils::tellDirection(AcDbCurve* pCurve, const AcGePoint3d& point)
{
    // 1. The curve's point nearest to the given one.
    AcGePoint3d nearest;
    if (pCurve->getClosestPointTo(point, nearest, false) != Acad::eOk)
        return 1;
    // 2. The direction of travel there.
    AcGeVector3d tangent;
    pCurve->getFirstDeriv(nearest, tangent);
    // 3-4. The turn from the direction of travel to the way from the point to the curve.
    const AcGeVector3d toCurve = nearest - point;
    const double alpha = tangent.angleTo(toCurve, AcGeVector3d::kZAxis);
    // 5. A quarter turn means the point lies to the right.
    if (std::fabs(alpha - kPi / 2.0) < kSquare)
        return 0;
    return alpha > kPi / 2.0 ? 1 : 0;
}

Acad::ErrorStatus MavUtils::tellLocationOfIntersectPointInDbCurve(
    const AcDbCurve* pCurve, const AcGePoint3d& point, double& dist, int& end)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    AcGePoint3d start;
    AcGePoint3d finish;
    Acad::ErrorStatus es = pCurve->getStartPoint(start);
    if (es != Acad::eOk)
        return es;
    es = pCurve->getEndPoint(finish);
    if (es != Acad::eOk)
        return es;
    const double toStart = point.distanceTo(start);
    const double toEnd = point.distanceTo(finish);
    end = toEnd < toStart ? 1 : 0;
    dist = toEnd < toStart ? toEnd : toStart;
    return Acad::eOk;
}

int MavUtils::inTheRegion(AcArray<AcGePoint3d> points, const AcDbObjectId& id)
{
    AcDbEntity* pEnt = nullptr;
    if (openEntWithID(id, AcDb::kForRead, pEnt) != Acad::eOk)
        return 0;
    AcDbPolyline polygon(static_cast<unsigned int>(points.length()));
    for (const AcGePoint3d& point : points)
        polygon.addVertexAt(polygon.numVerts(), AcGePoint2d(point.x, point.y), 0.0, -1.0, -1.0);
    polygon.setClosed(true);
    AcGePoint3dArray crossings;
    pEnt->intersectWith(&polygon, AcDb::kOnBothOperands, AcGePlane::kXYPlane, crossings);
    pEnt->close();
    return crossings.isEmpty() ? 0 : 1;
}

Acad::ErrorStatus MavUtils::getCurveExtents(const AcDbObjectId& id, AcDbExtents& extents)
{
    if (id.isNull())
        return Acad::eInvalidInput;
    AcDbEntity* pEnt = nullptr;
    if (openEntWithID(id, AcDb::kForRead, pEnt) != Acad::eOk)
        return Acad::eNotApplicable;
    // Any entity answers, curve or not.
    const Acad::ErrorStatus es = pEnt->getGeomExtents(extents);
    pEnt->close();
    return es;
}

AcGePoint3d MavUtils::centerPoint(const AcDbText* pText)
{
    // 1. Extents, style and width factor.
    AcDbExtents extents;
    pText->getGeomExtents(extents);
    // 2. The box's size.
    double width = std::fabs(extents.maxPoint().x - extents.minPoint().x);
    const double height = std::fabs(extents.maxPoint().y - extents.minPoint().y);
    // 3. Styles whose extents do not carry the width factor.
    if (needFixWidth(pText->textStyle()) != 0)
        width /= pText->widthFactor();
    // 4. The centre.
    return AcGePoint3d(std::fmin(extents.minPoint().x, extents.maxPoint().x) + width / 2.0,
        std::fmin(extents.minPoint().y, extents.maxPoint().y) + height / 2.0, 0.0);
}

int MavUtils::ventralLinesNumber(int mode, int count)
{
    switch (mode) {
    case 1: return count - 1;
    case 2: return 2;
    case 3: return count + 1;
    default: return 0;
    }
}
