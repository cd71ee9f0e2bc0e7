// The shared evaluation of database curves over their geometry-library pieces.
#include "DbCurveModel.h"

#include "AcGeCircArc3d.h"
#include "AcGeEllipArc3d.h"
#include "AcGeLine3d.h"
#include "AcGeLineSeg3d.h"
#include "AcGeRay3d.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// The natural extension of one piece: forward, backward or both ways.
AcGeCurve3d* extendedPiece(const AcGeCurve3d& curve, bool backward, bool forward)
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
    Piece piece;
    piece.curve.reset(curve);
    piece.p0 = p0;
    piece.p1 = p1;
    piece.origin = p0;
    piece.g0 = g0;
    piece.scale = p1 != p0 ? (g1 - g0) / (p1 - p0) : 0.0;
    mPieces.push_back(std::move(piece));
}

void DbCurveModel::addUnbounded(AcGeCurve3d* curve, double p0, double p1)
{
    Piece piece;
    piece.curve.reset(curve);
    piece.p0 = p0;
    piece.p1 = p1;
    piece.origin = 0.0;
    piece.g0 = 0.0;
    piece.scale = 1.0;
    mPieces.push_back(std::move(piece));
}

double DbCurveModel::onCurveTolerance(const AcGePoint3d& point)
{
    // Points found by intersection carry rounding in proportion to their coordinates.
    const double size = std::max({ std::fabs(point.x), std::fabs(point.y), std::fabs(point.z), 1.0 });
    return std::max(AcGeContext::gTol.equalPoint(), 1e-9 * size);
}

bool DbCurveModel::inRange(double param) const
{
    if (mPieces.empty())
        return false;
    if (mAnyParam)
        return std::isfinite(param);
    const double span = std::isfinite(endParam() - startParam()) ? endParam() - startParam() : 1.0;
    const double eps = 1e-12 * std::max(1.0, std::fabs(span));
    return param >= startParam() - eps && param <= endParam() + eps;
}

int DbCurveModel::pieceAt(double param) const
{
    // At a joint the outgoing piece answers; at the end, the last piece.
    const int n = static_cast<int>(mPieces.size());
    for (int i = 0; i < n; ++i)
        if (param < mPieces[static_cast<std::size_t>(i)].p1)
            return i;
    return n - 1;
}

Acad::ErrorStatus DbCurveModel::evaluate(double param, AcGePoint3d& point, AcGeVector3d* d1, AcGeVector3d* d2) const
{
    if (!inRange(param))
        return Acad::eInvalidInput;
    const Piece& piece = mPieces[static_cast<std::size_t>(pieceAt(param))];
    AcGeVector3d v1, v2;
    point = piece.curve->evaluate(ownParam(piece, param), &v1, &v2);
    if (d1)
        *d1 = v1 * piece.scale;
    if (d2)
        *d2 = v2 * (piece.scale * piece.scale);
    return Acad::eOk;
}

bool DbCurveModel::paramOf(const AcGePoint3d& point, double& param) const
{
    const double tol = onCurveTolerance(point);
    bool found = false;
    double bestDist = std::numeric_limits<double>::max();
    for (const Piece& piece : mPieces) {
        const AcGePoint3d near = piece.curve->closestPointTo(point);
        const double dist = near.distanceTo(point);
        if (dist > tol || dist >= bestDist - 1e-15)
            continue;
        const double g = piece.curve->paramOf(near);
        double p = piece.scale != 0.0 ? piece.origin + (g - piece.g0) / piece.scale : piece.origin;
        if (std::isfinite(piece.p0) && std::isfinite(piece.p1))
            p = std::clamp(p, piece.p0, piece.p1);
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
    const std::size_t n = mPieces.size();
    for (std::size_t i = 0; i < n; ++i) {
        const bool backward = extend && !mClosed && i == 0;
        const bool forward = extend && !mClosed && i + 1 == n;
        if (backward || forward)
            out.emplace_back(extendedPiece(*mPieces[i].curve, backward, forward));
        else
            out.emplace_back(mPieces[i].curve->copy());
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
    for (const Piece& piece : mPieces) {
        const double to = std::min(param, piece.p1);
        if (to <= piece.p0 && &piece != &mPieces.front())
            break;
        const double g1 = ownParam(piece, to);
        const double part = piece.curve->length(piece.g0, g1);
        length += to < piece.p0 ? -part : part;
        if (param <= piece.p1)
            break;
    }
    return true;
}

bool DbCurveModel::paramAtLength(double length, double& param) const
{
    if (mPieces.empty() || !std::isfinite(startParam()) || length < -1e-12)
        return false;
    double left = std::max(length, 0.0);
    for (const Piece& piece : mPieces) {
        const double g1 = ownParam(piece, piece.p1);
        const double pieceLength = std::isfinite(piece.p1) ? piece.curve->length(piece.g0, g1) : HUGE_VAL;
        if (left <= pieceLength || &piece == &mPieces.back()) {
            if (left > pieceLength * (1.0 + 1e-12) + 1e-12)
                return false;
            const double g = piece.curve->paramAtLength(piece.g0, std::min(left, pieceLength), piece.scale >= 0.0);
            param = piece.scale != 0.0 ? piece.origin + (g - piece.g0) / piece.scale : piece.origin;
            if (std::isfinite(piece.p1))
                param = std::clamp(param, piece.p0, piece.p1);
            return true;
        }
        left -= pieceLength;
    }
    return false;
}
