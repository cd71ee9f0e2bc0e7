// Space vectors: tolerance tests compare unit vectors, so they measure direction, not size.
#include "AcGeVector3d.h"

#include "AcGeMatrix3d.h"
#include "AcGePlane.h"
#include "AcGeVector2d.h"

#include <cmath>
#include <numbers>

const AcGeVector3d AcGeVector3d::kIdentity(0.0, 0.0, 0.0);
const AcGeVector3d AcGeVector3d::kXAxis(1.0, 0.0, 0.0);
const AcGeVector3d AcGeVector3d::kYAxis(0.0, 1.0, 0.0);
const AcGeVector3d AcGeVector3d::kZAxis(0.0, 0.0, 1.0);

AcGeVector3d::AcGeVector3d(const AcGePlane& plane, const AcGeVector2d& vec)
{
    AcGePoint3d origin;
    AcGeVector3d u;
    AcGeVector3d v;
    plane.get(origin, u, v);
    *this = u * vec.x + v * vec.y;
}

AcGeVector3d& AcGeVector3d::operator+=(const AcGeVector3d& v)
{
    return *this = *this + v;
}

AcGeVector3d& AcGeVector3d::operator-=(const AcGeVector3d& v)
{
    return *this = *this - v;
}

AcGeVector3d& AcGeVector3d::operator*=(double s)
{
    return *this = *this * s;
}

AcGeVector3d& AcGeVector3d::operator/=(double s)
{
    return *this = *this / s;
}

AcGeVector3d& AcGeVector3d::set(double xx, double yy, double zz)
{
    x = xx;
    y = yy;
    z = zz;
    return *this;
}

AcGeVector3d& AcGeVector3d::setToProduct(const AcGeMatrix3d& m, const AcGeVector3d& v)
{
    return set(m(0, 0) * v.x + m(0, 1) * v.y + m(0, 2) * v.z,
               m(1, 0) * v.x + m(1, 1) * v.y + m(1, 2) * v.z,
               m(2, 0) * v.x + m(2, 1) * v.y + m(2, 2) * v.z);
}

AcGeVector3d& AcGeVector3d::transformBy(const AcGeMatrix3d& mat)
{
    return setToProduct(mat, AcGeVector3d(*this));
}

AcGeVector3d& AcGeVector3d::rotateBy(double angle, const AcGeVector3d& axis)
{
    // Rodrigues' formula about the unit axis.
    const AcGeVector3d k = axis.normal();
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return *this = *this * c + k.crossProduct(*this) * s + k * (k.dotProduct(*this) * (1.0 - c));
}

AcGeVector3d& AcGeVector3d::mirror(const AcGeVector3d& normalToPlane)
{
    const AcGeVector3d n = normalToPlane.normal();
    return *this -= n * (2.0 * dotProduct(n));
}

AcGeVector3d& AcGeVector3d::negate()
{
    return set(-x, -y, -z);
}

AcGeVector2d AcGeVector3d::convert2d(const AcGePlane& plane) const
{
    AcGePoint3d origin;
    AcGeVector3d u;
    AcGeVector3d v;
    plane.get(origin, u, v);
    // Solve a*u + b*v = projection of this vector on the plane (u, v need not be orthogonal).
    const double uu = u.dotProduct(u);
    const double uv = u.dotProduct(v);
    const double vv = v.dotProduct(v);
    const double pu = dotProduct(u);
    const double pv = dotProduct(v);
    const double det = uu * vv - uv * uv;
    return {(pu * vv - pv * uv) / det, (pv * uu - pu * uv) / det};
}

AcGeVector3d AcGeVector3d::orthoProject(const AcGeVector3d& planeNormal) const
{
    const AcGeVector3d n = planeNormal.normal();
    return *this - n * dotProduct(n);
}

double AcGeVector3d::angleTo(const AcGeVector3d& vec) const
{
    return std::atan2(crossProduct(vec).length(), dotProduct(vec));
}

double AcGeVector3d::angleTo(const AcGeVector3d& vec, const AcGeVector3d& refVec) const
{
    const double a = angleTo(vec);
    if (refVec.dotProduct(crossProduct(vec)) >= 0.0)
        return a;
    return 2.0 * std::numbers::pi - a;
}

double AcGeVector3d::length() const
{
    return std::sqrt(lengthSqrd());
}

AcGeVector3d AcGeVector3d::crossProduct(const AcGeVector3d& v) const
{
    return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
}

AcGeVector3d AcGeVector3d::perpVector() const
{
    const AcGeVector3d n = normal();
    const bool nearZ = std::fabs(n.x) < 1.0 / 64.0 && std::fabs(n.y) < 1.0 / 64.0;
    return (nearZ ? kYAxis.crossProduct(n) : kZAxis.crossProduct(n)).normal();
}

int AcGeVector3d::largestElement() const
{
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    const double az = std::fabs(z);
    if (ax >= ay && ax >= az)
        return 0;
    return ay >= az ? 1 : 2;
}

AcGeVector3d AcGeVector3d::normal(const AcGeTol& tol) const
{
    const double len = length();
    return len <= tol.equalVector() ? *this : *this / len;
}

AcGeVector3d& AcGeVector3d::normalize(const AcGeTol& tol)
{
    return *this = normal(tol);
}

bool AcGeVector3d::isUnitLength(const AcGeTol& tol) const
{
    return std::fabs(length() - 1.0) <= tol.equalVector();
}

bool AcGeVector3d::isZeroLength(const AcGeTol& tol) const
{
    return length() <= tol.equalVector();
}

bool AcGeVector3d::isParallelTo(const AcGeVector3d& vec, const AcGeTol& tol) const
{
    return isCodirectionalTo(vec, tol) || isCodirectionalTo(-vec, tol);
}

bool AcGeVector3d::isCodirectionalTo(const AcGeVector3d& vec, const AcGeTol& tol) const
{
    if (isZeroLength(tol) || vec.isZeroLength(tol))
        return false;
    return (normal(tol) - vec.normal(tol)).length() <= tol.equalVector();
}

bool AcGeVector3d::isPerpendicularTo(const AcGeVector3d& vec, const AcGeTol& tol) const
{
    if (isZeroLength(tol) || vec.isZeroLength(tol))
        return false;
    return std::fabs(normal(tol).dotProduct(vec.normal(tol))) <= tol.equalVector();
}

bool AcGeVector3d::isEqualTo(const AcGeVector3d& vec, const AcGeTol& tol) const
{
    return (*this - vec).length() <= tol.equalVector();
}
