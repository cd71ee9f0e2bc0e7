// Circular arcs: constructions, the angle parameter in the arc's own sense, the seam at
// 2pi, exact lengths and areas, offsets and transforms.
#include "AcGeCircArc2d.h"
#include "AcGeCircArc3d.h"
#include "AcGeLine2d.h"
#include "GeTestUtil.h"

#include <cmath>
#include <memory>
#include <numbers>

using std::numbers::pi;

TEST(AcGeCircArc2d, ThreePointArcsBothWays)
{
    struct Case {
        const char* name;
        AcGePoint2d s, m, e;
        bool clockwise;
        double sweep;
    };
    const Case cases[] = {
        {"ccw upper half", {1, 0}, {0, 1}, {-1, 0}, false, pi},
        {"cw upper half", {-1, 0}, {0, 1}, {1, 0}, true, pi},
        {"ccw across the seam", {0, -1}, {1, 0}, {0, 1}, false, pi},
        {"cw three quarters", {0, 1}, {0, -1}, {-1, 0}, true, 1.5 * pi},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AcGeCircArc2d arc(c.s, c.m, c.e);
        EXPECT_EQ(arc.isClockWise(), c.clockwise);
        EXPECT_PT2_NEAR(arc.center(), AcGePoint2d(0, 0), 1e-12);
        EXPECT_NEAR(arc.radius(), 1.0, 1e-12);
        EXPECT_NEAR(arc.endAng() - arc.startAng(), c.sweep, 1e-12);
        EXPECT_PT2_NEAR(arc.startPoint(), c.s, 1e-12);
        EXPECT_PT2_NEAR(arc.endPoint(), c.e, 1e-12);
        EXPECT_TRUE(arc.isOn(c.m));
        EXPECT_NEAR(arc.length(arc.startAng(), arc.endAng()), c.sweep, 1e-12);
    }
}

TEST(AcGeCircArc2d, BulgeConstruction)
{
    // A bulge of 1 is a half circle; positive runs counter-clockwise (bulging to the right).
    const AcGeCircArc2d half(AcGePoint2d(0, 0), AcGePoint2d(2, 0), 1.0, false);
    EXPECT_FALSE(half.isClockWise());
    EXPECT_PT2_NEAR(half.center(), AcGePoint2d(1, 0), 1e-12);
    EXPECT_TRUE(half.isOn(AcGePoint2d(1, -1)));
    const AcGeCircArc2d quarter(AcGePoint2d(0, 0), AcGePoint2d(2, 0), -std::tan(pi / 8), false);
    EXPECT_TRUE(quarter.isClockWise());
    EXPECT_NEAR(quarter.endAng() - quarter.startAng(), pi / 2, 1e-12);
    const AcGeCircArc2d sagitta(AcGePoint2d(0, 0), AcGePoint2d(2, 0), -1.0, true);
    EXPECT_TRUE(sagitta.isOn(AcGePoint2d(1, 1)));
}

TEST(AcGeCircArc2d, ParameterAcrossTheSeamAndClockwise)
{
    // Counter-clockwise from 300 to 60 degrees: the parameter runs on past 2pi.
    const AcGeCircArc2d ccw(AcGePoint2d(0, 0), 2.0, 5 * pi / 3, pi / 3);
    EXPECT_NEAR(ccw.endAng(), 7 * pi / 3, 1e-12);
    EXPECT_NEAR(ccw.paramOf({2, 0}), 2 * pi, 1e-12);
    EXPECT_TRUE(ccw.isOn(AcGePoint2d(2, 0)));
    EXPECT_FALSE(ccw.isOn(AcGePoint2d(-2, 0)));
    EXPECT_PT2_NEAR(ccw.closestPointTo({-3, 0.1}), ccw.endPoint(), 1e-12);
    // Clockwise: angles measured clockwise from the reference vector.
    const AcGeCircArc2d cw(AcGePoint2d(0, 0), 1.0, 0.0, pi / 2, AcGeVector2d::kXAxis, true);
    EXPECT_PT2_NEAR(cw.evalPoint(pi / 2), AcGePoint2d(0, -1), 1e-15);
    EXPECT_NEAR(cw.paramOf({std::sqrt(0.5), -std::sqrt(0.5)}), pi / 4, 1e-12);
    AcGeVector2dArray d;
    cw.evalPoint(0.0, 2, d);
    EXPECT_PT2_NEAR(d[0], AcGeVector2d(0, -1), 1e-15);
    EXPECT_PT2_NEAR(d[1], AcGeVector2d(-1, 0), 1e-15);
    EXPECT_NEAR(ccw.paramAtLength(ccw.startAng(), pi / 3 * 2), 2 * pi, 1e-12);
}

TEST(AcGeCircArc2d, AreaOfCircleAndSegment)
{
    double area = 0;
    const AcGeCircArc2d circle(AcGePoint2d(3, 4), 2.0);
    EXPECT_TRUE(circle.isClosed());
    ASSERT_TRUE(circle.area(0, 2 * pi, area));
    EXPECT_NEAR(area, 4 * pi, 1e-12);
    const AcGeCircArc2d cwHalf({-1, 5}, {0, 6}, {1, 5});
    ASSERT_TRUE(cwHalf.area(cwHalf.startAng(), cwHalf.endAng(), area));
    EXPECT_NEAR(area, pi / 2, 1e-12);
}

TEST(AcGeCircArc2d, OffsetFollowsTheSideOfTravel)
{
    struct Case {
        bool clockwise;
        double distance;
        double radius;
    };
    for (const Case& c : {Case{false, 1.0, 4.0}, Case{true, 1.0, 6.0}, Case{false, -1.0, 6.0}, Case{false, 5.0, 0.0}}) {
        AcGeVoidPointerArray list;
        AcGeCircArc2d(AcGePoint2d(0, 0), 5.0, 0.0, pi, AcGeVector2d::kXAxis, c.clockwise).getTrimmedOffset(c.distance, list);
        if (c.radius == 0.0) {
            EXPECT_TRUE(list.isEmpty());
            continue;
        }
        ASSERT_EQ(list.length(), 1);
        std::unique_ptr<AcGeCircArc2d> arc(static_cast<AcGeCircArc2d*>(list[0]));
        EXPECT_DOUBLE_EQ(arc->radius(), c.radius);
    }
}

TEST(AcGeCircArc2d, MirrorAndReverseKeepThePointSet)
{
    const AcGeCircArc2d arc(AcGePoint2d(1, 1), 2.0, 0.2, 1.4);
    AcGeCircArc2d mirrored = arc;
    mirrored.mirror(AcGeLine2d(AcGePoint2d(0, 0), AcGeVector2d(1, 0)));
    EXPECT_TRUE(mirrored.isClockWise());
    EXPECT_PT2_NEAR(mirrored.startPoint(), AcGePoint2d(arc.startPoint().x, -arc.startPoint().y), 1e-12);
    EXPECT_PT2_NEAR(mirrored.endPoint(), AcGePoint2d(arc.endPoint().x, -arc.endPoint().y), 1e-12);
    AcGeCircArc2d reversed = arc;
    reversed.reverseParam();
    EXPECT_TRUE(reversed.isClockWise());
    EXPECT_PT2_NEAR(reversed.startPoint(), arc.endPoint(), 1e-12);
    EXPECT_PT2_NEAR(reversed.endPoint(), arc.startPoint(), 1e-12);
    EXPECT_NEAR(reversed.endAng() - reversed.startAng(), 1.2, 1e-12);
    AcGeCircArc2d scaled = arc;
    scaled.scaleBy(3.0, {1, 1});
    EXPECT_DOUBLE_EQ(scaled.radius(), 6.0);
}

TEST(AcGeCircArc3d, ThreePointsInATiltedPlane)
{
    // s and e are ends of a diameter (centre (0, 0, 1), radius sqrt 2); m lies between.
    const AcGePoint3d s(1, 0, 0), m(0, std::sqrt(2.0), 1), e(-1, 0, 2);
    const AcGeCircArc3d arc(s, m, e);
    EXPECT_PT3_NEAR(arc.startPoint(), s, 1e-12);
    EXPECT_PT3_NEAR(arc.endPoint(), e, 1e-12);
    EXPECT_TRUE(arc.isOn(m));
    EXPECT_NEAR(arc.radius(), arc.center().distanceTo(m), 1e-12);
    EXPECT_NEAR(arc.endAng() - arc.startAng(), pi, 1e-12);
    // The normal makes the travel counter-clockwise about it.
    AcGeVector3d d1;
    arc.evaluate(arc.startAng(), &d1, nullptr);
    EXPECT_GT(arc.normal().crossProduct(s - arc.center()).dotProduct(d1), 0.0);
    double area = 0;
    ASSERT_TRUE(arc.area(arc.startAng(), arc.endAng(), area));
    EXPECT_NEAR(area, pi * arc.radius() * arc.radius() / 2, 1e-12);
}

TEST(AcGeCircArc3d, FullCircleReferenceAndTransform)
{
    AcGeCircArc3d circle(AcGePoint3d(0, 0, 5), AcGeVector3d::kZAxis, 2.0);
    EXPECT_EQ(circle.refVec(), AcGeVector3d::kXAxis);
    EXPECT_TRUE(circle.isClosed());
    circle.transformBy(AcGeMatrix3d::mirroring(AcGePlane::kXYPlane));
    EXPECT_PT3_NEAR(circle.center(), AcGePoint3d(0, 0, -5), 1e-12);
    // Mirrored in a plane parallel to its own, the circle still turns about +Z.
    EXPECT_EQ(circle.normal(), AcGeVector3d::kZAxis);
    EXPECT_PT3_NEAR(circle.evalPoint(pi / 2), AcGePoint3d(0, 2, -5), 1e-12);
    EXPECT_PT3_NEAR(circle.closestPointTo({0, -9, 3}), AcGePoint3d(0, -2, -5), 1e-12);
}
