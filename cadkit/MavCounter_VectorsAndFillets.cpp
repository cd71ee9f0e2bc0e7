// Which way one plan direction lies from another, and the arc of a given radius that rounds the
// corner between two straight legs, as a bent bar does.
#include "MavCounter.h"
#include "MavHelpers.h"

#include <cmath>

namespace {

constexpr double kSameDirection = 1e-6;

constexpr int kSame = 1;
constexpr int kOpposite = -1;
constexpr int kLeft = 7;
constexpr int kRight = -7;

// Positive when the turn from the first to the second direction runs counter-clockwise in plan.
double planTurn(const AcGeVector3d& from, const AcGeVector3d& to) { return from.x * to.y - from.y * to.x; }

bool isZero(const AcGeVector3d& v) { return v.length() == 0.0; }

} // namespace

Acad::ErrorStatus MavCounter::tellRelationOfTwoVectors(
    const AcGeVector3d& first, const AcGeVector3d& second, int& relation)
{
    // A zero vector has no direction to compare.
    if (isZero(first) || isZero(second))
        return Acad::eInvalidInput;
    // 1. The same or opposite ways.
    const double theta = first.angleTo(second);
    if (std::fabs(theta) < kSameDirection) {
        relation = kSame;
        return Acad::eOk;
    }
    if (std::fabs(theta - kPi) < kSameDirection) {
        relation = kOpposite;
        return Acad::eOk;
    }
    // 2. The side in plan: left when the second turns counter-clockwise to reach the first. A
    // probe crossing a triangle on the second vector's left side answers the same, but misses
    // the triangle's edge when that runs along an axis, where rounding moves the crossing a hair
    // off the edge.
    relation = planTurn(second, first) > 0.0 ? kLeft : kRight;
    return Acad::eOk;
}

int MavCounter::lineArcLine(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& p3,
    const AcGePoint3d& p4, double radius, AcGePoint3d& center, double& startAngle, double& endAngle)
{
    // 1. The legs' directions; a leg without length has none.
    const AcGeVector3d u = p2 - p1;
    const AcGeVector3d w = p4 - p3;
    if (isZero(u) || isZero(w))
        return 0;
    // 2. The bisecting direction.
    const AcGeVector3d m = averageVector(u, w);
    // 3. The corner; parallel legs have none and no arc fits between them.
    AcGePoint3d corner;
    if (getIntersectPoint(p1, p2, p3, p4, corner, AcDb::kExtendBoth) != Acad::eOk || isZero(m))
        return 0;
    // 4. The centre's distance from the corner.
    const double theta = u.angleTo(w);
    const double s = radius / std::sin(theta / 2.0);
    // 5. The centre on the bisector inside the corner.
    center = corner - m.normal() * s;
    // 6. Counter-clockwise from one tangent point to the other, not reduced to one turn: from
    // leg 2 to leg 1 when leg 2 turns left of leg 1, else from leg 1 to leg 2.
    double uAzimuth = 0.0;
    double wAzimuth = 0.0;
    vectorToAngle(u, uAzimuth);
    vectorToAngle(w, wAzimuth);
    const bool turnsLeft = planTurn(u, w) >= 0.0;
    startAngle = (turnsLeft ? wAzimuth : uAzimuth) - kPi / 2.0;
    endAngle = (turnsLeft ? uAzimuth : wAzimuth) + kPi / 2.0;
    return 1;
}
