// Rows of points that divide the gap between two boundary curves into equal parts, along one
// cross line or along cross lines set square to a base curve at a fixed spacing; the drawing
// joins them into lines that run between and along the boundaries.
#include "MavCounter.h"

#include "MavUtils.h"

#include "AcDbCurve.h"
#include "AcDbLine.h"

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double kPi = 3.141592653589793;

// A point of the base curve with the curve's first derivative there.
struct Station {
    AcGePoint3d point;
    AcGeVector3d deriv;
};

// The member leaves its point as it was when the cross line meets the boundary nowhere; a point
// that is not a number going in tells that case apart.
Acad::ErrorStatus crossing(const AcGePoint3d& base, AcDbLine& crossLine, AcDbObjectId boundary, AcGePoint3d& point)
{
    const double unset = std::numeric_limits<double>::quiet_NaN();
    AcGePoint3d found(unset, unset, unset);
    const Acad::ErrorStatus es = MavCounter::getIntersectPoint(base, &crossLine, boundary, found);
    if (es != Acad::eOk)
        return es;
    if (std::isnan(found.x))
        return Acad::eInvalidInput;
    point = found;
    return Acad::eOk;
}

// Step 2 of the base-curve walk: from its start every spacing, and its end unless the walk
// landed on it.
std::vector<Station> stationsAlong(const AcDbCurve* pBase, double spacing)
{
    std::vector<Station> stations;
    double endParam = 0.0;
    double length = 0.0;
    pBase->getEndParam(endParam);
    pBase->getDistAtParam(endParam, length);
    double dist = 0.0;
    for (; dist < length; dist += spacing) {
        Station station;
        pBase->getPointAtDist(dist, station.point);
        pBase->getFirstDeriv(station.point, station.deriv);
        stations.push_back(station);
    }
    if (dist > length) {
        Station station;
        pBase->getEndPoint(station.point);
        pBase->getFirstDeriv(endParam, station.deriv);
        stations.push_back(station);
    }
    return stations;
}

void closeIfOpen(AcDbEntity* pEnt)
{
    if (pEnt != nullptr)
        pEnt->close();
}

} // namespace

Acad::ErrorStatus MavCounter::getIntersectLineBisectrixPoints(
    AcGePoint3d base, double angle, AcDbObjectId id1, AcDbObjectId id2, int n, AcArray<AcGePoint3d>& points)
{
    // 1. The cross line through the base point at the angle.
    AcGePoint3d second;
    get3dPoint(base, 1.0, angle, second);
    AcDbLine crossLine(base, second);
    // 2. Its crossings with both boundaries, nearest the base point.
    AcGePoint3d a;
    AcGePoint3d b;
    Acad::ErrorStatus es = crossing(base, crossLine, id1, a);
    if (es == Acad::eOk)
        es = crossing(base, crossLine, id2, b);
    if (es != Acad::eOk)
        return es;
    // 3-5. The stretch between the crossings, divided from the first.
    AcDbLine stretch(a, b);
    return getBisecrixPointsAtLine(&stretch, n, points);
}

Acad::ErrorStatus MavCounter::getIntersectLineBisectrixPoints(
    AcDbObjectId id1, AcDbObjectId id2, AcDbObjectId baseId, int n, double spacing, AcArray<AcGePoint3d>& points)
{
    // A walk that does not move on would never end.
    if (!(spacing > 0.0))
        return Acad::eInvalidInput;
    // 1. The base curve.
    AcDbEntity* pBaseEnt = nullptr;
    Acad::ErrorStatus es = MavUtils::openEntWithID(baseId, AcDb::kForRead, pBaseEnt);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getIntersectPoint");
        return es;
    }
    const AcDbCurve* pBase = AcDbCurve::cast(pBaseEnt);
    if (pBase == nullptr) {
        pBaseEnt->close();
        return Acad::eInvalidInput;
    }
    // 2-3. The stations along it.
    const std::vector<Station> stations = stationsAlong(pBase, spacing);
    pBaseEnt->close();
    // 4. Both boundaries.
    AcDbEntity* pEnt1 = nullptr;
    AcDbEntity* pEnt2 = nullptr;
    es = MavUtils::openEntWithID(id1, AcDb::kForRead, pEnt1);
    if (es == Acad::eOk)
        es = MavUtils::openEntWithID(id2, AcDb::kForRead, pEnt2);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getIntersectPoint");
        closeIfOpen(pEnt1);
        closeIfOpen(pEnt2);
        return es;
    }
    // 5. A cross line square to the base curve at every station; one that fails adds nothing.
    for (const Station& station : stations) {
        double azimuth = 0.0;
        vectorToAngle(station.deriv.normal(), azimuth);
        getIntersectLineBisectrixPoints(station.point, azimuth + kPi / 2.0, pEnt1, pEnt2, n, points);
    }
    // 6. Done.
    pEnt1->close();
    pEnt2->close();
    return Acad::eOk;
}
