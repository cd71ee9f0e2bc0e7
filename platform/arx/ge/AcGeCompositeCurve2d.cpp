// Plane composite curves: every query is answered piece by piece with the pieces' own
// (mostly closed-form) answers, then mapped to the composite's parameter.
#include "AcGeCompositeCurve2d.h"

#include "GeOffset.h"

#include <algorithm>
#include <cmath>
#include <limits>

AcGeCompositeCurve2d::AcGeCompositeCurve2d(const AcGeVoidPointerArray& curveList)
{
    setCurveList(curveList);
}

AcGeCompositeCurve2d::AcGeCompositeCurve2d(const AcGeCompositeCurve2d& other) : AcGeCurve2d(other)
{
    *this = other;
}

AcGeCompositeCurve2d& AcGeCompositeCurve2d::operator=(const AcGeCompositeCurve2d& other)
{
    if (this == &other)
        return *this;
    mCurves.clear();
    for (const auto& c : other.mCurves)
        mCurves.emplace_back(c->copy());
    mOffsets = other.mOffsets;
    return *this;
}

void AcGeCompositeCurve2d::getCurveList(AcGeVoidPointerArray& curveList) const
{
    for (const auto& c : mCurves)
        curveList.append(c->copy());
}

AcGeCompositeCurve2d& AcGeCompositeCurve2d::setCurveList(const AcGeVoidPointerArray& curveList)
{
    mCurves.clear();
    for (void* p : curveList)
        if (p)
            mCurves.emplace_back(static_cast<AcGeCurve2d*>(p));
    updateOffsets();
    return *this;
}

void AcGeCompositeCurve2d::updateOffsets()
{
    mOffsets.clear();
    double offset = 0.0;
    for (const auto& c : mCurves) {
        mOffsets.push_back(offset);
        AcGeInterval range;
        c->getInterval(range);
        offset += range.isBounded() ? range.length() : 0.0;
    }
    mOffsets.push_back(offset);
}

double AcGeCompositeCurve2d::pieceEnd(int i) const
{
    return mOffsets[static_cast<std::size_t>(i) + 1];
}

double AcGeCompositeCurve2d::globalToLocalParam(double param, int& segNum) const
{
    segNum = 0;
    if (mCurves.empty())
        return param;
    while (segNum + 1 < numCurves() && param >= pieceEnd(segNum))
        ++segNum;
    AcGeInterval range;
    mCurves[static_cast<std::size_t>(segNum)]->getInterval(range);
    return range.lowerBound() + (param - pieceStart(segNum));
}

double AcGeCompositeCurve2d::localToGlobalParam(double param, int segNum) const
{
    if (segNum < 0 || segNum >= numCurves())
        return param;
    AcGeInterval range;
    mCurves[static_cast<std::size_t>(segNum)]->getInterval(range);
    return pieceStart(segNum) + (param - range.lowerBound());
}

bool AcGeCompositeCurve2d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kCompositeCrv2d || AcGeCurve2d::isKindOf(entType);
}

void AcGeCompositeCurve2d::getInterval(AcGeInterval& range) const
{
    range.set(0.0, mOffsets.empty() ? 0.0 : mOffsets.back());
}

bool AcGeCompositeCurve2d::setInterval(const AcGeInterval& range)
{
    if (mCurves.empty() || !range.isBounded())
        return false;
    int first = 0, last = 0;
    const double a = globalToLocalParam(range.lowerBound(), first);
    const double b = globalToLocalParam(range.upperBound(), last);
    std::vector<std::unique_ptr<AcGeCurve2d>> kept;
    for (int i = first; i <= last; ++i) {
        auto& c = mCurves[static_cast<std::size_t>(i)];
        AcGeInterval own;
        c->getInterval(own);
        const double lo = i == first ? a : own.lowerBound();
        const double hi = i == last ? b : own.upperBound();
        if (hi - lo <= 1e-12)
            continue;
        if ((lo != own.lowerBound() || hi != own.upperBound()) && !c->setInterval(AcGeInterval(lo, hi)))
            return false;
        kept.push_back(std::move(c));
    }
    mCurves = std::move(kept);
    updateOffsets();
    return true;
}

AcGeCompositeCurve2d& AcGeCompositeCurve2d::reverseParam()
{
    std::reverse(mCurves.begin(), mCurves.end());
    for (auto& c : mCurves)
        c->reverseParam();
    updateOffsets();
    return *this;
}

AcGePoint2d AcGeCompositeCurve2d::evaluate(double t, AcGeVector2d* d1, AcGeVector2d* d2) const
{
    if (mCurves.empty()) {
        if (d1)
            *d1 = AcGeVector2d::kIdentity;
        if (d2)
            *d2 = AcGeVector2d::kIdentity;
        return AcGePoint2d::kOrigin;
    }
    int seg = 0;
    const double local = globalToLocalParam(t, seg);
    return mCurves[static_cast<std::size_t>(seg)]->evaluate(local, d1, d2);
}

AcGeVector2d AcGeCompositeCurve2d::higherDeriv(double t, int order) const
{
    if (mCurves.empty())
        return AcGeVector2d::kIdentity;
    int seg = 0;
    const double local = globalToLocalParam(t, seg);
    AcGeVector2dArray derivs;
    mCurves[static_cast<std::size_t>(seg)]->evalPoint(local, order, derivs);
    return derivs[order - 1];
}

std::vector<double> AcGeCompositeCurve2d::breakParams() const
{
    std::vector<double> result;
    for (int i = 0; i < numCurves(); ++i) {
        if (i > 0)
            result.push_back(pieceStart(i));
        for (double k : mCurves[static_cast<std::size_t>(i)]->breakParams())
            result.push_back(localToGlobalParam(k, i));
    }
    return result;
}

double AcGeCompositeCurve2d::paramOf(const AcGePoint2d& pnt, const AcGeTol& tol) const
{
    double best = 0.0;
    double bestDist = std::numeric_limits<double>::max();
    for (int i = 0; i < numCurves(); ++i) {
        const AcGeCurve2d& c = *mCurves[static_cast<std::size_t>(i)];
        const AcGePoint2d q = c.closestPointTo(pnt, tol);
        const double d = q.distanceTo(pnt);
        // Strictly nearer only, so a joint point belongs to the earlier piece's end.
        if (d < bestDist - tol.equalPoint() * 1e-3) {
            bestDist = d;
            best = localToGlobalParam(c.paramOf(q, tol), i);
        }
    }
    return best;
}

AcGePoint2d AcGeCompositeCurve2d::closestPointTo(const AcGePoint2d& pnt, const AcGeTol& tol) const
{
    return evalPoint(paramOf(pnt, tol));
}

template <class Sum, class F>
Sum AcGeCompositeCurve2d::sumOverPieces(double t0, double t1, Sum zero, F f) const
{
    const double sign = t1 < t0 ? -1.0 : 1.0;
    const double a = std::min(t0, t1);
    const double b = std::max(t0, t1);
    Sum sum = zero;
    for (int i = 0; i < numCurves(); ++i) {
        const double lo = std::max(a, pieceStart(i));
        const double hi = std::min(b, pieceEnd(i));
        if (hi <= lo)
            continue;
        AcGeInterval own;
        mCurves[static_cast<std::size_t>(i)]->getInterval(own);
        const double shift = own.lowerBound() - pieceStart(i);
        sum = sum + f(*mCurves[static_cast<std::size_t>(i)], lo + shift, hi + shift);
    }
    return sum * sign;
}

double AcGeCompositeCurve2d::length(double fromParam, double toParam, double tol) const
{
    return std::fabs(sumOverPieces(fromParam, toParam, 0.0, [tol](const AcGeCurve2d& c, double a, double b) {
        return c.length(a, b, tol);
    }));
}

double AcGeCompositeCurve2d::paramAtLength(double datumParam, double len, bool posParamDir, double tol) const
{
    if (mCurves.empty())
        return datumParam;
    // Walk whole pieces until the remaining length falls inside one.
    const double total = mOffsets.back();
    double t = std::clamp(datumParam, 0.0, total);
    double remaining = len;
    int seg = 0;
    globalToLocalParam(t, seg);
    if (!posParamDir && seg > 0 && t <= pieceStart(seg))
        --seg;
    while (true) {
        const double limit = posParamDir ? pieceEnd(seg) : pieceStart(seg);
        const double piece = length(t, limit, tol);
        const bool lastPiece = posParamDir ? seg + 1 == numCurves() : seg == 0;
        if (piece >= remaining || lastPiece) {
            const AcGeCurve2d& c = *mCurves[static_cast<std::size_t>(seg)];
            AcGeInterval own;
            c.getInterval(own);
            const double shift = own.lowerBound() - pieceStart(seg);
            return c.paramAtLength(t + shift, remaining, posParamDir, tol) - shift;
        }
        remaining -= piece;
        t = limit;
        seg += posParamDir ? 1 : -1;
    }
}

double AcGeCompositeCurve2d::sweptArea(double t0, double t1) const
{
    return sumOverPieces(t0, t1, 0.0, [](const AcGeCurve2d& c, double a, double b) { return c.sweptArea(a, b); });
}

AcGeCompositeCurve2d& AcGeCompositeCurve2d::transformBy(const AcGeMatrix2d& xfm)
{
    for (auto& c : mCurves)
        c->transformBy(xfm);
    updateOffsets();
    return *this;
}

void AcGeCompositeCurve2d::getTrimmedOffset(double distance, AcGeVoidPointerArray& offsetCurveList,
                                            AcGe::OffsetCrvExtType extensionType, const AcGeTol& tol) const
{
    std::vector<const AcGeCurve2d*> pieces;
    for (const auto& c : mCurves)
        pieces.push_back(c.get());
    if (AcGeCurve2d* offset = GeOffset::offsetChain(pieces, isClosed(tol), distance, extensionType, tol))
        offsetCurveList.append(offset);
}
