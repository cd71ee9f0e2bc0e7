// Space elliptical arcs. Length, closest points and offsets use the curve base's numerics;
// the swept area and transforms are exact.
#include "AcGeEllipArc3d.h"

#include "AcGeCircArc3d.h"

#include <cmath>
#include <numbers>

namespace {

} // namespace

AcGeEllipArc3d::AcGeEllipArc3d()
{
    mShape.setAngles(0.0, 2.0 * std::numbers::pi);
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
    mShape.center = cent;
    mShape.majorRadius = std::fabs(majorRadius);
    mShape.minorRadius = std::fabs(minorRadius);
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
    plane.set(mShape.center, mShape.majorAxis, mShape.minorAxis);
}

bool AcGeEllipArc3d::isPlanar(AcGePlane& plane, const AcGeTol&) const
{
    getPlane(plane);
    return true;
}

bool AcGeEllipArc3d::isCircular(const AcGeTol& tol) const
{
    return mShape.isCircular(tol);
}

bool AcGeEllipArc3d::isInside(const AcGePoint3d& pnt, const AcGeTol&) const
{
    return mShape.isInside(pnt);
}

AcGeEllipArc3d& AcGeEllipArc3d::setCenter(const AcGePoint3d& cent)
{
    mShape.center = cent;
    return *this;
}

AcGeEllipArc3d& AcGeEllipArc3d::setMajorRadius(double rad)
{
    mShape.majorRadius = std::fabs(rad);
    return *this;
}

AcGeEllipArc3d& AcGeEllipArc3d::setMinorRadius(double rad)
{
    mShape.minorRadius = std::fabs(rad);
    return *this;
}

AcGeEllipArc3d& AcGeEllipArc3d::setAxes(const AcGeVector3d& majorAxis, const AcGeVector3d& minorAxis)
{
    mShape.majorAxis = majorAxis.normal();
    // The minor axis is made perpendicular to the major one, on the side it was given.
    mShape.minorAxis = minorAxis.orthoProject(mShape.majorAxis).normal();
    return *this;
}

AcGeEllipArc3d& AcGeEllipArc3d::setAngles(double startAngle, double endAngle)
{
    mShape.setAngles(startAngle, endAngle);
    return *this;
}

bool AcGeEllipArc3d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kEllipArc3d || AcGeCurve3d::isKindOf(entType);
}

void AcGeEllipArc3d::getInterval(AcGeInterval& range) const
{
    range.set(mShape.startAng, mShape.endAng);
}

bool AcGeEllipArc3d::setInterval(const AcGeInterval& range)
{
    return mShape.setInterval(range);
}

AcGeEllipArc3d& AcGeEllipArc3d::reverseParam()
{
    mShape.reverseParam();
    return *this;
}

AcGePoint3d AcGeEllipArc3d::evaluate(double t, AcGeVector3d* d1, AcGeVector3d* d2) const
{
    return mShape.evaluate(t, d1, d2);
}

AcGeVector3d AcGeEllipArc3d::higherDeriv(double t, int order) const
{
    return mShape.higherDeriv(t, order);
}

bool AcGeEllipArc3d::isClosed(const AcGeTol&) const
{
    return mShape.isClosed();
}

bool AcGeEllipArc3d::isPeriodic(double& period) const
{
    period = 2.0 * std::numbers::pi;
    return isClosed();
}

AcGeVector3d AcGeEllipArc3d::sweptArea(double t0, double t1) const
{
    const AcGeVector3d ab = normal() * (mShape.majorRadius * mShape.minorRadius);
    return 0.5 * (mShape.center.asVector().crossProduct(evalPoint(t1) - evalPoint(t0)) + ab * (t1 - t0));
}

AcGeEllipArc3d& AcGeEllipArc3d::transformBy(const AcGeMatrix3d& xfm)
{
    mShape.transformBy(xfm);
    return *this;
}
