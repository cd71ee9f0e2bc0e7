// Height 40, centre 10, width 41, direction 11, target 12; lens and clipping at defaults.
#include "AcDbViewTableRecord.h"

#include "AcDbDxfFiler.h"
#include "DbDxfFields.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbViewTableRecord, AcDbSymbolTableRecord, L"VIEW")

Acad::ErrorStatus AcDbViewTableRecord::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbSymbolTableRecord::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbViewTableRecord");
    dxfOutNameAndFlags(filer, 0);
    filer->writeDouble(40, mHeight);
    filer->writePoint2d(10, mCenter);
    filer->writeDouble(41, mWidth);
    filer->writeVector3d(11, mDirection);
    filer->writePoint3d(12, mTarget);
    filer->writeDouble(42, 50.0);
    filer->writeDouble(43, 0.0);
    filer->writeDouble(44, 0.0);
    filer->writeDouble(50, 0.0);
    filer->writeInt16(71, 0);
    filer->writeInt16(281, 0);
    filer->writeInt16(72, 0);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbViewTableRecord::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbSymbolTableRecord::dxfInFields(filer);
    filer->atSubclassData(L"AcDbViewTableRecord");
    using namespace DbDxfFields;
    DbDxfFields::readGroups(filer,
        { Text { 2, [this](const std::wstring& name) { dxfInName(name); } }, Real { 40, mHeight },
            Point2d { 10, mCenter }, Real { 41, mWidth }, Vector { 11, mDirection }, Point { 12, mTarget } });
    return Acad::eOk;
}
