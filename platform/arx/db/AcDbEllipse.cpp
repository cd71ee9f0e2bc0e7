// DXF: centre 10, major-axis end relative to the centre 11, extrusion 210, ratio 40,
// parameters 41 and 42 (radians).
#include "AcDbEllipse.h"

#include "AcDbDxfFiler.h"

#include <cmath>

ACRX_DEFINE_DXF_MEMBERS(AcDbEllipse, AcDbCurve, L"ELLIPSE")

AcDbEllipse::AcDbEllipse(const AcGePoint3d& center, const AcGeVector3d& unitNormal, const AcGeVector3d& majorAxis,
    double radiusRatio, double startAngle, double endAngle)
    : mCenter(center)
    , mNormal(unitNormal)
    , mMajorAxis(majorAxis)
    , mRatio(radiusRatio)
    , mStartParam(startAngle)
    , mEndParam(endAngle)
{
}

AcGeVector3d AcDbEllipse::minorAxis() const
{
    return mNormal.crossProduct(mMajorAxis) * mRatio;
}

Acad::ErrorStatus AcDbEllipse::setRadiusRatio(double ratio)
{
    if (!(ratio > 0.0 && ratio <= 1.0))
        return Acad::eInvalidInput;
    return setField(mRatio, ratio);
}

Acad::ErrorStatus AcDbEllipse::set(const AcGePoint3d& center, const AcGeVector3d& unitNormal,
    const AcGeVector3d& majorAxis, double radiusRatio, double startAngle, double endAngle)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (!(radiusRatio > 0.0 && radiusRatio <= 1.0) || majorAxis.length() == 0.0 || unitNormal.length() == 0.0)
        return Acad::eInvalidInput;
    mCenter = center;
    mNormal = unitNormal / unitNormal.length();
    mMajorAxis = majorAxis;
    mRatio = radiusRatio;
    mStartParam = startAngle;
    mEndParam = endAngle;
    return Acad::eOk;
}

bool AcDbEllipse::isClosed() const
{
    return std::abs(mEndParam - mStartParam - 2.0 * std::numbers::pi) < 1e-12;
}

Acad::ErrorStatus AcDbEllipse::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbCurve::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbEllipse");
    filer->writePoint3d(10, mCenter);
    filer->writeVector3d(11, mMajorAxis);
    if (mNormal != AcGeVector3d::kZAxis)
        filer->writeVector3d(210, mNormal);
    filer->writeDouble(40, mRatio);
    filer->writeDouble(41, mStartParam);
    filer->writeDouble(42, mEndParam);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbCurve::dxfInFields(filer);
    if (!filer->atSubclassData(L"AcDbEllipse"))
        return Acad::eInvalidInput;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 10:
            mCenter = filer->readPoint3d(g);
            break;
        case 11:
            mMajorAxis = filer->readVector3d(g);
            break;
        case 210:
            mNormal = filer->readVector3d(g);
            break;
        case 40:
            mRatio = g.asDouble();
            break;
        case 41:
            mStartParam = g.asDouble();
            break;
        case 42:
            mEndParam = g.asDouble();
            break;
        default:
            break;
        }
    });
    return Acad::eOk;
}
