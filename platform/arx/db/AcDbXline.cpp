// DXF: base point 10, unit direction 11.
#include "AcDbXline.h"

#include "AcDbDxfFiler.h"
#include "AcDbLine.h"
#include "AcDbRay.h"
#include "AcGeLine3d.h"
#include "DbBaseDirection.h"
#include "DbCurveModel.h"

#include <cmath>
#include <limits>

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
    DbBaseDirection::write(filer, L"AcDbXline", mBasePoint, mUnitDir);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbXline::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbCurve::dxfInFields(filer);
    return DbBaseDirection::read(filer, L"AcDbXline", mBasePoint, mUnitDir);
}

// The parameter is the signed distance from the base point, without ends.
bool AcDbXline::buildModel(DbCurveModel& model) const
{
    const double inf = std::numeric_limits<double>::infinity();
    model.addUnbounded(new AcGeLine3d(mBasePoint, mUnitDir), -inf, inf);
    return true;
}

AcDbCurve* AcDbXline::subCurve(double p0, double p1) const
{
    if (std::isfinite(p0) && std::isfinite(p1))
        return new AcDbLine(mBasePoint + mUnitDir * p0, mBasePoint + mUnitDir * p1);
    if (!std::isfinite(p0) && !std::isfinite(p1))
        return nullptr;
    auto* ray = new AcDbRay();
    ray->setBasePoint(mBasePoint + mUnitDir * (std::isfinite(p0) ? p0 : p1));
    ray->setUnitDir(std::isfinite(p0) ? mUnitDir : -mUnitDir);
    return ray;
}

Acad::ErrorStatus AcDbXline::getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const
{
    auto* xline = new AcDbXline();
    xline->mBasePoint = DbBaseDirection::offsetBase(mBasePoint, mUnitDir, offsetDist);
    xline->mUnitDir = mUnitDir;
    copyEntityPropertiesTo(xline);
    offsetCurves.append(xline);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbXline::extend(double)
{
    return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbXline::extend(bool, const AcGePoint3d&)
{
    return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbXline::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    return DbBaseDirection::transform(xform, mBasePoint, mUnitDir);
}
