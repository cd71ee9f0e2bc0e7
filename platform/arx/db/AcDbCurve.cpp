// The curve queries, answered once for every curve class from the spans it describes
// itself with; the base class without a description answers eNotImplementedYet.
#include "AcDbCurve.h"

#include "DbCurveModel.h"
#include "DbGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

ACRX_DEFINE_MEMBERS(AcDbCurve, AcDbEntity)

bool AcDbCurve::buildModel(DbCurveModel&) const
{
    return false;
}

AcDbCurve* AcDbCurve::subCurve(double, double) const
{
    return nullptr;
}

bool AcDbCurve::getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool extended) const
{
    DbCurveModel model;
    if (!buildModel(model) || model.empty())
        return false;
    for (auto& c : model.curves(extended))
        curves.push_back(std::move(c));
    return true;
}

Acad::ErrorStatus AcDbCurve::getStartParam(double& param) const
{
    DbCurveModel model;
    if (!buildModel(model) || model.empty())
        return Acad::eNotImplementedYet;
    if (!std::isfinite(model.startParam()))
        return Acad::eNotApplicable;
    param = model.startParam();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCurve::getEndParam(double& param) const
{
    DbCurveModel model;
    if (!buildModel(model) || model.empty())
        return Acad::eNotImplementedYet;
    if (!std::isfinite(model.endParam()))
        return Acad::eNotApplicable;
    param = model.endParam();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCurve::getStartPoint(AcGePoint3d& point) const
{
    double param = 0.0;
    if (Acad::ErrorStatus es = getStartParam(param); es != Acad::eOk)
        return es;
    return getPointAtParam(param, point);
}

Acad::ErrorStatus AcDbCurve::getEndPoint(AcGePoint3d& point) const
{
    double param = 0.0;
    if (Acad::ErrorStatus es = getEndParam(param); es != Acad::eOk)
        return es;
    return getPointAtParam(param, point);
}

Acad::ErrorStatus AcDbCurve::getPointAtParam(double param, AcGePoint3d& point) const
{
    DbCurveModel model;
    if (!buildModel(model) || model.empty())
        return Acad::eNotImplementedYet;
    AcGePoint3d p;
    if (Acad::ErrorStatus es = model.evaluate(param, p, nullptr, nullptr); es != Acad::eOk)
        return es;
    point = p;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCurve::getParamAtPoint(const AcGePoint3d& point, double& param) const
{
    DbCurveModel model;
    if (!buildModel(model) || model.empty())
        return Acad::eNotImplementedYet;
    double p = 0.0;
    if (!model.paramOf(point, p))
        return Acad::eInvalidInput;
    param = p;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCurve::getDistAtParam(double param, double& dist) const
{
    DbCurveModel model;
    if (!buildModel(model) || model.empty())
        return Acad::eNotImplementedYet;
    double d = 0.0;
    if (!model.lengthTo(param, d))
        return Acad::eInvalidInput;
    dist = d;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCurve::getParamAtDist(double dist, double& param) const
{
    DbCurveModel model;
    if (!buildModel(model) || model.empty())
        return Acad::eNotImplementedYet;
    double p = 0.0;
    if (!model.paramAtLength(dist, p))
        return Acad::eInvalidInput;
    param = p;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCurve::getDistAtPoint(const AcGePoint3d& point, double& dist) const
{
    double param = 0.0;
    if (Acad::ErrorStatus es = getParamAtPoint(point, param); es != Acad::eOk)
        return es;
    return getDistAtParam(param, dist);
}

Acad::ErrorStatus AcDbCurve::getPointAtDist(double dist, AcGePoint3d& point) const
{
    double param = 0.0;
    if (Acad::ErrorStatus es = getParamAtDist(dist, param); es != Acad::eOk)
        return es;
    return getPointAtParam(param, point);
}

Acad::ErrorStatus AcDbCurve::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const
{
    DbCurveModel model;
    if (!buildModel(model) || model.empty())
        return Acad::eNotImplementedYet;
    AcGePoint3d p;
    AcGeVector3d d1;
    if (Acad::ErrorStatus es = model.evaluate(param, p, &d1, nullptr); es != Acad::eOk)
        return es;
    firstDeriv = d1;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCurve::getFirstDeriv(const AcGePoint3d& point, AcGeVector3d& firstDeriv) const
{
    double param = 0.0;
    if (Acad::ErrorStatus es = getParamAtPoint(point, param); es != Acad::eOk)
        return es;
    return getFirstDeriv(param, firstDeriv);
}

Acad::ErrorStatus AcDbCurve::getSecondDeriv(double param, AcGeVector3d& secDeriv) const
{
    DbCurveModel model;
    if (!buildModel(model) || model.empty())
        return Acad::eNotImplementedYet;
    AcGePoint3d p;
    AcGeVector3d d1, d2;
    if (Acad::ErrorStatus es = model.evaluate(param, p, &d1, &d2); es != Acad::eOk)
        return es;
    secDeriv = d2;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCurve::getClosestPointTo(
    const AcGePoint3d& givenPnt, AcGePoint3d& pointOnCurve, bool extend) const
{
    DbCurveModel model;
    if (!buildModel(model) || model.empty())
        return Acad::eNotImplementedYet;
    pointOnCurve = model.closestPoint(givenPnt, extend);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCurve::getClosestPointTo(
    const AcGePoint3d& givenPnt, const AcGeVector3d& direction, AcGePoint3d& pointOnCurve, bool extend) const
{
    DbCurveModel model;
    if (!buildModel(model) || model.empty())
        return Acad::eNotImplementedYet;
    if (direction.isZeroLength())
        return Acad::eInvalidInput;
    // Seen along the direction: the curve point whose projection is nearest the given one.
    const AcGeVector3d dir = direction.normal();
    auto seenDistance = [&](const AcGePoint3d& p) {
        const AcGeVector3d d = p - givenPnt;
        return (d - dir * d.dotProduct(dir)).length();
    };
    double best = std::numeric_limits<double>::max();
    for (const auto& curve : model.curves(extend)) {
        AcGeInterval range;
        curve->getInterval(range);
        const double lo = range.isBoundedBelow() ? range.lowerBound() : -1e6;
        const double hi = range.isBoundedAbove() ? range.upperBound() : 1e6;
        constexpr int kSamples = 256;
        int bestIndex = 0;
        double bestHere = std::numeric_limits<double>::max();
        for (int i = 0; i <= kSamples; ++i) {
            const double d = seenDistance(curve->evalPoint(lo + (hi - lo) * i / kSamples));
            if (d < bestHere)
                bestHere = d, bestIndex = i;
        }
        // Golden-section search in the neighbourhood of the best sample.
        double a = lo + (hi - lo) * std::max(bestIndex - 1, 0) / kSamples;
        double b = lo + (hi - lo) * std::min(bestIndex + 1, kSamples) / kSamples;
        for (int it = 0; it < 100; ++it) {
            const double m1 = a + (b - a) * 0.381966;
            const double m2 = a + (b - a) * 0.618034;
            if (seenDistance(curve->evalPoint(m1)) < seenDistance(curve->evalPoint(m2)))
                b = m2;
            else
                a = m1;
        }
        const AcGePoint3d p = curve->evalPoint(0.5 * (a + b));
        if (seenDistance(p) < best) {
            best = seenDistance(p);
            pointOnCurve = p;
        }
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCurve::getOffsetCurves(double, AcDbVoidPtrArray&) const
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::appendOffsetSpans(
    const AcDbVoidPtrArray& spans, double distance, AcDbVoidPtrArray& offsetCurves) const
{
    if (spans.isEmpty())
        return Acad::eInvalidOffset;
    for (int i = 0; i < spans.length(); ++i) {
        auto* span = static_cast<AcGeCurve3d*>(spans[i]);
        AcDbCurve* curve = DbGeometry::curveFromGe(*span);
        delete span;
        if (curve != nullptr && !isCleanOffset(*curve, distance)) {
            delete curve;
            curve = nullptr;
        }
        if (curve == nullptr) {
            for (int j = i + 1; j < spans.length(); ++j)
                delete static_cast<AcGeCurve3d*>(spans[j]);
            return Acad::eInvalidOffset;
        }
        copyEntityPropertiesTo(curve);
        offsetCurves.append(curve);
    }
    return Acad::eOk;
}

bool AcDbCurve::isCleanOffset(const AcDbCurve& offset, double distance) const
{
    DbCurveModel source, result;
    if (!buildModel(source) || !offset.buildModel(result))
        return false;
    // Fitted offsets (of ellipses, splines) may stray by a small fraction of the distance.
    const double least = std::fabs(distance) * (1.0 - 1e-2) - 1e-9;
    for (const DbCurveModel::Span& span : result.spans()) {
        constexpr int kSamples = 16;
        for (int i = 0; i <= kSamples; ++i) {
            AcGePoint3d p;
            result.evaluate(span.p0 + (span.p1 - span.p0) * i / kSamples, p, nullptr, nullptr);
            if (source.closestPoint(p, false).distanceTo(p) < least)
                return false;
        }
    }
    return true;
}

Acad::ErrorStatus AcDbCurve::splitAtParams(std::vector<double> params, AcDbVoidPtrArray& curveSegments) const
{
    DbCurveModel model;
    if (!buildModel(model) || model.empty())
        return Acad::eNotImplementedYet;
    if (params.empty())
        return Acad::eInvalidInput;
    const double start = model.startParam();
    const double end = model.endParam();
    const double eps = 1e-10 * std::max(1.0, std::isfinite(end - start) ? std::fabs(end - start) : 1.0);
    for (double& p : params) {
        if (std::isfinite(start) && p < start - eps)
            return Acad::eInvalidInput;
        if (std::isfinite(end) && p > end + eps)
            return Acad::eInvalidInput;
        if (isClosed() && std::fabs(p - end) <= eps)
            p = start;
    }
    std::sort(params.begin(), params.end());
    params.erase(
        std::unique(params.begin(), params.end(), [&](double a, double b) { return b - a <= eps; }), params.end());
    std::vector<std::pair<double, double>> ranges;
    if (isClosed()) {
        // A closed curve opens at its first point and closes across its start.
        if (isPeriodic() && params.size() < 2)
            return Acad::eInvalidInput;
        for (std::size_t i = 0; i + 1 < params.size(); ++i)
            ranges.emplace_back(params[i], params[i + 1]);
        ranges.emplace_back(params.back(), params.front() + (end - start));
    } else {
        std::vector<double> cuts { start };
        for (double p : params)
            if (p - cuts.back() > eps && (!std::isfinite(end) || end - p > eps))
                cuts.push_back(p);
        cuts.push_back(end);
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i)
            ranges.emplace_back(cuts[i], cuts[i + 1]);
    }
    // Spans made before a failure stay in the array, as the platform leaves them.
    for (const auto& [p0, p1] : ranges) {
        AcDbCurve* span = subCurve(p0, p1);
        if (span == nullptr)
            return Acad::eGeneralModelingFailure;
        copyEntityPropertiesTo(span);
        curveSegments.append(span);
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCurve::getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const
{
    std::vector<double> list;
    for (int i = 0; i < params.length(); ++i)
        list.push_back(params[i]);
    return splitAtParams(std::move(list), curveSegments);
}

Acad::ErrorStatus AcDbCurve::getSplitCurves(const AcGePoint3dArray& points, AcDbVoidPtrArray& curveSegments) const
{
    DbCurveModel model;
    if (!buildModel(model) || model.empty())
        return Acad::eNotImplementedYet;
    std::vector<double> list;
    for (int i = 0; i < points.length(); ++i) {
        double p = 0.0;
        if (!model.paramOf(points[i], p))
            return Acad::eInvalidInput;
        list.push_back(p);
    }
    return splitAtParams(std::move(list), curveSegments);
}

Acad::ErrorStatus AcDbCurve::extend(double)
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::extend(bool, const AcGePoint3d&)
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getArea(double& area) const
{
    DbCurveModel model;
    if (!buildModel(model) || model.empty())
        return Acad::eNotImplementedYet;
    if (!std::isfinite(model.startParam()) || !std::isfinite(model.endParam()))
        return Acad::eNotApplicable;
    // The area swept from the origin along the curve and back along the closing chord.
    AcGeVector3d swept;
    for (const DbCurveModel::Span& span : model.spans()) {
        const double g1 = span.g0 + (span.p1 - span.origin) * span.scale;
        swept += span.curve->sweptArea(span.g0 + (span.p0 - span.origin) * span.scale, g1);
    }
    AcGePoint3d s, e;
    model.evaluate(model.startParam(), s, nullptr, nullptr);
    model.evaluate(model.endParam(), e, nullptr, nullptr);
    swept += e.asVector().crossProduct(s.asVector()) * 0.5;
    area = swept.length();
    return Acad::eOk;
}
