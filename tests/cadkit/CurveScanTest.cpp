// Polylines and arcs read into lists, kinds of curves and pairs, the side of a line a point lies
// on, distances to a curve's nearer end, and copies of the library's curve kinds.
#include "ArrayOf.h"
#include "CadkitFixture.h"

#include "MavUtils.h"

#include "AcDb2dPolyline.h"
#include "AcDb2dVertex.h"
#include "AcDb3dPolyline.h"
#include "AcDb3dPolylineVertex.h"
#include "AcDbArc.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbCircle.h"
#include "AcDbLine.h"
#include "AcDbObjectIterator.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"

#include <cmath>
#include <cwchar>
#include <memory>

namespace {

AcDbPolyline* fourVertexPolyline()
{
    auto* p = new AcDbPolyline();
    p->addVertexAt(0, AcGePoint2d(0, 0), 0.5, 1.0, 2.0);
    p->addVertexAt(1, AcGePoint2d(10, 0), 0.0);
    p->addVertexAt(2, AcGePoint2d(10, 10), -0.25);
    p->addVertexAt(3, AcGePoint2d(0, 10), 0.0);
    return p;
}

// The vertex positions and bulges of a 2D or 3D polyline that is not in a database.
template <class Vertex>
std::vector<std::pair<AcGePoint3d, double>> verticesOf(const AcDbCurve* pPolyline)
{
    std::vector<std::pair<AcGePoint3d, double>> result;
    std::unique_ptr<AcDbObjectIterator> it;
    if (auto* p2d = AcDb2dPolyline::cast(pPolyline))
        it.reset(p2d->vertexIterator());
    else
        it.reset(AcDb3dPolyline::cast(pPolyline)->vertexIterator());
    for (; !it->done(); it->step()) {
        const Vertex* v = Vertex::cast(it->entity());
        double bulge = 0.0;
        if constexpr (std::is_same_v<Vertex, AcDb2dVertex>)
            bulge = v->bulge();
        result.emplace_back(v->position(), bulge);
    }
    return result;
}

} // namespace

using CurveScan = CadkitFixture;

TEST_F(CurveScan, PolylineScansAppendEveryVertexToWhatTheListsHold)
{
    std::unique_ptr<AcDbPolyline> polyline(fourVertexPolyline());
    AcGePoint3dArray pts = arrayOf({AcGePoint3d(-1, -1, -1)});
    AcGeDoubleArray bulges;
    bulges.append(9.0);
    AcArray<int> indexes;
    indexes.append(7);
    EXPECT_EQ(MavUtils::scanPline(polyline.get(), pts, bulges, indexes), Acad::eOk);
    ASSERT_EQ(pts.length(), 5);
    ASSERT_EQ(bulges.length(), 5);
    ASSERT_EQ(indexes.length(), 5);
    EXPECT_TRUE(pts[3].isEqualTo(AcGePoint3d(10, 10, 0)));
    EXPECT_EQ(bulges[1], 0.5);
    EXPECT_EQ(bulges[3], -0.25);
    EXPECT_EQ(indexes[0], 7);
    EXPECT_EQ(indexes[4], 3);

    AcGePoint3dArray only;
    EXPECT_EQ(MavUtils::scanPline(polyline.get(), only), Acad::eOk);
    ASSERT_EQ(only.length(), 4);
    EXPECT_TRUE(only[1].isEqualTo(AcGePoint3d(10, 0, 0)));

    EXPECT_EQ(MavUtils::scanPline(nullptr, only), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::scanPline(nullptr, only, bulges, indexes), Acad::eInvalidInput);
    EXPECT_EQ(only.length(), 4);
}

TEST_F(CurveScan, ArcScanGivesTheEndFirstWithTangentsAndBulge)
{
    AcDbArc arc(AcGePoint3d(0, 0, 0), 10.0, 0.0, kPi / 2);
    AcGePoint3d end;
    AcGePoint3d start;
    AcGeVector3d endTangent;
    AcGeVector3d startTangent;
    double bulge = 0.0;
    EXPECT_EQ(MavUtils::scanarcEx(&arc, end, start, endTangent, startTangent, bulge), Acad::eOk);
    EXPECT_TRUE(end.isEqualTo(AcGePoint3d(0, 10, 0)));
    EXPECT_TRUE(start.isEqualTo(AcGePoint3d(10, 0, 0)));
    EXPECT_TRUE(endTangent.normal().isEqualTo(AcGeVector3d(-1, 0, 0)));
    EXPECT_TRUE(startTangent.normal().isEqualTo(AcGeVector3d(0, 1, 0)));
    EXPECT_NEAR(bulge, std::tan(kPi / 8), 1e-12);
}

TEST_F(CurveScan, PairCodesOfTwoEntities)
{
    const AcDbObjectId line = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0)));
    const AcDbObjectId arc = add(new AcDbArc(AcGePoint3d(0, 0, 0), 5.0, 0.0, kPi));
    const AcDbObjectId circle = add(new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 5.0));
    const AcDbObjectId poly = add(fourVertexPolyline());
    const AcDbObjectId poly3d = add(new AcDb3dPolyline(AcDb::k3dSimplePoly, arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 1)})));
    struct Case {
        AcDbObjectId first, second;
        int code;
    };
    for (const Case& c : {Case{line, arc, 12}, Case{arc, line, 21}, Case{circle, line, 1}, Case{poly, poly3d, 33},
             Case{line, line, 11}}) {
        int code = -5;
        EXPECT_EQ(MavUtils::scanLinkElements(c.first, c.second, code), Acad::eOk);
        EXPECT_EQ(code, c.code);
    }
    MavUtils::deleteObj(arc);
    int code = -5;
    EXPECT_EQ(MavUtils::scanLinkElements(line, arc, code), Acad::eNotApplicable);
    EXPECT_EQ(code, -5);
    EXPECT_EQ(transcript(), L"\nscanLinkElements 出现异常!");
}

TEST_F(CurveScan, DistancesToTheNearerEndAreAppended)
{
    AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    AcGeDoubleArray distances;
    distances.append(-1.0);
    EXPECT_EQ(MavUtils::tellLocationOfIntersectPointInDbCurve(
                  &line, arrayOf({AcGePoint3d(3, 1, 0), AcGePoint3d(9, 0, 0)}), distances),
        Acad::eOk);
    ASSERT_EQ(distances.length(), 3);
    EXPECT_NEAR(distances[1], std::sqrt(10.0), 1e-12);
    EXPECT_NEAR(distances[2], 1.0, 1e-12);
    EXPECT_EQ(MavUtils::tellLocationOfIntersectPointInDbCurve(nullptr, arrayOf<AcGePoint3d>({}), distances), Acad::eInvalidInput);
}

TEST_F(CurveScan, SideOfALineIsLeftOnlyAtARightAngle)
{
    const AcGePoint3d p1(0, 0, 0);
    const AcGePoint3d p2(10, 0, 0);
    struct Case {
        AcGePoint3d p;
        int side;
    };
    // Beyond the end the foot is the end point: only a point square above it counts as left.
    for (const Case& c : {Case{AcGePoint3d(5, 3, 0), 0}, Case{AcGePoint3d(5, -3, 0), 1},
             Case{AcGePoint3d(10, 3, 0), 0}, Case{AcGePoint3d(15, 3, 0), 1}, Case{AcGePoint3d(-5, 3, 0), 1}}) {
        EXPECT_EQ(MavUtils::tellDirection(p1, p2, c.p), c.side) << c.p.x << "," << c.p.y;
    }
    EXPECT_EQ(MavUtils::tellDirection(AcGeVector3d(0, 1, 0), AcGePoint3d(-1, 1, 0)), 0);
    EXPECT_EQ(MavUtils::tellDirection(AcGeVector3d(0, 1, 0), AcGePoint3d(1, 1, 0)), 1);
}

TEST_F(CurveScan, ArcTestHandsOutOnlyArcs)
{
    const AcDbObjectId arc = add(new AcDbArc(AcGePoint3d(0, 0, 0), 5.0, 0.0, kPi));
    const AcDbObjectId line = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0)));
    AcDbArc* found = nullptr;
    EXPECT_EQ(MavUtils::isDBArc(arc, found), 1);
    EXPECT_NE(found, nullptr);
    AcDbArc* untouched = reinterpret_cast<AcDbArc*>(&found);
    AcDbArc* pointer = untouched;
    EXPECT_EQ(MavUtils::isDBArc(line, pointer), 0);
    EXPECT_EQ(pointer, untouched);
    MavUtils::deleteObj(line);
    EXPECT_EQ(MavUtils::isDBArc(line, pointer), 0);
    EXPECT_EQ(transcript(), L"\nisDBArc 出现异常!");
}

TEST_F(CurveScan, CopiesKeepTheGeometryOfEachKind)
{
    AcGeDoubleArray bulges;
    bulges.append(0.0);
    bulges.append(1.0);
    const AcGePoint3dArray corners = arrayOf({AcGePoint3d(0, 0, 5), AcGePoint3d(10, 0, 5), AcGePoint3d(10, 10, 5)});
    std::unique_ptr<AcDbCurve> sources[] = {std::unique_ptr<AcDbCurve>(fourVertexPolyline()),
        std::make_unique<AcDb2dPolyline>(AcDb::k2dSimplePoly, corners, 5.0, true, 0.5, 0.75, &bulges),
        std::make_unique<AcDb3dPolyline>(AcDb::k3dSimplePoly, corners, true),
        std::make_unique<AcDbLine>(AcGePoint3d(1, 2, 3), AcGePoint3d(4, 5, 6)),
        std::make_unique<AcDbArc>(AcGePoint3d(1, 1, 0), 5.0, 0.5, 2.0)};
    for (const auto& source : sources) {
        AcDbCurve* raw = nullptr;
        ASSERT_EQ(MavUtils::isMavCurveThenMakeACopy(source.get(), raw), 1) << source->isA()->name();
        std::unique_ptr<AcDbCurve> copy(raw);
        ASSERT_NE(copy, nullptr);
        EXPECT_STREQ(copy->isA()->name(), source->isA()->name());
        AcGePoint3d s0, s1, c0, c1;
        source->getStartPoint(s0);
        copy->getStartPoint(c0);
        source->getEndPoint(s1);
        copy->getEndPoint(c1);
        EXPECT_TRUE(c0.isEqualTo(s0)) << source->isA()->name();
        EXPECT_TRUE(c1.isEqualTo(s1)) << source->isA()->name();
    }
    // The lightweight copy carries bulges and widths but not the closed flag.
    std::unique_ptr<AcDbPolyline> closed(fourVertexPolyline());
    closed->setClosed(true);
    AcDbCurve* raw = nullptr;
    MavUtils::isMavCurveThenMakeACopy(closed.get(), raw);
    std::unique_ptr<AcDbPolyline> copy(AcDbPolyline::cast(raw));
    ASSERT_EQ(copy->numVerts(), 4u);
    double bulge = 0.0, w0 = 0.0, w1 = 0.0;
    copy->getBulgeAt(0, bulge);
    copy->getWidthsAt(0, w0, w1);
    EXPECT_EQ(bulge, 0.5);
    EXPECT_EQ(w0, 1.0);
    EXPECT_EQ(w1, 2.0);
    EXPECT_FALSE(copy->isClosed());
    // The vertex-object polylines keep their vertices, flags and elevation.
    raw = nullptr;
    MavUtils::isMavCurveThenMakeACopy(sources[1].get(), raw);
    std::unique_ptr<AcDb2dPolyline> copy2d(AcDb2dPolyline::cast(raw));
    EXPECT_TRUE(copy2d->isClosed());
    EXPECT_EQ(copy2d->elevation(), 5.0);
    EXPECT_EQ(copy2d->defaultEndWidth(), 0.75);
    const auto vertices = verticesOf<AcDb2dVertex>(copy2d.get());
    ASSERT_EQ(vertices.size(), 3u);
    EXPECT_EQ(vertices[1].second, 1.0);
    raw = nullptr;
    MavUtils::isMavCurveThenMakeACopy(sources[2].get(), raw);
    std::unique_ptr<AcDbCurve> copy3d(raw);
    EXPECT_EQ(verticesOf<AcDb3dPolylineVertex>(copy3d.get()).size(), 3u);
    EXPECT_TRUE(copy3d->isClosed());

    AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 5.0);
    raw = nullptr;
    EXPECT_EQ(MavUtils::isMavCurveThenMakeACopy(&circle, raw), 0);
    EXPECT_EQ(raw, nullptr);
}

TEST_F(CurveScan, CopiesByIdGoOntoTheLayerInTheCurrentSpaceOrTheRecord)
{
    AcDbObjectId layer;
    ASSERT_EQ(MavUtils::createLayer(L"COPIES", layer), Acad::eOk);
    AcGeDoubleArray bulges;
    bulges.append(0.5);
    const AcDbObjectId source = add(new AcDb2dPolyline(AcDb::k2dSimplePoly,
        arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(10, 10, 0)}), 0.0, false, 0.0, 0.0, &bulges));
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::isMavCurveThenMakeACopy(source, newId, CString(L"COPIES")), 1);
    ASSERT_EQ(modelSpace().size(), 2u);
    EXPECT_EQ(modelSpace()[1], newId);
    AcDb2dPolyline* copy = nullptr;
    ASSERT_EQ(acdbOpenObject(copy, newId, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(copy->layerId(), layer);
    double length = 0.0, endParam = 0.0;
    copy->getEndParam(endParam);
    copy->getDistAtParam(endParam, length);
    const double sweep = 4.0 * std::atan(0.5);
    EXPECT_NEAR(length, 10.0 / (2.0 * std::sin(sweep / 2.0)) * sweep + 10.0, 1e-6);
    copy->close();

    AcDbBlockTableRecord* record = new AcDbBlockTableRecord();
    record->setName(L"HOLDER");
    AcDbObjectId recordId;
    ASSERT_EQ(MavUtils::addToSymbolTableAndClose(record, recordId), 1);
    ASSERT_EQ(acdbOpenObject(record, recordId, AcDb::kForWrite), Acad::eOk);
    AcDbObjectId inRecord;
    EXPECT_EQ(MavUtils::isMavCurveThenMakeACopy(record, source, inRecord, CString(L"COPIES")), 1);
    record->close();
    EXPECT_EQ(entitiesOf(recordId), std::vector<AcDbObjectId> {inRecord});

    AcDbObjectId none;
    EXPECT_EQ(MavUtils::isMavCurveThenMakeACopy(nullptr, source, none, CString(L"COPIES")), 0);
    const AcDbObjectId circle = add(new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 5.0));
    const AcDbObjectId text = add(new AcDbText(AcGePoint3d(0, 0, 0), L"x", AcDbObjectId::kNull, 1.0, 0.0));
    EXPECT_EQ(MavUtils::isMavCurveThenMakeACopy(circle, none, CString(L"COPIES")), 0);
    EXPECT_EQ(MavUtils::isMavCurveThenMakeACopy(text, none, CString(L"COPIES")), 0);
    EXPECT_TRUE(none.isNull());
    EXPECT_EQ(modelSpace().size(), 4u);
    EXPECT_EQ(transcript(),
        L"\nisMavCurveThenMakeACopy 出现异常!\nisMavCurve 出现异常!\nisMavCurveThenMakeACopy 出现异常!");
}
