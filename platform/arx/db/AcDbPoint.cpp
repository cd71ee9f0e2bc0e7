// DXF: position 10, thickness 39, extrusion 210, X-axis angle 50 (degrees).
#include "AcDbPoint.h"

#include "AcDbDxfFiler.h"

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
