// A direction and magnitude in space; angles in radians, counter-clockwise about a reference axis.
#pragma once

#include "AcGeContext.h"

class AcGeMatrix3d;
class AcGePlane;
class AcGeVector2d;

class AcGeVector3d {
public:
    constexpr AcGeVector3d() = default;
    constexpr AcGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
    // The plane vector expressed in the plane's axes, as a space vector.
    AcGeVector3d(const AcGePlane& plane, const AcGeVector2d& vec);

    static const AcGeVector3d kIdentity;
    static const AcGeVector3d kXAxis;
    static const AcGeVector3d kYAxis;
    static const AcGeVector3d kZAxis;

    AcGeVector3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    AcGeVector3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    AcGeVector3d operator-() const { return {-x, -y, -z}; }
    AcGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
    AcGeVector3d operator/(double s) const { return {x / s, y / s, z / s}; }
    AcGeVector3d& operator+=(const AcGeVector3d& v);
    AcGeVector3d& operator-=(const AcGeVector3d& v);
    AcGeVector3d& operator*=(double s);
    AcGeVector3d& operator/=(double s);
    bool operator==(const AcGeVector3d& v) const { return isEqualTo(v); }
    bool operator!=(const AcGeVector3d& v) const { return !isEqualTo(v); }
    double operator[](int i) const { return i == 0 ? x : (i == 1 ? y : z); }
    double& operator[](int i) { return i == 0 ? x : (i == 1 ? y : z); }

    AcGeVector3d& set(double xx, double yy, double zz);
    AcGeVector3d& setToProduct(const AcGeMatrix3d& mat, const AcGeVector3d& vec);
    // Applies the linear part of the matrix; vectors do not translate.
    AcGeVector3d& transformBy(const AcGeMatrix3d& mat);
    AcGeVector3d& rotateBy(double angle, const AcGeVector3d& axis);
    AcGeVector3d& mirror(const AcGeVector3d& normalToPlane);
    AcGeVector3d& negate();
    // The vector expressed in the plane's axes (the component along the normal dropped).
    AcGeVector2d convert2d(const AcGePlane& plane) const;
    // The component of the vector perpendicular to the plane normal.
    AcGeVector3d orthoProject(const AcGeVector3d& planeNormal) const;

    // Unsigned angle between the two vectors, in [0, pi].
    double angleTo(const AcGeVector3d& vec) const;
    // Angle from this vector to vec counter-clockwise about refVec, in [0, 2pi).
    double angleTo(const AcGeVector3d& vec, const AcGeVector3d& refVec) const;
    double length() const;
    double lengthSqrd() const { return x * x + y * y + z * z; }
    double dotProduct(const AcGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }
    AcGeVector3d crossProduct(const AcGeVector3d& v) const;
    // A unit vector perpendicular to this one, chosen by the arbitrary-axis rule that
    // also gives an entity's reference X axis from its normal.
    AcGeVector3d perpVector() const;
    int largestElement() const;

    // The unit vector; a vector shorter than equalVector is returned unchanged.
    AcGeVector3d normal(const AcGeTol& tol = AcGeContext::gTol) const;
    AcGeVector3d& normalize(const AcGeTol& tol = AcGeContext::gTol);

    bool isUnitLength(const AcGeTol& tol = AcGeContext::gTol) const;
    bool isZeroLength(const AcGeTol& tol = AcGeContext::gTol) const;
    bool isParallelTo(const AcGeVector3d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isCodirectionalTo(const AcGeVector3d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isPerpendicularTo(const AcGeVector3d& vec, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isEqualTo(const AcGeVector3d& vec, const AcGeTol& tol = AcGeContext::gTol) const;

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline AcGeVector3d operator*(double s, const AcGeVector3d& v) { return v * s; }
