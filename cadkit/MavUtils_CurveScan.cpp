// Curves read into plain lists (polyline vertices with bulges, an arc's ends and tangents),
// curves and pairs of curves classified by kind, the side of a line a point lies on, distances
// to a curve's nearer end, and copies of the library's curve kinds.
#include "MavUtils.h"

#include "MavCounter.h"
#include "MavHelpers.h"

#include "AcDb2dPolyline.h"
#include "AcDb2dVertex.h"
#include "AcDb3dPolyline.h"
#include "AcDb3dPolylineVertex.h"
#include "AcDbArc.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbCurve.h"
#include "AcDbLine.h"
#include "AcDbObjectIterator.h"
#include "AcDbPolyline.h"
#include "AcDbServices.h"
#include "AcGeLineSeg3d.h"

#include <cmath>
#include <cwchar>
#include <memory>
#include <new>

namespace {

constexpr double kSquare = 0.001;

// Reads one vertex of a polyline's vertex sequence: opened by id when the polyline is in a
// database (the host's way), else taken straight from the iterator.
template <class Vertex, class Read>
void readVertex(const AcDbObjectIterator& it, Read read)
{
    if (it.objectId().isNull()) {
        if (const Vertex* pVertex = Vertex::cast(it.entity()))
            read(*pVertex);
        return;
    }
    Vertex* pVertex = nullptr;
    if (acdbOpenObject(pVertex, it.objectId(), AcDb::kForRead) != Acad::eOk)
        return;
    read(*pVertex);
    pVertex->close();
}

// The vertices of a 2D polyline that lie on it (a spline frame's control points do not).
void vertices2d(const AcDb2dPolyline* pSource, AcGePoint3dArray& points, AcGeDoubleArray& bulges)
{
    std::unique_ptr<AcDbObjectIterator> it(pSource->vertexIterator());
    for (; !it->done(); it->step()) {
        readVertex<AcDb2dVertex>(*it, [&](const AcDb2dVertex& vertex) {
            if (vertex.vertexType() == AcDb::k2dSplineCtlVertex)
                return;
            points.append(vertex.position());
            bulges.append(vertex.bulge());
        });
    }
}

void vertices3d(const AcDb3dPolyline* pSource, AcGePoint3dArray& points)
{
    std::unique_ptr<AcDbObjectIterator> it(pSource->vertexIterator());
    for (; !it->done(); it->step()) {
        readVertex<AcDb3dPolylineVertex>(*it, [&](const AcDb3dPolylineVertex& vertex) {
            if (vertex.vertexType() != AcDb::k3dControlVertex)
                points.append(vertex.position());
        });
    }
}

// The vertices go along: a polyline of type and flags alone would be an empty curve.
AcDbCurve* copyOf2d(const AcDb2dPolyline* pSource)
{
    AcGePoint3dArray points;
    AcGeDoubleArray bulges;
    vertices2d(pSource, points, bulges);
    return new (std::nothrow) AcDb2dPolyline(pSource->polyType(), points, pSource->elevation(), pSource->isClosed(),
        pSource->defaultStartWidth(), pSource->defaultEndWidth(), &bulges);
}

AcDbCurve* copyOf3d(const AcDb3dPolyline* pSource)
{
    AcGePoint3dArray points;
    vertices3d(pSource, points);
    return new (std::nothrow) AcDb3dPolyline(pSource->polyType(), points, pSource->isClosed());
}

AcDbCurve* copyOfKind(const AcDbCurve* pSource, int kind)
{
    switch (kind) {
    case 1: return NewPolylineWithVerticesOf(AcDbPolyline::cast(pSource));
    case 2: return copyOf2d(AcDb2dPolyline::cast(pSource));
    case 3: return copyOf3d(AcDb3dPolyline::cast(pSource));
    case 4: {
        const AcDbLine* pLine = AcDbLine::cast(pSource);
        return new (std::nothrow) AcDbLine(pLine->startPoint(), pLine->endPoint());
    }
    default: {
        const AcDbArc* pArc = AcDbArc::cast(pSource);
        return new (std::nothrow) AcDbArc(pArc->center(), pArc->radius(), pArc->startAngle(), pArc->endAngle());
    }
    }
}

// The shared steps of the two copies into the drawing; append puts the copy in its place.
template <class Append>
int copyOntoLayer(const AcDbObjectId& source, AcDbObjectId& newId, const CString& layer, Append append)
{
    // 1. Classify and copy.
    int kind = 0;
    AcDbCurve* pCopy = nullptr;
    const int made = MavUtils::isMavCurveThenMakeACopy(source, kind, pCopy);
    // 2. Nothing to place.
    if (made == 0 || pCopy == nullptr) {
        delete pCopy;
        MavUtils::BDTAlert(L"isMavCurveThenMakeACopy");
        return 0;
    }
    // 3. Onto the layer, into the drawing, shown.
    pCopy->setLayer(layer, true, false);
    append(pCopy);
    MavUtils::updateDbEntity(newId);
    return made;
}

} // namespace

Acad::ErrorStatus MavUtils::scanPline(AcDbPolyline* pPolyline, AcArray<AcGePoint3d>& points)
{
    if (pPolyline == nullptr)
        return Acad::eInvalidInput;
    // A vertex that cannot be read repeats the one before it.
    AcGePoint3d point;
    for (unsigned int i = 0; i < pPolyline->numVerts(); ++i) {
        pPolyline->getPointAt(i, point);
        points.append(point);
    }
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::scanPline(
    AcDbPolyline* pPolyline, AcArray<AcGePoint3d>& points, AcArray<double>& bulges, AcArray<int>& indexes)
{
    if (pPolyline == nullptr)
        return Acad::eInvalidInput;
    AcGePoint3d point;
    double bulge = 0.0;
    for (unsigned int i = 0; i < pPolyline->numVerts(); ++i) {
        pPolyline->getPointAt(i, point);
        pPolyline->getBulgeAt(i, bulge);
        points.append(point);
        bulges.append(bulge);
        indexes.append(static_cast<int>(i));
    }
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::scanarcEx(const AcDbArc* pArc, AcGePoint3d& endPoint, AcGePoint3d& startPoint,
    AcGeVector3d& endTangent, AcGeVector3d& startTangent, double& bulge)
{
    if (pArc == nullptr)
        return Acad::eInvalidInput;
    pArc->getStartPoint(startPoint);
    pArc->getEndPoint(endPoint);
    MavCounter::calculateBulge(pArc, bulge);
    pArc->getFirstDeriv(endPoint, endTangent);
    return pArc->getFirstDeriv(startPoint, startTangent);
}

Acad::ErrorStatus MavUtils::scanLinkElements(const AcDbObjectId& first, const AcDbObjectId& second, int& code)
{
    int firstType = 0;
    int secondType = 0;
    Acad::ErrorStatus es = scanElementType(first, firstType);
    if (es != Acad::eOk)
        return es;
    es = scanElementType(second, secondType);
    if (es != Acad::eOk)
        return es;
    code = 10 * firstType + secondType;
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::tellLocationOfIntersectPointInDbCurve(
    const AcDbCurve* pCurve, const AcArray<AcGePoint3d>& points, AcArray<double>& distances)
{
    if (pCurve == nullptr)
        return Acad::eInvalidInput;
    AcGePoint3d start;
    AcGePoint3d end;
    Acad::ErrorStatus es = pCurve->getStartPoint(start);
    if (es != Acad::eOk)
        return es;
    es = pCurve->getEndPoint(end);
    if (es != Acad::eOk)
        return es;
    for (const AcGePoint3d& point : points)
        distances.append(std::fmin(point.distanceTo(start), point.distanceTo(end)));
    return Acad::eOk;
}

int MavUtils::tellDirection(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& point)
{
    // 1. The foot on the segment.
    const AcGePoint3d foot = AcGeLineSeg3d(p1, p2).closestPointTo(point, AcGeContext::gTol);
    // 2. From the point to its foot, and along the line.
    const AcGeVector3d toFoot = foot - point;
    const AcGeVector3d along = p2 - p1;
    // 3. The counter-clockwise turn from the first to the second.
    const double angle = toFoot.angleTo(along, AcGeVector3d::kZAxis);
    // 4. A quarter turn: the point lies on the left.
    return std::fabs(angle - kPi / 2.0) < kSquare ? 0 : 1;
}

int MavUtils::tellDirection(const AcGeVector3d& direction, const AcGePoint3d& point)
{
    const AcGePoint3d origin(0.0, 0.0, 0.0);
    return tellDirection(origin, origin + direction * 2.0, point);
}

int MavUtils::isDBArc(const AcDbObjectId& id, AcDbArc*& pArc)
{
    AcDbCurve* pCurve = nullptr;
    if (openCurveWithID(id, AcDb::kForRead, pCurve) != Acad::eOk) {
        BDTAlert(L"isDBArc");
        return 0;
    }
    int result = 0;
    if (AcDbArc* pFound = AcDbArc::cast(pCurve)) {
        pArc = pFound;
        result = 1;
    }
    pCurve->close();
    return result;
}

int MavUtils::isMavCurveThenMakeACopy(const AcDbCurve* pSource, AcDbCurve*& pCopy)
{
    if (pSource == nullptr)
        return 0;
    int kind = 0;
    const int result = isMavCurve(pSource, kind);
    if (result == 0)
        return result;
    // An allocation failure still answers with the kind test's 1, the copy null.
    pCopy = copyOfKind(pSource, kind);
    return result;
}

int MavUtils::isMavCurveThenMakeACopy(const AcDbObjectId& source, AcDbObjectId& newId, const CString& layer)
{
    return copyOntoLayer(source, newId, layer, [&](AcDbCurve* pCopy) { addToCurrentSpaceAndClose(pCopy, newId); });
}

int MavUtils::isMavCurveThenMakeACopy(
    AcDbBlockTableRecord* pRecord, const AcDbObjectId& source, AcDbObjectId& newId, const CString& layer)
{
    // Without a record the copy would have no owner and be lost.
    if (pRecord == nullptr)
        return 0;
    return copyOntoLayer(
        source, newId, layer, [&](AcDbCurve* pCopy) { addToBlockTableRecordAndClose(newId, pCopy, pRecord); });
}

void AppendVertexPoints(const AcDbCurve* pCurve, AcArray<AcGePoint3d>& points)
{
    int kind = 0;
    if (pCurve == nullptr || MavUtils::isMavCurve(pCurve, kind) == 0)
        return;
    AcGeDoubleArray bulges;
    switch (kind) {
    case 1: MavUtils::scanPline(AcDbPolyline::cast(pCurve), points); break;
    case 2: vertices2d(AcDb2dPolyline::cast(pCurve), points, bulges); break;
    case 3: vertices3d(AcDb3dPolyline::cast(pCurve), points); break;
    default: {
        AcGePoint3d start;
        AcGePoint3d end;
        pCurve->getStartPoint(start);
        pCurve->getEndPoint(end);
        points.append(start);
        points.append(end);
    }
    }
}
