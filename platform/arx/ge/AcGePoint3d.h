// A location in space. Equality is distance within the tolerance's equalPoint.
#pragma once

#include "AcGeContext.h"
#include "AcGePoint2d.h"
#include "AcGeVector3d.h"

class AcGeMatrix3d;
class AcGePlane;

class AcGePoint3d {
public:
    constexpr AcGePoint3d() = default;
    constexpr AcGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
    // The plane point expressed in the plane's origin and axes, as a space point.
    AcGePoint3d(const AcGePlane& plane, const AcGePoint2d& pnt);

    static const AcGePoint3d kOrigin;

    AcGePoint3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    AcGePoint3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    AcGeVector3d operator-(const AcGePoint3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
    AcGePoint3d operator*(double s) const { return {x * s, y * s, z * s}; }
    AcGePoint3d operator/(double s) const { return {x / s, y / s, z / s}; }
    AcGePoint3d& operator+=(const AcGeVector3d& v);
    AcGePoint3d& operator-=(const AcGeVector3d& v);
    AcGePoint3d& operator*=(double s);
    AcGePoint3d& operator/=(double s);
    bool operator==(const AcGePoint3d& p) const { return isEqualTo(p); }
    bool operator!=(const AcGePoint3d& p) const { return !isEqualTo(p); }
    double operator[](int i) const { return i == 0 ? x : (i == 1 ? y : z); }
    double& operator[](int i) { return i == 0 ? x : (i == 1 ? y : z); }

    AcGePoint3d& set(double xx, double yy, double zz);
    AcGePoint3d& set(const AcGePlane& plane, const AcGePoint2d& pnt);
    AcGePoint3d& setToProduct(const AcGeMatrix3d& mat, const AcGePoint3d& pnt);
    AcGePoint3d& setToSum(const AcGePoint3d& pnt, const AcGeVector3d& vec);
    AcGePoint3d& transformBy(const AcGeMatrix3d& mat);
    AcGePoint3d& rotateBy(double angle, const AcGeVector3d& vec, const AcGePoint3d& wrtPoint = kOrigin);
    AcGePoint3d& mirror(const AcGePlane& plane);
    AcGePoint3d& scaleBy(double scaleFactor, const AcGePoint3d& wrtPoint = kOrigin);

    // The point in the plane's own coordinates (origin and axes of the plane).
    AcGePoint2d convert2d(const AcGePlane& plane) const;
    // The foot of the perpendicular from the point to the plane.
    AcGePoint3d orthoProject(const AcGePlane& plane) const;
    // The point moved along vec until it meets the plane (itself when vec is parallel to it).
    AcGePoint3d project(const AcGePlane& plane, const AcGeVector3d& vec) const;

    AcGeVector3d asVector() const { return {x, y, z}; }
    double distanceTo(const AcGePoint3d& pnt) const;
    bool isEqualTo(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline AcGePoint3d operator*(double s, const AcGePoint3d& p) { return p * s; }
