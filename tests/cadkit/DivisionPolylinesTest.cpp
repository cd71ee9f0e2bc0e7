// Division polylines in the band between two curves: cross lines square to a base curve (or
// turned from it), the k-th division point of every cross line joined into polyline k.
#include "CurveEditFixture.h"

#include "MavUtils.h"

namespace {

class DivisionPolylinesTest : public CurveEditFixture {
protected:
    void SetUp() override
    {
        CurveEditFixture::SetUp();
        mFirst = addLine(-5, 0, 20, 0);
        mSecond = addLine(-5, 6, 20, 6);
    }

    // The band 0 <= y <= 6, crossed square to a base along y = 3.
    AcDbObjectId mFirst;
    AcDbObjectId mSecond;
};

TEST_F(DivisionPolylinesTest, EachPolylineJoinsOneRankOfDivisionPoints)
{
    const AcDbObjectId base = addLine(0, 3, 13, 3);
    AcArray<AcDbObjectId> ids;
    ids.append(mFirst);
    EXPECT_EQ(MavUtils::drawBisectrixBetweenCurves(mFirst, mSecond, base, AcDbObjectId::kNull, 3, 4.0, ids),
        Acad::eOk);
    // Stations at 0, 4, 8 and 12, then the end, 13: four cross lines, two ranks.
    ASSERT_EQ(ids.length(), 3);
    EXPECT_EQ(ids[0], mFirst);
    expectVertices(verticesOf(ids[1]), {{0, 2, 0}, {4, 2, 0}, {8, 2, 0}, {12, 2, 0}, {13, 2, 0}});
    expectVertices(verticesOf(ids[2]), {{0, 4, 0}, {4, 4, 0}, {8, 4, 0}, {12, 4, 0}, {13, 4, 0}});
}

TEST_F(DivisionPolylinesTest, AWalkLandingOnTheEndAddsNoEndStation)
{
    const AcDbObjectId base = addLine(0, 3, 12, 3);
    AcArray<AcDbObjectId> ids;
    EXPECT_EQ(MavUtils::drawBisectrixBetweenCurves(mFirst, mSecond, base, AcDbObjectId::kNull, 2, 4.0, ids),
        Acad::eOk);
    ASSERT_EQ(ids.length(), 1);
    expectVertices(verticesOf(ids[0]), {{0, 3, 0}, {4, 3, 0}, {8, 3, 0}});
}

TEST_F(DivisionPolylinesTest, ExReversesOnRequestAndKeepsRepeatedPoints)
{
    // A base that turns back crosses x = 3 twice.
    const AcDbObjectId base = addPolyline({{0, 3, 0}, {6, 3, 0}, {0, 3, 0}});
    AcArray<AcDbObjectId> ids;
    EXPECT_EQ(MavUtils::drawBisectrixBetweenCurves(mFirst, mSecond, base, AcDbObjectId::kNull, 2, 3.0, ids),
        Acad::eOk);
    EXPECT_EQ(MavUtils::drawBisectrixBetweenCurvesEx(mFirst, mSecond, base, 2, 3.0, ids, 0), Acad::eOk);
    EXPECT_EQ(MavUtils::drawBisectrixBetweenCurvesEx(mFirst, mSecond, base, 2, 3.0, ids, 1), Acad::eOk);
    ASSERT_EQ(ids.length(), 3);
    expectVertices(verticesOf(ids[0]), {{0, 3, 0}, {3, 3, 0}, {6, 3, 0}});
    expectVertices(verticesOf(ids[1]), {{0, 3, 0}, {3, 3, 0}, {6, 3, 0}, {3, 3, 0}});
    expectVertices(verticesOf(ids[2]), {{3, 3, 0}, {6, 3, 0}, {3, 3, 0}, {0, 3, 0}});
}

TEST_F(DivisionPolylinesTest, LayerOnlyWhereGivenAndRecordsTakeThePolylines)
{
    const AcDbObjectId layer = makeLayer(L"STRIPS");
    AcDbObjectId blockId;
    AcDbBlockTableRecord* pRecord = openNewBlock(L"STRIPS", blockId);

    const AcDbObjectId base = addLine(0, 3, 8, 3);
    AcArray<AcDbObjectId> ids;
    EXPECT_EQ(MavUtils::drawBisectrixBetweenCurves(pRecord, mFirst, mSecond, base, layer, 2, 4.0, ids), Acad::eOk);
    EXPECT_EQ(MavUtils::drawBisectrixBetweenCurvesEx(pRecord, mFirst, mSecond, base, 2, 4.0, ids, 0), Acad::eOk);
    pRecord->close();
    ASSERT_EQ(ids.length(), 2);
    EXPECT_EQ(entitiesOf(blockId), (std::vector<AcDbObjectId>{ids[0], ids[1]}));
    AcDbEntity* pEnt = nullptr;
    ASSERT_EQ(acdbOpenObject(pEnt, ids[0], AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(pEnt->layerId(), layer);
    pEnt->close();
    ASSERT_EQ(acdbOpenObject(pEnt, ids[1], AcDb::kForRead), Acad::eOk);
    EXPECT_NE(pEnt->layerId(), layer);
    pEnt->close();

    // No record: nothing drawn, a null id per polyline.
    EXPECT_EQ(MavUtils::drawBisectrixBetweenCurves(nullptr, mFirst, mSecond, base, layer, 3, 4.0, ids), Acad::eOk);
    ASSERT_EQ(ids.length(), 4);
    EXPECT_TRUE(ids[2].isNull());
    EXPECT_TRUE(ids[3].isNull());
}

TEST_F(DivisionPolylinesTest, CrossLinesTurnedFromTheGuide)
{
    const AcDbObjectId guide = addLine(0, 3, 8, 3);
    AcArray<AcDbObjectId> ids;
    // A quarter turn is square to the guide; an eighth turn slants the cross lines at 45 degrees.
    EXPECT_EQ(MavUtils::drawBisectrixBetweenCurvesBaseOnAngle(
                  mFirst, mSecond, guide, kPi / 2, AcDbObjectId::kNull, 2, 4.0, ids),
        Acad::eOk);
    EXPECT_EQ(MavUtils::drawBisectrixBetweenCurvesBaseOnAngle(
                  mFirst, mSecond, guide, kPi / 4, AcDbObjectId::kNull, 3, 4.0, ids),
        Acad::eOk);
    ASSERT_EQ(ids.length(), 3);
    expectVertices(verticesOf(ids[0]), {{0, 3, 0}, {4, 3, 0}});
    expectVertices(verticesOf(ids[1]), {{-1, 2, 0}, {3, 2, 0}});
    expectVertices(verticesOf(ids[2]), {{1, 4, 0}, {5, 4, 0}});
}

TEST_F(DivisionPolylinesTest, CrossLinesThatMissABoundaryAddNoPoints)
{
    // The first boundary is an arc over 0 <= x <= 10: even as a whole circle it misses the
    // cross lines at x = 13 and 15.
    const AcDbObjectId arc = addArc(5, 0, 5, 0, kPi);
    const AcDbObjectId top = addLine(0, 10, 20, 10);
    const AcDbObjectId base = addLine(1, 8, 15, 8);
    AcArray<AcDbObjectId> ids;
    EXPECT_EQ(MavUtils::drawBisectrixBetweenCurves(arc, top, base, AcDbObjectId::kNull, 3, 4.0, ids), Acad::eOk);
    ASSERT_EQ(ids.length(), 2);
    const std::vector<Vertex> lower = verticesOf(ids[0]);
    ASSERT_EQ(lower.size(), 3u);
    expectVertices(lower, {{1, 16.0 / 3, 0}, {5, 20.0 / 3, 0}, {9, 16.0 / 3, 0}});
}

TEST_F(DivisionPolylinesTest, RefusalsAndCountsBelowTwo)
{
    const AcDbObjectId base = addLine(0, 3, 8, 3);
    AcArray<AcDbObjectId> ids;
    EXPECT_EQ(MavUtils::drawBisectrixBetweenCurves(mFirst, mSecond, base, AcDbObjectId::kNull, 1, 4.0, ids),
        Acad::eOk);
    EXPECT_EQ(MavUtils::drawBisectrixBetweenCurves(mFirst, mSecond, base, AcDbObjectId::kNull, 0, 4.0, ids),
        Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::drawBisectrixBetweenCurves(mFirst, mSecond, base, AcDbObjectId::kNull, 2, 0.0, ids),
        Acad::eInvalidInput);
    EXPECT_NE(MavUtils::drawBisectrixBetweenCurvesEx(mFirst, mSecond, AcDbObjectId::kNull, 2, 4.0, ids, 0),
        Acad::eOk);
    EXPECT_NE(transcript().find(L"getIntersectPoint 出现异常!"), std::wstring::npos);
    EXPECT_EQ(ids.length(), 0);
    EXPECT_EQ(modelSpace().size(), 3u);
}

} // namespace
