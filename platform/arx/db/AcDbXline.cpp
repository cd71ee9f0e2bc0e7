// DXF: base point 10, unit direction 11.
#include "AcDbXline.h"

#include "AcDbDxfFiler.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbXline, AcDbCurve, L"XLINE")

Acad::ErrorStatus AcDbXline::setUnitDir(const AcGeVector3d& v)
{
    if (v.length() == 0.0)
        return Acad::eInvalidInput;
    return setField(mUnitDir, v / v.length());
}

Acad::ErrorStatus AcDbXline::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbCurve::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbXline");
    filer->writePoint3d(10, mBasePoint);
    filer->writeVector3d(11, mUnitDir);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbXline::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbCurve::dxfInFields(filer);
    if (!filer->atSubclassData(L"AcDbXline"))
        return Acad::eInvalidInput;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        if (g.code == 10)
            mBasePoint = filer->readPoint3d(g);
        else if (g.code == 11)
            mUnitDir = filer->readVector3d(g);
    });
    return Acad::eOk;
}
