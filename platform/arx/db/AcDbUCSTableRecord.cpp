// Origin 10, X axis 11, Y axis 12 in DXF.
#include "AcDbUCSTableRecord.h"

#include "AcDbDxfFiler.h"
#include "DbDxfFields.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbUCSTableRecord, AcDbSymbolTableRecord, L"UCS")

Acad::ErrorStatus AcDbUCSTableRecord::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbSymbolTableRecord::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbUCSTableRecord");
    dxfOutNameAndFlags(filer, 0);
    filer->writePoint3d(10, mOrigin);
    filer->writeVector3d(11, mXAxis);
    filer->writeVector3d(12, mYAxis);
    filer->writeInt16(79, 0);
    filer->writeDouble(146, 0.0);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbUCSTableRecord::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbSymbolTableRecord::dxfInFields(filer);
    filer->atSubclassData(L"AcDbUCSTableRecord");
    using namespace DbDxfFields;
    DbDxfFields::readGroups(filer,
        { Text { 2, [this](const std::wstring& name) { dxfInName(name); } }, Point { 10, mOrigin },
            Vector { 11, mXAxis }, Vector { 12, mYAxis } });
    return Acad::eOk;
}
