// Points and vectors: arithmetic, tolerance tests, angles and the transforms on them.
#include "AcGeMatrix3d.h"
#include "AcGePlane.h"
#include "AcGePoint2d.h"
#include "AcGePoint3d.h"
#include "AcGeVector2d.h"
#include "AcGeVector3d.h"
#include "GeTestUtil.h"

#include <cmath>
#include <numbers>

using std::numbers::pi;

TEST(AcGePoint, ArithmeticAndDistance)
{
    const AcGePoint3d p(1, 2, 3);
    const AcGeVector3d v = AcGePoint3d(4, 6, 3) - p;
    EXPECT_EQ(v, AcGeVector3d(3, 4, 0));
    EXPECT_DOUBLE_EQ(p.distanceTo(p + v), 5.0);
    EXPECT_EQ(p + v - v, p);
    EXPECT_DOUBLE_EQ(AcGePoint2d(0, 0).distanceTo(AcGePoint2d(3, 4)), 5.0);
    EXPECT_EQ(AcGePoint2d(1, 1) - AcGeVector2d(1, 1), AcGePoint2d::kOrigin);
}

TEST(AcGePoint, EqualityFollowsTolerance)
{
    const AcGePoint3d p(1, 1, 1);
    EXPECT_TRUE(p == AcGePoint3d(1, 1, 1 + 1e-11));
    EXPECT_FALSE(p == AcGePoint3d(1, 1, 1 + 1e-9));
    AcGeTol loose;
    loose.setEqualPoint(1e-3);
    EXPECT_TRUE(p.isEqualTo(AcGePoint3d(1, 1, 1.0005), loose));
    EXPECT_FALSE(p.isEqualTo(AcGePoint3d(1, 1, 1.002), loose));

    const AcGeTol saved = AcGeContext::gTol;
    AcGeContext::gTol.setEqualPoint(0.1);
    EXPECT_TRUE(AcGePoint2d(0, 0) == AcGePoint2d(0.05, 0));
    AcGeContext::gTol = saved;
    EXPECT_FALSE(AcGePoint2d(0, 0) == AcGePoint2d(0.05, 0));
}

TEST(AcGePoint, RotateScaleAboutPoint)
{
    AcGePoint2d p(2, 1);
    p.rotateBy(pi / 2, AcGePoint2d(1, 1));
    EXPECT_PT2_NEAR(p, AcGePoint2d(1, 2), 1e-12);
    p.scaleBy(3, AcGePoint2d(1, 1));
    EXPECT_PT2_NEAR(p, AcGePoint2d(1, 4), 1e-12);

    AcGePoint3d q(1, 0, 5);
    q.rotateBy(pi / 2, AcGeVector3d::kZAxis, AcGePoint3d(0, 0, 0));
    EXPECT_PT3_NEAR(q, AcGePoint3d(0, 1, 5), 1e-12);
    q.scaleBy(2, AcGePoint3d(0, 0, 5));
    EXPECT_PT3_NEAR(q, AcGePoint3d(0, 2, 5), 1e-12);
}

TEST(AcGePoint, MirrorAndPlaneCoordinates)
{
    const AcGePlane plane(AcGePoint3d(0, 0, 2), AcGeVector3d::kZAxis);
    AcGePoint3d p(1, 2, 5);
    p.mirror(plane);
    EXPECT_PT3_NEAR(p, AcGePoint3d(1, 2, -1), 1e-12);

    const AcGePlane tilted(AcGePoint3d(1, 1, 1), AcGeVector3d(1, 0, 0), AcGeVector3d(0, 0, 2));
    const AcGePoint3d q(3, 7, 5);
    const AcGePoint2d local = q.convert2d(tilted);
    EXPECT_PT2_NEAR(local, AcGePoint2d(2, 2), 1e-12);
    EXPECT_PT3_NEAR(AcGePoint3d(tilted, local), AcGePoint3d(3, 1, 5), 1e-12);
    EXPECT_PT3_NEAR(q.orthoProject(tilted), AcGePoint3d(3, 1, 5), 1e-12);
    EXPECT_PT3_NEAR(q.project(tilted, AcGeVector3d(1, 1, 0)), AcGePoint3d(-3, 1, 5), 1e-12);
}

TEST(AcGeVector2d, AnglesAndPerpendicular)
{
    struct Case {
        AcGeVector2d v;
        double angle;
    };
    const Case cases[] = {{{1, 0}, 0.0}, {{0, 1}, pi / 2}, {{-1, 0}, pi}, {{0, -2}, 1.5 * pi}, {{1, -1e-14}, 2 * pi}};
    for (const Case& c : cases)
        EXPECT_NEAR(c.v.angle(), c.angle, 1e-12) << c.v.x << "," << c.v.y;
    EXPECT_NEAR(AcGeVector2d(1, 0).angleTo(AcGeVector2d(0, -1)), pi / 2, 1e-15);
    EXPECT_EQ(AcGeVector2d(3, 4).perpVector(), AcGeVector2d(-4, 3));
    EXPECT_EQ(AcGeVector2d(1, 0).rotateBy(pi / 2), AcGeVector2d(0, 1));
    EXPECT_EQ(AcGeVector2d(1, 2).mirror(AcGeVector2d(1, 0)), AcGeVector2d(1, -2));
}

TEST(AcGeVector3d, SignedAngleAboutReference)
{
    const AcGeVector3d x = AcGeVector3d::kXAxis;
    const AcGeVector3d y = AcGeVector3d::kYAxis;
    EXPECT_NEAR(x.angleTo(y), pi / 2, 1e-15);
    EXPECT_NEAR(x.angleTo(y, AcGeVector3d::kZAxis), pi / 2, 1e-15);
    EXPECT_NEAR(x.angleTo(y, -AcGeVector3d::kZAxis), 1.5 * pi, 1e-15);
    EXPECT_NEAR(x.angleTo(-x, AcGeVector3d::kZAxis), pi, 1e-15);
    EXPECT_EQ(x.crossProduct(y), AcGeVector3d::kZAxis);
    EXPECT_EQ(AcGeVector3d(1, 0, 0).rotateBy(pi / 2, AcGeVector3d(0, 0, 5)), y);
}

TEST(AcGeVector3d, ToleranceTests)
{
    const AcGeVector3d v(0, 0, 3);
    EXPECT_TRUE(v.isParallelTo(AcGeVector3d(0, 0, -1)));
    EXPECT_TRUE(v.isCodirectionalTo(AcGeVector3d(0, 0, 7)));
    EXPECT_FALSE(v.isCodirectionalTo(AcGeVector3d(0, 0, -7)));
    EXPECT_FALSE(v.isParallelTo(AcGeVector3d(0, 1e-6, 1)));
    EXPECT_FALSE(v.isParallelTo(AcGeVector3d::kIdentity));
    EXPECT_TRUE(v.isPerpendicularTo(AcGeVector3d::kXAxis));
    EXPECT_TRUE(AcGeVector3d(1e-12, 0, 0).isZeroLength());
    EXPECT_EQ(v.normal(), AcGeVector3d::kZAxis);
    // A zero vector has no direction: normal() leaves it as it is.
    EXPECT_EQ(AcGeVector3d::kIdentity.normal(), AcGeVector3d(0, 0, 0));
    EXPECT_TRUE(AcGeVector2d(0, 2).isParallelTo(AcGeVector2d(0, -1)));
    EXPECT_TRUE(AcGeVector2d(0, 2).isPerpendicularTo(AcGeVector2d(-1, 0)));
}

TEST(AcGeVector3d, PerpVectorIsTheArbitraryAxis)
{
    // The arbitrary-axis rule: near the Z axis take Y x N, otherwise Z x N.
    EXPECT_EQ(AcGeVector3d::kZAxis.perpVector(), AcGeVector3d::kXAxis);
    EXPECT_EQ((-AcGeVector3d::kZAxis).perpVector(), -AcGeVector3d::kXAxis);
    EXPECT_EQ(AcGeVector3d::kXAxis.perpVector(), AcGeVector3d::kYAxis);
    const AcGeVector3d n(1, 2, 3);
    EXPECT_TRUE(n.perpVector().isPerpendicularTo(n));
    EXPECT_TRUE(n.perpVector().isUnitLength());
}
