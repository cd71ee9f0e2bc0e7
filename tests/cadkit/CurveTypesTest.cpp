// The five curve kinds by exact class, copies that carry the geometry and nothing else, copies
// added to the drawing or a block, and the one-class tests with their alerts.
#include "ArrayOf.h"
#include "CadkitFixture.h"

#include "MavUtils.h"

#include "AcDb2dPolyline.h"
#include "AcDb3dPolyline.h"
#include "AcDbArc.h"
#include "AcDbCircle.h"
#include "AcDbEllipse.h"
#include "AcDbLine.h"
#include "AcDbMText.h"
#include "AcDbPolyline.h"
#include "AcDbSpline.h"
#include "AcDbText.h"

#include <memory>

namespace {

AcDbPolyline* closedSquare()
{
    auto* square = new AcDbPolyline();
    square->addVertexAt(0, AcGePoint2d(0, 0), 0.5, 1.0, 2.0);
    square->addVertexAt(1, AcGePoint2d(10, 0));
    square->addVertexAt(2, AcGePoint2d(10, 10));
    square->addVertexAt(3, AcGePoint2d(0, 10));
    square->setClosed(true);
    return square;
}

AcDbSpline* spline()
{
    return new AcDbSpline(arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(5, 5, 0), AcGePoint3d(10, 0, 0)}),
        AcGeVector3d(1, 1, 0), AcGeVector3d(1, -1, 0));
}

} // namespace

using CurveTypes = CadkitFixture;

TEST_F(CurveTypes, TheFiveKindsByExactClassAndNoOthers)
{
    struct Case {
        AcDbEntity* ent;
        int kind;
    };
    for (const Case& c : {Case{closedSquare(), 1},
             Case{new AcDb2dPolyline(AcDb::k2dSimplePoly, arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)})), 2},
             Case{new AcDb3dPolyline(AcDb::k3dSimplePoly, arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 1)})), 3},
             Case{new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)), 4},
             Case{new AcDbArc(AcGePoint3d(0, 0, 0), 1.0, 0.0, 1.0), 5}, Case{spline(), 0},
             Case{new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0), 0},
             Case{new AcDbEllipse(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(2, 0, 0), 0.5), 0}}) {
        const AcDbObjectId id = add(c.ent);
        int kind = -1;
        AcDbCurve* pCurve = nullptr;
        EXPECT_EQ(MavUtils::isMavCurve(id, kind, pCurve), c.kind != 0 ? 1 : 0);
        EXPECT_EQ(kind, c.kind != 0 ? c.kind : -1);
        EXPECT_NE(pCurve, nullptr);
        EXPECT_EQ(MavUtils::isMavCurve(id), c.kind != 0 ? 1 : 0);
    }
    EXPECT_EQ(transcript(), L"");

    // A text is no curve: the open fails and says so.
    const AcDbObjectId text = add(new AcDbText(AcGePoint3d(0, 0, 0), L"N1"));
    int kind = -1;
    AcDbCurve* pCurve = nullptr;
    AcDbLine* pLine = nullptr;
    EXPECT_EQ(MavUtils::isMavCurve(text, kind, pCurve), 0);
    EXPECT_EQ(MavUtils::isDBLine(text, pLine), 0);
    EXPECT_EQ(pCurve, nullptr);
    EXPECT_EQ(pLine, nullptr);
    EXPECT_EQ(transcript(), L"\nisMavCurve 出现异常!\nisDBLine 出现异常!");
}

TEST_F(CurveTypes, OneClassTestsCountDerivedClasses)
{
    const AcDbObjectId line = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
    const AcDbObjectId light = add(closedSquare());
    const AcDbObjectId curved = add(spline());
    AcDbLine* pLine = nullptr;
    AcDbPolyline* pPolyline = nullptr;
    AcDbSpline* pSpline = nullptr;
    EXPECT_EQ(MavUtils::isDBLine(line, pLine), 1);
    EXPECT_EQ(MavUtils::isDBPolyline(light, pPolyline), 1);
    EXPECT_EQ(MavUtils::isDBSpline(curved, pSpline), 1);
    EXPECT_EQ(pLine->objectId(), line);
    EXPECT_EQ(pSpline->objectId(), curved);

    AcDbLine* untouched = pLine;
    EXPECT_EQ(MavUtils::isDBLine(curved, pLine), 0);
    EXPECT_EQ(MavUtils::isDBPolyline(line, pPolyline), 0);
    EXPECT_EQ(MavUtils::isDBSpline(light, pSpline), 0);
    EXPECT_EQ(pLine, untouched);
    EXPECT_EQ(transcript(), L"");
    EXPECT_EQ(MavUtils::isDBPolyline(AcDbObjectId::kNull, pPolyline), 0);
    EXPECT_EQ(MavUtils::isDBSpline(AcDbObjectId::kNull, pSpline), 0);
    EXPECT_EQ(transcript(), L"\nisDBPolyline(openCurve) 出现异常!\nisDBSpline(openCurve) 出现异常!");
}

TEST_F(CurveTypes, CopiesCarryTheGeometryAndNothingElse)
{
    AcDbObjectId layer;
    ASSERT_EQ(MavUtils::createLayer(L"钢筋", layer), Acad::eOk);

    // A closed lightweight polyline: vertices, bulges and widths, but open.
    int kind = 0;
    AcDbCurve* pCopy = nullptr;
    EXPECT_EQ(MavUtils::isMavCurveThenMakeACopy(add(closedSquare()), kind, pCopy), 1);
    EXPECT_EQ(kind, 1);
    std::unique_ptr<AcDbPolyline> light(AcDbPolyline::cast(pCopy));
    ASSERT_NE(light, nullptr);
    ASSERT_EQ(light->numVerts(), 4u);
    EXPECT_FALSE(light->isClosed());
    AcGePoint2d corner;
    double bulge = 0.0;
    double startWidth = 0.0;
    double endWidth = 0.0;
    light->getPointAt(2, corner);
    light->getBulgeAt(0, bulge);
    light->getWidthsAt(0, startWidth, endWidth);
    EXPECT_EQ(corner, AcGePoint2d(10, 10));
    EXPECT_EQ(bulge, 0.5);
    EXPECT_EQ(startWidth, 1.0);
    EXPECT_EQ(endWidth, 2.0);

    // An arc on a layer of its own, drawn about -Z: same place, default layer.
    auto* arc = new AcDbArc(AcGePoint3d(1, 2, 0), -AcGeVector3d::kZAxis, 5.0, 0.5, 2.0);
    arc->setDatabaseDefaults(db());
    arc->setLayer(L"钢筋");
    AcGePoint3d arcStart;
    arc->getStartPoint(arcStart);
    pCopy = nullptr;
    EXPECT_EQ(MavUtils::isMavCurveThenMakeACopy(HostFixture::add(arc), kind, pCopy), 1);
    std::unique_ptr<AcDbArc> arcCopy(AcDbArc::cast(pCopy));
    ASSERT_NE(arcCopy, nullptr);
    EXPECT_EQ(arcCopy->radius(), 5.0);
    EXPECT_EQ(arcCopy->startAngle(), 0.5);
    EXPECT_EQ(arcCopy->endAngle(), 2.0);
    AcGePoint3d copyStart;
    arcCopy->getStartPoint(copyStart);
    EXPECT_TRUE(copyStart.isEqualTo(arcStart));
    EXPECT_NE(arcCopy->layerId(), layer);

    // Vertex polylines with their vertices, bulges and closed flag.
    AcGeDoubleArray bulges;
    bulges.append(0.25);
    bulges.append(0.0);
    pCopy = nullptr;
    EXPECT_EQ(MavUtils::isMavCurveThenMakeACopy(add(new AcDb2dPolyline(AcDb::k2dSimplePoly,
                                                    arrayOf({AcGePoint3d(0, 0, 3), AcGePoint3d(4, 0, 3)}), 3.0, true,
                                                    0.0, 0.0, &bulges)),
                  kind, pCopy),
        1);
    std::unique_ptr<AcDb2dPolyline> poly2d(AcDb2dPolyline::cast(pCopy));
    ASSERT_NE(poly2d, nullptr);
    EXPECT_TRUE(poly2d->isClosed());
    EXPECT_EQ(poly2d->elevation(), 3.0);
    AcGePoint3dArray points;
    AcGeDoubleArray copiedBulges;
    AcArray<int> indexes;
    MavUtils::scan2dPline(poly2d.get(), points, copiedBulges, indexes);
    ASSERT_EQ(points.length(), 2);
    EXPECT_EQ(points[1], AcGePoint3d(4, 0, 3));
    EXPECT_EQ(copiedBulges[0], 0.25);

    pCopy = nullptr;
    EXPECT_EQ(MavUtils::isMavCurveThenMakeACopy(add(new AcDb3dPolyline(AcDb::k3dSimplePoly,
                                                    arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(1, 2, 3),
                                                        AcGePoint3d(4, 5, 6)}))),
                  kind, pCopy),
        1);
    std::unique_ptr<AcDb3dPolyline> poly3d(AcDb3dPolyline::cast(pCopy));
    ASSERT_NE(poly3d, nullptr);
    AcGePoint3d end;
    poly3d->getEndPoint(end);
    EXPECT_EQ(end, AcGePoint3d(4, 5, 6));

    // Not one of the kinds: nothing built, nothing said.
    pCopy = nullptr;
    kind = 0;
    EXPECT_EQ(MavUtils::isMavCurveThenMakeACopy(add(spline()), kind, pCopy), 0);
    EXPECT_EQ(pCopy, nullptr);
    EXPECT_EQ(transcript(), L"");
}

TEST_F(CurveTypes, CopiesAddedToTheDrawingOrToABlock)
{
    const AcDbObjectId source = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0)));
    AcDbObjectId copy;
    EXPECT_EQ(MavUtils::isMavCurveThenMakeACopy(source, copy), 1);
    ASSERT_FALSE(copy.isNull());
    EXPECT_EQ(modelSpace().size(), 2u);
    AcDbLine* pLine = nullptr;
    ASSERT_EQ(acdbOpenObject(pLine, copy, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(pLine->endPoint(), AcGePoint3d(3, 4, 0));
    pLine->close();

    ASSERT_EQ(MavUtils::createBlockRecord(L"COPIES"), Acad::eOk);
    AcDbBlockTableRecord* block = nullptr;
    ASSERT_EQ(MavUtils::openBlockDef(L"COPIES", block, AcDb::kForWrite, db()), Acad::eOk);
    AcDbObjectId inBlock;
    EXPECT_EQ(MavUtils::isMavCurveThenMakeACopy(block, source, inBlock), 1);
    EXPECT_FALSE(inBlock.isNull());
    const AcDbObjectId blockId = block->objectId();
    block->close();
    EXPECT_EQ(entitiesOf(blockId), std::vector<AcDbObjectId> {inBlock});

    // No record to take the copy, or nothing to copy: 0, nothing added, the id as it was.
    AcDbObjectId untouched;
    EXPECT_EQ(MavUtils::isMavCurveThenMakeACopy(nullptr, source, untouched), 0);
    EXPECT_TRUE(untouched.isNull());
    const AcDbObjectId circle = add(new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0));
    EXPECT_EQ(MavUtils::isMavCurveThenMakeACopy(circle, untouched), 0);
    EXPECT_TRUE(untouched.isNull());
    EXPECT_EQ(modelSpace().size(), 3u);
    EXPECT_EQ(transcript(), L"\nisMavCurveThenMakeACopy 出现异常!");

    // An id that does not open: both tags.
    MavUtils::deleteObj(source);
    EXPECT_EQ(MavUtils::isMavCurveThenMakeACopy(source, untouched), 0);
    EXPECT_EQ(transcript(),
        L"\nisMavCurveThenMakeACopy 出现异常!\nisMavCurve 出现异常!\nisMavCurveThenMakeACopy 出现异常!");
}

TEST_F(CurveTypes, TextAndPolylineTestsWithTheirBoxes)
{
    CString text;
    EXPECT_EQ(MavUtils::isText(add(new AcDbText(AcGePoint3d(0, 0, 0), L"盖梁")), text), 1);
    EXPECT_EQ(text, L"盖梁");
    auto* mtext = new AcDbMText();
    mtext->setContents(L"N2");
    EXPECT_EQ(MavUtils::isText(add(mtext), text), 0);
    const AcDbObjectId gone = add(new AcDbText(AcGePoint3d(0, 0, 0), L"x"));
    MavUtils::deleteObj(gone);
    EXPECT_EQ(MavUtils::isText(gone, text), 0);
    EXPECT_EQ(text, L"盖梁");

    double area = -1.0;
    auto* square = new AcDbPolyline();
    for (const AcGePoint2d& p : {AcGePoint2d(0, 0), AcGePoint2d(10, 0), AcGePoint2d(10, 10), AcGePoint2d(0, 10)})
        square->addVertexAt(square->numVerts(), p);
    square->setClosed(true);
    EXPECT_EQ(MavUtils::isPolyline(add(square), area), 1);
    EXPECT_NEAR(area, 100.0, 1e-9);
    EXPECT_EQ(MavUtils::isPolyline(add(new AcDb3dPolyline(AcDb::k3dSimplePoly,
                                       arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(1, 1, 0)}),
                                       true)),
                  area),
        1);
    EXPECT_NEAR(area, 0.5, 1e-9);
    EXPECT_EQ(MavUtils::isPolyline(add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0))), area), 0);
    EXPECT_EQ(MavUtils::isPolyline(AcDbObjectId::kNull, area), 0);
    EXPECT_NEAR(area, 0.5, 1e-9);

    const auto boxes = mBoxes->Boxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].text, L"您所选的不是文本！");
    EXPECT_EQ(boxes[1].text, L"选则文本失败!");
    EXPECT_EQ(boxes[2].text, L"您所选的不是多段线！");
    EXPECT_EQ(boxes[3].text, L"选则多段线失败!");
}
