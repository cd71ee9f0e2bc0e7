// Height 40, centre 10, width 41, direction 11, target 12; lens and clipping at defaults.
#include "AcDbViewTableRecord.h"

#include "AcDbDxfFiler.h"

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
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 2:
            dxfInName(g.asString());
            break;
        case 40:
            mHeight = g.asDouble();
            break;
        case 10:
            mCenter = filer->readPoint2d(g);
            break;
        case 41:
            mWidth = g.asDouble();
            break;
        case 11:
            mDirection = filer->readVector3d(g);
            break;
        case 12:
            mTarget = filer->readPoint3d(g);
            break;
        default:
            break;
        }
    });
    return Acad::eOk;
}
