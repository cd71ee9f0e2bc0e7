// DXF: centre 10, major-axis end relative to the centre 11, extrusion 210, ratio 40,
// parameters 41 and 42 (radians).
#include "AcDbEllipse.h"

#include "AcDbDxfFiler.h"
#include "AcGeEllipArc3d.h"
#include "DbCurveModel.h"
#include "DbDxfFields.h"
#include "GeNumerics.h"

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
    using namespace DbDxfFields;
    return DbDxfFields::read(filer, L"AcDbEllipse",
        { Point { 10, mCenter }, Vector { 11, mMajorAxis }, Vector { 210, mNormal }, Real { 40, mRatio },
            Real { 41, mStartParam }, Real { 42, mEndParam } });
}

namespace {

using GeNumerics::kTwoPi;

} // namespace

// The parameter is the eccentric angle: P = C + major cos t + minor sin t.
bool AcDbEllipse::buildModel(DbCurveModel& model) const
{
    const double major = mMajorAxis.length();
    if (major <= 0.0)
        return false;
    double end = mEndParam;
    while (end <= mStartParam)
        end += kTwoPi;
    auto* ell = new AcGeEllipArc3d(
        mCenter, mMajorAxis.normal(), minorAxis().normal(), major, major * mRatio, mStartParam, end);
    model.add(ell, mStartParam, end, ell->startAng(), ell->endAng());
    model.setClosed(isClosed());
    return true;
}

AcDbCurve* AcDbEllipse::subCurve(double p0, double p1) const
{
    return new AcDbEllipse(mCenter, mNormal, mMajorAxis, mRatio, std::fmod(p0, kTwoPi), std::fmod(p1, kTwoPi));
}

Acad::ErrorStatus AcDbEllipse::getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const
{
    DbCurveModel model;
    if (!buildModel(model))
        return Acad::eDegenerateGeometry;
    // Positive distances enlarge the ellipse; the library offsets to the left of the travel,
    // which for a counter-clockwise ellipse is inwards. The offset of an ellipse is no ellipse.
    AcGeVoidPointerArray spans;
    model.spans().front().curve->getTrimmedOffset(-offsetDist, mNormal, spans, AcGe::kExtend);
    // Deeper than the tightest curvature the offset would cross itself: none is made.
    return appendOffsetSpans(spans, offsetDist, offsetCurves);
}

Acad::ErrorStatus AcDbEllipse::extend(double newParam)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (isClosed())
        return Acad::eNotApplicable;
    double end = mEndParam;
    while (end <= mStartParam)
        end += kTwoPi;
    if (newParam > end && newParam < mStartParam + kTwoPi)
        mEndParam = newParam;
    else if (newParam < mStartParam && newParam > end - kTwoPi)
        mStartParam = newParam;
    else
        return Acad::eInvalidInput;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::extend(bool extendStart, const AcGePoint3d& toPoint)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (isClosed())
        return Acad::eNotApplicable;
    // The eccentric angle of the point's projection on the ellipse's plane.
    const AcGeVector3d v = toPoint - mCenter;
    const AcGeVector3d minor = minorAxis();
    if (mMajorAxis.isZeroLength() || minor.isZeroLength())
        return Acad::eDegenerateGeometry;
    double t = std::atan2(v.dotProduct(minor) / minor.lengthSqrd(), v.dotProduct(mMajorAxis) / mMajorAxis.lengthSqrd());
    if (t < 0.0)
        t += kTwoPi;
    (extendStart ? mStartParam : mEndParam) = t;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    DbCurveModel model;
    if (!buildModel(model))
        return Acad::eDegenerateGeometry;
    // Any affine image of an ellipse is one: the library finds its new axes and angles.
    AcGeEllipArc3d ell(*static_cast<const AcGeEllipArc3d*>(model.spans().front().curve.get()));
    ell.transformBy(xform);
    if (ell.majorRadius() <= 0.0 || ell.minorRadius() <= 0.0)
        return Acad::eDegenerateGeometry;
    mCenter = ell.center();
    mMajorAxis = ell.majorAxis().normal() * ell.majorRadius();
    mNormal = ell.normal().normal();
    mRatio = ell.minorRadius() / ell.majorRadius();
    const bool closed = ell.endAng() - ell.startAng() >= kTwoPi - 1e-12;
    mStartParam = closed ? 0.0 : std::fmod(ell.startAng(), kTwoPi);
    if (mStartParam < 0.0)
        mStartParam += kTwoPi;
    mEndParam = closed ? kTwoPi : mStartParam + (ell.endAng() - ell.startAng());
    return Acad::eOk;
}
