// Origin 10, X axis 11, Y axis 12 in DXF.
#include "AcDbUCSTableRecord.h"

#include "AcDbDxfFiler.h"

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
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 2:
            dxfInName(g.asString());
            break;
        case 10:
            mOrigin = filer->readPoint3d(g);
            break;
        case 11:
            mXAxis = filer->readVector3d(g);
            break;
        case 12:
            mYAxis = filer->readVector3d(g);
            break;
        default:
            break;
        }
    });
    return Acad::eOk;
}
