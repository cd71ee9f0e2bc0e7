// Plane curve intersection: curves are broken into simple pieces (segments, arcs, smooth
// curves), every pair of pieces is intersected by the method for its kinds, and the
// results are mapped back to the curves' own parameters.
#include "AcGeCurveCurveInt2d.h"

#include "AcGeCircArc2d.h"
#include "AcGeCompositeCurve2d.h"
#include "AcGeLine2d.h"
#include "AcGeLineSeg2d.h"
#include "AcGeLinearEnt2d.h"
#include "AcGePolyline2d.h"
#include "GeCurveCurveIntT.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

namespace {

using Hit = AcGeCurveCurveInt2d::Hit;
using Overlap = AcGeCurveCurveInt2d::Overlap;

// A simple piece of a curve; the curve's parameter is offset + scale * the piece's.
struct Piece {
    std::unique_ptr<AcGeCurve2d> owned;
    const AcGeCurve2d* curve;
    double offset;
    double scale;
};

void collectPieces(const AcGeCurve2d& c, double offset, double scale, std::vector<Piece>& out)
{
    if (c.type() == AcGe::kCompositeCrv2d) {
        const auto& comp = static_cast<const AcGeCompositeCurve2d&>(c);
        AcGeVoidPointerArray list;
        comp.getCurveList(list);
        for (int i = 0; i < list.length(); ++i) {
            std::unique_ptr<AcGeCurve2d> piece(static_cast<AcGeCurve2d*>(list[i]));
            AcGeInterval own;
            piece->getInterval(own);
            const double start = comp.localToGlobalParam(own.lowerBound(), i);
            std::vector<Piece> sub;
            collectPieces(*piece, offset + scale * (start - own.lowerBound()), scale, sub);
            for (Piece& p : sub) {
                if (!p.owned && p.curve == piece.get())
                    p.owned = std::move(piece);
                out.push_back(std::move(p));
            }
        }
        return;
    }
    if (c.type() == AcGe::kPolyline2d) {
        const auto& pl = static_cast<const AcGePolyline2d&>(c);
        for (int i = 0; i + 1 < pl.numFitPoints(); ++i) {
            const double k0 = pl.knotAt(i + 1);
            const double k1 = pl.knotAt(i + 2);
            auto seg = std::make_unique<AcGeLineSeg2d>(pl.fitPointAt(i), pl.fitPointAt(i + 1));
            const AcGeCurve2d* raw = seg.get();
            out.push_back({std::move(seg), raw, offset + scale * k0, scale * (k1 - k0)});
        }
        return;
    }
    out.push_back({nullptr, &c, offset, scale});
}

void addPoint(const AcGeCurve2d& c1, const AcGeCurve2d& c2, const AcGePoint2d& p, const AcGeTol& tol,
              std::vector<Hit>& hits)
{
    hits.push_back({c1.paramOf(p, tol), c2.paramOf(p, tol)});
}

// Collinear linear pieces: the common stretch as an overlap, or a single touching point.
void lineOverlap(const AcGeLinearEnt2d& a, const AcGeLinearEnt2d& b, const AcGeTol& tol, std::vector<Hit>& hits,
                 std::vector<Overlap>& overlaps)
{
    AcGeLinearEnt2d* common = nullptr;
    if (!a.overlap(b, common, tol))
        return;
    std::unique_ptr<AcGeLinearEnt2d> owned(common);
    AcGeInterval range;
    common->getInterval(range);
    AcGePoint2d p0, p1;
    const bool bounded = common->hasStartPoint(p0) && common->hasEndPoint(p1);
    if (bounded && p0.isEqualTo(p1, tol)) {
        addPoint(a, b, p0, tol, hits);
        return;
    }
    AcGeInterval r1, r2;
    if (bounded) {
        r1.set(a.paramOf(p0), a.paramOf(p1));
        r2.set(b.paramOf(p0), b.paramOf(p1));
    } else {
        a.getInterval(r1);
        b.getInterval(r2);
    }
    overlaps.push_back({r1, r2});
}

// Arcs of one circle: the common angular stretches as overlaps (or touching ends as points).
void arcOverlap(const AcGeCircArc2d& a, const AcGeCircArc2d& b, const AcGeTol& tol, std::vector<Hit>& hits,
                std::vector<Overlap>& overlaps)
{
    // Walk b's end points and a's end points that lie on the other arc, in a's parameter.
    std::vector<double> cuts;
    for (const AcGePoint2d& p : {a.startPoint(), a.endPoint(), b.startPoint(), b.endPoint()})
        if (a.isOnArc(p, tol) && b.isOnArc(p, tol))
            cuts.push_back(a.paramOf(p, tol));
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end(), [&](double x, double y) { return (y - x) * a.radius() <= tol.equalPoint(); }),
               cuts.end());
    for (std::size_t i = 0; i < cuts.size(); ++i) {
        const AcGePoint2d p = a.evalPoint(cuts[i]);
        const bool last = i + 1 == cuts.size();
        const AcGePoint2d mid = last ? p : a.evalPoint(0.5 * (cuts[i] + cuts[i + 1]));
        if (!last && b.isOnArc(mid, tol)) {
            const AcGePoint2d q = a.evalPoint(cuts[i + 1]);
            overlaps.push_back({AcGeInterval(cuts[i], cuts[i + 1]), AcGeInterval(b.paramOf(p, tol), b.paramOf(q, tol))});
            ++i;
            continue;
        }
        const bool inOverlap = i > 0 && b.isOnArc(a.evalPoint(0.5 * (cuts[i - 1] + cuts[i])), tol);
        if (!inOverlap)
            addPoint(a, b, p, tol, hits);
    }
}

// Limits an unbounded line's range to the stretch alongside the other (bounded) curve.
void boundNear(const AcGeLinearEnt2d& line, const AcGeCurve2d& other, AcGeInterval& range)
{
    AcGeLine2d full;
    line.getLine(full);
    AcGePoint2dArray pts;
    other.getSamplePoints(65, pts);
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    for (const AcGePoint2d& q : pts) {
        lo = std::min(lo, full.paramOf(q));
        hi = std::max(hi, full.paramOf(q));
    }
    const double margin = 0.1 * (hi - lo) + 1.0;
    range.set(range.clamp(lo - margin), range.clamp(hi + margin));
}

void intersectPieces(const AcGeCurve2d& a, const AcGeCurve2d& b, const AcGeTol& tol, std::vector<Hit>& hits,
                     std::vector<Overlap>& overlaps)
{
    const bool linA = a.isKindOf(AcGe::kLinearEnt2d);
    const bool linB = b.isKindOf(AcGe::kLinearEnt2d);
    const bool arcA = a.type() == AcGe::kCircArc2d;
    const bool arcB = b.type() == AcGe::kCircArc2d;
    AcGePoint2d p[2];
    int n = 0;
    if (linA && linB) {
        const auto& la = static_cast<const AcGeLinearEnt2d&>(a);
        const auto& lb = static_cast<const AcGeLinearEnt2d&>(b);
        if (la.isParallelTo(lb, tol))
            lineOverlap(la, lb, tol, hits, overlaps);
        else if (la.intersectWith(lb, p[0], tol))
            addPoint(a, b, p[0], tol, hits);
        return;
    }
    if ((arcA && linB) || (linA && arcB)) {
        const auto& arc = static_cast<const AcGeCircArc2d&>(arcA ? a : b);
        const auto& line = static_cast<const AcGeLinearEnt2d&>(arcA ? b : a);
        arc.intersectWith(line, n, p[0], p[1], tol);
        for (int i = 0; i < n; ++i)
            addPoint(a, b, p[i], tol, hits);
        return;
    }
    if (arcA && arcB) {
        const auto& ca = static_cast<const AcGeCircArc2d&>(a);
        const auto& cb = static_cast<const AcGeCircArc2d&>(b);
        if (ca.center().isEqualTo(cb.center(), tol) && std::fabs(ca.radius() - cb.radius()) <= tol.equalPoint()) {
            arcOverlap(ca, cb, tol, hits, overlaps);
            return;
        }
        ca.intersectWith(cb, n, p[0], p[1], tol);
        for (int i = 0; i < n; ++i)
            addPoint(a, b, p[i], tol, hits);
        return;
    }
    AcGeInterval ra, rb;
    a.getInterval(ra);
    b.getInterval(rb);
    if (!ra.isBounded())
        boundNear(static_cast<const AcGeLinearEnt2d&>(a), b, ra);
    if (!rb.isBounded())
        boundNear(static_cast<const AcGeLinearEnt2d&>(b), a, rb);
    GeCurveCurveIntT::search(a, ra, b, rb, tol.equalPoint(), hits);
}

} // namespace

AcGeCurveCurveInt2d::AcGeCurveCurveInt2d(const AcGeCurve2d& curve1, const AcGeCurve2d& curve2, const AcGeTol& tol)
{
    set(curve1, curve2, tol);
}

AcGeCurveCurveInt2d& AcGeCurveCurveInt2d::set(const AcGeCurve2d& curve1, const AcGeCurve2d& curve2,
                                              const AcGeTol& tol)
{
    mCurve1 = &curve1;
    mCurve2 = &curve2;
    mTol = tol;
    compute();
    return *this;
}

void AcGeCurveCurveInt2d::compute()
{
    mHits.clear();
    mOverlaps.clear();
    std::vector<Piece> pa, pb;
    collectPieces(*mCurve1, 0.0, 1.0, pa);
    collectPieces(*mCurve2, 0.0, 1.0, pb);
    std::vector<Hit> hits;
    for (const Piece& a : pa) {
        for (const Piece& b : pb) {
            std::vector<Hit> local;
            std::vector<Overlap> localOverlaps;
            intersectPieces(*a.curve, *b.curve, mTol, local, localOverlaps);
            for (const Hit& h : local)
                hits.push_back({a.offset + a.scale * h.param1, b.offset + b.scale * h.param2});
            for (const Overlap& o : localOverlaps)
                mOverlaps.push_back({AcGeInterval(a.offset + a.scale * o.range1.lowerBound(),
                                                  a.offset + a.scale * o.range1.upperBound()),
                                     AcGeInterval(b.offset + b.scale * o.range2.lowerBound(),
                                                  b.offset + b.scale * o.range2.upperBound())});
        }
    }
    // Points where pieces join are found twice; points inside an overlap are not points.
    GeCurveCurveIntT::sortByCurve1(hits);
    for (const Hit& h : hits) {
        const AcGePoint2d p = mCurve1->evalPoint(h.param1);
        bool keep = true;
        for (const Hit& k : mHits)
            keep = keep && !mCurve1->evalPoint(k.param1).isEqualTo(p, mTol);
        for (const Overlap& o : mOverlaps)
            keep = keep && !(o.range1.contains(h.param1, 0.0) && h.param1 > o.range1.lowerBound() &&
                             h.param1 < o.range1.upperBound());
        if (keep)
            mHits.push_back(h);
    }
}

AcGePoint2d AcGeCurveCurveInt2d::intPoint(int intNum) const
{
    return mCurve1->evalPoint(mHits.at(static_cast<std::size_t>(intNum)).param1);
}

void AcGeCurveCurveInt2d::getIntParams(int intNum, double& param1, double& param2) const
{
    const Hit& h = mHits.at(static_cast<std::size_t>(intNum));
    param1 = h.param1;
    param2 = h.param2;
}

void AcGeCurveCurveInt2d::getPointOnCurve1(int intNum, AcGePointOnCurve2d& pntOnCrv) const
{
    pntOnCrv.setCurve(*mCurve1).setParameter(mHits.at(static_cast<std::size_t>(intNum)).param1);
}

void AcGeCurveCurveInt2d::getPointOnCurve2(int intNum, AcGePointOnCurve2d& pntOnCrv) const
{
    pntOnCrv.setCurve(*mCurve2).setParameter(mHits.at(static_cast<std::size_t>(intNum)).param2);
}

bool AcGeCurveCurveInt2d::isTangential(int intNum) const
{
    return GeCurveCurveIntT::isTangential(*mCurve1, *mCurve2, mHits.at(static_cast<std::size_t>(intNum)));
}

void AcGeCurveCurveInt2d::getOverlapRanges(int overlapNum, AcGeInterval& range1, AcGeInterval& range2) const
{
    const Overlap& o = mOverlaps.at(static_cast<std::size_t>(overlapNum));
    range1 = o.range1;
    range2 = o.range2;
}

AcGeCurveCurveInt2d& AcGeCurveCurveInt2d::changeCurveOrder()
{
    GeCurveCurveIntT::swapCurves(mCurve1, mCurve2, mHits, mOverlaps);
    return *this;
}
