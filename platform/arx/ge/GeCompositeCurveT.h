// The owned chain of pieces behind the plane and space composite curves, written once over
// the curve base class: pieces laid end to end from parameter 0, every query answered by the
// pieces' own answers mapped to the chain's parameter. A copy copies the pieces.
#pragma once

#include "AcGeInterval.h"
#include "AcGeVoidPointerArray.h"
#include "GeDimTraits.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

template <class Curve>
class GeCompositeCurveT {
public:
    using Point = typename GeDimTraits<Curve>::Point;
    using Vector = typename GeDimTraits<Curve>::Vector;
    using VectorArray = typename GeDimTraits<Curve>::VectorArray;
    using Matrix = typename GeDimTraits<Curve>::Matrix;

    GeCompositeCurveT() = default;
    GeCompositeCurveT(const GeCompositeCurveT& other) { *this = other; }
    GeCompositeCurveT& operator=(const GeCompositeCurveT& other)
    {
        if (this == &other)
            return *this;
        mCurves.clear();
        for (const auto& c : other.mCurves)
            mCurves.emplace_back(c->copy());
        mOffsets = other.mOffsets;
        return *this;
    }

    int numCurves() const { return static_cast<int>(mCurves.size()); }
    bool isEmpty() const { return mCurves.empty(); }
    void getCurveList(AcGeVoidPointerArray& curveList) const
    {
        for (const auto& c : mCurves)
            curveList.append(c->copy());
    }
    // Takes the curves over; null entries are skipped.
    void setCurveList(const AcGeVoidPointerArray& curveList)
    {
        mCurves.clear();
        for (void* p : curveList)
            if (p)
                mCurves.emplace_back(static_cast<Curve*>(p));
        updateOffsets();
    }
    std::vector<const Curve*> pieces() const
    {
        std::vector<const Curve*> result;
        for (const auto& c : mCurves)
            result.push_back(c.get());
        return result;
    }

    double globalToLocalParam(double param, int& segNum) const
    {
        segNum = 0;
        if (mCurves.empty())
            return param;
        while (segNum + 1 < numCurves() && param >= pieceEnd(segNum))
            ++segNum;
        return ownStart(segNum) + (param - pieceStart(segNum));
    }
    double localToGlobalParam(double param, int segNum) const
    {
        if (segNum < 0 || segNum >= numCurves())
            return param;
        return pieceStart(segNum) + (param - ownStart(segNum));
    }

    void getInterval(AcGeInterval& range) const { range.set(0.0, mOffsets.empty() ? 0.0 : mOffsets.back()); }
    bool setInterval(const AcGeInterval& range)
    {
        if (mCurves.empty() || !range.isBounded())
            return false;
        int first = 0, last = 0;
        const double a = globalToLocalParam(range.lowerBound(), first);
        const double b = globalToLocalParam(range.upperBound(), last);
        std::vector<std::unique_ptr<Curve>> kept;
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
    void reverseParam()
    {
        std::reverse(mCurves.begin(), mCurves.end());
        for (auto& c : mCurves)
            c->reverseParam();
        updateOffsets();
    }
    Point evaluate(double t, Vector* d1, Vector* d2) const
    {
        if (mCurves.empty()) {
            if (d1)
                *d1 = Vector::kIdentity;
            if (d2)
                *d2 = Vector::kIdentity;
            return Point::kOrigin;
        }
        int seg = 0;
        const double local = globalToLocalParam(t, seg);
        return piece(seg).evaluate(local, d1, d2);
    }
    Vector higherDeriv(double t, int order) const
    {
        if (mCurves.empty())
            return Vector::kIdentity;
        int seg = 0;
        const double local = globalToLocalParam(t, seg);
        VectorArray derivs;
        piece(seg).evalPoint(local, order, derivs);
        return derivs[order - 1];
    }
    std::vector<double> breakParams() const
    {
        std::vector<double> result;
        for (int i = 0; i < numCurves(); ++i) {
            if (i > 0)
                result.push_back(pieceStart(i));
            for (double k : piece(i).breakParams())
                result.push_back(localToGlobalParam(k, i));
        }
        return result;
    }
    double paramOf(const Point& pnt, const AcGeTol& tol) const
    {
        double best = 0.0;
        double bestDist = std::numeric_limits<double>::max();
        for (int i = 0; i < numCurves(); ++i) {
            const Curve& c = piece(i);
            const Point q = c.closestPointTo(pnt, tol);
            const double d = q.distanceTo(pnt);
            // Strictly nearer only, so a joint point belongs to the earlier piece's end.
            if (d < bestDist - tol.equalPoint() * 1e-3) {
                bestDist = d;
                best = localToGlobalParam(c.paramOf(q, tol), i);
            }
        }
        return best;
    }
    double length(double fromParam, double toParam, double tol) const
    {
        return std::fabs(sumOverPieces(fromParam, toParam, 0.0,
                                       [tol](const Curve& c, double a, double b) { return c.length(a, b, tol); }));
    }
    double paramAtLength(double datumParam, double len, bool posParamDir, double tol) const
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
            const double pieceLength = length(t, limit, tol);
            const bool lastPiece = posParamDir ? seg + 1 == numCurves() : seg == 0;
            if (pieceLength >= remaining || lastPiece) {
                const double shift = shiftOf(seg);
                return piece(seg).paramAtLength(t + shift, remaining, posParamDir, tol) - shift;
            }
            remaining -= pieceLength;
            t = limit;
            seg += posParamDir ? 1 : -1;
        }
    }
    auto sweptArea(double t0, double t1) const
    {
        // A plane curve sweeps a signed number, a space curve a vector; both start from zero.
        using Area = decltype(std::declval<const Curve&>().sweptArea(t0, t1));
        return sumOverPieces(t0, t1, Area{}, [](const Curve& c, double a, double b) { return c.sweptArea(a, b); });
    }
    void transformBy(const Matrix& xfm)
    {
        for (auto& c : mCurves)
            c->transformBy(xfm);
        updateOffsets();
    }

private:
    const Curve& piece(int i) const { return *mCurves[static_cast<std::size_t>(i)]; }
    double pieceStart(int i) const { return mOffsets[static_cast<std::size_t>(i)]; }
    double pieceEnd(int i) const { return mOffsets[static_cast<std::size_t>(i) + 1]; }
    double ownStart(int i) const
    {
        AcGeInterval own;
        piece(i).getInterval(own);
        return own.lowerBound();
    }
    // What is added to the chain's parameter to get piece i's own.
    double shiftOf(int i) const { return ownStart(i) - pieceStart(i); }
    void updateOffsets()
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
    // Adds the integral f(piece, local t0, local t1) over the global range [t0, t1].
    template <class Sum, class F>
    Sum sumOverPieces(double t0, double t1, Sum zero, F f) const
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
            const double shift = shiftOf(i);
            sum = sum + f(piece(i), lo + shift, hi + shift);
        }
        return sum * sign;
    }

    std::vector<std::unique_ptr<Curve>> mCurves;
    std::vector<double> mOffsets;
};
