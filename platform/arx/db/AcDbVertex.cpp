// A vertex's common DXF data is just its subclass marker.
#include "AcDbVertex.h"

#include "AcDbDxfFiler.h"

ACRX_DEFINE_MEMBERS(AcDbVertex, AcDbEntity)

Acad::ErrorStatus AcDbVertex::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbEntity::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbVertex");
    return Acad::eOk;
}

Acad::ErrorStatus AcDbVertex::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbEntity::dxfInFields(filer);
    filer->atSubclassData(L"AcDbVertex");
    return Acad::eOk;
}
