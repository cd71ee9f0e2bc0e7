// Space NURBS curves. Editing the definition (control points, knots, trimming) drops the
// fit data, since the curve no longer passes through those points by construction.
#include "AcGeNurbCurve3d.h"

#include "AcGeEllipArc3d.h"
#include "AcGeLineSeg3d.h"
#include "GeNurbsT.h"

AcGeNurbCurve3d::AcGeNurbCurve3d() = default;

AcGeNurbCurve3d::AcGeNurbCurve3d(int degree, const AcGeKnotVector& knots, const AcGePoint3dArray& controlPoints,
                                 bool isPeriodic)
    : mPeriodic(isPeriodic)
{
    mSpline = GeNurbs::definition(degree, knots, controlPoints, nullptr);
}

AcGeNurbCurve3d::AcGeNurbCurve3d(int degree, const AcGeKnotVector& knots, const AcGePoint3dArray& controlPoints,
                                 const AcGeDoubleArray& weights, bool isPeriodic)
    : mPeriodic(isPeriodic)
{
    mSpline = GeNurbs::definition(degree, knots, controlPoints, &weights);
}

AcGeNurbCurve3d::AcGeNurbCurve3d(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent,
                                 const AcGeVector3d& endTangent, bool startTangentDefined, bool endTangentDefined,
                                 const AcGeTol& fitTolerance)
{
    mFit.set(fitPoints, startTangentDefined ? startTangent : AcGeVector3d::kIdentity,
             endTangentDefined ? endTangent : AcGeVector3d::kIdentity, startTangentDefined || endTangentDefined,
             fitTolerance);
    mSpline = mFit.interpolate(3);
}

AcGeNurbCurve3d::AcGeNurbCurve3d(const AcGePoint3dArray& fitPoints, const AcGeTol& fitTolerance)
{
    mFit.set(fitPoints, AcGeVector3d::kIdentity, AcGeVector3d::kIdentity, false, fitTolerance);
    mSpline = mFit.interpolate(3);
}

AcGeNurbCurve3d::AcGeNurbCurve3d(const AcGeEllipArc3d& ellipse)
{
    mSpline = GeNurbs::fromEllipse(ellipse);
}

AcGeNurbCurve3d::AcGeNurbCurve3d(const AcGeLineSeg3d& linSeg)
{
    mSpline = GeNurbs::fromSegment(linSeg.startPoint(), linSeg.endPoint());
}

void AcGeNurbCurve3d::getDefinitionData(int& degree, bool& rational, bool& periodic, AcGeKnotVector& knotVector,
                                        AcGePoint3dArray& controlPoints, AcGeDoubleArray& weights) const
{
    degree = this->degree();
    rational = isRational();
    periodic = mPeriodic;
    knotVector = knots();
    GeNurbs::getControlPoints(mSpline, rational, controlPoints, weights);
}

double AcGeNurbCurve3d::weightAt(int idx) const
{
    return mSpline.points.at(static_cast<std::size_t>(idx))[3];
}

AcGeNurbCurve3d& AcGeNurbCurve3d::setWeightAt(int idx, double val)
{
    mSpline.points.at(static_cast<std::size_t>(idx)) = GeNurbs::toHom(controlPointAt(idx), val);
    purgeFitData();
    return *this;
}

AcGeNurbCurve3d& AcGeNurbCurve3d::setControlPointAt(int idx, const AcGePoint3d& pnt)
{
    mSpline.points.at(static_cast<std::size_t>(idx)) = GeNurbs::toHom(pnt, weightAt(idx));
    purgeFitData();
    return *this;
}

bool AcGeNurbCurve3d::getFitPointAt(int index, AcGePoint3d& point) const
{
    return mFit.getPointAt(index, point);
}

bool AcGeNurbCurve3d::getFitData(AcGePoint3dArray& fitPoints, AcGeTol& fitTolerance, bool& tangentsExist,
                                 AcGeVector3d& startTangent, AcGeVector3d& endTangent) const
{
    return mFit.get(fitPoints, fitTolerance, tangentsExist, startTangent, endTangent);
}

bool AcGeNurbCurve3d::getFitTolerance(AcGeTol& fitTolerance) const
{
    return mFit.getTolerance(fitTolerance);
}

bool AcGeNurbCurve3d::getFitTangents(AcGeVector3d& startTangent, AcGeVector3d& endTangent) const
{
    return mFit.getTangents(startTangent, endTangent);
}

bool AcGeNurbCurve3d::setFitData(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent,
                                 const AcGeVector3d& endTangent, const AcGeTol& fitTol)
{
    mFit.set(fitPoints, startTangent, endTangent, true, fitTol);
    mSpline = mFit.interpolate(3);
    return mSpline.isValid();
}

bool AcGeNurbCurve3d::setFitData(int degree, const AcGePoint3dArray& fitPoints, const AcGeTol& fitTol)
{
    mFit.set(fitPoints, AcGeVector3d::kIdentity, AcGeVector3d::kIdentity, false, fitTol);
    mSpline = mFit.interpolate(degree);
    return mSpline.isValid();
}

bool AcGeNurbCurve3d::purgeFitData()
{
    return mFit.purge();
}

AcGeNurbCurve3d& AcGeNurbCurve3d::makeClosed()
{
    if (!mSpline.isValid() || isClosed())
        return *this;
    GeNurbs::closeWithLine(mSpline, endPoint(), startPoint());
    purgeFitData();
    return *this;
}

AcGeNurbCurve3d& AcGeNurbCurve3d::hardTrimByParams(double newStartParam, double newEndParam)
{
    setInterval(AcGeInterval(newStartParam, newEndParam));
    return *this;
}

AcGeNurbCurve3d& AcGeNurbCurve3d::insertKnot(double newKnot)
{
    if (mSpline.isValid() && newKnot > startParam() && newKnot < endParam())
        GeNurbs::insertKnot(mSpline, newKnot);
    return *this;
}

bool AcGeNurbCurve3d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kNurbCurve3d || AcGeSplineEnt3d::isKindOf(entType);
}

AcGeNurbCurve3d& AcGeNurbCurve3d::transformBy(const AcGeMatrix3d& xfm)
{
    AcGeSplineEnt3d::transformBy(xfm);
    mFit.transformBy(xfm);
    return *this;
}

AcGeNurbCurve3d& AcGeNurbCurve3d::reverseParam()
{
    AcGeSplineEnt3d::reverseParam();
    mFit.reverse();
    return *this;
}

bool AcGeNurbCurve3d::setInterval(const AcGeInterval& range)
{
    if (!AcGeSplineEnt3d::setInterval(range))
        return false;
    purgeFitData();
    return true;
}
