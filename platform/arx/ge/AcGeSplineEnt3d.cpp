// Space splines: evaluation, trimming and transforms on the homogeneous control points.
#include "AcGeSplineEnt3d.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

AcGePoint3d toPoint(const GeNurbs::Vec3& v)
{
    return {v[0], v[1], v[2]};
}

AcGeVector3d toVector(const GeNurbs::Vec3& v)
{
    return {v[0], v[1], v[2]};
}

} // namespace

bool AcGeSplineEnt3d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kSplineEnt3d || AcGeCurve3d::isKindOf(entType);
}

bool AcGeSplineEnt3d::isRational() const
{
    for (const GeNurbs::Hom& p : mSpline.points)
        if (p[3] != mSpline.points.front()[3])
            return true;
    return false;
}

AcGeKnotVector AcGeSplineEnt3d::knots() const
{
    return AcGeKnotVector(numKnots(), mSpline.knots.data());
}

AcGePoint3d AcGeSplineEnt3d::controlPointAt(int idx) const
{
    const GeNurbs::Hom& h = mSpline.points.at(static_cast<std::size_t>(idx));
    return {h[0] / h[3], h[1] / h[3], h[2] / h[3]};
}

double AcGeSplineEnt3d::startParam() const
{
    return mSpline.isValid() ? mSpline.startParam() : 0.0;
}

double AcGeSplineEnt3d::endParam() const
{
    return mSpline.isValid() ? mSpline.endParam() : 0.0;
}

void AcGeSplineEnt3d::getInterval(AcGeInterval& range) const
{
    range.set(startParam(), endParam());
}

bool AcGeSplineEnt3d::setInterval(const AcGeInterval& range)
{
    const double eps = 1e-12 * (1.0 + std::fabs(endParam()));
    if (!mSpline.isValid() || !range.isBounded() || range.lowerBound() < startParam() - eps ||
        range.upperBound() > endParam() + eps || range.length() <= 0.0)
        return false;
    GeNurbs::trim(mSpline, std::max(range.lowerBound(), startParam()), std::min(range.upperBound(), endParam()));
    return true;
}

AcGeSplineEnt3d& AcGeSplineEnt3d::reverseParam()
{
    if (mSpline.isValid())
        GeNurbs::reverse(mSpline);
    return *this;
}

AcGePoint3d AcGeSplineEnt3d::evaluate(double t, AcGeVector3d* d1, AcGeVector3d* d2) const
{
    GeNurbs::Vec3 out[3] = {};
    if (mSpline.isValid())
        GeNurbs::evaluate(mSpline, t, d2 ? 2 : (d1 ? 1 : 0), out);
    if (d1)
        *d1 = toVector(out[1]);
    if (d2)
        *d2 = toVector(out[2]);
    return toPoint(out[0]);
}

AcGeVector3d AcGeSplineEnt3d::higherDeriv(double t, int order) const
{
    if (!mSpline.isValid())
        return AcGeVector3d::kIdentity;
    std::vector<GeNurbs::Vec3> out(static_cast<std::size_t>(order + 1));
    GeNurbs::evaluate(mSpline, t, order, out.data());
    return toVector(out.back());
}

std::vector<double> AcGeSplineEnt3d::breakParams() const
{
    return mSpline.isValid() ? GeNurbs::interiorKnots(mSpline) : std::vector<double>{};
}

AcGeSplineEnt3d& AcGeSplineEnt3d::transformBy(const AcGeMatrix3d& xfm)
{
    for (GeNurbs::Hom& h : mSpline.points) {
        const AcGePoint3d p = AcGePoint3d(h[0] / h[3], h[1] / h[3], h[2] / h[3]).transformBy(xfm);
        h = {p.x * h[3], p.y * h[3], p.z * h[3], h[3]};
    }
    return *this;
}
