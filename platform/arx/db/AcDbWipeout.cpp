// The drawing's wipeout settings are made with its first wipeout, as the host does.
#include "AcDbWipeout.h"

#include "AcDbDatabase.h"
#include "AcDbDxfFiler.h"
#include "AcDbWipeoutVariables.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbWipeout, AcDbRasterImage, L"WIPEOUT")

AcDbWipeout::AcDbWipeout()
{
    setDisplayOpt(kTransparent, false);
}

void AcDbWipeout::objectAddedToDatabase()
{
    AcDbRasterImage::objectAddedToDatabase();
    AcDbWipeoutVariables::getOrCreate(database());
}

Acad::ErrorStatus AcDbWipeout::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbRasterImage::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbWipeout");
    return Acad::eOk;
}

Acad::ErrorStatus AcDbWipeout::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbRasterImage::dxfInFields(filer);
    filer->atSubclassData(L"AcDbWipeout");
    return Acad::eOk;
}
