// General answers for space curves, built on evaluate(): quadrature for lengths and areas,
// sampled search with Newton polishing for closest points, fitted splines for offsets.
#include "AcGeCurve3d.h"

#include "AcGeNurbCurve3d.h"
#include "AcGePointOnCurve3d.h"
#include "GeNumerics.h"

#include <cmath>

namespace {

// Stand-in bound for unbounded sides in the numerical searches.
constexpr double kFarParam = 1.0e8;

AcGeVector3d cross(const AcGeVector3d& a, const AcGeVector3d& b)
{
    return a.crossProduct(b);
}

} // namespace

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
    getInterval(range);
    if (range.isBoundedBelow())
        startPoint = evalPoint(range.lowerBound());
    if (range.isBoundedAbove())
        endPoint = evalPoint(range.upperBound());
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
    derivArray.setLogicalLength(std::max(numDeriv, 0));
    AcGeVector3d d1, d2;
    const AcGePoint3d p = evaluate(param, numDeriv >= 1 ? &d1 : nullptr, numDeriv >= 2 ? &d2 : nullptr);
    for (int k = 1; k <= numDeriv; ++k)
        derivArray[k - 1] = k == 1 ? d1 : (k == 2 ? d2 : higherDeriv(param, k));
    return p;
}

AcGeVector3d AcGeCurve3d::higherDeriv(double, int) const
{
    return AcGeVector3d::kIdentity;
}

void AcGeCurve3d::searchRange(double& lo, double& hi) const
{
    AcGeInterval range;
    getInterval(range);
    lo = range.isBoundedBelow() ? range.lowerBound() : -kFarParam;
    hi = range.isBoundedAbove() ? range.upperBound() : kFarParam;
}

double AcGeCurve3d::paramOf(const AcGePoint3d& pnt, const AcGeTol&) const
{
    double lo, hi;
    searchRange(lo, hi);
    auto eval = [this](double t, AcGeVector3d* d1, AcGeVector3d* d2) { return evaluate(t, d1, d2); };
    return GeNumerics::closestParam<AcGePoint3d, AcGeVector3d>(eval, pnt, lo, hi, breakParams());
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
    auto speed = [this](double t) {
        AcGeVector3d d1;
        evaluate(t, &d1, nullptr);
        return d1.length();
    };
    return std::fabs(GeNumerics::integrateSpans(speed, fromParam, toParam, breakParams(), tol * 1e-3));
}

double AcGeCurve3d::paramAtLength(double datumParam, double len, bool posParamDir, double tol) const
{
    double lo, hi;
    searchRange(lo, hi);
    auto lengthFn = [this, tol](double a, double b) { return length(a, b, tol); };
    auto speed = [this](double t) {
        AcGeVector3d d1;
        evaluate(t, &d1, nullptr);
        return d1.length();
    };
    return GeNumerics::paramAtLength(lengthFn, speed, datumParam, posParamDir ? hi : lo, len, tol * 1e-2);
}

AcGeVector3d AcGeCurve3d::sweptArea(double t0, double t1) const
{
    AcGeVector3d sum;
    for (int i = 0; i < 3; ++i) {
        auto integrand = [this, i](double t) {
            AcGeVector3d d1;
            const AcGePoint3d p = evaluate(t, &d1, nullptr);
            return 0.5 * cross(p.asVector(), d1)[i];
        };
        sum[i] = GeNumerics::integrateSpans(integrand, t0, t1, breakParams(), 1e-13);
    }
    return sum;
}

bool AcGeCurve3d::area(double startParam, double endParam, double& value, const AcGeTol&) const
{
    AcGeInterval range;
    getInterval(range);
    if (!range.isBounded())
        return false;
    const AcGePoint3d p0 = evalPoint(startParam);
    const AcGePoint3d p1 = evalPoint(endParam);
    value = (sweptArea(startParam, endParam) + 0.5 * cross(p1.asVector(), p0.asVector())).length();
    return true;
}

bool AcGeCurve3d::isClosed(const AcGeTol& tol) const
{
    AcGeInterval range;
    getInterval(range);
    return range.isBounded() && evalPoint(range.lowerBound()).isEqualTo(evalPoint(range.upperBound()), tol);
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
    AcGeInterval range;
    getInterval(range);
    if (range.isBoundedBelow())
        startPoint = evalPoint(range.lowerBound());
    return range.isBoundedBelow();
}

bool AcGeCurve3d::hasEndPoint(AcGePoint3d& endPoint) const
{
    AcGeInterval range;
    getInterval(range);
    if (range.isBoundedAbove())
        endPoint = evalPoint(range.upperBound());
    return range.isBoundedAbove();
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
    double lo, hi;
    searchRange(lo, hi);
    const std::vector<double> ts = GeNumerics::sampleParams(lo, hi, breakParams(), 16);
    AcGePoint3dArray points;
    AcGeVector3d startTangent, endTangent;
    for (double t : ts) {
        AcGeVector3d d1;
        const AcGePoint3d p = evaluate(t, &d1, nullptr);
        const AcGeVector3d unit = d1.normal();
        points.append(p + planeNormal.normal().crossProduct(unit) * distance);
        if (t == ts.front())
            startTangent = unit;
        endTangent = unit;
    }
    return new AcGeNurbCurve3d(points, startTangent, endTangent);
}

void AcGeCurve3d::getSplitCurves(double param, AcGeCurve3d*& piece1, AcGeCurve3d*& piece2) const
{
    piece1 = piece2 = nullptr;
    double lo, hi;
    searchRange(lo, hi);
    AcGeInterval range;
    getInterval(range);
    const double eps = 1e-12 * (1.0 + std::fabs(param));
    if (param > lo + eps) {
        piece1 = copy();
        if (!piece1->setInterval(range.isBoundedBelow() ? AcGeInterval(lo, param) : AcGeInterval(false, param))) {
            delete piece1;
            piece1 = nullptr;
        }
    }
    if (param < hi - eps) {
        piece2 = copy();
        if (!piece2->setInterval(range.isBoundedAbove() ? AcGeInterval(param, hi) : AcGeInterval(true, param))) {
            delete piece2;
            piece2 = nullptr;
        }
    }
}

void AcGeCurve3d::getSamplePoints(int numSample, AcGePoint3dArray& pointArray) const
{
    double lo, hi;
    searchRange(lo, hi);
    const int n = std::max(numSample, 2);
    for (int i = 0; i < n; ++i)
        pointArray.append(evalPoint(lo + (hi - lo) * i / (n - 1)));
}

namespace {

// Splits [a, b] until the curve's midpoint lies within eps of the chord.
void sampleAdaptively(const AcGeCurve3d& curve, double a, double b, double eps, int depth, AcGePoint3dArray& points,
                      AcGeDoubleArray& params)
{
    const double m = 0.5 * (a + b);
    const AcGePoint3d pa = curve.evalPoint(a);
    const AcGePoint3d pm = curve.evalPoint(m);
    const AcGePoint3d pb = curve.evalPoint(b);
    const AcGeVector3d chord = pb - pa;
    const double len = chord.length();
    const double dev = len > 0.0 ? cross(chord, pm - pa).length() / len : pm.distanceTo(pa);
    if (depth < 20 && (dev > eps || depth < 2)) {
        sampleAdaptively(curve, a, m, eps, depth + 1, points, params);
        sampleAdaptively(curve, m, b, eps, depth + 1, points, params);
        return;
    }
    points.append(pb);
    params.append(b);
}

} // namespace

void AcGeCurve3d::getSamplePoints(double fromParam, double toParam, double approxEps, AcGePoint3dArray& pointArray,
                                  AcGeDoubleArray& paramArray) const
{
    pointArray.append(evalPoint(fromParam));
    paramArray.append(fromParam);
    double from = fromParam;
    for (double k : breakParams()) {
        if (k > from && k < toParam) {
            sampleAdaptively(*this, from, k, approxEps, 0, pointArray, paramArray);
            from = k;
        }
    }
    sampleAdaptively(*this, from, toParam, approxEps, 0, pointArray, paramArray);
}

std::vector<double> AcGeCurve3d::breakParams() const
{
    return {};
}
