// Plane splines: the homogeneous control points do the work, through the B-spline
// operations shared with the other dimension.
#include "AcGeSplineEnt2d.h"

#include "GeNurbsT.h"

bool AcGeSplineEnt2d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kSplineEnt2d || AcGeCurve2d::isKindOf(entType);
}

bool AcGeSplineEnt2d::isRational() const
{
    return GeNurbs::isRational(mSpline);
}

AcGeKnotVector AcGeSplineEnt2d::knots() const
{
    return AcGeKnotVector(numKnots(), mSpline.knots.data());
}

AcGePoint2d AcGeSplineEnt2d::controlPointAt(int idx) const
{
    return GeNurbs::fromHom<AcGePoint2d>(mSpline.points.at(static_cast<std::size_t>(idx)));
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
    return GeNurbs::setInterval(mSpline, range);
}

AcGeSplineEnt2d& AcGeSplineEnt2d::reverseParam()
{
    if (mSpline.isValid())
        GeNurbs::reverse(mSpline);
    return *this;
}

AcGePoint2d AcGeSplineEnt2d::evaluate(double t, AcGeVector2d* d1, AcGeVector2d* d2) const
{
    return GeNurbs::evaluatePoint<AcGePoint2d>(mSpline, t, d1, d2);
}

AcGeVector2d AcGeSplineEnt2d::higherDeriv(double t, int order) const
{
    return GeNurbs::derivative<AcGeVector2d>(mSpline, t, order);
}

std::vector<double> AcGeSplineEnt2d::breakParams() const
{
    return mSpline.isValid() ? GeNurbs::interiorKnots(mSpline) : std::vector<double>{};
}

AcGeSplineEnt2d& AcGeSplineEnt2d::transformBy(const AcGeMatrix2d& xfm)
{
    GeNurbs::transformBy<AcGePoint2d>(mSpline, xfm);
    return *this;
}
