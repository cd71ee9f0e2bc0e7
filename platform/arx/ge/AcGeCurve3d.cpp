// General answers for space curves, built on evaluate(); those written the same way in both
// dimensions (quadrature, closest points, sampling, fitted offsets) live in GeCurveT.h.
#include "AcGeCurve3d.h"

#include "AcGeNurbCurve3d.h"
#include "AcGePointOnCurve3d.h"
#include "GeCurveT.h"
#include "GeNumerics.h"

bool AcGeCurve3d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kCurve3d || AcGeEntity3d::isKindOf(entType);
}

bool AcGeCurve3d::isOn(const AcGePoint3d& pnt, const AcGeTol& tol) const
{
    return closestPointTo(pnt, tol).isEqualTo(pnt, tol);
}

bool AcGeCurve3d::isOn(const AcGePoint3d& pnt, double& param, const AcGeTol& tol) const
{
    if (!isOn(pnt, tol))
        return false;
    param = paramOf(pnt, tol);
    return true;
}

bool AcGeCurve3d::isOn(double param, const AcGeTol& tol) const
{
    AcGeInterval range;
    getInterval(range);
    return range.contains(param, tol.equalPoint());
}

void AcGeCurve3d::getInterval(AcGeInterval& range, AcGePoint3d& startPoint, AcGePoint3d& endPoint) const
{
    GeCurveT::getInterval(*this, range, startPoint, endPoint);
}

bool AcGeCurve3d::setInterval(const AcGeInterval&)
{
    return false;
}

AcGePoint3d AcGeCurve3d::evalPoint(double param) const
{
    return evaluate(param, nullptr, nullptr);
}

AcGePoint3d AcGeCurve3d::evalPoint(double param, int numDeriv, AcGeVector3dArray& derivArray) const
{
    return GeCurveT::evalPoint(*this, param, numDeriv, derivArray,
                               [this](double t, int k) { return higherDeriv(t, k); });
}

AcGeVector3d AcGeCurve3d::higherDeriv(double, int) const
{
    return AcGeVector3d::kIdentity;
}

void AcGeCurve3d::searchRange(double& lo, double& hi) const
{
    GeCurveT::searchRange(*this, lo, hi);
}

double AcGeCurve3d::paramOf(const AcGePoint3d& pnt, const AcGeTol&) const
{
    return GeCurveT::paramOf(*this, pnt);
}

AcGePoint3d AcGeCurve3d::closestPointTo(const AcGePoint3d& pnt, const AcGeTol& tol) const
{
    return evalPoint(paramOf(pnt, tol));
}

void AcGeCurve3d::getClosestPointTo(const AcGePoint3d& pnt, AcGePointOnCurve3d& pntOnCrv, const AcGeTol& tol) const
{
    pntOnCrv.setCurve(*this);
    pntOnCrv.setParameter(paramOf(closestPointTo(pnt, tol), tol));
}

double AcGeCurve3d::distanceTo(const AcGePoint3d& pnt, const AcGeTol& tol) const
{
    return closestPointTo(pnt, tol).distanceTo(pnt);
}

double AcGeCurve3d::length(double fromParam, double toParam, double tol) const
{
    return GeCurveT::length(*this, fromParam, toParam, tol);
}

double AcGeCurve3d::paramAtLength(double datumParam, double len, bool posParamDir, double tol) const
{
    return GeCurveT::paramAtLength(*this, datumParam, len, posParamDir, tol);
}

AcGeVector3d AcGeCurve3d::sweptArea(double t0, double t1) const
{
    AcGeVector3d sum;
    for (int i = 0; i < 3; ++i) {
        auto integrand = [this, i](double t) {
            AcGeVector3d d1;
            const AcGePoint3d p = evaluate(t, &d1, nullptr);
            return 0.5 * GeCurveT::cross(p.asVector(), d1)[i];
        };
        sum[i] = GeNumerics::integrateSpans(integrand, t0, t1, breakParams(), 1e-13);
    }
    return sum;
}

bool AcGeCurve3d::area(double startParam, double endParam, double& value, const AcGeTol&) const
{
    return GeCurveT::area(*this, startParam, endParam, value);
}

bool AcGeCurve3d::isClosed(const AcGeTol& tol) const
{
    return GeCurveT::isClosed(*this, tol);
}

bool AcGeCurve3d::isPeriodic(double&) const
{
    return false;
}

bool AcGeCurve3d::isPlanar(AcGePlane& plane, const AcGeTol& tol) const
{
    AcGePoint3dArray pts;
    getSamplePoints(33, pts);
    // The plane through the first point and the two others that span the largest triangle.
    AcGeVector3d normal;
    for (int i = 1; i < pts.length(); ++i)
        for (int j = i + 1; j < pts.length(); ++j) {
            const AcGeVector3d n = (pts[i] - pts[0]).crossProduct(pts[j] - pts[0]);
            if (n.lengthSqrd() > normal.lengthSqrd())
                normal = n;
        }
    if (normal.isZeroLength(tol)) {
        // A straight curve lies in many planes; take one through it.
        const AcGeVector3d dir = pts.last() - pts.first();
        normal = dir.isZeroLength(tol) ? AcGeVector3d::kZAxis : dir.perpVector();
    }
    plane.set(pts[0], normal);
    for (const AcGePoint3d& p : pts)
        if (!plane.isOn(p, tol))
            return false;
    return true;
}

bool AcGeCurve3d::hasStartPoint(AcGePoint3d& startPoint) const
{
    return GeCurveT::hasStartPoint(*this, startPoint);
}

bool AcGeCurve3d::hasEndPoint(AcGePoint3d& endPoint) const
{
    return GeCurveT::hasEndPoint(*this, endPoint);
}

void AcGeCurve3d::getTrimmedOffset(double distance, const AcGeVector3d& planeNormal,
                                   AcGeVoidPointerArray& offsetCurveList, AcGe::OffsetCrvExtType,
                                   const AcGeTol&) const
{
    if (AcGeCurve3d* offset = fittedOffset(distance, planeNormal))
        offsetCurveList.append(offset);
}

AcGeCurve3d* AcGeCurve3d::fittedOffset(double distance, const AcGeVector3d& planeNormal) const
{
    const AcGeVector3d normal = planeNormal.normal();
    return GeCurveT::fittedOffset<AcGeNurbCurve3d>(
        *this, distance, [&normal](const AcGeVector3d& unit) { return normal.crossProduct(unit); });
}

void AcGeCurve3d::getSplitCurves(double param, AcGeCurve3d*& piece1, AcGeCurve3d*& piece2) const
{
    GeCurveT::getSplitCurves<AcGeCurve3d>(*this, param, piece1, piece2);
}

void AcGeCurve3d::getSamplePoints(int numSample, AcGePoint3dArray& pointArray) const
{
    GeCurveT::getSamplePoints(*this, numSample, pointArray);
}

void AcGeCurve3d::getSamplePoints(double fromParam, double toParam, double approxEps, AcGePoint3dArray& pointArray,
                                  AcGeDoubleArray& paramArray) const
{
    GeCurveT::getSamplePoints(*this, fromParam, toParam, approxEps, pointArray, paramArray);
}

std::vector<double> AcGeCurve3d::breakParams() const
{
    return {};
}
