// Space points; plane conversions use the plane's origin and (not necessarily orthogonal) axes.
#include "AcGePoint3d.h"

#include "AcGeMatrix3d.h"
#include "AcGePlane.h"

#include <cmath>

const AcGePoint3d AcGePoint3d::kOrigin(0.0, 0.0, 0.0);

AcGePoint3d::AcGePoint3d(const AcGePlane& plane, const AcGePoint2d& pnt)
{
    set(plane, pnt);
}

AcGePoint3d& AcGePoint3d::operator+=(const AcGeVector3d& v)
{
    return *this = *this + v;
}

AcGePoint3d& AcGePoint3d::operator-=(const AcGeVector3d& v)
{
    return *this = *this - v;
}

AcGePoint3d& AcGePoint3d::operator*=(double s)
{
    return *this = *this * s;
}

AcGePoint3d& AcGePoint3d::operator/=(double s)
{
    return *this = *this / s;
}

AcGePoint3d& AcGePoint3d::set(double xx, double yy, double zz)
{
    x = xx;
    y = yy;
    z = zz;
    return *this;
}

AcGePoint3d& AcGePoint3d::set(const AcGePlane& plane, const AcGePoint2d& pnt)
{
    return *this = plane.pointOnPlane() + AcGeVector3d(plane, pnt.asVector());
}

AcGePoint3d& AcGePoint3d::setToProduct(const AcGeMatrix3d& m, const AcGePoint3d& p)
{
    double r[4];
    for (int i = 0; i < 4; ++i)
        r[i] = m(i, 0) * p.x + m(i, 1) * p.y + m(i, 2) * p.z + m(i, 3);
    if (r[3] != 1.0 && r[3] != 0.0)
        return set(r[0] / r[3], r[1] / r[3], r[2] / r[3]);
    return set(r[0], r[1], r[2]);
}

AcGePoint3d& AcGePoint3d::setToSum(const AcGePoint3d& pnt, const AcGeVector3d& vec)
{
    return *this = pnt + vec;
}

AcGePoint3d& AcGePoint3d::transformBy(const AcGeMatrix3d& mat)
{
    return setToProduct(mat, AcGePoint3d(*this));
}

AcGePoint3d& AcGePoint3d::rotateBy(double angle, const AcGeVector3d& vec, const AcGePoint3d& wrtPoint)
{
    return *this = wrtPoint + (*this - wrtPoint).rotateBy(angle, vec);
}

AcGePoint3d& AcGePoint3d::mirror(const AcGePlane& plane)
{
    return transformBy(AcGeMatrix3d::mirroring(plane));
}

AcGePoint3d& AcGePoint3d::scaleBy(double scaleFactor, const AcGePoint3d& wrtPoint)
{
    return *this = wrtPoint + (*this - wrtPoint) * scaleFactor;
}

AcGePoint2d AcGePoint3d::convert2d(const AcGePlane& plane) const
{
    const AcGeVector2d v = (*this - plane.pointOnPlane()).convert2d(plane);
    return {v.x, v.y};
}

AcGePoint3d AcGePoint3d::orthoProject(const AcGePlane& plane) const
{
    return plane.closestPointTo(*this);
}

AcGePoint3d AcGePoint3d::project(const AcGePlane& plane, const AcGeVector3d& vec) const
{
    const AcGeVector3d n = plane.normal();
    const double denom = n.dotProduct(vec);
    if (std::fabs(denom) <= AcGeContext::gTol.equalVector() * vec.length())
        return *this;
    return *this + vec * (-plane.signedDistanceTo(*this) / denom);
}

double AcGePoint3d::distanceTo(const AcGePoint3d& pnt) const
{
    return (*this - pnt).length();
}

bool AcGePoint3d::isEqualTo(const AcGePoint3d& pnt, const AcGeTol& tol) const
{
    return distanceTo(pnt) <= tol.equalPoint();
}
