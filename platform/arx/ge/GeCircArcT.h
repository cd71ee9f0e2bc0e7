// The closed forms of the plane and space circular arcs written once over the arc class:
// both run center + radius (cos t refVec + sin t sideVec) over [startAng, endAng], so only
// how sideVec is found (the sense flag, the normal) is the dimension's own. A friend of
// both arcs, since it works on their frame and angles.
#pragma once

#include "AcGeInterval.h"
#include "AcGeTol.h"

#include <algorithm>
#include <cmath>
#include <numbers>

template <class Arc>
struct GeCircArcT {
    static constexpr double kTwoPi = 2.0 * std::numbers::pi;

    // startAng is brought into [0, 2pi) and the sweep into [0, 2pi].
    static void setAngles(Arc& arc, double startAng, double endAng)
    {
        double sweep = endAng - startAng;
        if (sweep < 0.0)
            sweep = std::fmod(sweep, kTwoPi) + kTwoPi;
        sweep = std::min(sweep, kTwoPi);
        arc.mStartAng = std::fmod(startAng, kTwoPi);
        if (arc.mStartAng < 0.0)
            arc.mStartAng += kTwoPi;
        arc.mEndAng = arc.mStartAng + sweep;
    }

    static bool setInterval(Arc& arc, const AcGeInterval& range)
    {
        if (!range.isBounded() || range.length() > kTwoPi + 1e-12)
            return false;
        // Keep the angles as given so that split pieces keep the parameters of their source.
        arc.mStartAng = range.lowerBound();
        arc.mEndAng = arc.mStartAng + std::min(range.length(), kTwoPi);
        return true;
    }

    static bool isClosed(const Arc& arc) { return arc.mEndAng - arc.mStartAng >= kTwoPi - 1e-12; }

    template <class Point>
    static double angleOf(const Arc& arc, const Point& pnt)
    {
        const auto v = pnt - arc.mCenter;
        double a = std::atan2(v.dotProduct(arc.sideVec()), v.dotProduct(arc.mRefVec));
        a = std::fmod(a - arc.mStartAng, kTwoPi);
        if (a < 0.0)
            a += kTwoPi;
        return arc.mStartAng + a;
    }

    // Allows equalPoint of arc length beyond either end.
    template <class Point>
    static bool isOnArc(const Arc& arc, const Point& pnt, const AcGeTol& tol)
    {
        const double a = angleOf(arc, pnt);
        const double slack = arc.mRadius > 0.0 ? tol.equalPoint() / arc.mRadius : 0.0;
        return a <= arc.mEndAng + slack || a >= arc.mStartAng + kTwoPi - slack;
    }

    template <class Point, class Vector>
    static Point evaluate(const Arc& arc, double t, Vector* d1, Vector* d2)
    {
        const Vector side = arc.sideVec();
        const Vector radial = (arc.mRefVec * std::cos(t) + side * std::sin(t)) * arc.mRadius;
        if (d1)
            *d1 = (side * std::cos(t) - arc.mRefVec * std::sin(t)) * arc.mRadius;
        if (d2)
            *d2 = -radial;
        return arc.mCenter + radial;
    }

    template <class Vector>
    static Vector higherDeriv(const Arc& arc, double t, int order)
    {
        // Derivatives of cos and sin repeat with period four: a quarter turn each.
        const double shift = order * std::numbers::pi / 2;
        return (arc.mRefVec * std::cos(t + shift) + arc.sideVec() * std::sin(t + shift)) * arc.mRadius;
    }

    // The angle of pnt on the arc; off the arc, the end nearer to the point; at the
    // centre (atCenter), the start.
    template <class Point>
    static double paramOf(const Arc& arc, const Point& pnt, bool atCenter)
    {
        if (atCenter)
            return arc.mStartAng;
        const double a = angleOf(arc, pnt);
        if (a <= arc.mEndAng)
            return a;
        return pnt.distanceTo(arc.evalPoint(arc.mEndAng)) < pnt.distanceTo(arc.evalPoint(arc.mStartAng))
                   ? arc.mEndAng
                   : arc.mStartAng;
    }

    static double paramAtLength(const Arc& arc, double datumParam, double len, bool posParamDir)
    {
        if (arc.mRadius == 0.0)
            return datumParam;
        return std::clamp(datumParam + (posParamDir ? len : -len) / arc.mRadius, arc.mStartAng, arc.mEndAng);
    }
};
