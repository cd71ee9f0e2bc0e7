// Extents boxes: empty until a point is added, refuse an inverted box, grow by union.
#include "AcDbExtents.h"
#include "GeTestUtil.h"

#include <cmath>
#include <numbers>

TEST(AcDbExtents, AddPointsAndBoxes)
{
    AcDbExtents e;
    e.addPoint({1, 2, 3});
    EXPECT_PT3_NEAR(e.minPoint(), AcGePoint3d(1, 2, 3), 0);
    EXPECT_PT3_NEAR(e.maxPoint(), AcGePoint3d(1, 2, 3), 0);
    e.addPoint({-1, 5, 3});
    AcDbExtents other({0, 0, -1}, {0.5, 0.5, 0});
    e.addExt(other);
    e.addExt(AcDbExtents());
    EXPECT_PT3_NEAR(e.minPoint(), AcGePoint3d(-1, 0, -1), 0);
    EXPECT_PT3_NEAR(e.maxPoint(), AcGePoint3d(1, 5, 3), 0);
}

TEST(AcDbExtents, SetRefusesInvertedBox)
{
    AcDbExtents e({0, 0, 0}, {1, 1, 1});
    EXPECT_EQ(e.set({2, 0, 0}, {1, 1, 1}), Acad::eInvalidInput);
    EXPECT_PT3_NEAR(e.maxPoint(), AcGePoint3d(1, 1, 1), 0);
    EXPECT_EQ(e.set({-1, -1, -1}, {1, 1, 1}), Acad::eOk);
    EXPECT_PT3_NEAR(e.minPoint(), AcGePoint3d(-1, -1, -1), 0);
}

TEST(AcDbExtents, TransformBoxesTheCorners)
{
    AcDbExtents e({0, 0, 0}, {2, 1, 0});
    e.transformBy(AcGeMatrix3d::rotation(std::numbers::pi / 4, AcGeVector3d::kZAxis));
    const double s = std::sqrt(0.5);
    EXPECT_PT3_NEAR(e.minPoint(), AcGePoint3d(-s, 0, 0), 1e-12);
    EXPECT_PT3_NEAR(e.maxPoint(), AcGePoint3d(2 * s, 3 * s, 0), 1e-12);
}
