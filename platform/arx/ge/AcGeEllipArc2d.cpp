// Plane elliptical arcs. Length, closest points and offsets use the curve base's numerics;
// the swept area and transforms are exact.
#include "AcGeEllipArc2d.h"

#include "AcGeCircArc2d.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double cross(const AcGeVector2d& a, const AcGeVector2d& b)
{
    return a.x * b.y - a.y * b.x;
}

} // namespace

AcGeEllipArc2d::AcGeEllipArc2d()
{
    setAngles(0.0, kTwoPi);
}

AcGeEllipArc2d::AcGeEllipArc2d(const AcGeCircArc2d& arc)
{
    set(arc);
}

AcGeEllipArc2d::AcGeEllipArc2d(const AcGePoint2d& cent, const AcGeVector2d& majorAxis, const AcGeVector2d& minorAxis,
                               double majorRadius, double minorRadius, double startAngle, double endAngle)
{
    set(cent, majorAxis, minorAxis, majorRadius, minorRadius, startAngle, endAngle);
}

AcGeEllipArc2d& AcGeEllipArc2d::set(const AcGePoint2d& cent, const AcGeVector2d& majorAxis,
                                    const AcGeVector2d& minorAxis, double majorRadius, double minorRadius,
                                    double startAngle, double endAngle)
{
    mCenter = cent;
    mMajorRadius = std::fabs(majorRadius);
    mMinorRadius = std::fabs(minorRadius);
    setAxes(majorAxis, minorAxis);
    return setAngles(startAngle, endAngle);
}

AcGeEllipArc2d& AcGeEllipArc2d::set(const AcGeCircArc2d& arc)
{
    const AcGeVector2d ref = arc.refVec();
    return set(arc.center(), ref, arc.isClockWise() ? -ref.perpVector() : ref.perpVector(), arc.radius(),
               arc.radius(), arc.startAng(), arc.endAng());
}

bool AcGeEllipArc2d::isClockWise() const
{
    return cross(mMajorAxis, mMinorAxis) < 0.0;
}

bool AcGeEllipArc2d::isCircular(const AcGeTol& tol) const
{
    return std::fabs(mMajorRadius - mMinorRadius) <= tol.equalPoint();
}

bool AcGeEllipArc2d::isInside(const AcGePoint2d& pnt, const AcGeTol&) const
{
    const AcGeVector2d v = pnt - mCenter;
    const double x = v.dotProduct(mMajorAxis) / mMajorRadius;
    const double y = v.dotProduct(mMinorAxis) / mMinorRadius;
    return x * x + y * y < 1.0;
}

AcGeEllipArc2d& AcGeEllipArc2d::setCenter(const AcGePoint2d& cent)
{
    mCenter = cent;
    return *this;
}

AcGeEllipArc2d& AcGeEllipArc2d::setMajorRadius(double rad)
{
    mMajorRadius = std::fabs(rad);
    return *this;
}

AcGeEllipArc2d& AcGeEllipArc2d::setMinorRadius(double rad)
{
    mMinorRadius = std::fabs(rad);
    return *this;
}

AcGeEllipArc2d& AcGeEllipArc2d::setAxes(const AcGeVector2d& majorAxis, const AcGeVector2d& minorAxis)
{
    mMajorAxis = majorAxis.normal();
    // The minor axis is made perpendicular to the major one, on the side it was given.
    const bool clockwise = cross(majorAxis, minorAxis) < 0.0;
    mMinorAxis = clockwise ? -mMajorAxis.perpVector() : mMajorAxis.perpVector();
    return *this;
}

AcGeEllipArc2d& AcGeEllipArc2d::setAngles(double startAngle, double endAngle)
{
    double sweep = endAngle - startAngle;
    if (sweep < 0.0)
        sweep = std::fmod(sweep, kTwoPi) + kTwoPi;
    mStartAng = startAngle;
    mEndAng = startAngle + std::min(sweep, kTwoPi);
    return *this;
}

bool AcGeEllipArc2d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kEllipArc2d || AcGeCurve2d::isKindOf(entType);
}

void AcGeEllipArc2d::getInterval(AcGeInterval& range) const
{
    range.set(mStartAng, mEndAng);
}

bool AcGeEllipArc2d::setInterval(const AcGeInterval& range)
{
    if (!range.isBounded() || range.length() > kTwoPi + 1e-12)
        return false;
    mStartAng = range.lowerBound();
    mEndAng = mStartAng + std::min(range.length(), kTwoPi);
    return true;
}

AcGeEllipArc2d& AcGeEllipArc2d::reverseParam()
{
    // Flipping the minor axis turns parameter t into -t.
    mMinorAxis.negate();
    return setAngles(-mEndAng, -mStartAng);
}

AcGePoint2d AcGeEllipArc2d::evaluate(double t, AcGeVector2d* d1, AcGeVector2d* d2) const
{
    const AcGeVector2d u = mMajorAxis * mMajorRadius;
    const AcGeVector2d v = mMinorAxis * mMinorRadius;
    const AcGeVector2d radial = u * std::cos(t) + v * std::sin(t);
    if (d1)
        *d1 = v * std::cos(t) - u * std::sin(t);
    if (d2)
        *d2 = -radial;
    return mCenter + radial;
}

AcGeVector2d AcGeEllipArc2d::higherDeriv(double t, int order) const
{
    const double shift = order * std::numbers::pi / 2;
    return mMajorAxis * (mMajorRadius * std::cos(t + shift)) + mMinorAxis * (mMinorRadius * std::sin(t + shift));
}

bool AcGeEllipArc2d::isClosed(const AcGeTol&) const
{
    return mEndAng - mStartAng >= kTwoPi - 1e-12;
}

bool AcGeEllipArc2d::isPeriodic(double& period) const
{
    period = kTwoPi;
    return isClosed();
}

double AcGeEllipArc2d::sweptArea(double t0, double t1) const
{
    const double ab = mMajorRadius * mMinorRadius * cross(mMajorAxis, mMinorAxis);
    return 0.5 * (cross(mCenter.asVector(), evalPoint(t1) - evalPoint(t0)) + ab * (t1 - t0));
}

void AcGeEllipArc2d::setFromConjugate(const AcGeVector2d& u, const AcGeVector2d& v)
{
    double shift = 0.5 * std::atan2(2.0 * u.dotProduct(v), u.dotProduct(u) - v.dotProduct(v));
    AcGeVector2d major = u * std::cos(shift) + v * std::sin(shift);
    AcGeVector2d minor = v * std::cos(shift) - u * std::sin(shift);
    if (major.length() < minor.length()) {
        // A quarter turn of the parameter swaps the roles of the axes.
        const AcGeVector2d m = major;
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

AcGeEllipArc2d& AcGeEllipArc2d::transformBy(const AcGeMatrix2d& xfm)
{
    const AcGeVector2d u = (mMajorAxis * mMajorRadius).transformBy(xfm);
    const AcGeVector2d v = (mMinorAxis * mMinorRadius).transformBy(xfm);
    mCenter.transformBy(xfm);
    setFromConjugate(u, v);
    return *this;
}
