// Filled and bounded entities: hatch pattern lines inside their loops (islands left empty),
// regions made from curves with their area, perimeter and explosion, wipeout frames.
#include "AcDbArc.h"
#include "AcDbCircle.h"
#include "AcDbHatch.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbRegion.h"
#include "AcDbWipeout.h"
#include "DbFixture.h"

#include <cmath>
#include <numbers>

namespace {

AcDbHatch* squareWithIsland(const ACHAR* pattern)
{
    auto* hatch = new AcDbHatch();
    hatch->setPattern(AcDbHatch::kPreDefined, pattern);
    AcGePoint2dArray square;
    AcGeDoubleArray bulges;
    for (const AcGePoint2d& p : { AcGePoint2d(0, 0), AcGePoint2d(20, 0), AcGePoint2d(20, 20), AcGePoint2d(0, 20) }) {
        square.append(p);
        bulges.append(0.0);
    }
    hatch->appendLoop(AcDbHatch::kExternal | AcDbHatch::kPolyline, square, bulges);
    // A round island of radius 5 in the middle: two half circles.
    AcGePoint2dArray island;
    AcGeDoubleArray islandBulges;
    island.append(AcGePoint2d(5, 10));
    island.append(AcGePoint2d(15, 10));
    islandBulges.append(1.0);
    islandBulges.append(1.0);
    hatch->appendLoop(AcDbHatch::kPolyline, island, islandBulges);
    return hatch;
}

} // namespace

using FillTest = DbTest;

TEST_F(FillTest, PatternLinesFillTheLoopsAndLeaveTheIslandEmpty)
{
    AcDbHatch* hatch = squareWithIsland(L"ANSI31");
    ASSERT_EQ(hatch->evaluateHatch(), Acad::eOk);
    ASSERT_GT(hatch->numHatchLines(), 0);
    double total = 0.0;
    for (int i = 0; i < hatch->numHatchLines(); ++i) {
        AcGePoint2d a, b;
        ASSERT_EQ(hatch->getHatchLineDataAt(i, a, b), Acad::eOk);
        // At 45 degrees, inside the square, outside the island.
        EXPECT_NEAR(b.y - a.y, b.x - a.x, 1e-9);
        const AcGePoint2d mid((a.x + b.x) / 2, (a.y + b.y) / 2);
        EXPECT_GT(mid.x, 0.0);
        EXPECT_LT(mid.x, 20.0);
        EXPECT_GT(std::hypot(mid.x - 10, mid.y - 10), 5.0 - 1e-9);
        for (const AcGePoint2d& end : { a, b }) {
            const bool onSquare = std::fabs(end.x) < 1e-9 || std::fabs(end.x - 20) < 1e-9 || std::fabs(end.y) < 1e-9
                || std::fabs(end.y - 20) < 1e-9;
            const bool onIsland = std::fabs(std::hypot(end.x - 10, end.y - 10) - 5.0) < 1e-9;
            EXPECT_TRUE(onSquare || onIsland);
        }
        total += a.distanceTo(b);
    }
    // Lines 3.175 apart cover the area once: length times spacing is about the area.
    EXPECT_NEAR(total * 3.175, 400.0 - 25.0 * kPi, 0.08 * 400.0);
    AcGePoint2dArray starts, ends;
    EXPECT_EQ(hatch->getHatchLinesData(starts, ends), Acad::eOk);
    EXPECT_EQ(starts.length(), hatch->numHatchLines());
    EXPECT_EQ(hatch->getHatchLineDataAt(hatch->numHatchLines(), starts[0], ends[0]), Acad::eInvalidIndex);

    // Scale and angle: twice the spacing gives about half the lines; SOLID has none.
    const int fine = hatch->numHatchLines();
    hatch->setPatternScale(2.0);
    hatch->setPatternAngle(kPi / 4);
    hatch->evaluateHatch();
    AcGePoint2d a, b;
    hatch->getHatchLineDataAt(0, a, b);
    EXPECT_NEAR(a.x, b.x, 1e-9); // 45 + 45 degrees: upright
    EXPECT_LT(hatch->numHatchLines(), fine);
    delete hatch;
    AcDbHatch* solid = squareWithIsland(L"SOLID");
    EXPECT_EQ(solid->evaluateHatch(), Acad::eOk);
    EXPECT_EQ(solid->numHatchLines(), 0);
    AcDbExtents ext;
    EXPECT_EQ(solid->getGeomExtents(ext), Acad::eOk);
    EXPECT_NEAR(ext.maxPoint().x, 20.0, 1e-9);
    delete solid;
}

TEST_F(FillTest, HatchMovesWithItsLoopsAndEvaluatesWhenClosed)
{
    AcDbHatch* hatch = squareWithIsland(L"ANSI31");
    const AcDbObjectId id = addToModelSpace(hatch);
    AcDbHatch* opened = nullptr;
    ASSERT_EQ(acdbOpenObject(opened, id, AcDb::kForRead), Acad::eOk);
    const int lines = opened->numHatchLines();
    EXPECT_GT(lines, 0);
    opened->close();
    ASSERT_EQ(acdbOpenObject(opened, id, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(opened->transformBy(AcGeMatrix3d::translation(AcGeVector3d(100, 0, 0))), Acad::eOk);
    opened->close();
    AcDbExtents ext;
    EXPECT_EQ(hatch->getGeomExtents(ext), Acad::eOk);
    EXPECT_NEAR(ext.minPoint().x, 100.0, 1e-9);
    AcGePoint2d a, b;
    hatch->getHatchLineDataAt(0, a, b);
    EXPECT_GE(std::min(a.x, b.x), 100.0 - 1e-9);
}

TEST_F(FillTest, RegionsFromClosedCurvesAndChainedOnes)
{
    // Two lines and a half circle chain into one loop; a circle is a region alone; a loose
    // line closes nothing.
    AcDbLine bottom(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    AcDbLine side(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 10, 0)); // runs against the loop
    AcDbArc top(AcGePoint3d(5, 10, 0), 5.0, 0.0, kPi);
    AcDbLine right(AcGePoint3d(10, 0, 0), AcGePoint3d(10, 10, 0));
    AcDbCircle circle(AcGePoint3d(50, 0, 0), AcGeVector3d::kZAxis, 2.0);
    AcDbLine loose(AcGePoint3d(100, 0, 0), AcGePoint3d(101, 0, 0));
    AcDbVoidPtrArray curves;
    for (AcDbCurve* c : std::initializer_list<AcDbCurve*> { &bottom, &side, &top, &right, &circle, &loose })
        curves.append(c);
    AcDbVoidPtrArray regions;
    ASSERT_EQ(AcDbRegion::createFromCurves(curves, regions), Acad::eOk);
    ASSERT_EQ(regions.length(), 2);
    auto* round = static_cast<AcDbRegion*>(regions[0]);
    auto* arched = static_cast<AcDbRegion*>(regions[1]);
    double area = 0.0, perimeter = 0.0;
    EXPECT_EQ(round->getArea(area), Acad::eOk);
    EXPECT_NEAR(area, 4 * kPi, 1e-9);
    EXPECT_EQ(arched->getArea(area), Acad::eOk);
    EXPECT_NEAR(area, 100 + 12.5 * kPi, 1e-9);
    EXPECT_EQ(arched->getPerimeter(perimeter), Acad::eOk);
    EXPECT_NEAR(perimeter, 30 + 5 * kPi, 1e-9);
    AcDbVoidPtrArray exploded;
    EXPECT_EQ(arched->explode(exploded), Acad::eOk);
    EXPECT_EQ(exploded.length(), 4);
    for (int i = 0; i < exploded.length(); ++i)
        delete static_cast<AcDbEntity*>(exploded[i]);
    AcDbExtents ext;
    EXPECT_EQ(arched->getGeomExtents(ext), Acad::eOk);
    EXPECT_NEAR(ext.maxPoint().y, 15.0, 1e-9);
    for (int i = 0; i < regions.length(); ++i)
        delete static_cast<AcDbEntity*>(regions[i]);
}

TEST_F(FillTest, WipeoutFrameFollowsItsClipBoundary)
{
    AcDbWipeout wipeout;
    wipeout.setOrientation(AcGePoint3d(10, 10, 0), AcGeVector3d(4, 0, 0), AcGeVector3d(0, 2, 0));
    AcGePoint2dArray clip;
    for (const AcGePoint2d& p : { AcGePoint2d(-0.5, -0.5), AcGePoint2d(0.5, -0.5), AcGePoint2d(0.5, 0.5),
             AcGePoint2d(-0.5, 0.5), AcGePoint2d(-0.5, -0.5) })
        clip.append(p);
    ASSERT_EQ(wipeout.setClipBoundary(AcDbRasterImage::kPoly, clip), Acad::eOk);
    AcDbExtents ext;
    EXPECT_EQ(wipeout.getGeomExtents(ext), Acad::eOk);
    EXPECT_NEAR(ext.minPoint().x, 10.0, 1e-9);
    EXPECT_NEAR(ext.maxPoint().x, 14.0, 1e-9);
    EXPECT_NEAR(ext.maxPoint().y, 12.0, 1e-9);
    EXPECT_EQ(wipeout.transformBy(AcGeMatrix3d::scaling(2.0, AcGePoint3d(10, 10, 0))), Acad::eOk);
    EXPECT_EQ(wipeout.getGeomExtents(ext), Acad::eOk);
    EXPECT_NEAR(ext.maxPoint().x, 18.0, 1e-9);
    EXPECT_TRUE(wipeout.isSetDisplayOpt(AcDbRasterImage::kShow));
}
