// Straight curves: the [0, 1] segment parameter, clamped closest points, exact lengths,
// offsets to the left, and the crossing rules of linear entities.
#include "AcGeLine2d.h"
#include "AcGeLineSeg2d.h"
#include "AcGeLineSeg3d.h"
#include "AcGeRay2d.h"
#include "GeTestUtil.h"

#include <memory>

TEST(AcGeLineSeg2d, ParameterClosestPointAndLength)
{
    const AcGeLineSeg2d seg(AcGePoint2d(1, 1), AcGePoint2d(5, 4));
    EXPECT_PT2_NEAR(seg.evalPoint(0.5), AcGePoint2d(3, 2.5), 1e-15);
    EXPECT_DOUBLE_EQ(seg.paramOf({3, 2.5}), 0.5);
    EXPECT_PT2_NEAR(seg.closestPointTo({-10, 1}), AcGePoint2d(1, 1), 0);
    EXPECT_PT2_NEAR(seg.closestPointTo({4, 0}), AcGePoint2d(1 + 4 * 0.36, 1 + 3 * 0.36), 1e-12);
    EXPECT_DOUBLE_EQ(seg.length(0.0, 1.0), 5.0);
    EXPECT_DOUBLE_EQ(seg.length(1.0, 0.2), 4.0);
    EXPECT_DOUBLE_EQ(seg.paramAtLength(0.0, 2.5), 0.5);
    EXPECT_DOUBLE_EQ(seg.paramAtLength(1.0, 1.0, false), 0.8);
    EXPECT_DOUBLE_EQ(seg.paramAtLength(0.0, 99.0), 1.0);
    EXPECT_TRUE(seg.isOn(AcGePoint2d(3, 2.5)));
    EXPECT_FALSE(seg.isOn(AcGePoint2d(9, 7)));
    AcGePoint2d s, e;
    EXPECT_TRUE(seg.hasStartPoint(s) && seg.hasEndPoint(e));
    EXPECT_FALSE(seg.isClosed());
    AcGePoint2d unused;
    EXPECT_FALSE(AcGeLine2d(AcGePoint2d(0, 0), AcGePoint2d(1, 0)).hasStartPoint(unused));
    EXPECT_FALSE(AcGeRay2d(AcGePoint2d(0, 0), AcGePoint2d(1, 0)).hasEndPoint(unused));
}

TEST(AcGeLineSeg2d, DegenerateSegmentAnswersWithItsPoint)
{
    const AcGeLineSeg2d dot(AcGePoint2d(2, 2), AcGePoint2d(2, 2));
    EXPECT_PT2_NEAR(dot.closestPointTo({7, 7}), AcGePoint2d(2, 2), 0);
    EXPECT_DOUBLE_EQ(dot.length(0, 1), 0.0);
    AcGeVoidPointerArray offsets;
    dot.getTrimmedOffset(1.0, offsets);
    EXPECT_TRUE(offsets.isEmpty());
    AcGePoint2d p;
    EXPECT_FALSE(dot.intersectWith(AcGeLineSeg2d(AcGePoint2d(0, 0), AcGePoint2d(4, 4)), p));
}

TEST(AcGeLineSeg, OffsetGoesToTheLeftOfTravel)
{
    AcGeVoidPointerArray offsets;
    AcGeLineSeg2d(AcGePoint2d(0, 0), AcGePoint2d(10, 0)).getTrimmedOffset(2.0, offsets);
    ASSERT_EQ(offsets.length(), 1);
    std::unique_ptr<AcGeLineSeg2d> left(static_cast<AcGeLineSeg2d*>(offsets[0]));
    EXPECT_PT2_NEAR(left->startPoint(), AcGePoint2d(0, 2), 1e-15);
    EXPECT_PT2_NEAR(left->endPoint(), AcGePoint2d(10, 2), 1e-15);

    AcGeVoidPointerArray offsets3d;
    AcGeLineSeg3d(AcGePoint3d(0, 0, 1), AcGePoint3d(10, 0, 1)).getTrimmedOffset(-2.0, AcGeVector3d::kZAxis, offsets3d);
    ASSERT_EQ(offsets3d.length(), 1);
    std::unique_ptr<AcGeLineSeg3d> right(static_cast<AcGeLineSeg3d*>(offsets3d[0]));
    EXPECT_PT3_NEAR(right->startPoint(), AcGePoint3d(0, -2, 1), 1e-15);
}

TEST(AcGeLinearEnt2d, IntersectWithCases)
{
    struct Case {
        const char* name;
        AcGeLineSeg2d a, b;
        bool meets;
        AcGePoint2d at;
    };
    const Case cases[] = {
        {"crossing", AcGeLineSeg2d(AcGePoint2d(0, 0), AcGePoint2d(4, 4)), AcGeLineSeg2d(AcGePoint2d(0, 4), AcGePoint2d(4, 0)), true, {2, 2}},
        {"apart", AcGeLineSeg2d(AcGePoint2d(0, 0), AcGePoint2d(1, 1)), AcGeLineSeg2d(AcGePoint2d(0, 4), AcGePoint2d(4, 0)), false, {}},
        {"touching ends", AcGeLineSeg2d(AcGePoint2d(0, 0), AcGePoint2d(2, 2)), AcGeLineSeg2d(AcGePoint2d(2, 2), AcGePoint2d(4, 0)), true, {2, 2}},
        {"end within tolerance", AcGeLineSeg2d(AcGePoint2d(0, 0), AcGePoint2d(2, 2 - 1e-11)), AcGeLineSeg2d(AcGePoint2d(0, 2), AcGePoint2d(4, 2)), true, {2, 2}},
        {"parallel", AcGeLineSeg2d(AcGePoint2d(0, 0), AcGePoint2d(4, 0)), AcGeLineSeg2d(AcGePoint2d(0, 1), AcGePoint2d(4, 1)), false, {}},
        {"coincident", AcGeLineSeg2d(AcGePoint2d(0, 0), AcGePoint2d(4, 0)), AcGeLineSeg2d(AcGePoint2d(2, 0), AcGePoint2d(6, 0)), false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AcGePoint2d p;
        ASSERT_EQ(c.a.intersectWith(c.b, p), c.meets);
        if (c.meets)
            EXPECT_PT2_NEAR(p, c.at, 1e-9);
    }
    // Infinite lines meet where their segments do not.
    AcGePoint2d p;
    EXPECT_TRUE(AcGeLine2d(AcGePoint2d(0, 0), AcGePoint2d(1, 1)).intersectWith(AcGeLine2d(AcGePoint2d(0, 4), AcGePoint2d(4, 0)), p));
    EXPECT_PT2_NEAR(p, AcGePoint2d(2, 2), 1e-12);
}

TEST(AcGeLinearEnt2d, OverlapOfCollinearEntities)
{
    AcGeLinearEnt2d* common = nullptr;
    ASSERT_TRUE(AcGeLineSeg2d(AcGePoint2d(0, 0), AcGePoint2d(4, 0)).overlap(AcGeLineSeg2d(AcGePoint2d(6, 0), AcGePoint2d(2, 0)), common));
    std::unique_ptr<AcGeLinearEnt2d> owned(common);
    ASSERT_EQ(common->type(), AcGe::kLineSeg2d);
    EXPECT_PT2_NEAR(static_cast<AcGeLineSeg2d*>(common)->startPoint(), AcGePoint2d(2, 0), 1e-12);
    EXPECT_PT2_NEAR(static_cast<AcGeLineSeg2d*>(common)->endPoint(), AcGePoint2d(4, 0), 1e-12);
    ASSERT_TRUE(AcGeRay2d(AcGePoint2d(1, 0), AcGePoint2d(-1, 0)).overlap(AcGeLine2d(AcGePoint2d(0, 0), AcGePoint2d(1, 0)), common));
    owned.reset(common);
    EXPECT_EQ(common->type(), AcGe::kRay2d);
    EXPECT_FALSE(AcGeLineSeg2d(AcGePoint2d(0, 0), AcGePoint2d(1, 0)).overlap(AcGeLineSeg2d(AcGePoint2d(0, 1), AcGePoint2d(1, 1)), common));
}

TEST(AcGeLineSeg3d, SkewSegmentsDoNotMeet)
{
    AcGePoint3d p;
    EXPECT_FALSE(AcGeLineSeg3d(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0)).intersectWith(AcGeLineSeg3d(AcGePoint3d(1, -1, 1), AcGePoint3d(1, 1, 1)), p));
    EXPECT_TRUE(AcGeLineSeg3d(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0)).intersectWith(AcGeLineSeg3d(AcGePoint3d(1, -1, 0), AcGePoint3d(1, 1, 0)), p));
    EXPECT_PT3_NEAR(p, AcGePoint3d(1, 0, 0), 1e-12);
}

TEST(AcGeEntity2d, KindsAndCopies)
{
    const AcGeLineSeg2d seg(AcGePoint2d(0, 0), AcGePoint2d(1, 0));
    EXPECT_EQ(seg.type(), 22);
    EXPECT_TRUE(seg.isKindOf(AcGe::kLinearEnt2d));
    EXPECT_TRUE(seg.isKindOf(AcGe::kCurve2d));
    EXPECT_FALSE(seg.isKindOf(AcGe::kLine2d));
    std::unique_ptr<AcGeEntity2d> copy(seg.copy());
    copy->translateBy({0, 5});
    EXPECT_PT2_NEAR(static_cast<AcGeLineSeg2d&>(*copy).startPoint(), AcGePoint2d(0, 5), 0);
    EXPECT_PT2_NEAR(seg.startPoint(), AcGePoint2d(0, 0), 0);
    EXPECT_EQ(AcGeLineSeg3d().type(), 23);
}
