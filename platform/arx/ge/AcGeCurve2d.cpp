// General answers for plane curves, built on evaluate(): quadrature for lengths and areas,
// sampled search with Newton polishing for closest points, fitted splines for offsets.
#include "AcGeCurve2d.h"

#include "AcGeNurbCurve2d.h"
#include "AcGePointOnCurve2d.h"
#include "GeNumerics.h"

#include <cmath>

namespace {

// Stand-in bound for unbounded sides in the numerical searches.
constexpr double kFarParam = 1.0e8;

double cross(const AcGeVector2d& a, const AcGeVector2d& b)
{
    return a.x * b.y - a.y * b.x;
}

} // namespace

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
    getInterval(range);
    if (range.isBoundedBelow())
        startPoint = evalPoint(range.lowerBound());
    if (range.isBoundedAbove())
        endPoint = evalPoint(range.upperBound());
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
    derivArray.setLogicalLength(std::max(numDeriv, 0));
    AcGeVector2d d1, d2;
    const AcGePoint2d p = evaluate(param, numDeriv >= 1 ? &d1 : nullptr, numDeriv >= 2 ? &d2 : nullptr);
    for (int k = 1; k <= numDeriv; ++k)
        derivArray[k - 1] = k == 1 ? d1 : (k == 2 ? d2 : higherDeriv(param, k));
    return p;
}

AcGeVector2d AcGeCurve2d::higherDeriv(double, int) const
{
    return AcGeVector2d::kIdentity;
}

void AcGeCurve2d::searchRange(double& lo, double& hi) const
{
    AcGeInterval range;
    getInterval(range);
    lo = range.isBoundedBelow() ? range.lowerBound() : -kFarParam;
    hi = range.isBoundedAbove() ? range.upperBound() : kFarParam;
}

double AcGeCurve2d::paramOf(const AcGePoint2d& pnt, const AcGeTol&) const
{
    double lo, hi;
    searchRange(lo, hi);
    auto eval = [this](double t, AcGeVector2d* d1, AcGeVector2d* d2) { return evaluate(t, d1, d2); };
    return GeNumerics::closestParam<AcGePoint2d, AcGeVector2d>(eval, pnt, lo, hi, breakParams());
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
    auto speed = [this](double t) {
        AcGeVector2d d1;
        evaluate(t, &d1, nullptr);
        return d1.length();
    };
    return std::fabs(GeNumerics::integrateSpans(speed, fromParam, toParam, breakParams(), tol * 1e-3));
}

double AcGeCurve2d::paramAtLength(double datumParam, double len, bool posParamDir, double tol) const
{
    double lo, hi;
    searchRange(lo, hi);
    auto lengthFn = [this, tol](double a, double b) { return length(a, b, tol); };
    auto speed = [this](double t) {
        AcGeVector2d d1;
        evaluate(t, &d1, nullptr);
        return d1.length();
    };
    return GeNumerics::paramAtLength(lengthFn, speed, datumParam, posParamDir ? hi : lo, len, tol * 1e-2);
}

double AcGeCurve2d::sweptArea(double t0, double t1) const
{
    auto integrand = [this](double t) {
        AcGeVector2d d1;
        const AcGePoint2d p = evaluate(t, &d1, nullptr);
        return 0.5 * cross(p.asVector(), d1);
    };
    return GeNumerics::integrateSpans(integrand, t0, t1, breakParams(), 1e-13);
}

bool AcGeCurve2d::area(double startParam, double endParam, double& value, const AcGeTol&) const
{
    AcGeInterval range;
    getInterval(range);
    if (!range.isBounded())
        return false;
    const AcGePoint2d p0 = evalPoint(startParam);
    const AcGePoint2d p1 = evalPoint(endParam);
    value = std::fabs(sweptArea(startParam, endParam) + 0.5 * cross(p1.asVector(), p0.asVector()));
    return true;
}

bool AcGeCurve2d::isClosed(const AcGeTol& tol) const
{
    AcGeInterval range;
    getInterval(range);
    return range.isBounded() && evalPoint(range.lowerBound()).isEqualTo(evalPoint(range.upperBound()), tol);
}

bool AcGeCurve2d::isPeriodic(double&) const
{
    return false;
}

bool AcGeCurve2d::hasStartPoint(AcGePoint2d& startPoint) const
{
    AcGeInterval range;
    getInterval(range);
    if (range.isBoundedBelow())
        startPoint = evalPoint(range.lowerBound());
    return range.isBoundedBelow();
}

bool AcGeCurve2d::hasEndPoint(AcGePoint2d& endPoint) const
{
    AcGeInterval range;
    getInterval(range);
    if (range.isBoundedAbove())
        endPoint = evalPoint(range.upperBound());
    return range.isBoundedAbove();
}

void AcGeCurve2d::getTrimmedOffset(double distance, AcGeVoidPointerArray& offsetCurveList, AcGe::OffsetCrvExtType,
                                   const AcGeTol&) const
{
    if (AcGeCurve2d* offset = fittedOffset(distance))
        offsetCurveList.append(offset);
}

AcGeCurve2d* AcGeCurve2d::fittedOffset(double distance) const
{
    double lo, hi;
    searchRange(lo, hi);
    const std::vector<double> ts = GeNumerics::sampleParams(lo, hi, breakParams(), 16);
    AcGePoint2dArray points;
    AcGeVector2d startTangent, endTangent;
    for (double t : ts) {
        AcGeVector2d d1;
        const AcGePoint2d p = evaluate(t, &d1, nullptr);
        const AcGeVector2d unit = d1.normal();
        points.append(p + unit.perpVector() * distance);
        if (t == ts.front())
            startTangent = unit;
        endTangent = unit;
    }
    return new AcGeNurbCurve2d(points, startTangent, endTangent);
}

void AcGeCurve2d::getSplitCurves(double param, AcGeCurve2d*& piece1, AcGeCurve2d*& piece2) const
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

void AcGeCurve2d::getSamplePoints(int numSample, AcGePoint2dArray& pointArray) const
{
    double lo, hi;
    searchRange(lo, hi);
    const int n = std::max(numSample, 2);
    for (int i = 0; i < n; ++i)
        pointArray.append(evalPoint(lo + (hi - lo) * i / (n - 1)));
}

namespace {

// Splits [a, b] until the curve's midpoint lies within eps of the chord.
void sampleAdaptively(const AcGeCurve2d& curve, double a, double b, double eps, int depth, AcGePoint2dArray& points,
                      AcGeDoubleArray& params)
{
    const double m = 0.5 * (a + b);
    const AcGePoint2d pa = curve.evalPoint(a);
    const AcGePoint2d pm = curve.evalPoint(m);
    const AcGePoint2d pb = curve.evalPoint(b);
    const AcGeVector2d chord = pb - pa;
    const double len = chord.length();
    const double dev = len > 0.0 ? std::fabs(cross(chord, pm - pa)) / len : pm.distanceTo(pa);
    if (depth < 20 && (dev > eps || depth < 2)) {
        sampleAdaptively(curve, a, m, eps, depth + 1, points, params);
        sampleAdaptively(curve, m, b, eps, depth + 1, points, params);
        return;
    }
    points.append(pb);
    params.append(b);
}

} // namespace

void AcGeCurve2d::getSamplePoints(double fromParam, double toParam, double approxEps, AcGePoint2dArray& pointArray,
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

std::vector<double> AcGeCurve2d::breakParams() const
{
    return {};
}
