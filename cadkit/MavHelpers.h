// Helpers of the library that the library alone uses: the current document's database, the
// draw-order table and switch, and the curve queries that several topics share. They are not
// exported.
#pragma once

#include "AcArray.h"
#include "AcDb.h"
#include "AcGePoint3d.h"
#include "AcGePoint3dArray.h"
#include "AcadErrorStatus.h"

#include <functional>

class AcDbCurve;
class AcDbObjectId;
class AcDbPolyline;
class AcDbDatabase;
class AcDbEntity;
class AcDbRasterImage;
class AcDbSortentsTable;

// The angles of the library are in radians.
inline constexpr double kPi = 3.141592653589793;

AcDbDatabase* GetCurrentDocDatabase();
// The host's working database.
AcDbDatabase* WorkingDatabase();
AcDbSortentsTable* GetOrCreateSortentsTable(AcDbEntity* pEnt);
int SetSortentsVar(short value);
// A new instance of the host's wipeout class, or null when the host has no wipeout support.
AcDbRasterImage* NewWipeout();
// The vertex points of one of the library's five curve kinds, as the scans list them (a line's
// and an arc's two ends), appended; nothing for another curve.
void AppendVertexPoints(const AcDbCurve* pCurve, AcArray<AcGePoint3d>& points);

// The azimuth of the curve's tangent at a parameter: a failed derivative still gives an
// azimuth, from whatever the derivative holds, and shows only in the status.
Acad::ErrorStatus AzimuthAtParam(const AcDbCurve* pCurve, double param, double& azimuth);

// Whether the entity is of exactly that class (a derived class is not): the library's curve
// kinds are told apart by class name.
bool IsClass(const AcDbEntity* pEnt, const wchar_t* name);
// The crossings of two entities as the library takes them, in plan: both projected onto the XY
// plane through the origin, appended to the list. The first entity's intersectWith runs, so
// kExtendThis extends it; its graphics marker may name one segment of a polyline.
Acad::ErrorStatus IntersectInPlan(const AcDbEntity* pThis, const AcDbEntity* pArg, AcDb::Intersect mode,
    AcGePoint3dArray& points, int thisMarker = 0);
// The curve's point nearest to the given one, the curve extended only when asked; the point
// itself when the curve cannot answer.
AcGePoint3d ClosestPointOn(const AcDbCurve* pCurve, const AcGePoint3d& point, bool extend = false);
// Closes an object that may have been opened more than once, until its last close. A failed
// close is reported and ends the closing; its status is returned.
Acad::ErrorStatus CloseFully(AcDbEntity* pEnt);
// A new lightweight polyline with the source's vertices, bulges and widths and nothing else:
// open, in the world plane, with the host's default properties; null when memory runs out.
AcDbPolyline* NewPolylineWithVerticesOf(const AcDbPolyline* pSource);
// The frame of the geometry members that take an id and hand the open curve to their pointer
// form: 3 for a null id; an id that does not open is alerted with the tag and gives 2; an
// entity that is not a curve is passed over; otherwise 0, whatever the pointer form returned.
Acad::ErrorStatus OnCurveOfId(const AcDbObjectId& id, const wchar_t* tag, const std::function<void(AcDbCurve*)>& use);
