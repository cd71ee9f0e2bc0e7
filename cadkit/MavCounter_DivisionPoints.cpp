// Rows of points that divide the gap between two boundary curves into equal parts, along one
// cross line or along cross lines laid at a fixed spacing along a guide curve, square to it or
// turned by an angle from it; the drawing joins them into lines that run between and along the
// boundaries.
#include "MavCounter.h"

#include "MavHelpers.h"
#include "MavUtils.h"

#include "AcDbCurve.h"
#include "AcDbLine.h"

#include <cmath>
#include <limits>
#include <vector>

namespace {

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

// A station of a guide curve: a point and the direction of travel there.
struct Station {
    AcGePoint3d point;
    AcGeVector3d tangent;
};

// A station whose point or direction the curve cannot give is left out.
void addStation(const AcDbCurve* pGuide, bool atEnd, double dist, std::vector<Station>& stations)
{
    Station station;
    const Acad::ErrorStatus es
        = atEnd ? pGuide->getEndPoint(station.point) : pGuide->getPointAtDist(dist, station.point);
    if (es == Acad::eOk && pGuide->getFirstDeriv(station.point, station.tangent) == Acad::eOk)
        stations.push_back(station);
}

// Stations every step from the start; the end is one more unless the walk lands on it.
std::vector<Station> stationsAlong(const AcDbCurve* pGuide, double step)
{
    std::vector<Station> stations;
    double endParam = 0.0;
    double length = 0.0;
    pGuide->getEndParam(endParam);
    pGuide->getDistAtParam(endParam, length);
    double s = 0.0;
    for (; length > s; s += step)
        addStation(pGuide, false, s, stations);
    if (s > length && length + step > s)
        addStation(pGuide, true, length, stations);
    return stations;
}

// A walk that does not move on would never end, and fewer than one part divides nothing.
bool walkRefused(int n, double step) { return n < 1 || !(step > 0.0); }

// The walks' last steps: both boundaries opened, a cross line at every station turned by the
// angle from the direction there (one that fails adds nothing), both closed again.
Acad::ErrorStatus divideAtStations(const std::vector<Station>& stations, const AcDbObjectId& id1,
    const AcDbObjectId& id2, double turn, int n, AcArray<AcGePoint3d>& points)
{
    AcDbEntity* pEnt1 = nullptr;
    AcDbEntity* pEnt2 = nullptr;
    Acad::ErrorStatus es = MavUtils::openEntWithID(id1, AcDb::kForRead, pEnt1);
    if (es == Acad::eOk) {
        es = MavUtils::openEntWithID(id2, AcDb::kForRead, pEnt2);
        if (es != Acad::eOk)
            pEnt1->close();
    }
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getIntersectPoint");
        return es;
    }
    for (const Station& station : stations) {
        double azimuth = 0.0;
        MavCounter::vectorToAngle(station.tangent.normal(AcGeContext::gTol), azimuth);
        MavCounter::getIntersectLineBisectrixPoints(station.point, azimuth + turn, pEnt1, pEnt2, n, points);
    }
    pEnt2->close();
    pEnt1->close();
    return Acad::eOk;
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
    if (walkRefused(n, spacing))
        return Acad::eInvalidInput;
    // 1. The base curve.
    AcDbEntity* pBaseEnt = nullptr;
    const Acad::ErrorStatus es = MavUtils::openEntWithID(baseId, AcDb::kForRead, pBaseEnt);
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
    // 4-6. A cross line square to the base curve at every station.
    return divideAtStations(stations, id1, id2, kPi / 2.0, n, points);
}

Acad::ErrorStatus MavCounter::getIntersectLineBisectrixPointsBaseOnAngle(const AcDbObjectId& id1,
    const AcDbObjectId& id2, const AcDbObjectId& guide, double angleOffset, int n, double step,
    AcArray<AcGePoint3d>& points)
{
    if (walkRefused(n, step))
        return Acad::eInvalidInput;
    // 1. The guide curve.
    AcDbCurve* pGuide = nullptr;
    const Acad::ErrorStatus es = MavUtils::openCurveWithID(guide, AcDb::kForRead, pGuide);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getIntersectPoint");
        return es;
    }
    // 2. Its stations.
    const std::vector<Station> stations = stationsAlong(pGuide, step);
    pGuide->close();
    // 3-5. A cross line at every station, turned from the guide's direction there.
    return divideAtStations(stations, id1, id2, angleOffset, n, points);
}
