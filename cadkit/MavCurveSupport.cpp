// Curve queries shared by the library's editing members: crossings in plan, the relation of
// two curves, vertex lists of the library's five curve kinds, points along a guide curve.
#include "MavCurveSupport.h"

#include "MavCounter.h"
#include "MavUtils.h"

#include "AcDb2dPolyline.h"
#include "AcDb2dVertex.h"
#include "AcDb3dPolyline.h"
#include "AcDb3dPolylineVertex.h"
#include "AcDbArc.h"
#include "AcDbCurve.h"
#include "AcDbLine.h"
#include "AcDbObjectIterator.h"
#include "AcDbPolyline.h"
#include "AcDbServices.h"
#include "AcGePlane.h"
#include "AcGeVector2d.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace MavCurveSupport {

namespace {

constexpr double kPi = 3.141592653589793;
// Points on curves and touching curves: 1e-10 x 1e6, exactly 1e-4.
constexpr double kTouch = 1e-10 * 1e6;
// A point this near an end of the first curve may still lie on both curves.
constexpr double kNearEnd = 0.01;
constexpr int kMaxClosePasses = 256;

double onCurveDistance(const AcDbCurve* pCurve, const AcGePoint3d& point)
{
    return point.distanceTo(snapOnto(pCurve, point));
}

struct EndPlace {
    double dist = 0.0;
    int flag = 0;
};

EndPlace endPlace(const AcDbCurve* pCurve, const AcGePoint3d& point)
{
    EndPlace place;
    MavUtils::tellLocationOfIntersectPointInDbCurve(pCurve, point, place.dist, place.flag);
    return place;
}

// The result every stage writes once it has a point: the point and both end flags.
struct Meeting {
    AcGePoint3d point;
    EndPlace first;
    EndPlace second;
};

Meeting meetingAt(const AcDbCurve* pFirst, const AcDbCurve* pSecond, const AcGePoint3d& point)
{
    return {point, endPlace(pFirst, point), endPlace(pSecond, point)};
}

void writeMeeting(const Meeting& meeting, AcGePoint3d& point, int& endFlag1, int& endFlag2)
{
    point = meeting.point;
    endFlag1 = meeting.first.flag;
    endFlag2 = meeting.second.flag;
}

// Of several crossings on both curves, the one nearest to lying on both (the first of equals).
AcGePoint3d mostOnBoth(const AcDbCurve* pFirst, const AcDbCurve* pSecond, const AcGePoint3dArray& points)
{
    int best = 0;
    double bestSum = 0.0;
    for (int i = 0; i < points.length(); ++i) {
        const double sum = onCurveDistance(pFirst, points[i]) + onCurveDistance(pSecond, points[i]);
        if (i == 0 || sum < bestSum) {
            best = i;
            bestSum = sum;
        }
    }
    return points[best];
}

// Stage 1: the curves as they are.
void classifyOnBoth(const AcDbCurve* pFirst, const AcDbCurve* pSecond, const AcGePoint3dArray& points,
    int& relation, AcGePoint3d& point, int& endFlag1, int& endFlag2)
{
    const bool several = points.length() > 1;
    Meeting meeting = meetingAt(pFirst, pSecond, several ? mostOnBoth(pFirst, pSecond, points) : points[0]);
    writeMeeting(meeting, point, endFlag1, endFlag2);
    const bool nearFirst = meeting.first.dist < kTouch;
    const bool nearSecond = meeting.second.dist < kTouch;
    if (nearFirst || nearSecond) {
        relation = nearFirst && nearSecond ? 0 : (nearFirst ? 1 : 10);
        return;
    }
    const AcGePoint3d p = meeting.point;
    if (onCurveDistance(pFirst, p) < kTouch && onCurveDistance(pSecond, p) < kTouch) {
        relation = 11;
        point = snapOnto(pFirst, p);
        return;
    }
    // An end of the first curve within reach of the second: it ends on the second after all.
    if (several && meeting.first.dist < kNearEnd && meeting.second.dist > kTouch) {
        const AcGePoint3d onFirst = snapOnto(pFirst, p);
        if (onFirst.distanceTo(snapOnto(pSecond, onFirst)) < kTouch) {
            relation = 1;
            point = snapOnto(pSecond, onFirst);
        } else {
            point = snapOnto(pSecond, p);
        }
        return;
    }
    relation = -73;
    point = snapOnto(pSecond, p);
}

// Stage 2 with several points: the one nearest to an end of the first curve.
AcGePoint3d nearestToEnd(const AcDbCurve* pFirst, const AcGePoint3dArray& points)
{
    int best = 0;
    double bestDist = 0.0;
    for (int i = 0; i < points.length(); ++i) {
        const double dist = endPlace(pFirst, points[i]).dist;
        if (i == 0 || dist < bestDist) {
            best = i;
            bestDist = dist;
        }
    }
    return points[best];
}

// A polyline extended at one end meets again through that end's segment alone.
Acad::ErrorStatus recomputeAtEndSegment(
    const AcDbCurve* pFirst, const AcDbCurve* pSecond, int endFlag1, AcGePoint3d& point)
{
    const auto* pPolyline = static_cast<const AcDbPolyline*>(pFirst);
    const int count = static_cast<int>(pPolyline->numVerts());
    const int marker = endFlag1 == 0 || count < 3 ? 1 : count - 1;
    AcGePoint3dArray points;
    const Acad::ErrorStatus es = intersectInPlan(pFirst, pSecond, AcDb::kExtendThis, points, marker);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"重新计算交点");
        return es;
    }
    if (!points.isEmpty())
        point = points[0];
    return Acad::eOk;
}

Acad::ErrorStatus classifyFirstExtended(const AcDbCurve* pFirst, const AcDbCurve* pSecond,
    const AcGePoint3dArray& points, int& relation, AcGePoint3d& point, int& endFlag1, int& endFlag2)
{
    const bool several = points.length() > 1;
    const Meeting meeting = meetingAt(pFirst, pSecond, several ? nearestToEnd(pFirst, points) : points[0]);
    writeMeeting(meeting, point, endFlag1, endFlag2);
    const bool nearFirst = meeting.first.dist < kTouch;
    const bool nearSecond = meeting.second.dist < kTouch;
    relation = nearFirst ? (nearSecond ? -1 : -9) : -73;
    Acad::ErrorStatus es = Acad::eOk;
    if (several && hasClassName(pFirst, L"AcDbPolyline"))
        es = recomputeAtEndSegment(pFirst, pSecond, endFlag1, point);
    point = snapOnto(pSecond, point);
    return es;
}

void classifySecondExtended(const AcDbCurve* pFirst, const AcDbCurve* pSecond, const AcGePoint3dArray& points,
    int& relation, AcGePoint3d& point, int& endFlag1, int& endFlag2)
{
    const Meeting meeting = meetingAt(pFirst, pSecond, points[0]);
    writeMeeting(meeting, point, endFlag1, endFlag2);
    const bool nearFirst = meeting.first.dist < kTouch;
    const bool nearSecond = meeting.second.dist < kTouch;
    relation = nearSecond ? (nearFirst ? -1110 : -1100) : -1000;
    point = snapOnto(pFirst, point);
}

void classifyBothExtended(const AcDbCurve* pFirst, const AcDbCurve* pSecond, const AcGePoint3dArray& points,
    int& relation, AcGePoint3d& point, int& endFlag1, int& endFlag2)
{
    const Meeting meeting = meetingAt(pFirst, pSecond, points[0]);
    writeMeeting(meeting, point, endFlag1, endFlag2);
    if (meeting.first.dist > kTouch && meeting.second.dist > kTouch)
        relation = -1111;
    point = snapOnto(pFirst, point);
}

// An arc's bulge when run from its start to its end, in plan.
double arcBulge(const AcDbArc* pArc)
{
    double sweep = pArc->endAngle() - pArc->startAngle();
    while (sweep <= 0.0)
        sweep += 2.0 * kPi;
    const double bulge = std::tan(sweep / 4.0);
    return pArc->normal().z < 0.0 ? -bulge : bulge;
}

void appendVertex(AcGePoint3dArray& points, AcGeDoubleArray& bulges, AcArray<int>& indexes, const AcGePoint3d& point,
    double bulge, int index)
{
    points.append(point);
    bulges.append(bulge);
    indexes.append(index);
}

// Arcs carry a code in place of an index: -2003 when taken against their own direction,
// -2008 along it.
constexpr int kArcAgainst = -2003;
constexpr int kArcAlong = -2008;

void scanArc(const AcDbArc* pArc, AcGePoint3dArray& points, AcGeDoubleArray& bulges, AcArray<int>& indexes)
{
    AcGePoint3d start;
    AcGePoint3d end;
    pArc->getStartPoint(start);
    pArc->getEndPoint(end);
    // A first arc runs from its end; a later one from the end nearer the chain's last point.
    bool fromEnd = true;
    if (!points.isEmpty()) {
        const AcGePoint3d& last = points[points.length() - 1];
        fromEnd = last.distanceTo(end) < last.distanceTo(start);
    }
    const double bulge = arcBulge(pArc);
    if (fromEnd) {
        appendVertex(points, bulges, indexes, end, -bulge, kArcAgainst);
        appendVertex(points, bulges, indexes, start, 0.0, 0);
    } else {
        appendVertex(points, bulges, indexes, start, bulge, kArcAlong);
        appendVertex(points, bulges, indexes, end, 0.0, 0);
    }
}

void scanPolylineWithIndexes(
    const AcDbPolyline* pPolyline, AcGePoint3dArray& points, AcGeDoubleArray& bulges, AcArray<int>& indexes)
{
    for (unsigned int i = 0; i < pPolyline->numVerts(); ++i) {
        AcGePoint3d point;
        double bulge = 0.0;
        pPolyline->getPointAt(i, point);
        pPolyline->getBulgeAt(i, bulge);
        appendVertex(points, bulges, indexes, point, bulge, static_cast<int>(i));
    }
}

template <class Vertex, class Polyline>
void scanVertexObjects(const Polyline* pPolyline, AcGePoint3dArray& points, AcGeDoubleArray& bulges,
    AcArray<int>& indexes, bool withBulges)
{
    std::unique_ptr<AcDbObjectIterator> it(pPolyline->vertexIterator());
    int index = 0;
    for (it->start(); !it->done(); it->step()) {
        const auto* pVertex = static_cast<const Vertex*>(it->entity());
        double bulge = 0.0;
        if constexpr (requires { pVertex->bulge(); })
            bulge = withBulges ? pVertex->bulge() : 0.0;
        appendVertex(points, bulges, indexes, pVertex->position(), bulge, index++);
    }
}

void scanEntity(const AcDbEntity* pEnt, AcGePoint3dArray& points, AcGeDoubleArray& bulges, AcArray<int>& indexes,
    int& kind)
{
    if (hasClassName(pEnt, L"AcDbPolyline")) {
        scanPolylineWithIndexes(static_cast<const AcDbPolyline*>(pEnt), points, bulges, indexes);
        kind = 0;
    } else if (hasClassName(pEnt, L"AcDb2dPolyline")) {
        scanVertexObjects<AcDb2dVertex>(static_cast<const AcDb2dPolyline*>(pEnt), points, bulges, indexes, true);
        kind = 1;
    } else if (hasClassName(pEnt, L"AcDb3dPolyline")) {
        scanVertexObjects<AcDb3dPolylineVertex>(
            static_cast<const AcDb3dPolyline*>(pEnt), points, bulges, indexes, false);
        kind = 2;
    } else if (hasClassName(pEnt, L"AcDbLine")) {
        const auto* pLine = static_cast<const AcDbLine*>(pEnt);
        appendVertex(points, bulges, indexes, pLine->startPoint(), 0.0, 0);
        appendVertex(points, bulges, indexes, pLine->endPoint(), 0.0, 0);
        kind = 3;
    } else if (hasClassName(pEnt, L"AcDbArc")) {
        scanArc(static_cast<const AcDbArc*>(pEnt), points, bulges, indexes);
        kind = 4;
    }
}

AcGePoint3d nearestTo(const AcGePoint3d& reference, const AcGePoint3dArray& points)
{
    int best = 0;
    for (int i = 1; i < points.length(); ++i) {
        if (reference.distanceTo(points[i]) <= reference.distanceTo(points[best]))
            best = i;
    }
    return points[best];
}

// One cross line: its crossings with both boundaries (both extended, the nearest to the base
// point) and the points that divide the stretch between them. False when a boundary is missed.
bool divideCrossLine(const AcGePoint3d& base, double angle, const AcDbEntity* pFirst, const AcDbEntity* pSecond,
    int n, AcArray<AcGePoint3d>& points)
{
    AcDbLine crossLine(base, polarPoint(base, 1.0, angle));
    AcGePoint3d crossings[2];
    const AcDbEntity* boundaries[2] = {pFirst, pSecond};
    for (int k = 0; k < 2; ++k) {
        AcGePoint3dArray found;
        if (intersectInPlan(&crossLine, boundaries[k], AcDb::kExtendBoth, found) != Acad::eOk || found.isEmpty())
            return false;
        crossings[k] = nearestTo(base, found);
    }
    const AcGeVector3d stretch = crossings[1] - crossings[0];
    for (int i = 1; i < n; ++i)
        points.append(crossings[0] + stretch * (static_cast<double>(i) / n));
    return true;
}

struct Station {
    AcGePoint3d point;
    AcGeVector3d direction;
};

// Stations every step from the guide's start while short of its length; the end too, unless
// the walk landed on it.
Acad::ErrorStatus walkGuide(const AcDbObjectId& guide, double step, std::vector<Station>& stations)
{
    AcDbEntity* pEnt = nullptr;
    Acad::ErrorStatus es = MavUtils::openEntWithID(guide, AcDb::kForRead, pEnt);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getIntersectPoint");
        return es;
    }
    const AcDbCurve* pCurve = AcDbCurve::cast(pEnt);
    if (pCurve == nullptr) {
        pEnt->close();
        MavUtils::BDTAlert(L"getIntersectPoint");
        return Acad::eInvalidInput;
    }
    double endParam = 0.0;
    double length = 0.0;
    pCurve->getEndParam(endParam);
    pCurve->getDistAtParam(endParam, length);
    double s = 0.0;
    for (; s < length; s += step) {
        Station station;
        pCurve->getPointAtDist(s, station.point);
        pCurve->getFirstDeriv(station.point, station.direction);
        stations.push_back(station);
    }
    if (s > length) {
        Station station;
        pCurve->getEndPoint(station.point);
        pCurve->getFirstDeriv(endParam, station.direction);
        stations.push_back(station);
    }
    pEnt->close();
    return Acad::eOk;
}

} // namespace

Acad::ErrorStatus intersectInPlan(const AcDbEntity* pFirst, const AcDbEntity* pSecond, AcDb::Intersect mode,
    AcGePoint3dArray& points, int firstMarker)
{
    const AcGePlane plan(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis);
    return pFirst->intersectWith(pSecond, mode, plan, points, firstMarker, 0);
}

AcGePoint3d snapOnto(const AcDbCurve* pCurve, const AcGePoint3d& point)
{
    AcGePoint3d onCurve;
    if (pCurve->getClosestPointTo(point, onCurve, false) != Acad::eOk)
        return point;
    return onCurve;
}

Acad::ErrorStatus relationOfTwoCurves(const AcDbCurve* pFirst, const AcDbCurve* pSecond, int& relation,
    AcGePoint3d& point, int& endFlag1, int& endFlag2)
{
    // 1. On both curves.
    AcGePoint3dArray points;
    Acad::ErrorStatus es = intersectInPlan(pFirst, pSecond, AcDb::kOnBothOperands, points);
    if (es != Acad::eOk)
        return es;
    if (!points.isEmpty()) {
        classifyOnBoth(pFirst, pSecond, points, relation, point, endFlag1, endFlag2);
        return Acad::eOk;
    }
    // 2. The first curve extended.
    points.removeAll();
    es = intersectInPlan(pFirst, pSecond, AcDb::kExtendThis, points);
    if (es != Acad::eOk)
        return es;
    if (!points.isEmpty())
        return classifyFirstExtended(pFirst, pSecond, points, relation, point, endFlag1, endFlag2);
    // 3. The second curve extended.
    points.removeAll();
    es = intersectInPlan(pFirst, pSecond, AcDb::kExtendArg, points);
    if (es != Acad::eOk)
        return es;
    if (!points.isEmpty()) {
        classifySecondExtended(pFirst, pSecond, points, relation, point, endFlag1, endFlag2);
        return Acad::eOk;
    }
    // 4. Both extended.
    points.removeAll();
    es = intersectInPlan(pFirst, pSecond, AcDb::kExtendBoth, points);
    if (es != Acad::eOk)
        return es;
    if (!points.isEmpty())
        classifyBothExtended(pFirst, pSecond, points, relation, point, endFlag1, endFlag2);
    return Acad::eOk;
}

Acad::ErrorStatus relationOfTwoCurves(const AcDbObjectId& first, const AcDbObjectId& second, int& relation,
    AcGePoint3d& point, int& endFlag1, int& endFlag2)
{
    AcDbCurve* pFirst = nullptr;
    Acad::ErrorStatus es = MavUtils::openCurveWithID(first, AcDb::kForRead, pFirst);
    if (es != Acad::eOk)
        return es;
    AcDbCurve* pSecond = nullptr;
    es = MavUtils::openCurveWithID(second, AcDb::kForRead, pSecond);
    if (es != Acad::eOk) {
        pFirst->close();
        return es;
    }
    es = relationOfTwoCurves(pFirst, pSecond, relation, point, endFlag1, endFlag2);
    pFirst->close();
    pSecond->close();
    return es;
}

Acad::ErrorStatus scanVertices(const AcDbObjectId& id, AcGePoint3dArray& points, AcGeDoubleArray& bulges,
    AcArray<int>& indexes, int& kind)
{
    AcDbEntity* pEnt = nullptr;
    if (MavUtils::openEntWithID(id, AcDb::kForRead, pEnt) != Acad::eOk) {
        MavUtils::BDTAlert(L"scanPlineEx");
        return Acad::eNotApplicable;
    }
    scanEntity(pEnt, points, bulges, indexes, kind);
    pEnt->close();
    return Acad::eOk;
}

void scanPolyline(const AcDbPolyline* pPolyline, AcGePoint3dArray& points, AcGeDoubleArray& bulges)
{
    AcArray<int> indexes;
    scanPolylineWithIndexes(pPolyline, points, bulges, indexes);
}

void scanVertexDirections(const AcDbPolyline* pPolyline, AcArray<AcGePoint3d>& points)
{
    for (unsigned int i = 0; i < pPolyline->numVerts(); ++i) {
        AcGePoint3d vertex;
        pPolyline->getPointAt(i, vertex);
        vertex = snapOnto(pPolyline, vertex);
        AcGeVector3d direction;
        pPolyline->getFirstDeriv(vertex, direction);
        double azimuth = 0.0;
        MavCounter::vectorToAngle(direction, azimuth);
        points.append(AcGePoint3d(vertex.x, vertex.y, azimuth));
    }
}

AcGePoint3d vertexCentre(const AcDbObjectId& id)
{
    AcGePoint3dArray points;
    AcGeDoubleArray bulges;
    AcArray<int> indexes;
    int kind = -1;
    scanVertices(id, points, bulges, indexes, kind);
    AcGeVector3d sum;
    for (const AcGePoint3d& point : points)
        sum += point.asVector();
    if (points.isEmpty())
        return AcGePoint3d::kOrigin;
    return AcGePoint3d::kOrigin + sum / points.length();
}

Acad::ErrorStatus startEndPoints(const AcDbCurve* pCurve, AcGePoint3d& start, AcGePoint3d& end)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    const Acad::ErrorStatus es = pCurve->getStartPoint(start);
    if (es != Acad::eOk)
        return es;
    return pCurve->getEndPoint(end);
}

Acad::ErrorStatus startEndPoints(const AcDbObjectId& id, AcGePoint3d& start, AcGePoint3d& end)
{
    if (id.isNull())
        return Acad::eInvalidInput;
    AcDbEntity* pEnt = nullptr;
    const Acad::ErrorStatus es = MavUtils::openEntWithID(id, AcDb::kForRead, pEnt);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getStartEndPointInCurve");
        return es;
    }
    if (const AcDbCurve* pCurve = AcDbCurve::cast(pEnt))
        startEndPoints(pCurve, start, end);
    pEnt->close();
    return Acad::eOk;
}

Acad::ErrorStatus lengthAndVertexCount(const AcDbObjectId& id, double& length, int& count)
{
    if (id.isNull())
        return Acad::eInvalidInput;
    AcDbEntity* pEnt = nullptr;
    if (MavUtils::openEntWithID(id, AcDb::kForRead, pEnt) != Acad::eOk) {
        MavUtils::BDTAlert(L"getCurveLength");
        return Acad::eNotApplicable;
    }
    if (const AcDbCurve* pCurve = AcDbCurve::cast(pEnt)) {
        double startParam = 0.0;
        double endParam = 0.0;
        double startDist = 0.0;
        double endDist = 0.0;
        pCurve->getStartParam(startParam);
        pCurve->getEndParam(endParam);
        pCurve->getDistAtParam(startParam, startDist);
        pCurve->getDistAtParam(endParam, endDist);
        length = std::fabs(startDist - endDist);
        if (hasClassName(pEnt, L"AcDbPolyline"))
            count = static_cast<int>(static_cast<const AcDbPolyline*>(pEnt)->numVerts());
        else if (hasClassName(pEnt, L"AcDbLine") || hasClassName(pEnt, L"AcDbArc"))
            count = 2;
    }
    pEnt->close();
    return Acad::eOk;
}

AcGePoint3d polarPoint(const AcGePoint3d& base, double distance, double angle)
{
    return AcGePoint3d(base.x + distance * std::cos(angle), base.y + distance * std::sin(angle), base.z);
}

AcGePoint3d shiftLeft(const AcGePoint3d& point, const AcGeVector3d& direction, double distance)
{
    const AcGeVector3d plan(direction.x, direction.y, 0.0);
    if (plan.isZeroLength())
        return point;
    const AcGeVector3d unit = plan.normal();
    return point + AcGeVector3d(-unit.y, unit.x, 0.0) * distance;
}

bool crossingOfLines(
    const AcGePoint2d& a1, const AcGePoint2d& a2, const AcGePoint2d& b1, const AcGePoint2d& b2, AcGePoint2d& crossing)
{
    const AcGeVector2d da = a2 - a1;
    const AcGeVector2d db = b2 - b1;
    const double denominator = da.x * db.y - da.y * db.x;
    const double scale = da.length() * db.length();
    if (scale == 0.0 || std::fabs(denominator) <= 1e-12 * scale)
        return false;
    const AcGeVector2d offset = b1 - a1;
    const double t = (offset.x * db.y - offset.y * db.x) / denominator;
    crossing = a1 + da * t;
    return true;
}

Acad::ErrorStatus divisionPointsAlongGuide(const AcDbObjectId& first, const AcDbObjectId& second,
    const AcDbObjectId& guide, double angleOffset, int n, double step, AcArray<AcGePoint3d>& points)
{
    if (n < 1 || !(step > 0.0))
        return Acad::eInvalidInput;
    // 1-3. Stations along the guide.
    std::vector<Station> stations;
    Acad::ErrorStatus es = walkGuide(guide, step, stations);
    if (es != Acad::eOk)
        return es;
    // 4. Both boundaries.
    AcDbEntity* pFirst = nullptr;
    AcDbEntity* pSecond = nullptr;
    es = MavUtils::openEntWithID(first, AcDb::kForRead, pFirst);
    if (es == Acad::eOk)
        es = MavUtils::openEntWithID(second, AcDb::kForRead, pSecond);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getIntersectPoint");
        if (pFirst != nullptr)
            pFirst->close();
        return es;
    }
    // 5. One cross line per station, turned from the guide's direction there.
    for (const Station& station : stations) {
        double azimuth = 0.0;
        MavCounter::vectorToAngle(station.direction.normal(), azimuth);
        divideCrossLine(station.point, azimuth + angleOffset, pFirst, pSecond, n, points);
    }
    // 6. Close both.
    pFirst->close();
    pSecond->close();
    return Acad::eOk;
}

bool hasClassName(const AcDbEntity* pEnt, const wchar_t* name) { return std::wcscmp(pEnt->isA()->name(), name) == 0; }

int mavCurveKind(const AcDbCurve* pCurve)
{
    static const wchar_t* const kNames[] = {L"AcDbPolyline", L"AcDb2dPolyline", L"AcDb3dPolyline", L"AcDbLine", L"AcDbArc"};
    for (int kind = 1; kind <= 5; ++kind) {
        if (hasClassName(pCurve, kNames[kind - 1]))
            return kind;
    }
    return 0;
}

void closeFully(AcDbEntity* pEnt)
{
    for (int pass = 0; pass < kMaxClosePasses; ++pass) {
        const bool last = pEnt->isReallyClosing();
        const Acad::ErrorStatus es = pEnt->close();
        if (es != Acad::eOk) {
            MavUtils::errorReport(es);
            return;
        }
        if (last)
            return;
    }
}

} // namespace MavCurveSupport
