// Which way one plan direction lies from another, and the arc of a given radius that rounds the
// corner between two straight legs, as a bent bar does.
#include "MavCounter.h"

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kSameDirection = 1e-6;
constexpr double kArm = 100.0;
constexpr double kProbe = 200.0;

constexpr int kSame = 1;
constexpr int kOpposite = -1;
constexpr int kLeft = 7;
constexpr int kRight = -7;

bool crossesWithinBoth(const AcGePoint2d& a1, const AcGePoint2d& a2, const AcGePoint2d& b1, const AcGePoint2d& b2)
{
    int code = 0;
    double x = 0.0;
    double y = 0.0;
    MavCounter::relationOfTwoLines(a1.x, a1.y, a2.x, a2.y, b1.x, b1.y, b2.x, b2.y, code, x, y);
    return code == 1;
}

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
    // 2. Unit vectors and their plan angles.
    const AcGeVector3d u1 = first.normal(AcGeContext::gTol);
    const AcGeVector3d u2 = second.normal(AcGeContext::gTol);
    double a1 = 0.0;
    double a2 = 0.0;
    vectorToAngle(u1, a1);
    vectorToAngle(u2, a2);
    // 3. A triangle standing on the second vector's line, on its left side.
    const AcGePoint2d q(u2.x, u2.y);
    AcGePoint2d left;
    AcGePoint2d ahead;
    AcGePoint2d behind;
    get3dPoint(q, kArm, a2 + kPi / 2.0, left);
    get3dPoint(q, kArm, a2, ahead);
    get3dPoint(q, kArm, a2 + kPi, behind);
    // 4. A probe along the first vector.
    const AcGePoint2d s(u1.x, u1.y);
    AcGePoint2d t;
    get3dPoint(s, kProbe, a1, t);
    // 5-6. The probe leaves the triangle through one of its slopes exactly when it points left.
    relation = crossesWithinBoth(left, ahead, s, t) || crossesWithinBoth(left, behind, s, t) ? kLeft : kRight;
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
    // 6. From the tangent point on leg 2 to that on leg 1, not reduced to one turn.
    double uAzimuth = 0.0;
    double wAzimuth = 0.0;
    vectorToAngle(u, uAzimuth);
    vectorToAngle(w, wAzimuth);
    startAngle = wAzimuth - kPi / 2.0;
    endAngle = uAzimuth + kPi / 2.0;
    return 1;
}
