// Polylines and composite curves: their parameters, piece-wise answers, ownership of the
// pieces, areas of closed chains and offsets joined at the corners.
#include "AcGeCircArc2d.h"
#include "AcGeCircArc3d.h"
#include "AcGeCompositeCurve2d.h"
#include "AcGeCompositeCurve3d.h"
#include "AcGeLineSeg2d.h"
#include "AcGeLineSeg3d.h"
#include "AcGePolyline2d.h"
#include "AcGePolyline3d.h"
#include "GeTestUtil.h"

#include <cmath>
#include <memory>
#include <numbers>

using std::numbers::pi;

namespace {

AcGePoint2dArray points(std::initializer_list<AcGePoint2d> list)
{
    AcGePoint2dArray a;
    for (const AcGePoint2d& p : list)
        a.append(p);
    return a;
}

// A slot: a line, a half circle, a line back and a half circle closing it (area 20 + pi).
AcGeCompositeCurve2d slot()
{
    AcGeVoidPointerArray pieces;
    pieces.append(new AcGeLineSeg2d(AcGePoint2d(0, 0), AcGePoint2d(10, 0)));
    pieces.append(new AcGeCircArc2d(AcGePoint2d(10, 0), AcGePoint2d(11, 1), AcGePoint2d(10, 2)));
    pieces.append(new AcGeLineSeg2d(AcGePoint2d(10, 2), AcGePoint2d(0, 2)));
    pieces.append(new AcGeCircArc2d(AcGePoint2d(0, 2), AcGePoint2d(-1, 1), AcGePoint2d(0, 0)));
    return AcGeCompositeCurve2d(pieces);
}

} // namespace

TEST(AcGePolyline2d, VertexParameterAndQueries)
{
    const AcGePolyline2d pl(points({{0, 0}, {4, 0}, {4, 3}}));
    AcGeInterval range;
    pl.getInterval(range);
    EXPECT_DOUBLE_EQ(range.upperBound(), 2.0);
    EXPECT_PT2_NEAR(pl.evalPoint(1.5), AcGePoint2d(4, 1.5), 1e-15);
    EXPECT_NEAR(pl.paramOf({5, 2}), 1 + 2.0 / 3, 1e-12);
    EXPECT_NEAR(pl.length(0, 2), 7.0, 1e-12);
    EXPECT_NEAR(pl.paramAtLength(0, 5.5), 1.5, 1e-10);
    EXPECT_NEAR(pl.paramAtLength(2, 1.0, false), 2 - 1.0 / 3, 1e-10);
    EXPECT_PT2_NEAR(pl.closestPointTo({2, -1}), AcGePoint2d(2, 0), 1e-12);
    EXPECT_EQ(pl.type(), AcGe::kPolyline2d);
    EXPECT_TRUE(pl.isKindOf(AcGe::kSplineEnt2d));
    double area = 0;
    ASSERT_TRUE(pl.area(0, 2, area));
    EXPECT_NEAR(area, 6.0, 1e-12);
}

TEST(AcGePolyline2d, OffsetOfAnOpenCornerWithEachJoin)
{
    const AcGePolyline2d pl(points({{0, 0}, {10, 0}, {10, 10}}));
    // Offset to the right (outside of the left turn).
    AcGeVoidPointerArray extended;
    pl.getTrimmedOffset(-1.0, extended, AcGe::kExtend);
    ASSERT_EQ(extended.length(), 1);
    std::unique_ptr<AcGeCurve2d> e(static_cast<AcGeCurve2d*>(extended[0]));
    ASSERT_EQ(e->type(), AcGe::kPolyline2d);
    const auto& poly = static_cast<const AcGePolyline2d&>(*e);
    ASSERT_EQ(poly.numFitPoints(), 3);
    EXPECT_PT2_NEAR(poly.fitPointAt(0), AcGePoint2d(0, -1), 1e-12);
    EXPECT_PT2_NEAR(poly.fitPointAt(1), AcGePoint2d(11, -1), 1e-12);
    EXPECT_PT2_NEAR(poly.fitPointAt(2), AcGePoint2d(11, 10), 1e-12);

    AcGeVoidPointerArray filleted;
    pl.getTrimmedOffset(-1.0, filleted, AcGe::kFillet);
    std::unique_ptr<AcGeCurve2d> f(static_cast<AcGeCurve2d*>(filleted[0]));
    ASSERT_EQ(f->type(), AcGe::kCompositeCrv2d);
    EXPECT_TRUE(f->isOn(AcGePoint2d(10 + std::sqrt(0.5), -std::sqrt(0.5))));
    AcGeInterval r;
    f->getInterval(r);
    EXPECT_NEAR(f->length(r.lowerBound(), r.upperBound()), 20 + pi / 2, 1e-9);

    // Offset to the inside: the pieces overlap and are trimmed, whatever the join.
    AcGeVoidPointerArray inside;
    pl.getTrimmedOffset(1.0, inside, AcGe::kFillet);
    std::unique_ptr<AcGeCurve2d> in(static_cast<AcGeCurve2d*>(inside[0]));
    ASSERT_EQ(in->type(), AcGe::kPolyline2d);
    EXPECT_PT2_NEAR(static_cast<const AcGePolyline2d&>(*in).fitPointAt(1), AcGePoint2d(9, 1), 1e-12);
}

TEST(AcGeCompositeCurve2d, ParameterLengthAndArea)
{
    const AcGeCompositeCurve2d c = slot();
    AcGeInterval range;
    c.getInterval(range);
    // Segments cover 1 each, the half circles pi each.
    EXPECT_NEAR(range.upperBound(), 2 + 2 * pi, 1e-12);
    EXPECT_TRUE(c.isClosed());
    EXPECT_NEAR(c.length(range.lowerBound(), range.upperBound()), 20 + 2 * pi, 1e-12);
    EXPECT_PT2_NEAR(c.evalPoint(1 + pi / 2), AcGePoint2d(11, 1), 1e-12);
    const double t = c.paramAtLength(0.0, 10 + pi / 2);
    EXPECT_PT2_NEAR(c.evalPoint(t), AcGePoint2d(11, 1), 1e-10);
    EXPECT_NEAR(c.paramOf({5, 2.5}), 1 + pi + 0.5, 1e-12);
    double area = 0;
    ASSERT_TRUE(c.area(range.lowerBound(), range.upperBound(), area));
    EXPECT_NEAR(area, 20 + pi, 1e-12);
}

TEST(AcGeCompositeCurve2d, CurveListHandsOutCopies)
{
    AcGeCompositeCurve2d c = slot();
    AcGeVoidPointerArray list;
    c.getCurveList(list);
    ASSERT_EQ(list.length(), 4);
    EXPECT_EQ(static_cast<AcGeCurve2d*>(list[1])->type(), AcGe::kCircArc2d);
    for (void* p : list)
        delete static_cast<AcGeCurve2d*>(p);
    // Null entries are skipped.
    AcGeVoidPointerArray withNull;
    withNull.append(new AcGeLineSeg2d(AcGePoint2d(0, 0), AcGePoint2d(1, 0)));
    withNull.append(nullptr);
    EXPECT_EQ(AcGeCompositeCurve2d(withNull).numCurves(), 1);
}

TEST(AcGeCompositeCurve2d, OffsetOfAClosedSlot)
{
    AcGeVoidPointerArray list;
    slot().getTrimmedOffset(-0.5, list, AcGe::kExtend);
    ASSERT_EQ(list.length(), 1);
    std::unique_ptr<AcGeCurve2d> off(static_cast<AcGeCurve2d*>(list[0]));
    AcGeInterval r;
    off->getInterval(r);
    // The counter-clockwise slot grows by 0.5 all round: tangent joins need no extension.
    EXPECT_NEAR(off->length(r.lowerBound(), r.upperBound()), 20 + 3 * pi, 1e-9);
    EXPECT_TRUE(off->isClosed());
}

TEST(AcGeCompositeCurve3d, PiecesInSpaceAndPlanarOffset)
{
    AcGeVoidPointerArray pieces;
    pieces.append(new AcGeLineSeg3d(AcGePoint3d(0, 0, 3), AcGePoint3d(4, 0, 3)));
    pieces.append(new AcGeCircArc3d(AcGePoint3d(4, 0, 3), AcGePoint3d(5, 1, 3), AcGePoint3d(4, 2, 3)));
    const AcGeCompositeCurve3d c(pieces);
    AcGeInterval r;
    c.getInterval(r);
    EXPECT_NEAR(c.length(r.lowerBound(), r.upperBound()), 4 + pi, 1e-12);
    AcGePlane plane;
    EXPECT_TRUE(c.isPlanar(plane));
    AcGeVoidPointerArray list;
    c.getTrimmedOffset(0.5, AcGeVector3d::kZAxis, list, AcGe::kExtend);
    ASSERT_EQ(list.length(), 1);
    std::unique_ptr<AcGeCurve3d> off(static_cast<AcGeCurve3d*>(list[0]));
    AcGePoint3d s;
    ASSERT_TRUE(off->hasStartPoint(s));
    EXPECT_PT3_NEAR(s, AcGePoint3d(0, 0.5, 3), 1e-12);
    // Left of a counter-clockwise arc is its inside.
    EXPECT_TRUE(off->isOn(AcGePoint3d(4.5, 1, 3)));

    const AcGePolyline3d pl([] {
        AcGePoint3dArray a;
        a.append(AcGePoint3d(0, 0, 1));
        a.append(AcGePoint3d(0, 0, 4));
        return a;
    }());
    EXPECT_NEAR(pl.length(0, 1), 3.0, 1e-12);
}
