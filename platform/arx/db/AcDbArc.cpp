// DXF writes an arc as circle data (subclass AcDbCircle) followed by its angles in degrees.
#include "AcDbArc.h"

#include "AcDbDxfFiler.h"
#include "AcGeCircArc3d.h"
#include "AcGeEllipArc3d.h"
#include "DbCircleData.h"
#include "DbCurveModel.h"
#include "DbDxfFields.h"
#include "DbGeometry.h"
#include "GeNumerics.h"

#include <cmath>
#include <numbers>
#include <utility>

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
    DbCircleData::write(filer, mThickness, mCenter, mRadius, mNormal);
    filer->writeSubclass(L"AcDbArc");
    filer->writeAngle(50, mStartAngle);
    filer->writeAngle(51, mEndAngle);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbCurve::dxfInFields(filer);
    if (Acad::ErrorStatus es = DbCircleData::read(filer, mThickness, mCenter, mRadius, mNormal); es != Acad::eOk)
        return es;
    using namespace DbDxfFields;
    return DbDxfFields::read(filer, L"AcDbArc", { Angle { 50, mStartAngle }, Angle { 51, mEndAngle } });
}

namespace {

using GeNumerics::kTwoPi;

double normalAngle(double a)
{
    a = std::fmod(a, kTwoPi);
    return a < 0.0 ? a + kTwoPi : a;
}

} // namespace

// The parameter is the angle from the OCS X axis; the end parameter exceeds the start one,
// by a turn when the end angle is the smaller, so that it grows along the arc.
bool AcDbArc::buildModel(DbCurveModel& model) const
{
    const double start = normalAngle(mStartAngle);
    double sweep = normalAngle(mEndAngle - mStartAngle);
    if (sweep == 0.0)
        sweep = kTwoPi;
    auto* arc = new AcGeCircArc3d(mCenter, mNormal, DbGeometry::ocsXAxis(mNormal), mRadius, start, start + sweep);
    model.add(arc, start, start + sweep, arc->startAng(), arc->endAng());
    return true;
}

AcDbCurve* AcDbArc::subCurve(double p0, double p1) const
{
    auto* arc = new AcDbArc(mCenter, mNormal, mRadius, normalAngle(p0), normalAngle(p1));
    arc->mThickness = mThickness;
    return arc;
}

Acad::ErrorStatus AcDbArc::getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const
{
    // Positive distances enlarge the arc, negative ones shrink it.
    const double radius = mRadius + offsetDist;
    if (!(radius > 0.0))
        return Acad::eInvalidOffset;
    auto* arc = new AcDbArc(mCenter, mNormal, radius, mStartAngle, mEndAngle);
    arc->mThickness = mThickness;
    copyEntityPropertiesTo(arc);
    offsetCurves.append(arc);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::extend(double newParam)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    double start = 0.0, end = 0.0;
    getStartParam(start);
    getEndParam(end);
    if (newParam > end && newParam < start + kTwoPi)
        mEndAngle = normalAngle(newParam);
    else if (newParam < start && newParam > end - kTwoPi)
        mStartAngle = normalAngle(newParam);
    else
        return Acad::eInvalidInput;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::extend(bool extendStart, const AcGePoint3d& toPoint)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    const AcGeVector3d radial = toPoint - mCenter;
    if (radial.orthoProject(mNormal).isZeroLength())
        return Acad::eInvalidInput;
    (extendStart ? mStartAngle : mEndAngle) = DbGeometry::ocsAngle(mNormal, radial);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    double scale = 1.0;
    if (!DbGeometry::isUniform(xform, scale))
        return Acad::eNotApplicable;
    AcGePoint3d start, end;
    getStartPoint(start);
    getEndPoint(end);
    start.transformBy(xform);
    end.transformBy(xform);
    // A mirrored arc runs the other way round its (unchanged) normal: its ends swap.
    if (DbGeometry::isMirroring(xform))
        std::swap(start, end);
    DbCircleData::transform(xform, scale, mCenter, mNormal, mRadius);
    mStartAngle = DbGeometry::ocsAngle(mNormal, start - mCenter);
    mEndAngle = DbGeometry::ocsAngle(mNormal, end - mCenter);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& pEnt) const
{
    double scale = 1.0;
    if (DbGeometry::isUniform(xform, scale))
        return AcDbCurve::getTransformedCopy(xform, pEnt);
    DbCurveModel model;
    buildModel(model);
    AcGeEllipArc3d ell(*static_cast<const AcGeCircArc3d*>(model.spans().front().curve.get()));
    ell.transformBy(xform);
    AcDbCurve* copy = DbGeometry::curveFromGe(ell);
    if (copy == nullptr)
        return Acad::eNotApplicable;
    copyEntityPropertiesTo(copy);
    pEnt = copy;
    return Acad::eOk;
}
