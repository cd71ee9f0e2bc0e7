// Curves parallel to a curve at a distance. The polyline members build the offset of a
// lightweight polyline vertex by vertex on a side that a given point chooses; the curve
// members hand the work to the platform's offset and join what comes back; the line members
// move a straight line sideways.
#include "MavUtils.h"

#include "MavCounter.h"
#include "MavHelpers.h"

#include "AcDbCurve.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "acut.h"

#include <cmath>

namespace {

// Inner vertices nearer than this to the vertex handled before add no corner of their own.
constexpr double kCoincidentVertex = 0.001;
// Below this a line is not moved at all.
constexpr double kNoOffset = 1e-5;

bool isLightweightPolyline(const AcDbEntity* pEnt) { return IsClass(pEnt, L"AcDbPolyline"); }

// The point moved by a distance along the left normal (a quarter turn counter-clockwise about
// +Z) of a direction in plan; the point itself for a direction without length.
AcGePoint3d shiftLeft(const AcGePoint3d& point, const AcGeVector3d& direction, double distance)
{
    const AcGeVector3d plan(direction.x, direction.y, 0.0);
    if (plan.isZeroLength())
        return point;
    const AcGeVector3d unit = plan.normal();
    return point + AcGeVector3d(-unit.y, unit.x, 0.0) * distance;
}

// Signed distances are positive toward the left of the polyline's direction. The two members
// that build offsets vertex by vertex read their side point in opposite ways, and each keeps
// its own, since their callers place the point by it: the mitred all-lines offset goes toward
// the point, the vertex-by-vertex offset of any polyline goes to the side away from it.
// offsetPolylineEx hands a polyline to one or the other as they are, so its side follows the
// member it picks.
bool pointOnTheLeft(const AcDbCurve* pSource, const AcGePoint3d& sidePoint)
{
    return MavUtils::tellDirection(const_cast<AcDbCurve*>(pSource), sidePoint) != 0;
}

double distanceTowardPoint(const AcDbCurve* pSource, double distance, const AcGePoint3d& sidePoint)
{
    return pointOnTheLeft(pSource, sidePoint) ? std::fabs(distance) : -std::fabs(distance);
}

double distanceAwayFromPoint(const AcDbCurve* pSource, double distance, const AcGePoint3d& sidePoint)
{
    return -distanceTowardPoint(pSource, distance, sidePoint);
}

AcGePoint2d plan(const AcGePoint3d& point) { return AcGePoint2d(point.x, point.y); }

// A new polyline through the points: straight segments, default widths, open.
template <class Point>
AcDbPolyline* straightPolyline(const AcArray<Point>& points)
{
    auto* pPolyline = new AcDbPolyline(static_cast<unsigned int>(points.length()));
    for (int i = 0; i < points.length(); ++i)
        pPolyline->addVertexAt(static_cast<unsigned int>(i), AcGePoint2d(points[i].x, points[i].y), 0.0, -1.0, -1.0);
    return pPolyline;
}

struct Vertex {
    AcGePoint3d point;
    AcGeVector3d direction;
};

// The vertex in the world and the polyline's direction of travel there.
Vertex vertexAt(const AcDbPolyline* pSource, unsigned int i)
{
    Vertex vertex;
    pSource->getPointAt(i, vertex.point);
    pSource->getFirstDeriv(vertex.point, vertex.direction);
    vertex.direction = AcGeVector3d(vertex.direction.x, vertex.direction.y, 0.0);
    return vertex;
}

// The corner of the two offset segments at an inner vertex: on the offset of the segment
// before it and on the corner's bisector. Parallel lines give no corner: the point before.
AcGePoint2d mitredCorner(
    const AcGePoint2d& previous, const Vertex& vertex, const AcGeVector3d& previousDirection, double s)
{
    const AcGePoint3d onPreviousOffset = shiftLeft(vertex.point, previousDirection, s);
    const AcGeVector3d bisector = previousDirection.normal() + vertex.direction.normal();
    const AcGePoint3d onBisector = shiftLeft(vertex.point, bisector, s);
    AcGePoint2d corner = previous;
    MavCounter::getIntersectPoint(
        previous, plan(onPreviousOffset), plan(vertex.point), plan(onBisector), corner, AcDb::kExtendBoth);
    return corner;
}

// The offset points of a polyline's vertices: the ends moved square to the polyline, inner
// vertices mitred; inner vertices that repeat the one before are skipped when asked.
AcArray<AcGePoint2d> mitredOffsetPoints(const AcDbPolyline* pSource, double s, bool skipRepeated)
{
    AcArray<AcGePoint2d> points;
    const unsigned int n = pSource->numVerts();
    Vertex previous;
    for (unsigned int i = 0; i < n; ++i) {
        Vertex vertex = vertexAt(pSource, i);
        vertex.point.z = 0.0;
        if (i == 0 || i == n - 1) {
            points.append(plan(shiftLeft(vertex.point, vertex.direction, s)));
        } else {
            if (skipRepeated && vertex.point.distanceTo(previous.point) < kCoincidentVertex)
                continue;
            points.append(mitredCorner(points.last(), vertex, previous.direction, s));
        }
        previous = vertex;
    }
    return points;
}

// Opens the id as a curve and runs the polyline member on it; other curves give nothing.
template <class Offset>
Acad::ErrorStatus withPolyline(const AcDbObjectId& id, Offset offset)
{
    AcDbCurve* pCurve = nullptr;
    const Acad::ErrorStatus es = MavUtils::openCurveWithID(id, AcDb::kForRead, pCurve);
    if (es != Acad::eOk)
        return es;
    Acad::ErrorStatus result = Acad::eOk;
    if (isLightweightPolyline(pCurve))
        result = offset(static_cast<const AcDbPolyline*>(pCurve));
    pCurve->close();
    return result;
}

// The platform's offset pieces: one is the result, several are joined through the drawing
// into one polyline; the output stays as it was when nothing comes out.
Acad::ErrorStatus offsetAndJoin(const AcDbCurve* pCurve, double distance, AcDbEntity*& pOffset)
{
    // The platform's offset.
    AcDbVoidPtrArray pieces;
    Acad::ErrorStatus es = pCurve->getOffsetCurves(distance, pieces);
    if (es != Acad::eOk) {
        for (void* p : pieces)
            delete static_cast<AcDbEntity*>(p);
        return es;
    }
    // One piece.
    if (pieces.length() <= 1) {
        if (pieces.length() == 1 && pieces[0] != nullptr)
            pOffset = static_cast<AcDbEntity*>(pieces[0]);
        return Acad::eOk;
    }
    // Several pieces: through the drawing, merged, then erased again.
    AcArray<AcDbObjectId> ids;
    for (void* p : pieces) {
        if (p == nullptr)
            continue;
        AcDbObjectId id;
        if (MavUtils::addToCurrentSpaceAndClose(static_cast<AcDbEntity*>(p), id) == Acad::eOk)
            ids.append(id);
    }
    es = MavUtils::mergePline(ids, AcDbObjectId::kNull, pOffset);
    for (const AcDbObjectId& id : ids)
        MavUtils::deleteObj(id);
    return es;
}

// A vertex record of a lightweight polyline.
struct VertexRecord {
    AcGePoint2d point;
    double bulge = 0.0;
    double startWidth = -1.0;
    double endWidth = -1.0;
};

// The polyline's vertex records without repeated consecutive vertices. Of each repeated pair
// the vertex that starts the zero-length segment goes, so every remaining segment keeps its
// own bulge and widths and the outline stays as it was drawn.
AcArray<VertexRecord> recordsWithoutRepeats(const AcDbPolyline* pPolyline)
{
    AcArray<VertexRecord> records;
    const unsigned int n = pPolyline->numVerts();
    for (unsigned int i = 0; i < n; ++i) {
        VertexRecord record;
        pPolyline->getPointAt(i, record.point);
        AcGePoint2d next;
        if (i + 1 < n && pPolyline->getPointAt(i + 1, next) == Acad::eOk && record.point.isEqualTo(next))
            continue;
        pPolyline->getBulgeAt(i, record.bulge);
        pPolyline->getWidthsAt(i, record.startWidth, record.endWidth);
        records.append(record);
    }
    return records;
}

// A polyline whose consecutive vertices repeat is rewritten in place without them, since the
// zero-length segments trip the platform's offset; a polyline without repeats is not touched.
Acad::ErrorStatus dropRepeatedVertices(AcDbPolyline* pPolyline)
{
    const AcArray<VertexRecord> records = recordsWithoutRepeats(pPolyline);
    if (static_cast<unsigned int>(records.length()) == pPolyline->numVerts())
        return Acad::eOk;
    if (pPolyline->isDatabaseResident() && !pPolyline->isWriteEnabled()) {
        const Acad::ErrorStatus es = pPolyline->upgradeOpen();
        if (es != Acad::eOk)
            return es;
    }
    pPolyline->reset(false, static_cast<unsigned int>(records.length()));
    for (int i = 0; i < records.length(); ++i) {
        const VertexRecord& r = records[i];
        pPolyline->addVertexAt(static_cast<unsigned int>(i), r.point, r.bulge, r.startWidth, r.endWidth);
    }
    return Acad::eOk;
}

} // namespace

Acad::ErrorStatus MavUtils::offsetPolylineOnlyLines(
    const AcDbPolyline* pSource, double distance, const AcGePoint3d& sidePoint, AcDbPolyline*& pOffset)
{
    // 1. The side of the point.
    const double s = distanceTowardPoint(pSource, distance, sidePoint);
    // 2. Ends square, inner vertices mitred, repeated inner vertices skipped.
    AcArray<AcGePoint2d> points = mitredOffsetPoints(pSource, s, true);
    // 3. Repeated points go.
    purgeAcArray(points);
    // 4. The new polyline, the caller's.
    pOffset = straightPolyline(points);
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::offsetPolyline(
    const AcDbEntity* pSource, double distance, const AcGePoint3d& sidePoint, AcDbEntity*& pOffset)
{
    // 1. Lightweight polylines only.
    if (pSource == nullptr || !isLightweightPolyline(pSource))
        return Acad::eOk;
    const auto* pPolyline = static_cast<const AcDbPolyline*>(pSource);
    // 2. The side of the point.
    const double turn = pointOnTheLeft(pPolyline, sidePoint) ? kPi / 2.0 : -kPi / 2.0;
    // 3. Each vertex moved square to its own direction.
    AcArray<AcGePoint3d> points;
    scanPlineEx(const_cast<AcDbPolyline*>(pPolyline), points);
    for (AcGePoint3d& point : points) {
        AcGePoint3d moved;
        MavCounter::get3dPoint(AcGePoint3d(point.x, point.y, 0.0), std::fabs(distance), point.z + turn, moved);
        point = moved;
    }
    // 4. Repeated points go; the new polyline is the caller's.
    purgeAcArray(points);
    pOffset = straightPolyline(points);
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::offsetCurveAuto(AcDbObjectId& id, double distance, AcDbEntity*& pOffset, int& special)
{
    // 1. The entity.
    special = 0;
    AcDbEntity* pEnt = nullptr;
    Acad::ErrorStatus es = openEntWithID(id, AcDb::kForRead, pEnt);
    if (es != Acad::eOk) {
        BDTAlert(L"offsetCurveAuto openEntWithID");
        return Acad::eNotApplicable;
    }
    // 2. The platform's offset.
    es = offsetCurve(pEnt, distance, pOffset);
    CloseFully(pEnt);
    if (es == Acad::eOk)
        return Acad::eOk;
    // 3. Length and vertex count.
    double length = 0.0;
    int count = 0;
    es = MavCounter::getCurveLengthEx(id, length, count);
    if (es != Acad::eOk) {
        acutPrintf(L"\n 特殊处理：%ld", static_cast<long>(id.asOldId()));
        printCurveInfor(id, 1);
        BDTAlert(L"getCurveLengthEx");
        return es;
    }
    // 4. Too few vertices to thin out.
    if (count <= 10) {
        BDTAlert(L"num < 10");
        return Acad::eNotApplicable;
    }
    // 5. Re-divided into a tenth as many pieces.
    es = partDbCurve(id, count / 10);
    if (es != Acad::eOk) {
        BDTAlert(L"partDbCurve");
        return es;
    }
    // 6-7. Offset again.
    es = openEntWithID(id, AcDb::kForRead, pEnt);
    if (es != Acad::eOk) {
        BDTAlert(L"openEntWithID");
        return es;
    }
    es = offsetCurve(pEnt, distance, pOffset);
    CloseFully(pEnt);
    special = 1;
    return es;
}

int MavUtils::isValidOffsetCurve(AcDbCurve* pSource, AcDbCurve* pOffset, const AcGePoint3d& point)
{
    const double toSource = point.distanceTo(ClosestPointOn(pSource, point));
    const double toOffset = point.distanceTo(ClosestPointOn(pOffset, point));
    return toOffset < toSource ? 1 : 0;
}

Acad::ErrorStatus MavUtils::offsetPolylineCommon(
    const AcDbPolyline* pSource, double distance, const AcGePoint3d& sidePoint, AcDbPolyline*& pOffset)
{
    // 1. The side opposite the point.
    const double s = distanceAwayFromPoint(pSource, distance, sidePoint);
    // 2-6. Ends square, every inner vertex mitred.
    const AcArray<AcGePoint2d> points = mitredOffsetPoints(pSource, s, false);
    // 7. The new polyline, in the current space.
    pOffset = straightPolyline(points);
    addToCurrentSpaceAndClose(pOffset);
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::offsetPolylineCommon(
    const AcDbObjectId& id, double distance, const AcGePoint3d& sidePoint, AcDbPolyline*& pOffset)
{
    return withPolyline(id, [&](const AcDbPolyline* pSource) {
        return offsetPolylineCommon(pSource, distance, sidePoint, pOffset);
    });
}

Acad::ErrorStatus MavUtils::offsetPolylineOnlyLines(
    const AcDbObjectId& id, double distance, const AcGePoint3d& sidePoint, AcDbPolyline*& pOffset)
{
    return withPolyline(id, [&](const AcDbPolyline* pSource) {
        return offsetPolylineOnlyLines(pSource, distance, sidePoint, pOffset);
    });
}

Acad::ErrorStatus MavUtils::offsetPolylineEx(
    const AcDbPolyline* pSource, double distance, const AcGePoint3d& sidePoint, AcDbPolyline*& pOffset)
{
    if (pSource->isOnlyLines())
        return offsetPolylineOnlyLines(pSource, distance, sidePoint, pOffset);
    return offsetPolylineCommon(pSource, distance, sidePoint, pOffset);
}

Acad::ErrorStatus MavUtils::offsetPolyline(
    const AcDbObjectId& id, double distance, const AcGePoint3d& sidePoint, AcDbPolyline*& pOffset)
{
    return withPolyline(
        id, [&](const AcDbPolyline* pSource) { return offsetPolylineEx(pSource, distance, sidePoint, pOffset); });
}

Acad::ErrorStatus MavUtils::offsetPolyline(
    const AcDbObjectId& id, double distance, const AcGePoint3d& sidePoint, AcDbEntity*& pOffset)
{
    AcDbEntity* pEnt = nullptr;
    if (openEntWithID(id, AcDb::kForRead, pEnt) != Acad::eOk)
        return Acad::eNotApplicable;
    const Acad::ErrorStatus es = offsetPolyline(static_cast<const AcDbEntity*>(pEnt), distance, sidePoint, pOffset);
    pEnt->close();
    return es;
}

Acad::ErrorStatus MavUtils::offsetCurve(
    AcDbEntity* pSource, double distance, const AcGePoint3d&, AcDbEntity*& pOffset)
{
    const AcDbCurve* pCurve = AcDbCurve::cast(pSource);
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    return offsetAndJoin(pCurve, distance, pOffset);
}

Acad::ErrorStatus MavUtils::offsetCurve(
    const AcDbObjectId& id, double distance, const AcGePoint3d& sidePoint, AcDbEntity*& pOffset)
{
    // 1. The source.
    AcDbEntity* pEnt = nullptr;
    if (openEntWithID(id, AcDb::kForRead, pEnt) != Acad::eOk)
        return Acad::eNotApplicable;
    // 2. Offset to one side.
    AcDbEntity* pFound = nullptr;
    Acad::ErrorStatus es = offsetCurve(pEnt, std::fabs(distance), sidePoint, pFound);
    // 3. Not nearer the point: the other side.
    if (pFound != nullptr
        && isValidOffsetCurve(AcDbCurve::cast(pEnt), AcDbCurve::cast(pFound), sidePoint) == 0) {
        delete pFound;
        pFound = nullptr;
        pOffset = nullptr;
        es = offsetCurve(pEnt, -std::fabs(distance), sidePoint, pFound);
    }
    if (pFound != nullptr)
        pOffset = pFound;
    // 4. The source closed.
    pEnt->close();
    return es;
}

Acad::ErrorStatus MavUtils::offsetCurve(AcDbEntity* pSource, double distance, AcDbEntity*& pOffset)
{
    // 1. A curve; a polyline without its repeated vertices.
    const AcDbCurve* pCurve = AcDbCurve::cast(pSource);
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    pOffset = nullptr;
    if (isLightweightPolyline(pSource)) {
        const Acad::ErrorStatus es = dropRepeatedVertices(AcDbPolyline::cast(pSource));
        if (es != Acad::eOk)
            return es;
    }
    // 2. Offset and join.
    const Acad::ErrorStatus es = offsetAndJoin(pCurve, distance, pOffset);
    // 3. Nothing came out.
    if (es == Acad::eOk && pOffset == nullptr)
        return Acad::eInvalidInput;
    return es;
}

Acad::ErrorStatus MavUtils::offsetCurveEx(AcDbEntity* pSource, double distance, AcDbEntity*& pOffset)
{
    // 1. The platform's offset.
    const AcDbCurve* pCurve = AcDbCurve::cast(pSource);
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    pOffset = nullptr;
    AcDbVoidPtrArray pieces;
    const Acad::ErrorStatus es = pCurve->getOffsetCurves(distance, pieces);
    // 2. One piece is the result; several give their start points and the last end point.
    if (es == Acad::eOk && pieces.length() == 1) {
        pOffset = static_cast<AcDbEntity*>(pieces[0]);
        return pOffset != nullptr ? Acad::eOk : Acad::eInvalidInput;
    }
    AcGePoint3dArray points;
    for (int i = 0; i < pieces.length(); ++i) {
        auto* pPiece = static_cast<AcDbCurve*>(pieces[i]);
        if (pPiece == nullptr)
            continue;
        AcGePoint3d start;
        AcGePoint3d end;
        MavCounter::getStartEndPointInCurve(pPiece, start, end);
        points.append(start);
        if (i == pieces.length() - 1)
            points.append(end);
        delete pPiece;
    }
    if (es != Acad::eOk)
        return es;
    // 3. Their chords as one polyline.
    if (points.length() >= 2)
        pOffset = straightPolyline(points);
    return pOffset != nullptr ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus MavUtils::getOffsetLineBaseOnLine(
    const AcDbObjectId& id, double distance, AcGePoint3d& first, AcGePoint3d& second)
{
    // 1. The ends.
    AcGePoint3d start;
    AcGePoint3d end;
    const Acad::ErrorStatus es = MavCounter::getStartEndPointInCurve(id, start, end);
    if (es != Acad::eOk)
        return es;
    // 2. The upper end first.
    if (end.y > start.y)
        swapGePoint3d(start, end);
    // 3. Both ends moved along the left normal.
    if (std::fabs(distance) < kNoOffset) {
        first = start;
        second = end;
        return es;
    }
    first = shiftLeft(start, end - start, distance);
    second = shiftLeft(end, end - start, distance);
    return es;
}

Acad::ErrorStatus MavUtils::getOffsetLineBaseOnLine(const AcDbObjectId& id, double distance, AcDbObjectId& newId)
{
    AcGePoint3d first;
    AcGePoint3d second;
    const Acad::ErrorStatus es = getOffsetLineBaseOnLine(id, distance, first, second);
    if (es != Acad::eOk)
        return es;
    return addToCurrentSpaceAndClose(new AcDbLine(first, second), newId);
}
