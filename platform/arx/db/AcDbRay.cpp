// DXF: base point 10, unit direction 11.
#include "AcDbRay.h"

#include "AcDbDxfFiler.h"
#include "AcDbLine.h"
#include "AcGeRay3d.h"
#include "DbBaseDirection.h"
#include "DbCurveModel.h"

#include <cmath>
#include <limits>

ACRX_DEFINE_DXF_MEMBERS(AcDbRay, AcDbCurve, L"RAY")

Acad::ErrorStatus AcDbRay::setUnitDir(const AcGeVector3d& v)
{
    if (v.length() == 0.0)
        return Acad::eInvalidInput;
    return setField(mUnitDir, v / v.length());
}

Acad::ErrorStatus AcDbRay::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbCurve::dxfOutFields(filer);
    DbBaseDirection::write(filer, L"AcDbRay", mBasePoint, mUnitDir);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRay::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbCurve::dxfInFields(filer);
    return DbBaseDirection::read(filer, L"AcDbRay", mBasePoint, mUnitDir);
}

// The parameter is the distance from the base point, from 0 without end.
bool AcDbRay::buildModel(DbCurveModel& model) const
{
    model.addUnbounded(new AcGeRay3d(mBasePoint, mUnitDir), 0.0, std::numeric_limits<double>::infinity());
    return true;
}

AcDbCurve* AcDbRay::subCurve(double p0, double p1) const
{
    if (std::isfinite(p1))
        return new AcDbLine(mBasePoint + mUnitDir * p0, mBasePoint + mUnitDir * p1);
    auto* ray = new AcDbRay();
    ray->mBasePoint = mBasePoint + mUnitDir * p0;
    ray->mUnitDir = mUnitDir;
    return ray;
}

Acad::ErrorStatus AcDbRay::getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const
{
    auto* ray = new AcDbRay();
    ray->mBasePoint = DbBaseDirection::offsetBase(mBasePoint, mUnitDir, offsetDist);
    ray->mUnitDir = mUnitDir;
    copyEntityPropertiesTo(ray);
    offsetCurves.append(ray);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRay::extend(double newParam)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (newParam >= 0.0)
        return Acad::eInvalidInput;
    mBasePoint += mUnitDir * newParam;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRay::extend(bool extendStart, const AcGePoint3d& toPoint)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    // Only the base point can move: the other end is at infinity.
    if (!extendStart)
        return Acad::eNotApplicable;
    mBasePoint += mUnitDir * (toPoint - mBasePoint).dotProduct(mUnitDir);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRay::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    return DbBaseDirection::transform(xform, mBasePoint, mUnitDir);
}
