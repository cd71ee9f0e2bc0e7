// DXF: frame display 70.
#include "AcDbWipeoutVariables.h"

#include "AcDbDatabase.h"
#include "AcDbDictionary.h"
#include "AcDbDxfFiler.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbWipeoutVariables, AcDbObject, L"WIPEOUTVARIABLES")

AcDbObjectId AcDbWipeoutVariables::getOrCreate(AcDbDatabase* db)
{
    auto* root = AcDbDictionary::cast(AcDbDatabase::peek(db->namedObjectsDictionaryId()));
    if (root == nullptr)
        return AcDbObjectId();
    AcDbObjectId id;
    if (root->getAt(L"ACAD_WIPEOUT_VARS", id) == Acad::eOk)
        return id;
    // The root may be open elsewhere for read; the settings are the database's own business.
    const bool wasWrite = root->isWriteEnabled();
    if (!wasWrite && root->openFor(AcDb::kForWrite, false) != Acad::eOk)
        return AcDbObjectId();
    auto* vars = new AcDbWipeoutVariables();
    if (root->setAt(L"ACAD_WIPEOUT_VARS", vars, id) == Acad::eOk)
        vars->close();
    else
        delete vars;
    if (!wasWrite)
        root->close();
    return id;
}

Acad::ErrorStatus AcDbWipeoutVariables::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbObject::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbWipeoutVariables");
    filer->writeInt16(70, mDisplayFrame ? 1 : 0);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbWipeoutVariables::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbObject::dxfInFields(filer);
    filer->atSubclassData(L"AcDbWipeoutVariables");
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        if (g.code == 70)
            mDisplayFrame = g.asInt() != 0;
    });
    return Acad::eOk;
}
