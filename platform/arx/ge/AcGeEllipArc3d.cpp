// Space elliptical arcs. Length, closest points and offsets use the curve base's numerics;
// the swept area and transforms are exact.
#include "AcGeEllipArc3d.h"

#include "AcGeCircArc3d.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

} // namespace

AcGeEllipArc3d::AcGeEllipArc3d()
{
    setAngles(0.0, kTwoPi);
}

AcGeEllipArc3d::AcGeEllipArc3d(const AcGeCircArc3d& arc)
{
    set(arc);
}

AcGeEllipArc3d::AcGeEllipArc3d(const AcGePoint3d& cent, const AcGeVector3d& majorAxis, const AcGeVector3d& minorAxis,
                               double majorRadius, double minorRadius, double startAngle, double endAngle)
{
    set(cent, majorAxis, minorAxis, majorRadius, minorRadius, startAngle, endAngle);
}

AcGeEllipArc3d& AcGeEllipArc3d::set(const AcGePoint3d& cent, const AcGeVector3d& majorAxis,
                                    const AcGeVector3d& minorAxis, double majorRadius, double minorRadius,
                                    double startAngle, double endAngle)
{
    mCenter = cent;
    mMajorRadius = std::fabs(majorRadius);
    mMinorRadius = std::fabs(minorRadius);
    setAxes(majorAxis, minorAxis);
    return setAngles(startAngle, endAngle);
}

AcGeEllipArc3d& AcGeEllipArc3d::set(const AcGeCircArc3d& arc)
{
    const AcGeVector3d ref = arc.refVec();
    return set(arc.center(), ref, arc.normal().crossProduct(ref), arc.radius(), arc.radius(), arc.startAng(),
               arc.endAng());
}

void AcGeEllipArc3d::getPlane(AcGePlane& plane) const
{
    plane.set(mCenter, mMajorAxis, mMinorAxis);
}

bool AcGeEllipArc3d::isPlanar(AcGePlane& plane, const AcGeTol&) const
{
    getPlane(plane);
    return true;
}

bool AcGeEllipArc3d::isCircular(const AcGeTol& tol) const
{
    return std::fabs(mMajorRadius - mMinorRadius) <= tol.equalPoint();
}

bool AcGeEllipArc3d::isInside(const AcGePoint3d& pnt, const AcGeTol&) const
{
    const AcGeVector3d v = pnt - mCenter;
    const double x = v.dotProduct(mMajorAxis) / mMajorRadius;
    const double y = v.dotProduct(mMinorAxis) / mMinorRadius;
    return x * x + y * y < 1.0;
}

AcGeEllipArc3d& AcGeEllipArc3d::setCenter(const AcGePoint3d& cent)
{
    mCenter = cent;
    return *this;
}

AcGeEllipArc3d& AcGeEllipArc3d::setMajorRadius(double rad)
{
    mMajorRadius = std::fabs(rad);
    return *this;
}

AcGeEllipArc3d& AcGeEllipArc3d::setMinorRadius(double rad)
{
    mMinorRadius = std::fabs(rad);
    return *this;
}

AcGeEllipArc3d& AcGeEllipArc3d::setAxes(const AcGeVector3d& majorAxis, const AcGeVector3d& minorAxis)
{
    mMajorAxis = majorAxis.normal();
    // The minor axis is made perpendicular to the major one, on the side it was given.
    mMinorAxis = minorAxis.orthoProject(mMajorAxis).normal();
    return *this;
}

AcGeEllipArc3d& AcGeEllipArc3d::setAngles(double startAngle, double endAngle)
{
    double sweep = endAngle - startAngle;
    if (sweep < 0.0)
        sweep = std::fmod(sweep, kTwoPi) + kTwoPi;
    mStartAng = startAngle;
    mEndAng = startAngle + std::min(sweep, kTwoPi);
    return *this;
}

bool AcGeEllipArc3d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kEllipArc3d || AcGeCurve3d::isKindOf(entType);
}

void AcGeEllipArc3d::getInterval(AcGeInterval& range) const
{
    range.set(mStartAng, mEndAng);
}

bool AcGeEllipArc3d::setInterval(const AcGeInterval& range)
{
    if (!range.isBounded() || range.length() > kTwoPi + 1e-12)
        return false;
    mStartAng = range.lowerBound();
    mEndAng = mStartAng + std::min(range.length(), kTwoPi);
    return true;
}

AcGeEllipArc3d& AcGeEllipArc3d::reverseParam()
{
    // Flipping the minor axis turns parameter t into -t.
    mMinorAxis.negate();
    return setAngles(-mEndAng, -mStartAng);
}

AcGePoint3d AcGeEllipArc3d::evaluate(double t, AcGeVector3d* d1, AcGeVector3d* d2) const
{
    const AcGeVector3d u = mMajorAxis * mMajorRadius;
    const AcGeVector3d v = mMinorAxis * mMinorRadius;
    const AcGeVector3d radial = u * std::cos(t) + v * std::sin(t);
    if (d1)
        *d1 = v * std::cos(t) - u * std::sin(t);
    if (d2)
        *d2 = -radial;
    return mCenter + radial;
}

AcGeVector3d AcGeEllipArc3d::higherDeriv(double t, int order) const
{
    const double shift = order * std::numbers::pi / 2;
    return mMajorAxis * (mMajorRadius * std::cos(t + shift)) + mMinorAxis * (mMinorRadius * std::sin(t + shift));
}

bool AcGeEllipArc3d::isClosed(const AcGeTol&) const
{
    return mEndAng - mStartAng >= kTwoPi - 1e-12;
}

bool AcGeEllipArc3d::isPeriodic(double& period) const
{
    period = kTwoPi;
    return isClosed();
}

AcGeVector3d AcGeEllipArc3d::sweptArea(double t0, double t1) const
{
    const AcGeVector3d ab = normal() * (mMajorRadius * mMinorRadius);
    return 0.5 * (mCenter.asVector().crossProduct(evalPoint(t1) - evalPoint(t0)) + ab * (t1 - t0));
}

void AcGeEllipArc3d::setFromConjugate(const AcGeVector3d& u, const AcGeVector3d& v)
{
    double shift = 0.5 * std::atan2(2.0 * u.dotProduct(v), u.dotProduct(u) - v.dotProduct(v));
    AcGeVector3d major = u * std::cos(shift) + v * std::sin(shift);
    AcGeVector3d minor = v * std::cos(shift) - u * std::sin(shift);
    if (major.length() < minor.length()) {
        // A quarter turn of the parameter swaps the roles of the axes.
        const AcGeVector3d m = major;
        major = minor;
        minor = -m;
        shift += std::numbers::pi / 2;
    }
    mMajorRadius = major.length();
    mMinorRadius = minor.length();
    mMajorAxis = major.normal();
    mMinorAxis = minor.normal();
    mStartAng -= shift;
    mEndAng -= shift;
}

AcGeEllipArc3d& AcGeEllipArc3d::transformBy(const AcGeMatrix3d& xfm)
{
    const AcGeVector3d u = (mMajorAxis * mMajorRadius).transformBy(xfm);
    const AcGeVector3d v = (mMinorAxis * mMinorRadius).transformBy(xfm);
    mCenter.transformBy(xfm);
    setFromConjugate(u, v);
    return *this;
}
