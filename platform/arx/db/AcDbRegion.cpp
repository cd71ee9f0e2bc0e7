// DXF: AcDbModelerGeometry with format version 70 and no modeller data, then AcDbRegion.
#include "AcDbRegion.h"

#include "AcDbDxfFiler.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbRegion, AcDbEntity, L"REGION")

Acad::ErrorStatus AcDbRegion::createFromCurves(const AcDbVoidPtrArray&, AcDbVoidPtrArray&)
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbRegion::getArea(double&) const
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbRegion::getPerimeter(double&) const
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbRegion::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbEntity::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbModelerGeometry");
    filer->writeInt16(70, 1);
    filer->writeSubclass(L"AcDbRegion");
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbEntity::dxfInFields(filer);
    if (filer->atSubclassData(L"AcDbModelerGeometry"))
        filer->readSubclass([](const AcDbDxfGroup&) {});
    filer->atSubclassData(L"AcDbRegion");
    return Acad::eOk;
}
