// DXF: flags 70 (1 closed, 2 periodic, 4 rational, 8 planar), degree 71, counts 72-74,
// tolerances 42-44, end tangents 12/13, knots 40, weights 41, control points 10, fit points 11.
#include "AcDbSpline.h"

#include "AcDbDxfFiler.h"
#include "AcGeKnotVector.h"
#include "AcGeNurbCurve3d.h"
#include "DbCurveModel.h"
#include "DbGeometry.h"

#include <algorithm>
#include <memory>

ACRX_DEFINE_DXF_MEMBERS(AcDbSpline, AcDbCurve, L"SPLINE")

AcDbSpline::AcDbSpline(const AcGePoint3dArray& fitPoints, int order, double fitTolerance)
    : mDegree(order - 1)
    , mFitPoints(fitPoints)
    , mFitTolerance(fitTolerance)
{
}

AcDbSpline::AcDbSpline(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent,
    const AcGeVector3d& endTangent, int order, double fitTolerance)
    : mDegree(order - 1)
    , mFitPoints(fitPoints)
    , mFitTolerance(fitTolerance)
    , mStartTangent(startTangent)
    , mEndTangent(endTangent)
{
}

AcDbSpline::AcDbSpline(int degree, bool rational, bool closed, bool periodic, const AcGePoint3dArray& controlPoints,
    const AcGeDoubleArray& knots, const AcGeDoubleArray& weights, double controlPtTol, double knotTol)
{
    setNurbsData(degree, rational, closed, periodic, controlPoints, knots, weights, controlPtTol, knotTol);
}

Acad::ErrorStatus AcDbSpline::getControlPointAt(int index, AcGePoint3d& point) const
{
    if (index < 0 || index >= mControlPoints.length())
        return Acad::eInvalidIndex;
    point = mControlPoints[index];
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getFitPointAt(int index, AcGePoint3d& point) const
{
    if (index < 0 || index >= mFitPoints.length())
        return Acad::eInvalidIndex;
    point = mFitPoints[index];
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getNurbsData(int& degree, bool& rational, bool& closed, bool& periodic,
    AcGePoint3dArray& controlPoints, AcGeDoubleArray& knots, AcGeDoubleArray& weights, double& controlPtTol,
    double& knotTol) const
{
    degree = mDegree;
    rational = isRational();
    closed = mClosed;
    periodic = mPeriodic;
    controlPoints = mControlPoints;
    knots = mKnots;
    weights = mWeights;
    controlPtTol = mControlPtTol;
    knotTol = mKnotTol;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setNurbsData(int degree, bool rational, bool closed, bool periodic,
    const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots, const AcGeDoubleArray& weights,
    double controlPtTol, double knotTol)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    // A clamped or periodic NURBS needs count + degree + 1 knots, and a weight per point.
    if (degree < 1 || controlPoints.length() < degree + 1 || knots.length() != controlPoints.length() + degree + 1
        || (rational && weights.length() != controlPoints.length()))
        return Acad::eInvalidInput;
    mDegree = degree;
    mClosed = closed;
    mPeriodic = periodic;
    mControlPoints = controlPoints;
    mKnots = knots;
    mWeights = rational ? weights : AcGeDoubleArray();
    mControlPtTol = controlPtTol;
    mKnotTol = knotTol;
    mFitPoints.removeAll();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getFitData(AcGePoint3dArray& fitPoints, int& degree, double& fitTolerance,
    bool& tangentsExist, AcGeVector3d& startTangent, AcGeVector3d& endTangent) const
{
    if (!hasFitData())
        return Acad::eNotApplicable;
    fitPoints = mFitPoints;
    degree = mDegree;
    fitTolerance = mFitTolerance;
    tangentsExist = mStartTangent.length() > 0.0 || mEndTangent.length() > 0.0;
    startTangent = mStartTangent;
    endTangent = mEndTangent;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setFitData(const AcGePoint3dArray& fitPoints, int degree, double fitTolerance,
    const AcGeVector3d& startTangent, const AcGeVector3d& endTangent)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (fitPoints.length() < 2 || degree < 1)
        return Acad::eInvalidInput;
    mFitPoints = fitPoints;
    mDegree = degree;
    mFitTolerance = fitTolerance;
    mStartTangent = startTangent;
    mEndTangent = endTangent;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbCurve::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbSpline");
    filer->writeInt16(70, (mClosed ? 1 : 0) | (mPeriodic ? 2 : 0) | (isRational() ? 4 : 0) | 8);
    filer->writeInt16(71, mDegree);
    filer->writeInt16(72, mKnots.length());
    filer->writeInt16(73, mControlPoints.length());
    filer->writeInt16(74, mFitPoints.length());
    filer->writeDouble(42, mKnotTol);
    filer->writeDouble(43, mControlPtTol);
    filer->writeDouble(44, mFitTolerance);
    if (hasFitData() && mStartTangent.length() > 0.0)
        filer->writeVector3d(12, mStartTangent);
    if (hasFitData() && mEndTangent.length() > 0.0)
        filer->writeVector3d(13, mEndTangent);
    for (double k : mKnots)
        filer->writeDouble(40, k);
    for (double w : mWeights)
        filer->writeDouble(41, w);
    for (const AcGePoint3d& p : mControlPoints)
        filer->writePoint3d(10, p);
    for (const AcGePoint3d& p : mFitPoints)
        filer->writePoint3d(11, p);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbCurve::dxfInFields(filer);
    if (!filer->atSubclassData(L"AcDbSpline"))
        return Acad::eInvalidInput;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 70:
            mClosed = (g.asInt() & 1) != 0;
            mPeriodic = (g.asInt() & 2) != 0;
            break;
        case 71:
            mDegree = g.asInt();
            break;
        case 42:
            mKnotTol = g.asDouble();
            break;
        case 43:
            mControlPtTol = g.asDouble();
            break;
        case 44:
            mFitTolerance = g.asDouble();
            break;
        case 12:
            mStartTangent = filer->readVector3d(g);
            break;
        case 13:
            mEndTangent = filer->readVector3d(g);
            break;
        case 40:
            mKnots.append(g.asDouble());
            break;
        case 41:
            mWeights.append(g.asDouble());
            break;
        case 10:
            mControlPoints.append(filer->readPoint3d(g));
            break;
        case 11:
            mFitPoints.append(filer->readPoint3d(g));
            break;
        default:
            break;
        }
    });
    return Acad::eOk;
}

namespace {

// The spline's NURBS, from its control data or, for a spline known only by fit points,
// interpolated through them.
std::unique_ptr<AcGeNurbCurve3d> nurbsOf(int degree, const AcGePoint3dArray& controlPoints,
    const AcGeDoubleArray& knots, const AcGeDoubleArray& weights, bool periodic, const AcGePoint3dArray& fitPoints,
    const AcGeVector3d& startTangent, const AcGeVector3d& endTangent)
{
    if (controlPoints.length() >= degree + 1 && knots.length() == controlPoints.length() + degree + 1) {
        const AcGeKnotVector kv(knots);
        if (!weights.isEmpty())
            return std::make_unique<AcGeNurbCurve3d>(degree, kv, controlPoints, weights, periodic);
        return std::make_unique<AcGeNurbCurve3d>(degree, kv, controlPoints, periodic);
    }
    if (fitPoints.length() >= 2)
        return std::make_unique<AcGeNurbCurve3d>(
            fitPoints, startTangent, endTangent, !startTangent.isZeroLength(), !endTangent.isZeroLength());
    return nullptr;
}

} // namespace

// The parameter is the knot parameter, first to last knot.
bool AcDbSpline::buildModel(DbCurveModel& model) const
{
    auto nurbs = nurbsOf(mDegree, mControlPoints, mKnots, mWeights, mPeriodic, mFitPoints, mStartTangent, mEndTangent);
    if (!nurbs)
        return false;
    AcGeInterval range;
    nurbs->getInterval(range);
    model.add(nurbs.release(), range.lowerBound(), range.upperBound(), range.lowerBound(), range.upperBound());
    model.setClosed(mClosed);
    return true;
}

AcDbCurve* AcDbSpline::subCurve(double p0, double p1) const
{
    DbCurveModel model;
    if (!buildModel(model))
        return nullptr;
    const auto& whole = static_cast<const AcGeNurbCurve3d&>(*model.spans().front().curve);
    if (p1 <= model.endParam() + 1e-12) {
        AcGeNurbCurve3d span(whole);
        span.hardTrimByParams(p0, std::min(p1, model.endParam()));
        return DbGeometry::curveFromGe(span);
    }
    // Across the start of a closed spline: the end of one turn joined to the start of the next.
    if (!mClosed)
        return nullptr;
    const double period = model.endParam() - model.startParam();
    AcGeNurbCurve3d head(whole), tail(whole);
    head.hardTrimByParams(p0, model.endParam());
    tail.hardTrimByParams(model.startParam(), p1 - period);
    int degA = 0, degB = 0;
    bool ratA = false, ratB = false, perA = false, perB = false;
    AcGeKnotVector ka, kb;
    AcGePoint3dArray pa, pb;
    AcGeDoubleArray wa, wb;
    head.getDefinitionData(degA, ratA, perA, ka, pa, wa);
    tail.getDefinitionData(degB, ratB, perB, kb, pb, wb);
    if (degA != degB || pa.isEmpty() || pb.isEmpty())
        return nullptr;
    // Clamped ends meet in one control point; the joint keeps the degree's multiplicity.
    AcGePoint3dArray points = pa;
    AcGeDoubleArray knots, weights;
    for (int i = 0; i + 1 < ka.length(); ++i)
        knots.append(ka[i]);
    const double shift = ka[ka.length() - 1] - kb[0];
    for (int i = degA + 1; i < kb.length(); ++i)
        knots.append(kb[i] + shift);
    for (int i = 1; i < pb.length(); ++i)
        points.append(pb[i]);
    if (ratA || ratB) {
        for (int i = 0; i < pa.length(); ++i)
            weights.append(ratA ? wa[i] : 1.0);
        // Weights scale freely: the tail's are matched to the head's at the joint.
        const double ratio = (ratA ? wa[wa.length() - 1] : 1.0) / (ratB ? wb[0] : 1.0);
        for (int i = 1; i < pb.length(); ++i)
            weights.append((ratB ? wb[i] : 1.0) * ratio);
    }
    auto* spline = new AcDbSpline();
    if (spline->setNurbsData(degA, ratA || ratB, false, false, points, knots, weights) != Acad::eOk) {
        delete spline;
        return nullptr;
    }
    return spline;
}

Acad::ErrorStatus AcDbSpline::getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const
{
    DbCurveModel model;
    if (!buildModel(model))
        return Acad::eDegenerateGeometry;
    const AcGeCurve3d& curve = *model.spans().front().curve;
    AcGePlane plane;
    if (!curve.isPlanar(plane))
        return Acad::eNotApplicable;
    // Positive distances go to the right of the travel seen from the plane's +Z side, as
    // for polylines; the library offsets to the left.
    AcGeVector3d normal = plane.normal();
    if (normal.z < 0.0 || (normal.z == 0.0 && (normal.y < 0.0 || (normal.y == 0.0 && normal.x < 0.0))))
        normal = -normal;
    AcGeVoidPointerArray spans;
    curve.getTrimmedOffset(-offsetDist, normal, spans, AcGe::kExtend);
    // An offset that crosses itself is not made.
    return appendOffsetSpans(spans, offsetDist, offsetCurves);
}

Acad::ErrorStatus AcDbSpline::extend(double)
{
    return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbSpline::extend(bool, const AcGePoint3d&)
{
    return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbSpline::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    // A NURBS is affinely invariant: its control and fit data carry the transformation.
    for (int i = 0; i < mControlPoints.length(); ++i)
        mControlPoints[i].transformBy(xform);
    for (int i = 0; i < mFitPoints.length(); ++i)
        mFitPoints[i].transformBy(xform);
    mStartTangent.transformBy(xform);
    mEndTangent.transformBy(xform);
    return Acad::eOk;
}
