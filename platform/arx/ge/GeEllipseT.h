// The shape of the plane and space elliptical arcs written once over the point and vector
// types: center + majorRadius cos t majorAxis + minorRadius sin t minorAxis over
// [startAng, endAng], with unit, perpendicular axes. What depends on the dimension (the
// side of the minor axis, the swept area) stays in the arc classes.
#pragma once

#include "AcGeInterval.h"
#include "AcGeTol.h"

#include <algorithm>
#include <cmath>
#include <numbers>

template <class Point, class Vector>
struct GeEllipseT {
    static constexpr double kTwoPi = 2.0 * std::numbers::pi;

    Point center;
    Vector majorAxis = Vector::kXAxis;
    Vector minorAxis = Vector::kYAxis;
    double majorRadius = 1.0;
    double minorRadius = 1.0;
    double startAng = 0.0;
    double endAng = 0.0;

    bool isCircular(const AcGeTol& tol) const { return std::fabs(majorRadius - minorRadius) <= tol.equalPoint(); }
    bool isInside(const Point& pnt) const
    {
        const Vector v = pnt - center;
        const double x = v.dotProduct(majorAxis) / majorRadius;
        const double y = v.dotProduct(minorAxis) / minorRadius;
        return x * x + y * y < 1.0;
    }
    bool isClosed() const { return endAng - startAng >= kTwoPi - 1e-12; }
    // The sweep is brought into [0, 2pi] from the start angle.
    void setAngles(double startAngle, double endAngle)
    {
        double sweep = endAngle - startAngle;
        if (sweep < 0.0)
            sweep = std::fmod(sweep, kTwoPi) + kTwoPi;
        startAng = startAngle;
        endAng = startAngle + std::min(sweep, kTwoPi);
    }
    bool setInterval(const AcGeInterval& range)
    {
        if (!range.isBounded() || range.length() > kTwoPi + 1e-12)
            return false;
        startAng = range.lowerBound();
        endAng = startAng + std::min(range.length(), kTwoPi);
        return true;
    }
    void reverseParam()
    {
        // Flipping the minor axis turns parameter t into -t.
        minorAxis.negate();
        setAngles(-endAng, -startAng);
    }
    Point evaluate(double t, Vector* d1, Vector* d2) const
    {
        const Vector u = majorAxis * majorRadius;
        const Vector v = minorAxis * minorRadius;
        const Vector radial = u * std::cos(t) + v * std::sin(t);
        if (d1)
            *d1 = v * std::cos(t) - u * std::sin(t);
        if (d2)
            *d2 = -radial;
        return center + radial;
    }
    Vector higherDeriv(double t, int order) const
    {
        const double shift = order * std::numbers::pi / 2;
        return majorAxis * (majorRadius * std::cos(t + shift)) + minorAxis * (minorRadius * std::sin(t + shift));
    }
    template <class Matrix>
    void transformBy(const Matrix& xfm)
    {
        const Vector u = (majorAxis * majorRadius).transformBy(xfm);
        const Vector v = (minorAxis * minorRadius).transformBy(xfm);
        center.transformBy(xfm);
        setFromConjugate(u, v);
    }

private:
    // Re-derives the principal axes from two conjugate semi-diameters u and v (the curve
    // center + u cos t + v sin t), shifting the parameters to match.
    void setFromConjugate(const Vector& u, const Vector& v)
    {
        double shift = 0.5 * std::atan2(2.0 * u.dotProduct(v), u.dotProduct(u) - v.dotProduct(v));
        Vector major = u * std::cos(shift) + v * std::sin(shift);
        Vector minor = v * std::cos(shift) - u * std::sin(shift);
        if (major.length() < minor.length()) {
            // A quarter turn of the parameter swaps the roles of the axes.
            const Vector m = major;
            major = minor;
            minor = -m;
            shift += std::numbers::pi / 2;
        }
        majorRadius = major.length();
        minorRadius = minor.length();
        majorAxis = major.normal();
        minorAxis = minor.normal();
        startAng -= shift;
        endAng -= shift;
    }
};
