// The shared evaluation of database curves over their geometry-library spans.
#include "DbCurveModel.h"

#include "AcGeCircArc3d.h"
#include "AcGeEllipArc3d.h"
#include "AcGeLine3d.h"
#include "AcGeLineSeg3d.h"
#include "AcGeRay3d.h"
#include "GeNumerics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

using GeNumerics::kTwoPi;

// The natural extension of one span: forward, backward or both ways.
AcGeCurve3d* extendedSpan(const AcGeCurve3d& curve, bool backward, bool forward)
{
    switch (curve.type()) {
    case AcGe::kLineSeg3d: {
        const auto& seg = static_cast<const AcGeLineSeg3d&>(curve);
        if (seg.length() <= 0.0)
            return curve.copy();
        if (backward && forward)
            return new AcGeLine3d(seg.startPoint(), seg.endPoint());
        if (backward)
            return new AcGeRay3d(seg.endPoint(), seg.startPoint() - seg.endPoint());
        return new AcGeRay3d(seg.startPoint(), seg.endPoint() - seg.startPoint());
    }
    case AcGe::kRay3d: {
        if (!backward)
            return curve.copy();
        const auto& ray = static_cast<const AcGeRay3d&>(curve);
        return new AcGeLine3d(ray.pointOnLine(), ray.direction());
    }
    case AcGe::kCircArc3d: {
        auto* arc = static_cast<AcGeCircArc3d*>(curve.copy());
        arc->setAngles(0.0, kTwoPi);
        return arc;
    }
    case AcGe::kEllipArc3d: {
        auto* ell = static_cast<AcGeEllipArc3d*>(curve.copy());
        ell->setAngles(0.0, kTwoPi);
        return ell;
    }
    default:
        return curve.copy();
    }
}

} // namespace

void DbCurveModel::add(AcGeCurve3d* curve, double p0, double p1, double g0, double g1)
{
    Span span;
    span.curve.reset(curve);
    span.p0 = p0;
    span.p1 = p1;
    span.origin = p0;
    span.g0 = g0;
    span.scale = p1 != p0 ? (g1 - g0) / (p1 - p0) : 0.0;
    mSpans.push_back(std::move(span));
}

void DbCurveModel::addUnbounded(AcGeCurve3d* curve, double p0, double p1)
{
    Span span;
    span.curve.reset(curve);
    span.p0 = p0;
    span.p1 = p1;
    span.origin = 0.0;
    span.g0 = 0.0;
    span.scale = 1.0;
    mSpans.push_back(std::move(span));
}

double DbCurveModel::onCurveTolerance(const AcGePoint3d& point)
{
    // Points found by intersection carry rounding in proportion to their coordinates.
    const double size = std::max({ std::fabs(point.x), std::fabs(point.y), std::fabs(point.z), 1.0 });
    return std::max(AcGeContext::gTol.equalPoint(), 1e-9 * size);
}

bool DbCurveModel::inRange(double param) const
{
    if (mSpans.empty())
        return false;
    if (mAnyParam)
        return std::isfinite(param);
    const double span = std::isfinite(endParam() - startParam()) ? endParam() - startParam() : 1.0;
    const double eps = 1e-12 * std::max(1.0, std::fabs(span));
    return param >= startParam() - eps && param <= endParam() + eps;
}

int DbCurveModel::spanAt(double param) const
{
    // At a joint the outgoing span answers; at the end, the last span.
    const int n = static_cast<int>(mSpans.size());
    for (int i = 0; i < n; ++i)
        if (param < mSpans[static_cast<std::size_t>(i)].p1)
            return i;
    return n - 1;
}

Acad::ErrorStatus DbCurveModel::evaluate(double param, AcGePoint3d& point, AcGeVector3d* d1, AcGeVector3d* d2) const
{
    if (!inRange(param))
        return Acad::eInvalidInput;
    const Span& span = mSpans[static_cast<std::size_t>(spanAt(param))];
    AcGeVector3d v1, v2;
    point = span.curve->evaluate(ownParam(span, param), &v1, &v2);
    if (d1)
        *d1 = v1 * span.scale;
    if (d2)
        *d2 = v2 * (span.scale * span.scale);
    return Acad::eOk;
}

bool DbCurveModel::paramOf(const AcGePoint3d& point, double& param) const
{
    const double tol = onCurveTolerance(point);
    bool found = false;
    double bestDist = std::numeric_limits<double>::max();
    for (const Span& span : mSpans) {
        const AcGePoint3d near = span.curve->closestPointTo(point);
        const double dist = near.distanceTo(point);
        if (dist > tol || dist >= bestDist - 1e-15)
            continue;
        const double g = span.curve->paramOf(near);
        double p = span.scale != 0.0 ? span.origin + (g - span.g0) / span.scale : span.origin;
        if (std::isfinite(span.p0) && std::isfinite(span.p1))
            p = std::clamp(p, span.p0, span.p1);
        param = p;
        bestDist = dist;
        found = true;
    }
    // The start wins over the end of a closed curve, which is the same point.
    if (found && mClosed && std::fabs(param - endParam()) < 1e-12 * std::max(1.0, std::fabs(endParam())))
        param = startParam();
    return found;
}

std::vector<std::unique_ptr<AcGeCurve3d>> DbCurveModel::curves(bool extend) const
{
    std::vector<std::unique_ptr<AcGeCurve3d>> out;
    const std::size_t n = mSpans.size();
    for (std::size_t i = 0; i < n; ++i) {
        const bool backward = extend && !mClosed && i == 0;
        const bool forward = extend && !mClosed && i + 1 == n;
        if (backward || forward)
            out.emplace_back(extendedSpan(*mSpans[i].curve, backward, forward));
        else
            out.emplace_back(mSpans[i].curve->copy());
    }
    return out;
}

AcGePoint3d DbCurveModel::closestPoint(const AcGePoint3d& point, bool extend) const
{
    AcGePoint3d best = point;
    double bestDist = std::numeric_limits<double>::max();
    for (const auto& curve : curves(extend)) {
        const AcGePoint3d near = curve->closestPointTo(point);
        const double dist = near.distanceTo(point);
        if (dist < bestDist) {
            bestDist = dist;
            best = near;
        }
    }
    return best;
}

bool DbCurveModel::lengthTo(double param, double& length) const
{
    if (!inRange(param) || !std::isfinite(startParam()))
        return false;
    length = 0.0;
    for (const Span& span : mSpans) {
        const double to = std::min(param, span.p1);
        if (to <= span.p0 && &span != &mSpans.front())
            break;
        const double g1 = ownParam(span, to);
        const double along = span.curve->length(span.g0, g1);
        length += to < span.p0 ? -along : along;
        if (param <= span.p1)
            break;
    }
    return true;
}

bool DbCurveModel::paramAtLength(double length, double& param) const
{
    if (mSpans.empty() || !std::isfinite(startParam()) || length < -1e-12)
        return false;
    double left = std::max(length, 0.0);
    for (const Span& span : mSpans) {
        const double g1 = ownParam(span, span.p1);
        const double spanLength = std::isfinite(span.p1) ? span.curve->length(span.g0, g1) : HUGE_VAL;
        if (left <= spanLength || &span == &mSpans.back()) {
            if (left > spanLength * (1.0 + 1e-12) + 1e-12)
                return false;
            const double g = span.curve->paramAtLength(span.g0, std::min(left, spanLength), span.scale >= 0.0);
            param = span.scale != 0.0 ? span.origin + (g - span.g0) / span.scale : span.origin;
            if (std::isfinite(span.p1))
                param = std::clamp(param, span.p0, span.p1);
            return true;
        }
        left -= spanLength;
    }
    return false;
}
