// Plane circular arcs in closed form. Angles are kept with startAng in [0, 2pi) and a
// sweep in [0, 2pi]; on-arc tests allow equalPoint of arc length beyond either end.
#include "AcGeCircArc2d.h"

#include "AcGeLine2d.h"
#include "AcGeLinearEnt2d.h"
#include "GeNumerics.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using GeNumerics::kTwoPi;

double cross(const AcGeVector2d& a, const AcGeVector2d& b)
{
    return a.x * b.y - a.y * b.x;
}

} // namespace

AcGeCircArc2d::AcGeCircArc2d()
{
    set(AcGePoint2d::kOrigin, 1.0);
}

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& cent, double radius)
{
    set(cent, radius);
}

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& cent, double radius, double startAngle, double endAngle,
                             const AcGeVector2d& refVec, bool isClockWise)
{
    set(cent, radius, startAngle, endAngle, refVec, isClockWise);
}

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& pnt, const AcGePoint2d& endPoint)
{
    set(startPoint, pnt, endPoint);
}

AcGeCircArc2d::AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge,
                             bool bulgeFlag)
{
    set(startPoint, endPoint, bulge, bulgeFlag);
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& cent, double radius)
{
    return set(cent, radius, 0.0, kTwoPi);
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& cent, double radius, double ang1, double ang2,
                                  const AcGeVector2d& refVec, bool isClockWise)
{
    mCenter = cent;
    mRadius = std::fabs(radius);
    mRefVec = refVec.isZeroLength() ? AcGeVector2d::kXAxis : refVec.normal();
    mClockWise = isClockWise;
    return setAngles(ang1, ang2);
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& startPoint, const AcGePoint2d& pnt, const AcGePoint2d& endPoint)
{
    // Circumcentre from the perpendicular bisectors of the two chords.
    const AcGeVector2d a = pnt - startPoint;
    const AcGeVector2d b = endPoint - startPoint;
    const double d = 2.0 * cross(a, b);
    if (std::fabs(d) <= AcGeContext::gTol.equalVector() * a.length() * b.length()) {
        // Collinear points give no circle: a degenerate arc at the start point.
        return set(startPoint, 0.0, 0.0, 0.0);
    }
    const AcGeVector2d toCenter((b.y * a.lengthSqrd() - a.y * b.lengthSqrd()) / d,
                                (a.x * b.lengthSqrd() - b.x * a.lengthSqrd()) / d);
    mCenter = startPoint + toCenter;
    mRadius = toCenter.length();
    mRefVec = AcGeVector2d::kXAxis;
    mClockWise = d < 0.0;
    mStartAng = 0.0;
    mEndAng = kTwoPi;
    const double s = angleOf(startPoint);
    const double e = angleOf(endPoint);
    return setAngles(s, e > s ? e : e + kTwoPi);
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge,
                                  bool bulgeFlag)
{
    const AcGeVector2d chord = endPoint - startPoint;
    const double half = 0.5 * chord.length();
    // Height of the arc's middle over the chord; a counter-clockwise arc lies to the right.
    const double height = bulgeFlag ? bulge : bulge * half;
    const AcGePoint2d mid = startPoint + chord * 0.5 - chord.normal().perpVector() * height;
    return set(startPoint, mid, endPoint);
}

AcGeCircArc2d& AcGeCircArc2d::setCenter(const AcGePoint2d& cent)
{
    mCenter = cent;
    return *this;
}

AcGeCircArc2d& AcGeCircArc2d::setRadius(double radius)
{
    mRadius = std::fabs(radius);
    return *this;
}

AcGeCircArc2d& AcGeCircArc2d::setAngles(double startAng, double endAng)
{
    GeCircArcT<AcGeCircArc2d>::setAngles(*this, startAng, endAng);
    return *this;
}

AcGeCircArc2d& AcGeCircArc2d::setRefVec(const AcGeVector2d& vec)
{
    if (!vec.isZeroLength())
        mRefVec = vec.normal();
    return *this;
}

AcGeCircArc2d& AcGeCircArc2d::setToComplement()
{
    return setAngles(mEndAng, mStartAng + kTwoPi);
}

AcGeVector2d AcGeCircArc2d::sideVec() const
{
    return mClockWise ? -mRefVec.perpVector() : mRefVec.perpVector();
}

double AcGeCircArc2d::angleOf(const AcGePoint2d& pnt) const
{
    return GeCircArcT<AcGeCircArc2d>::angleOf(*this, pnt);
}

bool AcGeCircArc2d::isInside(const AcGePoint2d& pnt, const AcGeTol& tol) const
{
    return pnt.distanceTo(mCenter) < mRadius - tol.equalPoint();
}

bool AcGeCircArc2d::isOnArc(const AcGePoint2d& pnt, const AcGeTol& tol) const
{
    return GeCircArcT<AcGeCircArc2d>::isOnArc(*this, pnt, tol);
}

bool AcGeCircArc2d::tangent(const AcGePoint2d& pnt, AcGeLine2d& line, const AcGeTol& tol) const
{
    if (std::fabs(pnt.distanceTo(mCenter) - mRadius) > tol.equalPoint() || !isOnArc(pnt, tol))
        return false;
    AcGeVector2d d1;
    evaluate(angleOf(pnt), &d1, nullptr);
    line.set(pnt, d1);
    return true;
}

template <class OnOther>
void AcGeCircArc2d::keepOnBoth(int& intn, AcGePoint2d& p1, AcGePoint2d& p2, const AcGeTol& tol,
                               OnOther onOther) const
{
    AcGePoint2d found[2] = {p1, p2};
    const int n = intn;
    intn = 0;
    for (int i = 0; i < n; ++i) {
        if (!isOnArc(found[i], tol) || !onOther(found[i]))
            continue;
        (intn == 0 ? p1 : p2) = found[i];
        ++intn;
    }
}

bool AcGeCircArc2d::intersectWith(const AcGeLinearEnt2d& line, int& intn, AcGePoint2d& p1, AcGePoint2d& p2,
                                  const AcGeTol& tol) const
{
    intn = 0;
    const AcGeVector2d u = line.direction();
    if (u.isZeroLength())
        return false;
    // Foot of the perpendicular from the centre, and the half chord on either side of it.
    const AcGePoint2d base = line.pointOnLine();
    const AcGePoint2d foot = base + u * (mCenter - base).dotProduct(u);
    const double h = foot.distanceTo(mCenter);
    if (h > mRadius + tol.equalPoint())
        return false;
    if (std::fabs(h - mRadius) <= tol.equalPoint()) {
        p1 = foot;
        intn = 1;
    } else {
        const double half = std::sqrt(mRadius * mRadius - h * h);
        p1 = foot - u * half;
        p2 = foot + u * half;
        intn = 2;
    }
    keepOnBoth(intn, p1, p2, tol, [&](const AcGePoint2d& p) { return line.closestPointTo(p).isEqualTo(p, tol); });
    return intn > 0;
}

bool AcGeCircArc2d::intersectWith(const AcGeCircArc2d& arc, int& intn, AcGePoint2d& p1, AcGePoint2d& p2,
                                  const AcGeTol& tol) const
{
    intn = 0;
    const AcGeVector2d c = arc.mCenter - mCenter;
    const double d = c.length();
    const double r1 = mRadius;
    const double r2 = arc.mRadius;
    if (d <= tol.equalPoint() || d > r1 + r2 + tol.equalPoint() || d < std::fabs(r1 - r2) - tol.equalPoint())
        return false;
    const AcGeVector2d u = c / d;
    if (std::fabs(d - (r1 + r2)) <= tol.equalPoint() || std::fabs(d - std::fabs(r1 - r2)) <= tol.equalPoint()) {
        // Tangent circles touch on the line of centres.
        p1 = mCenter + u * (r1 >= r2 || d > std::fabs(r1 - r2) + tol.equalPoint() ? r1 : -r1);
        intn = 1;
    } else {
        const double a = (d * d + r1 * r1 - r2 * r2) / (2.0 * d);
        const double h = std::sqrt(std::max(r1 * r1 - a * a, 0.0));
        p1 = mCenter + u * a - u.perpVector() * h;
        p2 = mCenter + u * a + u.perpVector() * h;
        intn = 2;
    }
    keepOnBoth(intn, p1, p2, tol, [&](const AcGePoint2d& p) { return arc.isOnArc(p, tol); });
    return intn > 0;
}

bool AcGeCircArc2d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kCircArc2d || AcGeCurve2d::isKindOf(entType);
}

void AcGeCircArc2d::getInterval(AcGeInterval& range) const
{
    range.set(mStartAng, mEndAng);
}

bool AcGeCircArc2d::setInterval(const AcGeInterval& range)
{
    return GeCircArcT<AcGeCircArc2d>::setInterval(*this, range);
}

AcGeCircArc2d& AcGeCircArc2d::reverseParam()
{
    // The same point set run the other way: angle a becomes -a in the opposite sense.
    mClockWise = !mClockWise;
    return setAngles(-mEndAng, -mStartAng);
}

AcGePoint2d AcGeCircArc2d::evaluate(double t, AcGeVector2d* d1, AcGeVector2d* d2) const
{
    return GeCircArcT<AcGeCircArc2d>::evaluate<AcGePoint2d>(*this, t, d1, d2);
}

AcGeVector2d AcGeCircArc2d::higherDeriv(double t, int order) const
{
    return GeCircArcT<AcGeCircArc2d>::higherDeriv<AcGeVector2d>(*this, t, order);
}

double AcGeCircArc2d::paramOf(const AcGePoint2d& pnt, const AcGeTol&) const
{
    return GeCircArcT<AcGeCircArc2d>::paramOf(*this, pnt, pnt.isEqualTo(mCenter));
}

AcGePoint2d AcGeCircArc2d::closestPointTo(const AcGePoint2d& pnt, const AcGeTol& tol) const
{
    return evalPoint(paramOf(pnt, tol));
}

double AcGeCircArc2d::length(double fromParam, double toParam, double) const
{
    return std::fabs(toParam - fromParam) * mRadius;
}

double AcGeCircArc2d::paramAtLength(double datumParam, double len, bool posParamDir, double) const
{
    return GeCircArcT<AcGeCircArc2d>::paramAtLength(*this, datumParam, len, posParamDir);
}

bool AcGeCircArc2d::isClosed(const AcGeTol&) const
{
    return GeCircArcT<AcGeCircArc2d>::isClosed(*this);
}

bool AcGeCircArc2d::isPeriodic(double& period) const
{
    period = kTwoPi;
    return isClosed();
}

double AcGeCircArc2d::sweptArea(double t0, double t1) const
{
    const double orientation = cross(mRefVec, sideVec());
    return 0.5 * (cross(mCenter.asVector(), evalPoint(t1) - evalPoint(t0)) + mRadius * mRadius * orientation * (t1 - t0));
}

AcGeCircArc2d& AcGeCircArc2d::transformBy(const AcGeMatrix2d& xfm)
{
    const AcGeVector2d ref = AcGeVector2d(mRefVec).transformBy(xfm);
    const AcGeVector2d side = sideVec().transformBy(xfm);
    mCenter.transformBy(xfm);
    mRadius *= ref.length();
    mRefVec = ref.normal();
    mClockWise = cross(ref, side) < 0.0;
    return *this;
}

void AcGeCircArc2d::getTrimmedOffset(double distance, AcGeVoidPointerArray& offsetCurveList,
                                     AcGe::OffsetCrvExtType, const AcGeTol& tol) const
{
    // Left of the direction of travel is the inside of a counter-clockwise arc.
    const double radius = mClockWise ? mRadius + distance : mRadius - distance;
    if (radius <= tol.equalPoint())
        return;
    AcGeCircArc2d* offset = copy();
    offset->mRadius = radius;
    offsetCurveList.append(offset);
}
