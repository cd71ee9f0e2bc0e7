// Plane elliptical arcs. Length, closest points and offsets use the curve base's numerics;
// the swept area and transforms are exact.
#include "AcGeEllipArc2d.h"

#include "AcGeCircArc2d.h"

#include <cmath>
#include <numbers>

namespace {

double cross(const AcGeVector2d& a, const AcGeVector2d& b)
{
    return a.x * b.y - a.y * b.x;
}

} // namespace

AcGeEllipArc2d::AcGeEllipArc2d()
{
    mShape.setAngles(0.0, 2.0 * std::numbers::pi);
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
    mShape.center = cent;
    mShape.majorRadius = std::fabs(majorRadius);
    mShape.minorRadius = std::fabs(minorRadius);
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
    return cross(mShape.majorAxis, mShape.minorAxis) < 0.0;
}

bool AcGeEllipArc2d::isCircular(const AcGeTol& tol) const
{
    return mShape.isCircular(tol);
}

bool AcGeEllipArc2d::isInside(const AcGePoint2d& pnt, const AcGeTol&) const
{
    return mShape.isInside(pnt);
}

AcGeEllipArc2d& AcGeEllipArc2d::setCenter(const AcGePoint2d& cent)
{
    mShape.center = cent;
    return *this;
}

AcGeEllipArc2d& AcGeEllipArc2d::setMajorRadius(double rad)
{
    mShape.majorRadius = std::fabs(rad);
    return *this;
}

AcGeEllipArc2d& AcGeEllipArc2d::setMinorRadius(double rad)
{
    mShape.minorRadius = std::fabs(rad);
    return *this;
}

AcGeEllipArc2d& AcGeEllipArc2d::setAxes(const AcGeVector2d& majorAxis, const AcGeVector2d& minorAxis)
{
    mShape.majorAxis = majorAxis.normal();
    // The minor axis is made perpendicular to the major one, on the side it was given.
    const bool clockwise = cross(majorAxis, minorAxis) < 0.0;
    mShape.minorAxis = clockwise ? -mShape.majorAxis.perpVector() : mShape.majorAxis.perpVector();
    return *this;
}

AcGeEllipArc2d& AcGeEllipArc2d::setAngles(double startAngle, double endAngle)
{
    mShape.setAngles(startAngle, endAngle);
    return *this;
}

bool AcGeEllipArc2d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kEllipArc2d || AcGeCurve2d::isKindOf(entType);
}

void AcGeEllipArc2d::getInterval(AcGeInterval& range) const
{
    range.set(mShape.startAng, mShape.endAng);
}

bool AcGeEllipArc2d::setInterval(const AcGeInterval& range)
{
    return mShape.setInterval(range);
}

AcGeEllipArc2d& AcGeEllipArc2d::reverseParam()
{
    mShape.reverseParam();
    return *this;
}

AcGePoint2d AcGeEllipArc2d::evaluate(double t, AcGeVector2d* d1, AcGeVector2d* d2) const
{
    return mShape.evaluate(t, d1, d2);
}

AcGeVector2d AcGeEllipArc2d::higherDeriv(double t, int order) const
{
    return mShape.higherDeriv(t, order);
}

bool AcGeEllipArc2d::isClosed(const AcGeTol&) const
{
    return mShape.isClosed();
}

bool AcGeEllipArc2d::isPeriodic(double& period) const
{
    period = 2.0 * std::numbers::pi;
    return isClosed();
}

double AcGeEllipArc2d::sweptArea(double t0, double t1) const
{
    const double ab = mShape.majorRadius * mShape.minorRadius * cross(mShape.majorAxis, mShape.minorAxis);
    return 0.5 * (cross(mShape.center.asVector(), evalPoint(t1) - evalPoint(t0)) + ab * (t1 - t0));
}

AcGeEllipArc2d& AcGeEllipArc2d::transformBy(const AcGeMatrix2d& xfm)
{
    mShape.transformBy(xfm);
    return *this;
}
