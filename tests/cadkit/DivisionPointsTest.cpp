// Points dividing the gap between two boundary curves: along one cross line, and along cross
// lines square to a base curve every spacing, with the end sampled unless the walk lands on it.
#include "CadkitFixture.h"

#include "MavCounter.h"
#include "MavUtils.h"

#include "AcDbArc.h"
#include "AcDbLine.h"
#include "AcDbText.h"

#include <cmath>
#include <vector>

namespace {

bool sameXs(const AcArray<AcGePoint3d>& points, const std::vector<double>& xs)
{
    if (points.length() != static_cast<int>(xs.size()))
        return false;
    for (int i = 0; i < points.length(); ++i) {
        if (std::fabs(points[i].x - xs[static_cast<std::size_t>(i)]) > 1e-9)
            return false;
    }
    return true;
}

} // namespace

class DivisionPoints : public CadkitFixture {
protected:
    void SetUp() override
    {
        CadkitFixture::SetUp();
        // Two boundaries 10 apart; the upper one slopes, so crossings tell the cross lines apart.
        lower = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(100, 0, 0)));
        upper = add(new AcDbLine(AcGePoint3d(0, 10, 0), AcGePoint3d(100, 20, 0)));
    }

    AcDbObjectId lower;
    AcDbObjectId upper;
};

TEST_F(DivisionPoints, AlongOneCrossLine)
{
    AcArray<AcGePoint3d> points;
    EXPECT_EQ(MavCounter::getIntersectLineBisectrixPoints(AcGePoint3d(10, 5, 0), kPi / 2, lower, upper, 4, points),
        Acad::eOk);
    ASSERT_EQ(points.length(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(points[i].isEqualTo(AcGePoint3d(10, 2.75 * (i + 1), 0))) << i;

    // Two parts give the middle; one part none. The boundaries may come in either order.
    AcArray<AcGePoint3d> middle;
    MavCounter::getIntersectLineBisectrixPoints(AcGePoint3d(50, -3, 0), kPi / 2, upper, lower, 2, middle);
    MavCounter::getIntersectLineBisectrixPoints(AcGePoint3d(50, -3, 0), kPi / 2, upper, lower, 1, middle);
    ASSERT_EQ(middle.length(), 1);
    EXPECT_TRUE(middle[0].isEqualTo(AcGePoint3d(50, 7.5, 0)));
    EXPECT_EQ(transcript(), L"");
}

TEST_F(DivisionPoints, ACrossLineThatMissesABoundaryDividesNothing)
{
    AcArray<AcGePoint3d> points;
    points.append(AcGePoint3d(1, 1, 1));
    // Along the lower boundary: parallel to it, no crossing even extended.
    EXPECT_EQ(MavCounter::getIntersectLineBisectrixPoints(AcGePoint3d(10, 5, 0), 0.0, upper, lower, 2, points),
        Acad::eInvalidInput);
    EXPECT_EQ(points.length(), 1);

    const AcDbObjectId gone = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
    MavUtils::deleteObj(gone);
    EXPECT_NE(MavCounter::getIntersectLineBisectrixPoints(AcGePoint3d(10, 5, 0), kPi / 2, lower, gone, 2, points),
        Acad::eOk);
    EXPECT_EQ(points.length(), 1);
    EXPECT_EQ(transcript(), L"\ngetIntersectPointopenEntWithID(id,AcDb::kForRead,pEnt) 出现异常!");
}

TEST_F(DivisionPoints, AlongABaseCurveEverySpacingAndAtItsEnd)
{
    const AcDbObjectId base = add(new AcDbLine(AcGePoint3d(0, 5, 0), AcGePoint3d(10, 5, 0)));
    struct Case {
        double spacing;
        std::vector<double> xs;
    };
    // A walk that lands on the length has no end station of its own.
    for (const Case& c : {Case{2.5, {0, 2.5, 5, 7.5}}, Case{3.0, {0, 3, 6, 9, 10}}, Case{20.0, {0, 10}}}) {
        AcArray<AcGePoint3d> points;
        EXPECT_EQ(MavCounter::getIntersectLineBisectrixPoints(lower, upper, base, 2, c.spacing, points), Acad::eOk);
        EXPECT_TRUE(sameXs(points, c.xs)) << c.spacing;
        for (const AcGePoint3d& p : points)
            EXPECT_NEAR(p.y, (10 + p.x / 10) / 2, 1e-9) << c.spacing;
    }

    // Square to a curved base: on a quarter arc round the origin the cross lines run radially.
    const AcDbObjectId arc = add(new AcDbArc(AcGePoint3d(0, 0, 0), 5.0, 0.0, kPi / 2));
    const AcDbObjectId inner = add(new AcDbArc(AcGePoint3d(0, 0, 0), 2.0, 0.0, kPi / 2));
    const AcDbObjectId outer = add(new AcDbArc(AcGePoint3d(0, 0, 0), 8.0, 0.0, kPi / 2));
    AcArray<AcGePoint3d> radial;
    EXPECT_EQ(MavCounter::getIntersectLineBisectrixPoints(inner, outer, arc, 3, 5.0 * kPi / 3, radial), Acad::eOk);
    ASSERT_EQ(radial.length(), 6);
    const double c = std::cos(kPi / 3);
    const double s = std::sin(kPi / 3);
    const AcGePoint3d expected[] = {{4, 0, 0}, {6, 0, 0}, {4 * c, 4 * s, 0}, {6 * c, 6 * s, 0}, {0, 4, 0}, {0, 6, 0}};
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(radial[i].isEqualTo(expected[i])) << i << ": " << radial[i].x << "," << radial[i].y;
    EXPECT_EQ(transcript(), L"");
}

TEST_F(DivisionPoints, RefusalsAndIdsThatDoNotOpen)
{
    const AcDbObjectId base = add(new AcDbLine(AcGePoint3d(0, 5, 0), AcGePoint3d(10, 5, 0)));
    AcArray<AcGePoint3d> points;
    EXPECT_EQ(MavCounter::getIntersectLineBisectrixPoints(lower, upper, base, 2, 0.0, points), Acad::eInvalidInput);
    EXPECT_EQ(MavCounter::getIntersectLineBisectrixPoints(lower, upper, base, 2, -1.0, points), Acad::eInvalidInput);
    EXPECT_EQ(MavCounter::getIntersectLineBisectrixPoints(lower, upper, base, 0, 1.0, points), Acad::eInvalidInput);
    const AcDbObjectId text = add(new AcDbText(AcGePoint3d(0, 0, 0), L"N3"));
    EXPECT_EQ(MavCounter::getIntersectLineBisectrixPoints(lower, upper, text, 2, 1.0, points), Acad::eInvalidInput);
    EXPECT_TRUE(points.isEmpty());
    EXPECT_EQ(transcript(), L"");

    const AcDbObjectId gone = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
    MavUtils::deleteObj(gone);
    EXPECT_NE(MavCounter::getIntersectLineBisectrixPoints(lower, upper, gone, 2, 1.0, points), Acad::eOk);
    EXPECT_NE(MavCounter::getIntersectLineBisectrixPoints(lower, gone, base, 2, 1.0, points), Acad::eOk);
    EXPECT_TRUE(points.isEmpty());
    EXPECT_EQ(transcript(), L"\ngetIntersectPoint 出现异常!\ngetIntersectPoint 出现异常!");
    // Everything opened was closed again.
    for (const AcDbObjectId& id : {lower, upper, base}) {
        AcDbEntity* pEnt = nullptr;
        EXPECT_EQ(acdbOpenAcDbEntity(pEnt, id, AcDb::kForWrite), Acad::eOk);
        if (pEnt != nullptr)
            pEnt->close();
    }
}
