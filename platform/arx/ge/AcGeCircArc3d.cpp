// Space circular arcs in closed form. Intersections work in the arc's own plane with the
// plane arc's formulas, or through the line where two planes meet.
#include "AcGeCircArc3d.h"

#include "AcGeCircArc2d.h"
#include "AcGeLine2d.h"
#include "AcGeLine3d.h"
#include "AcGeLinearEnt3d.h"
#include "GeNumerics.h"

#include <cmath>
#include <numbers>

namespace {

using GeNumerics::kTwoPi;

} // namespace

AcGeCircArc3d::AcGeCircArc3d()
{
    set(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, 1.0);
}

AcGeCircArc3d::AcGeCircArc3d(const AcGePoint3d& cent, const AcGeVector3d& nrm, double radius)
{
    set(cent, nrm, radius);
}

AcGeCircArc3d::AcGeCircArc3d(const AcGePoint3d& cent, const AcGeVector3d& nrm, const AcGeVector3d& refVec,
                             double radius, double startAngle, double endAngle)
{
    set(cent, nrm, refVec, radius, startAngle, endAngle);
}

AcGeCircArc3d::AcGeCircArc3d(const AcGePoint3d& startPoint, const AcGePoint3d& pnt, const AcGePoint3d& endPoint)
{
    set(startPoint, pnt, endPoint);
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& cent, const AcGeVector3d& nrm, double radius)
{
    return set(cent, nrm, nrm.perpVector(), radius, 0.0, kTwoPi);
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& cent, const AcGeVector3d& nrm, const AcGeVector3d& refVec,
                                  double radius, double startAngle, double endAngle)
{
    mCenter = cent;
    mRadius = std::fabs(radius);
    setAxes(nrm, refVec);
    return setAngles(startAngle, endAngle);
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& startPoint, const AcGePoint3d& pnt, const AcGePoint3d& endPoint)
{
    const AcGeVector3d a = pnt - startPoint;
    const AcGeVector3d b = endPoint - startPoint;
    const AcGeVector3d n = a.crossProduct(b);
    if (n.length() <= AcGeContext::gTol.equalVector() * a.length() * b.length())
        return set(startPoint, AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, 0.0, 0.0, 0.0);
    // Circumcentre of the triangle, measured from the start point.
    const AcGeVector3d toCenter =
        (n.crossProduct(a) * b.lengthSqrd() + b.crossProduct(n) * a.lengthSqrd()) / (2.0 * n.lengthSqrd());
    mCenter = startPoint + toCenter;
    mRadius = toCenter.length();
    // Normal along a x b makes the travel start -> pnt -> end counter-clockwise.
    setAxes(n, startPoint - mCenter);
    mStartAng = 0.0;
    mEndAng = kTwoPi;
    return setAngles(0.0, angleOf(endPoint));
}

void AcGeCircArc3d::getPlane(AcGePlane& plane) const
{
    plane.set(mCenter, mRefVec, sideVec());
}

AcGeCircArc3d& AcGeCircArc3d::setCenter(const AcGePoint3d& cent)
{
    mCenter = cent;
    return *this;
}

AcGeCircArc3d& AcGeCircArc3d::setAxes(const AcGeVector3d& nrm, const AcGeVector3d& refVec)
{
    mNormal = nrm.isZeroLength() ? AcGeVector3d::kZAxis : nrm.normal();
    const AcGeVector3d ref = refVec.orthoProject(mNormal);
    mRefVec = ref.isZeroLength() ? mNormal.perpVector() : ref.normal();
    return *this;
}

AcGeCircArc3d& AcGeCircArc3d::setRadius(double radius)
{
    mRadius = std::fabs(radius);
    return *this;
}

AcGeCircArc3d& AcGeCircArc3d::setAngles(double startAng, double endAng)
{
    GeCircArcT<AcGeCircArc3d>::setAngles(*this, startAng, endAng);
    return *this;
}

double AcGeCircArc3d::angleOf(const AcGePoint3d& pnt) const
{
    return GeCircArcT<AcGeCircArc3d>::angleOf(*this, pnt);
}

bool AcGeCircArc3d::isInside(const AcGePoint3d& pnt, const AcGeTol& tol) const
{
    const AcGeVector3d v = pnt - mCenter;
    return std::fabs(v.dotProduct(mNormal)) <= tol.equalPoint() && v.length() < mRadius - tol.equalPoint();
}

bool AcGeCircArc3d::isOnArc(const AcGePoint3d& pnt, const AcGeTol& tol) const
{
    return GeCircArcT<AcGeCircArc3d>::isOnArc(*this, pnt, tol);
}

AcGeCircArc2d AcGeCircArc3d::toPlaneArc() const
{
    return AcGeCircArc2d(AcGePoint2d::kOrigin, mRadius, mStartAng, mEndAng);
}

bool AcGeCircArc3d::intersectWith(const AcGeLinearEnt3d& line, int& intn, AcGePoint3d& p1, AcGePoint3d& p2,
                                  const AcGeTol& tol) const
{
    intn = 0;
    AcGePlane plane;
    getPlane(plane);
    const AcGeVector3d dir = line.direction();
    if (dir.isZeroLength())
        return false;
    if (std::fabs(dir.dotProduct(mNormal)) > tol.equalVector()) {
        // The line crosses the plane once: that point must lie on the arc.
        AcGePoint3d hit;
        if (line.intersectWith(plane, hit, tol) && std::fabs(hit.distanceTo(mCenter) - mRadius) <= tol.equalPoint() &&
            isOnArc(hit, tol)) {
            p1 = hit;
            intn = 1;
        }
        return intn > 0;
    }
    if (!plane.isOn(line.pointOnLine(), tol))
        return false;
    // In the plane: solve with the plane arc, then check the points against the bounded line.
    const AcGePoint3d base = line.pointOnLine();
    const AcGeLine2d line2d(base.convert2d(plane), AcGeVector2d(dir.dotProduct(mRefVec), dir.dotProduct(sideVec())));
    AcGePoint2d q[2];
    int n = 0;
    toPlaneArc().intersectWith(line2d, n, q[0], q[1], tol);
    for (int i = 0; i < n; ++i) {
        const AcGePoint3d p(plane, q[i]);
        if (line.closestPointTo(p).isEqualTo(p, tol))
            (intn++ == 0 ? p1 : p2) = p;
    }
    return intn > 0;
}

bool AcGeCircArc3d::intersectWith(const AcGeCircArc3d& arc, int& intn, AcGePoint3d& p1, AcGePoint3d& p2,
                                  const AcGeTol& tol) const
{
    intn = 0;
    AcGePlane plane;
    getPlane(plane);
    if (mNormal.isParallelTo(arc.mNormal, tol)) {
        if (!plane.isOn(arc.mCenter, tol))
            return false;
        // Coplanar: the other arc in this arc's plane coordinates, turning the same way or not.
        const bool sameSense = mNormal.dotProduct(arc.mNormal) > 0.0;
        const AcGeVector2d ref(arc.mRefVec.dotProduct(mRefVec), arc.mRefVec.dotProduct(sideVec()));
        const AcGeCircArc2d other(arc.mCenter.convert2d(plane), arc.mRadius, arc.mStartAng, arc.mEndAng, ref,
                                  !sameSense);
        AcGePoint2d q1, q2;
        toPlaneArc().intersectWith(other, intn, q1, q2, tol);
        p1 = AcGePoint3d(plane, q1);
        p2 = AcGePoint3d(plane, q2);
        return intn > 0;
    }
    // Different planes: both circles meet the line common to the planes.
    AcGePlane otherPlane;
    arc.getPlane(otherPlane);
    const AcGeVector3d dir = mNormal.crossProduct(arc.mNormal);
    const AcGeVector3d toLine = dir.crossProduct(mNormal);
    const AcGeLine3d inPlane(mCenter, toLine);
    AcGePoint3d onBoth;
    if (!inPlane.intersectWith(otherPlane, onBoth, tol))
        return false;
    AcGePoint3d q[2];
    int n = 0;
    intersectWith(AcGeLine3d(onBoth, dir), n, q[0], q[1], tol);
    for (int i = 0; i < n; ++i)
        if (std::fabs(q[i].distanceTo(arc.mCenter) - arc.mRadius) <= tol.equalPoint() && arc.isOnArc(q[i], tol))
            (intn++ == 0 ? p1 : p2) = q[i];
    return intn > 0;
}

bool AcGeCircArc3d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kCircArc3d || AcGeCurve3d::isKindOf(entType);
}

void AcGeCircArc3d::getInterval(AcGeInterval& range) const
{
    range.set(mStartAng, mEndAng);
}

bool AcGeCircArc3d::setInterval(const AcGeInterval& range)
{
    return GeCircArcT<AcGeCircArc3d>::setInterval(*this, range);
}

AcGeCircArc3d& AcGeCircArc3d::reverseParam()
{
    // Flipping the normal mirrors the angle sense: angle a becomes -a.
    mNormal.negate();
    return setAngles(-mEndAng, -mStartAng);
}

AcGePoint3d AcGeCircArc3d::evaluate(double t, AcGeVector3d* d1, AcGeVector3d* d2) const
{
    return GeCircArcT<AcGeCircArc3d>::evaluate<AcGePoint3d>(*this, t, d1, d2);
}

AcGeVector3d AcGeCircArc3d::higherDeriv(double t, int order) const
{
    return GeCircArcT<AcGeCircArc3d>::higherDeriv<AcGeVector3d>(*this, t, order);
}

double AcGeCircArc3d::paramOf(const AcGePoint3d& pnt, const AcGeTol&) const
{
    return GeCircArcT<AcGeCircArc3d>::paramOf(*this, pnt, (pnt - mCenter).orthoProject(mNormal).isZeroLength());
}

AcGePoint3d AcGeCircArc3d::closestPointTo(const AcGePoint3d& pnt, const AcGeTol& tol) const
{
    return evalPoint(paramOf(pnt, tol));
}

double AcGeCircArc3d::length(double fromParam, double toParam, double) const
{
    return std::fabs(toParam - fromParam) * mRadius;
}

double AcGeCircArc3d::paramAtLength(double datumParam, double len, bool posParamDir, double) const
{
    return GeCircArcT<AcGeCircArc3d>::paramAtLength(*this, datumParam, len, posParamDir);
}

bool AcGeCircArc3d::isClosed(const AcGeTol&) const
{
    return GeCircArcT<AcGeCircArc3d>::isClosed(*this);
}

bool AcGeCircArc3d::isPeriodic(double& period) const
{
    period = kTwoPi;
    return isClosed();
}

bool AcGeCircArc3d::isPlanar(AcGePlane& plane, const AcGeTol&) const
{
    getPlane(plane);
    return true;
}

AcGeVector3d AcGeCircArc3d::sweptArea(double t0, double t1) const
{
    const AcGeVector3d c = mCenter.asVector();
    return 0.5 * (c.crossProduct(evalPoint(t1) - evalPoint(t0)) + mNormal * (mRadius * mRadius * (t1 - t0)));
}

AcGeCircArc3d& AcGeCircArc3d::transformBy(const AcGeMatrix3d& xfm)
{
    const AcGeVector3d ref = AcGeVector3d(mRefVec).transformBy(xfm);
    const AcGeVector3d side = sideVec().transformBy(xfm);
    mCenter.transformBy(xfm);
    mRadius *= ref.length();
    // The new normal keeps the angles measured from the image of refVec towards the image of side.
    return setAxes(ref.crossProduct(side), ref);
}

void AcGeCircArc3d::getTrimmedOffset(double distance, const AcGeVector3d& planeNormal,
                                     AcGeVoidPointerArray& offsetCurveList, AcGe::OffsetCrvExtType,
                                     const AcGeTol& tol) const
{
    if (!planeNormal.isParallelTo(mNormal, tol))
        return;
    // Left of the travel is the inside when the arc turns counter-clockwise about planeNormal.
    const double radius = planeNormal.dotProduct(mNormal) > 0.0 ? mRadius - distance : mRadius + distance;
    if (radius <= tol.equalPoint())
        return;
    AcGeCircArc3d* offset = copy();
    offset->mRadius = radius;
    offsetCurveList.append(offset);
}
