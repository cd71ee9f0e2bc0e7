// Points on curves and segments: station points with the direction of travel (a "cogo"),
// equal divisions, middle and division points, points moved square off a curve or segment,
// nearest points, feet of perpendiculars, mirror images, polar points, centres and corners.
#include "MavCounter.h"

#include "MavGeDbCurve.h"
#include "MavHelpers.h"
#include "MavUtils.h"

#include "AcDbCurve.h"
#include "AcDbEntity.h"
#include "AcDbExtents.h"
#include "AcDbPolyline.h"
#include "AcGeCurve2d.h"
#include "AcGeCurve3d.h"
#include "AcGeLine2d.h"
#include "AcGeLine3d.h"
#include "AcGeVector2dArray.h"
#include "AcGeVector3dArray.h"
#include "acut.h"

#include <cmath>
#include <memory>

namespace {

constexpr double kLeftSide = 0.001;
constexpr double kFarAway = 1e16;

AcGePoint3d lifted(const AcGePoint2d& point) { return AcGePoint3d(point.x, point.y, 0.0); }

// The unit normal to the left of the direction from a to b: b turned a quarter about a.
AcGeVector3d leftNormal(const AcGePoint3d& a, const AcGePoint3d& b)
{
    AcGePoint3d turned = b;
    turned.rotateBy(kPi / 2.0, AcGeVector3d::kZAxis, a);
    return turned - a;
}

AcGeVector3d leftUnitNormal(const AcGePoint3d& a, const AcGePoint3d& b)
{
    const AcGeVector3d normal = leftNormal(a, b);
    return normal / normal.length();
}

// The point at a station of a geometry curve and the derivative there, the station measured from
// the curve's start point forward.
template <class Curve, class Point, class Vector, class Derivs>
Point stationOf(const Curve* pCurve, double dist, Vector& deriv)
{
    Point start;
    pCurve->hasStartPoint(start);
    const double p0 = pCurve->paramOf(start, AcGeContext::gTol);
    const double t = pCurve->paramAtLength(p0, dist, true, AcGeContext::gTol.equalPoint());
    Derivs derivs;
    const Point point = pCurve->evalPoint(t, 1, derivs);
    deriv = derivs[0];
    return point;
}

// Equal parts of a stretch of a geometry curve, one point per part at its far end. The stretch
// runs from its first end, wherever that lies on the curve, so every point lies on the stretch.
template <class Curve, class Point>
Acad::ErrorStatus equidistantPoints(const Curve* pCurve, const Point& from, const Point& to, int count, int mode,
    AcArray<AcGePoint3d>& points, const wchar_t* name)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    // 1. The ends of the stretch by the mode.
    Point curveStart;
    const bool hasStart = pCurve->hasStartPoint(curveStart);
    Point s;
    Point e;
    if (mode == 0 || mode == 2)
        e = to;
    if (mode == 1 || mode == 2)
        s = from;
    if (mode == 0) {
        if (hasStart)
            s = curveStart;
        else
            MavUtils::BDTAlert(CString(name) + L" hasStartPoint");
    }
    Point curveEnd;
    if (mode == 1) {
        if (pCurve->hasEndPoint(curveEnd))
            e = curveEnd;
        else
            MavUtils::BDTAlert(CString(name) + L" hasEndPoint");
    }
    // 2. The stations of both ends and the step between the points.
    const double p0 = pCurve->paramOf(curveStart, AcGeContext::gTol);
    const double d0 = pCurve->length(p0, pCurve->paramOf(s, AcGeContext::gTol), AcGeContext::gTol.equalPoint());
    const double d1 = pCurve->length(p0, pCurve->paramOf(e, AcGeContext::gTol), AcGeContext::gTol.equalPoint());
    const double step = (d1 - d0) / count;
    // 3. One point at the far end of every part.
    for (int i = 1; i <= count; ++i) {
        AcGePoint3d point;
        double azimuth = 0.0;
        const Acad::ErrorStatus es = MavCounter::getCogoOfGeCurve(pCurve, d0 + i * step, point, azimuth);
        if (es != Acad::eOk) {
            CString text;
            text.Format((CString(L"\n") + name + L"%d").GetString(), i - 1);
            MavUtils::BDTAlert(text);
            return es;
        }
        points.append(point);
    }
    return Acad::eOk;
}

// The point at a station and, square to the curve there, the point the offset away: to the
// left of the direction of travel for a positive offset, to the right otherwise.
Acad::ErrorStatus offsetStationPoint(
    const AcDbCurve* pCurve, double along, double offset, AcGePoint3d& point, double* azimuth)
{
    AcGePoint3d onCurve;
    Acad::ErrorStatus es = pCurve->getPointAtDist(along, onCurve);
    if (es != Acad::eOk)
        return es;
    AcGeVector3d deriv;
    es = pCurve->getFirstDeriv(onCurve, deriv);
    double a = 0.0;
    MavCounter::vectorToAngle(deriv.normal(AcGeContext::gTol), a);
    if (azimuth != nullptr)
        *azimuth = a;
    const double turned = offset > 0.0 ? a + kPi / 2.0 : a - kPi / 2.0;
    MavCounter::get3dPoint(onCurve, std::fabs(offset), turned, point);
    return es;
}

// The point at the n-th part of the length, from the start or from the end.
Acad::ErrorStatus pointAtPart(const AcDbCurve* pCurve, int n, int fromStart, AcGePoint3d& point)
{
    // 1. The distances at both ends.
    double startParam = 0.0;
    double endParam = 0.0;
    Acad::ErrorStatus es = pCurve->getStartParam(startParam);
    if (es != Acad::eOk)
        return es;
    es = pCurve->getEndParam(endParam);
    if (es != Acad::eOk)
        return es;
    double dS = 0.0;
    double dE = 0.0;
    pCurve->getDistAtParam(startParam, dS);
    pCurve->getDistAtParam(endParam, dE);
    // 2. The point one n-th along, counted from the chosen end.
    const double d = (dS + dE) / n;
    return pCurve->getPointAtDist(fromStart != 0 ? d : dE - d, point);
}

// The azimuth of the direction of travel at a point of the curve; the derivative's status.
Acad::ErrorStatus azimuthAt(const AcDbCurve* pCurve, const AcGePoint3d& point, double& azimuth)
{
    AcGeVector3d deriv;
    const Acad::ErrorStatus es = pCurve->getFirstDeriv(point, deriv);
    MavCounter::vectorToAngle(deriv.normal(AcGeContext::gTol), azimuth);
    return es;
}

// The frame of the id forms that open an entity: the tag on an open failure, 0 for an entity
// that is not a curve, otherwise the status of `use` on the curve.
template <class Use>
Acad::ErrorStatus onCurveOfEntity(const AcDbObjectId& id, const wchar_t* tag, Use use)
{
    AcDbEntity* pEnt = nullptr;
    const Acad::ErrorStatus opened = MavUtils::openEntWithID(id, AcDb::kForRead, pEnt);
    if (opened != Acad::eOk) {
        MavUtils::BDTAlert(tag);
        return opened;
    }
    Acad::ErrorStatus es = Acad::eOk;
    if (const AcDbCurve* pCurve = AcDbCurve::cast(pEnt))
        es = use(pCurve);
    pEnt->close();
    return es;
}

// The frame of the id forms that open a curve: open failures reported with their status.
template <class Use>
Acad::ErrorStatus onCurveReporting(const AcDbObjectId& id, Use use)
{
    AcDbCurve* pCurve = nullptr;
    const Acad::ErrorStatus opened = MavUtils::openCurveWithID(id, AcDb::kForRead, pCurve);
    if (opened != Acad::eOk) {
        MavUtils::errorReport(opened);
        return opened;
    }
    const Acad::ErrorStatus es = use(pCurve);
    pCurve->close();
    return es;
}

template <class Point, class Vector>
void moveEnds(Point& a, bool outwardAtA, double lengthAtA, Point& b, bool outwardAtB, double lengthAtB)
{
    const Vector unit = (b - a) / (b - a).length();
    a = outwardAtA ? a - unit * lengthAtA : a + unit * lengthAtA;
    b = outwardAtB ? b + unit * lengthAtB : b - unit * lengthAtB;
}

} // namespace

Acad::ErrorStatus MavCounter::getCogoOfDbCurve(
    int mode, const AcDbCurve* pCurve, double dist, AcGePoint3d& point, double& azimuth)
{
    AcGeVector3d tangent;
    const Acad::ErrorStatus es = getCogoOfDbCurve(mode, pCurve, dist, point, tangent);
    if (es == Acad::eOk)
        vectorToAngle(tangent, azimuth);
    return es;
}

Acad::ErrorStatus MavCounter::getCogoOfDbCurve(
    int mode, const AcDbObjectId& id, double dist, AcGePoint3d& point, double& azimuth)
{
    AcGeVector3d tangent;
    const Acad::ErrorStatus es = getCogoOfDbCurve(mode, id, dist, point, tangent);
    if (es == Acad::eOk)
        vectorToAngle(tangent, azimuth);
    return es;
}

Acad::ErrorStatus MavCounter::getCogoOfDbPolyline(
    const AcDbPolyline* pPolyline, double dist, AcGePoint3d& point, double& azimuth)
{
    if (pPolyline == nullptr)
        return Acad::eInvalidInput;
    // 1. The polyline as one geometry curve.
    MavGeDbCurve converter;
    AcGeCurve3d* pGeCurve = nullptr;
    const Acad::ErrorStatus es = converter.convertPolylineToGeCurve(pPolyline, pGeCurve);
    if (es != Acad::eOk) {
        MavUtils::errorReport(es);
        return es;
    }
    // 2. The point at the station along it.
    if (pGeCurve != nullptr) {
        const std::unique_ptr<AcGeCurve3d> geCurve(pGeCurve);
        AcGeVector3d unused;
        point = stationOf<AcGeCurve3d, AcGePoint3d, AcGeVector3d, AcGeVector3dArray>(geCurve.get(), dist, unused);
    }
    // 3. On the polyline, with its direction there.
    pPolyline->getClosestPointTo(point, point, false);
    azimuthAt(pPolyline, point, azimuth);
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getPointAtDistInGeCurve(const AcGeCurve3d* pCurve, double dist, AcGePoint3d& point)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    AcGeVector3d unused;
    point = stationOf<AcGeCurve3d, AcGePoint3d, AcGeVector3d, AcGeVector3dArray>(pCurve, dist, unused);
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getPointAtDistInGeCurve(const AcGeCurve2d* pCurve, double dist, AcGePoint2d& point)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    AcGeVector2d unused;
    point = stationOf<AcGeCurve2d, AcGePoint2d, AcGeVector2d, AcGeVector2dArray>(pCurve, dist, unused);
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getPointAtDistInPlineEx(
    const AcDbPolyline* pPolyline, double along, double offset, AcGePoint3d& point)
{
    if (pPolyline == nullptr)
        return Acad::eInvalidInput;
    return offsetStationPoint(pPolyline, along, offset, point, nullptr);
}

Acad::ErrorStatus MavCounter::getEquidistantPointsAtCurve(const AcDbObjectId& id, const AcGePoint3d& from,
    const AcGePoint3d& to, int n, int mode, AcArray<AcGePoint3d>& points)
{
    return onCurveReporting(id, [&](const AcDbCurve* pCurve) {
        MavGeDbCurve converter;
        AcGeCurve3d* pGeCurve = nullptr;
        const Acad::ErrorStatus es = converter.convertDbCurveToGeCurve(pCurve, pGeCurve);
        const std::unique_ptr<AcGeCurve3d> geCurve(pGeCurve);
        if (es != Acad::eOk) {
            MavUtils::errorReport(es);
            return es;
        }
        return getEquidistantPointsAtGeCurve3d(geCurve.get(), from, to, n, mode, points);
    });
}

Acad::ErrorStatus MavCounter::getEquidistantPointsAtGeCurve2d(const AcGeCurve2d* pCurve, const AcGePoint3d& from,
    const AcGePoint3d& to, int n, int mode, AcArray<AcGePoint3d>& points)
{
    return equidistantPoints(pCurve, AcGePoint2d(from.x, from.y), AcGePoint2d(to.x, to.y), n, mode, points,
        L"getEquidistantPointsAtGeCurve2d");
}

int MavCounter::getArcPtByLength(AcGeCircArc3d& arc, double length, AcGePoint3d& point)
{
    double angle = 0.0;
    return getArcParamByLength(arc, length, point, angle);
}

Acad::ErrorStatus MavCounter::getStartEndPointInCurve(const AcDbCurve* pCurve, AcGePoint3d& start, AcGePoint3d& end)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    const Acad::ErrorStatus es = pCurve->getStartPoint(start);
    if (es != Acad::eOk)
        return es;
    return pCurve->getEndPoint(end);
}

Acad::ErrorStatus MavCounter::getStartEndPointInCurve(const AcDbObjectId& id, AcGePoint3d& start, AcGePoint3d& end)
{
    if (id.isNull())
        return Acad::eInvalidInput;
    return onCurveOfEntity(
        id, L"getStartEndPointInCurve", [&](const AcDbCurve* pCurve) { return getStartEndPointInCurve(pCurve, start, end); });
}

Acad::ErrorStatus MavCounter::getStartEndPointInPolyLine(const AcDbPolyline*, AcGePoint3d&, AcGePoint3d&)
{
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getStartEndPointIn3dPolyLine(const AcDbObjectId&, AcGePoint3d&, AcGePoint3d&)
{
    return Acad::eOk;
}

void MavCounter::get3dPoint(AcGePoint3d base, double dist, double angle, AcGePoint3d& point)
{
    point = AcGePoint3d(base.x + dist * std::cos(angle), base.y + dist * std::sin(angle), base.z);
}

void MavCounter::get3dPoint(AcGePoint2d base, double dist, double angle, AcGePoint2d& point)
{
    AcGePoint3d polar;
    get3dPoint(AcGePoint3d(base.x, base.y, 0.0), dist, angle, polar);
    point = AcGePoint2d(polar.x, polar.y);
}

void MavCounter::getPointsByExtent(AcDbExtents extents, AcArray<AcGePoint3d>& points)
{
    const AcGePoint3d lo = extents.minPoint();
    const AcGePoint3d hi = extents.maxPoint();
    points.append(lo);
    points.append(AcGePoint3d(lo.x, hi.y, 0.0));
    points.append(hi);
    points.append(AcGePoint3d(hi.x, lo.y, 0.0));
}

int MavCounter::getPointOnRotation(AcGePoint3d origin, AcGePoint3d target, double angle, double dist, AcGePoint3d& point)
{
    target.rotateBy(angle, AcGeVector3d::kZAxis, origin);
    const AcGeVector3d unit = (target - origin).normal(AcGeContext::gTol);
    point = origin + unit * dist;
    return 1;
}

AcGePoint2d MavCounter::middlePointOfLine(const AcGePoint2d& p1, const AcGePoint2d& p2)
{
    return AcGePoint2d((p1.x + p2.x) / 2.0, (p1.y + p2.y) / 2.0);
}

AcGePoint2d MavCounter::divisionPointOfLine(const AcGePoint2d& p1, const AcGePoint2d& p2, int n)
{
    const AcGePoint3d point = divisionPointOfLine(lifted(p1), lifted(p2), n);
    return AcGePoint2d(point.x, point.y);
}

int MavCounter::getLineNormalPointEx(
    const AcGePoint3d& p1, const AcGePoint3d& p2, double dist, int n, AcGePoint3d& point, double& azimuth)
{
    // 1. The direction of the line.
    vectorToAngle(p2 - p1, azimuth);
    // 2. The unit normal to its left.
    const AcGeVector3d normal = leftUnitNormal(p1, p2);
    // 3. The division point, counted from p2 for a negative count.
    const AcGePoint3d base = n >= 0 ? divisionPointOfLine(p1, p2, n) : divisionPointOfLine(p2, p1, -n);
    // 4. Square off the line.
    point = base + normal * dist;
    return 1;
}

void MavCounter::getCenterPointOfArc(const AcGePoint3d&, const AcGePoint3d&, AcGePoint3d&) { }

Acad::ErrorStatus MavCounter::getCogoOfGeCurve(const AcGeCurve3d* pCurve, double dist, AcGePoint3d& point, double& azimuth)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    AcGeVector3d deriv;
    point = stationOf<AcGeCurve3d, AcGePoint3d, AcGeVector3d, AcGeVector3dArray>(pCurve, dist, deriv);
    vectorToAngle(deriv, azimuth);
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getCogoOfGeCurve(const AcGeCurve2d* pCurve, double dist, AcGePoint3d& point, double& azimuth)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    AcGeVector2d deriv;
    point = lifted(stationOf<AcGeCurve2d, AcGePoint2d, AcGeVector2d, AcGeVector2dArray>(pCurve, dist, deriv));
    vectorToAngle(deriv, azimuth);
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getEquidistantPointsAtGeCurve3d(const AcGeCurve3d* pCurve, const AcGePoint3d& from,
    const AcGePoint3d& to, int count, int mode, AcArray<AcGePoint3d>& points)
{
    return equidistantPoints(pCurve, from, to, count, mode, points, L"getEquidistantPointsAtGeCurve3d");
}

Acad::ErrorStatus MavCounter::getStartEndPointInGeCurve(const AcGeCurve3d* pCurve, AcGePoint3d& start, AcGePoint3d& end)
{
    if (pCurve == nullptr || !pCurve->hasStartPoint(start))
        return Acad::eInvalidInput;
    return pCurve->hasEndPoint(end) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus MavCounter::getStartEndPointInGeCurve(const AcGeCurve2d* pCurve, AcGePoint3d& start, AcGePoint3d& end)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    AcGePoint2d point;
    if (!pCurve->hasStartPoint(point))
        return Acad::eInvalidInput;
    start = lifted(point);
    if (!pCurve->hasEndPoint(point))
        return Acad::eInvalidInput;
    end = lifted(point);
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getNearestPoint(const AcGeCurve3d* pCurve, AcGePoint3d& point)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    point = pCurve->closestPointTo(point, AcGeContext::gTol);
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getNearestPoint(const AcGeCurve2d* pCurve, AcGePoint2d& point)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    point = pCurve->closestPointTo(point, AcGeContext::gTol);
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getCogoOfDbCurve(
    int where, const AcDbCurve* pCurve, double dist, AcGePoint3d& point, AcGeVector3d& direction)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    if (where == -1)
        pCurve->getStartPoint(point);
    else if (where == 0)
        pCurve->getPointAtDist(dist, point);
    else if (where == 1)
        pCurve->getEndPoint(point);
    pCurve->getClosestPointTo(point, point, false);
    pCurve->getFirstDeriv(point, direction);
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getCogoOfDbCurve(
    int where, const AcDbObjectId& id, double dist, AcGePoint3d& point, AcGeVector3d& direction)
{
    return onCurveReporting(
        id, [&](const AcDbCurve* pCurve) { return getCogoOfDbCurve(where, pCurve, dist, point, direction); });
}

Acad::ErrorStatus MavCounter::getCogoOfDbPolyline(const AcDbObjectId& id, double dist, AcGePoint3d& point, double& azimuth)
{
    return onCurveReporting(id, [&](const AcDbCurve* pCurve) {
        if (!IsClass(pCurve, L"AcDbPolyline"))
            return Acad::eInvalidInput;
        return getCogoOfDbPolyline(AcDbPolyline::cast(pCurve), dist, point, azimuth);
    });
}

Acad::ErrorStatus MavCounter::getPointAtDistInPline(AcDbObjectId id, double dist, AcGePoint3d& point)
{
    return onCurveOfEntity(
        id, L"getDistAtPoint", [&](const AcDbCurve* pCurve) { return pCurve->getPointAtDist(dist, point); });
}

Acad::ErrorStatus MavCounter::getPointAtDistInPlineEx(const AcDbObjectId& id, double along, double offset, AcGePoint3d& point)
{
    return onCurveOfEntity(id, L"getDistAtPoint",
        [&](const AcDbCurve* pCurve) { return offsetStationPoint(pCurve, along, offset, point, nullptr); });
}

Acad::ErrorStatus MavCounter::getPointAtDistInPlineEx(
    const AcDbObjectId& id, double along, double offset, AcGePoint3d& point, double& azimuth)
{
    return onCurveOfEntity(id, L"getDistAtPoint",
        [&](const AcDbCurve* pCurve) { return offsetStationPoint(pCurve, along, offset, point, &azimuth); });
}

Acad::ErrorStatus MavCounter::getNormalAtDistInPline(AcDbObjectId id, double dist, AcGePoint3d& point, double& azimuth)
{
    return onCurveOfEntity(id, L"getDistAtPoint", [&](const AcDbCurve* pCurve) {
        const Acad::ErrorStatus es = pCurve->getPointAtDist(dist, point);
        if (es != Acad::eOk)
            return es;
        return azimuthAt(pCurve, point, azimuth);
    });
}

Acad::ErrorStatus MavCounter::getDivisionPointInCurve(const AcDbObjectId& id, int n, AcGePoint3d& point, int fromStart)
{
    // No n-th part exists for a count of 0.
    if (id.isNull() || n == 0)
        return Acad::eInvalidInput;
    return onCurveOfEntity(
        id, L"getDivisionPointInCurve", [&](const AcDbCurve* pCurve) { return pointAtPart(pCurve, n, fromStart, point); });
}

Acad::ErrorStatus MavCounter::getDivisionPointInCurveEx(
    const AcDbObjectId& id, int n, AcGePoint3d& point, int fromStart, double& azimuth)
{
    if (id.isNull() || n == 0)
        return Acad::eInvalidInput;
    return onCurveOfEntity(id, L"getDivisionPointInCurve", [&](const AcDbCurve* pCurve) {
        const Acad::ErrorStatus es = pointAtPart(pCurve, n, fromStart, point);
        if (es != Acad::eOk)
            return es;
        return azimuthAt(pCurve, point, azimuth);
    });
}

Acad::ErrorStatus MavCounter::getMiddlePointInCurve(const AcDbCurve* pCurve, AcGePoint3d& point)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    // Half the length, not the middle parameter.
    return pointAtPart(pCurve, 2, 1, point);
}

Acad::ErrorStatus MavCounter::getMiddlePointInCurve(const AcDbObjectId& id, AcGePoint3d& point)
{
    if (id.isNull())
        return Acad::eInvalidInput;
    return onCurveOfEntity(
        id, L"getMiddlePointInCurve", [&](const AcDbCurve* pCurve) { return getMiddlePointInCurve(pCurve, point); });
}

Acad::ErrorStatus MavCounter::getMiddlePointInCurveEx(const AcDbObjectId& id, AcGePoint3d& point, double& azimuth)
{
    if (id.isNull())
        return Acad::eInvalidInput;
    return onCurveOfEntity(id, L"getMiddlePointInCurve", [&](const AcDbCurve* pCurve) {
        const Acad::ErrorStatus es = getMiddlePointInCurve(pCurve, point);
        if (es != Acad::eOk)
            return es;
        return azimuthAt(pCurve, point, azimuth);
    });
}

Acad::ErrorStatus MavCounter::getNearestPoint(const AcDbObjectId& id, AcGePoint3d& point)
{
    AcDbCurve* pCurve = nullptr;
    Acad::ErrorStatus es = MavUtils::openCurveWithID(id, AcDb::kForRead, pCurve);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getNearestPoint");
        return es;
    }
    es = pCurve->getClosestPointTo(point, point, false);
    pCurve->close();
    return es;
}

int MavCounter::isOnCurve(const AcGePoint3d& point, const AcDbObjectId& id, double tolerance)
{
    AcGePoint3d nearest = point;
    if (getNearestPoint(id, nearest) != Acad::eOk)
        return 0;
    return point.distanceTo(nearest) < tolerance ? 1 : 0;
}

void MavCounter::getCenterPoint(AcDbObjectId id, double (&center)[3])
{
    AcArray<AcGePoint3d> points;
    AcDbEntity* pEnt = nullptr;
    if (MavUtils::openEntWithID(id, AcDb::kForRead, pEnt) != Acad::eOk) {
        MavUtils::BDTAlert(L"scanPlineEx");
        return;
    }
    AppendVertexPoints(AcDbCurve::cast(pEnt), points);
    pEnt->close();
    AcGePoint3d centre(center[0], center[1], center[2]);
    getCenterPoint(points, centre);
    center[0] = centre.x;
    center[1] = centre.y;
    center[2] = centre.z;
}

int MavCounter::getOnLinePoint(AcGePoint3d a, AcGePoint3d b, double dist, AcGePoint3d& point)
{
    point = a + (b - a) / a.distanceTo(b) * dist;
    return 1;
}

int MavCounter::getOnLinePoint(AcGePoint2d a, AcGePoint2d b, double dist, AcGePoint2d& point)
{
    point = a + (b - a) / a.distanceTo(b) * dist;
    return 1;
}

int MavCounter::getLineNormalPoint(AcGePoint3d a, AcGePoint3d b, double dist, AcGePoint3d& point)
{
    point = a + leftUnitNormal(a, b) * dist;
    return 1;
}

int MavCounter::getLineNormalPoint(const AcGePoint3d& a, const AcGePoint3d& b, double dist, int atStart, AcGePoint3d& point)
{
    point = (atStart != 0 ? a : b) + leftUnitNormal(a, b) * dist;
    return 1;
}

int MavCounter::getLineNormalPointEx(const AcGePoint3d& a, const AcGePoint3d& b, double dist, int n, AcGePoint3d& point)
{
    point = divisionPointOfLine(a, b, n) + leftUnitNormal(a, b) * dist;
    return 1;
}

AcGePoint3d MavCounter::divisionPointOfLine(const AcGePoint3d& a, const AcGePoint3d& b, int n)
{
    if (n == 2)
        return AcGePoint3d((a.x + b.x) / 2.0, (a.y + b.y) / 2.0, 0.0);
    // A count of 0 has no n-th part: the first point, not an infinite one.
    if (n == 0)
        return AcGePoint3d(a.x, a.y, 0.0);
    return AcGePoint3d(a.x + (b.x - a.x) / n, a.y + (b.y - a.y) / n, 0.0);
}

AcGePoint3d MavCounter::middlePointOfLine(const AcGePoint3d& a, const AcGePoint3d& b)
{
    return AcGePoint3d((a.x + b.x) / 2.0, (a.y + b.y) / 2.0, (a.z + b.z) / 2.0);
}

int MavCounter::extendLine(AcGePoint3d& a, bool outwardAtA, double lengthAtA, AcGePoint3d& b, bool outwardAtB, double lengthAtB)
{
    moveEnds<AcGePoint3d, AcGeVector3d>(a, outwardAtA, lengthAtA, b, outwardAtB, lengthAtB);
    return 1;
}

int MavCounter::extendLine(AcGePoint2d& a, bool outwardAtA, double lengthAtA, AcGePoint2d& b, bool outwardAtB, double lengthAtB)
{
    moveEnds<AcGePoint2d, AcGeVector2d>(a, outwardAtA, lengthAtA, b, outwardAtB, lengthAtB);
    return 1;
}

int MavCounter::getLinePointOnnormal(AcGePoint3d a, AcGePoint3d b, AcGePoint3d q, AcGePoint3d& foot)
{
    // 1. Along the line, and square to it on the left.
    const AcGeVector3d along = b - a;
    const AcGeVector3d normal = leftNormal(a, b);
    // 2. The line itself and the one through q square to it.
    const AcGeLine3d line(a, along);
    const AcGeLine3d square(q, normal);
    // 3. A point on the line has no side.
    if (line.isOn(q, AcGeContext::gTol))
        return 0;
    // 4. The foot.
    AcGePoint3d crossing;
    if (!line.intersectWith(square, crossing, AcGeContext::gTol)) {
        acutPrintf(L"the two lines do not intersect\n");
        return 0;
    }
    foot = crossing;
    // 5. Left when the way from the foot to q runs along the left normal.
    return normal.angleTo(q - crossing) <= kLeftSide ? 1 : 0;
}

void MavCounter::getMirrorPointBaseLine(const AcGePoint2d& a, const AcGePoint2d& b, const AcGePoint2d& p, AcGePoint2d& image)
{
    image = p;
    image.mirror(AcGeLine2d(a, b));
}

Acad::ErrorStatus MavCounter::getOffsetPoint(const AcGePoint3d& p, double dist, AcGeVector3d vector, AcGePoint3d& point)
{
    point = p + vector * dist;
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getOffsetPoint(const AcGePoint3d& p, double dx, double dy, double, AcGePoint3d& point)
{
    point = AcGePoint3d(p.x + dx, p.y + dy, p.z);
    return Acad::eOk;
}

Acad::ErrorStatus MavCounter::getNearestPoint(AcGePoint3d ref, AcArray<AcGePoint3d> points, AcGePoint3d& nearest)
{
    if (points.isEmpty())
        return Acad::eInvalidInput;
    // Of equal distances the later point wins.
    double best = kFarAway;
    nearest = points[0];
    for (const AcGePoint3d& point : points) {
        const double dist = ref.distanceTo(point);
        if (dist <= best) {
            best = dist;
            nearest = point;
        }
    }
    return Acad::eOk;
}

void MavCounter::getCenterPoint(AcArray<AcGePoint3d> points, AcGePoint3d& center)
{
    // No points have no centre; the output keeps its value rather than 0/0.
    if (points.isEmpty())
        return;
    AcGeVector3d sum;
    for (const AcGePoint3d& point : points)
        sum += point.asVector();
    center = AcGePoint3d::kOrigin + sum / points.length();
}

Acad::ErrorStatus MavCounter::getMinMaxPointsInPointsArray(
    const AcArray<AcGePoint3d>& points, AcGePoint3d& lower, AcGePoint3d& upper)
{
    if (points.isEmpty())
        return Acad::eInvalidInput;
    AcGePoint3d lo = points[0];
    AcGePoint3d hi = points[0];
    for (const AcGePoint3d& point : points) {
        lo.x = std::fmin(lo.x, point.x);
        lo.y = std::fmin(lo.y, point.y);
        hi.x = std::fmax(hi.x, point.x);
        hi.y = std::fmax(hi.y, point.y);
    }
    lower = lo;
    upper = hi;
    return Acad::eOk;
}
