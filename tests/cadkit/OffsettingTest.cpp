// Offsets: polylines offset on a side chosen by a point (mitred or vertex by vertex), curves offset by
// the platform with a retry on the point's side, the fallback that thins a polyline out, and
// straight lines moved sideways.
#include "CurveEditFixture.h"

#include "MavUtils.h"

#include "AcDbPoint.h"

#include <cmath>
#include <functional>
#include <memory>
#include <string>

namespace {

class OffsettingTest : public CurveEditFixture {
protected:
    // Each point-driven member, with the polyline it hands back (owned by the test either way:
    // the one in the drawing is read back from its id).
    using PolylineOffset =
        std::function<std::vector<Vertex>(const AcDbPolyline*, double, const AcGePoint3d&)>;

    static std::vector<std::pair<const char*, PolylineOffset>> pointDrivenMembers()
    {
        return {
            {"mitred",
                [](const AcDbPolyline* p, double d, const AcGePoint3d& side) {
                    AcDbPolyline* pOffset = nullptr;
                    EXPECT_EQ(MavUtils::offsetPolylineOnlyLines(p, d, side, pOffset), Acad::eOk);
                    std::unique_ptr<AcDbPolyline> owned(pOffset);
                    return owned ? verticesOf(owned.get()) : std::vector<Vertex>();
                }},
            {"vertex",
                [](const AcDbPolyline* p, double d, const AcGePoint3d& side) {
                    AcDbEntity* pOffset = nullptr;
                    EXPECT_EQ(MavUtils::offsetPolyline(static_cast<const AcDbEntity*>(p), d, side, pOffset),
                        Acad::eOk);
                    std::unique_ptr<AcDbPolyline> owned(AcDbPolyline::cast(pOffset));
                    return owned ? verticesOf(owned.get()) : std::vector<Vertex>();
                }},
            {"common",
                [](const AcDbPolyline* p, double d, const AcGePoint3d& side) {
                    AcDbPolyline* pOffset = nullptr;
                    EXPECT_EQ(MavUtils::offsetPolylineCommon(p, d, side, pOffset), Acad::eOk);
                    return verticesOf(modelSpace().back());
                }},
        };
    }
};

TEST_F(OffsettingTest, AllLinesOffsetsGoTowardTheSidePointTheCommonOneAwayFromIt)
{
    const std::unique_ptr<AcDbPolyline> straight(makePolyline({{0, 0, 0}, {10, 0, 0}}));
    for (const auto& [name, offset] : pointDrivenMembers()) {
        SCOPED_TRACE(name);
        const double toward = std::string(name) == "common" ? -1.0 : 1.0;
        expectVertices(offset(straight.get(), 2.0, AcGePoint3d(5, 3, 0)), {{0, 2 * toward, 0}, {10, 2 * toward, 0}});
        expectVertices(
            offset(straight.get(), -2.0, AcGePoint3d(5, -3, 0)), {{0, -2 * toward, 0}, {10, -2 * toward, 0}});
    }
}

TEST_F(OffsettingTest, CornersAreMitredOrMovedAlongTheirOwnNormal)
{
    const std::unique_ptr<AcDbPolyline> corner(makePolyline({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}));
    const AcGePoint3d outside(5, -3, 0);
    const auto members = pointDrivenMembers();
    // The mitred corner lies on both offset lines; the vertex method moves it square to the
    // segment that leaves it.
    expectVertices(members[0].second(corner.get(), 1.0, outside), {{0, -1, 0}, {11, -1, 0}, {11, 10, 0}});
    expectVertices(members[1].second(corner.get(), 1.0, outside), {{0, -1, 0}, {11, 0, 0}, {11, 10, 0}});
    expectVertices(members[2].second(corner.get(), 1.0, outside), {{0, 1, 0}, {9, 1, 0}, {9, 10, 0}});
    expectVertices(members[0].second(corner.get(), 1.0, AcGePoint3d(5, 3, 0)), {{0, 1, 0}, {9, 1, 0}, {9, 10, 0}});
}

TEST_F(OffsettingTest, MitredOffsetSkipsRepeatedVerticesAndKeepsStraightThroughOnes)
{
    const auto mitred = pointDrivenMembers()[0].second;
    const std::unique_ptr<AcDbPolyline> repeated(
        makePolyline({{0, 0, 0}, {10, 0, 0}, {10, 0.0005, 0}, {10, 10, 0}}));
    expectVertices(mitred(repeated.get(), 1.0, AcGePoint3d(5, 3, 0)), {{0, 1, 0}, {9, 1, 0}, {9, 10, 0}});
    const std::unique_ptr<AcDbPolyline> collinear(makePolyline({{0, 0, 0}, {5, 0, 0}, {10, 0, 0}}));
    expectVertices(mitred(collinear.get(), 2.0, AcGePoint3d(5, 3, 0)), {{0, 2, 0}, {5, 2, 0}, {10, 2, 0}});
}

TEST_F(OffsettingTest, ArcsComeOutStraightAndOnlyLinesChoosesTheMitredMember)
{
    AcDbPolyline* pOffset = nullptr;
    // All lines: a new polyline outside the drawing.
    const std::unique_ptr<AcDbPolyline> lines(makePolyline({{0, 0, 0}, {10, 0, 0}}));
    EXPECT_EQ(MavUtils::offsetPolylineEx(lines.get(), 1.0, AcGePoint3d(5, 3, 0), pOffset), Acad::eOk);
    ASSERT_NE(pOffset, nullptr);
    EXPECT_FALSE(pOffset->objectId().isValid());
    delete pOffset;
    EXPECT_EQ(modelSpace().size(), 0u);
    // A half circle below its chord: the vertex-by-vertex member, into the drawing, straight,
    // on the side away from a point under the arc, so inside it.
    const std::unique_ptr<AcDbPolyline> arc(makePolyline({{0, 0, 1.0}, {10, 0, 0}}));
    EXPECT_EQ(MavUtils::offsetPolylineEx(arc.get(), 1.0, AcGePoint3d(5, -8, 0), pOffset), Acad::eOk);
    ASSERT_EQ(modelSpace().size(), 1u);
    expectVertices(verticesOf(modelSpace().back()), {{1, 0, 0}, {9, 0, 0}});
}

TEST_F(OffsettingTest, IdWrappersPassPolylinesOnly)
{
    const AcDbObjectId line = addLine(0, 0, 10, 0);
    const AcDbObjectId polyline = addPolyline({{0, 0, 0}, {10, 0, 0}});
    AcDbPolyline* const kUntouched = reinterpret_cast<AcDbPolyline*>(0x1);
    AcDbPolyline* pOffset = kUntouched;
    EXPECT_EQ(MavUtils::offsetPolyline(line, 1.0, AcGePoint3d(5, 3, 0), pOffset), Acad::eOk);
    EXPECT_EQ(pOffset, kUntouched);
    EXPECT_EQ(MavUtils::offsetPolylineOnlyLines(AcDbObjectId::kNull, 1.0, AcGePoint3d(), pOffset),
        Acad::eInvalidInput);
    AcDbEntity* pEntity = nullptr;
    EXPECT_EQ(MavUtils::offsetPolyline(AcDbObjectId::kNull, 1.0, AcGePoint3d(), pEntity), Acad::eNotApplicable);
    EXPECT_EQ(MavUtils::offsetPolyline(line, 1.0, AcGePoint3d(5, 3, 0), pEntity), Acad::eOk);
    EXPECT_EQ(pEntity, nullptr);

    EXPECT_EQ(MavUtils::offsetPolylineOnlyLines(polyline, 2.0, AcGePoint3d(5, 3, 0), pOffset), Acad::eOk);
    std::unique_ptr<AcDbPolyline> owned(pOffset);
    expectVertices(verticesOf(owned.get()), {{0, 2, 0}, {10, 2, 0}});
}

TEST_F(OffsettingTest, SideTestedOffsetEndsOnThePointsSide)
{
    const AcDbObjectId line = addLine(0, 0, 10, 0);
    for (double y : {5.0, -5.0}) {
        SCOPED_TRACE(y);
        AcDbEntity* pOffset = nullptr;
        EXPECT_EQ(MavUtils::offsetCurve(line, 2.0, AcGePoint3d(5, y, 0), pOffset), Acad::eOk);
        std::unique_ptr<AcDbLine> offset(AcDbLine::cast(pOffset));
        ASSERT_NE(offset, nullptr);
        EXPECT_NEAR(offset->startPoint().y, y > 0 ? 2.0 : -2.0, 1e-9);
    }
    AcDbEntity* pOffset = nullptr;
    EXPECT_EQ(MavUtils::offsetCurve(AcDbObjectId::kNull, 2.0, AcGePoint3d(), pOffset), Acad::eNotApplicable);
}

TEST_F(OffsettingTest, PlatformOffsetRefusesNonCurvesAndRewritesARepeatingSource)
{
    AcDbPoint point(AcGePoint3d(1, 1, 0));
    AcDbEntity* pOffset = nullptr;
    EXPECT_EQ(MavUtils::offsetCurve(&point, 1.0, pOffset), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::offsetCurveEx(&point, 1.0, pOffset), Acad::eInvalidInput);

    // The repeated vertex leaves the source in the drawing; its arc stays with the segment
    // that carries it, and so do the widths of the vertices that remain.
    auto* pRepeating = makePolyline({{0, 0, 0}, {10, 0, 0}, {10, 0, 0.5}, {20, 0, 0}});
    pRepeating->setWidthsAt(2, 0.2, 0.4);
    const AcDbObjectId repeating = HostFixture::add(pRepeating);
    // Without repeats the source is not even opened for write.
    const AcDbObjectId clean = addPolyline({{0, 0, 0}, {10, 0, 0.5}, {20, 0, 0}});
    for (const AcDbObjectId& source : {repeating, clean}) {
        AcDbPolyline* pSource = nullptr;
        ASSERT_EQ(acdbOpenObject(pSource, source, AcDb::kForRead), Acad::eOk);
        EXPECT_EQ(MavUtils::offsetCurve(pSource, 1.0, pOffset), Acad::eOk);
        EXPECT_EQ(pSource->isWriteEnabled(), source == repeating);
        double startWidth = 0.0;
        double endWidth = 0.0;
        pSource->getWidthsAt(1, startWidth, endWidth);
        EXPECT_EQ(startWidth, source == repeating ? 0.2 : 0.0);
        pSource->close();
        std::unique_ptr<AcDbPolyline> offset(AcDbPolyline::cast(pOffset));
        ASSERT_NE(offset, nullptr);
        EXPECT_EQ(offset->numVerts(), 3u);
        expectVertices(verticesOf(source), {{0, 0, 0}, {10, 0, 0.5}, {20, 0, 0}});
    }
}

TEST_F(OffsettingTest, OffsetCurveExGivesTheSinglePiece)
{
    AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    AcDbEntity* pOffset = nullptr;
    EXPECT_EQ(MavUtils::offsetCurveEx(&line, 2.0, pOffset), Acad::eOk);
    std::unique_ptr<AcDbLine> offset(AcDbLine::cast(pOffset));
    ASSERT_NE(offset, nullptr);
    EXPECT_NEAR(std::fabs(offset->startPoint().y), 2.0, 1e-9);
}

TEST_F(OffsettingTest, FallbackThinsOutAPolylineWithManyVertices)
{
    // A zigzag offset far beyond its teeth crosses itself: the platform refuses it.
    auto zigzag = [](int count) {
        std::vector<Vertex> vertices;
        for (int i = 0; i < count; ++i)
            vertices.push_back({static_cast<double>(i), static_cast<double>(i % 2), 0.0});
        return vertices;
    };
    AcDbObjectId few = addPolyline(zigzag(8));
    AcDbEntity* pOffset = nullptr;
    int special = -1;
    EXPECT_EQ(MavUtils::offsetCurveAuto(few, 5.0, pOffset, special), Acad::eNotApplicable);
    EXPECT_EQ(special, 0);
    EXPECT_NE(transcript().find(L"num < 10 出现异常!"), std::wstring::npos);

    // 25 vertices: re-divided into 2 pieces, which offset cleanly.
    AcDbObjectId many = addPolyline(zigzag(25));
    const AcDbObjectId before = many;
    EXPECT_EQ(MavUtils::offsetCurveAuto(many, 5.0, pOffset, special), Acad::eOk);
    EXPECT_EQ(special, 1);
    EXPECT_NE(many, before);
    EXPECT_TRUE(before.isErased());
    EXPECT_EQ(verticesOf(many).size(), 3u);
    std::unique_ptr<AcDbEntity> offset(pOffset);
    EXPECT_NE(offset, nullptr);

    AcDbObjectId none;
    EXPECT_EQ(MavUtils::offsetCurveAuto(none, 5.0, pOffset, special), Acad::eNotApplicable);
}

TEST_F(OffsettingTest, OffsetValidityNeedsTheOffsetStrictlyNearer)
{
    AcDbLine source(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    AcDbLine above(AcGePoint3d(0, 2, 0), AcGePoint3d(10, 2, 0));
    EXPECT_EQ(MavUtils::isValidOffsetCurve(&source, &above, AcGePoint3d(5, 3, 0)), 1);
    EXPECT_EQ(MavUtils::isValidOffsetCurve(&source, &above, AcGePoint3d(5, 1, 0)), 0);
    EXPECT_EQ(MavUtils::isValidOffsetCurve(&source, &above, AcGePoint3d(5, -1, 0)), 0);
}

TEST_F(OffsettingTest, LineOffsetMovesBothEndsAlongTheLeftNormalUpperEndFirst)
{
    const AcDbObjectId vertical = addLine(0, 0, 0, 10);
    AcGePoint3d first;
    AcGePoint3d second;
    EXPECT_EQ(MavUtils::getOffsetLineBaseOnLine(vertical, 2.0, first, second), Acad::eOk);
    expectPoint(first, 2, 10);
    expectPoint(second, 2, 0);
    const AcDbObjectId horizontal = addLine(0, 0, 10, 0);
    EXPECT_EQ(MavUtils::getOffsetLineBaseOnLine(horizontal, 0.00001, first, second), Acad::eOk);
    EXPECT_DOUBLE_EQ(first.y, 0.00001);
    EXPECT_EQ(MavUtils::getOffsetLineBaseOnLine(vertical, 0.000009, first, second), Acad::eOk);
    expectPoint(first, 0, 10);
    expectPoint(second, 0, 0);

    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::getOffsetLineBaseOnLine(horizontal, -3.0, newId), Acad::eOk);
    expectLine(newId, 0, -3, 10, -3);
    const std::size_t count = modelSpace().size();
    EXPECT_EQ(MavUtils::getOffsetLineBaseOnLine(AcDbObjectId::kNull, 1.0, newId), Acad::eInvalidInput);
    EXPECT_EQ(modelSpace().size(), count);
}

} // namespace
