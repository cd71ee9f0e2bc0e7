// Curves rebuilt from others: chains merged into one polyline (through vertex lists and
// through geometry curves), curves divided into equal pieces, lines and polylines reversed,
// a two-vertex polyline drawn as a line.
#include "ArrayOf.h"
#include "CurveEditFixture.h"

#include "MavUtils.h"

#include "AcDb2dPolyline.h"
#include "AcDb3dPolyline.h"
#include "AcDbCircle.h"

#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

class MergeDivideReverseTest : public CurveEditFixture {
protected:
    static AcDbObjectId layerOf(const AcDbObjectId& id)
    {
        AcDbEntity* pEnt = nullptr;
        EXPECT_EQ(acdbOpenObject(pEnt, id, AcDb::kForRead), Acad::eOk);
        const AcDbObjectId layer = pEnt->layerId();
        pEnt->close();
        return layer;
    }

    // An id that names an erased line: it no longer opens.
    static AcDbObjectId erasedLine()
    {
        const AcDbObjectId id = addLine(50, 50, 60, 60);
        MavUtils::deleteObj(id);
        return id;
    }
};

TEST_F(MergeDivideReverseTest, MergeJoinsSharedEndsButReversesNothing)
{
    const AcDbObjectId first = addLine(0, 0, 10, 0);
    const AcDbObjectId joined = addLine(10, 0, 10, 5);
    const AcDbObjectId backwards = addLine(10, 5, 10, 0);
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::mergePline(arrayOf({first, joined}), AcDbObjectId::kNull, newId), Acad::eOk);
    expectVertices(verticesOf(newId), {{0, 0, 0}, {10, 0, 0}, {10, 5, 0}});
    AcDbPolyline* pMerged = nullptr;
    ASSERT_EQ(acdbOpenObject(pMerged, newId, AcDb::kForRead), Acad::eOk);
    EXPECT_TRUE(pMerged->hasPlinegen());
    pMerged->close();

    EXPECT_EQ(MavUtils::mergePline(arrayOf({first, backwards}), AcDbObjectId::kNull, newId), Acad::eOk);
    expectVertices(verticesOf(newId), {{0, 0, 0}, {10, 0, 0}, {10, 5, 0}, {10, 0, 0}});
    EXPECT_FALSE(first.isErased());
}

TEST_F(MergeDivideReverseTest, MergedArcRunsOnFromTheChain)
{
    const double bulge = std::tan(kPi / 8.0);
    // Alone, an arc is taken from its end.
    const AcDbObjectId arc = addArc(0, 0, 10, 0, kPi / 2);
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::mergePline(arrayOf({arc}), AcDbObjectId::kNull, newId), Acad::eOk);
    expectVertices(verticesOf(newId), {{0, 10, -bulge}, {10, 0, 0}});
    // After a line ending at its start it runs along itself, counter-clockwise.
    const AcDbObjectId lead = addLine(20, 0, 10, 0);
    EXPECT_EQ(MavUtils::mergePline(arrayOf({lead, arc}), AcDbObjectId::kNull, newId), Acad::eOk);
    expectVertices(verticesOf(newId), {{20, 0, 0}, {10, 0, bulge}, {0, 10, 0}});
    // An arc across the +X direction keeps the sign of its turn.
    const AcDbObjectId across = addArc(0, 0, 10, 3 * kPi / 2, kPi / 2);
    EXPECT_EQ(MavUtils::mergePline(arrayOf({across}), AcDbObjectId::kNull, newId), Acad::eOk);
    expectVertices(verticesOf(newId), {{0, 10, -1.0}, {0, -10, 0}});
}

TEST_F(MergeDivideReverseTest, MergeTakesTheVerticesOfOldStylePolylines)
{
    AcGePoint3dArray flat;
    flat.append(AcGePoint3d(0, 0, 0));
    flat.append(AcGePoint3d(5, 0, 0));
    AcGeDoubleArray bulges;
    bulges.append(0.25);
    bulges.append(0.0);
    const AcDbObjectId poly2d = add(new AcDb2dPolyline(AcDb::k2dSimplePoly, flat, 0.0, false, 0.0, 0.0, &bulges));
    AcGePoint3dArray raised;
    raised.append(AcGePoint3d(5, 0, 0));
    raised.append(AcGePoint3d(5, 5, 2));
    raised.append(AcGePoint3d(9, 5, 2));
    const AcDbObjectId poly3d = add(new AcDb3dPolyline(AcDb::k3dSimplePoly, raised));
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::mergePline(arrayOf({poly2d, poly3d}), AcDbObjectId::kNull, newId), Acad::eOk);
    expectVertices(verticesOf(newId), {{0, 0, 0.25}, {5, 0, 0}, {5, 5, 0}, {9, 5, 0}});
}

TEST_F(MergeDivideReverseTest, MergeSetsTheLayerOnlyWhenGiven)
{
    const AcDbObjectId current = makeLayer(L"CURRENT");
    const AcDbObjectId given = makeLayer(L"GIVEN");
    db()->setClayer(current);
    const AcDbObjectId line = addLine(0, 0, 10, 0);
    AcDbEntity* pMerged = nullptr;
    EXPECT_EQ(MavUtils::mergePline(arrayOf({line}), AcDbObjectId::kNull, pMerged), Acad::eOk);
    ASSERT_NE(pMerged, nullptr);
    AcDbObjectId newId;
    ASSERT_EQ(MavUtils::addToCurrentSpaceAndClose(pMerged, newId), Acad::eOk);
    EXPECT_EQ(layerOf(newId), current);
    EXPECT_EQ(MavUtils::mergePline(arrayOf({line}), given, newId), Acad::eOk);
    EXPECT_EQ(layerOf(newId), given);
}

TEST_F(MergeDivideReverseTest, MergeKeepsWhatWasReadBeforeAnUnreadableCurve)
{
    const AcDbObjectId a = addLine(0, 0, 10, 0);
    const AcDbObjectId b = addLine(10, 0, 10, 5);
    const AcDbObjectId gone = erasedLine();
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::mergePline(arrayOf({a, b, gone}), AcDbObjectId::kNull, newId), Acad::eNotApplicable);
    expectVertices(verticesOf(newId), {{0, 0, 0}, {10, 0, 0}, {10, 5, 0}});
    // Nothing read, nothing made.
    const std::size_t count = modelSpace().size();
    AcDbObjectId none;
    EXPECT_EQ(MavUtils::mergePline(arrayOf({gone}), AcDbObjectId::kNull, none), Acad::eNotApplicable);
    EXPECT_EQ(MavUtils::mergePline(AcArray<AcDbObjectId>(), AcDbObjectId::kNull, none), Acad::eInvalidInput);
    EXPECT_TRUE(none.isNull());
    EXPECT_EQ(modelSpace().size(), count);
}

TEST_F(MergeDivideReverseTest, MergeIntoARecordOrNowhere)
{
    const AcDbObjectId a = addLine(0, 0, 10, 0);
    AcDbObjectId blockId;
    AcDbBlockTableRecord* pRecord = openNewBlock(L"MERGED", blockId);
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::mergePline(arrayOf({a}), AcDbObjectId::kNull, newId, pRecord), Acad::eOk);
    pRecord->close();
    EXPECT_EQ(entitiesOf(blockId), std::vector<AcDbObjectId>{newId});
    AcDbObjectId untouched;
    EXPECT_EQ(MavUtils::mergePline(arrayOf({a}), AcDbObjectId::kNull, untouched, nullptr), Acad::eOk);
    EXPECT_TRUE(untouched.isNull());
    EXPECT_EQ(modelSpace().size(), 1u);
}

TEST_F(MergeDivideReverseTest, GeometryMergeChainsLinesArcsAndPolylines)
{
    const AcDbObjectId line = addLine(0, 0, 10, 0);
    const AcDbObjectId polyline = addPolyline({{10, 0, 0}, {10, 5, 0}, {15, 5, 0}});
    const AcDbObjectId gone = erasedLine();
    const AcDbObjectId layer = makeLayer(L"CHAIN");
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::mergePlineEx(arrayOf({line, polyline, gone}), layer, newId), Acad::eNotApplicable);
    expectVertices(verticesOf(newId), {{0, 0, 0}, {10, 0, 0}, {10, 5, 0}, {15, 5, 0}});
    EXPECT_EQ(layerOf(newId), layer);
    EXPECT_NE(transcript().find(L"mergePlineEx 出现异常!"), std::wstring::npos);
    // Nothing that chains: no polyline.
    const std::size_t count = modelSpace().size();
    const AcDbObjectId circle = add(new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 3.0));
    AcDbObjectId none;
    EXPECT_EQ(MavUtils::mergePlineEx(arrayOf({circle}), layer, none), Acad::eInvalidInput);
    EXPECT_TRUE(none.isNull());
    EXPECT_EQ(modelSpace().size(), count + 1);
}

TEST_F(MergeDivideReverseTest, ReversingAPolylineMovesBulgesAndWidthsWithTheirSegments)
{
    auto* pSource = makePolyline({{0, 0, 0}, {10, 0, 0.5}, {10, 10, 0}});
    pSource->setWidthsAt(0, 1.0, 2.0);
    const AcDbObjectId id = add(pSource);
    EXPECT_EQ(MavUtils::reverseDbPolyline(id), Acad::eOk);
    expectVertices(verticesOf(id), {{10, 10, -0.5}, {10, 0, 0}, {0, 0, 0}});
    AcDbPolyline* pPolyline = nullptr;
    ASSERT_EQ(acdbOpenObject(pPolyline, id, AcDb::kForRead), Acad::eOk);
    double startWidth = 0.0;
    double endWidth = 0.0;
    pPolyline->getWidthsAt(1, startWidth, endWidth);
    EXPECT_EQ(startWidth, 2.0);
    EXPECT_EQ(endWidth, 1.0);
    pPolyline->close();

    // A closed polyline's closing segment turns round too.
    const AcDbObjectId closed = addPolyline({{0, 0, 0.1}, {10, 0, 0.2}, {10, 10, 0.3}}, true);
    EXPECT_EQ(MavUtils::reverseDbPolyline(closed), Acad::eOk);
    expectVertices(verticesOf(closed), {{10, 10, -0.2}, {10, 0, -0.1}, {0, 0, -0.3}});

    // Not a polyline: refused, the line as it was.
    const AcDbObjectId line = addLine(0, 0, 10, 0);
    EXPECT_EQ(MavUtils::reverseDbPolyline(line), Acad::eInvalidInput);
    expectLine(line, 0, 0, 10, 0);
}

TEST_F(MergeDivideReverseTest, ReversingArcsOnlyNegatesEachBulgeInPlace)
{
    const AcDbObjectId arc = addPolyline({{0, 0, 0.5}, {10, 0, 0}});
    EXPECT_EQ(MavUtils::reverseDbPolylineOnlyArc(arc), Acad::eOk);
    expectVertices(verticesOf(arc), {{10, 0, -0.5}, {0, 0, 0}});
    EXPECT_EQ(MavUtils::reverseDbPolylineOnlyArc(addLine(0, 0, 1, 1)), Acad::eInvalidInput);
}

TEST_F(MergeDivideReverseTest, ReverseCurveDispatchesByKind)
{
    const AcDbObjectId line = addLine(0, 0, 10, 0);
    EXPECT_EQ(MavUtils::reverseDbCurve(line), Acad::eOk);
    expectLine(line, 10, 0, 0, 0);
    const AcDbObjectId polyline = addPolyline({{0, 0, 0}, {5, 5, 0}});
    EXPECT_EQ(MavUtils::reverseDbCurve(polyline), Acad::eOk);
    expectVertices(verticesOf(polyline), {{5, 5, 0}, {0, 0, 0}});
    const AcDbObjectId arc = addArc(0, 0, 10, 0, kPi / 2);
    EXPECT_EQ(MavUtils::reverseDbCurve(arc), Acad::eOk);
    expectPoint(endsOf(arc).first, 10, 0);
    const AcDbObjectId circle = add(new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 3.0));
    EXPECT_EQ(MavUtils::reverseDbCurve(circle), Acad::eOk);
    EXPECT_NE(transcript().find(L"reverseDbCurve !isMavCurve 出现异常!"), std::wstring::npos);
}

TEST_F(MergeDivideReverseTest, ReversingAnOpenLine)
{
    auto* pLine = new AcDbLine(AcGePoint3d(1, 2, 0), AcGePoint3d(3, 4, 0));
    const AcDbObjectId id = add(pLine);
    AcDbLine* pOpen = nullptr;
    ASSERT_EQ(acdbOpenObject(pOpen, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(MavUtils::reverseDbLine(pOpen), Acad::eOk);
    pOpen->close();
    expectLine(id, 3, 4, 1, 2);
    EXPECT_EQ(MavUtils::reverseDbLine(addArc(0, 0, 1, 0, 1)), Acad::eInvalidInput);
}

TEST_F(MergeDivideReverseTest, DividingByIdReplacesTheCurve)
{
    const AcDbObjectId layer = makeLayer(L"PARTS");
    auto* pLine = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    pLine->setDatabaseDefaults(db());
    pLine->setColorIndex(5);
    pLine->setLayer(layer);
    const AcDbObjectId source = HostFixture::add(pLine);
    AcDbObjectId id = source;
    EXPECT_EQ(MavUtils::partDbCurve(id, 4), Acad::eOk);
    EXPECT_NE(id, source);
    EXPECT_TRUE(source.isErased());
    expectVertices(verticesOf(id), {{0, 0, 0}, {2.5, 0, 0}, {5, 0, 0}, {7.5, 0, 0}, {10, 0, 0}});
    EXPECT_EQ(layerOf(id), layer);
    AcDbEntity* pEnt = nullptr;
    ASSERT_EQ(acdbOpenObject(pEnt, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(pEnt->colorIndex(), 5);
    pEnt->close();

    // No pieces, or no curve: refused, nothing changed.
    const AcDbObjectId divided = id;
    EXPECT_EQ(MavUtils::partDbCurve(id, 0), Acad::eInvalidInput);
    EXPECT_EQ(id, divided);
    AcDbObjectId none;
    EXPECT_EQ(MavUtils::partDbCurve(none, 3), Acad::eInvalidInput);
    EXPECT_NE(transcript().find(L"\n被等分化曲线无效！"), std::wstring::npos);
    EXPECT_EQ(modelSpace().size(), 1u);
}

TEST_F(MergeDivideReverseTest, DividingAnOpenCurveByPiecesPerUnit)
{
    const AcDbObjectId source = addLine(0, 0, 3.7, 0);
    AcDbCurve* pCurve = nullptr;
    ASSERT_EQ(acdbOpenObject(pCurve, source, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(MavUtils::partDbCurve(pCurve, 2), Acad::eOk);
    EXPECT_EQ(MavUtils::partDbCurve(pCurve, 0), Acad::eInvalidInput);
    pCurve->close();
    EXPECT_FALSE(source.isErased());
    ASSERT_EQ(modelSpace().size(), 2u);
    const std::vector<Vertex> vertices = verticesOf(modelSpace().back());
    ASSERT_EQ(vertices.size(), 7u);
    EXPECT_NEAR(vertices[1].x, 3.7 / 6, 1e-9);
    EXPECT_EQ(MavUtils::partDbCurve(static_cast<AcDbCurve*>(nullptr), 2), Acad::eInvalidInput);
}

TEST_F(MergeDivideReverseTest, TwoVertexPolylineBecomesALine)
{
    const AcDbObjectId two = addPolyline({{1, 1, 0}, {4, 5, 0}});
    AcDbObjectId id = two;
    EXPECT_EQ(MavUtils::plineToLine(id), Acad::eOk);
    expectLine(id, 1, 1, 4, 5);
    EXPECT_FALSE(two.isErased());
    const AcDbObjectId three = addPolyline({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}});
    id = three;
    EXPECT_EQ(MavUtils::plineToLine(id), Acad::eOk);
    EXPECT_EQ(id, three);
    AcDbObjectId none;
    EXPECT_EQ(MavUtils::plineToLine(none), Acad::eInvalidInput);
}

} // namespace
