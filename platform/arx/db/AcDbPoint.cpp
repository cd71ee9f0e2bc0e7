// DXF: position 10, thickness 39, extrusion 210, X-axis angle 50 (degrees).
#include "AcDbPoint.h"

#include "AcDbDxfFiler.h"
#include "AcGeLineSeg3d.h"
#include "DbDxfFields.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbPoint, AcDbEntity, L"POINT")

Acad::ErrorStatus AcDbPoint::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbEntity::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbPoint");
    filer->writePoint3d(10, mPosition);
    if (mThickness != 0.0)
        filer->writeDouble(39, mThickness);
    if (mNormal != AcGeVector3d::kZAxis)
        filer->writeVector3d(210, mNormal);
    if (mEcsRotation != 0.0)
        filer->writeAngle(50, mEcsRotation);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbEntity::dxfInFields(filer);
    using namespace DbDxfFields;
    return DbDxfFields::read(filer, L"AcDbPoint",
        { Point { 10, mPosition }, Real { 39, mThickness }, Vector { 210, mNormal }, Angle { 50, mEcsRotation } });
}

Acad::ErrorStatus AcDbPoint::getGeomExtents(AcDbExtents& extents) const
{
    extents.set(mPosition, mPosition);
    return Acad::eOk;
}

bool AcDbPoint::getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool) const
{
    // A point meets a curve where it lies on it: a segment of no length finds that.
    curves.push_back(std::make_unique<AcGeLineSeg3d>(mPosition, mPosition));
    return true;
}

Acad::ErrorStatus AcDbPoint::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mPosition.transformBy(xform);
    mNormal.transformBy(xform);
    if (!mNormal.isZeroLength())
        mNormal = mNormal.normal();
    return Acad::eOk;
}
