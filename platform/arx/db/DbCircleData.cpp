// The circle data that circles and arcs share.
#include "DbCircleData.h"

#include "AcDbDxfFiler.h"
#include "DbDxfFields.h"

namespace DbCircleData {

void write(AcDbDxfFiler* filer, double thickness, const AcGePoint3d& center, double radius, const AcGeVector3d& normal)
{
    filer->writeSubclass(L"AcDbCircle");
    if (thickness != 0.0)
        filer->writeDouble(39, thickness);
    filer->writePoint3d(10, center);
    filer->writeDouble(40, radius);
    if (normal != AcGeVector3d::kZAxis)
        filer->writeVector3d(210, normal);
}

Acad::ErrorStatus read(
    AcDbDxfFiler* filer, double& thickness, AcGePoint3d& center, double& radius, AcGeVector3d& normal)
{
    using namespace DbDxfFields;
    return DbDxfFields::read(filer, L"AcDbCircle",
        { Real { 39, thickness }, Point { 10, center }, Real { 40, radius }, Vector { 210, normal } });
}

void transform(const AcGeMatrix3d& xform, double scale, AcGePoint3d& center, AcGeVector3d& normal, double& radius)
{
    center.transformBy(xform);
    AcGeVector3d n = normal;
    n.transformBy(xform);
    normal = n.normal();
    radius *= scale;
}

} // namespace DbCircleData
