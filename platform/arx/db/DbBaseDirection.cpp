// A base point and a unit direction, as rays and construction lines hold them.
#include "DbBaseDirection.h"

#include "AcDbDxfFiler.h"
#include "DbDxfFields.h"

namespace DbBaseDirection {

void write(AcDbDxfFiler* filer, const wchar_t* subclass, const AcGePoint3d& base, const AcGeVector3d& dir)
{
    filer->writeSubclass(subclass);
    filer->writePoint3d(10, base);
    filer->writeVector3d(11, dir);
}

Acad::ErrorStatus read(AcDbDxfFiler* filer, const wchar_t* subclass, AcGePoint3d& base, AcGeVector3d& dir)
{
    using namespace DbDxfFields;
    return DbDxfFields::read(filer, subclass, { Point { 10, base }, Vector { 11, dir } });
}

AcGePoint3d offsetBase(const AcGePoint3d& base, const AcGeVector3d& dir, double distance)
{
    AcGeVector3d right = dir.crossProduct(AcGeVector3d::kZAxis);
    if (right.isZeroLength())
        right = dir.perpVector();
    return base + right.normal() * distance;
}

Acad::ErrorStatus transform(const AcGeMatrix3d& xform, AcGePoint3d& base, AcGeVector3d& dir)
{
    AcGeVector3d turned = dir;
    turned.transformBy(xform);
    if (turned.isZeroLength())
        return Acad::eDegenerateGeometry;
    base.transformBy(xform);
    dir = turned.normal();
    return Acad::eOk;
}

} // namespace DbBaseDirection
