// Curve queries that the library's editing members (trimming, offsetting, merging, linking,
// division polylines) share: crossings in plan, how two curves meet, vertex lists, points
// along a guide curve. Internal to the library; nothing here is exported.
#pragma once

#include "AcArray.h"
#include "AcDb.h"
#include "AcDbObjectId.h"
#include "AcGeDoubleArray.h"
#include "AcGePoint2d.h"
#include "AcGePoint3d.h"
#include "AcGePoint3dArray.h"
#include "AcGeVector3d.h"
#include "AcadErrorStatus.h"

class AcDbCurve;
class AcDbEntity;
class AcDbPolyline;

namespace MavCurveSupport {

// Every crossing of the library is taken in plan: both entities projected onto the XY plane
// through the origin. The first entity's intersectWith runs, so kExtendThis extends it.
Acad::ErrorStatus intersectInPlan(const AcDbEntity* pFirst, const AcDbEntity* pSecond, AcDb::Intersect mode,
    AcGePoint3dArray& points, int firstMarker = 0);

// The curve's point nearest to the given one, the curve not extended; the point itself when
// the curve cannot answer.
AcGePoint3d snapOnto(const AcDbCurve* pCurve, const AcGePoint3d& point);

// How two curves meet. Relation codes: 0 end to end; 1 an end of the first inside the second;
// 10 an end of the second inside the first; 11 a crossing; -73 the first must be extended (or
// they cross in plan only); -1, -9 met with the first extended at its ends; -1110, -1100,
// -1000 met with the second extended (-1000: the second must be extended); -1111 both must be
// extended. The relation keeps its entry value when no case applies. End flags are 1 when the
// meeting point is nearer that curve's end point than its start point.
Acad::ErrorStatus relationOfTwoCurves(const AcDbCurve* pFirst, const AcDbCurve* pSecond, int& relation,
    AcGePoint3d& point, int& endFlag1, int& endFlag2);
Acad::ErrorStatus relationOfTwoCurves(const AcDbObjectId& first, const AcDbObjectId& second, int& relation,
    AcGePoint3d& point, int& endFlag1, int& endFlag2);

// Appends a curve's vertices, bulges and indexes: a lightweight, 2-D or 3-D polyline its
// vertices, a line its two ends, an arc its two ends taken from the one nearer the last point
// already listed (from its end when the list is empty), its bulge signed for that order. The
// kind is 0 to 4 in that order; another class appends nothing. 2 when the id does not open.
Acad::ErrorStatus scanVertices(const AcDbObjectId& id, AcGePoint3dArray& points, AcGeDoubleArray& bulges,
    AcArray<int>& indexes, int& kind);
// A lightweight polyline's vertices (world points) and bulges, in order.
void scanPolyline(const AcDbPolyline* pPolyline, AcGePoint3dArray& points, AcGeDoubleArray& bulges);
// Per vertex its x and y and, as z, the azimuth of the polyline's direction there.
void scanVertexDirections(const AcDbPolyline* pPolyline, AcArray<AcGePoint3d>& points);
// The mean of a curve's listed vertices; the origin when it lists none.
AcGePoint3d vertexCentre(const AcDbObjectId& id);

// Start and end point: 3 for a null id or curve, the open status (alerted) when it fails.
Acad::ErrorStatus startEndPoints(const AcDbCurve* pCurve, AcGePoint3d& start, AcGePoint3d& end);
Acad::ErrorStatus startEndPoints(const AcDbObjectId& id, AcGePoint3d& start, AcGePoint3d& end);

// A curve's length and vertex count (a lightweight polyline's vertices, 2 for a line or an
// arc, the count left as given for other curves): 3 for a null id, 2 when it does not open.
Acad::ErrorStatus lengthAndVertexCount(const AcDbObjectId& id, double& length, int& count);

// The point at a distance and plan angle from a base point, z kept.
AcGePoint3d polarPoint(const AcGePoint3d& base, double distance, double angle);
// The point moved by a distance along the left normal (a quarter turn counter-clockwise about
// +Z) of a direction; the point itself for a zero direction.
AcGePoint3d shiftLeft(const AcGePoint3d& point, const AcGeVector3d& direction, double distance);
// The crossing of the line through a1, a2 with the line through b1, b2; false for parallel
// or degenerate lines, the output then untouched.
bool crossingOfLines(
    const AcGePoint2d& a1, const AcGePoint2d& a2, const AcGePoint2d& b1, const AcGePoint2d& b2, AcGePoint2d& crossing);

// Division points between two boundary curves along cross lines laid every step along a
// guide curve, each turned by angleOffset from the guide's direction there: per cross line
// the n - 1 points that divide its stretch between the boundaries into n equal parts, from
// the first boundary. A cross line that misses a boundary adds none of its points, so the
// points stay grouped by n - 1. 3 for n below 1 or a step that is not positive.
Acad::ErrorStatus divisionPointsAlongGuide(const AcDbObjectId& first, const AcDbObjectId& second,
    const AcDbObjectId& guide, double angleOffset, int n, double step, AcArray<AcGePoint3d>& points);

// Whether the entity is of exactly that class (a derived class is not).
bool hasClassName(const AcDbEntity* pEnt, const wchar_t* name);

// The library's curve kind by exact class name: 1 lightweight polyline, 2 2-D polyline, 3 3-D
// polyline, 4 line, 5 arc; 0 for any other class.
int mavCurveKind(const AcDbCurve* pCurve);

// Closes an object that may have been opened more than once until its last close.
void closeFully(AcDbEntity* pEnt);

} // namespace MavCurveSupport
