// Linking a first curve to a second: extended to the meeting point or cut back and replaced,
// as the way they meet asks; and the end-point editors.
#include "CurveEditFixture.h"

#include "MavUtils.h"

namespace {

class LinkingTest : public CurveEditFixture { };

TEST_F(LinkingTest, ShortLineIsExtendedToTheSecond)
{
    const AcDbObjectId first = addLine(0, 0, 8, 0);
    const AcDbObjectId second = addLine(10, -5, 10, 5);
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::linkTwoCurvesAtIntersectPoint(first, second, newId, 0), Acad::eOk);
    EXPECT_TRUE(newId.isNull());
    expectLine(first, 0, 0, 10, 0);
    // Its start, when the start is the nearer end.
    const AcDbObjectId reversed = addLine(8, 3, 12, 3);
    EXPECT_EQ(MavUtils::linkTwoCurvesAtIntersectPoint(reversed, addLine(0, 0, 0, 6), newId, 0), Acad::eOk);
    expectLine(reversed, 0, 3, 12, 3);
    EXPECT_EQ(modelSpace().size(), 4u);
}

TEST_F(LinkingTest, PolylineMeetingAtBothExtendedEndsGrowsAtTheNearerOne)
{
    // Extended, the polyline meets the line 8 before its start and 1.5 past its end.
    const AcDbObjectId first = addPolyline({{0, 0, 0}, {5, 0, 0}, {5, 5, 0}});
    const AcDbObjectId second = addLine(-10, -1, 8, 8);
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::linkTwoCurvesAtIntersectPoint(first, second, newId, 0), Acad::eOk);
    expectVertices(verticesOf(first), {{0, 0, 0}, {5, 0, 0}, {5, 6.5, 0}});
}

TEST_F(LinkingTest, CrossingLinesAreCutAndTheFirstReplaced)
{
    for (int side : {0, 1}) {
        SCOPED_TRACE(side);
        const AcDbObjectId first = addLine(0, 0, 10, 0);
        const AcDbObjectId second = addLine(4, -5, 4, 5);
        AcDbObjectId newId;
        EXPECT_EQ(MavUtils::linkTwoCurvesAtIntersectPoint(first, second, newId, side), Acad::eOk);
        EXPECT_TRUE(first.isErased());
        if (side == 0)
            expectLine(newId, 0, 0, 4, 0);
        else
            expectLine(newId, 4, 0, 10, 0);
        expectLine(second, 4, -5, 4, 5);
    }
}

TEST_F(LinkingTest, CurvesThatAlreadyMeetOrNeverMeetAreLeftAlone)
{
    const AcDbObjectId first = addLine(0, 0, 10, 0);
    const AcDbObjectId touching = addLine(10, 0, 10, 5);
    const AcDbObjectId parallel = addLine(0, 3, 10, 3);
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::linkTwoCurvesAtIntersectPoint(first, touching, newId, 0), Acad::eOk);
    EXPECT_EQ(MavUtils::linkTwoCurvesAtIntersectPoint(first, parallel, newId, 0), Acad::eOk);
    EXPECT_TRUE(newId.isNull());
    expectLine(first, 0, 0, 10, 0);
    EXPECT_EQ(modelSpace().size(), 3u);
}

TEST_F(LinkingTest, PolylineThatCannotBeExtendedMovesAVertexWithinReach)
{
    // A closed square has no end to extend; its first vertex lies 0.5 from the meeting point.
    const std::vector<Vertex> square = {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}};
    const AcDbObjectId near = addPolyline(square, true);
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::linkTwoCurvesAtIntersectPoint(near, addLine(0.5, -5, 0.5, -2), newId, 0), Acad::eOk);
    expectVertices(verticesOf(near), {{0.5, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}});
    // Two units away nothing moves, and that is no failure.
    const AcDbObjectId far = addPolyline(square, true);
    EXPECT_EQ(MavUtils::linkTwoCurvesAtIntersectPoint(far, addLine(2, -5, 2, -2), newId, 0), Acad::eOk);
    expectVertices(verticesOf(far), square);
    // The pointer forms do not fall back: the extension's own refusal is the result.
    AcDbCurve* pFirst = nullptr;
    AcDbCurve* pSecond = nullptr;
    const AcDbObjectId second = addLine(0.5, -5, 0.5, -2);
    ASSERT_EQ(acdbOpenObject(pFirst, addPolyline(square, true), AcDb::kForRead), Acad::eOk);
    ASSERT_EQ(acdbOpenObject(pSecond, second, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(MavUtils::linkTwoCurvesAtIntersectPoint(pFirst, pSecond, 0), Acad::eNotApplicable);
    pFirst->close();
    pSecond->close();
}

TEST_F(LinkingTest, PointerFormsTrimIntoTheCurrentSpaceOrARecord)
{
    const AcDbObjectId first = addLine(0, 0, 10, 0);
    const AcDbObjectId second = addLine(4, -5, 4, 5);
    AcDbCurve* pFirst = nullptr;
    AcDbCurve* pSecond = nullptr;
    ASSERT_EQ(acdbOpenObject(pFirst, first, AcDb::kForRead), Acad::eOk);
    ASSERT_EQ(acdbOpenObject(pSecond, second, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(MavUtils::linkTwoCurvesAtIntersectPoint(pFirst, pSecond, 1), Acad::eOk);
    pFirst->close();
    pSecond->close();
    EXPECT_TRUE(first.isErased());
    expectLine(modelSpace().back(), 4, 0, 10, 0);

    AcDbObjectId blockId;
    AcDbBlockTableRecord* pRecord = openNewBlock(L"LINKED", blockId);
    const AcDbObjectId other = addLine(0, 2, 10, 2);
    ASSERT_EQ(acdbOpenObject(pSecond, second, AcDb::kForRead), Acad::eOk);
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::linkTwoCurvesAtIntersectPoint(pRecord, other, pSecond, newId, 0), Acad::eOk);
    pSecond->close();
    pRecord->close();
    EXPECT_TRUE(other.isErased());
    ASSERT_EQ(entitiesOf(blockId), std::vector<AcDbObjectId>{newId});
    expectLine(newId, 0, 2, 4, 2);
}

TEST_F(LinkingTest, SecondGivenOpenStaysTheCallers)
{
    const AcDbObjectId first = addLine(0, 0, 8, 0);
    const AcDbObjectId second = addLine(10, -5, 10, 5);
    AcDbCurve* pSecond = nullptr;
    ASSERT_EQ(acdbOpenObject(pSecond, second, AcDb::kForRead), Acad::eOk);
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::linkTwoCurvesAtIntersectPoint(first, pSecond, newId, 0), Acad::eOk);
    EXPECT_EQ(pSecond->close(), Acad::eOk);
    expectLine(first, 0, 0, 10, 0);
}

TEST_F(LinkingTest, UnopenableCurvesAreReported)
{
    const AcDbObjectId line = addLine(0, 0, 10, 0);
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::linkTwoCurvesAtIntersectPoint(AcDbObjectId::kNull, line, newId, 0), Acad::eInvalidInput);
    EXPECT_NE(transcript().find(L"\n openCurveWithID1"), std::wstring::npos);
    EXPECT_EQ(MavUtils::linkTwoCurvesAtIntersectPoint(line, AcDbObjectId::kNull, newId, 0), Acad::eInvalidInput);
    EXPECT_NE(transcript().find(L"\n openCurveWithID2"), std::wstring::npos);
    // The first curve was closed again.
    AcDbEntity* pEnt = nullptr;
    ASSERT_EQ(acdbOpenObject(pEnt, line, AcDb::kForWrite), Acad::eOk);
    pEnt->close();
}

TEST_F(LinkingTest, ExtendingOneEnd)
{
    const AcDbObjectId id = addLine(2, 0, 8, 0);
    AcDbCurve* pCurve = nullptr;
    ASSERT_EQ(acdbOpenObject(pCurve, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(MavUtils::extendCurveToPoint(pCurve, 1, AcGePoint3d(0, 0, 0)), Acad::eOk);
    EXPECT_TRUE(pCurve->isWriteEnabled());
    EXPECT_EQ(MavUtils::extendCurveToPoint(pCurve, 0, AcGePoint3d(12, 0, 0)), Acad::eOk);
    pCurve->close();
    expectLine(id, 0, 0, 12, 0);
}

TEST_F(LinkingTest, ResettingEndPointsOfLinesAndPolylinesOnly)
{
    const AcDbObjectId line = addLine(0, 0, 10, 0);
    EXPECT_EQ(MavUtils::resetStartEndPoint(line, AcGePoint3d(1, 1, 0), AcGePoint3d(9, 9, 0)), Acad::eOk);
    expectLine(line, 1, 1, 9, 9);
    const AcDbObjectId polyline = addPolyline({{0, 0, 0}, {5, 5, 0.2}, {10, 0, 0}});
    EXPECT_EQ(MavUtils::resetStartEndPoint(polyline, AcGePoint3d(-1, 0, 7), AcGePoint3d(11, 0, 7)), Acad::eOk);
    expectVertices(verticesOf(polyline), {{-1, 0, 0}, {5, 5, 0.2}, {11, 0, 0}});
    const AcDbObjectId arc = addArc(0, 0, 5, 0, kPi / 2);
    EXPECT_EQ(MavUtils::resetStartEndPoint(arc, AcGePoint3d(1, 1, 0), AcGePoint3d(9, 9, 0)), Acad::eOk);
    expectPoint(endsOf(arc).first, 5, 0);
    EXPECT_EQ(MavUtils::resetStartEndPoint(AcDbObjectId::kNull, AcGePoint3d(), AcGePoint3d()), Acad::eInvalidInput);
}

TEST_F(LinkingTest, LinetypeGenerationOfPolylinesOnly)
{
    const AcDbObjectId polyline = addPolyline({{0, 0, 0}, {5, 5, 0}});
    EXPECT_EQ(MavUtils::changePlinegen(polyline, 1), Acad::eOk);
    AcDbPolyline* pPolyline = nullptr;
    ASSERT_EQ(acdbOpenObject(pPolyline, polyline, AcDb::kForRead), Acad::eOk);
    EXPECT_TRUE(pPolyline->hasPlinegen());
    pPolyline->close();
    EXPECT_EQ(MavUtils::changePlinegen(addLine(0, 0, 1, 1), 1), Acad::eOk);
    EXPECT_NE(transcript().find(L"\nchangePlinegen isKindOf AcDbPolyline 出现异常!"), std::wstring::npos);
    EXPECT_EQ(MavUtils::changePlinegen(AcDbObjectId::kNull, 1), Acad::eInvalidInput);
    EXPECT_NE(transcript().find(L"changePlinegen openCurveWithID 出现异常!"), std::wstring::npos);
}

} // namespace
