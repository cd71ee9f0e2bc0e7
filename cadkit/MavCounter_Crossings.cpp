// Polar points, crossings of two segments given by their ends or of entities nearest a reference
// point, and the division points of a segment: the geometry that the fillet of two lines and the
// division points between curves rest on.
#include "MavCounter.h"

#include "MavUtils.h"

#include "AcDbEntity.h"
#include "AcDbLine.h"
#include "AcGeLine3d.h"
#include "AcGeLineSeg3d.h"
#include "AcGePlane.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kFarAway = 1e16;
constexpr double kCrossLineLength = 100.0;

// The member leaves its point as it was when nothing is found; a point that is not a number
// going in tells that case apart.
AcGePoint3d unsetPoint()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    return AcGePoint3d(nan, nan, nan);
}

bool isUnset(const AcGePoint3d& point) { return std::isnan(point.x); }

} // namespace

void MavCounter::get3dPoint(AcGePoint3d base, double dist, double angle, AcGePoint3d& point)
{
    point = AcGePoint3d(base.x + dist * std::cos(angle), base.y + dist * std::sin(angle), base.z);
}

Acad::ErrorStatus MavCounter::getNearestPoint(AcGePoint3d ref, AcArray<AcGePoint3d> points, AcGePoint3d& nearest)
{
    if (points.isEmpty())
        return Acad::eInvalidInput;
    double best = kFarAway;
    nearest = points[0];
    for (const AcGePoint3d& point : points) {
        // Of equally near points the later wins.
        if (ref.distanceTo(point) <= best) {
            best = ref.distanceTo(point);
            nearest = point;
        }
    }
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getIntersectPoint(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& p3,
    const AcGePoint3d& p4, AcGePoint3d& point, AcDb::Intersect mode)
{
    const AcGeLineSeg3d segment1(p1, p2);
    const AcGeLineSeg3d segment2(p3, p4);
    const AcGeLine3d line1(p1, p2);
    const AcGeLine3d line2(p3, p4);
    AcGePoint3d found;
    bool met = false;
    switch (mode) {
    case AcDb::kOnBothOperands: met = segment1.intersectWith(segment2, found); break;
    case AcDb::kExtendThis: met = line1.intersectWith(segment2, found); break;
    case AcDb::kExtendArg: met = line2.intersectWith(segment1, found); break;
    case AcDb::kExtendBoth: met = line1.intersectWith(line2, found); break;
    default: return Acad::eOk;
    }
    if (!met)
        return Acad::eInvalidInput;
    point = found;
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getIntersectPoint(AcGePoint3d ref, AcDbEntity* pEnt, AcDbObjectId id, AcGePoint3d& point)
{
    if (pEnt == nullptr)
        return Acad::eInvalidInput;
    AcDbEntity* pOther = nullptr;
    Acad::ErrorStatus es = MavUtils::openEntWithID(id, AcDb::kForRead, pOther);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getIntersectPointopenEntWithID(id,AcDb::kForRead,pEnt)");
        return es;
    }
    AcGePoint3dArray points;
    es = pEnt->intersectWith(pOther, AcDb::kExtendBoth, AcGePlane::kXYPlane, points, 0, 0);
    if (es != Acad::eOk)
        MavUtils::BDTAlert(L"getIntersectPoint");
    else
        getNearestPoint(ref, points, point);
    pOther->close();
    return es;
}

Acad::ErrorStatus MavCounter::getIntersectPoint(
    AcGePoint3d ref, AcDbEntity* pEnt1, AcDbEntity* pEnt2, AcGePoint3d& point)
{
    if (pEnt1 == nullptr || pEnt2 == nullptr)
        return Acad::eInvalidInput;
    AcGePoint3dArray points;
    const Acad::ErrorStatus es = pEnt1->intersectWith(pEnt2, AcDb::kExtendBoth, AcGePlane::kXYPlane, points, 0, 0);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getIntersectPoint");
        return es;
    }
    getNearestPoint(ref, points, point);
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getBisecrixPointsAtLine(
    AcGePoint3d p1, AcGePoint3d p2, int n, AcArray<AcGePoint3d>& points)
{
    if (p1.isEqualTo(p2))
        return Acad::eInvalidInput;
    const AcGeVector3d unit = (p2 - p1).normal();
    for (int i = 1; i < n; ++i)
        points.append(p1 + unit * (p1.distanceTo(p2) / n * i));
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getBisecrixPointsAtLine(AcDbLine* pLine, int n, AcArray<AcGePoint3d>& points)
{
    if (pLine == nullptr)
        return Acad::eInvalidInput;
    double end = 0.0;
    Acad::ErrorStatus es = pLine->getEndParam(end);
    if (es != Acad::eOk)
        return es;
    for (int i = 1; i < n; ++i) {
        AcGePoint3d point;
        es = pLine->getPointAtParam(i * end / n, point);
        if (es == Acad::eOk)
            points.append(point);
    }
    return es;
}

Acad::ErrorStatus MavCounter::getIntersectLineBisectrixPoints(
    AcGePoint3d base, double angle, AcDbEntity* pEnt1, AcDbEntity* pEnt2, int n, AcArray<AcGePoint3d>& points)
{
    // 1. The cross line from the base point.
    AcGePoint3d far;
    get3dPoint(base, kCrossLineLength, angle, far);
    AcDbLine crossLine(base, far);
    // 2. Its crossings with both boundaries, each the one nearest the base point. A boundary
    // that the cross line meets nowhere leaves nothing to divide.
    AcGePoint3d a = unsetPoint();
    AcGePoint3d b = unsetPoint();
    Acad::ErrorStatus es = getIntersectPoint(base, &crossLine, pEnt1, a);
    if (es == Acad::eOk)
        es = getIntersectPoint(base, &crossLine, pEnt2, b);
    if (es != Acad::eOk)
        return es;
    if (isUnset(a) || isUnset(b))
        return Acad::eInvalidInput;
    // 3. The division points between the crossings; equal crossings give none and no failure.
    getBisecrixPointsAtLine(a, b, n, points);
    return Acad::eOk;
}
