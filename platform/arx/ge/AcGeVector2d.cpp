// Plane vectors: tolerance tests compare unit vectors, so they measure direction, not size.
#include "AcGeVector2d.h"

#include "AcGeMatrix2d.h"

#include <cmath>
#include <numbers>

const AcGeVector2d AcGeVector2d::kIdentity(0.0, 0.0);
const AcGeVector2d AcGeVector2d::kXAxis(1.0, 0.0);
const AcGeVector2d AcGeVector2d::kYAxis(0.0, 1.0);

AcGeVector2d& AcGeVector2d::operator+=(const AcGeVector2d& v)
{
    return *this = *this + v;
}

AcGeVector2d& AcGeVector2d::operator-=(const AcGeVector2d& v)
{
    return *this = *this - v;
}

AcGeVector2d& AcGeVector2d::operator*=(double s)
{
    return *this = *this * s;
}

AcGeVector2d& AcGeVector2d::operator/=(double s)
{
    return *this = *this / s;
}

AcGeVector2d& AcGeVector2d::set(double xx, double yy)
{
    x = xx;
    y = yy;
    return *this;
}

AcGeVector2d& AcGeVector2d::setToProduct(const AcGeMatrix2d& mat, const AcGeVector2d& vec)
{
    return set(mat(0, 0) * vec.x + mat(0, 1) * vec.y, mat(1, 0) * vec.x + mat(1, 1) * vec.y);
}

AcGeVector2d& AcGeVector2d::transformBy(const AcGeMatrix2d& mat)
{
    return setToProduct(mat, AcGeVector2d(*this));
}

AcGeVector2d& AcGeVector2d::rotateBy(double angle)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return set(c * x - s * y, s * x + c * y);
}

AcGeVector2d& AcGeVector2d::mirror(const AcGeVector2d& line)
{
    const AcGeVector2d u = line.normal();
    return *this = u * (2.0 * dotProduct(u)) - *this;
}

AcGeVector2d& AcGeVector2d::negate()
{
    return set(-x, -y);
}

double AcGeVector2d::angle() const
{
    const double a = std::atan2(y, x);
    return a < 0.0 ? a + 2.0 * std::numbers::pi : a;
}

double AcGeVector2d::angleTo(const AcGeVector2d& vec) const
{
    return std::fabs(std::atan2(x * vec.y - y * vec.x, dotProduct(vec)));
}

double AcGeVector2d::length() const
{
    return std::hypot(x, y);
}

AcGeVector2d AcGeVector2d::normal(const AcGeTol& tol) const
{
    const double len = length();
    return len <= tol.equalVector() ? *this : *this / len;
}

AcGeVector2d& AcGeVector2d::normalize(const AcGeTol& tol)
{
    return *this = normal(tol);
}

bool AcGeVector2d::isUnitLength(const AcGeTol& tol) const
{
    return std::fabs(length() - 1.0) <= tol.equalVector();
}

bool AcGeVector2d::isZeroLength(const AcGeTol& tol) const
{
    return length() <= tol.equalVector();
}

bool AcGeVector2d::isParallelTo(const AcGeVector2d& vec, const AcGeTol& tol) const
{
    return isCodirectionalTo(vec, tol) || isCodirectionalTo(-vec, tol);
}

bool AcGeVector2d::isCodirectionalTo(const AcGeVector2d& vec, const AcGeTol& tol) const
{
    if (isZeroLength(tol) || vec.isZeroLength(tol))
        return false;
    return (normal(tol) - vec.normal(tol)).length() <= tol.equalVector();
}

bool AcGeVector2d::isPerpendicularTo(const AcGeVector2d& vec, const AcGeTol& tol) const
{
    if (isZeroLength(tol) || vec.isZeroLength(tol))
        return false;
    return std::fabs(normal(tol).dotProduct(vec.normal(tol))) <= tol.equalVector();
}

bool AcGeVector2d::isEqualTo(const AcGeVector2d& vec, const AcGeTol& tol) const
{
    return (*this - vec).length() <= tol.equalVector();
}
