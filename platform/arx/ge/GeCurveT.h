// The general answers of the plane and space curve bases written once over the curve base
// class: they need only the curve's public queries (evaluate, its interval, its break
// parameters), so each base forwards to them and keeps its own closed forms elsewhere.
#pragma once

#include "AcGeDoubleArray.h"
#include "AcGeInterval.h"
#include "GeDimTraits.h"
#include "GeNumerics.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace GeCurveT {

// Stand-in bound for unbounded sides in the numerical searches.
constexpr double kFarParam = 1.0e8;

// The plane cross product is the signed area of the parallelogram, the space one its vector.
inline double cross(const AcGeVector2d& a, const AcGeVector2d& b)
{
    return a.x * b.y - a.y * b.x;
}

inline AcGeVector3d cross(const AcGeVector3d& a, const AcGeVector3d& b)
{
    return a.crossProduct(b);
}

inline double magnitude(double area)
{
    return std::fabs(area);
}

inline double magnitude(const AcGeVector3d& area)
{
    return area.length();
}

template <class Curve>
void searchRange(const Curve& curve, double& lo, double& hi)
{
    AcGeInterval range;
    curve.getInterval(range);
    lo = range.isBoundedBelow() ? range.lowerBound() : -kFarParam;
    hi = range.isBoundedAbove() ? range.upperBound() : kFarParam;
}

template <class Curve, class Point>
void getInterval(const Curve& curve, AcGeInterval& range, Point& startPoint, Point& endPoint)
{
    curve.getInterval(range);
    if (range.isBoundedBelow())
        startPoint = curve.evalPoint(range.lowerBound());
    if (range.isBoundedAbove())
        endPoint = curve.evalPoint(range.upperBound());
}

// higher(t, k) gives the derivatives of order three and more.
template <class Curve, class VectorArray, class Higher>
auto evalPoint(const Curve& curve, double param, int numDeriv, VectorArray& derivArray, const Higher& higher)
{
    using Vector = typename GeDimTraits<Curve>::Vector;
    derivArray.setLogicalLength(std::max(numDeriv, 0));
    Vector d1, d2;
    const auto p = curve.evaluate(param, numDeriv >= 1 ? &d1 : nullptr, numDeriv >= 2 ? &d2 : nullptr);
    for (int k = 1; k <= numDeriv; ++k)
        derivArray[k - 1] = k == 1 ? d1 : (k == 2 ? d2 : higher(param, k));
    return p;
}

template <class Curve, class Point>
double paramOf(const Curve& curve, const Point& pnt)
{
    using Vector = typename GeDimTraits<Curve>::Vector;
    double lo, hi;
    searchRange(curve, lo, hi);
    auto eval = [&curve](double t, Vector* d1, Vector* d2) { return curve.evaluate(t, d1, d2); };
    return GeNumerics::closestParam<Point, Vector>(eval, pnt, lo, hi, curve.breakParams());
}

template <class Curve>
double speed(const Curve& curve, double t)
{
    typename GeDimTraits<Curve>::Vector d1;
    curve.evaluate(t, &d1, nullptr);
    return d1.length();
}

template <class Curve>
double length(const Curve& curve, double fromParam, double toParam, double tol)
{
    auto speedAt = [&curve](double t) { return speed(curve, t); };
    return std::fabs(GeNumerics::integrateSpans(speedAt, fromParam, toParam, curve.breakParams(), tol * 1e-3));
}

template <class Curve>
double paramAtLength(const Curve& curve, double datumParam, double len, bool posParamDir, double tol)
{
    double lo, hi;
    searchRange(curve, lo, hi);
    auto lengthFn = [&curve, tol](double a, double b) { return curve.length(a, b, tol); };
    auto speedAt = [&curve](double t) { return speed(curve, t); };
    return GeNumerics::paramAtLength(lengthFn, speedAt, datumParam, posParamDir ? hi : lo, len, tol * 1e-2);
}

// The swept area closed by the chord back from the end point to the start point.
template <class Curve>
bool area(const Curve& curve, double startParam, double endParam, double& value)
{
    AcGeInterval range;
    curve.getInterval(range);
    if (!range.isBounded())
        return false;
    const auto p0 = curve.evalPoint(startParam);
    const auto p1 = curve.evalPoint(endParam);
    value = magnitude(curve.sweptArea(startParam, endParam) + 0.5 * cross(p1.asVector(), p0.asVector()));
    return true;
}

template <class Curve>
bool isClosed(const Curve& curve, const AcGeTol& tol)
{
    AcGeInterval range;
    curve.getInterval(range);
    return range.isBounded() && curve.evalPoint(range.lowerBound()).isEqualTo(curve.evalPoint(range.upperBound()), tol);
}

template <class Curve, class Point>
bool hasStartPoint(const Curve& curve, Point& startPoint)
{
    AcGeInterval range;
    curve.getInterval(range);
    if (range.isBoundedBelow())
        startPoint = curve.evalPoint(range.lowerBound());
    return range.isBoundedBelow();
}

template <class Curve, class Point>
bool hasEndPoint(const Curve& curve, Point& endPoint)
{
    AcGeInterval range;
    curve.getInterval(range);
    if (range.isBoundedAbove())
        endPoint = curve.evalPoint(range.upperBound());
    return range.isBoundedAbove();
}

// The offset of a smooth curve as a spline of class Nurb fitted through offset points;
// side(unit tangent) is the unit direction of a positive distance.
template <class Nurb, class Curve, class Side>
Nurb* fittedOffset(const Curve& curve, double distance, const Side& side)
{
    using Vector = typename GeDimTraits<Curve>::Vector;
    double lo, hi;
    searchRange(curve, lo, hi);
    const std::vector<double> ts = GeNumerics::sampleParams(lo, hi, curve.breakParams(), 16);
    typename GeDimTraits<Curve>::PointArray points;
    Vector startTangent, endTangent;
    for (double t : ts) {
        Vector d1;
        const auto p = curve.evaluate(t, &d1, nullptr);
        const Vector unit = d1.normal();
        points.append(p + side(unit) * distance);
        if (t == ts.front())
            startTangent = unit;
        endTangent = unit;
    }
    return new Nurb(points, startTangent, endTangent);
}

template <class Curve>
void getSplitCurves(const Curve& curve, double param, Curve*& piece1, Curve*& piece2)
{
    piece1 = piece2 = nullptr;
    double lo, hi;
    searchRange(curve, lo, hi);
    AcGeInterval range;
    curve.getInterval(range);
    const double eps = 1e-12 * (1.0 + std::fabs(param));
    if (param > lo + eps) {
        piece1 = curve.copy();
        if (!piece1->setInterval(range.isBoundedBelow() ? AcGeInterval(lo, param) : AcGeInterval(false, param))) {
            delete piece1;
            piece1 = nullptr;
        }
    }
    if (param < hi - eps) {
        piece2 = curve.copy();
        if (!piece2->setInterval(range.isBoundedAbove() ? AcGeInterval(param, hi) : AcGeInterval(true, param))) {
            delete piece2;
            piece2 = nullptr;
        }
    }
}

template <class Curve, class PointArray>
void getSamplePoints(const Curve& curve, int numSample, PointArray& pointArray)
{
    double lo, hi;
    searchRange(curve, lo, hi);
    const int n = std::max(numSample, 2);
    for (int i = 0; i < n; ++i)
        pointArray.append(curve.evalPoint(lo + (hi - lo) * i / (n - 1)));
}

// Splits [a, b] until the curve's midpoint lies within eps of the chord.
template <class Curve, class PointArray>
void sampleAdaptively(const Curve& curve, double a, double b, double eps, int depth, PointArray& points,
                      AcGeDoubleArray& params)
{
    const double m = 0.5 * (a + b);
    const auto pa = curve.evalPoint(a);
    const auto pm = curve.evalPoint(m);
    const auto pb = curve.evalPoint(b);
    const auto chord = pb - pa;
    const double len = chord.length();
    const double dev = len > 0.0 ? magnitude(cross(chord, pm - pa)) / len : pm.distanceTo(pa);
    if (depth < 20 && (dev > eps || depth < 2)) {
        sampleAdaptively(curve, a, m, eps, depth + 1, points, params);
        sampleAdaptively(curve, m, b, eps, depth + 1, points, params);
        return;
    }
    points.append(pb);
    params.append(b);
}

template <class Curve, class PointArray>
void getSamplePoints(const Curve& curve, double fromParam, double toParam, double approxEps, PointArray& pointArray,
                     AcGeDoubleArray& paramArray)
{
    pointArray.append(curve.evalPoint(fromParam));
    paramArray.append(fromParam);
    double from = fromParam;
    for (double k : curve.breakParams()) {
        if (k > from && k < toParam) {
            sampleAdaptively(curve, from, k, approxEps, 0, pointArray, paramArray);
            from = k;
        }
    }
    sampleAdaptively(curve, from, toParam, approxEps, 0, pointArray, paramArray);
}

} // namespace GeCurveT
