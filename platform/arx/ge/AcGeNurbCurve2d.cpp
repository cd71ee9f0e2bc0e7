// Plane NURBS curves. Editing the definition (control points, knots, trimming) drops the
// fit data, since the curve no longer passes through those points by construction.
#include "AcGeNurbCurve2d.h"

#include "AcGeEllipArc2d.h"
#include "AcGeLineSeg2d.h"
#include "GeNurbsT.h"

AcGeNurbCurve2d::AcGeNurbCurve2d() = default;

AcGeNurbCurve2d::AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                                 bool isPeriodic)
    : mPeriodic(isPeriodic)
{
    mSpline = GeNurbs::definition(degree, knots, controlPoints, nullptr);
}

AcGeNurbCurve2d::AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                                 const AcGeDoubleArray& weights, bool isPeriodic)
    : mPeriodic(isPeriodic)
{
    mSpline = GeNurbs::definition(degree, knots, controlPoints, &weights);
}

AcGeNurbCurve2d::AcGeNurbCurve2d(const AcGePoint2dArray& fitPoints, const AcGeVector2d& startTangent,
                                 const AcGeVector2d& endTangent, bool startTangentDefined, bool endTangentDefined,
                                 const AcGeTol& fitTolerance)
{
    mFit.set(fitPoints, startTangentDefined ? startTangent : AcGeVector2d::kIdentity,
             endTangentDefined ? endTangent : AcGeVector2d::kIdentity, startTangentDefined || endTangentDefined,
             fitTolerance);
    mSpline = mFit.interpolate(3);
}

AcGeNurbCurve2d::AcGeNurbCurve2d(const AcGePoint2dArray& fitPoints, const AcGeTol& fitTolerance)
{
    mFit.set(fitPoints, AcGeVector2d::kIdentity, AcGeVector2d::kIdentity, false, fitTolerance);
    mSpline = mFit.interpolate(3);
}

AcGeNurbCurve2d::AcGeNurbCurve2d(const AcGeEllipArc2d& ellipse)
{
    mSpline = GeNurbs::fromEllipse(ellipse);
}

AcGeNurbCurve2d::AcGeNurbCurve2d(const AcGeLineSeg2d& linSeg)
{
    mSpline = GeNurbs::fromSegment(linSeg.startPoint(), linSeg.endPoint());
}

void AcGeNurbCurve2d::getDefinitionData(int& degree, bool& rational, bool& periodic, AcGeKnotVector& knotVector,
                                        AcGePoint2dArray& controlPoints, AcGeDoubleArray& weights) const
{
    degree = this->degree();
    rational = isRational();
    periodic = mPeriodic;
    knotVector = knots();
    GeNurbs::getControlPoints(mSpline, rational, controlPoints, weights);
}

double AcGeNurbCurve2d::weightAt(int idx) const
{
    return mSpline.points.at(static_cast<std::size_t>(idx))[3];
}

AcGeNurbCurve2d& AcGeNurbCurve2d::setWeightAt(int idx, double val)
{
    mSpline.points.at(static_cast<std::size_t>(idx)) = GeNurbs::toHom(controlPointAt(idx), val);
    purgeFitData();
    return *this;
}

AcGeNurbCurve2d& AcGeNurbCurve2d::setControlPointAt(int idx, const AcGePoint2d& pnt)
{
    mSpline.points.at(static_cast<std::size_t>(idx)) = GeNurbs::toHom(pnt, weightAt(idx));
    purgeFitData();
    return *this;
}

bool AcGeNurbCurve2d::getFitPointAt(int index, AcGePoint2d& point) const
{
    return mFit.getPointAt(index, point);
}

bool AcGeNurbCurve2d::getFitData(AcGePoint2dArray& fitPoints, AcGeTol& fitTolerance, bool& tangentsExist,
                                 AcGeVector2d& startTangent, AcGeVector2d& endTangent) const
{
    return mFit.get(fitPoints, fitTolerance, tangentsExist, startTangent, endTangent);
}

bool AcGeNurbCurve2d::getFitTolerance(AcGeTol& fitTolerance) const
{
    return mFit.getTolerance(fitTolerance);
}

bool AcGeNurbCurve2d::getFitTangents(AcGeVector2d& startTangent, AcGeVector2d& endTangent) const
{
    return mFit.getTangents(startTangent, endTangent);
}

bool AcGeNurbCurve2d::setFitData(const AcGePoint2dArray& fitPoints, const AcGeVector2d& startTangent,
                                 const AcGeVector2d& endTangent, const AcGeTol& fitTol)
{
    mFit.set(fitPoints, startTangent, endTangent, true, fitTol);
    mSpline = mFit.interpolate(3);
    return mSpline.isValid();
}

bool AcGeNurbCurve2d::setFitData(int degree, const AcGePoint2dArray& fitPoints, const AcGeTol& fitTol)
{
    mFit.set(fitPoints, AcGeVector2d::kIdentity, AcGeVector2d::kIdentity, false, fitTol);
    mSpline = mFit.interpolate(degree);
    return mSpline.isValid();
}

bool AcGeNurbCurve2d::purgeFitData()
{
    return mFit.purge();
}

AcGeNurbCurve2d& AcGeNurbCurve2d::makeClosed()
{
    if (!mSpline.isValid() || isClosed())
        return *this;
    GeNurbs::closeWithLine(mSpline, endPoint(), startPoint());
    purgeFitData();
    return *this;
}

AcGeNurbCurve2d& AcGeNurbCurve2d::hardTrimByParams(double newStartParam, double newEndParam)
{
    setInterval(AcGeInterval(newStartParam, newEndParam));
    return *this;
}

AcGeNurbCurve2d& AcGeNurbCurve2d::insertKnot(double newKnot)
{
    if (mSpline.isValid() && newKnot > startParam() && newKnot < endParam())
        GeNurbs::insertKnot(mSpline, newKnot);
    return *this;
}

bool AcGeNurbCurve2d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kNurbCurve2d || AcGeSplineEnt2d::isKindOf(entType);
}

AcGeNurbCurve2d& AcGeNurbCurve2d::transformBy(const AcGeMatrix2d& xfm)
{
    AcGeSplineEnt2d::transformBy(xfm);
    mFit.transformBy(xfm);
    return *this;
}

AcGeNurbCurve2d& AcGeNurbCurve2d::reverseParam()
{
    AcGeSplineEnt2d::reverseParam();
    mFit.reverse();
    return *this;
}

bool AcGeNurbCurve2d::setInterval(const AcGeInterval& range)
{
    if (!AcGeSplineEnt2d::setInterval(range))
        return false;
    purgeFitData();
    return true;
}
