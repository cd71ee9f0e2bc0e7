// A direction and magnitude in the plane; angles in radians, counter-clockwise positive.
#pragma once

#include "AcGeContext.h"

class AcGeMatrix2d;

class AcGeVector2d {
public:
    constexpr AcGeVector2d() = default;
    constexpr AcGeVector2d(double xx, double yy) : x(xx), y(yy) {}

    static const AcGeVector2d kIdentity;
    static const AcGeVector2d kXAxis;
    static const AcGeVector2d kYAxis;

    AcGeVector2d operator+(const AcGeVector2d& v) const { return {x + v.x, y + v.y}; }
    AcGeVector2d operator-(const AcGeVector2d& v) const { return {x - v.x, y - v.y}; }
    AcGeVector2d operator-() const { return {-x, -y}; }
    AcGeVector2d operator*(double s) const { return {x * s, y * s}; }
    AcGeVector2d operator/(double s) const { return {x / s, y / s}; }
    AcGeVector2d& operator+=(const AcGeVector2d& v);
    AcGeVector2d& operator-=(const AcGeVector2d& v);
    AcGeVector2d& operator*=(double s);
    AcGeVector2d& operator/=(double s);
    bool operator==(const AcGeVector2d& v) const { return isEqualTo(v); }
    bool operator!=(const AcGeVector2d& v) const { return !isEqualTo(v); }
    double operator[](int i) const { return i == 0 ? x : y; }
    double& operator[](int i) { return i == 0 ? x : y; }

    AcGeVector2d& set(double xx, double yy);
    AcGeVector2d& setToProduct(const AcGeMatrix2d& mat, const AcGeVector2d& vec);
    AcGeVector2d& transformBy(const AcGeMatrix2d& mat);
    AcGeVector2d& rotateBy(double angle);
    AcGeVector2d& mirror(const AcGeVector2d& line);
    AcGeVector2d& negate();

    // Angle from the X axis, in [0, 2pi).
    double angle() const;
    // Unsigned angle between the two vectors, in [0, pi].
    double angleTo(const AcGeVector2d& vec) const;
    double length() const;
    double lengthSqrd() const { return x * x + y * y; }
    double dotProduct(const AcGeVector2d& v) const { return x * v.x + y * v.y; }
    // The vector turned 90 degrees counter-clockwise.
    AcGeVector2d perpVector() const { return {-y, x}; }

    // The unit vector; a vector shorter than equalVector is returned unchanged.
    AcGeVector2d normal(const AcGeTol& tol = AcGeContext::gTol) const;
    AcGeVector2d& normalize(const AcGeTol& tol = AcGeContext::gTol);

    bool isUnitLength(const AcGeTol& tol = AcGeContext::gTol) const;
    bool isZeroLength(const AcGeTol& tol = AcGeContext::gTol) const;
    bool isParallelTo(const AcGeVector2d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isCodirectionalTo(const AcGeVector2d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isPerpendicularTo(const AcGeVector2d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isEqualTo(const AcGeVector2d& vec, const AcGeTol& tol = AcGeContext::gTol) const;

    double x = 0.0;
    double y = 0.0;
};

inline AcGeVector2d operator*(double s, const AcGeVector2d& v) { return v * s; }
