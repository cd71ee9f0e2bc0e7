// The B-spline operations of the plane and space spline curves written once over the point
// and vector types: plane points go into the homogeneous form with z = 0 and come out of it
// by dropping z, so the shared mathematics in GeNurbs serves both dimensions.
#pragma once

#include "AcGeDoubleArray.h"
#include "AcGeInterval.h"
#include "AcGeKnotVector.h"
#include "AcGeMatrix2d.h"
#include "AcGeMatrix3d.h"
#include "AcGePoint2dArray.h"
#include "AcGePoint3dArray.h"
#include "GeNurbs.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace GeNurbs {

inline Vec3 toVec(const AcGePoint2d& p)
{
    return {p.x, p.y, 0.0};
}

inline Vec3 toVec(const AcGePoint3d& p)
{
    return {p.x, p.y, p.z};
}

inline Vec3 toVec(const AcGeVector2d& v)
{
    return {v.x, v.y, 0.0};
}

inline Vec3 toVec(const AcGeVector3d& v)
{
    return {v.x, v.y, v.z};
}

// Plane points keep z = 0 exactly, whatever the weight's sign.
inline Hom toHom(const AcGePoint2d& p, double w)
{
    return {p.x * w, p.y * w, 0.0, w};
}

inline Hom toHom(const AcGePoint3d& p, double w)
{
    return {p.x * w, p.y * w, p.z * w, w};
}

// A point or vector of the caller's dimension from three coordinates.
template <class T>
T fromVec(const Vec3& v)
{
    if constexpr (requires(T t) { t.z; })
        return T(v[0], v[1], v[2]);
    else
        return T(v[0], v[1]);
}

template <class Point>
Point fromHom(const Hom& h)
{
    return fromVec<Point>({h[0] / h[3], h[1] / h[3], h[2] / h[3]});
}

// The control points, and their weights where rational is set; both arrays are replaced.
template <class Point>
void getControlPoints(const Curve& c, bool rational, AcArray<Point>& controlPoints, AcGeDoubleArray& weights)
{
    controlPoints.removeAll();
    weights.removeAll();
    for (const Hom& h : c.points) {
        controlPoints.append(fromHom<Point>(h));
        if (rational)
            weights.append(h[3]);
    }
}

template <class PointArray>
Curve definition(int degree, const AcGeKnotVector& knots, const PointArray& points, const AcGeDoubleArray* weights)
{
    Curve c;
    c.degree = degree;
    c.knots.assign(knots.getPtr(), knots.getPtr() + knots.length());
    for (int i = 0; i < points.length(); ++i)
        c.points.push_back(toHom(points[i], weights && i < weights->length() ? (*weights)[i] : 1.0));
    return c;
}

// The exact rational form of an elliptical arc: quadratic rational arcs of at most a quarter
// turn each, on the unit circle mapped onto the ellipse's axes; the parameter becomes the
// knots 0 .. number of pieces.
template <class EllipArc>
Curve fromEllipse(const EllipArc& ellipse)
{
    const double t0 = ellipse.startAng();
    const double sweep = ellipse.endAng() - t0;
    const int pieces = std::max(1, static_cast<int>(std::ceil(sweep / (std::numbers::pi / 2) - 1e-9)));
    const double step = sweep / pieces;
    const double w = std::cos(step / 2);
    const auto u = ellipse.majorAxis() * ellipse.majorRadius();
    const auto v = ellipse.minorAxis() * ellipse.minorRadius();
    auto onEllipse = [&](double a, double scale) {
        return ellipse.center() + (u * std::cos(a) + v * std::sin(a)) * scale;
    };
    Curve c;
    c.degree = 2;
    c.knots = {0.0, 0.0, 0.0};
    for (int i = 0; i < pieces; ++i) {
        const double a = t0 + i * step;
        if (i == 0)
            c.points.push_back(toHom(onEllipse(a, 1.0), 1.0));
        c.points.push_back(toHom(onEllipse(a + step / 2, 1.0 / w), w));
        c.points.push_back(toHom(onEllipse(a + step, 1.0), 1.0));
        c.knots.insert(c.knots.end(), i + 1 < pieces ? 2 : 3, i + 1.0);
    }
    return c;
}

template <class Point>
Curve fromSegment(const Point& a, const Point& b)
{
    Curve c;
    c.degree = 1;
    c.knots = {0.0, 0.0, 1.0, 1.0};
    c.points = {toHom(a, 1.0), toHom(b, 1.0)};
    return c;
}

// Ends the last span with multiplicity p, then adds a straight Bezier piece from `from`
// (the curve's end) back to `to` (its start).
template <class Point>
void closeWithLine(Curve& c, const Point& from, const Point& to)
{
    const int p = c.degree;
    trim(c, c.startParam(), c.endParam());
    const double end = c.knots.back();
    c.knots.pop_back();
    c.knots.insert(c.knots.end(), static_cast<std::size_t>(p + 1), end + from.distanceTo(to));
    for (int j = 1; j <= p; ++j)
        c.points.push_back(toHom(from + (to - from) * (static_cast<double>(j) / p), 1.0));
}

// Polyline parameters: 0, 1, ... one per point, or the knots given one per point (the
// clamped form with doubled end knots counts too).
inline std::vector<double> polylineParams(int numPoints, const AcGeKnotVector* knots = nullptr)
{
    // A negative count is no points at all.
    const std::size_t count = numPoints > 0 ? static_cast<std::size_t>(numPoints) : 0;
    std::vector<double> params;
    if (knots)
        params.assign(knots->getPtr(), knots->getPtr() + knots->length());
    if (params.size() == count + 2) {
        params.erase(params.begin());
        params.pop_back();
    }
    if (params.size() != count) {
        params.clear();
        for (std::size_t i = 0; i < count; ++i)
            params.push_back(static_cast<double>(i));
    }
    return params;
}

// The degree-1 spline through the points at the parameters. A single point is kept as a
// piece of zero length, so every polyline has a start and an end.
template <class PointArray>
Curve polyline(const std::vector<double>& params, const PointArray& points)
{
    Curve c;
    c.degree = 1;
    if (points.isEmpty())
        return c;
    for (const auto& p : points)
        c.points.push_back(toHom(p, 1.0));
    c.knots.push_back(params.front());
    c.knots.insert(c.knots.end(), params.begin(), params.end());
    c.knots.push_back(params.back());
    if (points.length() == 1) {
        c.points.push_back(c.points.front());
        c.knots.push_back(params.back());
    }
    return c;
}

inline bool isRational(const Curve& c)
{
    for (const Hom& p : c.points)
        if (p[3] != c.points.front()[3])
            return true;
    return false;
}

// Trims to the range; false for an invalid curve or a range outside the curve's.
inline bool setInterval(Curve& c, const AcGeInterval& range)
{
    if (!c.isValid())
        return false;
    const double start = c.startParam();
    const double end = c.endParam();
    const double eps = 1e-12 * (1.0 + std::fabs(end));
    if (!range.isBounded() || range.lowerBound() < start - eps || range.upperBound() > end + eps ||
        range.length() <= 0.0)
        return false;
    trim(c, std::max(range.lowerBound(), start), std::min(range.upperBound(), end));
    return true;
}

template <class Point, class Vector>
Point evaluatePoint(const Curve& c, double t, Vector* d1, Vector* d2)
{
    Vec3 out[3] = {};
    if (c.isValid())
        evaluate(c, t, d2 ? 2 : (d1 ? 1 : 0), out);
    if (d1)
        *d1 = fromVec<Vector>(out[1]);
    if (d2)
        *d2 = fromVec<Vector>(out[2]);
    return fromVec<Point>(out[0]);
}

template <class Vector>
Vector derivative(const Curve& c, double t, int order)
{
    if (!c.isValid())
        return Vector::kIdentity;
    std::vector<Vec3> out(static_cast<std::size_t>(order + 1));
    evaluate(c, t, order, out.data());
    return fromVec<Vector>(out.back());
}

template <class Point, class Matrix>
void transformBy(Curve& c, const Matrix& xfm)
{
    for (Hom& h : c.points)
        h = toHom(fromHom<Point>(h).transformBy(xfm), h[3]);
}

} // namespace GeNurbs
