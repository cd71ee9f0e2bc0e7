// Planes: distances are measured along the unit normal, so the axes may have any length.
#include "AcGePlane.h"

#include "AcGeMatrix3d.h"

#include <cmath>

const AcGePlane AcGePlane::kXYPlane;
const AcGePlane AcGePlane::kYZPlane(AcGePoint3d::kOrigin, AcGeVector3d::kYAxis, AcGeVector3d::kZAxis);
const AcGePlane AcGePlane::kZXPlane(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, AcGeVector3d::kXAxis);

AcGePlane::AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& normal)
{
    set(origin, normal);
}

AcGePlane::AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis)
{
    set(origin, uAxis, vAxis);
}

AcGePlane::AcGePlane(const AcGePoint3d& pntU, const AcGePoint3d& org, const AcGePoint3d& pntV)
{
    set(pntU, org, pntV);
}

AcGePlane::AcGePlane(double a, double b, double c, double d)
{
    set(a, b, c, d);
}

AcGePlane& AcGePlane::set(const AcGePoint3d& origin, const AcGeVector3d& normal)
{
    const AcGeVector3d n = normal.normal();
    const AcGeVector3d u = n.perpVector();
    return set(origin, u, n.crossProduct(u));
}

AcGePlane& AcGePlane::set(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis)
{
    mOrigin = origin;
    mU = uAxis;
    mV = vAxis;
    return *this;
}

AcGePlane& AcGePlane::set(const AcGePoint3d& pntU, const AcGePoint3d& org, const AcGePoint3d& pntV)
{
    return set(org, pntU - org, pntV - org);
}

AcGePlane& AcGePlane::set(double a, double b, double c, double d)
{
    const AcGeVector3d n(a, b, c);
    const double len2 = n.lengthSqrd();
    return set(AcGePoint3d::kOrigin - n * (d / len2), n);
}

AcGeVector3d AcGePlane::normal() const
{
    return mU.crossProduct(mV).normal();
}

void AcGePlane::get(AcGePoint3d& origin, AcGeVector3d& uAxis, AcGeVector3d& vAxis) const
{
    origin = mOrigin;
    uAxis = mU;
    vAxis = mV;
}

void AcGePlane::getCoefficients(double& a, double& b, double& c, double& d) const
{
    const AcGeVector3d n = normal();
    a = n.x;
    b = n.y;
    c = n.z;
    d = -n.dotProduct(mOrigin.asVector());
}

double AcGePlane::signedDistanceTo(const AcGePoint3d& pnt) const
{
    return normal().dotProduct(pnt - mOrigin);
}

double AcGePlane::distanceTo(const AcGePoint3d& pnt) const
{
    return std::fabs(signedDistanceTo(pnt));
}

AcGePoint3d AcGePlane::closestPointTo(const AcGePoint3d& pnt) const
{
    return pnt - normal() * signedDistanceTo(pnt);
}

bool AcGePlane::isOn(const AcGePoint3d& pnt, const AcGeTol& tol) const
{
    return distanceTo(pnt) <= tol.equalPoint();
}

bool AcGePlane::isParallelTo(const AcGePlane& plane, const AcGeTol& tol) const
{
    return normal().isParallelTo(plane.normal(), tol);
}

bool AcGePlane::isCoplanarTo(const AcGePlane& plane, const AcGeTol& tol) const
{
    return isParallelTo(plane, tol) && isOn(plane.mOrigin, tol);
}

bool AcGePlane::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kPlanarEnt || AcGeEntity3d::isKindOf(entType);
}

AcGePlane& AcGePlane::transformBy(const AcGeMatrix3d& mat)
{
    mOrigin.transformBy(mat);
    mU.transformBy(mat);
    mV.transformBy(mat);
    return *this;
}
