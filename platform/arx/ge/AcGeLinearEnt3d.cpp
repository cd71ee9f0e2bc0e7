// Straight space curves in closed form. Parallel tests compare directions with
// equalVector; crossings are accepted up to equalPoint beyond a bounded end.
#include "AcGeLinearEnt3d.h"

#include "AcGeLine3d.h"
#include "AcGeLineSeg3d.h"
#include "AcGeRay3d.h"

#include <cmath>

bool AcGeLinearEnt3d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kLinearEnt3d || AcGeCurve3d::isKindOf(entType);
}

void AcGeLinearEnt3d::getLine(AcGeLine3d& line) const
{
    line.set(mPoint, mVector);
}

void AcGeLinearEnt3d::getPerpPlane(const AcGePoint3d& pnt, AcGePlane& plane) const
{
    plane.set(pnt, mVector);
}

bool AcGeLinearEnt3d::intersectWith(const AcGePlane& plane, AcGePoint3d& intPnt, const AcGeTol& tol) const
{
    const AcGeVector3d n = plane.normal();
    const double rate = n.dotProduct(mVector);
    if (mVector.isZeroLength(tol) || std::fabs(rate) <= tol.equalVector() * mVector.length())
        return false;
    const double t = -plane.signedDistanceTo(mPoint) / rate;
    AcGeInterval range;
    getInterval(range);
    if (!GeLinearT<AcGeLinearEnt3d>::withinRange(range, t, mVector.length(), tol.equalPoint()))
        return false;
    intPnt = evalPoint(t);
    return true;
}

bool AcGeLinearEnt3d::intersectWith(const AcGeLinearEnt3d& line, AcGePoint3d& intPnt, const AcGeTol& tol) const
{
    if (isParallelTo(line, tol) || mVector.isZeroLength(tol) || line.mVector.isZeroLength(tol))
        return false;
    // Closest points of the two infinite lines; they must meet within equalPoint.
    const AcGeVector3d w = line.mPoint - mPoint;
    const double a = mVector.dotProduct(mVector);
    const double b = mVector.dotProduct(line.mVector);
    const double c = line.mVector.dotProduct(line.mVector);
    const double d = mVector.dotProduct(w);
    const double e = line.mVector.dotProduct(w);
    const double det = a * c - b * b;
    const double s = (c * d - b * e) / det;
    const double t = (b * d - a * e) / det;
    if (evalPoint(s).distanceTo(line.evalPoint(t)) > tol.equalPoint())
        return false;
    if (!GeLinearT<AcGeLinearEnt3d>::withinBoth(*this, s, line, t, tol))
        return false;
    intPnt = evalPoint(s);
    return true;
}

bool AcGeLinearEnt3d::overlap(const AcGeLinearEnt3d& line, AcGeLinearEnt3d*& overlap, const AcGeTol& tol) const
{
    overlap = nullptr;
    if (!isColinearTo(line, tol))
        return false;
    overlap = GeLinearT<AcGeLinearEnt3d>::overlap<AcGeLine3d, AcGeRay3d, AcGeLineSeg3d>(*this, line, tol);
    return overlap != nullptr;
}

bool AcGeLinearEnt3d::isParallelTo(const AcGeLinearEnt3d& line, const AcGeTol& tol) const
{
    return mVector.isParallelTo(line.mVector, tol);
}

bool AcGeLinearEnt3d::isPerpendicularTo(const AcGeLinearEnt3d& line, const AcGeTol& tol) const
{
    return mVector.isPerpendicularTo(line.mVector, tol);
}

bool AcGeLinearEnt3d::isColinearTo(const AcGeLinearEnt3d& line, const AcGeTol& tol) const
{
    if (!isParallelTo(line, tol))
        return false;
    const AcGeVector3d u = direction();
    return u.crossProduct(line.mPoint - mPoint).length() <= tol.equalPoint();
}

AcGePoint3d AcGeLinearEnt3d::evaluate(double t, AcGeVector3d* d1, AcGeVector3d* d2) const
{
    return GeLinearT<AcGeLinearEnt3d>::evaluate<AcGePoint3d>(*this, t, d1, d2);
}

double AcGeLinearEnt3d::footParam(const AcGePoint3d& pnt) const
{
    const double len2 = mVector.lengthSqrd();
    return len2 > 0.0 ? (pnt - mPoint).dotProduct(mVector) / len2 : 0.0;
}

double AcGeLinearEnt3d::paramOf(const AcGePoint3d& pnt, const AcGeTol&) const
{
    AcGeInterval range;
    getInterval(range);
    return range.clamp(footParam(pnt));
}

AcGePoint3d AcGeLinearEnt3d::closestPointTo(const AcGePoint3d& pnt, const AcGeTol& tol) const
{
    return evalPoint(paramOf(pnt, tol));
}

double AcGeLinearEnt3d::length(double fromParam, double toParam, double) const
{
    return std::fabs(toParam - fromParam) * mVector.length();
}

double AcGeLinearEnt3d::paramAtLength(double datumParam, double len, bool posParamDir, double) const
{
    return GeLinearT<AcGeLinearEnt3d>::paramAtLength(*this, datumParam, len, posParamDir);
}

bool AcGeLinearEnt3d::isClosed(const AcGeTol&) const
{
    return false;
}

AcGeVector3d AcGeLinearEnt3d::sweptArea(double t0, double t1) const
{
    return 0.5 * evalPoint(t0).asVector().crossProduct(evalPoint(t1).asVector());
}

AcGeLinearEnt3d& AcGeLinearEnt3d::transformBy(const AcGeMatrix3d& xfm)
{
    mPoint.transformBy(xfm);
    mVector.transformBy(xfm);
    return *this;
}

void AcGeLinearEnt3d::getTrimmedOffset(double distance, const AcGeVector3d& planeNormal,
                                       AcGeVoidPointerArray& offsetCurveList,
                                       AcGe::OffsetCrvExtType, const AcGeTol& tol) const
{
    const AcGeVector3d side = planeNormal.normal().crossProduct(direction());
    if (mVector.isZeroLength(tol) || side.isZeroLength(tol))
        return;
    AcGeLinearEnt3d* offset = copy();
    offset->mPoint += side.normal() * distance;
    offsetCurveList.append(offset);
}
