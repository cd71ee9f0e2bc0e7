// Plane NURBS curves. Editing the definition (control points, knots, trimming) drops the
// fit data, since the curve no longer passes through those points by construction.
#include "AcGeNurbCurve2d.h"

#include "AcGeEllipArc2d.h"
#include "AcGeLineSeg2d.h"

#include <cmath>
#include <numbers>

namespace {

GeNurbs::Vec3 toVec(const AcGePoint2d& p)
{
    return {p.x, p.y, 0.0};
}

GeNurbs::Vec3 toVec(const AcGeVector2d& v)
{
    return {v.x, v.y, 0.0};
}

GeNurbs::Curve definition(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& points,
                          const AcGeDoubleArray* weights)
{
    GeNurbs::Curve c;
    c.degree = degree;
    c.knots.assign(knots.getPtr(), knots.getPtr() + knots.length());
    for (int i = 0; i < points.length(); ++i) {
        const double w = weights && i < weights->length() ? (*weights)[i] : 1.0;
        c.points.push_back({points[i].x * w, points[i].y * w, 0.0, w});
    }
    return c;
}

} // namespace

AcGeNurbCurve2d::AcGeNurbCurve2d() = default;

AcGeNurbCurve2d::AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                                 bool isPeriodic)
    : mPeriodic(isPeriodic)
{
    mSpline = definition(degree, knots, controlPoints, nullptr);
}

AcGeNurbCurve2d::AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                                 const AcGeDoubleArray& weights, bool isPeriodic)
    : mPeriodic(isPeriodic)
{
    mSpline = definition(degree, knots, controlPoints, &weights);
}

AcGeNurbCurve2d::AcGeNurbCurve2d(const AcGePoint2dArray& fitPoints, const AcGeVector2d& startTangent,
                                 const AcGeVector2d& endTangent, bool startTangentDefined, bool endTangentDefined,
                                 const AcGeTol& fitTolerance)
{
    mFitPoints = fitPoints;
    mStartTangent = startTangentDefined ? startTangent : AcGeVector2d::kIdentity;
    mEndTangent = endTangentDefined ? endTangent : AcGeVector2d::kIdentity;
    mTangentsExist = startTangentDefined || endTangentDefined;
    mFitTol = fitTolerance;
    interpolateFitPoints(3);
}

AcGeNurbCurve2d::AcGeNurbCurve2d(const AcGePoint2dArray& fitPoints, const AcGeTol& fitTolerance)
{
    mFitPoints = fitPoints;
    mFitTol = fitTolerance;
    interpolateFitPoints(3);
}

AcGeNurbCurve2d::AcGeNurbCurve2d(const AcGeEllipArc2d& ellipse)
{
    // Quadratic rational arcs of at most a quarter turn each, on the unit circle mapped
    // onto the ellipse's axes; the parameter becomes the knots 0 .. number of pieces.
    const double t0 = ellipse.startAng();
    const double sweep = ellipse.endAng() - t0;
    const int pieces = std::max(1, static_cast<int>(std::ceil(sweep / (std::numbers::pi / 2) - 1e-9)));
    const double step = sweep / pieces;
    const double w = std::cos(step / 2);
    const AcGeVector2d u = ellipse.majorAxis() * ellipse.majorRadius();
    const AcGeVector2d v = ellipse.minorAxis() * ellipse.minorRadius();
    auto onEllipse = [&](double a, double scale) {
        return ellipse.center() + (u * std::cos(a) + v * std::sin(a)) * scale;
    };
    mSpline.degree = 2;
    mSpline.knots = {0.0, 0.0, 0.0};
    for (int i = 0; i < pieces; ++i) {
        const double a = t0 + i * step;
        const AcGePoint2d p0 = onEllipse(a, 1.0);
        const AcGePoint2d p1 = onEllipse(a + step / 2, 1.0 / w);
        if (i == 0)
            mSpline.points.push_back({p0.x, p0.y, 0.0, 1.0});
        mSpline.points.push_back({p1.x * w, p1.y * w, 0.0, w});
        const AcGePoint2d p2 = onEllipse(a + step, 1.0);
        mSpline.points.push_back({p2.x, p2.y, 0.0, 1.0});
        mSpline.knots.insert(mSpline.knots.end(), i + 1 < pieces ? 2 : 3, i + 1.0);
    }
}

AcGeNurbCurve2d::AcGeNurbCurve2d(const AcGeLineSeg2d& linSeg)
{
    const AcGePoint2d a = linSeg.startPoint();
    const AcGePoint2d b = linSeg.endPoint();
    mSpline.degree = 1;
    mSpline.knots = {0.0, 0.0, 1.0, 1.0};
    mSpline.points = {{a.x, a.y, 0.0, 1.0}, {b.x, b.y, 0.0, 1.0}};
}

void AcGeNurbCurve2d::interpolateFitPoints(int degree)
{
    std::vector<GeNurbs::Vec3> pts;
    for (const AcGePoint2d& p : mFitPoints)
        if (pts.empty() || !p.isEqualTo(AcGePoint2d(pts.back()[0], pts.back()[1]), mFitTol))
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

void AcGeNurbCurve2d::getDefinitionData(int& degree, bool& rational, bool& periodic, AcGeKnotVector& knotVector,
                                        AcGePoint2dArray& controlPoints, AcGeDoubleArray& weights) const
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

double AcGeNurbCurve2d::weightAt(int idx) const
{
    return mSpline.points.at(static_cast<std::size_t>(idx))[3];
}

AcGeNurbCurve2d& AcGeNurbCurve2d::setWeightAt(int idx, double val)
{
    const AcGePoint2d p = controlPointAt(idx);
    mSpline.points.at(static_cast<std::size_t>(idx)) = {p.x * val, p.y * val, 0.0, val};
    purgeFitData();
    return *this;
}

AcGeNurbCurve2d& AcGeNurbCurve2d::setControlPointAt(int idx, const AcGePoint2d& pnt)
{
    const double w = weightAt(idx);
    mSpline.points.at(static_cast<std::size_t>(idx)) = {pnt.x * w, pnt.y * w, 0.0, w};
    purgeFitData();
    return *this;
}

bool AcGeNurbCurve2d::getFitPointAt(int index, AcGePoint2d& point) const
{
    if (index < 0 || index >= mFitPoints.length())
        return false;
    point = mFitPoints[index];
    return true;
}

bool AcGeNurbCurve2d::getFitData(AcGePoint2dArray& fitPoints, AcGeTol& fitTolerance, bool& tangentsExist,
                                 AcGeVector2d& startTangent, AcGeVector2d& endTangent) const
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

bool AcGeNurbCurve2d::getFitTolerance(AcGeTol& fitTolerance) const
{
    fitTolerance = mFitTol;
    return hasFitData();
}

bool AcGeNurbCurve2d::getFitTangents(AcGeVector2d& startTangent, AcGeVector2d& endTangent) const
{
    if (!hasFitData() || !mTangentsExist)
        return false;
    startTangent = mStartTangent;
    endTangent = mEndTangent;
    return true;
}

bool AcGeNurbCurve2d::setFitData(const AcGePoint2dArray& fitPoints, const AcGeVector2d& startTangent,
                                 const AcGeVector2d& endTangent, const AcGeTol& fitTol)
{
    mFitPoints = fitPoints;
    mStartTangent = startTangent;
    mEndTangent = endTangent;
    mTangentsExist = true;
    mFitTol = fitTol;
    interpolateFitPoints(3);
    return mSpline.isValid();
}

bool AcGeNurbCurve2d::setFitData(int degree, const AcGePoint2dArray& fitPoints, const AcGeTol& fitTol)
{
    mFitPoints = fitPoints;
    mStartTangent = mEndTangent = AcGeVector2d::kIdentity;
    mTangentsExist = false;
    mFitTol = fitTol;
    interpolateFitPoints(degree);
    return mSpline.isValid();
}

bool AcGeNurbCurve2d::purgeFitData()
{
    const bool had = hasFitData();
    mFitPoints.removeAll();
    mTangentsExist = false;
    mStartTangent = mEndTangent = AcGeVector2d::kIdentity;
    return had;
}

AcGeNurbCurve2d& AcGeNurbCurve2d::makeClosed()
{
    if (!mSpline.isValid() || isClosed())
        return *this;
    // End the last span with multiplicity p, then a straight Bezier piece back to the start.
    const int p = mSpline.degree;
    const AcGePoint2d from = endPoint();
    const AcGePoint2d to = startPoint();
    GeNurbs::trim(mSpline, startParam(), endParam());
    const double end = mSpline.knots.back();
    mSpline.knots.pop_back();
    mSpline.knots.insert(mSpline.knots.end(), static_cast<std::size_t>(p + 1), end + from.distanceTo(to));
    for (int j = 1; j <= p; ++j) {
        const AcGePoint2d q = from + (to - from) * (static_cast<double>(j) / p);
        mSpline.points.push_back({q.x, q.y, 0.0, 1.0});
    }
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
    for (AcGePoint2d& p : mFitPoints)
        p.transformBy(xfm);
    mStartTangent.transformBy(xfm);
    mEndTangent.transformBy(xfm);
    return *this;
}

AcGeNurbCurve2d& AcGeNurbCurve2d::reverseParam()
{
    AcGeSplineEnt2d::reverseParam();
    mFitPoints.reverse();
    std::swap(mStartTangent, mEndTangent);
    mStartTangent.negate();
    mEndTangent.negate();
    return *this;
}

bool AcGeNurbCurve2d::setInterval(const AcGeInterval& range)
{
    if (!AcGeSplineEnt2d::setInterval(range))
        return false;
    purgeFitData();
    return true;
}
