#include "CGLGZ_CapDraw.h"

#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbServices.h"
#include "CTov_DwgDataBase.h"

#include <algorithm>
#include <cmath>

namespace {

// Below this distance two points count as one: the direction between them is then undefined.
constexpr double kSamePoint = 1e-12;

AcGeVector3d PlaneDirection(const AcGePoint3d& a, const AcGePoint3d& b)
{
    const double length = a.distanceTo(b);
    if (length < kSamePoint)
        return AcGeVector3d(0.0, 0.0, 0.0);
    return AcGeVector3d((b.x - a.x) / length, (b.y - a.y) / length, 0.0);
}

AcDb::Intersect IntersectMode(int extendFirst, int extendSecond)
{
    if (extendFirst && extendSecond)
        return AcDb::kExtendBoth;
    if (extendFirst)
        return AcDb::kExtendThis;
    if (extendSecond)
        return AcDb::kExtendArg;
    return AcDb::kOnBothOperands;
}

constexpr double kClipTolerance = 0.005;

// The part of a polyline segment from its start, which lies left of x, to where it meets x on
// its way to the end, which lies right of it.
struct ClippedSegment {
    AcGePoint2d end;
    double bulge;
};

ClippedSegment ClipSegmentAtX(const AcGePoint2d& start, const AcGePoint2d& end, double bulge, double x)
{
    if (bulge == 0.0) {
        const double t = (x - start.x) / (end.x - start.x);
        return { AcGePoint2d(x, start.y + t * (end.y - start.y)), 0.0 };
    }
    // The arc's centre lies (1 - b^2) / (4 b) chords to the left of the chord's middle; it turns
    // through 4 atan(b), counter-clockwise for b > 0.
    const double sweep = 4.0 * std::atan(bulge);
    const double offset = (1.0 - bulge * bulge) / (4.0 * bulge);
    const double cx = (start.x + end.x) / 2.0 - offset * (end.y - start.y);
    const double cy = (start.y + end.y) / 2.0 + offset * (end.x - start.x);
    const double radius = std::hypot(start.x - cx, start.y - cy);
    const double startAngle = std::atan2(start.y - cy, start.x - cx);
    const double reach = std::acos(std::clamp((x - cx) / radius, -1.0, 1.0));
    // Of the two points of the circle at x, the first that the arc reaches from its start.
    const double turn = 2.0 * 3.1415926535897932;
    double part = 1.0;
    for (double angle : { reach, -reach }) {
        double travelled = std::fmod(sweep > 0.0 ? angle - startAngle : startAngle - angle, turn);
        if (travelled < 0.0)
            travelled += turn;
        part = std::min(part, travelled / std::fabs(sweep));
    }
    const double kept = startAngle + part * sweep;
    return { AcGePoint2d(x, cy + radius * std::sin(kept)), std::tan(part * sweep / 4.0) };
}

} // namespace

AcGePoint3d CGLGZ_CapDraw::PointAlongLine(const AcGePoint3d& a, const AcGePoint3d& b, double d)
{
    const AcGeVector3d u = PlaneDirection(a, b);
    return AcGePoint3d(a.x + d * u.x, a.y + d * u.y, 0.0);
}

AcGePoint3d CGLGZ_CapDraw::PointAlongRotatedLine(const AcGePoint3d& a, const AcGePoint3d& b, double d, double angle)
{
    const AcGeVector3d u = PlaneDirection(a, b);
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return AcGePoint3d(a.x + d * (u.x * c - u.y * s), a.y + d * (u.x * s + u.y * c), 0.0);
}

AcGePoint3d CGLGZ_CapDraw::IntersectLines(const AcGePoint3d& a1, const AcGePoint3d& a2, const AcGePoint3d& b1,
    const AcGePoint3d& b2, int extendFirst, int extendSecond, int* found)
{
    AcDbLine first(a1, a2);
    AcDbLine second(b1, b2);
    AcGePoint3dArray points;
    first.intersectWith(&second, IntersectMode(extendFirst, extendSecond), points);
    const bool hit = points.length() > 0;
    if (found != nullptr)
        *found = hit ? 1 : 0;
    return hit ? points[0] : AcGePoint3d(0.0, 0.0, 0.0);
}

AcGePoint3d CGLGZ_CapDraw::FindExtremePoint(const AcGePoint3dArray& points, int byX, int largest)
{
    // An empty list has no extreme point; the origin keeps callers from reading past the list.
    if (points.length() == 0)
        return AcGePoint3d(0.0, 0.0, 0.0);
    int kept = 0;
    for (int i = 1; i < points.length(); ++i) {
        const double value = byX ? points[i].x : points[i].y;
        const double best = byX ? points[kept].x : points[kept].y;
        if (largest ? value > best : value < best)
            kept = i;
    }
    return points[kept];
}

// The cut end lies on the clip line itself: a bar ended at the middle of the crossing segment
// would stop short of the middle of a half drawing, or run past it.
void CGLGZ_CapDraw::ClipPolylineAtX(AcDbObjectId polylineId, double x)
{
    AcDbPolyline* pl = nullptr;
    if (polylineId.isNull() || acdbOpenObject(pl, polylineId, AcDb::kForWrite) != Acad::eOk)
        return;
    bool removed = false;
    AcGePoint2d cutVertex;
    for (int i = static_cast<int>(pl->numVerts()) - 1; i >= 0; --i) {
        AcGePoint3d vertex;
        if (pl->getPointAt(static_cast<unsigned int>(i), vertex) != Acad::eOk)
            continue;
        if (std::fabs(vertex.x - x) < kClipTolerance)
            break;
        if (vertex.x > x) {
            cutVertex.set(vertex.x, vertex.y);
            removed = i > 0;
            pl->removeVertexAt(static_cast<unsigned int>(i));
            continue;
        }
        if (removed) {
            double bulge = 0.0;
            pl->getBulgeAt(static_cast<unsigned int>(i), bulge);
            const ClippedSegment cut = ClipSegmentAtX(AcGePoint2d(vertex.x, vertex.y), cutVertex, bulge, x);
            pl->setBulgeAt(static_cast<unsigned int>(i), cut.bulge);
            pl->addVertexAt(static_cast<unsigned int>(i) + 1, cut.end);
        }
        break;
    }
    if (pl->numVerts() < 2)
        pl->erase();
    pl->close();
}

AcDbObjectId CGLGZ_CapDraw::CopyEntityToModelSpace(AcDbObjectId entityId, AcDbExtents* extents)
{
    AcDbEntity* source = nullptr;
    if (entityId.isNull() || acdbOpenAcDbEntity(source, entityId, AcDb::kForRead) != Acad::eOk)
        return AcDbObjectId();
    if (extents != nullptr)
        source->getGeomExtents(*extents);
    // An unmoved copy is the clone: the same entity, its own object.
    AcDbEntity* copy = nullptr;
    const bool copied = source->getTransformedCopy(AcGeMatrix3d::kIdentity, copy) == Acad::eOk && copy != nullptr;
    source->close();
    if (!copied)
        return AcDbObjectId();
    AcDbObjectId id;
    if (!AppendToModelSpace(copy, id)) {
        delete copy;
        return AcDbObjectId();
    }
    copy->close();
    return id;
}

int CGLGZ_CapDraw::MoveEntities(CHLGZ_SteelCode& record, const AcGePoint3d& from, const AcGePoint3d& to)
{
    const AcGeVector3d shift(to.x - from.x, to.y - from.y, 0.0);
    MoveIds(record.aEntityIds, shift);
    record.ptMin += shift;
    record.ptMax += shift;
    return 1;
}

void CGLGZ_CapDraw::CopyIdList(CHLGZ_SteelCode& target, const CHLGZ_SteelCode& source)
{
    // Copied first: the target and the source may be the same record.
    const AcDbObjectIdArray ids = source.aEntityIds;
    for (int i = 0; i < ids.length(); ++i)
        target.aEntityIds.append(ids[i]);
}

int CGLGZ_CapDraw::AppendId(AcDbObjectIdArray& ids, AcDbObjectId id)
{
    ids.append(id);
    return ids.length() - 1;
}

int CGLGZ_CapDraw::ReadPolylineVertices(AcGePoint3dArray& points, AcDbObjectId polylineId)
{
    AcDbPolyline* pl = nullptr;
    const Acad::ErrorStatus es = acdbOpenObject(pl, polylineId, AcDb::kForRead);
    if (es != Acad::eOk)
        return static_cast<int>(es);
    for (unsigned int i = 0; i < pl->numVerts(); ++i) {
        AcGePoint3d vertex;
        if (pl->getPointAt(i, vertex) == Acad::eOk)
            points.append(vertex);
    }
    pl->close();
    return 0;
}

int CGLGZ_CapDraw::ReadPolylineVertexList(AcDbObjectId polylineId, AcGePoint3dArray& points)
{
    if (ReadPolylineVertices(points, polylineId) != 0)
        return 0;
    return points.length();
}

double CGLGZ_CapDraw::SumSpanDifferences(const AcGeDoubleArray& matrix, const AcGeDoubleArray& reference, int row)
{
    const int n = reference.length();
    double sum = 0.0;
    for (int k = 0; k < n; ++k) {
        const int at = row * n + k;
        // Entries beyond the matrix are missing spans, not values: they add nothing.
        if (row < 0 || at >= matrix.length())
            break;
        sum += matrix[at] - reference[k];
    }
    return sum;
}
