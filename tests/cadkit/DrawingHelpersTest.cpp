// Drawing helpers: every draw puts its one entity where its arguments say (the current space or
// a record held open) with the display properties it takes, and nothing for a null record.
#include "ArrayOf.h"
#include "FactoryFixture.h"

#include "MavUtils.h"

#include "AcDbArc.h"
#include "AcDbCircle.h"
#include "AcDbLine.h"
#include "AcDbLinetypeTableRecord.h"
#include "AcDbMText.h"
#include "AcDbPoint.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"
#include "AcGeLine2d.h"
#include "AcGeLine3d.h"
#include "AcGeLineSeg2d.h"
#include "AcGeLineSeg3d.h"
#include "AcGePolyline2d.h"

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

const AcGePoint3d kStart(1.0, 2.0, 0.0);
const AcGePoint3d kEnd(7.0, 5.0, 0.0);
const CString kLayer = L"A";
const CString kLinetype = L"Continuous";
constexpr int kColour = 5;
constexpr int kWeight = -3;
// A vertex given the default width (-1) reads back with width 0.
constexpr double kDefaultWidth = 0.0;

// The properties an entity must show; an empty field means the drawing's default.
struct Shown {
    bool colour = false;
    bool layer = false;
    bool weight = false;
    bool linetype = false;
};

enum class Target { CurrentSpace, Record };

// One form of a drawing helper in a table of cases: where its entity goes, whether it hands out
// the id, which properties it shows, and the call itself (given the open target record).
struct DrawForm {
    const char* name;
    Target target;
    bool givesId;
    Shown shown;
    std::function<void(AcDbBlockTableRecord*)> draw;
};

class DrawingHelpers : public FactoryFixture {
protected:
    void SetUp() override
    {
        FactoryFixture::SetUp();
        ASSERT_EQ(MavUtils::createLayer(kLayer, mLayerId), Acad::eOk);
        ASSERT_EQ(MavUtils::getLinetypeId(kLinetype, mLinetypeId), Acad::eOk);
        mBlockId = addBlock(L"HELPERS");
    }

    // Runs the draw with the block held open for write, as a caller holds a record; returns the
    // one entity it made (null when it made none) and checks that it went to the target.
    AcDbObjectId drawInto(Target target, const std::function<void(AcDbBlockTableRecord*)>& draw)
    {
        const std::size_t modelBefore = modelSpace().size();
        const std::size_t blockBefore = entitiesOf(mBlockId).size();
        AcDbBlockTableRecord* record = openTarget(mBlockId, AcDb::kForWrite);
        draw(record);
        closeTarget();
        const std::vector<AcDbObjectId> model = modelSpace();
        const std::vector<AcDbObjectId> block = entitiesOf(mBlockId);
        const std::vector<AcDbObjectId>& grown = target == Target::Record ? block : model;
        EXPECT_EQ(model.size(), modelBefore + (target == Target::CurrentSpace ? 1 : 0));
        EXPECT_EQ(block.size(), blockBefore + (target == Target::Record ? 1 : 0));
        return grown.empty() ? AcDbObjectId() : grown.back();
    }

    void expectShown(AcDbObjectId id, const Shown& shown)
    {
        ReadBack<AcDbEntity> ent(id);
        ASSERT_TRUE(ent);
        EXPECT_EQ(ent->colorIndex(), shown.colour ? kColour : db()->cecolor().colorIndex());
        EXPECT_EQ(ent->layerId(), shown.layer ? mLayerId : db()->clayer());
        EXPECT_EQ(static_cast<int>(ent->lineWeight()), shown.weight ? kWeight : static_cast<int>(db()->celweight()));
        EXPECT_EQ(ent->linetypeId(), shown.linetype ? mLinetypeId : db()->celtype());
    }

    // Clears what the last draw made, so that each case of a table starts from an empty target.
    void eraseAll()
    {
        AcArray<AcDbObjectId> ids;
        for (const AcDbObjectId& id : modelSpace())
            ids.append(id);
        for (const AcDbObjectId& id : entitiesOf(mBlockId))
            ids.append(id);
        MavUtils::deleteObjs(ids);
        ASSERT_TRUE(modelSpace().empty() && entitiesOf(mBlockId).empty()) << "an entity was still open";
    }

    AcDbObjectId mLayerId;
    AcDbObjectId mLinetypeId;
    AcDbObjectId mBlockId;
};

void expectVertex(const AcDbPolyline* pline, unsigned int i, double x, double y, double bulge, double width)
{
    AcGePoint2d point;
    double b = 0.0, startWidth = 0.0, endWidth = 0.0;
    ASSERT_EQ(pline->getPointAt(i, point), Acad::eOk);
    pline->getBulgeAt(i, b);
    pline->getWidthsAt(i, startWidth, endWidth);
    EXPECT_NEAR(point.x, x, 1e-9);
    EXPECT_NEAR(point.y, y, 1e-9);
    EXPECT_DOUBLE_EQ(b, bulge);
    EXPECT_DOUBLE_EQ(startWidth, width);
    EXPECT_DOUBLE_EQ(endWidth, width);
}

TEST_F(DrawingHelpers, EveryLineFormReachesItsTargetWithItsProperties)
{
    using R = AcDbBlockTableRecord*;
    AcDbObjectId out;
    const AcDbObjectId& layerId = mLayerId;
    const DrawForm forms[] = {
        {"id", Target::CurrentSpace, true, {}, [&](R) { MavUtils::drawLine(kStart, kEnd, out); }},
        {"colour", Target::CurrentSpace, false, {true}, [&](R) { MavUtils::drawLine(kStart, kEnd, kColour); }},
        {"layer name", Target::CurrentSpace, false, {false, true},
            [&](R) { MavUtils::drawLine(kStart, kEnd, kLayer); }},
        {"layer id", Target::CurrentSpace, false, {false, true}, [&](R) { MavUtils::drawLine(kStart, kEnd, layerId); }},
        {"layer id, colour, id", Target::CurrentSpace, true, {true, true},
            [&](R) { MavUtils::drawLine(kStart, kEnd, layerId, kColour, out); }},
        {"record, layer id, colour", Target::Record, false, {true, true},
            [&](R r) { MavUtils::drawLine(r, kStart, kEnd, layerId, kColour); }},
        {"record, layer id, colour, id", Target::Record, true, {true, true},
            [&](R r) { MavUtils::drawLine(r, kStart, kEnd, layerId, kColour, out); }},
        {"all four", Target::CurrentSpace, false, {true, true, true, true},
            [&](R) { MavUtils::drawLine(kStart, kEnd, kColour, kLayer, kWeight, kLinetype); }},
        {"all four, id", Target::CurrentSpace, true, {true, true, true, true},
            [&](R) { MavUtils::drawLine(kStart, kEnd, kColour, kLayer, kWeight, kLinetype, out); }},
        {"record, all four, id", Target::Record, true, {true, true, true, true},
            [&](R r) { MavUtils::drawLine(r, kStart, kEnd, kColour, kLayer, kWeight, kLinetype, out); }},
        {"plain", Target::CurrentSpace, false, {}, [&](R) { MavUtils::drawLine(kStart, kEnd); }},
        {"layer name, colour", Target::CurrentSpace, false, {true, true},
            [&](R) { MavUtils::drawLine(kStart, kEnd, kLayer, kColour); }},
        {"layer name, colour, id", Target::CurrentSpace, true, {true, true},
            [&](R) { MavUtils::drawLine(kStart, kEnd, kLayer, kColour, out); }},
        {"layer id, colour", Target::CurrentSpace, false, {true, true},
            [&](R) { MavUtils::drawLine(kStart, kEnd, layerId, kColour); }},
        {"record", Target::Record, false, {}, [&](R r) { MavUtils::drawLine(r, kStart, kEnd); }},
        {"record, id", Target::Record, true, {}, [&](R r) { MavUtils::drawLine(r, kStart, kEnd, out); }},
        {"record, layer name", Target::Record, false, {false, true},
            [&](R r) { MavUtils::drawLine(r, kStart, kEnd, kLayer); }},
        {"record, layer name, colour", Target::Record, false, {true, true},
            [&](R r) { MavUtils::drawLine(r, kStart, kEnd, kLayer, kColour); }},
        {"record, layer name, colour, id", Target::Record, true, {true, true},
            [&](R r) { MavUtils::drawLine(r, kStart, kEnd, kLayer, kColour, out); }},
        {"record, layer id", Target::Record, false, {false, true},
            [&](R r) { MavUtils::drawLine(r, kStart, kEnd, layerId); }},
        {"record, colour", Target::Record, false, {true}, [&](R r) { MavUtils::drawLine(r, kStart, kEnd, kColour); }},
        {"record, all four", Target::Record, false, {true, true, true, true},
            [&](R r) { MavUtils::drawLine(r, kStart, kEnd, kColour, kLayer, kWeight, kLinetype); }},
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(form.name);
        out.setNull();
        const AcDbObjectId id = drawInto(form.target, form.draw);
        ASSERT_FALSE(id.isNull());
        EXPECT_EQ(out, form.givesId ? id : AcDbObjectId());
        expectShown(id, form.shown);
        {
            ReadBack<AcDbLine> line(id);
            ASSERT_TRUE(line);
            EXPECT_EQ(line->startPoint(), kStart);
            EXPECT_EQ(line->endPoint(), kEnd);
        }
        eraseAll();
    }
}

TEST_F(DrawingHelpers, ArcsCirclesAndPolylinesReachTheirTargetsWithTheirProperties)
{
    using R = AcDbBlockTableRecord*;
    AcDbObjectId out;
    const AcArray<AcGePoint3d> points = arrayOf({AcGePoint3d(0, 0, 4), AcGePoint3d(3, 0, 4), AcGePoint3d(3, 2, 4)});
    const Shown all{true, true, true, true};
    const Shown colourAndLayer{true, true};
    const DrawForm forms[] = {
        {"arc, record", Target::Record, false, all,
            [&](R r) { MavUtils::drawArc(r, kStart, 0.5, 2.0, 3.0, kColour, kLayer, kWeight, kLinetype); }},
        {"arc", Target::CurrentSpace, false, all,
            [&](R) { MavUtils::drawArc(kStart, 0.5, 2.0, 3.0, kColour, kLayer, kWeight, kLinetype); }},
        {"arc, id", Target::CurrentSpace, true, all,
            [&](R) { MavUtils::drawArc(out, kStart, 0.5, 2.0, 3.0, kColour, kLayer, kWeight, kLinetype); }},
        {"arc, record, id", Target::Record, true, all,
            [&](R r) { MavUtils::drawArc(r, out, kStart, 0.5, 2.0, 3.0, kColour, kLayer, kWeight, kLinetype); }},
        {"circle, id", Target::CurrentSpace, true, colourAndLayer,
            [&](R) { MavUtils::drawCircle(out, kStart, kColour, kLayer, 6.0); }},
        {"circle, record", Target::Record, false, colourAndLayer,
            [&](R r) { MavUtils::drawCircle(r, kStart, kColour, kLayer, 6.0); }},
        {"circle", Target::CurrentSpace, false, colourAndLayer,
            [&](R) { MavUtils::drawCircle(kStart, kColour, kLayer, 6.0); }},
        {"circle, record, id", Target::Record, true, colourAndLayer,
            [&](R r) { MavUtils::drawCircle(r, out, kStart, kColour, kLayer, 6.0); }},
        {"polyline, id", Target::CurrentSpace, true, all,
            [&](R) { MavUtils::drawPolyLine(points, kColour, kLayer, kWeight, kLinetype, out); }},
        {"polyline", Target::CurrentSpace, false, all,
            [&](R) { MavUtils::drawPolyLine(points, kColour, kLayer, kWeight, kLinetype); }},
        {"polyline, record, id", Target::Record, true, all,
            [&](R r) { MavUtils::drawPolyLine(r, points, kColour, kLayer, kWeight, kLinetype, out); }},
        {"polyline, record", Target::Record, false, all,
            [&](R r) { MavUtils::drawPolyLine(r, points, kColour, kLayer, kWeight, kLinetype); }},
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(form.name);
        out.setNull();
        const AcDbObjectId id = drawInto(form.target, form.draw);
        ASSERT_FALSE(id.isNull());
        EXPECT_EQ(out, form.givesId ? id : AcDbObjectId());
        expectShown(id, form.shown);
        if (ReadBack<AcDbArc> arc(id); arc) {
            EXPECT_EQ(arc->center(), kStart);
            EXPECT_DOUBLE_EQ(arc->radius(), 3.0);
            EXPECT_DOUBLE_EQ(arc->startAngle(), 0.5);
            EXPECT_DOUBLE_EQ(arc->endAngle(), 2.0);
        } else if (ReadBack<AcDbCircle> circle(id); circle) {
            EXPECT_EQ(circle->center(), kStart);
            EXPECT_DOUBLE_EQ(circle->radius(), 3.0);
        } else {
            ReadBack<AcDbPolyline> pline(id);
            ASSERT_TRUE(pline);
            ASSERT_EQ(pline->numVerts(), 3u);
            EXPECT_FALSE(pline->isClosed());
            expectVertex(pline.operator->(), 2, 3.0, 2.0, 0.0, kDefaultWidth);
            AcGePoint3d vertex;
            pline->getPointAt(2, vertex);
            EXPECT_DOUBLE_EQ(vertex.z, 0.0);
        }
        eraseAll();
    }
}

TEST_F(DrawingHelpers, SpecialColoursAndLineWeightsAreNotApplied)
{
    const Adesk::UInt16 defaultColour = db()->cecolor().colorIndex();
    const int defaultWeight = db()->celweight();
    ASSERT_NE(defaultColour, 0);
    ASSERT_NE(defaultWeight, -2);
    const AcArray<AcGePoint3d> points = arrayOf({kStart, kEnd});
    const struct {
        const char* name;
        std::function<void(AcDbObjectId&)> draw;
        int colour;
        int weight;
    } cases[] = {
        // Colour 0 is by block for lines and circles, and never applied to point polylines.
        {"line colour 0", [&](AcDbObjectId& id) { MavUtils::drawLine(kStart, kEnd, 0, L"", 7, L"", id); }, 0,
            defaultWeight},
        {"circle colour 0", [&](AcDbObjectId& id) { MavUtils::drawCircle(id, kStart, 0, L"", 2.0); }, 0,
            defaultWeight},
        {"circle colour -1", [&](AcDbObjectId& id) { MavUtils::drawCircle(id, kStart, -1, L"", 2.0); },
            defaultColour, defaultWeight},
        {"polyline colour 0", [&](AcDbObjectId& id) { MavUtils::drawPolyLine(points, 0, L"", -2, L"", id); },
            defaultColour, -2},
        {"polyline colour 256", [&](AcDbObjectId& id) { MavUtils::drawPolyLine(points, 256, L"", -4, L"", id); },
            256, defaultWeight},
        {"arc weight 7", [&](AcDbObjectId& id) { MavUtils::drawArc(id, kStart, 0, 1, 1, 3, L"", 7, L""); }, 3,
            defaultWeight},
        {"line weight -2", [&](AcDbObjectId& id) { MavUtils::drawLine(kStart, kEnd, 3, L"", -2, L"", id); }, 3, -2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AcDbObjectId id;
        c.draw(id);
        ReadBack<AcDbEntity> ent(id);
        ASSERT_TRUE(ent);
        EXPECT_EQ(ent->colorIndex(), c.colour);
        EXPECT_EQ(static_cast<int>(ent->lineWeight()), c.weight);
        // An empty layer name leaves the current layer.
        EXPECT_EQ(ent->layerId(), db()->clayer());
    }
}

TEST_F(DrawingHelpers, RecordFormsGivenNoRecordDrawNothing)
{
    AcDbObjectId id;
    const AcArray<AcGePoint3d> points = arrayOf({kStart, kEnd});
    MavUtils::drawLine(nullptr, kStart, kEnd, mLayerId, kColour, id);
    MavUtils::drawLine(nullptr, kStart, kEnd, kColour, kLayer, kWeight, kLinetype, id);
    MavUtils::drawArc(nullptr, id, kStart, 0, 1, 1, kColour, kLayer, kWeight, kLinetype);
    MavUtils::drawCircle(nullptr, kStart, kColour, kLayer, 2.0);
    MavUtils::drawPolyLine(nullptr, points, kColour, kLayer, kWeight, kLinetype);
    MavUtils::drawDonutAtPoint(nullptr, kStart, 1.0);
    MavUtils::drawDonutAtPoint(nullptr, id, kStart, kColour, kLayer, 1.0, 1.0);
    MavUtils::drawText(nullptr, id, kStart, L"T", L"", kColour, 2.5, 1.0, 0.0, L"", 1);
    EXPECT_TRUE(id.isNull());
    EXPECT_TRUE(modelSpace().empty());
}

TEST_F(DrawingHelpers, PolylineOfNoPointsIsStillAppended)
{
    AcDbObjectId id;
    MavUtils::drawPolyLine(AcArray<AcGePoint3d>(), kColour, kLayer, kWeight, kLinetype, id);
    ReadBack<AcDbPolyline> pline(id);
    ASSERT_TRUE(pline);
    EXPECT_EQ(pline->numVerts(), 0u);
}

TEST_F(DrawingHelpers, GeometricPolylinesGiveTheirFitPointsAndScaleAboutTheBase)
{
    AcGePoint2dArray fit;
    fit.append(AcGePoint2d(1, 1));
    fit.append(AcGePoint2d(3, 1));
    fit.append(AcGePoint2d(3, 4));
    AcGePolyline2d geometry(fit);

    MavUtils::drawGePolyline(&geometry, mLayerId);
    MavUtils::drawGePolyline(&geometry, 4);
    MavUtils::drawGePolyline(&geometry, kLayer);
    MavUtils::drawGePolyline(nullptr, 4);
    const std::vector<AcDbObjectId> drawn = modelSpace();
    ASSERT_EQ(drawn.size(), 3u);
    for (const AcDbObjectId& id : drawn) {
        ReadBack<AcDbPolyline> pline(id);
        ASSERT_TRUE(pline);
        ASSERT_EQ(pline->numVerts(), 3u);
        EXPECT_FALSE(pline->isClosed());
        expectVertex(pline.operator->(), 2, 3.0, 4.0, 0.0, kDefaultWidth);
    }
    EXPECT_EQ(ReadBack<AcDbEntity>(drawn[0])->layerId(), mLayerId);
    EXPECT_EQ(ReadBack<AcDbEntity>(drawn[1])->colorIndex(), 4);
    EXPECT_EQ(ReadBack<AcDbEntity>(drawn[2])->layerId(), mLayerId);
    eraseAll();

    // Scaled by 2 about (1, 1): every vertex twice as far from the base. With a record it goes
    // there; without one, to the current space.
    const AcGePoint3d base(1, 1, 0);
    const AcDbObjectId inRecord = drawInto(Target::Record, [&](AcDbBlockTableRecord* r) {
        MavUtils::drawGePolylineThenScaleIt(r, &geometry, kLayer, base, 2.0);
    });
    const AcDbObjectId inSpace = drawInto(Target::CurrentSpace, [&](AcDbBlockTableRecord*) {
        MavUtils::drawGePolylineThenScaleIt(&geometry, kLayer, base, 2.0);
    });
    for (const AcDbObjectId& id : {inRecord, inSpace}) {
        ReadBack<AcDbPolyline> pline(id);
        ASSERT_TRUE(pline);
        EXPECT_EQ(pline->layerId(), mLayerId);
        expectVertex(pline.operator->(), 0, 1.0, 1.0, 0.0, kDefaultWidth);
        expectVertex(pline.operator->(), 1, 5.0, 1.0, 0.0, kDefaultWidth);
        expectVertex(pline.operator->(), 2, 5.0, 7.0, 0.0, kDefaultWidth);
    }
}

TEST_F(DrawingHelpers, DonutsAreClosedHalfCirclePairsAsWideAsTheirChord)
{
    using R = AcDbBlockTableRecord*;
    AcDbObjectId out;
    const AcGePoint3d centre(10, 5, 3);
    const struct {
        const char* name;
        Target target;
        bool styled;
        double halfChord;
        double width;
        std::function<void(R)> draw;
    } forms[] = {
        // a = 2 and b = 0.5: chord and width 1, a disc of radius 1.
        {"record, a, b", Target::Record, true, 0.5, 1.0,
            [&](R r) { MavUtils::drawDonutAtPoint(r, centre, kColour, kLayer, 2.0, 0.5); }},
        // r = 1: chord and width 2, a disc of radius 2.
        {"record, plan centre, r", Target::Record, false, 1.0, 2.0,
            [&](R r) { MavUtils::drawDonutAtPoint(r, AcGePoint2d(10, 5), 1.0); }},
        {"record, r", Target::Record, false, 1.0, 2.0, [&](R r) { MavUtils::drawDonutAtPoint(r, centre, 1.0); }},
        {"plan centre, r", Target::CurrentSpace, false, 1.0, 2.0,
            [&](R) { MavUtils::drawDonutAtPoint(AcGePoint2d(10, 5), 1.0); }},
        {"r", Target::CurrentSpace, false, 1.0, 2.0, [&](R) { MavUtils::drawDonutAtPoint(centre, 1.0); }},
        {"a, b", Target::CurrentSpace, true, 0.4, 0.8,
            [&](R) { MavUtils::drawDonutAtPoint(centre, kColour, kLayer, 0.8, 1.0); }},
        {"id, a, b", Target::CurrentSpace, true, 0.4, 0.8,
            [&](R) { MavUtils::drawDonutAtPoint(out, centre, kColour, kLayer, 0.8, 1.0); }},
        {"record, id, a, b", Target::Record, true, 0.4, 0.8,
            [&](R r) { MavUtils::drawDonutAtPoint(r, out, centre, kColour, kLayer, 0.8, 1.0); }},
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(form.name);
        const AcDbObjectId id = drawInto(form.target, form.draw);
        {
            ReadBack<AcDbPolyline> dot(id);
            ASSERT_TRUE(dot);
            EXPECT_TRUE(dot->isClosed());
            ASSERT_EQ(dot->numVerts(), 2u);
            expectVertex(dot.operator->(), 0, 10.0 - form.halfChord, 5.0, 1.0, form.width);
            expectVertex(dot.operator->(), 1, 10.0 + form.halfChord, 5.0, 1.0, form.width);
            EXPECT_DOUBLE_EQ(dot->elevation(), 0.0);
        }
        expectShown(id, form.styled ? Shown{true, true} : Shown{});
        eraseAll();
    }
}

TEST_F(DrawingHelpers, TextsAreJustifiedByTheirCodeAtThePosition)
{
    const AcGePoint3d at(20, 10, 0);
    const struct {
        int code;
        AcDb::TextHorzMode horizontal;
        AcDb::TextVertMode vertical;
    } codes[] = {{0, AcDb::kTextLeft, AcDb::kTextBase}, {1, AcDb::kTextCenter, AcDb::kTextVertMid},
        {2, AcDb::kTextLeft, AcDb::kTextVertMid}, {3, AcDb::kTextRight, AcDb::kTextVertMid},
        {4, AcDb::kTextLeft, AcDb::kTextTop}, {5, AcDb::kTextCenter, AcDb::kTextTop},
        {6, AcDb::kTextRight, AcDb::kTextTop}, {7, AcDb::kTextLeft, AcDb::kTextBottom},
        {8, AcDb::kTextCenter, AcDb::kTextBottom}, {9, AcDb::kTextRight, AcDb::kTextBottom},
        {10, AcDb::kTextLeft, AcDb::kTextBase}};
    for (const auto& c : codes) {
        SCOPED_TRACE(c.code);
        AcDbObjectId recordId, spaceId;
        drawInto(Target::Record, [&](AcDbBlockTableRecord* r) {
            MavUtils::drawText(r, recordId, at, L"盖梁", L"", kColour, 2.5, 1.0, 0.0, L"", c.code);
        });
        MavUtils::drawText(spaceId, at, L"盖梁", L"", kColour, 2.5, 1.0, 0.0, L"", c.code);
        for (const AcDbObjectId& id : {recordId, spaceId}) {
            ReadBack<AcDbText> text(id);
            ASSERT_TRUE(text);
            EXPECT_EQ(text->horizontalMode(), c.horizontal);
            EXPECT_EQ(text->verticalMode(), c.vertical);
            // A justified text hangs on its alignment point; a plain one starts at the position.
            EXPECT_EQ(c.horizontal == AcDb::kTextLeft && c.vertical == AcDb::kTextBase ? text->position()
                                                                                       : text->alignmentPoint(),
                at);
        }
        eraseAll();
    }
}

TEST_F(DrawingHelpers, TextsTakeStyleLayerColourAndOnlyAGivenWidthFactor)
{
    AcDbObjectId styleId;
    ASSERT_FALSE(MavUtils::createNewTextStyle(L"HZ", 2, 0.0, 1.0, L"fsdb_e.shx", L"fsdb.shx").isNull());
    ASSERT_EQ(MavUtils::getTextStyleId(L"HZ", styleId), Acad::eOk);
    const struct {
        double given;
        double kept;
    } factors[] = {{0.0005, 1.0}, {-0.0005, 1.0}, {0.001, 0.001}, {0.7, 0.7}};
    for (const auto& f : factors) {
        SCOPED_TRACE(f.given);
        AcDbObjectId given[2];
        const AcDbObjectId ids[] = {
            drawInto(Target::Record,
                [&](AcDbBlockTableRecord* r) {
                    MavUtils::drawText(r, given[0], kStart, L"T", L"HZ", kColour, 3.0, f.given, 0.5, kLayer, 1);
                }),
            drawInto(Target::Record,
                [&](AcDbBlockTableRecord* r) {
                    MavUtils::drawText(r, kStart, L"T", L"HZ", kColour, 3.0, f.given, 0.5, kLayer, 1);
                }),
            drawInto(Target::CurrentSpace,
                [&](AcDbBlockTableRecord*) {
                    MavUtils::drawText(given[1], kStart, L"T", L"HZ", kColour, 3.0, f.given, 0.5, kLayer, 1);
                }),
            drawInto(Target::CurrentSpace,
                [&](AcDbBlockTableRecord*) {
                    MavUtils::drawText(kStart, L"T", L"HZ", kColour, 3.0, f.given, 0.5, kLayer, 1);
                }),
        };
        EXPECT_EQ(given[0], ids[0]);
        EXPECT_EQ(given[1], ids[2]);
        for (const AcDbObjectId& id : ids) {
            ReadBack<AcDbText> text(id);
            ASSERT_TRUE(text);
            EXPECT_DOUBLE_EQ(text->widthFactor(), f.kept);
            EXPECT_EQ(text->textStyle(), styleId);
            EXPECT_DOUBLE_EQ(text->height(), 3.0);
            EXPECT_DOUBLE_EQ(text->rotation(), 0.5);
            EXPECT_EQ(text->colorIndex(), kColour);
            EXPECT_EQ(text->layerId(), mLayerId);
            EXPECT_STREQ(text->textStringConst(), L"T");
        }
        eraseAll();
    }
    // An unknown style leaves the drawing's current one.
    AcDbObjectId id;
    MavUtils::drawText(id, kStart, L"T", L"NOSUCH", kColour, 3.0, 1.0, 0.0, L"", 1);
    EXPECT_EQ(ReadBack<AcDbText>(id)->textStyle(), db()->textstyle());
}

TEST_F(DrawingHelpers, ParagraphTextsAreFiveUnitsWidePerCharacter)
{
    const struct {
        int code;
        AcDbMText::AttachmentPoint attachment;
    } codes[] = {{1, AcDbMText::kMiddleCenter}, {2, AcDbMText::kMiddleLeft}, {3, AcDbMText::kMiddleRight},
        {4, AcDbMText::kTopLeft}, {5, AcDbMText::kTopCenter}, {6, AcDbMText::kTopRight}, {7, AcDbMText::kBottomLeft},
        {8, AcDbMText::kBottomCenter}, {9, AcDbMText::kBottomRight}, {0, AcDbMText::kMiddleCenter},
        {10, AcDbMText::kMiddleCenter}};
    for (const auto& c : codes) {
        SCOPED_TRACE(c.code);
        AcDbObjectId id;
        MavUtils::drawMText(id, kStart, L"盖梁", L"", kColour, 7.0, 0.25, kLayer, c.code);
        ReadBack<AcDbMText> text(id);
        ASSERT_TRUE(text);
        EXPECT_EQ(text->attachment(), c.attachment);
        EXPECT_EQ(text->location(), kStart);
        EXPECT_DOUBLE_EQ(text->width(), 10.0);
        EXPECT_DOUBLE_EQ(text->textHeight(), 7.0);
        EXPECT_NEAR(text->rotation(), 0.25, 1e-12);
        EXPECT_STREQ(text->contentsConst(), L"盖梁");
        EXPECT_EQ(text->colorIndex(), kColour);
        EXPECT_EQ(text->layerId(), mLayerId);
    }
    MavUtils::drawMText(kStart, L"\\P{x}", L"", kColour, 2.0, 0.0, L"", 1);
    ReadBack<AcDbMText> plain(modelSpace().back());
    ASSERT_TRUE(plain);
    EXPECT_STREQ(plain->contentsConst(), L"\\P{x}");
    EXPECT_DOUBLE_EQ(plain->width(), 25.0);
    // A character beyond the basic plane counts as the two 16-bit characters it takes.
    AcDbObjectId wide;
    MavUtils::drawMText(wide, kStart, L"A\U0002000B", L"", kColour, 2.0, 0.0, L"", 1);
    EXPECT_DOUBLE_EQ(ReadBack<AcDbMText>(wide)->width(), 15.0);
}

TEST_F(DrawingHelpers, PointsSetTheDrawingsDisplayModeAndMarkOnlyBoundedCurves)
{
    MavUtils::drawPoint(kStart, 2, 35 + 65536);
    EXPECT_EQ(db()->pdmode(), 35);
    {
        ReadBack<AcDbPoint> point(modelSpace().back());
        ASSERT_TRUE(point);
        EXPECT_EQ(point->position(), kStart);
        EXPECT_EQ(point->colorIndex(), 2);
    }
    eraseAll();

    // An unbounded curve has no end points to mark.
    const AcGeLine3d unbounded(kStart, kEnd);
    const AcGeLine2d unbounded2d(AcGePoint2d(0, 0), AcGePoint2d(1, 1));
    MavUtils::drawStartEndPointsOnGeCurve(&unbounded, 1);
    MavUtils::drawStartEndPointsOnGeCurve(&unbounded2d, 1);
    EXPECT_TRUE(modelSpace().empty());
    EXPECT_EQ(db()->pdmode(), 35);

    const AcGeLineSeg3d segment(kStart, AcGePoint3d(7, 5, 2));
    const AcGeLineSeg2d segment2d(AcGePoint2d(-1, -2), AcGePoint2d(3, 4));
    MavUtils::drawStartEndPointsOnGeCurve(&segment, 6);
    MavUtils::drawStartEndPointsOnGeCurve(&segment2d, 6);
    EXPECT_EQ(db()->pdmode(), 99);
    std::vector<AcGePoint3d> marks;
    for (const AcDbObjectId& id : modelSpace()) {
        ReadBack<AcDbPoint> mark(id);
        ASSERT_TRUE(mark);
        EXPECT_EQ(mark->colorIndex(), 6);
        marks.push_back(mark->position());
    }
    EXPECT_EQ(marks, (std::vector<AcGePoint3d>{kStart, AcGePoint3d(7, 5, 2), AcGePoint3d(-1, -2, 0),
                         AcGePoint3d(3, 4, 0)}));
}

} // namespace
