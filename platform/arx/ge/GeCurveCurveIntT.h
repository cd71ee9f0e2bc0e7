// What the plane and space curve intersectors do alike, written once over the curve base
// class: the numerical search between two curves, and the bookkeeping of the found points
// (kept ordered by the parameter of curve 1) and overlaps.
#pragma once

#include "AcGeInterval.h"
#include "AcGeTol.h"
#include "GeCurveIntersect.h"
#include "GeDimTraits.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace GeCurveCurveIntT {

// Crossings of a over ra and b over rb, both ranges bounded.
template <class Curve, class Hit>
void search(const Curve& a, const AcGeInterval& ra, const Curve& b, const AcGeInterval& rb, double tol,
            std::vector<Hit>& hits)
{
    using Point = typename GeDimTraits<Curve>::Point;
    using Vector = typename GeDimTraits<Curve>::Vector;
    auto e1 = [&a](double t, Vector* d1, Vector* d2) { return a.evaluate(t, d1, d2); };
    auto e2 = [&b](double t, Vector* d1, Vector* d2) { return b.evaluate(t, d1, d2); };
    for (const auto& h : GeCurveIntersect::search<Point, Vector>(e1, a.breakParams(), ra.lowerBound(),
                                                                 ra.upperBound(), e2, b.breakParams(),
                                                                 rb.lowerBound(), rb.upperBound(), tol))
        hits.push_back({h.param1, h.param2});
}

template <class Hit>
void sortByCurve1(std::vector<Hit>& hits)
{
    std::sort(hits.begin(), hits.end(), [](const Hit& x, const Hit& y) { return x.param1 < y.param1; });
}

// Whether the curves touch there without crossing (parallel tangents).
template <class Curve, class Hit>
bool isTangential(const Curve& curve1, const Curve& curve2, const Hit& h)
{
    typename GeDimTraits<Curve>::Vector d1, d2;
    curve1.evaluate(h.param1, &d1, nullptr);
    curve2.evaluate(h.param2, &d2, nullptr);
    // Numerical contacts are found to about 1e-6 in direction.
    AcGeTol angular;
    angular.setEqualVector(1e-6);
    return d1.isParallelTo(d2, angular);
}

template <class Curve, class Hit, class Overlap>
void swapCurves(const Curve*& curve1, const Curve*& curve2, std::vector<Hit>& hits, std::vector<Overlap>& overlaps)
{
    std::swap(curve1, curve2);
    for (Hit& h : hits)
        std::swap(h.param1, h.param2);
    for (Overlap& o : overlaps)
        std::swap(o.range1, o.range2);
    sortByCurve1(hits);
}

} // namespace GeCurveCurveIntT
