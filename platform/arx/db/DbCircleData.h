// The circle data that circles and arcs share: one writer and one reader of the DXF subclass
// AcDbCircle, and one transformation of centre, normal and radius, so both keep one format.
#pragma once

#include "AcadErrorStatus.h"
#include "AcGeMatrix3d.h"
#include "AcGePoint3d.h"
#include "AcGeVector3d.h"

class AcDbDxfFiler;

namespace DbCircleData {

// Subclass AcDbCircle: thickness 39 (when not 0), centre 10, radius 40, extrusion 210 (when not
// the Z axis).
void write(AcDbDxfFiler* filer, double thickness, const AcGePoint3d& center, double radius, const AcGeVector3d& normal);
// eInvalidInput, and nothing read, when the filer is not at that subclass.
Acad::ErrorStatus read(
    AcDbDxfFiler* filer, double& thickness, AcGePoint3d& center, double& radius, AcGeVector3d& normal);
// A uniform transformation of the given scale moves the centre, turns the normal and scales the radius.
void transform(const AcGeMatrix3d& xform, double scale, AcGePoint3d& center, AcGeVector3d& normal, double& radius);

} // namespace DbCircleData
