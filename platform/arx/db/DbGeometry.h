// Geometry shared by the entity classes: object coordinate systems, bulge segments,
// similarity tests of transformations, extents of geometry-library curves, and copies of
// entities for split curves and exploded block contents.
#pragma once

#include "AcDbExtents.h"
#include "AcGeCurve2d.h"
#include "AcGeCurve3d.h"
#include "AcGeMatrix3d.h"
#include "AcGePoint2d.h"

#include <memory>
#include <vector>

class AcDbCurve;
class AcDbEntity;
class DbCurveModel;

namespace DbGeometry {

// The X axis of the object coordinate system of a normal (the arbitrary-axis rule).
AcGeVector3d ocsXAxis(const AcGeVector3d& normal);
// The angle of a vector about the normal, from the OCS X axis, in [0, 2pi).
double ocsAngle(const AcGeVector3d& normal, const AcGeVector3d& v);
// A world point in the OCS of a normal and back.
AcGePoint3d toOcs(const AcGeVector3d& normal, const AcGePoint3d& p);
AcGePoint3d fromOcs(const AcGeVector3d& normal, const AcGePoint3d& p);

// The segment from p0 to p1 with the given bulge (in the plane of normal) as entity
// parameters param..param+1: a line fraction by length, an arc fraction by angle.
void addBulgeSegment(DbCurveModel& model, const AcGePoint3d& p0, const AcGePoint3d& p1, double bulge,
    const AcGeVector3d& normal, double param);
// The plane segment with the given bulge, for offsets and the polyline's own segment queries.
AcGeCurve2d* bulgeSegment2d(const AcGePoint2d& p0, const AcGePoint2d& p1, double bulge);
// A plane chain of lines and arcs as vertices and bulges (the end point last); false when a
// span is neither.
bool chainToVertices(const AcGeCurve2d& chain, std::vector<AcGePoint2d>& points, std::vector<double>& bulges);

// Whether the transformation scales every direction alike (mirroring allowed), and by what.
bool isUniform(const AcGeMatrix3d& xform, double& scale);
// Whether it turns a counter-clockwise plane figure clockwise.
bool isMirroring(const AcGeMatrix3d& xform);

// Adds the exact extents of a curve (closed forms for lines and arcs, dense samples otherwise).
void addCurveExtents(const AcGeCurve3d& curve, AcDbExtents& extents);

// The database curve of a geometry-library curve (line, arc or circle, ellipse, spline), or null.
AcDbCurve* curveFromGe(const AcGeCurve3d& curve);

// A copy of an entity (same class, same properties and data, not in a database), or null.
AcDbEntity* copyEntity(const AcDbEntity* entity);

} // namespace DbGeometry
