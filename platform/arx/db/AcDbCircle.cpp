// DXF: thickness 39, centre 10, radius 40, extrusion 210. A radius must be positive.
#include "AcDbCircle.h"

#include "AcDbDxfFiler.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbCircle, AcDbCurve, L"CIRCLE")

AcDbCircle::AcDbCircle(const AcGePoint3d& cntr, const AcGeVector3d& nrm, double radius)
    : mCenter(cntr)
    , mRadius(radius)
    , mNormal(nrm)
{
}

Acad::ErrorStatus AcDbCircle::setRadius(double r)
{
    if (!(r > 0.0))
        return Acad::eInvalidInput;
    return setField(mRadius, r);
}

Acad::ErrorStatus AcDbCircle::setNormal(const AcGeVector3d& n)
{
    if (n.length() == 0.0)
        return Acad::eInvalidInput;
    return setField(mNormal, n / n.length());
}

Acad::ErrorStatus AcDbCircle::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbCurve::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbCircle");
    if (mThickness != 0.0)
        filer->writeDouble(39, mThickness);
    filer->writePoint3d(10, mCenter);
    filer->writeDouble(40, mRadius);
    if (mNormal != AcGeVector3d::kZAxis)
        filer->writeVector3d(210, mNormal);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbCurve::dxfInFields(filer);
    if (!filer->atSubclassData(L"AcDbCircle"))
        return Acad::eInvalidInput;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 39:
            mThickness = g.asDouble();
            break;
        case 10:
            mCenter = filer->readPoint3d(g);
            break;
        case 40:
            mRadius = g.asDouble();
            break;
        case 210:
            mNormal = filer->readVector3d(g);
            break;
        default:
            break;
        }
    });
    return Acad::eOk;
}
