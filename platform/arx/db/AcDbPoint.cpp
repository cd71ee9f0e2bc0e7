// DXF: position 10, thickness 39, extrusion 210, X-axis angle 50 (degrees).
#include "AcDbPoint.h"

#include "AcDbDxfFiler.h"
#include "AcGeLineSeg3d.h"

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
    if (!filer->atSubclassData(L"AcDbPoint"))
        return Acad::eInvalidInput;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 10:
            mPosition = filer->readPoint3d(g);
            break;
        case 39:
            mThickness = g.asDouble();
            break;
        case 210:
            mNormal = filer->readVector3d(g);
            break;
        case 50:
            mEcsRotation = filer->readAngle(g);
            break;
        default:
            break;
        }
    });
    return Acad::eOk;
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
