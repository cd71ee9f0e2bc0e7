// A style without a text style takes the drawing's "Standard" one when added.
#include "AcDbDimStyleTableRecord.h"

#include "AcDbDatabase.h"
#include "AcDbDxfFiler.h"
#include "AcDbHostApplicationServices.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbDimStyleTableRecord, AcDbSymbolTableRecord, L"DIMSTYLE")

Acad::ErrorStatus AcDbDimStyleTableRecord::copyFrom(const AcRxObject* pSrc)
{
    const auto* src = AcDbDimStyleTableRecord::cast(pSrc);
    if (src == nullptr)
        return Acad::eWrongObjectType;
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    copyDimVariables(*src);
    return Acad::eOk;
}

AcDbDatabase* AcDbDimStyleTableRecord::dimVarDatabase() const
{
    return database() ? database() : acdbHostApplicationServices()->workingDatabase();
}

void AcDbDimStyleTableRecord::objectAddedToDatabase()
{
    if (dimtxsty().isNull())
        setDimtxsty(database()->symbolId(database()->textStyleTableId(), L"Standard"));
}

Acad::ErrorStatus AcDbDimStyleTableRecord::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbSymbolTableRecord::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbDimStyleTableRecord");
    dxfOutNameAndFlags(filer, 0);
    dxfOutDimVariables(filer);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbSymbolTableRecord::dxfInFields(filer);
    filer->atSubclassData(L"AcDbDimStyleTableRecord");
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        if (g.code == 2)
            dxfInName(g.asString());
        else
            dxfInDimVariable(g.code, g, filer);
    });
    return Acad::eOk;
}
