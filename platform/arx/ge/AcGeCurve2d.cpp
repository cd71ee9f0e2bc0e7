// General answers for plane curves, built on evaluate(); those written the same way in both
// dimensions (quadrature, closest points, sampling, fitted offsets) live in GeCurveT.h.
#include "AcGeCurve2d.h"

#include "AcGeNurbCurve2d.h"
#include "AcGePointOnCurve2d.h"
#include "GeCurveT.h"
#include "GeNumerics.h"

bool AcGeCurve2d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kCurve2d || AcGeEntity2d::isKindOf(entType);
}

bool AcGeCurve2d::isOn(const AcGePoint2d& pnt, const AcGeTol& tol) const
{
    return closestPointTo(pnt, tol).isEqualTo(pnt, tol);
}

bool AcGeCurve2d::isOn(const AcGePoint2d& pnt, double& param, const AcGeTol& tol) const
{
    if (!isOn(pnt, tol))
        return false;
    param = paramOf(pnt, tol);
    return true;
}

bool AcGeCurve2d::isOn(double param, const AcGeTol& tol) const
{
    AcGeInterval range;
    getInterval(range);
    return range.contains(param, tol.equalPoint());
}

void AcGeCurve2d::getInterval(AcGeInterval& range, AcGePoint2d& startPoint, AcGePoint2d& endPoint) const
{
    GeCurveT::getInterval(*this, range, startPoint, endPoint);
}

bool AcGeCurve2d::setInterval(const AcGeInterval&)
{
    return false;
}

AcGePoint2d AcGeCurve2d::evalPoint(double param) const
{
    return evaluate(param, nullptr, nullptr);
}

AcGePoint2d AcGeCurve2d::evalPoint(double param, int numDeriv, AcGeVector2dArray& derivArray) const
{
    return GeCurveT::evalPoint(*this, param, numDeriv, derivArray,
                               [this](double t, int k) { return higherDeriv(t, k); });
}

AcGeVector2d AcGeCurve2d::higherDeriv(double, int) const
{
    return AcGeVector2d::kIdentity;
}

void AcGeCurve2d::searchRange(double& lo, double& hi) const
{
    GeCurveT::searchRange(*this, lo, hi);
}

double AcGeCurve2d::paramOf(const AcGePoint2d& pnt, const AcGeTol&) const
{
    return GeCurveT::paramOf(*this, pnt);
}

AcGePoint2d AcGeCurve2d::closestPointTo(const AcGePoint2d& pnt, const AcGeTol& tol) const
{
    return evalPoint(paramOf(pnt, tol));
}

void AcGeCurve2d::getClosestPointTo(const AcGePoint2d& pnt, AcGePointOnCurve2d& pntOnCrv, const AcGeTol& tol) const
{
    pntOnCrv.setCurve(*this);
    pntOnCrv.setParameter(paramOf(closestPointTo(pnt, tol), tol));
}

double AcGeCurve2d::distanceTo(const AcGePoint2d& pnt, const AcGeTol& tol) const
{
    return closestPointTo(pnt, tol).distanceTo(pnt);
}

double AcGeCurve2d::length(double fromParam, double toParam, double tol) const
{
    return GeCurveT::length(*this, fromParam, toParam, tol);
}

double AcGeCurve2d::paramAtLength(double datumParam, double len, bool posParamDir, double tol) const
{
    return GeCurveT::paramAtLength(*this, datumParam, len, posParamDir, tol);
}

double AcGeCurve2d::sweptArea(double t0, double t1) const
{
    auto integrand = [this](double t) {
        AcGeVector2d d1;
        const AcGePoint2d p = evaluate(t, &d1, nullptr);
        return 0.5 * GeCurveT::cross(p.asVector(), d1);
    };
    return GeNumerics::integrateSpans(integrand, t0, t1, breakParams(), 1e-13);
}

bool AcGeCurve2d::area(double startParam, double endParam, double& value, const AcGeTol&) const
{
    return GeCurveT::area(*this, startParam, endParam, value);
}

bool AcGeCurve2d::isClosed(const AcGeTol& tol) const
{
    return GeCurveT::isClosed(*this, tol);
}

bool AcGeCurve2d::isPeriodic(double&) const
{
    return false;
}

bool AcGeCurve2d::hasStartPoint(AcGePoint2d& startPoint) const
{
    return GeCurveT::hasStartPoint(*this, startPoint);
}

bool AcGeCurve2d::hasEndPoint(AcGePoint2d& endPoint) const
{
    return GeCurveT::hasEndPoint(*this, endPoint);
}

void AcGeCurve2d::getTrimmedOffset(double distance, AcGeVoidPointerArray& offsetCurveList, AcGe::OffsetCrvExtType,
                                   const AcGeTol&) const
{
    if (AcGeCurve2d* offset = fittedOffset(distance))
        offsetCurveList.append(offset);
}

AcGeCurve2d* AcGeCurve2d::fittedOffset(double distance) const
{
    return GeCurveT::fittedOffset<AcGeNurbCurve2d>(*this, distance,
                                                   [](const AcGeVector2d& unit) { return unit.perpVector(); });
}

void AcGeCurve2d::getSplitCurves(double param, AcGeCurve2d*& piece1, AcGeCurve2d*& piece2) const
{
    GeCurveT::getSplitCurves<AcGeCurve2d>(*this, param, piece1, piece2);
}

void AcGeCurve2d::getSamplePoints(int numSample, AcGePoint2dArray& pointArray) const
{
    GeCurveT::getSamplePoints(*this, numSample, pointArray);
}

void AcGeCurve2d::getSamplePoints(double fromParam, double toParam, double approxEps, AcGePoint2dArray& pointArray,
                                  AcGeDoubleArray& paramArray) const
{
    GeCurveT::getSamplePoints(*this, fromParam, toParam, approxEps, pointArray, paramArray);
}

std::vector<double> AcGeCurve2d::breakParams() const
{
    return {};
}
