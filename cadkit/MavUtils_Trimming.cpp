// Trimming a curve at its crossings with one or two cutting edges. The geometric trims split
// the curve themselves and append the kept pieces as new entities, to a block the caller holds
// open or to the current space; the curve they cut is only read. The command trims drive the
// host's TRIM command, which edits the picked object itself.
#include "MavUtils.h"

#include "MavCounter.h"
#include "MavHelpers.h"

#include "AcDbBlockTableRecord.h"
#include "AcDbCurve.h"
#include "AcDbPolyline.h"
#include "aced.h"

namespace {

// Where the kept pieces go: a block the caller holds open for write, or the current space.
struct Destination {
    AcDbBlockTableRecord* pRecord = nullptr;
    bool currentSpace = true;
};

Destination toRecord(AcDbBlockTableRecord* pRecord) { return {pRecord, false}; }

constexpr Destination kCurrentSpace {};

// A kept piece is appended and closed; one that no block takes is ours to free.
void appendPiece(const Destination& to, AcDbEntity* pPiece, AcDbObjectId& newId)
{
    if (to.currentSpace) {
        MavUtils::addToCurrentSpaceAndClose(pPiece, newId);
    } else if (to.pRecord != nullptr) {
        MavUtils::addToBlockTableRecordAndClose(newId, pPiece, to.pRecord);
    } else {
        newId = AcDbObjectId::kNull;
        delete pPiece;
    }
}

void deletePieces(AcDbVoidPtrArray& pieces)
{
    for (void* p : pieces)
        delete static_cast<AcDbEntity*>(p);
    pieces.removeAll();
}

AcDbEntity* piece(AcDbVoidPtrArray& pieces, int i)
{
    AcDbEntity* pPiece = static_cast<AcDbEntity*>(pieces[i]);
    pieces[i] = nullptr;
    return pPiece;
}

// The first crossing of the curve with the edge, moved onto the curve; with the edge extended
// when the edge as it is does not reach. False when there is none: a cut at a made-up point
// would cut the curve where no edge is.
bool cutPoint(const AcDbCurve* pEdge, const AcDbCurve* pCurve, bool extendEdge, AcGePoint3d& cut)
{
    AcGePoint3dArray points;
    if (IntersectInPlan(pCurve, pEdge, AcDb::kOnBothOperands, points) != Acad::eOk)
        return false;
    if (points.isEmpty() && extendEdge && IntersectInPlan(pCurve, pEdge, AcDb::kExtendArg, points) != Acad::eOk)
        return false;
    if (points.isEmpty())
        return false;
    cut = ClosestPointOn(pCurve, points[0]);
    return true;
}

Acad::ErrorStatus splitAt(const AcDbCurve* pCurve, const AcGePoint3dArray& cuts, AcDbVoidPtrArray& pieces)
{
    const Acad::ErrorStatus es = pCurve->getSplitCurves(cuts, pieces);
    if (es != Acad::eOk)
        deletePieces(pieces);
    return es;
}

// One cut, two pieces; any other count is refused and freed.
Acad::ErrorStatus splitInTwo(const AcDbCurve* pCurve, const AcGePoint3d& cut, AcDbVoidPtrArray& pieces)
{
    AcGePoint3dArray cuts;
    cuts.append(cut);
    const Acad::ErrorStatus es = splitAt(pCurve, cuts, pieces);
    if (es != Acad::eOk)
        return es;
    if (pieces.length() != 2) {
        deletePieces(pieces);
        return Acad::eInvalidInput;
    }
    return Acad::eOk;
}

// Keeps piece 0 (side 0) or piece 1 (any other side) of two; the other is freed.
void keepSide(const Destination& to, AcDbVoidPtrArray& pieces, int side, AcDbObjectId& newId)
{
    appendPiece(to, piece(pieces, side == 0 ? 0 : 1), newId);
    deletePieces(pieces);
}

// A polyline cut at one of its own ends is one piece: a copy of it with that end vertex moved
// exactly onto the cut, when the cut lies within a unit of it. A closed polyline's ends are
// its first vertex, so its copy runs once round and ends there again.
Acad::ErrorStatus keepPolylineToCut(const Destination& to, const AcDbCurve* pCurve, const AcGePoint3d& cut,
    int side, AcDbObjectId& newId)
{
    const AcDbPolyline* pSource = AcDbPolyline::cast(pCurve);
    if (pSource == nullptr)
        return Acad::eInvalidInput;
    AcGePoint3d start;
    AcGePoint3d end;
    const Acad::ErrorStatus es = MavCounter::getStartEndPointInCurve(pCurve, start, end);
    const bool atEnd = side == 0;
    if (es != Acad::eOk || pSource->numVerts() == 0 || cut.distanceTo(atEnd ? end : start) >= 1.0)
        return es;
    AcDbPolyline* pCopy = NewPolylineWithVerticesOf(pSource);
    if (pCopy == nullptr)
        return es;
    if (pSource->isClosed()) {
        AcGePoint2d first;
        pSource->getPointAt(0, first);
        pCopy->addVertexAt(pCopy->numVerts(), first, 0.0, -1.0, -1.0);
    }
    pCopy->setPointAt(atEnd ? pCopy->numVerts() - 1 : 0, AcGePoint2d(cut.x, cut.y));
    appendPiece(to, pCopy, newId);
    return es;
}

// The core trim: cut once at the edge (extended when it falls short), keep the side's piece.
Acad::ErrorStatus trimAtEdge(
    const Destination& to, const AcDbCurve* pEdge, const AcDbCurve* pCurve, int side, AcDbObjectId& newId)
{
    // 1-3. The cut point.
    AcGePoint3d cut;
    if (!cutPoint(pEdge, pCurve, true, cut))
        return Acad::eInvalidInput;
    // 4. Split there.
    AcGePoint3dArray cuts;
    cuts.append(cut);
    AcDbVoidPtrArray pieces;
    Acad::ErrorStatus es = splitAt(pCurve, cuts, pieces);
    if (es != Acad::eOk)
        return es;
    // 5. Keep by the count of pieces.
    if (pieces.length() == 2)
        keepSide(to, pieces, side, newId);
    else if (pieces.length() == 1)
        es = keepPolylineToCut(to, pCurve, cut, side, newId);
    // 7. Every piece not kept is freed.
    deletePieces(pieces);
    return es;
}

// The direction-test trim: as the core trim, the side flag read against the given point.
Acad::ErrorStatus trimAtEdgeTowardPoint(const Destination& to, const AcDbCurve* pEdge, const AcDbCurve* pCurve,
    int side, const AcGePoint3d& point, AcDbObjectId& newId)
{
    AcGePoint3d cut;
    if (!cutPoint(pEdge, pCurve, true, cut))
        return Acad::eInvalidInput;
    // The crossing itself tells no direction; the caller's point does.
    MavCounter::tellRealDirection(point, pCurve, pEdge, side);
    AcDbVoidPtrArray pieces;
    const Acad::ErrorStatus es = splitInTwo(pCurve, cut, pieces);
    if (es == Acad::eOk)
        keepSide(to, pieces, side, newId);
    return es;
}

double distanceToPiece(const AcDbVoidPtrArray& pieces, int i, const AcGePoint3d& pick)
{
    return pick.distanceTo(ClosestPointOn(static_cast<const AcDbCurve*>(pieces[i]), pick));
}

// The pick trim: the piece nearer the pick point goes, the other stays (piece 1 on a tie).
Acad::ErrorStatus trimAtEdgeAwayFromPick(
    const Destination& to, const AcDbCurve* pEdge, const AcGePoint3d& pick, const AcDbCurve* pCurve)
{
    AcGePoint3dArray points;
    if (IntersectInPlan(pCurve, pEdge, AcDb::kOnBothOperands, points) != Acad::eOk || points.isEmpty())
        return Acad::eInvalidInput;
    AcDbVoidPtrArray pieces;
    const Acad::ErrorStatus es = splitInTwo(pCurve, points[0], pieces);
    if (es != Acad::eOk)
        return es;
    const bool keepSecond = distanceToPiece(pieces, 0, pick) <= distanceToPiece(pieces, 1, pick);
    AcDbObjectId unused;
    keepSide(to, pieces, keepSecond ? 1 : 0, unused);
    return Acad::eOk;
}

// Three pieces: the middle one (mode 0) or the two outer ones.
Acad::ErrorStatus keepBetween(const Destination& to, const AcDbCurve* pCurve, const AcGePoint3dArray& cuts, int mode,
    AcDbObjectId& id1, AcDbObjectId& id2, const wchar_t* countTag)
{
    AcDbVoidPtrArray pieces;
    const Acad::ErrorStatus es = cuts.isEmpty() ? Acad::eOk : splitAt(pCurve, cuts, pieces);
    if (es != Acad::eOk)
        return es;
    if (pieces.length() != 3) {
        MavUtils::BDTAlert(countTag);
        deletePieces(pieces);
        return Acad::eInvalidInput;
    }
    if (mode == 0) {
        appendPiece(to, piece(pieces, 1), id1);
    } else {
        appendPiece(to, piece(pieces, 0), id1);
        appendPiece(to, piece(pieces, 2), id2);
    }
    deletePieces(pieces);
    return Acad::eOk;
}

// An edge that does not meet the curve gives no cut, so the count of pieces refuses the trim.
Acad::ErrorStatus trimBetweenEdges(const Destination& to, const AcDbCurve* pEdge1, const AcDbCurve* pEdge2,
    const AcDbCurve* pCurve, int mode, AcDbObjectId& id1, AcDbObjectId& id2)
{
    AcGePoint3dArray cuts;
    for (const AcDbCurve* pEdge : {pEdge1, pEdge2}) {
        AcGePoint3d cut;
        if (cutPoint(pEdge, pCurve, false, cut))
            cuts.append(cut);
    }
    return keepBetween(to, pCurve, cuts, mode, id1, id2, L"trimBetweenEx4727 curveSegs.length() != 3");
}

Acad::ErrorStatus trimBetweenPoints(const Destination& to, const AcGePoint3d& p1, const AcGePoint3d& p2,
    const AcDbCurve* pCurve, int mode, AcDbObjectId& id1, AcDbObjectId& id2)
{
    AcGePoint3dArray cuts;
    cuts.append(p1);
    cuts.append(p2);
    return keepBetween(to, pCurve, cuts, mode, id1, id2, L"trimBetweenEx6 curveSegs.length() != 3");
}

// Opens the ids as curves for read in order; on a failure closes those already opened.
template <std::size_t N>
Acad::ErrorStatus openCurves(const AcDbObjectId* const (&ids)[N], AcDbCurve* (&curves)[N])
{
    for (std::size_t i = 0; i < N; ++i) {
        curves[i] = nullptr;
        const Acad::ErrorStatus es = MavUtils::openCurveWithID(*ids[i], AcDb::kForRead, curves[i]);
        if (es != Acad::eOk) {
            for (std::size_t j = 0; j < i; ++j)
                curves[j]->close();
            return es;
        }
    }
    return Acad::eOk;
}

// Runs a trim on two curves opened from their ids, then closes both.
template <class Trim>
Acad::ErrorStatus withTwoCurves(const AcDbObjectId& edge, const AcDbObjectId& curve, Trim trim)
{
    AcDbCurve* curves[2];
    const Acad::ErrorStatus es = openCurves({&edge, &curve}, curves);
    if (es != Acad::eOk)
        return es;
    const Acad::ErrorStatus result = trim(curves[0], curves[1]);
    curves[0]->close();
    curves[1]->close();
    return result;
}

// Runs a trim on three curves opened from their ids, then closes each to its last close.
template <class Trim>
Acad::ErrorStatus withThreeCurves(
    const AcDbObjectId& edge1, const AcDbObjectId& edge2, const AcDbObjectId& curve, Trim trim)
{
    AcDbCurve* curves[3];
    const Acad::ErrorStatus es = openCurves({&edge1, &edge2, &curve}, curves);
    if (es != Acad::eOk)
        return es;
    const Acad::ErrorStatus result = trim(curves[0], curves[1], curves[2]);
    for (AcDbCurve* pCurve : curves)
        CloseFully(pCurve);
    return result;
}

// Trims each listed curve at the edge where the edge ends on it.
template <class Trim>
Acad::ErrorStatus trimWhereEdgeEnds(const AcDbObjectId& edge, const AcArray<AcDbObjectId>& curves, Trim trim)
{
    for (const AcDbObjectId& curve : curves) {
        int relation = -2;
        AcGePoint3d point;
        int endFlag1 = 1;
        int endFlag2 = 1;
        Acad::ErrorStatus es = MavUtils::tellRelationOfTwoCurves(edge, curve, relation, point, endFlag1, endFlag2);
        if (es != Acad::eOk)
            return es;
        if (relation != 1)
            continue;
        es = trim(edge, curve);
        if (es != Acad::eOk)
            return es;
    }
    return Acad::eOk;
}

// The crossing of an edge with the curve for the pick point: the edge and the curve as they
// are, then each extended, then both, until a mode finds one; the origin when none does.
AcGePoint3d crossingForPick(const AcDbObjectId& edge, const AcDbObjectId& curve)
{
    AcGePoint3d crossing;
    AcDbEntity* pEdge = nullptr;
    AcDbEntity* pCurve = nullptr;
    if (MavUtils::openEntWithID(edge, AcDb::kForRead, pEdge) != Acad::eOk)
        return crossing;
    if (MavUtils::openEntWithID(curve, AcDb::kForRead, pCurve) != Acad::eOk) {
        pEdge->close();
        return crossing;
    }
    for (AcDb::Intersect mode : {AcDb::kOnBothOperands, AcDb::kExtendArg, AcDb::kExtendThis, AcDb::kExtendBoth}) {
        AcGePoint3dArray points;
        if (IntersectInPlan(pEdge, pCurve, mode, points) == Acad::eOk && !points.isEmpty()) {
            crossing = points[0];
            break;
        }
    }
    pEdge->close();
    pCurve->close();
    return crossing;
}

} // namespace

Acad::ErrorStatus MavUtils::trimBesideEx(
    AcDbBlockTableRecord* pRecord, const AcDbCurve* pEdge, const AcDbCurve* pCurve, int side, AcDbObjectId& newId)
{
    return trimAtEdge(toRecord(pRecord), pEdge, pCurve, side, newId);
}

Acad::ErrorStatus MavUtils::trimBesideEx(const AcDbCurve* pEdge, const AcDbCurve* pCurve, int side, AcDbObjectId& newId)
{
    return trimAtEdge(kCurrentSpace, pEdge, pCurve, side, newId);
}

Acad::ErrorStatus MavUtils::trimBesideEx(
    const AcDbCurve* pEdge, const AcDbCurve* pCurve, int side, const AcGePoint3d& point, AcDbObjectId& newId)
{
    return trimAtEdgeTowardPoint(kCurrentSpace, pEdge, pCurve, side, point, newId);
}

Acad::ErrorStatus MavUtils::trimBesideEx(AcDbBlockTableRecord* pRecord, const AcDbCurve* pEdge,
    const AcDbCurve* pCurve, int side, const AcGePoint3d& point, AcDbObjectId& newId)
{
    return trimAtEdgeTowardPoint(toRecord(pRecord), pEdge, pCurve, side, point, newId);
}

Acad::ErrorStatus MavUtils::trimBesideEx(
    AcDbBlockTableRecord* pRecord, const AcDbCurve* pEdge, const AcGePoint3d& pick, const AcDbCurve* pCurve)
{
    return trimAtEdgeAwayFromPick(toRecord(pRecord), pEdge, pick, pCurve);
}

Acad::ErrorStatus MavUtils::trimBesideEx(const AcDbCurve* pEdge, const AcGePoint3d& pick, const AcDbCurve* pCurve)
{
    return trimAtEdgeAwayFromPick(kCurrentSpace, pEdge, pick, pCurve);
}

Acad::ErrorStatus MavUtils::trimBesideEx(
    AcDbBlockTableRecord* pRecord, const AcDbObjectId& edge, const AcArray<AcDbObjectId>& curves, int side)
{
    return trimWhereEdgeEnds(edge, curves,
        [&](const AcDbObjectId& e, const AcDbObjectId& c) { return trimBesideEx(pRecord, e, c, side); });
}

Acad::ErrorStatus MavUtils::trimBesideEx(const AcDbObjectId& edge, const AcArray<AcDbObjectId>& curves, int side)
{
    return trimWhereEdgeEnds(
        edge, curves, [&](const AcDbObjectId& e, const AcDbObjectId& c) { return trimBesideEx(e, c, side); });
}

Acad::ErrorStatus MavUtils::trimBesideEx(
    AcDbBlockTableRecord* pRecord, const AcDbCurve* pEdge, const AcDbCurve* pCurve, int side)
{
    AcDbObjectId unused;
    return trimBesideEx(pRecord, pEdge, pCurve, side, unused);
}

Acad::ErrorStatus MavUtils::trimBesideEx(const AcDbCurve* pEdge, const AcDbCurve* pCurve, int side)
{
    AcDbObjectId unused;
    return trimBesideEx(pEdge, pCurve, side, unused);
}

Acad::ErrorStatus MavUtils::trimBesideEx(
    const AcDbObjectId& edge, const AcDbObjectId& curve, int side, AcDbObjectId& newId)
{
    return withTwoCurves(edge, curve,
        [&](const AcDbCurve* pEdge, const AcDbCurve* pCurve) { return trimBesideEx(pEdge, pCurve, side, newId); });
}

Acad::ErrorStatus MavUtils::trimBesideEx(const AcDbObjectId& edge, const AcDbObjectId& curve, int side)
{
    AcDbObjectId unused;
    return trimBesideEx(edge, curve, side, unused);
}

Acad::ErrorStatus MavUtils::trimBesideEx(
    const AcDbObjectId& edge, const AcDbObjectId& curve, int side, const AcGePoint3d& point, AcDbObjectId& newId)
{
    return withTwoCurves(edge, curve, [&](const AcDbCurve* pEdge, const AcDbCurve* pCurve) {
        return trimBesideEx(pEdge, pCurve, side, point, newId);
    });
}

Acad::ErrorStatus MavUtils::trimBesideEx(AcDbBlockTableRecord* pRecord, const AcDbObjectId& edge,
    const AcDbObjectId& curve, int side, const AcGePoint3d& point, AcDbObjectId& newId)
{
    return withTwoCurves(edge, curve, [&](const AcDbCurve* pEdge, const AcDbCurve* pCurve) {
        return trimBesideEx(pRecord, pEdge, pCurve, side, point, newId);
    });
}

Acad::ErrorStatus MavUtils::trimBesideEx(AcDbBlockTableRecord* pRecord, const AcDbObjectId& edge,
    const AcDbObjectId& curve, int side, AcDbObjectId& newId)
{
    return withTwoCurves(edge, curve, [&](const AcDbCurve* pEdge, const AcDbCurve* pCurve) {
        return trimBesideEx(pRecord, pEdge, pCurve, side, newId);
    });
}

Acad::ErrorStatus MavUtils::trimBesideEx(
    AcDbBlockTableRecord* pRecord, const AcDbObjectId& edge, const AcDbObjectId& curve, int side)
{
    AcDbObjectId unused;
    return trimBesideEx(pRecord, edge, curve, side, unused);
}

Acad::ErrorStatus MavUtils::trimBesideEx(
    AcDbBlockTableRecord* pRecord, const AcDbObjectId& edge, const AcGePoint3d& pick, const AcDbObjectId& curve)
{
    return withTwoCurves(edge, curve, [&](const AcDbCurve* pEdge, const AcDbCurve* pCurve) {
        return trimBesideEx(pRecord, pEdge, pick, pCurve);
    });
}

Acad::ErrorStatus MavUtils::trimBesideEx(const AcDbObjectId& edge, const AcGePoint3d& pick, const AcDbObjectId& curve)
{
    return withTwoCurves(edge, curve,
        [&](const AcDbCurve* pEdge, const AcDbCurve* pCurve) { return trimBesideEx(pEdge, pick, pCurve); });
}

Acad::ErrorStatus MavUtils::trimBetweenEx(AcDbBlockTableRecord* pRecord, const AcDbCurve* pEdge1,
    const AcDbCurve* pEdge2, const AcDbCurve* pCurve, int mode, AcDbObjectId& id1, AcDbObjectId& id2)
{
    return trimBetweenEdges(toRecord(pRecord), pEdge1, pEdge2, pCurve, mode, id1, id2);
}

Acad::ErrorStatus MavUtils::trimBetweenEx(const AcDbCurve* pEdge1, const AcDbCurve* pEdge2, const AcDbCurve* pCurve,
    int mode, AcDbObjectId& id1, AcDbObjectId& id2)
{
    return trimBetweenEdges(kCurrentSpace, pEdge1, pEdge2, pCurve, mode, id1, id2);
}

Acad::ErrorStatus MavUtils::trimBetweenEx(AcDbBlockTableRecord* pRecord, const AcDbObjectId& edge1,
    const AcDbObjectId& edge2, const AcDbObjectId& curve, int mode, AcDbObjectId& id1, AcDbObjectId& id2)
{
    return withThreeCurves(edge1, edge2, curve, [&](const AcDbCurve* p1, const AcDbCurve* p2, const AcDbCurve* pc) {
        return trimBetweenEx(pRecord, p1, p2, pc, mode, id1, id2);
    });
}

Acad::ErrorStatus MavUtils::trimBetweenEx(const AcDbObjectId& edge1, const AcDbObjectId& edge2,
    const AcDbObjectId& curve, int mode, AcDbObjectId& id1, AcDbObjectId& id2)
{
    return withThreeCurves(edge1, edge2, curve, [&](const AcDbCurve* p1, const AcDbCurve* p2, const AcDbCurve* pc) {
        return trimBetweenEx(p1, p2, pc, mode, id1, id2);
    });
}

Acad::ErrorStatus MavUtils::trimBetweenEx(AcDbBlockTableRecord* pRecord, const AcGePoint3d& p1,
    const AcGePoint3d& p2, const AcDbCurve* pCurve, int mode, AcDbObjectId& id1, AcDbObjectId& id2)
{
    return trimBetweenPoints(toRecord(pRecord), p1, p2, pCurve, mode, id1, id2);
}

Acad::ErrorStatus MavUtils::trimBetweenEx(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcDbCurve* pCurve,
    int mode, AcDbObjectId& id1, AcDbObjectId& id2)
{
    return trimBetweenPoints(kCurrentSpace, p1, p2, pCurve, mode, id1, id2);
}

Acad::ErrorStatus MavUtils::trimBetweenEx(AcDbBlockTableRecord* pRecord, const AcGePoint3d& p1,
    const AcGePoint3d& p2, const AcDbObjectId& curve, int mode, AcDbObjectId& id1, AcDbObjectId& id2)
{
    AcDbCurve* pCurve = nullptr;
    const Acad::ErrorStatus es = openCurveWithID(curve, AcDb::kForRead, pCurve);
    if (es != Acad::eOk)
        return es;
    const Acad::ErrorStatus result = trimBetweenEx(pRecord, p1, p2, pCurve, mode, id1, id2);
    pCurve->close();
    return result;
}

Acad::ErrorStatus MavUtils::trimBetweenEx(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcDbObjectId& curve,
    int mode, AcDbObjectId& id1, AcDbObjectId& id2)
{
    AcDbCurve* pCurve = nullptr;
    const Acad::ErrorStatus es = openCurveWithID(curve, AcDb::kForRead, pCurve);
    if (es != Acad::eOk)
        return es;
    const Acad::ErrorStatus result = trimBetweenEx(p1, p2, pCurve, mode, id1, id2);
    pCurve->close();
    return result;
}

int MavUtils::trimInside(long* const edge, long* const object, double* const pick)
{
    return acedCommand(RTSTR, L"trim", RTENAME, edge, RTSTR, L"", RTLB, RTENAME, object, RT3DPOINT, pick, RTLE,
        RTSTR, L"", RTNONE);
}

Acad::ErrorStatus MavUtils::trimInside(AcDbObjectId edge, AcArray<AcDbObjectId> objects)
{
    ads_point pick = {0.0, 0.0, 0.0};
    MavCounter::getCenterPoint(edge, pick);
    ads_name edgeName = {0, 0};
    objIdToEname(edge, edgeName);
    for (const AcDbObjectId& object : objects) {
        ads_name objectName = {0, 0};
        objIdToEname(object, objectName);
        trimInside(edgeName, objectName, pick);
    }
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::trimInsideEx(
    AcDbObjectId edge1, AcArray<AcDbObjectId> objects1, AcDbObjectId edge2, AcArray<AcDbObjectId> objects2)
{
    trimInside(edge1, objects1);
    trimInside(edge2, objects2);
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::trimBeside(AcGePoint3d pick, AcDbObjectId edge, AcArray<AcDbObjectId> objects)
{
    if (edge.isNull() || objects.isEmpty())
        return Acad::eInvalidInput;
    ads_point point = {0.0, 0.0, 0.0};
    MavCounter::AcGePoint3d_adsPt(pick, point);
    ads_name edgeName = {0, 0};
    objIdToEname(edge, edgeName);
    for (const AcDbObjectId& object : objects) {
        if (!object.isValid())
            return Acad::eInvalidInput;
        ads_name objectName = {0, 0};
        objIdToEname(object, objectName);
        trimInside(edgeName, objectName, point);
    }
    return Acad::eOk;
}

int MavUtils::trimBetween(long* const edges, long* const object, double* const pick)
{
    return acedCommand(RTSTR, L"trim", RTPICKS, edges, RTSTR, L"", RTLB, RTENAME, object, RT3DPOINT, pick, RTLE,
        RTSTR, L"", RTNONE);
}

void MavUtils::trimBetween(AcDbObjectId edge1, AcDbObjectId edge2, AcDbObjectId curve)
{
    // 1. All three are needed.
    if (edge1.isNull() || edge2.isNull() || curve.isNull())
        return;
    // 3-4. Pick halfway between the crossings with the two edges.
    const AcGePoint3d p1 = crossingForPick(edge1, curve);
    const AcGePoint3d p2 = crossingForPick(edge2, curve);
    // 2, 5. The command runs with echo off.
    trimBetween(edge1, edge2, curve, AcGePoint3d((p1.x + p2.x) / 2.0, (p1.y + p2.y) / 2.0, 0.0));
}

void MavUtils::trimBetween(AcDbObjectId edge1, AcDbObjectId edge2, AcArray<AcDbObjectId> objects)
{
    for (const AcDbObjectId& object : objects)
        trimBetween(edge1, edge2, object);
}

void MavUtils::trimBetween(AcDbObjectId edge1, AcDbObjectId edge2, AcDbObjectId curve, const AcGePoint3d& pick)
{
    // 1. All three are needed.
    if (edge1.isNull() || edge2.isNull() || curve.isNull())
        return;
    // 2. Command echo off.
    resbuf* saved = nullptr;
    resbuf* zero = nullptr;
    echoStart(saved, zero);
    // 3. Both edges in one selection set.
    ads_name edges = {0, 0};
    ads_name edgeName = {0, 0};
    acedSSAdd(nullptr, nullptr, edges);
    objIdToEname(edge1, edgeName);
    acedSSAdd(edgeName, edges, edges);
    objIdToEname(edge2, edgeName);
    acedSSAdd(edgeName, edges, edges);
    // 4. The TRIM command at the pick point.
    ads_name object = {0, 0};
    objIdToEname(curve, object);
    ads_point point = {0.0, 0.0, 0.0};
    MavCounter::AcGePoint3d_adsPt(pick, point);
    trimBetween(edges, object, point);
    // 5. The set freed, echo as it was.
    acedSSFree(edges);
    echoEnt(saved, zero);
}
