// Making two curves meet: the first curve is extended up to the second or cut back at it and
// replaced by the kept piece, as the way they meet asks. Small end-point editors belong here
// too: one end extended to a point, the ends of a line or polyline moved, a polyline's
// linetype generation switched.
#include "MavUtils.h"

#include "MavCounter.h"
#include "MavHelpers.h"

#include "AcDbBlockTableRecord.h"
#include "AcDbCurve.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "acut.h"

namespace {

// Within this distance a polyline's end vertex is moved onto a meeting point that it cannot
// be extended to.
constexpr double kEndReach = 1.0;

bool mustExtend(int relation) { return relation == -73 || relation == -1000; }

bool mustTrim(int relation) { return relation == 10 || relation == 11; }

// The core trim of the first curve at the second, into a block or the current space.
Acad::ErrorStatus trimFirstAtSecond(
    AcDbBlockTableRecord* pRecord, bool currentSpace, AcDbCurve* pFirst, const AcDbCurve* pSecond, int side,
    AcDbObjectId& newId)
{
    if (currentSpace)
        return MavUtils::trimBesideEx(pSecond, pFirst, side, newId);
    return MavUtils::trimBesideEx(pRecord, pSecond, pFirst, side, newId);
}

// The first curve's place is taken by the kept piece.
Acad::ErrorStatus eraseFirst(AcDbCurve* pFirst)
{
    if (!pFirst->isWriteEnabled())
        pFirst->upgradeOpen();
    return pFirst->erase(true);
}

// A polyline that cannot be extended has its end vertex moved onto a meeting point near it.
Acad::ErrorStatus moveEndVertexOnto(AcDbCurve* pFirst, int endFlag, const AcGePoint3d& point)
{
    if (!IsClass(pFirst, L"AcDbPolyline"))
        return Acad::eInvalidInput;
    auto* pPolyline = static_cast<AcDbPolyline*>(pFirst);
    AcGePoint3d start;
    AcGePoint3d end;
    const Acad::ErrorStatus es = MavCounter::getStartEndPointInCurve(pFirst, start, end);
    if (es != Acad::eOk || pPolyline->numVerts() == 0)
        return es;
    const bool atEnd = endFlag == 1;
    if (point.distanceTo(atEnd ? end : start) >= kEndReach)
        return es;
    if (!pPolyline->isWriteEnabled())
        pPolyline->upgradeOpen();
    pPolyline->setPointAt(atEnd ? pPolyline->numVerts() - 1 : 0, AcGePoint2d(point.x, point.y));
    return es;
}

// What a link needs: where the trimmed piece goes, and whether the id forms' extras apply
// (the polyline fallback, the refresh of the new piece, the messages).
struct LinkTarget {
    AcDbBlockTableRecord* pRecord = nullptr;
    bool currentSpace = true;
    bool full = false;
};

// Steps 2 to 4: classify, then extend or trim the first curve.
Acad::ErrorStatus link(
    const LinkTarget& target, AcDbCurve* pFirst, const AcDbCurve* pSecond, int side, AcDbObjectId& newId)
{
    // 2. How the curves meet.
    int relation = -2;
    AcGePoint3d point;
    int endFlag1 = 1;
    int endFlag2 = 1;
    Acad::ErrorStatus es =
        MavUtils::tellRelationOfTwoCurves(pFirst, pSecond, relation, point, endFlag1, endFlag2);
    if (es != Acad::eOk) {
        if (target.full)
            acutPrintf(L"\n intersectType:%d", relation);
        return es;
    }
    // 3. Extend the first curve to the meeting point, at its nearer end.
    if (mustExtend(relation)) {
        es = MavUtils::extendCurveToPoint(pFirst, endFlag1 == 1 ? 0 : 1, point);
        if (es != Acad::eOk && target.full)
            es = moveEndVertexOnto(pFirst, endFlag1, point);
    }
    // 4. Cut the first curve at the second; the kept piece replaces it.
    if (mustTrim(relation)) {
        es = trimFirstAtSecond(target.pRecord, target.currentSpace, pFirst, pSecond, side, newId);
        if (es == Acad::eOk) {
            es = eraseFirst(pFirst);
            if (target.full)
                MavUtils::updateDbEntity(newId);
        } else if (target.full) {
            acutPrintf(L"\n MavUtils::trimBesideEx relationType=%d", relation);
        }
    }
    // 6. The relation of a failed link.
    if (es != Acad::eOk && target.full)
        acutPrintf(L"\n intersectType:%d", relation);
    return es;
}

// The full form: the first curve opened here, the second opened here too when given by id.
Acad::ErrorStatus linkById(const LinkTarget& target, const AcDbObjectId& first, const AcDbObjectId* pSecondId,
    const AcDbCurve* pSecond, AcDbObjectId& newId, int side)
{
    // 1. Open the curves.
    AcDbCurve* pFirst = nullptr;
    if (MavUtils::openCurveWithID(first, AcDb::kForRead, pFirst) != Acad::eOk) {
        acutPrintf(L"\n openCurveWithID1");
        return Acad::eInvalidInput;
    }
    AcDbCurve* pOpened = nullptr;
    if (pSecondId != nullptr) {
        if (MavUtils::openCurveWithID(*pSecondId, AcDb::kForRead, pOpened) != Acad::eOk) {
            acutPrintf(L"\n openCurveWithID2");
            pFirst->close();
            return Acad::eInvalidInput;
        }
        pSecond = pOpened;
    }
    // 2-4, 6. Link them.
    const Acad::ErrorStatus es = link(target, pFirst, pSecond, side, newId);
    // 5. Close what was opened here; redraw.
    pFirst->close();
    if (pOpened != nullptr)
        pOpened->close();
    MavUtils::refreshDisplay();
    return es;
}

} // namespace

Acad::ErrorStatus MavUtils::linkTwoCurvesAtIntersectPoint(
    const AcDbObjectId& first, const AcDbCurve* pSecond, AcDbObjectId& newId, int side)
{
    return linkById({nullptr, true, true}, first, nullptr, pSecond, newId, side);
}

Acad::ErrorStatus MavUtils::linkTwoCurvesAtIntersectPoint(AcDbCurve* pFirst, AcDbCurve* pSecond, int side)
{
    AcDbObjectId unused;
    return link({nullptr, true, false}, pFirst, pSecond, side, unused);
}

Acad::ErrorStatus MavUtils::linkTwoCurvesAtIntersectPoint(
    AcDbBlockTableRecord* pRecord, AcDbCurve* pFirst, AcDbCurve* pSecond, int side)
{
    AcDbObjectId unused;
    return link({pRecord, false, false}, pFirst, pSecond, side, unused);
}

Acad::ErrorStatus MavUtils::linkTwoCurvesAtIntersectPoint(
    const AcDbObjectId& first, const AcDbObjectId& second, AcDbObjectId& newId, int side)
{
    return linkById({nullptr, true, true}, first, &second, nullptr, newId, side);
}

Acad::ErrorStatus MavUtils::linkTwoCurvesAtIntersectPoint(AcDbBlockTableRecord* pRecord, const AcDbObjectId& first,
    const AcDbObjectId& second, AcDbObjectId& newId, int side)
{
    return linkById({pRecord, false, true}, first, &second, nullptr, newId, side);
}

Acad::ErrorStatus MavUtils::linkTwoCurvesAtIntersectPoint(AcDbBlockTableRecord* pRecord, const AcDbObjectId& first,
    const AcDbCurve* pSecond, AcDbObjectId& newId, int side)
{
    return linkById({pRecord, false, true}, first, nullptr, pSecond, newId, side);
}

Acad::ErrorStatus MavUtils::extendCurveToPoint(AcDbCurve* pCurve, int extendStart, const AcGePoint3d& point)
{
    // 1. Open for write (a curve already open for write stays so).
    if (!pCurve->isWriteEnabled() && pCurve->upgradeOpen() != Acad::eOk) {
        // 3. It stays as it was opened.
        pCurve->downgradeOpen();
        return Acad::eInvalidInput;
    }
    // 2. The curve's own extension.
    return pCurve->extend(extendStart != 0, point);
}

Acad::ErrorStatus MavUtils::resetStartEndPoint(const AcDbObjectId& id, const AcGePoint3d& start, const AcGePoint3d& end)
{
    // 1. Open for write.
    AcDbCurve* pCurve = nullptr;
    const Acad::ErrorStatus es = openCurveWithID(id, AcDb::kForWrite, pCurve);
    if (pCurve == nullptr)
        return es;
    // 2. Lines and lightweight polylines get their ends moved.
    if (IsClass(pCurve, L"AcDbLine")) {
        auto* pLine = static_cast<AcDbLine*>(pCurve);
        pLine->setStartPoint(start);
        pLine->setEndPoint(end);
    } else if (IsClass(pCurve, L"AcDbPolyline")) {
        auto* pPolyline = static_cast<AcDbPolyline*>(pCurve);
        if (pPolyline->numVerts() > 0) {
            pPolyline->setPointAt(0, fromAcGePoint3d(start));
            pPolyline->setPointAt(pPolyline->numVerts() - 1, fromAcGePoint3d(end));
        }
    }
    // 3. Closed again.
    pCurve->close();
    return es;
}

Acad::ErrorStatus MavUtils::changePlinegen(const AcDbObjectId& id, int plinegen)
{
    // 1. Open for write.
    AcDbCurve* pCurve = nullptr;
    const Acad::ErrorStatus es = openCurveWithID(id, AcDb::kForWrite, pCurve);
    if (es != Acad::eOk) {
        BDTAlert(L"changePlinegen openCurveWithID");
        return es;
    }
    // 2. Polylines only.
    AcDbPolyline* pPolyline = AcDbPolyline::cast(pCurve);
    if (pPolyline == nullptr) {
        pCurve->close();
        BDTAlert(L"changePlinegen isKindOf AcDbPolyline");
        return Acad::eOk;
    }
    // 3. The switch as given.
    pPolyline->setPlinegen(plinegen != 0);
    pPolyline->close();
    return Acad::eOk;
}
