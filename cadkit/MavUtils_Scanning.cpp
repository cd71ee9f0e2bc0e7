// Vertex lists of the library's curve kinds: points, bulges and indexes kept in step, appended
// curve after curve so that the merge can build one polyline through a chain of curves; the
// ends, tangents and bulge of an arc read in either order; the element type of a curve.
#include "MavUtils.h"

#include "MavCounter.h"
#include "MavHelpers.h"

#include "AcDb2dPolyline.h"
#include "AcDb2dVertex.h"
#include "AcDb3dPolyline.h"
#include "AcDb3dPolylineVertex.h"
#include "AcDbArc.h"
#include "AcDbLine.h"
#include "AcDbObjectIterator.h"
#include "AcDbPolyline.h"
#include "AcDbServices.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kArcRunsBackward = -2003;
constexpr int kArcRunsForward = -2008;

int arcCode(int direction) { return direction == -1 ? kArcRunsBackward : kArcRunsForward; }

// An arc whose normal points down runs clockwise in plan from its start to its end.
double planTurn(const AcDbArc* pArc) { return pArc->normal().z < 0.0 ? -1.0 : 1.0; }

// tan(theta / 4) of the arc, never negative.
double arcBulge(const AcDbArc* pArc)
{
    AcGePoint3d start;
    AcGePoint3d end;
    pArc->getStartPoint(start);
    pArc->getEndPoint(end);
    double startParam = 0.0;
    double endParam = 0.0;
    double startDist = 0.0;
    double endDist = 0.0;
    pArc->getStartParam(startParam);
    pArc->getEndParam(endParam);
    pArc->getDistAtParam(startParam, startDist);
    pArc->getDistAtParam(endParam, endDist);
    const double radius = pArc->radius();
    const int major = radius * kPi < std::fabs(endDist - startDist) ? 1 : 0;
    // A half circle's chord may come out a hair longer than its diameter.
    const double chord = std::min(start.distanceTo(end), 2.0 * radius);
    double bulge = 0.0;
    MavCounter::calculateBulge(radius, chord, major, bulge);
    return bulge;
}

template <class Vertex>
const Vertex* vertexAt(const AcDbObjectIterator& it, Vertex*& opened)
{
    opened = nullptr;
    if (!it.objectId().isNull() && acdbOpenObject(opened, it.objectId(), AcDb::kForRead) == Acad::eOk)
        return opened;
    return Vertex::cast(it.entity());
}

// Each vertex the polyline's iterator gives, in order, with its running index.
template <class Vertex, class Polyline, class Visit>
void forEachVertex(const Polyline* pPolyline, Visit visit)
{
    AcDbObjectIterator* pIt = pPolyline->vertexIterator();
    int index = 0;
    for (pIt->start(); !pIt->done(); pIt->step()) {
        Vertex* pOpened = nullptr;
        if (const Vertex* pVertex = vertexAt(*pIt, pOpened))
            visit(*pVertex, index++);
        if (pOpened != nullptr)
            pOpened->close();
    }
    delete pIt;
}

// The arc after a chain: from the chain's last point on, the bulge signed for that order.
void appendArcAfterChain(const AcDbArc* pArc, const AcGePoint3dArray& chain, AcGePoint3dArray& points,
    AcGeDoubleArray& bulges, AcArray<int>& indexes)
{
    const AcGePoint3d last = chain.last();
    // One point gives no direction to come from.
    const AcGeVector3d refDir = chain.length() > 1 ? last - chain[chain.length() - 2] : AcGeVector3d();
    AcGePoint3d first;
    AcGePoint3d second;
    AcGeVector3d firstTangent;
    AcGeVector3d secondTangent;
    double bulge = 0.0;
    int direction = -1;
    MavUtils::scanarcEx(pArc, last, refDir, first, second, firstTangent, secondTangent, bulge, direction);
    if (second.distanceTo(last) > first.distanceTo(last)) {
        points.append(first);
        points.append(second);
        bulges.append(bulge);
    } else {
        points.append(second);
        points.append(first);
        // Listed the other way round, the arc bends the other way.
        bulges.append(-bulge);
    }
    bulges.append(0.0);
    indexes.append(arcCode(direction));
    indexes.append(0);
}

// The first arc of a chain: from its end to its start.
void appendFirstArc(AcDbArc* pArc, AcGePoint3dArray& points, AcGeDoubleArray& bulges, AcArray<int>& indexes)
{
    AcGePoint3d endPoint;
    AcGePoint3d startPoint;
    AcGeVector3d endTangent;
    AcGeVector3d startTangent;
    double bulge = 0.0;
    int direction = -1;
    MavUtils::scanarc(pArc, endPoint, startPoint, endTangent, startTangent, bulge, direction);
    points.append(endPoint);
    points.append(startPoint);
    // The sign follows the arc's turn in plan, which the tangents' azimuths do not tell once a
    // tangent passes through +X.
    bulges.append(-planTurn(pArc) * bulge);
    bulges.append(0.0);
    indexes.append(arcCode(direction));
    indexes.append(0);
}

// Steps S2 to S4: the entity's vertices by its class; an arc continues the chain. The kind
// code, or -1 for a class the library does not scan.
int appendCurveVertices(AcDbEntity* pEnt, const AcGePoint3dArray& chain, AcGePoint3dArray& points,
    AcGeDoubleArray& bulges, AcArray<int>& indexes)
{
    if (IsClass(pEnt, L"AcDbPolyline")) {
        MavUtils::scanPline(AcDbPolyline::cast(pEnt), points, bulges, indexes);
        return 0;
    }
    if (IsClass(pEnt, L"AcDb2dPolyline")) {
        MavUtils::scan2dPline(AcDb2dPolyline::cast(pEnt), points, bulges, indexes);
        return 1;
    }
    if (IsClass(pEnt, L"AcDb3dPolyline")) {
        MavUtils::scan3dPline(AcDb3dPolyline::cast(pEnt), points, bulges, indexes);
        return 2;
    }
    if (IsClass(pEnt, L"AcDbLine")) {
        MavUtils::scanline(AcDbLine::cast(pEnt), points);
        bulges.append(0.0);
        bulges.append(0.0);
        indexes.append(0);
        indexes.append(0);
        return 3;
    }
    if (IsClass(pEnt, L"AcDbArc")) {
        if (chain.isEmpty())
            appendFirstArc(AcDbArc::cast(pEnt), points, bulges, indexes);
        else
            appendArcAfterChain(AcDbArc::cast(pEnt), chain, points, bulges, indexes);
        return 4;
    }
    return -1;
}

template <class T>
void dropLast(AcArray<T>& list)
{
    if (!list.isEmpty())
        list.removeLast();
}

template <class T>
void dropFirst(AcArray<T>& list)
{
    if (!list.isEmpty())
        list.removeAt(0);
}

} // namespace

Acad::ErrorStatus MavUtils::scanPlineEx(
    AcDbObjectId id, AcGePoint3dArray& points, AcGeDoubleArray& bulges, AcArray<int>& indexes, int& kind)
{
    // S1. The entity, for read.
    AcDbEntity* pEnt = nullptr;
    if (openEntWithID(id, AcDb::kForRead, pEnt) != Acad::eOk) {
        BDTAlert(L"scanPlineEx");
        return Acad::eNotApplicable;
    }
    // S2 to S4. Its vertices by class, an arc oriented against the points already listed.
    const AcGePoint3dArray chain = points;
    const int scanned = appendCurveVertices(pEnt, chain, points, bulges, indexes);
    if (scanned >= 0)
        kind = scanned;
    pEnt->close();
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::scanPlineConsiderLinkCurves(const AcDbObjectId& id, AcGePoint3dArray& points,
    AcGeDoubleArray& bulges, AcArray<int>& indexes, int dropChainEnd, int dropCurveStart)
{
    // T1. The curve, for read.
    AcDbCurve* pCurve = nullptr;
    if (openCurveWithID(id, AcDb::kForRead, pCurve) != Acad::eOk) {
        BDTAlert(L"scanPlineEx");
        return Acad::eNotApplicable;
    }
    // T2. Its vertices into lists of their own, an arc oriented against the chain.
    AcGePoint3dArray newPoints;
    AcGeDoubleArray newBulges;
    AcArray<int> newIndexes;
    appendCurveVertices(pCurve, points, newPoints, newBulges, newIndexes);
    pCurve->close();
    // T3. The point the chain and the curve share is kept once.
    if (dropChainEnd == 1) {
        dropLast(points);
        dropLast(bulges);
        dropLast(indexes);
    }
    if (dropCurveStart == 1) {
        dropFirst(newPoints);
        dropFirst(newBulges);
        dropFirst(newIndexes);
    }
    points.append(newPoints);
    bulges.append(newBulges);
    indexes.append(newIndexes);
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::scanPline(AcDbPolyline* pPolyline, AcGePoint3dArray& points, AcGeDoubleArray& bulges)
{
    if (pPolyline == nullptr)
        return Acad::eInvalidInput;
    for (unsigned int i = 0; i < pPolyline->numVerts(); ++i) {
        AcGePoint3d point;
        double bulge = 0.0;
        pPolyline->getPointAt(i, point);
        pPolyline->getBulgeAt(i, bulge);
        points.append(point);
        bulges.append(bulge);
    }
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::scanPlineEx(AcDbPolyline* pPolyline, AcArray<AcGePoint3d>& points)
{
    if (pPolyline == nullptr)
        return Acad::eInvalidInput;
    for (unsigned int i = 0; i < pPolyline->numVerts(); ++i) {
        AcGePoint3d vertex;
        pPolyline->getPointAt(i, vertex);
        AcGePoint3d onCurve = vertex;
        pPolyline->getClosestPointTo(vertex, onCurve, false);
        AcGeVector3d deriv;
        pPolyline->getFirstDeriv(onCurve, deriv);
        double azimuth = 0.0;
        MavCounter::vectorToAngle(deriv, azimuth);
        points.append(AcGePoint3d(onCurve.x, onCurve.y, azimuth));
    }
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::scan2dPline(
    AcDb2dPolyline* pPolyline, AcGePoint3dArray& points, AcGeDoubleArray& bulges, AcArray<int>& indexes)
{
    if (pPolyline == nullptr)
        return Acad::eInvalidInput;
    forEachVertex<AcDb2dVertex>(pPolyline, [&](const AcDb2dVertex& vertex, int index) {
        points.append(vertex.position());
        bulges.append(vertex.bulge());
        indexes.append(index);
    });
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::scan3dPline(
    AcDb3dPolyline* pPolyline, AcGePoint3dArray& points, AcGeDoubleArray& bulges, AcArray<int>& indexes)
{
    if (pPolyline == nullptr)
        return Acad::eInvalidInput;
    forEachVertex<AcDb3dPolylineVertex>(pPolyline, [&](const AcDb3dPolylineVertex& vertex, int index) {
        points.append(vertex.position());
        bulges.append(0.0);
        indexes.append(index);
    });
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::scanline(AcDbLine* pLine, AcGePoint3dArray& points)
{
    if (pLine == nullptr)
        return Acad::eInvalidInput;
    points.append(pLine->startPoint());
    points.append(pLine->endPoint());
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::scanarc(AcDbArc* pArc, AcGePoint3d& first, AcGePoint3d& second,
    AcGeVector3d& firstTangent, AcGeVector3d& secondTangent, double& bulge, int& direction)
{
    if (pArc == nullptr)
        return Acad::eInvalidInput;
    // A1. The end first, then the start.
    pArc->getEndPoint(first);
    pArc->getStartPoint(second);
    // A2. The bulge's size.
    bulge = arcBulge(pArc);
    // A3. The tangents at both ends.
    pArc->getFirstDeriv(first, firstTangent);
    const Acad::ErrorStatus es = pArc->getFirstDeriv(second, secondTangent);
    // A4. +1 when the start tangent's azimuth is the greater.
    double startAzimuth = 0.0;
    double endAzimuth = 0.0;
    MavCounter::vectorToAngle(secondTangent, startAzimuth);
    MavCounter::vectorToAngle(firstTangent, endAzimuth);
    direction = startAzimuth > endAzimuth ? 1 : -1;
    return es;
}

Acad::ErrorStatus MavUtils::scanarcEx(const AcDbArc* pArc, const AcGePoint3d& refPoint, const AcGeVector3d& refDir,
    AcGePoint3d& first, AcGePoint3d& second, AcGeVector3d& firstTangent, AcGeVector3d& secondTangent,
    double& bulge, int& direction)
{
    if (pArc == nullptr)
        return Acad::eInvalidInput;
    // E1. Start, end, and the bulge of that order.
    pArc->getStartPoint(first);
    pArc->getEndPoint(second);
    bulge = planTurn(pArc) * arcBulge(pArc);
    // E2. The nearer end first (the end of equals).
    if (refPoint.distanceTo(second) <= refPoint.distanceTo(first)) {
        swapGePoint3d(first, second);
        bulge = -bulge;
    }
    // E3. +1 when the chord turns further than the way the chain came.
    double refAzimuth = 0.0;
    double chordAzimuth = 0.0;
    MavCounter::vectorToAngle(refDir, refAzimuth);
    MavCounter::vectorToAngle(second - first, chordAzimuth);
    direction = refAzimuth < chordAzimuth ? 1 : -1;
    // E4 and E5. The tangents at both listed points.
    pArc->getFirstDeriv(first, firstTangent);
    return pArc->getFirstDeriv(second, secondTangent);
}

Acad::ErrorStatus MavUtils::scanElementType(const AcDbObjectId& id, int& type)
{
    AcDbEntity* pEnt = nullptr;
    if (openEntWithID(id, AcDb::kForRead, pEnt) != Acad::eOk) {
        BDTAlert(L"scanLinkElements");
        type = -1;
        return Acad::eNotApplicable;
    }
    if (IsClass(pEnt, L"AcDbLine"))
        type = 1;
    else if (IsClass(pEnt, L"AcDbArc"))
        type = 2;
    else if (IsClass(pEnt, L"AcDb2dPolyline") || IsClass(pEnt, L"AcDb3dPolyline") || IsClass(pEnt, L"AcDbPolyline"))
        type = 3;
    pEnt->close();
    return Acad::eOk;
}
