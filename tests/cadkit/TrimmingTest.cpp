// Trimming at one or two cutting edges: which piece is kept and where it goes, the source
// left alone, the refusals; and the trims through the host's TRIM command.
#include "CurveEditFixture.h"

#include "MavUtils.h"

namespace {

class TrimmingTest : public CurveEditFixture { };

struct SideCase {
    int side;
    double x1, y1, x2, y2;
};

TEST_F(TrimmingTest, CoreTrimKeepsTheSidesPieceAndLeavesTheSourceAlone)
{
    const AcDbObjectId edge = addLine(4, -5, 4, 5);
    const AcDbObjectId curve = addLine(0, 0, 10, 0);
    for (const SideCase& c : {SideCase{0, 0, 0, 4, 0}, SideCase{1, 4, 0, 10, 0}, SideCase{7, 4, 0, 10, 0}}) {
        SCOPED_TRACE(c.side);
        const std::size_t before = modelSpace().size();
        AcDbObjectId newId;
        EXPECT_EQ(MavUtils::trimBesideEx(edge, curve, c.side, newId), Acad::eOk);
        expectLine(newId, c.x1, c.y1, c.x2, c.y2);
        expectLine(curve, 0, 0, 10, 0);
        EXPECT_EQ(modelSpace().size(), before + 1);
    }
}

TEST_F(TrimmingTest, CoreTrimExtendsAnEdgeThatStopsShort)
{
    const AcDbObjectId edge = addLine(6, 2, 6, 8);
    const AcDbObjectId curve = addLine(0, 0, 10, 0);
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::trimBesideEx(edge, curve, 0, newId), Acad::eOk);
    expectLine(newId, 0, 0, 6, 0);
}

TEST_F(TrimmingTest, CoreTrimRefusesAnEdgeThatNeverMeetsTheCurve)
{
    // Without a crossing no cut is made, not even through the origin the curve passes.
    const AcDbObjectId edge = addLine(-5, 3, 5, 3);
    const AcDbObjectId curve = addLine(-5, 0, 5, 0);
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::trimBesideEx(edge, curve, 0, newId), Acad::eInvalidInput);
    EXPECT_TRUE(newId.isNull());
    EXPECT_EQ(modelSpace().size(), 2u);
}

TEST_F(TrimmingTest, PolylineEndingOnTheEdgeIsCopiedWithItsEndOnTheCrossing)
{
    // An edge half a unit past the polyline's end meets it nowhere, even extended.
    const AcDbObjectId edge = addLine(10.5, -5, 10.5, 5);
    const AcDbObjectId curve = addPolyline({{0, 0, 0}, {5, 0, 0.2}, {10, 0, 0}});
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::trimBesideEx(edge, curve, 0, newId), Acad::eInvalidInput);

    // On the edge itself: one piece, a copy ending exactly on the crossing.
    const AcDbObjectId onEdge = addLine(10, -5, 10, 5);
    EXPECT_EQ(MavUtils::trimBesideEx(onEdge, curve, 0, newId), Acad::eOk);
    ASSERT_EQ(classOf(newId), L"AcDbPolyline");
    expectVertices(verticesOf(newId), {{0, 0, 0}, {5, 0, 0.2}, {10, 0, 0}});
    EXPECT_NE(newId, curve);

    // The other side names the start, which lies far from the crossing: nothing is kept.
    const std::size_t before = modelSpace().size();
    AcDbObjectId other;
    EXPECT_EQ(MavUtils::trimBesideEx(onEdge, curve, 1, other), Acad::eOk);
    EXPECT_TRUE(other.isNull());
    EXPECT_EQ(modelSpace().size(), before);

    // A line cut at its end has no copy to make.
    const AcDbObjectId line = addLine(0, 3, 10, 3);
    const AcDbObjectId atLineEnd = addLine(10, 0, 10, 6);
    EXPECT_EQ(MavUtils::trimBesideEx(atLineEnd, line, 0, other), Acad::eInvalidInput);
}

TEST_F(TrimmingTest, ClosedPolylineCopyRunsOnceRoundWithDefaultProperties)
{
    auto* pSource = makePolyline({{0, 0, 0}, {10, 0, 0}, {10, 10, 0.3}}, true);
    pSource->setDatabaseDefaults(db());
    pSource->setColorIndex(3);
    const AcDbObjectId curve = HostFixture::add(pSource);
    // The edge touches the loop at its first vertex only. The copy keeps every corner and the
    // closing arc: moving its last vertex onto the cut instead would lose the corner (10,10).
    const AcDbObjectId edge = addLine(1, -1, -1, 1);
    for (int side : {0, 1}) {
        SCOPED_TRACE(side);
        AcDbObjectId newId;
        ASSERT_EQ(MavUtils::trimBesideEx(edge, curve, side, newId), Acad::eOk);
        AcDbPolyline* pCopy = nullptr;
        ASSERT_EQ(acdbOpenObject(pCopy, newId, AcDb::kForRead), Acad::eOk);
        EXPECT_FALSE(pCopy->isClosed());
        EXPECT_NE(pCopy->colorIndex(), 3);
        expectVertices(verticesOf(pCopy), {{0, 0, 0}, {10, 0, 0}, {10, 10, 0.3}, {0, 0, 0}});
        pCopy->close();
    }
}

TEST_F(TrimmingTest, PickTrimDropsThePieceNearerThePick)
{
    struct PickCase {
        double x, y;
        double x1, y1, x2, y2;
    };
    // Nearer piece 0: piece 1 stays; nearer piece 1: piece 0 stays; a tie keeps piece 1.
    const AcDbObjectId edge = addLine(4, -5, 4, 5);
    const AcDbObjectId curve = addLine(0, 0, 10, 0);
    for (const PickCase& c : {PickCase{1, 1, 4, 0, 10, 0}, PickCase{9, 1, 0, 0, 4, 0}, PickCase{4, 3, 4, 0, 10, 0}}) {
        SCOPED_TRACE(c.x);
        const std::size_t before = modelSpace().size();
        EXPECT_EQ(MavUtils::trimBesideEx(edge, AcGePoint3d(c.x, c.y, 0), curve), Acad::eOk);
        ASSERT_EQ(modelSpace().size(), before + 1);
        expectLine(modelSpace().back(), c.x1, c.y1, c.x2, c.y2);
    }
}

TEST_F(TrimmingTest, PickTrimWithoutCrossingIsRefused)
{
    const AcDbObjectId edge = addLine(4, 2, 4, 5);
    const AcDbObjectId curve = addLine(0, 0, 10, 0);
    EXPECT_EQ(MavUtils::trimBesideEx(edge, AcGePoint3d(1, 1, 0), curve), Acad::eInvalidInput);
    EXPECT_EQ(modelSpace().size(), 2u);
}

TEST_F(TrimmingTest, DirectionTrimReadsTheSideAgainstThePoint)
{
    struct PointCase {
        int side;
        double px;
        double x1, x2;
    };
    // Side 0 keeps the piece where the point lies, any other side the other piece.
    const AcDbObjectId edge = addLine(4, -5, 4, 5);
    const AcDbObjectId curve = addLine(0, 0, 10, 0);
    for (const PointCase& c :
        {PointCase{0, 1, 0, 4}, PointCase{0, 9, 4, 10}, PointCase{1, 1, 4, 10}, PointCase{1, 9, 0, 4}}) {
        SCOPED_TRACE(testing::Message() << c.side << " " << c.px);
        AcDbObjectId newId;
        EXPECT_EQ(MavUtils::trimBesideEx(edge, curve, c.side, AcGePoint3d(c.px, 2, 0), newId), Acad::eOk);
        expectLine(newId, c.x1, 0, c.x2, 0);
    }
}

TEST_F(TrimmingTest, RecordFormsAppendToTheCallersBlock)
{
    const AcDbObjectId edge = addLine(4, -5, 4, 5);
    const AcDbObjectId curve = addLine(0, 0, 10, 0);
    AcDbObjectId blockId;
    AcDbBlockTableRecord* pRecord = openNewBlock(L"PIECES", blockId);
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::trimBesideEx(pRecord, edge, curve, 1, newId), Acad::eOk);
    EXPECT_EQ(MavUtils::trimBesideEx(pRecord, edge, AcGePoint3d(9, 1, 0), curve), Acad::eOk);
    pRecord->close();
    const std::vector<AcDbObjectId> pieces = entitiesOf(blockId);
    ASSERT_EQ(pieces.size(), 2u);
    expectLine(pieces[0], 4, 0, 10, 0);
    expectLine(pieces[1], 0, 0, 4, 0);
    EXPECT_EQ(modelSpace().size(), 2u);
}

TEST_F(TrimmingTest, NullRecordKeepsNothingAndLosesNothing)
{
    const AcDbObjectId edge = addLine(4, -5, 4, 5);
    const AcDbObjectId curve = addLine(0, 0, 10, 0);
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::trimBesideEx(nullptr, edge, curve, 1, newId), Acad::eOk);
    EXPECT_TRUE(newId.isNull());
    EXPECT_EQ(modelSpace().size(), 2u);
}

TEST_F(TrimmingTest, IdFormsReturnTheOpenStatus)
{
    const AcDbObjectId curve = addLine(0, 0, 10, 0);
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::trimBesideEx(AcDbObjectId::kNull, curve, 0, newId), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::trimBesideEx(curve, AcDbObjectId::kNull, 0, newId), Acad::eInvalidInput);
    // The curve opened first is closed again: it opens for write afterwards.
    AcDbEntity* pEnt = nullptr;
    EXPECT_EQ(acdbOpenObject(pEnt, curve, AcDb::kForWrite), Acad::eOk);
    pEnt->close();
}

struct BetweenCase {
    int mode;
    std::size_t added;
};

TEST_F(TrimmingTest, BetweenEdgesKeepsTheMiddleOrTheOuterPieces)
{
    const AcDbObjectId edge1 = addLine(3, -5, 3, 5);
    const AcDbObjectId edge2 = addLine(7, -5, 7, 5);
    const AcDbObjectId curve = addLine(0, 0, 10, 0);
    for (const BetweenCase& c : {BetweenCase{0, 1}, BetweenCase{1, 2}}) {
        SCOPED_TRACE(c.mode);
        const std::size_t before = modelSpace().size();
        AcDbObjectId id1;
        AcDbObjectId id2;
        EXPECT_EQ(MavUtils::trimBetweenEx(edge1, edge2, curve, c.mode, id1, id2), Acad::eOk);
        EXPECT_EQ(modelSpace().size(), before + c.added);
        if (c.mode == 0) {
            expectLine(id1, 3, 0, 7, 0);
            EXPECT_TRUE(id2.isNull());
        } else {
            expectLine(id1, 0, 0, 3, 0);
            expectLine(id2, 7, 0, 10, 0);
        }
        expectLine(curve, 0, 0, 10, 0);
    }
}

TEST_F(TrimmingTest, BetweenEdgesWithAnEdgeThatMissesIsRefused)
{
    const AcDbObjectId edge1 = addLine(3, -5, 3, 5);
    const AcDbObjectId edge2 = addLine(7, 2, 7, 5);
    const AcDbObjectId curve = addLine(0, 0, 10, 0);
    AcDbObjectId id1;
    AcDbObjectId id2;
    EXPECT_EQ(MavUtils::trimBetweenEx(edge1, edge2, curve, 0, id1, id2), Acad::eInvalidInput);
    EXPECT_NE(transcript().find(L"trimBetweenEx4727 curveSegs.length() != 3 出现异常!"), std::wstring::npos);
    EXPECT_EQ(modelSpace().size(), 3u);
}

TEST_F(TrimmingTest, BetweenPointsCutsAtTheGivenPoints)
{
    const AcDbObjectId curve = addLine(0, 0, 10, 0);
    AcDbObjectId id1;
    AcDbObjectId id2;
    EXPECT_EQ(MavUtils::trimBetweenEx(AcGePoint3d(2, 0, 0), AcGePoint3d(5, 0, 0), curve, 0, id1, id2), Acad::eOk);
    expectLine(id1, 2, 0, 5, 0);

    // One point twice cuts once: two pieces are refused.
    AcDbObjectId other;
    EXPECT_EQ(MavUtils::trimBetweenEx(AcGePoint3d(2, 0, 0), AcGePoint3d(2, 0, 0), curve, 0, other, id2),
        Acad::eInvalidInput);
    EXPECT_NE(transcript().find(L"trimBetweenEx6 curveSegs.length() != 3 出现异常!"), std::wstring::npos);
    EXPECT_TRUE(other.isNull());

    // A point off the curve: the split's own refusal.
    EXPECT_NE(MavUtils::trimBetweenEx(AcGePoint3d(2, 1, 0), AcGePoint3d(5, 0, 0), curve, 0, other, id2), Acad::eOk);
    EXPECT_EQ(modelSpace().size(), 2u);
}

TEST_F(TrimmingTest, ListTrimCutsTheCurvesTheEdgeEndsOn)
{
    // The edge ends on the first listed line and crosses the second one.
    const AcDbObjectId edge = addLine(4, 0, 4, 5);
    const AcDbObjectId endsOn = addLine(0, 0, 10, 0);
    const AcDbObjectId crossed = addLine(0, 2, 10, 2);
    AcArray<AcDbObjectId> curves;
    EXPECT_EQ(MavUtils::trimBesideEx(edge, curves, 1), Acad::eOk);
    EXPECT_EQ(modelSpace().size(), 3u);
    curves.append(endsOn);
    curves.append(crossed);
    EXPECT_EQ(MavUtils::trimBesideEx(edge, curves, 1), Acad::eOk);
    ASSERT_EQ(modelSpace().size(), 4u);
    expectLine(modelSpace().back(), 4, 0, 10, 0);
}

TEST_F(TrimmingTest, CommandTrimBetweenEdgesRemovesTheMiddleAndRestoresEcho)
{
    resbuf echo{};
    echo.restype = RTSHORT;
    echo.resval.rint = 1;
    acedSetVar(L"CMDECHO", &echo);
    const AcDbObjectId edge1 = addLine(3, -5, 3, 5);
    const AcDbObjectId edge2 = addLine(7, -5, 7, 5);
    const AcDbObjectId curve = addLine(0, 0, 10, 0);
    MavUtils::trimBetween(edge1, edge2, curve);
    EXPECT_TRUE(curve.isErased());
    const std::vector<AcDbObjectId> ids = modelSpace();
    ASSERT_EQ(ids.size(), 4u);
    expectLine(ids[2], 0, 0, 3, 0);
    expectLine(ids[3], 7, 0, 10, 0);
    resbuf after{};
    acedGetVar(L"CMDECHO", &after);
    EXPECT_EQ(after.resval.rint, 1);

    // A null id does nothing.
    MavUtils::trimBetween(edge1, AcDbObjectId::kNull, ids[2]);
    EXPECT_EQ(modelSpace().size(), 4u);
}

TEST_F(TrimmingTest, CommandTrimPicksHalfwayToAnEdgeThatFallsShort)
{
    // The second edge reaches the line only when extended; the pick lies between the crossings.
    const AcDbObjectId edge1 = addLine(3, -5, 3, 5);
    const AcDbObjectId edge2 = addLine(7, 1, 7, 5);
    const AcDbObjectId curve = addLine(0, 0, 10, 0);
    MavUtils::trimBetween(edge1, edge2, curve);
    const std::vector<AcDbObjectId> ids = modelSpace();
    ASSERT_EQ(ids.size(), 3u);
    expectLine(ids[2], 0, 0, 3, 0);
}

TEST_F(TrimmingTest, CommandTrimBesideAndInside)
{
    const AcDbObjectId edge = addLine(4, -5, 4, 5);
    const AcDbObjectId curve = addLine(0, 0, 10, 0);
    AcArray<AcDbObjectId> objects;
    EXPECT_EQ(MavUtils::trimBeside(AcGePoint3d(1, 0, 0), edge, objects), Acad::eInvalidInput);
    objects.append(curve);
    EXPECT_EQ(MavUtils::trimBeside(AcGePoint3d(1, 0, 0), AcDbObjectId::kNull, objects), Acad::eInvalidInput);
    EXPECT_FALSE(curve.isErased());
    EXPECT_EQ(MavUtils::trimBeside(AcGePoint3d(1, 0, 0), edge, objects), Acad::eOk);
    ASSERT_EQ(modelSpace().size(), 2u);
    expectLine(modelSpace().back(), 4, 0, 10, 0);

    // Inside: picked at the centre of a closed edge, so the piece within it goes.
    const AcDbObjectId box = addPolyline({{-2, 3, 0}, {2, 3, 0}, {2, 7, 0}, {-2, 7, 0}}, true);
    const AcDbObjectId cross = addLine(0, 0, 0, 10);
    AcArray<AcDbObjectId> inside;
    inside.append(cross);
    EXPECT_EQ(MavUtils::trimInside(box, inside), Acad::eOk);
    EXPECT_TRUE(cross.isErased());
    const std::vector<AcDbObjectId> ids = modelSpace();
    ASSERT_EQ(ids.size(), 5u);
    expectLine(ids[3], 0, 0, 0, 3);
    expectLine(ids[4], 0, 7, 0, 10);
}

} // namespace
