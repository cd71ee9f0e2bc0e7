// Straight plane curves in closed form. Parallel tests compare directions with
// equalVector; crossings are accepted up to equalPoint beyond a bounded end.
#include "AcGeLinearEnt2d.h"

#include "AcGeLine2d.h"
#include "AcGeLineSeg2d.h"
#include "AcGeRay2d.h"

#include <cmath>

namespace {

double cross(const AcGeVector2d& a, const AcGeVector2d& b)
{
    return a.x * b.y - a.y * b.x;
}

} // namespace

bool AcGeLinearEnt2d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kLinearEnt2d || AcGeCurve2d::isKindOf(entType);
}

void AcGeLinearEnt2d::getLine(AcGeLine2d& line) const
{
    line.set(mPoint, mVector);
}

void AcGeLinearEnt2d::getPerpLine(const AcGePoint2d& pnt, AcGeLine2d& perpLine) const
{
    perpLine.set(pnt, mVector.perpVector());
}

bool AcGeLinearEnt2d::intersectWith(const AcGeLinearEnt2d& line, AcGePoint2d& intPnt, const AcGeTol& tol) const
{
    if (isParallelTo(line, tol) || mVector.isZeroLength(tol) || line.mVector.isZeroLength(tol))
        return false;
    const AcGeVector2d w = line.mPoint - mPoint;
    const double det = cross(mVector, line.mVector);
    const double s = cross(w, line.mVector) / det;
    const double t = cross(w, mVector) / det;
    if (!GeLinearT<AcGeLinearEnt2d>::withinBoth(*this, s, line, t, tol))
        return false;
    intPnt = evalPoint(s);
    return true;
}

bool AcGeLinearEnt2d::overlap(const AcGeLinearEnt2d& line, AcGeLinearEnt2d*& overlap, const AcGeTol& tol) const
{
    overlap = nullptr;
    if (!isColinearTo(line, tol))
        return false;
    overlap = GeLinearT<AcGeLinearEnt2d>::overlap<AcGeLine2d, AcGeRay2d, AcGeLineSeg2d>(*this, line, tol);
    return overlap != nullptr;
}

bool AcGeLinearEnt2d::isParallelTo(const AcGeLinearEnt2d& line, const AcGeTol& tol) const
{
    return mVector.isParallelTo(line.mVector, tol);
}

bool AcGeLinearEnt2d::isPerpendicularTo(const AcGeLinearEnt2d& line, const AcGeTol& tol) const
{
    return mVector.isPerpendicularTo(line.mVector, tol);
}

bool AcGeLinearEnt2d::isColinearTo(const AcGeLinearEnt2d& line, const AcGeTol& tol) const
{
    if (!isParallelTo(line, tol))
        return false;
    const AcGeVector2d u = direction();
    return std::fabs(cross(u, line.mPoint - mPoint)) <= tol.equalPoint();
}

AcGePoint2d AcGeLinearEnt2d::evaluate(double t, AcGeVector2d* d1, AcGeVector2d* d2) const
{
    return GeLinearT<AcGeLinearEnt2d>::evaluate<AcGePoint2d>(*this, t, d1, d2);
}

double AcGeLinearEnt2d::footParam(const AcGePoint2d& pnt) const
{
    const double len2 = mVector.lengthSqrd();
    return len2 > 0.0 ? (pnt - mPoint).dotProduct(mVector) / len2 : 0.0;
}

double AcGeLinearEnt2d::paramOf(const AcGePoint2d& pnt, const AcGeTol&) const
{
    AcGeInterval range;
    getInterval(range);
    return range.clamp(footParam(pnt));
}

AcGePoint2d AcGeLinearEnt2d::closestPointTo(const AcGePoint2d& pnt, const AcGeTol& tol) const
{
    return evalPoint(paramOf(pnt, tol));
}

double AcGeLinearEnt2d::length(double fromParam, double toParam, double) const
{
    return std::fabs(toParam - fromParam) * mVector.length();
}

double AcGeLinearEnt2d::paramAtLength(double datumParam, double len, bool posParamDir, double) const
{
    return GeLinearT<AcGeLinearEnt2d>::paramAtLength(*this, datumParam, len, posParamDir);
}

bool AcGeLinearEnt2d::isClosed(const AcGeTol&) const
{
    return false;
}

double AcGeLinearEnt2d::sweptArea(double t0, double t1) const
{
    return 0.5 * cross(evalPoint(t0).asVector(), evalPoint(t1).asVector());
}

AcGeLinearEnt2d& AcGeLinearEnt2d::transformBy(const AcGeMatrix2d& xfm)
{
    mPoint.transformBy(xfm);
    mVector.transformBy(xfm);
    return *this;
}

void AcGeLinearEnt2d::getTrimmedOffset(double distance, AcGeVoidPointerArray& offsetCurveList,
                                       AcGe::OffsetCrvExtType, const AcGeTol& tol) const
{
    if (mVector.isZeroLength(tol))
        return;
    AcGeLinearEnt2d* offset = copy();
    offset->mPoint += direction().perpVector() * distance;
    offsetCurveList.append(offset);
}
