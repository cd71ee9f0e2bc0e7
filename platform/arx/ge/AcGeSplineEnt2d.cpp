// Plane splines: evaluation, trimming and transforms on the homogeneous control points.
#include "AcGeSplineEnt2d.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

AcGePoint2d toPoint(const GeNurbs::Vec3& v)
{
    return {v[0], v[1]};
}

AcGeVector2d toVector(const GeNurbs::Vec3& v)
{
    return {v[0], v[1]};
}

} // namespace

bool AcGeSplineEnt2d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kSplineEnt2d || AcGeCurve2d::isKindOf(entType);
}

bool AcGeSplineEnt2d::isRational() const
{
    for (const GeNurbs::Hom& p : mSpline.points)
        if (p[3] != mSpline.points.front()[3])
            return true;
    return false;
}

AcGeKnotVector AcGeSplineEnt2d::knots() const
{
    return AcGeKnotVector(numKnots(), mSpline.knots.data());
}

AcGePoint2d AcGeSplineEnt2d::controlPointAt(int idx) const
{
    const GeNurbs::Hom& h = mSpline.points.at(static_cast<std::size_t>(idx));
    return {h[0] / h[3], h[1] / h[3]};
}

double AcGeSplineEnt2d::startParam() const
{
    return mSpline.isValid() ? mSpline.startParam() : 0.0;
}

double AcGeSplineEnt2d::endParam() const
{
    return mSpline.isValid() ? mSpline.endParam() : 0.0;
}

void AcGeSplineEnt2d::getInterval(AcGeInterval& range) const
{
    range.set(startParam(), endParam());
}

bool AcGeSplineEnt2d::setInterval(const AcGeInterval& range)
{
    const double eps = 1e-12 * (1.0 + std::fabs(endParam()));
    if (!mSpline.isValid() || !range.isBounded() || range.lowerBound() < startParam() - eps ||
        range.upperBound() > endParam() + eps || range.length() <= 0.0)
        return false;
    GeNurbs::trim(mSpline, std::max(range.lowerBound(), startParam()), std::min(range.upperBound(), endParam()));
    return true;
}

AcGeSplineEnt2d& AcGeSplineEnt2d::reverseParam()
{
    if (mSpline.isValid())
        GeNurbs::reverse(mSpline);
    return *this;
}

AcGePoint2d AcGeSplineEnt2d::evaluate(double t, AcGeVector2d* d1, AcGeVector2d* d2) const
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

AcGeVector2d AcGeSplineEnt2d::higherDeriv(double t, int order) const
{
    if (!mSpline.isValid())
        return AcGeVector2d::kIdentity;
    std::vector<GeNurbs::Vec3> out(static_cast<std::size_t>(order + 1));
    GeNurbs::evaluate(mSpline, t, order, out.data());
    return toVector(out.back());
}

std::vector<double> AcGeSplineEnt2d::breakParams() const
{
    return mSpline.isValid() ? GeNurbs::interiorKnots(mSpline) : std::vector<double>{};
}

AcGeSplineEnt2d& AcGeSplineEnt2d::transformBy(const AcGeMatrix2d& xfm)
{
    for (GeNurbs::Hom& h : mSpline.points) {
        const AcGePoint2d p = AcGePoint2d(h[0] / h[3], h[1] / h[3]).transformBy(xfm);
        h = {p.x * h[3], p.y * h[3], 0.0, h[3]};
    }
    return *this;
}
