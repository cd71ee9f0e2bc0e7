// DXF: the dictionary's data, then the default entry 340.
#include "AcDbDictionaryWithDefault.h"

#include "AcDbDxfFiler.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbDictionaryWithDefault, AcDbDictionary, L"ACDBDICTIONARYWDFLT")

Acad::ErrorStatus AcDbDictionaryWithDefault::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbDictionary::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbDictionaryWithDefault");
    filer->writeObjectId(340, mDefault);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionaryWithDefault::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbDictionary::dxfInFields(filer);
    if (filer->atSubclassData(L"AcDbDictionaryWithDefault"))
        filer->readSubclass([&](const AcDbDxfGroup& g) {
            if (g.code == 340)
                mDefault = filer->readObjectId(g);
        });
    return Acad::eOk;
}
