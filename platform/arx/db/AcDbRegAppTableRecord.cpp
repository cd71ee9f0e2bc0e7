// A registered application has nothing but its name.
#include "AcDbRegAppTableRecord.h"

#include "AcDbDxfFiler.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbRegAppTableRecord, AcDbSymbolTableRecord, L"APPID")

Acad::ErrorStatus AcDbRegAppTableRecord::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbSymbolTableRecord::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbRegAppTableRecord");
    dxfOutNameAndFlags(filer, 0);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRegAppTableRecord::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbSymbolTableRecord::dxfInFields(filer);
    filer->atSubclassData(L"AcDbRegAppTableRecord");
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        if (g.code == 2)
            dxfInName(g.asString());
    });
    return Acad::eOk;
}
