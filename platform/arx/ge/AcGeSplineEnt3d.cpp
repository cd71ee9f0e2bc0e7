// Space splines: the homogeneous control points do the work, through the B-spline
// operations shared with the other dimension.
#include "AcGeSplineEnt3d.h"

#include "GeNurbsT.h"

bool AcGeSplineEnt3d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kSplineEnt3d || AcGeCurve3d::isKindOf(entType);
}

bool AcGeSplineEnt3d::isRational() const
{
    return GeNurbs::isRational(mSpline);
}

AcGeKnotVector AcGeSplineEnt3d::knots() const
{
    return AcGeKnotVector(numKnots(), mSpline.knots.data());
}

AcGePoint3d AcGeSplineEnt3d::controlPointAt(int idx) const
{
    return GeNurbs::fromHom<AcGePoint3d>(mSpline.points.at(static_cast<std::size_t>(idx)));
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
    return GeNurbs::setInterval(mSpline, range);
}

AcGeSplineEnt3d& AcGeSplineEnt3d::reverseParam()
{
    if (mSpline.isValid())
        GeNurbs::reverse(mSpline);
    return *this;
}

AcGePoint3d AcGeSplineEnt3d::evaluate(double t, AcGeVector3d* d1, AcGeVector3d* d2) const
{
    return GeNurbs::evaluatePoint<AcGePoint3d>(mSpline, t, d1, d2);
}

AcGeVector3d AcGeSplineEnt3d::higherDeriv(double t, int order) const
{
    return GeNurbs::derivative<AcGeVector3d>(mSpline, t, order);
}

std::vector<double> AcGeSplineEnt3d::breakParams() const
{
    return mSpline.isValid() ? GeNurbs::interiorKnots(mSpline) : std::vector<double>{};
}

AcGeSplineEnt3d& AcGeSplineEnt3d::transformBy(const AcGeMatrix3d& xfm)
{
    GeNurbs::transformBy<AcGePoint3d>(mSpline, xfm);
    return *this;
}
