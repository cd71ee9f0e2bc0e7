// Entity geometry beyond curves: intersections under the four extension modes and a
// projection plane (curves, texts by their boxes, block references through their entities),
// extents, transformations, the explosion of block references, and text alignment.
#include "AcDb2dPolyline.h"
#include "AcDbArc.h"
#include "AcDbBlockReference.h"
#include "AcDbBlockTable.h"
#include "AcDbCircle.h"
#include "AcDbLine.h"
#include "AcDbMText.h"
#include "AcDbPolyline.h"
#include "AcDbRotatedDimension.h"
#include "AcDbSolid.h"
#include "AcDbText.h"
#include "DbFixture.h"
#include "TextMetrics.h"

#include <cmath>
#include <numbers>

namespace {

#define EXPECT_PT(a, b)                                                                                                \
    do {                                                                                                               \
        const AcGePoint3d pa_ = (a), pb_ = (b);                                                                        \
        EXPECT_NEAR(pa_.x, pb_.x, 1e-7);                                                                               \
        EXPECT_NEAR(pa_.y, pb_.y, 1e-7);                                                                               \
        EXPECT_NEAR(pa_.z, pb_.z, 1e-7);                                                                               \
    } while (0)

} // namespace

using EntityGeometryTest = DbTest;

TEST_F(EntityGeometryTest, ExtensionModesDecideWhichOperandGrows)
{
    // A short line ending before a short arc's circle, and the arc short of the line's line.
    AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0));
    AcDbArc arc(AcGePoint3d(5, 0, 0), 1.0, kPi / 4, kPi / 2);
    struct Case {
        AcDb::Intersect mode;
        int count;
    } cases[] = {
        { AcDb::kOnBothOperands, 0 },
        { AcDb::kExtendThis, 0 }, // the line's line meets the circle only off the arc
        { AcDb::kExtendArg, 0 }, // the circle lies beyond the line's end
        { AcDb::kExtendBoth, 2 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        AcGePoint3dArray pts;
        EXPECT_EQ(line.intersectWith(&arc, c.mode, pts), Acad::eOk);
        EXPECT_EQ(pts.length(), c.count);
    }
    AcGePoint3dArray pts;
    line.intersectWith(&arc, AcDb::kExtendBoth, pts);
    ASSERT_EQ(pts.length(), 2);
    // In the order of the line's parameter.
    EXPECT_PT(pts[0], AcGePoint3d(4, 0, 0));
    EXPECT_PT(pts[1], AcGePoint3d(6, 0, 0));

    // A line reaching into the arc's sweep only once extended: this or the argument.
    AcDbLine up(AcGePoint3d(5, 3, 0), AcGePoint3d(5, 2, 0));
    pts.removeAll();
    EXPECT_EQ(up.intersectWith(&arc, AcDb::kOnBothOperands, pts), Acad::eOk);
    EXPECT_EQ(pts.length(), 0);
    EXPECT_EQ(up.intersectWith(&arc, AcDb::kExtendThis, pts), Acad::eOk);
    ASSERT_EQ(pts.length(), 1);
    EXPECT_PT(pts[0], AcGePoint3d(5, 1, 0));
    pts.removeAll();
    EXPECT_EQ(arc.intersectWith(&up, AcDb::kExtendArg, pts), Acad::eOk);
    EXPECT_EQ(pts.length(), 1);
}

TEST_F(EntityGeometryTest, PointsAreAppendedAndParallelLinesGiveNone)
{
    AcDbLine a(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    AcDbLine b(AcGePoint3d(0, 1, 0), AcGePoint3d(10, 1, 0));
    AcDbLine c(AcGePoint3d(5, -5, 0), AcGePoint3d(5, 5, 0));
    AcGePoint3dArray pts;
    pts.append(AcGePoint3d(99, 99, 99));
    EXPECT_EQ(a.intersectWith(&b, AcDb::kExtendBoth, pts), Acad::eOk);
    EXPECT_EQ(pts.length(), 1);
    EXPECT_EQ(a.intersectWith(&c, AcDb::kOnBothOperands, pts), Acad::eOk);
    ASSERT_EQ(pts.length(), 2);
    EXPECT_PT(pts[1], AcGePoint3d(5, 0, 0));
}

TEST_F(EntityGeometryTest, ProjectionPlaneMeetsCurvesAtDifferentHeights)
{
    // Crossing in plan, 3 apart in Z: only the projection finds them, on this entity.
    AcDbLine low(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    AcDbLine high(AcGePoint3d(4, -5, 3), AcGePoint3d(4, 5, 3));
    AcGePoint3dArray pts;
    EXPECT_EQ(low.intersectWith(&high, AcDb::kOnBothOperands, pts), Acad::eOk);
    EXPECT_EQ(pts.length(), 0);
    EXPECT_EQ(low.intersectWith(&high, AcDb::kOnBothOperands, AcGePlane::kXYPlane, pts), Acad::eOk);
    ASSERT_EQ(pts.length(), 1);
    EXPECT_PT(pts[0], AcGePoint3d(4, 0, 0));
    pts.removeAll();
    EXPECT_EQ(high.intersectWith(&low, AcDb::kOnBothOperands, AcGePlane::kXYPlane, pts), Acad::eOk);
    ASSERT_EQ(pts.length(), 1);
    EXPECT_PT(pts[0], AcGePoint3d(4, 0, 3));
}

TEST_F(EntityGeometryTest, PolylineSegmentMarkerAndJointFoundOnce)
{
    AcDbPolyline pl;
    pl.addVertexAt(0, AcGePoint2d(0, 0));
    pl.addVertexAt(1, AcGePoint2d(10, 0));
    pl.addVertexAt(2, AcGePoint2d(10, 10));
    // Through the corner: one point, though both segments hold it.
    AcDbLine diag(AcGePoint3d(5, -5, 0), AcGePoint3d(15, 5, 0));
    AcGePoint3dArray pts;
    EXPECT_EQ(pl.intersectWith(&diag, AcDb::kOnBothOperands, pts), Acad::eOk);
    ASSERT_EQ(pts.length(), 1);
    EXPECT_PT(pts[0], AcGePoint3d(10, 0, 0));
    // Across both segments, in the polyline's order.
    AcDbLine steep(AcGePoint3d(12, 8, 0), AcGePoint3d(2, -2, 0));
    pts.removeAll();
    EXPECT_EQ(pl.intersectWith(&steep, AcDb::kOnBothOperands, pts), Acad::eOk);
    ASSERT_EQ(pts.length(), 2);
    EXPECT_PT(pts[0], AcGePoint3d(4, 0, 0));
    EXPECT_PT(pts[1], AcGePoint3d(10, 6, 0));
    // Marker 2 names the second segment alone.
    pts.removeAll();
    AcDbLine across(AcGePoint3d(-5, 5, 0), AcGePoint3d(15, 5, 0));
    EXPECT_EQ(pl.intersectWith(&across, AcDb::kOnBothOperands, pts, 2, 0), Acad::eOk);
    ASSERT_EQ(pts.length(), 1);
    EXPECT_PT(pts[0], AcGePoint3d(10, 5, 0));
}

TEST_F(EntityGeometryTest, TextsMeetByTheirBoxesAndBlocksByTheirEntities)
{
    AcDbText text(AcGePoint3d(0, 0, 0), L"AB", AcDbObjectId::kNull, 2.0);
    const double width = TextMetrics::measure(L"AB", 2.0);
    AcDbLine through(AcGePoint3d(-1, 1, 0), AcGePoint3d(100, 1, 0));
    AcGePoint3dArray pts;
    EXPECT_EQ(through.intersectWith(&text, AcDb::kOnBothOperands, pts), Acad::eOk);
    ASSERT_EQ(pts.length(), 2);
    EXPECT_NEAR(pts[0].x, 0.0, 1e-9);
    EXPECT_NEAR(pts[1].x, width, 1e-9);

    // A block of one circle, inserted at (10, 0) scaled by 2.
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(acdbOpenObject(table, db->blockTableId(), AcDb::kForWrite), Acad::eOk);
    auto* record = new AcDbBlockTableRecord();
    record->setName(L"RING");
    AcDbObjectId blockId;
    ASSERT_EQ(table->add(blockId, record), Acad::eOk);
    record->appendAcDbEntity(new AcDbCircle(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, 1.0));
    record->close();
    table->close();
    AcDbBlockReference ref(AcGePoint3d(10, 0, 0), blockId);
    ref.setScaleFactors(AcGeScale3d(2.0));
    AcDbLine axis(AcGePoint3d(0, 0, 0), AcGePoint3d(20, 0, 0));
    pts.removeAll();
    EXPECT_EQ(axis.intersectWith(&ref, AcDb::kOnBothOperands, pts), Acad::eOk);
    ASSERT_EQ(pts.length(), 2);
    EXPECT_PT(pts[0], AcGePoint3d(8, 0, 0));
    EXPECT_PT(pts[1], AcGePoint3d(12, 0, 0));
    AcDbExtents ext;
    EXPECT_EQ(ref.getGeomExtents(ext), Acad::eOk);
    EXPECT_PT(ext.minPoint(), AcGePoint3d(8, -2, 0));
    EXPECT_PT(ext.maxPoint(), AcGePoint3d(12, 2, 0));
    AcDbVoidPtrArray exploded;
    EXPECT_EQ(ref.explode(exploded), Acad::eOk);
    ASSERT_EQ(exploded.length(), 1);
    auto* circle = AcDbCircle::cast(static_cast<AcDbEntity*>(exploded[0]));
    ASSERT_NE(circle, nullptr);
    EXPECT_PT(circle->center(), AcGePoint3d(10, 0, 0));
    EXPECT_NEAR(circle->radius(), 2.0, 1e-12);
    delete circle;
}

TEST_F(EntityGeometryTest, ExtentsOfRotatedAndAlignedTexts)
{
    const double h = 2.5;
    const TextMetrics::Box box = TextMetrics::box(L"钢筋 12", h);
    // Rotated a quarter turn about its insertion point: the box stands up, left of the point.
    AcDbText rotated(AcGePoint3d(10, 10, 0), L"钢筋 12", AcDbObjectId::kNull, h, kPi / 2);
    AcDbExtents ext;
    EXPECT_EQ(rotated.getGeomExtents(ext), Acad::eOk);
    EXPECT_NEAR(ext.minPoint().x, 10 - box.maxY, 1e-9);
    EXPECT_NEAR(ext.maxPoint().x, 10 - box.minY, 1e-9);
    EXPECT_NEAR(ext.minPoint().y, 10 + box.minX, 1e-9);
    EXPECT_NEAR(ext.maxPoint().y, 10 + box.maxX, 1e-9);

    // Centred on its alignment point: the position sits half the width to its left.
    AcDbText centred(AcGePoint3d::kOrigin, L"钢筋 12", AcDbObjectId::kNull, h);
    centred.setHorizontalMode(AcDb::kTextCenter);
    centred.setAlignmentPoint(AcGePoint3d(50, 0, 0));
    EXPECT_EQ(centred.adjustAlignment(), Acad::eOk);
    EXPECT_NEAR(centred.position().x, 50 - TextMetrics::measure(L"钢筋 12", h) / 2, 1e-9);
    EXPECT_NEAR(centred.position().y, 0, 1e-9);

    // Aligned between two points: the text turns to their direction and its height fits.
    AcDbText aligned(AcGePoint3d(0, 0, 0), L"AB", AcDbObjectId::kNull, h);
    aligned.setHorizontalMode(AcDb::kTextAlign);
    aligned.setAlignmentPoint(AcGePoint3d(30, 40, 0));
    EXPECT_EQ(aligned.adjustAlignment(), Acad::eOk);
    EXPECT_NEAR(aligned.rotation(), std::atan2(40.0, 30.0), 1e-12);
    EXPECT_NEAR(TextMetrics::measure(L"AB", aligned.height()), 50.0, 1e-9);
    EXPECT_EQ(aligned.getGeomExtents(ext), Acad::eOk);
    EXPECT_NEAR(ext.maxPoint().y, 40 + aligned.height() * std::cos(std::atan2(40.0, 30.0)), 1e-6);

    // Middle: both centred and halfway up the capital height.
    AcDbText middle(AcGePoint3d::kOrigin, L"AB", AcDbObjectId::kNull, h);
    middle.setHorizontalMode(AcDb::kTextMid);
    middle.setAlignmentPoint(AcGePoint3d(0, 0, 0));
    middle.adjustAlignment();
    const TextMetrics::Placement p = TextMetrics::place(L"AB", h, 1.0, 0.0, AcDb::kTextMid, AcDb::kTextBase);
    EXPECT_NEAR(middle.position().x, p.originX, 1e-12);
    EXPECT_NEAR(middle.position().y, p.originY, 1e-12);
}

TEST_F(EntityGeometryTest, MultilineTextExtentsFollowWidthAndAttachment)
{
    AcDbMText m;
    m.setLocation(AcGePoint3d(100, 100, 0));
    m.setTextHeight(3.0);
    m.setContents(L"上部\\P{\\H0.7x;\\S3^;}下部");
    m.setAttachment(AcDbMText::kBottomRight);
    AcDbExtents ext;
    EXPECT_EQ(m.getGeomExtents(ext), Acad::eOk);
    const TextMetrics::Box box
        = TextMetrics::layoutMText(L"上部\\P{\\H0.7x;\\S3^;}下部", 3.0, 1.0, 0.0, 0.0, 1.0, 9).box;
    EXPECT_NEAR(ext.maxPoint().x, 100 + box.maxX, 1e-9);
    EXPECT_NEAR(ext.minPoint().y, 100 + box.minY, 1e-9);
    EXPECT_NEAR(ext.maxPoint().x, 100, 1e-9);
}

TEST_F(EntityGeometryTest, TransformationsPerKind)
{
    const AcGeMatrix3d mirrorX = AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis));
    // A mirrored arc keeps its normal and runs between its mirrored ends.
    AcDbArc arc(AcGePoint3d(1, 0, 0), 1.0, 0.0, kPi / 2);
    EXPECT_EQ(arc.transformBy(mirrorX), Acad::eOk);
    AcGePoint3d s, e;
    arc.getStartPoint(s);
    arc.getEndPoint(e);
    EXPECT_NEAR(arc.normal().z, 1.0, 1e-12);
    EXPECT_PT(s, AcGePoint3d(-1, 1, 0));
    EXPECT_PT(e, AcGePoint3d(-2, 0, 0));
    // Scaled unevenly an arc refuses; its transformed copy is an elliptical arc.
    AcGeMatrix3d stretch;
    stretch(0, 0) = 2.0;
    EXPECT_EQ(arc.transformBy(stretch), Acad::eNotApplicable);
    AcDbEntity* copy = nullptr;
    EXPECT_EQ(arc.getTransformedCopy(stretch, copy), Acad::eOk);
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy->isA()->name(), L"AcDbEllipse");
    delete copy;
    // A polyline's arcs turn the other way in a mirror.
    AcDbPolyline pl;
    pl.addVertexAt(0, AcGePoint2d(0, 0), 0.5);
    pl.addVertexAt(1, AcGePoint2d(4, 0));
    EXPECT_EQ(pl.transformBy(mirrorX), Acad::eOk);
    double bulge = 0;
    pl.getBulgeAt(0, bulge);
    EXPECT_NEAR(bulge, -0.5, 1e-12);
    AcGePoint3d mid;
    pl.getPointAtParam(0.5, mid);
    EXPECT_PT(mid, AcGePoint3d(-2, -1, 0));
    // A block reference rotated a quarter turn about the origin.
    AcDbBlockReference ref(AcGePoint3d(5, 0, 0), AcDbObjectId::kNull);
    EXPECT_EQ(ref.transformBy(AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis)), Acad::eOk);
    EXPECT_PT(ref.position(), AcGePoint3d(0, 5, 0));
    EXPECT_NEAR(ref.rotation(), kPi / 2, 1e-12);
    // A mirrored text reads backwards and covers the mirror image of its box.
    const TextMetrics::Box box = TextMetrics::box(L"AB", 2.0);
    struct MirrorCase {
        const char* what;
        AcGeVector3d planeNormal;
        AcGePoint3d min, max;
    } mirrors[] = {
        { "about the Y axis", AcGeVector3d::kXAxis, { -box.maxX, box.minY, 0 }, { -box.minX, box.maxY, 0 } },
        { "about the X axis", AcGeVector3d::kYAxis, { box.minX, -box.maxY, 0 }, { box.maxX, -box.minY, 0 } },
    };
    for (const MirrorCase& m : mirrors) {
        SCOPED_TRACE(m.what);
        AcDbText text(AcGePoint3d::kOrigin, L"AB", AcDbObjectId::kNull, 2.0);
        EXPECT_EQ(text.transformBy(AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, m.planeNormal))), Acad::eOk);
        EXPECT_TRUE(text.isMirroredInX());
        AcDbExtents textExt;
        EXPECT_EQ(text.getGeomExtents(textExt), Acad::eOk);
        EXPECT_PT(textExt.minPoint(), m.min);
        EXPECT_PT(textExt.maxPoint(), m.max);
        // Mirrored back it is the text it was.
        text.transformBy(AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, m.planeNormal)));
        EXPECT_FALSE(text.isMirroredInX());
        EXPECT_NEAR(std::remainder(text.rotation(), 2 * kPi), 0.0, 1e-12);
    }
    // A solid moves its corners.
    AcDbSolid solid(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(0, 1, 0));
    EXPECT_EQ(solid.transformBy(AcGeMatrix3d::translation(AcGeVector3d(1, 1, 0))), Acad::eOk);
    AcDbExtents ext;
    solid.getGeomExtents(ext);
    EXPECT_PT(ext.maxPoint(), AcGePoint3d(2, 2, 0));
}

TEST_F(EntityGeometryTest, ExplodedBlockCopiesVertexObjectsAndDimensions)
{
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(acdbOpenObject(table, db->blockTableId(), AcDb::kForWrite), Acad::eOk);
    auto* record = new AcDbBlockTableRecord();
    record->setName(L"FRAME");
    AcDbObjectId blockId;
    ASSERT_EQ(table->add(blockId, record), Acad::eOk);
    AcGePoint3dArray pts;
    pts.append(AcGePoint3d(0, 0, 0));
    pts.append(AcGePoint3d(10, 0, 0));
    pts.append(AcGePoint3d(10, 5, 0));
    auto* border = new AcDb2dPolyline(AcDb::k2dSimplePoly, pts);
    record->appendAcDbEntity(border);
    border->close();
    auto* dim = new AcDbRotatedDimension(0.0, AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(0, -3, 0));
    dim->setDimdec(1);
    record->appendAcDbEntity(dim);
    dim->close();
    record->close();
    table->close();

    AcDbBlockReference ref(AcGePoint3d(100, 0, 0), blockId);
    ref.setScaleFactors(AcGeScale3d(2.0));
    AcDbVoidPtrArray exploded;
    ASSERT_EQ(ref.explode(exploded), Acad::eOk);
    ASSERT_EQ(exploded.length(), 2);
    auto* poly = AcDb2dPolyline::cast(static_cast<AcDbEntity*>(exploded[0]));
    ASSERT_NE(poly, nullptr);
    AcGePoint3d end;
    EXPECT_EQ(poly->getEndPoint(end), Acad::eOk);
    EXPECT_PT(end, AcGePoint3d(120, 10, 0));
    auto* copy = AcDbRotatedDimension::cast(static_cast<AcDbEntity*>(exploded[1]));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->dimdec(), 1);
    EXPECT_TRUE(copy->overriddenCodes().count(271));
    // In the drawing the copy measures its new size into a block of its own.
    const AcDbObjectId copyId = addToModelSpace(copy);
    AcDbRotatedDimension* opened = nullptr;
    ASSERT_EQ(acdbOpenObject(opened, copyId, AcDb::kForRead), Acad::eOk);
    EXPECT_NE(opened->dimBlockId(), dim->dimBlockId());
    double value = 0;
    opened->measurement(value);
    EXPECT_NEAR(value, 20.0, 1e-9);
    opened->close();
    addToModelSpace(poly);
}

TEST_F(EntityGeometryTest, AlignmentModesPlaceThePositionFromTheAlignmentPoint)
{
    const double h = 2.0;
    const double w = TextMetrics::measure(L"AB12", h);
    const AcGePoint3d at(100, 50, 0);
    struct Case {
        const char* what;
        AcDb::TextHorzMode horz;
        AcDb::TextVertMode vert;
        AcGeVector3d fromAlignment; // position - alignment point
    } cases[] = {
        { "right on the baseline", AcDb::kTextRight, AcDb::kTextBase, { -w, 0, 0 } },
        { "left, hanging from the top", AcDb::kTextLeft, AcDb::kTextTop, { 0, -h, 0 } },
        { "centred on the bottom of the descent", AcDb::kTextCenter, AcDb::kTextBottom,
            { -w / 2, TextMetrics::kDescent * h, 0 } },
        { "right, halfway up", AcDb::kTextRight, AcDb::kTextVertMid, { -w, -h / 2, 0 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Turned a quarter: the offsets turn with the text.
        AcDbText text(AcGePoint3d::kOrigin, L"AB12", AcDbObjectId::kNull, h, kPi / 2);
        text.setHorizontalMode(c.horz);
        text.setVerticalMode(c.vert);
        text.setAlignmentPoint(at);
        EXPECT_EQ(text.adjustAlignment(), Acad::eOk);
        EXPECT_PT(text.position(), at + AcGeVector3d(-c.fromAlignment.y, c.fromAlignment.x, 0));
    }
    // Fit keeps the height and stretches the width between its two points.
    AcDbText fit(AcGePoint3d(0, 0, 0), L"AB12", AcDbObjectId::kNull, h);
    fit.setHorizontalMode(AcDb::kTextFit);
    fit.setAlignmentPoint(AcGePoint3d(2 * w, 0, 0));
    EXPECT_EQ(fit.adjustAlignment(), Acad::eOk);
    EXPECT_NEAR(fit.height(), h, 1e-12);
    EXPECT_NEAR(fit.widthFactor(), 2.0, 1e-9);
    EXPECT_PT(fit.position(), AcGePoint3d::kOrigin);
}
