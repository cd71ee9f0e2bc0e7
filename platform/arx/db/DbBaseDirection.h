// A base point and a unit direction, as rays and construction lines hold them: one DXF form,
// one offset and one transformation, so the two unbounded lines stay alike where they are alike.
#pragma once

#include "AcGeMatrix3d.h"
#include "AcGePoint3d.h"
#include "AcGeVector3d.h"
#include "AcadErrorStatus.h"

class AcDbDxfFiler;

namespace DbBaseDirection {

// The subclass with base point 10 and unit direction 11.
void write(AcDbDxfFiler* filer, const wchar_t* subclass, const AcGePoint3d& base, const AcGeVector3d& dir);
Acad::ErrorStatus read(AcDbDxfFiler* filer, const wchar_t* subclass, AcGePoint3d& base, AcGeVector3d& dir);
// The base point moved by the distance to the right of the direction seen from +Z, as lines and
// polylines offset.
AcGePoint3d offsetBase(const AcGePoint3d& base, const AcGeVector3d& dir, double distance);
// eDegenerateGeometry, and nothing changed, when the transformation collapses the direction.
Acad::ErrorStatus transform(const AcGeMatrix3d& xform, AcGePoint3d& base, AcGeVector3d& dir);

} // namespace DbBaseDirection
