// Space NURBS curves. Editing the definition (control points, knots, trimming) drops the
// fit data, since the curve no longer passes through those points by construction.
#include "AcGeNurbCurve3d.h"

#include "AcGeEllipArc3d.h"
#include "AcGeLineSeg3d.h"

#include <cmath>
#include <numbers>

namespace {

GeNurbs::Vec3 toVec(const AcGePoint3d& p)
{
    return {p.x, p.y, p.z};
}

GeNurbs::Vec3 toVec(const AcGeVector3d& v)
{
    return {v.x, v.y, v.z};
}

GeNurbs::Curve definition(int degree, const AcGeKnotVector& knots, const AcGePoint3dArray& points,
                          const AcGeDoubleArray* weights)
{
    GeNurbs::Curve c;
    c.degree = degree;
    c.knots.assign(knots.getPtr(), knots.getPtr() + knots.length());
    for (int i = 0; i < points.length(); ++i) {
        const double w = weights && i < weights->length() ? (*weights)[i] : 1.0;
        c.points.push_back({points[i].x * w, points[i].y * w, points[i].z * w, w});
    }
    return c;
}

} // namespace

AcGeNurbCurve3d::AcGeNurbCurve3d() = default;

AcGeNurbCurve3d::AcGeNurbCurve3d(int degree, const AcGeKnotVector& knots, const AcGePoint3dArray& controlPoints,
                                 bool isPeriodic)
    : mPeriodic(isPeriodic)
{
    mSpline = definition(degree, knots, controlPoints, nullptr);
}

AcGeNurbCurve3d::AcGeNurbCurve3d(int degree, const AcGeKnotVector& knots, const AcGePoint3dArray& controlPoints,
                                 const AcGeDoubleArray& weights, bool isPeriodic)
    : mPeriodic(isPeriodic)
{
    mSpline = definition(degree, knots, controlPoints, &weights);
}

AcGeNurbCurve3d::AcGeNurbCurve3d(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent,
                                 const AcGeVector3d& endTangent, bool startTangentDefined, bool endTangentDefined,
                                 const AcGeTol& fitTolerance)
{
    mFitPoints = fitPoints;
    mStartTangent = startTangentDefined ? startTangent : AcGeVector3d::kIdentity;
    mEndTangent = endTangentDefined ? endTangent : AcGeVector3d::kIdentity;
    mTangentsExist = startTangentDefined || endTangentDefined;
    mFitTol = fitTolerance;
    interpolateFitPoints(3);
}

AcGeNurbCurve3d::AcGeNurbCurve3d(const AcGePoint3dArray& fitPoints, const AcGeTol& fitTolerance)
{
    mFitPoints = fitPoints;
    mFitTol = fitTolerance;
    interpolateFitPoints(3);
}

AcGeNurbCurve3d::AcGeNurbCurve3d(const AcGeEllipArc3d& ellipse)
{
    // Quadratic rational arcs of at most a quarter turn each, on the unit circle mapped
    // onto the ellipse's axes; the parameter becomes the knots 0 .. number of pieces.
    const double t0 = ellipse.startAng();
    const double sweep = ellipse.endAng() - t0;
    const int pieces = std::max(1, static_cast<int>(std::ceil(sweep / (std::numbers::pi / 2) - 1e-9)));
    const double step = sweep / pieces;
    const double w = std::cos(step / 2);
    const AcGeVector3d u = ellipse.majorAxis() * ellipse.majorRadius();
    const AcGeVector3d v = ellipse.minorAxis() * ellipse.minorRadius();
    auto onEllipse = [&](double a, double scale) {
        return ellipse.center() + (u * std::cos(a) + v * std::sin(a)) * scale;
    };
    mSpline.degree = 2;
    mSpline.knots = {0.0, 0.0, 0.0};
    for (int i = 0; i < pieces; ++i) {
        const double a = t0 + i * step;
        const AcGePoint3d p0 = onEllipse(a, 1.0);
        const AcGePoint3d p1 = onEllipse(a + step / 2, 1.0 / w);
        if (i == 0)
            mSpline.points.push_back({p0.x, p0.y, p0.z, 1.0});
        mSpline.points.push_back({p1.x * w, p1.y * w, p1.z * w, w});
        const AcGePoint3d p2 = onEllipse(a + step, 1.0);
        mSpline.points.push_back({p2.x, p2.y, p2.z, 1.0});
        mSpline.knots.insert(mSpline.knots.end(), i + 1 < pieces ? 2 : 3, i + 1.0);
    }
}

AcGeNurbCurve3d::AcGeNurbCurve3d(const AcGeLineSeg3d& linSeg)
{
    const AcGePoint3d a = linSeg.startPoint();
    const AcGePoint3d b = linSeg.endPoint();
    mSpline.degree = 1;
    mSpline.knots = {0.0, 0.0, 1.0, 1.0};
    mSpline.points = {{a.x, a.y, a.z, 1.0}, {b.x, b.y, b.z, 1.0}};
}

void AcGeNurbCurve3d::interpolateFitPoints(int degree)
{
    std::vector<GeNurbs::Vec3> pts;
    for (const AcGePoint3d& p : mFitPoints)
        if (pts.empty() || !p.isEqualTo(AcGePoint3d(pts.back()[0], pts.back()[1], pts.back()[2]), mFitTol))
            pts.push_back(toVec(p));
    if (pts.size() < 2) {
        mSpline = GeNurbs::Curve();
        return;
    }
    if (degree != 3 && !mTangentsExist) {
        mSpline = GeNurbs::interpolate(pts, degree);
        return;
    }
    // Given tangents set the direction; the chord-length parameter makes them unit vectors.
    const GeNurbs::Vec3 d0 =
        mStartTangent.isZeroLength() ? GeNurbs::besselStartDeriv(pts) : toVec(mStartTangent.normal());
    const GeNurbs::Vec3 dn = mEndTangent.isZeroLength() ? GeNurbs::besselEndDeriv(pts) : toVec(mEndTangent.normal());
    mSpline = GeNurbs::interpolateCubic(pts, d0, dn);
}

void AcGeNurbCurve3d::getDefinitionData(int& degree, bool& rational, bool& periodic, AcGeKnotVector& knotVector,
                                        AcGePoint3dArray& controlPoints, AcGeDoubleArray& weights) const
{
    degree = this->degree();
    rational = isRational();
    periodic = mPeriodic;
    knotVector = knots();
    controlPoints.removeAll();
    weights.removeAll();
    for (int i = 0; i < numControlPoints(); ++i) {
        controlPoints.append(controlPointAt(i));
        if (rational)
            weights.append(weightAt(i));
    }
}

double AcGeNurbCurve3d::weightAt(int idx) const
{
    return mSpline.points.at(static_cast<std::size_t>(idx))[3];
}

AcGeNurbCurve3d& AcGeNurbCurve3d::setWeightAt(int idx, double val)
{
    const AcGePoint3d p = controlPointAt(idx);
    mSpline.points.at(static_cast<std::size_t>(idx)) = {p.x * val, p.y * val, p.z * val, val};
    purgeFitData();
    return *this;
}

AcGeNurbCurve3d& AcGeNurbCurve3d::setControlPointAt(int idx, const AcGePoint3d& pnt)
{
    const double w = weightAt(idx);
    mSpline.points.at(static_cast<std::size_t>(idx)) = {pnt.x * w, pnt.y * w, pnt.z * w, w};
    purgeFitData();
    return *this;
}

bool AcGeNurbCurve3d::getFitPointAt(int index, AcGePoint3d& point) const
{
    if (index < 0 || index >= mFitPoints.length())
        return false;
    point = mFitPoints[index];
    return true;
}

bool AcGeNurbCurve3d::getFitData(AcGePoint3dArray& fitPoints, AcGeTol& fitTolerance, bool& tangentsExist,
                                 AcGeVector3d& startTangent, AcGeVector3d& endTangent) const
{
    if (!hasFitData())
        return false;
    fitPoints = mFitPoints;
    fitTolerance = mFitTol;
    tangentsExist = mTangentsExist;
    startTangent = mStartTangent;
    endTangent = mEndTangent;
    return true;
}

bool AcGeNurbCurve3d::getFitTolerance(AcGeTol& fitTolerance) const
{
    fitTolerance = mFitTol;
    return hasFitData();
}

bool AcGeNurbCurve3d::getFitTangents(AcGeVector3d& startTangent, AcGeVector3d& endTangent) const
{
    if (!hasFitData() || !mTangentsExist)
        return false;
    startTangent = mStartTangent;
    endTangent = mEndTangent;
    return true;
}

bool AcGeNurbCurve3d::setFitData(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent,
                                 const AcGeVector3d& endTangent, const AcGeTol& fitTol)
{
    mFitPoints = fitPoints;
    mStartTangent = startTangent;
    mEndTangent = endTangent;
    mTangentsExist = true;
    mFitTol = fitTol;
    interpolateFitPoints(3);
    return mSpline.isValid();
}

bool AcGeNurbCurve3d::setFitData(int degree, const AcGePoint3dArray& fitPoints, const AcGeTol& fitTol)
{
    mFitPoints = fitPoints;
    mStartTangent = mEndTangent = AcGeVector3d::kIdentity;
    mTangentsExist = false;
    mFitTol = fitTol;
    interpolateFitPoints(degree);
    return mSpline.isValid();
}

bool AcGeNurbCurve3d::purgeFitData()
{
    const bool had = hasFitData();
    mFitPoints.removeAll();
    mTangentsExist = false;
    mStartTangent = mEndTangent = AcGeVector3d::kIdentity;
    return had;
}

AcGeNurbCurve3d& AcGeNurbCurve3d::makeClosed()
{
    if (!mSpline.isValid() || isClosed())
        return *this;
    // End the last span with multiplicity p, then a straight Bezier piece back to the start.
    const int p = mSpline.degree;
    const AcGePoint3d from = endPoint();
    const AcGePoint3d to = startPoint();
    GeNurbs::trim(mSpline, startParam(), endParam());
    const double end = mSpline.knots.back();
    mSpline.knots.pop_back();
    mSpline.knots.insert(mSpline.knots.end(), static_cast<std::size_t>(p + 1), end + from.distanceTo(to));
    for (int j = 1; j <= p; ++j) {
        const AcGePoint3d q = from + (to - from) * (static_cast<double>(j) / p);
        mSpline.points.push_back({q.x, q.y, q.z, 1.0});
    }
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
    for (AcGePoint3d& p : mFitPoints)
        p.transformBy(xfm);
    mStartTangent.transformBy(xfm);
    mEndTangent.transformBy(xfm);
    return *this;
}

AcGeNurbCurve3d& AcGeNurbCurve3d::reverseParam()
{
    AcGeSplineEnt3d::reverseParam();
    mFitPoints.reverse();
    std::swap(mStartTangent, mEndTangent);
    mStartTangent.negate();
    mEndTangent.negate();
    return *this;
}

bool AcGeNurbCurve3d::setInterval(const AcGeInterval& range)
{
    if (!AcGeSplineEnt3d::setInterval(range))
        return false;
    purgeFitData();
    return true;
}
