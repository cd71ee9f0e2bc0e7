// Plane points: locations that move under matrices; differences of points are vectors.
#include "AcGePoint2d.h"

#include "AcGeLine2d.h"
#include "AcGeMatrix2d.h"

#include <cmath>

const AcGePoint2d AcGePoint2d::kOrigin(0.0, 0.0);

AcGePoint2d& AcGePoint2d::operator+=(const AcGeVector2d& v)
{
    return *this = *this + v;
}

AcGePoint2d& AcGePoint2d::operator-=(const AcGeVector2d& v)
{
    return *this = *this - v;
}

AcGePoint2d& AcGePoint2d::operator*=(double s)
{
    return *this = *this * s;
}

AcGePoint2d& AcGePoint2d::operator/=(double s)
{
    return *this = *this / s;
}

AcGePoint2d& AcGePoint2d::set(double xx, double yy)
{
    x = xx;
    y = yy;
    return *this;
}

AcGePoint2d& AcGePoint2d::setToProduct(const AcGeMatrix2d& m, const AcGePoint2d& p)
{
    return set(m(0, 0) * p.x + m(0, 1) * p.y + m(0, 2), m(1, 0) * p.x + m(1, 1) * p.y + m(1, 2));
}

AcGePoint2d& AcGePoint2d::setToSum(const AcGePoint2d& pnt, const AcGeVector2d& vec)
{
    return *this = pnt + vec;
}

AcGePoint2d& AcGePoint2d::transformBy(const AcGeMatrix2d& mat)
{
    return setToProduct(mat, AcGePoint2d(*this));
}

AcGePoint2d& AcGePoint2d::rotateBy(double angle, const AcGePoint2d& wrtPoint)
{
    return *this = wrtPoint + (*this - wrtPoint).rotateBy(angle);
}

AcGePoint2d& AcGePoint2d::mirror(const AcGeLine2d& line)
{
    return transformBy(AcGeMatrix2d::mirroring(line));
}

AcGePoint2d& AcGePoint2d::scaleBy(double scaleFactor, const AcGePoint2d& wrtPoint)
{
    return *this = wrtPoint + (*this - wrtPoint) * scaleFactor;
}

double AcGePoint2d::distanceTo(const AcGePoint2d& pnt) const
{
    return (*this - pnt).length();
}

bool AcGePoint2d::isEqualTo(const AcGePoint2d& pnt, const AcGeTol& tol) const
{
    return distanceTo(pnt) <= tol.equalPoint();
}
