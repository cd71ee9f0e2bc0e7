// DXF: thickness 39, centre 10, radius 40, extrusion 210. A radius must be positive.
#include "AcDbCircle.h"

#include "AcDbArc.h"
#include "AcDbDxfFiler.h"
#include "AcGeCircArc3d.h"
#include "AcGeEllipArc3d.h"
#include "DbCircleData.h"
#include "DbCurveModel.h"
#include "DbGeometry.h"
#include "GeNumerics.h"

#include <cmath>
#include <numbers>

namespace {

using GeNumerics::kTwoPi;

} // namespace

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
    DbCircleData::write(filer, mThickness, mCenter, mRadius, mNormal);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbCurve::dxfInFields(filer);
    return DbCircleData::read(filer, mThickness, mCenter, mRadius, mNormal);
}

// The parameter is the angle from the OCS X axis, 0 to 2pi.
bool AcDbCircle::buildModel(DbCurveModel& model) const
{
    model.add(new AcGeCircArc3d(mCenter, mNormal, DbGeometry::ocsXAxis(mNormal), mRadius, 0.0, kTwoPi), 0.0, kTwoPi,
        0.0, kTwoPi);
    model.setClosed(true);
    return true;
}

AcDbCurve* AcDbCircle::subCurve(double p0, double p1) const
{
    auto* arc = new AcDbArc(mCenter, mNormal, mRadius, std::fmod(p0, kTwoPi), std::fmod(p1, kTwoPi));
    arc->setThickness(mThickness);
    return arc;
}

Acad::ErrorStatus AcDbCircle::getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const
{
    // Positive distances enlarge the circle, negative ones shrink it.
    const double radius = mRadius + offsetDist;
    if (!(radius > 0.0))
        return Acad::eInvalidOffset;
    auto* circle = new AcDbCircle(mCenter, mNormal, radius);
    circle->mThickness = mThickness;
    copyEntityPropertiesTo(circle);
    offsetCurves.append(circle);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::extend(double)
{
    return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbCircle::extend(bool, const AcGePoint3d&)
{
    return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbCircle::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    double scale = 1.0;
    if (!DbGeometry::isUniform(xform, scale))
        return Acad::eNotApplicable;
    DbCircleData::transform(xform, scale, mCenter, mNormal, mRadius);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& pEnt) const
{
    double scale = 1.0;
    if (DbGeometry::isUniform(xform, scale))
        return AcDbCurve::getTransformedCopy(xform, pEnt);
    // Scaled unevenly a circle is an ellipse.
    AcGeEllipArc3d ell(AcGeCircArc3d(mCenter, mNormal, DbGeometry::ocsXAxis(mNormal), mRadius, 0.0, kTwoPi));
    ell.transformBy(xform);
    AcDbCurve* copy = DbGeometry::curveFromGe(ell);
    if (copy == nullptr)
        return Acad::eNotApplicable;
    copyEntityPropertiesTo(copy);
    pEnt = copy;
    return Acad::eOk;
}
