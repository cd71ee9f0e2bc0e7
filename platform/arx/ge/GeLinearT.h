// The closed forms of the plane and space straight curves written once over the linear
// entity base: the entity is pointOnLine + t * vector, so evaluation, lengths along it and
// the common part of two collinear entities do not depend on the dimension. A friend of
// both bases, since it works on their defining point and vector.
#pragma once

#include "AcGeInterval.h"
#include "AcGeTol.h"

#include <algorithm>
#include <cmath>

template <class Linear>
struct GeLinearT {
    // Whether t lies in the range, allowing a distance tol along a vector of length len.
    static bool withinRange(const AcGeInterval& range, double t, double len, double tol)
    {
        return range.contains(t, len > 0.0 ? tol / len : 0.0);
    }

    // Whether s on a and t on b both lie within their entities, up to equalPoint beyond an end.
    static bool withinBoth(const Linear& a, double s, const Linear& b, double t, const AcGeTol& tol)
    {
        AcGeInterval r1, r2;
        a.getInterval(r1);
        b.getInterval(r2);
        return withinRange(r1, s, a.mVector.length(), tol.equalPoint()) &&
               withinRange(r2, t, b.mVector.length(), tol.equalPoint());
    }

    template <class Point, class Vector>
    static Point evaluate(const Linear& e, double t, Vector* d1, Vector* d2)
    {
        if (d1)
            *d1 = e.mVector;
        if (d2)
            *d2 = Vector::kIdentity;
        return e.mPoint + e.mVector * t;
    }

    static double paramAtLength(const Linear& e, double datumParam, double len, bool posParamDir)
    {
        const double vlen = e.mVector.length();
        if (vlen == 0.0)
            return datumParam;
        AcGeInterval range;
        e.getInterval(range);
        return range.clamp(datumParam + (posParamDir ? len : -len) / vlen);
    }

    // The common part of two collinear entities as a new Line, Ray or Seg; null where apart.
    template <class Line, class Ray, class Seg>
    static Linear* overlap(const Linear& e, const Linear& line, const AcGeTol& tol)
    {
        // Both ranges as parameters of e.
        AcGeInterval r1, r2;
        e.getInterval(r1);
        line.getInterval(r2);
        const double inf = HUGE_VAL;
        const bool sameDir = e.mVector.dotProduct(line.mVector) > 0.0;
        const double a = r2.isBoundedBelow() ? e.footParam(line.evalPoint(r2.lowerBound())) : (sameDir ? -inf : inf);
        const double b = r2.isBoundedAbove() ? e.footParam(line.evalPoint(r2.upperBound())) : (sameDir ? inf : -inf);
        const double lo2 = std::min(a, b);
        const double hi2 = std::max(a, b);
        const double lo = std::max(r1.isBoundedBelow() ? r1.lowerBound() : -HUGE_VAL, lo2);
        const double hi = std::min(r1.isBoundedAbove() ? r1.upperBound() : HUGE_VAL, hi2);
        const double len = e.mVector.length();
        if (hi < lo - tol.equalPoint() / len)
            return nullptr;
        if (std::isinf(lo) && std::isinf(hi))
            return new Line(e.mPoint, e.mVector);
        if (std::isinf(hi))
            return new Ray(e.evalPoint(lo), e.mVector);
        if (std::isinf(lo))
            return new Ray(e.evalPoint(hi), -e.mVector);
        return new Seg(e.evalPoint(lo), e.evalPoint(std::max(lo, hi)));
    }
};
