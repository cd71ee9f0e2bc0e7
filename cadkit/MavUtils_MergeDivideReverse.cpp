// Curves rebuilt from others: several curves chained into one lightweight polyline, a curve
// replaced by a polyline through equally spaced points, lines and polylines turned around in
// place, a two-vertex polyline drawn again as a line.
#include "MavUtils.h"

#include "MavGeDbCurve.h"
#include "MavHelpers.h"

#include "AcDbArc.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbCurve.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcGeCircArc3d.h"
#include "AcGeCompositeCurve3d.h"
#include "AcGeCurve3d.h"
#include "AcGeInterval.h"
#include "AcGeLineSeg3d.h"
#include "AcGePoint2dArray.h"
#include "acut.h"

#include <cmath>
#include <cstdlib>

namespace {

// Vertex lists gathered from a chain of curves.
struct Chain {
    AcGePoint3dArray points;
    AcGeDoubleArray bulges;
    AcArray<int> indexes;
};

// Every curve's vertices in its own direction, the shared joints once. The first curve
// that cannot be read ends the gathering; its status is kept.
Acad::ErrorStatus gatherChain(const AcArray<AcDbObjectId>& ids, Chain& chain)
{
    Acad::ErrorStatus es = Acad::eOk;
    int kind = -1;
    for (const AcDbObjectId& id : ids) {
        es = MavUtils::scanPlineEx(id, chain.points, chain.bulges, chain.indexes, kind);
        if (es != Acad::eOk)
            break;
    }
    MavUtils::purgeAcArrayEx(chain.points, chain.bulges, chain.indexes);
    return es;
}

// The merged polyline; none when fewer than two vertices were gathered.
AcDbPolyline* chainPolyline(const Chain& chain, const AcDbObjectId& layer)
{
    if (chain.points.length() < 2)
        return nullptr;
    auto* pPolyline = new AcDbPolyline(static_cast<unsigned int>(chain.points.length()));
    pPolyline->setPlinegen(true);
    if (!layer.isNull())
        pPolyline->setLayer(layer, true, false);
    for (int i = 0; i < chain.points.length(); ++i) {
        const AcGePoint3d& point = chain.points[i];
        pPolyline->addVertexAt(
            static_cast<unsigned int>(i), AcGePoint2d(point.x, point.y), chain.bulges[i], -1.0, -1.0);
    }
    return pPolyline;
}

// Builds the merged polyline and hands it to its destination; nothing to merge is invalid.
template <class Deliver>
Acad::ErrorStatus mergeChain(const AcArray<AcDbObjectId>& ids, const AcDbObjectId& layer, Deliver deliver)
{
    Chain chain;
    const Acad::ErrorStatus es = gatherChain(ids, chain);
    AcDbPolyline* pPolyline = chainPolyline(chain, layer);
    if (pPolyline == nullptr)
        return es != Acad::eOk ? es : Acad::eInvalidInput;
    deliver(pPolyline);
    return es;
}

// A curve as geometry pieces: a polyline's segments, a line, an arc.
void appendGeometry(const AcDbEntity* pEnt, MavGeDbCurve& converter, AcGeVoidPointerArray& pieces)
{
    AcGeCurve3d* pGeCurve = nullptr;
    if (IsClass(pEnt, L"AcDbPolyline")) {
        converter.convertPolylineToGeCurve(static_cast<const AcDbPolyline*>(pEnt), pGeCurve);
    } else if (IsClass(pEnt, L"AcDbLine")) {
        AcGeLineSeg3d* pLine = nullptr;
        converter.convertAcDbLineToAcGeLineSeg3d(static_cast<const AcDbLine*>(pEnt), pLine);
        pGeCurve = pLine;
    } else if (IsClass(pEnt, L"AcDbArc")) {
        AcGeCircArc3d* pArc = nullptr;
        converter.convertAcDbArcToAcGeCircArc3d(static_cast<const AcDbArc*>(pEnt), pArc);
        pGeCurve = pArc;
    }
    if (pGeCurve == nullptr)
        return;
    // A polyline of several segments comes as a chain of its own: its pieces join the chain.
    if (pGeCurve->type() == AcGe::kCompositeCrv3d) {
        AcGeVoidPointerArray segments;
        static_cast<const AcGeCompositeCurve3d*>(pGeCurve)->getCurveList(segments);
        pieces.append(segments);
        delete pGeCurve;
        return;
    }
    pieces.append(pGeCurve);
}

// n + 1 points at equal arc lengths from the start, both ends included.
AcGePoint2dArray equallySpacedPoints(const AcGeCurve3d* pGeCurve, int n)
{
    AcGeInterval range;
    pGeCurve->getInterval(range);
    const double startParam = range.lowerBound();
    const double length = pGeCurve->length(startParam, range.upperBound());
    AcGePoint2dArray points;
    for (int i = 0; i <= n; ++i) {
        const AcGePoint3d point = pGeCurve->evalPoint(pGeCurve->paramAtLength(startParam, length / n * i));
        points.append(AcGePoint2d(point.x, point.y));
    }
    return points;
}

// The divided polyline of an open curve, with the curve's colour and layer, in the
// current space; its id out. The curve stays as it is.
Acad::ErrorStatus appendDivided(const AcDbCurve* pCurve, int pieces, AcDbObjectId& newId)
{
    AcGeCurve3d* pGeCurve = nullptr;
    MavGeDbCurve converter;
    if (converter.convertDbCurveToGeCurve(pCurve, pGeCurve) != Acad::eOk || pGeCurve == nullptr) {
        acutPrintf(L"\n被等分化曲线无效！");
        return Acad::eInvalidInput;
    }
    const AcGePoint2dArray points = equallySpacedPoints(pGeCurve, pieces);
    delete pGeCurve;
    auto* pPolyline = new AcDbPolyline(static_cast<unsigned int>(points.length()));
    for (int i = 0; i < points.length(); ++i)
        pPolyline->addVertexAt(static_cast<unsigned int>(i), points[i], 0.0, -1.0, -1.0);
    pPolyline->setColorIndex(pCurve->colorIndex(), true);
    ACHAR* layer = pCurve->layer();
    pPolyline->setLayer(layer, true, false);
    std::free(layer);
    return MavUtils::addToCurrentSpaceAndClose(pPolyline, newId);
}

double curveLength(const AcDbCurve* pCurve)
{
    double endParam = 0.0;
    double length = 0.0;
    pCurve->getEndParam(endParam);
    pCurve->getDistAtParam(endParam, length);
    return length;
}

// Writes vertices and bulges back by index; the first failing write is the result.
Acad::ErrorStatus writeVertices(AcDbPolyline* pPolyline, const AcGePoint3dArray& points, const AcGeDoubleArray& bulges)
{
    Acad::ErrorStatus result = Acad::eOk;
    for (int i = 0; i < points.length(); ++i) {
        const auto index = static_cast<unsigned int>(i);
        Acad::ErrorStatus es = pPolyline->setPointAt(index, AcGePoint2d(points[i].x, points[i].y));
        if (es == Acad::eOk)
            es = pPolyline->setBulgeAt(index, bulges[i]);
        if (result == Acad::eOk)
            result = es;
    }
    return result;
}

// Widths run with their segments too: new segment i is old segment n - 2 - i run backwards
// (a closed polyline's closing segment stays the closing one), so its start width becomes
// its end width.
Acad::ErrorStatus reverseWidths(AcDbPolyline* pPolyline)
{
    const unsigned int n = pPolyline->numVerts();
    AcGeDoubleArray starts;
    AcGeDoubleArray ends;
    for (unsigned int i = 0; i < n; ++i) {
        double startWidth = 0.0;
        double endWidth = 0.0;
        pPolyline->getWidthsAt(i, startWidth, endWidth);
        starts.append(startWidth);
        ends.append(endWidth);
    }
    Acad::ErrorStatus result = Acad::eOk;
    for (unsigned int i = 0; i < n; ++i) {
        const int old = i + 2 <= n ? static_cast<int>(n - 2 - i) : static_cast<int>(n - 1);
        const Acad::ErrorStatus es = pPolyline->setWidthsAt(i, ends[old], starts[old]);
        if (result == Acad::eOk)
            result = es;
    }
    return result;
}

// Opens the id as a curve for write and runs the reversal on it when it is of the class.
template <class Curve, class Reverse>
Acad::ErrorStatus reverseById(const AcDbObjectId& id, const wchar_t* className, Reverse reverse)
{
    AcDbCurve* pCurve = nullptr;
    const Acad::ErrorStatus es = MavUtils::openCurveWithID(id, AcDb::kForWrite, pCurve);
    if (es != Acad::eOk) {
        if (pCurve != nullptr)
            pCurve->close();
        MavUtils::errorReport(es);
        return es;
    }
    const Acad::ErrorStatus result =
        IsClass(pCurve, className) ? reverse(static_cast<Curve*>(pCurve)) : Acad::eInvalidInput;
    pCurve->close();
    return result;
}

} // namespace

Acad::ErrorStatus MavUtils::mergePline(
    const AcArray<AcDbObjectId>& ids, const AcDbObjectId& layer, AcDbEntity*& pPolyline)
{
    return mergeChain(ids, layer, [&](AcDbPolyline* pMerged) { pPolyline = pMerged; });
}

Acad::ErrorStatus MavUtils::mergePline(AcArray<AcDbObjectId> ids, const AcDbObjectId& layer, AcDbObjectId& newId)
{
    return mergeChain(ids, layer, [&](AcDbPolyline* pMerged) { addToCurrentSpaceAndClose(pMerged, newId); });
}

Acad::ErrorStatus MavUtils::mergePline(
    AcArray<AcDbObjectId> ids, const AcDbObjectId& layer, AcDbObjectId& newId, AcDbBlockTableRecord* pRecord)
{
    // A polyline no block takes is not kept.
    return mergeChain(ids, layer, [&](AcDbPolyline* pMerged) {
        if (pRecord == nullptr)
            delete pMerged;
        else
            addToBlockTableRecordAndClose(newId, pMerged, pRecord);
    });
}

Acad::ErrorStatus MavUtils::mergePlineEx(AcArray<AcDbObjectId> ids, const AcDbObjectId& layer, AcDbObjectId& newId)
{
    // 1-2. The curves as geometry pieces, until one does not open.
    MavGeDbCurve converter;
    AcGeVoidPointerArray pieces;
    bool unopened = false;
    for (const AcDbObjectId& id : ids) {
        AcDbEntity* pEnt = nullptr;
        if (openEntWithID(id, AcDb::kForRead, pEnt) != Acad::eOk) {
            BDTAlert(L"mergePlineEx");
            unopened = true;
            break;
        }
        appendGeometry(pEnt, converter, pieces);
        pEnt->close();
    }
    // 3. One chain, one polyline.
    AcGeCompositeCurve3d composite(pieces);
    AcDbPolyline* pPolyline = nullptr;
    const Acad::ErrorStatus es = converter.convertGeCurveToPolyline(&composite, pPolyline);
    // 4. Into the current space on the given layer; no chain, no polyline.
    if (pPolyline != nullptr) {
        pPolyline->setLayer(layer, true, false);
        addToCurrentSpaceAndClose(pPolyline, newId);
    }
    if (unopened)
        return Acad::eNotApplicable;
    return es == Acad::eOk && pPolyline == nullptr ? Acad::eInvalidInput : es;
}

Acad::ErrorStatus MavUtils::reverseDbPolyline(const AcDbObjectId& id)
{
    return reverseById<AcDbPolyline>(
        id, L"AcDbPolyline", [](AcDbPolyline* pPolyline) { return reverseDbPolyline(pPolyline); });
}

Acad::ErrorStatus MavUtils::reverseDbPolylineOnlyArc(const AcDbObjectId& id)
{
    return reverseById<AcDbPolyline>(
        id, L"AcDbPolyline", [](AcDbPolyline* pPolyline) { return reverseDbPolylineOnlyArc(pPolyline); });
}

Acad::ErrorStatus MavUtils::reverseDbPolylineOnlyArc(AcDbPolyline* pPolyline)
{
    if (pPolyline == nullptr)
        return Acad::eInvalidInput;
    // 1. Vertices and bulges.
    AcGePoint3dArray points;
    AcGeDoubleArray bulges;
    scanPline(pPolyline, points, bulges);
    // 2. The points reversed; each bulge stays at its index.
    reverseDataInArray(points);
    // 3. Every bulge turned the other way.
    for (double& bulge : bulges)
        bulge = -bulge;
    // 4. Written back.
    return writeVertices(pPolyline, points, bulges);
}

Acad::ErrorStatus MavUtils::plineToLine(AcDbObjectId& id)
{
    AcDbEntity* pEnt = nullptr;
    const Acad::ErrorStatus es = openEntWithID(id, AcDb::kForRead, pEnt);
    if (es != Acad::eOk)
        return es;
    const AcDbPolyline* pPolyline = IsClass(pEnt, L"AcDbPolyline") ? static_cast<AcDbPolyline*>(pEnt) : nullptr;
    if (pPolyline == nullptr || pPolyline->numVerts() != 2) {
        pEnt->close();
        return es;
    }
    AcGePoint3d start;
    AcGePoint3d end;
    pPolyline->getPointAt(0, start);
    pPolyline->getPointAt(1, end);
    pEnt->close();
    drawLine(start, end, id);
    return es;
}

Acad::ErrorStatus MavUtils::partDbCurve(AcDbObjectId& id, int n)
{
    // 1. A curve to divide, into at least one piece.
    if (id.isNull() || n < 1) {
        acutPrintf(L"\n被等分化曲线无效！");
        return Acad::eInvalidInput;
    }
    // 2. The curve.
    AcDbCurve* pCurve = nullptr;
    const Acad::ErrorStatus es = openCurveWithID(id, AcDb::kForRead, pCurve);
    if (es != Acad::eOk)
        return es;
    // 3-6. The divided polyline beside it.
    AcDbObjectId newId;
    const Acad::ErrorStatus appended = appendDivided(pCurve, n, newId);
    pCurve->close();
    if (appended != Acad::eOk)
        return appended;
    // 7. It replaces the curve.
    const AcDbObjectId oldId = id;
    id = newId;
    deleteObj(oldId);
    refreshDisplay();
    // 8. The id names the polyline now.
    return id != oldId ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus MavUtils::partDbCurve(AcDbCurve* pCurve, int piecesPerUnit)
{
    // So many pieces per whole unit of length.
    const int pieces = pCurve != nullptr ? static_cast<int>(std::trunc(curveLength(pCurve))) * piecesPerUnit : 0;
    if (pieces < 1) {
        acutPrintf(L"\n被等分化曲线无效！");
        return Acad::eInvalidInput;
    }
    AcDbObjectId newId;
    const Acad::ErrorStatus es = appendDivided(pCurve, pieces, newId);
    if (es == Acad::eOk)
        refreshDisplay();
    return es;
}

Acad::ErrorStatus MavUtils::reverseDbLine(AcDbLine* pLine)
{
    if (pLine == nullptr)
        return Acad::eInvalidInput;
    if (!pLine->isWriteEnabled()) {
        const Acad::ErrorStatus es = pLine->upgradeOpen();
        if (es != Acad::eOk)
            return es;
    }
    const AcGePoint3d start = pLine->startPoint();
    const AcGePoint3d end = pLine->endPoint();
    pLine->setStartPoint(end);
    return pLine->setEndPoint(start);
}

Acad::ErrorStatus MavUtils::reverseDbLine(const AcDbObjectId& id)
{
    return reverseById<AcDbLine>(id, L"AcDbLine", [](AcDbLine* pLine) { return reverseDbLine(pLine); });
}

Acad::ErrorStatus MavUtils::reverseDbPolyline(AcDbPolyline* pPolyline)
{
    if (pPolyline == nullptr)
        return Acad::eInvalidInput;
    // 1. Vertices and bulges.
    AcGePoint3dArray points;
    AcGeDoubleArray bulges;
    scanPline(pPolyline, points, bulges);
    const int n = points.length();
    if (n == 0)
        return Acad::eOk;
    // 2. Both lists reversed.
    reverseDataInArray(points);
    reverseDataInArray(bulges);
    // 3. Each segment run backwards: its bulge negated and moved to its new start vertex; a
    // closed polyline's closing segment too.
    AcGeDoubleArray reversed;
    for (int i = 0; i + 1 < n; ++i)
        reversed.append(-bulges[i + 1]);
    reversed.append(pPolyline->isClosed() ? -bulges[0] : 0.0);
    // 4. Written back, widths with their segments.
    const Acad::ErrorStatus es = writeVertices(pPolyline, points, reversed);
    const Acad::ErrorStatus widths = reverseWidths(pPolyline);
    return es != Acad::eOk ? es : widths;
}

Acad::ErrorStatus MavUtils::reverseDbCurve(const AcDbObjectId& id)
{
    AcDbCurve* pCurve = nullptr;
    int kind = 0;
    if (openCurveWithID(id, AcDb::kForRead, pCurve) == Acad::eOk) {
        isMavCurve(pCurve, kind);
        pCurve->close();
    } else {
        BDTAlert(L"isMavCurve");
    }
    if (kind == 0) {
        BDTAlert(L"reverseDbCurve !isMavCurve");
        return Acad::eOk;
    }
    if (kind == 1)
        return reverseDbPolyline(id);
    if (kind == 4)
        return reverseDbLine(id);
    return Acad::eOk;
}
