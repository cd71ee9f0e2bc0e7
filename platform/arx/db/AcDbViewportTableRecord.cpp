// The fields beyond the view itself (snap, grid, icon) are written at their defaults.
#include "AcDbViewportTableRecord.h"

#include "AcDbDxfFiler.h"
#include "DbDxfFields.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbViewportTableRecord, AcDbSymbolTableRecord, L"VPORT")

Acad::ErrorStatus AcDbViewportTableRecord::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbSymbolTableRecord::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbViewportTableRecord");
    dxfOutNameAndFlags(filer, 0);
    filer->writePoint2d(10, mLowerLeft);
    filer->writePoint2d(11, mUpperRight);
    filer->writePoint2d(12, mCenter);
    filer->writePoint2d(13, AcGePoint2d(0.0, 0.0));
    filer->writePoint2d(14, AcGePoint2d(10.0, 10.0));
    filer->writePoint2d(15, AcGePoint2d(10.0, 10.0));
    filer->writeVector3d(16, mDirection);
    filer->writePoint3d(17, mTarget);
    filer->writeDouble(40, mHeight);
    filer->writeDouble(41, mAspect);
    filer->writeDouble(42, 50.0);
    filer->writeDouble(43, 0.0);
    filer->writeDouble(44, 0.0);
    filer->writeDouble(50, 0.0);
    filer->writeDouble(51, 0.0);
    filer->writeInt16(71, 0);
    filer->writeInt16(72, 1000);
    filer->writeInt16(73, 1);
    filer->writeInt16(74, 3);
    filer->writeInt16(75, 0);
    filer->writeInt16(76, 0);
    filer->writeInt16(77, 0);
    filer->writeInt16(78, 0);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbViewportTableRecord::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbSymbolTableRecord::dxfInFields(filer);
    filer->atSubclassData(L"AcDbViewportTableRecord");
    using namespace DbDxfFields;
    DbDxfFields::readGroups(filer,
        { Text { 2, [this](const std::wstring& name) { dxfInName(name); } }, Point2d { 10, mLowerLeft },
            Point2d { 11, mUpperRight }, Point2d { 12, mCenter }, Vector { 16, mDirection }, Point { 17, mTarget },
            Real { 40, mHeight }, Real { 41, mAspect } });
    return Acad::eOk;
}
