// DXF writes an arc as circle data (subclass AcDbCircle) followed by its angles in degrees.
#include "AcDbArc.h"

#include "AcDbDxfFiler.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbArc, AcDbCurve, L"ARC")

AcDbArc::AcDbArc(const AcGePoint3d& center, double radius, double startAngle, double endAngle)
    : mCenter(center)
    , mRadius(radius)
    , mStartAngle(startAngle)
    , mEndAngle(endAngle)
{
}

AcDbArc::AcDbArc(
    const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double startAngle, double endAngle)
    : mCenter(center)
    , mRadius(radius)
    , mStartAngle(startAngle)
    , mEndAngle(endAngle)
    , mNormal(normal)
{
}

Acad::ErrorStatus AcDbArc::setRadius(double r)
{
    if (!(r > 0.0))
        return Acad::eInvalidInput;
    return setField(mRadius, r);
}

Acad::ErrorStatus AcDbArc::setNormal(const AcGeVector3d& n)
{
    if (n.length() == 0.0)
        return Acad::eInvalidInput;
    return setField(mNormal, n / n.length());
}

Acad::ErrorStatus AcDbArc::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbCurve::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbCircle");
    if (mThickness != 0.0)
        filer->writeDouble(39, mThickness);
    filer->writePoint3d(10, mCenter);
    filer->writeDouble(40, mRadius);
    if (mNormal != AcGeVector3d::kZAxis)
        filer->writeVector3d(210, mNormal);
    filer->writeSubclass(L"AcDbArc");
    filer->writeAngle(50, mStartAngle);
    filer->writeAngle(51, mEndAngle);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::dxfInFields(AcDbDxfFiler* filer)
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
    if (!filer->atSubclassData(L"AcDbArc"))
        return Acad::eInvalidInput;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        if (g.code == 50)
            mStartAngle = filer->readAngle(g);
        else if (g.code == 51)
            mEndAngle = filer->readAngle(g);
    });
    return Acad::eOk;
}
