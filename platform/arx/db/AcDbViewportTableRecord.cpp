// The fields beyond the view itself (snap, grid, icon) are written at their defaults.
#include "AcDbViewportTableRecord.h"

#include "AcDbDxfFiler.h"

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
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 2:
            dxfInName(g.asString());
            break;
        case 10:
            mLowerLeft = filer->readPoint2d(g);
            break;
        case 11:
            mUpperRight = filer->readPoint2d(g);
            break;
        case 12:
            mCenter = filer->readPoint2d(g);
            break;
        case 16:
            mDirection = filer->readVector3d(g);
            break;
        case 17:
            mTarget = filer->readPoint3d(g);
            break;
        case 40:
            mHeight = g.asDouble();
            break;
        case 41:
            mAspect = g.asDouble();
            break;
        default:
            break;
        }
    });
    return Acad::eOk;
}
