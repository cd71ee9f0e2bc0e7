// The side one plan direction lies on from another, and the fillet arc that rounds the corner
// between two legs: centre at the radius from both legs, angles from leg 2 to leg 1.
#include "CadkitFixture.h"

#include "MavCounter.h"

#include "AcGeLine3d.h"

#include <cmath>

namespace {

AcGeVector3d direction(double degrees)
{
    return AcGeVector3d(std::cos(degrees * kPi / 180), std::sin(degrees * kPi / 180), 0.0);
}

double distanceToLine(const AcGePoint3d& point, const AcGePoint3d& a, const AcGePoint3d& b)
{
    return AcGeLine3d(a, b).distanceTo(point);
}

} // namespace

TEST(TurningSide, SameOppositeLeftAndRight)
{
    struct Case {
        AcGeVector3d first, second;
        int relation;
    };
    for (const Case& c : {Case{AcGeVector3d(0, 1, 0), AcGeVector3d(1, 0, 0), 7},
             Case{AcGeVector3d(0, -1, 0), AcGeVector3d(1, 0, 0), -7}, Case{AcGeVector3d(1, 0, 0), AcGeVector3d(3, 0, 0), 1},
             Case{AcGeVector3d(1, 0, 0), AcGeVector3d(-1, 0, 0), -1},
             Case{AcGeVector3d(std::cos(1e-7), std::sin(1e-7), 0), AcGeVector3d(1, 0, 0), 1},
             Case{AcGeVector3d(5, 5, 9), AcGeVector3d(0, 2, -4), -7}}) {
        int relation = 0;
        EXPECT_EQ(MavCounter::tellRelationOfTwoVectors(c.first, c.second, relation), Acad::eOk);
        EXPECT_EQ(relation, c.relation) << c.first.x << "," << c.first.y << " / " << c.second.x << "," << c.second.y;
    }
    // Every pair of directions round the turn: left exactly when the second turns
    // counter-clockwise to reach the first.
    for (int a = 0; a < 360; a += 15) {
        for (int b = 0; b < 360; b += 15) {
            if ((a - b) % 180 == 0)
                continue;
            int relation = 0;
            MavCounter::tellRelationOfTwoVectors(direction(a) * 3.0, direction(b), relation);
            const bool left = direction(b).crossProduct(direction(a)).z > 0.0;
            EXPECT_EQ(relation, left ? 7 : -7) << a << " from " << b;
        }
    }
    int relation = 99;
    EXPECT_EQ(MavCounter::tellRelationOfTwoVectors(AcGeVector3d(), AcGeVector3d(1, 0, 0), relation),
        Acad::eInvalidInput);
    EXPECT_EQ(relation, 99);
}

TEST(Fillet, TheArcThatRoundsTheCornerBetweenTwoLegs)
{
    AcGePoint3d center;
    double startAngle = 0.0;
    double endAngle = 0.0;
    EXPECT_EQ(MavCounter::lineArcLine(AcGePoint3d(-10, 0, 0), AcGePoint3d(0, 0, 0), AcGePoint3d(0, -10, 0),
                  AcGePoint3d(0, 0, 0), 3.0, center, startAngle, endAngle),
        1);
    EXPECT_TRUE(center.isEqualTo(AcGePoint3d(-3, -3, 0)));
    EXPECT_NEAR(startAngle, 0.0, 1e-12);
    EXPECT_NEAR(endAngle, 5 * kPi / 2, 1e-12);

    // A corner of 60 degrees turned the other way: the centre the radius from both legs, the arc
    // counter-clockwise from the tangent point on leg 1 to that on leg 2, sweeping 120 degrees.
    const AcGePoint3d p1(0, 0, 0);
    const AcGePoint3d p2(20, 0, 0);
    const AcGePoint3d p3(20 - 10 * std::cos(kPi / 3), 10 * std::sin(kPi / 3), 0);
    EXPECT_EQ(MavCounter::lineArcLine(p1, p2, p3, p2, 2.0, center, startAngle, endAngle), 1);
    EXPECT_NEAR(distanceToLine(center, p1, p2), 2.0, 1e-9);
    EXPECT_NEAR(distanceToLine(center, p3, p2), 2.0, 1e-9);
    const AcGePoint3d arcStart = center + 2.0 * AcGeVector3d(std::cos(startAngle), std::sin(startAngle), 0);
    const AcGePoint3d arcEnd = center + 2.0 * AcGeVector3d(std::cos(endAngle), std::sin(endAngle), 0);
    EXPECT_NEAR(distanceToLine(arcStart, p1, p2), 0.0, 1e-9);
    EXPECT_NEAR(distanceToLine(arcEnd, p3, p2), 0.0, 1e-9);
    EXPECT_NEAR(endAngle - startAngle, 2 * kPi / 3, 1e-9);

    // Parallel legs have no corner, a leg without length no direction: nothing is written.
    const AcGePoint3d untouched = center;
    EXPECT_EQ(MavCounter::lineArcLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(0, 5, 0),
                  AcGePoint3d(10, 5, 0), 1.0, center, startAngle, endAngle),
        0);
    EXPECT_EQ(MavCounter::lineArcLine(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 0, 0), AcGePoint3d(0, 5, 0),
                  AcGePoint3d(10, 5, 0), 1.0, center, startAngle, endAngle),
        0);
    EXPECT_EQ(center, untouched);
}
