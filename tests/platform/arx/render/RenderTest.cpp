// Drawing a database: ink where the entities are and white elsewhere, colours by index,
// layer and block, hidden layers, wipeouts, block transforms, linetypes, texts in their
// measured boxes, hatches, external references and the three picture formats.
#include "AcDbBlockReference.h"
#include "AcDbBlockTable.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbCircle.h"
#include "AcDbDatabase.h"
#include "AcDbEllipse.h"
#include "AcDbHatch.h"
#include "AcDbLayerTable.h"
#include "AcDbLayerTableRecord.h"
#include "AcDbLine.h"
#include "AcDbLinetypeTable.h"
#include "AcDbMText.h"
#include "AcDbPoint.h"
#include "AcDbPolyline.h"
#include "AcDbRotatedDimension.h"
#include "AcDbServices.h"
#include "AcDbSolid.h"
#include "AcDbSpline.h"
#include "AcDbText.h"
#include "AcDbTextStyleTable.h"
#include "AcDbTextStyleTableRecord.h"
#include "AcDbWipeout.h"
#include "AcDbWipeoutVariables.h"
#include "AcGeScale3d.h"
#include "DrawingRenderer.h"
#include "TextMetrics.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>

#include <cmath>
#include <filesystem>

namespace {

constexpr double kPi = 3.14159265358979323846;

class RenderTest : public ::testing::Test {
protected:
    RenderTest() : mDb(true, true) {}

    // Window (0,0)-(100,100) on a 200 x 200 picture with no margin: 2 pixels a unit, y up;
    // a sheet of 40 mm makes 5 pixels a millimetre of lineweight.
    QImage render()
    {
        DrawingRenderer::Options o;
        o.sizePx = 200;
        o.margin = 0.0;
        o.sheetMm = 40.0;
        o.useWindow = true;
        o.window[2] = o.window[3] = 100.0;
        return DrawingRenderer::renderImage(&mDb, o);
    }
    static QColor at(const QImage& img, double x, double y)
    {
        return QColor(img.pixel(static_cast<int>(x * 2.0), static_cast<int>(200.0 - y * 2.0)));
    }
    static bool white(const QColor& c) { return c.red() > 245 && c.green() > 245 && c.blue() > 245; }
    static bool dark(const QColor& c) { return c.red() < 110 && c.green() < 110 && c.blue() < 110; }
    static bool reddish(const QColor& c) { return c.red() > 180 && c.green() < 110 && c.blue() < 110; }

    AcDbObjectId add(AcDbEntity* ent, AcDbObjectId blockId = AcDbObjectId())
    {
        AcDbBlockTableRecord* block = nullptr;
        EXPECT_EQ(acdbOpenObject(block, blockId.isNull() ? mDb.modelSpaceId() : blockId, AcDb::kForWrite), Acad::eOk);
        AcDbObjectId id;
        EXPECT_EQ(block->appendAcDbEntity(id, ent), Acad::eOk);
        block->close();
        ent->close();
        return id;
    }
    AcDbLine* line(double x0, double y0, double x1, double y1)
    {
        auto* l = new AcDbLine(AcGePoint3d(x0, y0, 0), AcGePoint3d(x1, y1, 0));
        l->setDatabaseDefaults(&mDb);
        l->setLineWeight(AcDb::kLnWt100);
        return l;
    }
    AcDbObjectId layer(const wchar_t* name, int colour)
    {
        AcDbLayerTable* table = nullptr;
        mDb.getLayerTable(table, AcDb::kForWrite);
        auto* rec = new AcDbLayerTableRecord();
        rec->setName(name);
        AcCmColor c;
        c.setColorIndex(static_cast<Adesk::UInt16>(colour));
        rec->setColor(c);
        AcDbObjectId id;
        table->add(id, rec);
        rec->close();
        table->close();
        return id;
    }
    AcDbObjectId block(const wchar_t* name)
    {
        AcDbBlockTable* table = nullptr;
        mDb.getBlockTable(table, AcDb::kForWrite);
        auto* rec = new AcDbBlockTableRecord();
        rec->setName(name);
        AcDbObjectId id;
        table->add(id, rec);
        rec->close();
        table->close();
        return id;
    }
    static std::filesystem::path output(const char* name) { return std::filesystem::path(CORBEL_TEST_OUTPUT) / name; }

    AcDbDatabase mDb;
};

TEST_F(RenderTest, InkWhereTheEntitiesAreAndWhiteElsewhere)
{
    add(line(10, 50, 90, 50));
    auto* c = new AcDbCircle(AcGePoint3d(50, 50, 0), AcGeVector3d::kZAxis, 30.0);
    c->setDatabaseDefaults(&mDb);
    c->setLineWeight(AcDb::kLnWt100);
    add(c);
    const QImage img = render();
    ASSERT_EQ(img.size(), QSize(200, 200));
    EXPECT_TRUE(dark(at(img, 30, 50)));
    EXPECT_TRUE(dark(at(img, 50, 80)));
    EXPECT_TRUE(dark(at(img, 20, 50)));
    EXPECT_TRUE(white(at(img, 50, 65)));
    EXPECT_TRUE(white(at(img, 5, 5)));
    EXPECT_TRUE(white(at(img, 95, 95)));
    img.save(QString::fromStdString(output("ink.png").string()));
}

TEST_F(RenderTest, ColoursComeByIndexByLayerAndByBlock)
{
    const AcDbObjectId red = layer(L"RED", 1);
    AcDbLine* byLayer = line(10, 10, 90, 10);
    byLayer->setLayer(red);
    add(byLayer);
    AcDbLine* byIndex = line(10, 30, 90, 30);
    byIndex->setColorIndex(5);
    add(byIndex);
    // A block whose line is ByBlock, referenced in red.
    const AcDbObjectId mark = block(L"MARK");
    AcDbLine* inner = line(0, 0, 80, 0);
    inner->setColorIndex(0);
    add(inner, mark);
    auto* ref = new AcDbBlockReference(AcGePoint3d(10, 70, 0), mark);
    ref->setDatabaseDefaults(&mDb);
    ref->setColorIndex(1);
    add(ref);
    // ACI 7 is ink on the white sheet.
    AcDbLine* seven = line(10, 90, 90, 90);
    seven->setColorIndex(7);
    add(seven);

    const QImage img = render();
    EXPECT_TRUE(reddish(at(img, 50, 10)));
    const QColor blue = at(img, 50, 30);
    EXPECT_TRUE(blue.blue() > 180 && blue.red() < 110) << blue.name().toStdString();
    EXPECT_TRUE(reddish(at(img, 50, 70)));
    EXPECT_TRUE(dark(at(img, 50, 90)));
}

TEST_F(RenderTest, HiddenLayersAndDefpointsDoNotShow)
{
    const AcDbObjectId off = layer(L"OFF", 1);
    const AcDbObjectId frozen = layer(L"FROZEN", 1);
    const AcDbObjectId defpoints = layer(L"Defpoints", 1);
    for (auto [id, y] : {std::pair{off, 20.0}, std::pair{frozen, 50.0}, std::pair{defpoints, 80.0}}) {
        AcDbLine* l = line(10, y, 90, y);
        l->setLayer(id);
        add(l);
    }
    AcDbLayerTableRecord* rec = nullptr;
    acdbOpenObject(rec, off, AcDb::kForWrite);
    rec->setIsOff(true);
    rec->close();
    acdbOpenObject(rec, frozen, AcDb::kForWrite);
    rec->setIsFrozen(true);
    rec->close();
    const QImage img = render();
    for (double y : {20.0, 50.0, 80.0})
        EXPECT_TRUE(white(at(img, 50, y))) << y;
}

TEST_F(RenderTest, WipeoutCoversWhatLiesUnderItAndShowsItsFrameWhenAsked)
{
    add(line(10, 50, 90, 50));
    auto* w = new AcDbWipeout();
    w->setDatabaseDefaults(&mDb);
    w->setOrientation(AcGePoint3d(40, 40, 0), AcGeVector3d(20, 0, 0), AcGeVector3d(0, 20, 0));
    AcGeVector2d whole(0, 0);
    w->setClipBoundaryToWholeImage(whole);
    add(w);
    AcDbObject* vars = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(vars, AcDbWipeoutVariables::getOrCreate(&mDb), AcDb::kForWrite), Acad::eOk);
    static_cast<AcDbWipeoutVariables*>(vars)->setDisplayFrame(false);
    vars->close();

    QImage img = render();
    EXPECT_TRUE(dark(at(img, 20, 50)));
    EXPECT_TRUE(white(at(img, 50, 50)));
    EXPECT_TRUE(white(at(img, 50, 40)));

    acdbOpenAcDbObject(vars, AcDbWipeoutVariables::getOrCreate(&mDb), AcDb::kForWrite);
    static_cast<AcDbWipeoutVariables*>(vars)->setDisplayFrame(true);
    vars->close();
    img = render();
    EXPECT_FALSE(white(at(img, 50, 40.2)));
    EXPECT_TRUE(white(at(img, 50, 50)));
}

TEST_F(RenderTest, NestedBlockReferencesApplyTheirTransforms)
{
    // Inner block: a short line along x from the origin. Outer block: the inner one rotated
    // 90 degrees. Model space: the outer one at (50, 20) scaled 2.
    const AcDbObjectId inner = block(L"INNER");
    add(line(0, 0, 10, 0), inner);
    const AcDbObjectId outer = block(L"OUTER");
    auto* r1 = new AcDbBlockReference(AcGePoint3d(0, 0, 0), inner);
    r1->setDatabaseDefaults(&mDb);
    r1->setRotation(kPi / 2.0);
    add(r1, outer);
    auto* r2 = new AcDbBlockReference(AcGePoint3d(50, 20, 0), outer);
    r2->setDatabaseDefaults(&mDb);
    r2->setScaleFactors(AcGeScale3d(2.0));
    add(r2);

    const DisplayList list = DrawingRenderer::collect(&mDb);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_NEAR(list.extents().left(), 50.0, 1e-9);
    EXPECT_NEAR(list.extents().top(), 20.0, 1e-9);
    EXPECT_NEAR(list.extents().bottom(), 40.0, 1e-9);
    const QImage img = render();
    EXPECT_TRUE(dark(at(img, 50, 30)));
    EXPECT_TRUE(white(at(img, 60, 20)));
}

TEST_F(RenderTest, LinetypeDashesLeaveGapsScaledByLtscale)
{
    ASSERT_EQ(mDb.loadLineTypeFile(L"HIDDEN", L"acad.lin"), Acad::eOk);
    const AcDbObjectId hidden = mDb.symbolId(mDb.linetypeTableId(), L"HIDDEN");
    ASSERT_FALSE(hidden.isNull());
    mDb.setLtscale(20.0); // dash 5, gap 2.5 units: 10 and 5 pixels
    AcDbLine* l = line(0, 50, 100, 50);
    l->setLinetype(hidden);
    add(l);
    const QImage img = render();
    int ink = 0, paper = 0;
    for (int x = 2; x < 198; ++x) {
        const QColor c(img.pixel(x, 100));
        ink += dark(c) ? 1 : 0;
        paper += white(c) ? 1 : 0;
    }
    EXPECT_NEAR(ink / 196.0, 2.0 / 3.0, 0.12);
    EXPECT_GT(paper, 40);
}

TEST_F(RenderTest, ByBlockLinetypeComesFromTheReferenceThroughItsLayer)
{
    ASSERT_EQ(mDb.loadLineTypeFile(L"HIDDEN", L"acad.lin"), Acad::eOk);
    mDb.setLtscale(20.0);
    const AcDbObjectId hiddenLayer = layer(L"HIDDEN-LAYER", 7);
    AcDbLayerTableRecord* rec = nullptr;
    acdbOpenObject(rec, hiddenLayer, AcDb::kForWrite);
    rec->setLinetypeObjectId(mDb.symbolId(mDb.linetypeTableId(), L"HIDDEN"));
    rec->close();
    const AcDbObjectId mark = block(L"MARK");
    AcDbLine* inner = line(0, 0, 100, 0);
    inner->setLinetype(mDb.byBlockLinetype());
    add(inner, mark);
    auto* ref = new AcDbBlockReference(AcGePoint3d(0, 50, 0), mark);
    ref->setDatabaseDefaults(&mDb);
    ref->setLayer(hiddenLayer);
    add(ref);
    const QImage img = render();
    int paper = 0;
    for (int x = 2; x < 198; ++x)
        paper += white(QColor(img.pixel(x, 100))) ? 1 : 0;
    EXPECT_GT(paper, 40);
}

TEST_F(RenderTest, TextInkStaysInsideTheMeasuredBox)
{
    auto* t = new AcDbText();
    t->setDatabaseDefaults(&mDb);
    t->setPosition(AcGePoint3d(10, 40, 0));
    t->setHeight(10.0);
    t->setTextString(L"盖梁 N12");
    add(t);
    const TextMetrics::Box box = TextMetrics::box(L"盖梁 N12", 10.0);
    const QImage img = render();
    int inkInside = 0, inkOutside = 0;
    for (int py = 0; py < 200; ++py) {
        for (int px = 0; px < 200; ++px) {
            if (!dark(QColor(img.pixel(px, py))))
                continue;
            const double x = px / 2.0 - 10.0, y = (200 - py) / 2.0 - 40.0;
            const bool inside = x >= box.minX - 0.5 && x <= box.maxX + 0.5 && y >= box.minY - 0.5 && y <= box.maxY + 0.5;
            (inside ? inkInside : inkOutside) += 1;
        }
    }
    EXPECT_GT(inkInside, 200);
    EXPECT_EQ(inkOutside, 0);
    // The last glyph reaches near the measured end of the text.
    bool inkNearEnd = false;
    for (double y = 41; y < 49; y += 0.5)
        inkNearEnd = inkNearEnd || dark(at(img, 10 + box.maxX - 1.5, y));
    EXPECT_TRUE(inkNearEnd);
    img.save(QString::fromStdString(output("text.png").string()));
}

TEST_F(RenderTest, GradeCharactersOfTheShapeFontAreDrawnAsBarGradeSymbols)
{
    AcDbTextStyleTable* styles = nullptr;
    ASSERT_EQ(mDb.getTextStyleTable(styles, AcDb::kForWrite), Acad::eOk);
    auto* shape = new AcDbTextStyleTableRecord();
    shape->setName(L"bars");
    shape->setFileName(L"fsdb_e.shx");
    AcDbObjectId shapeStyle;
    ASSERT_EQ(styles->add(shapeStyle, shape), Acad::eOk);
    shape->close();
    styles->close();
    // Grade II "&" and grade III "^" of the shape font, and "&" of another font, 20 high.
    const struct {
        const wchar_t* text;
        double baseline;
        bool shapeFont;
    } texts[] = {{L"&", 70, true}, {L"^", 40, true}, {L"&", 10, false}};
    for (const auto& t : texts) {
        auto* text = new AcDbText();
        text->setDatabaseDefaults(&mDb);
        text->setPosition(AcGePoint3d(20, t.baseline, 0));
        text->setHeight(20.0);
        text->setTextString(t.text);
        if (t.shapeFont)
            text->setTextStyle(shapeStyle);
        add(text);
    }
    const QImage img = render();
    // The upright stroke stands on a foot below the baseline; grade III has a head above the
    // cap height as well, to either side of the stroke.
    auto middle = [](const wchar_t* text) { return 20.0 + TextMetrics::box(text, 20.0).maxX / 2.0; };
    auto foot = [&](const wchar_t* text, double baseline) { return dark(at(img, middle(text), baseline - 2.0)); };
    auto head = [&](const wchar_t* text, double baseline) {
        return dark(at(img, middle(text) + 0.13 * TextMetrics::box(text, 20.0).maxX, baseline + 22.0));
    };
    EXPECT_TRUE(foot(L"&", 70));
    EXPECT_FALSE(head(L"&", 70));
    EXPECT_TRUE(foot(L"^", 40));
    EXPECT_TRUE(head(L"^", 40));
    EXPECT_FALSE(foot(L"&", 10));
    img.save(QString::fromStdString(output("grades.png").string()));
}

TEST_F(RenderTest, CentredMultilineTextSitsAroundItsLocation)
{
    auto* m = new AcDbMText();
    m->setDatabaseDefaults(&mDb);
    m->setLocation(AcGePoint3d(50, 50, 0));
    m->setTextHeight(8.0);
    m->setAttachment(AcDbMText::kMiddleCenter);
    m->setContents(L"钢筋\\P{\\H0.7x;N1}\\S3^;");
    add(m);
    const DisplayList list = DrawingRenderer::collect(&mDb);
    ASSERT_FALSE(list.extents().isNull());
    EXPECT_NEAR(list.extents().center().x(), 50.0, 2.0);
    EXPECT_NEAR(list.extents().center().y(), 50.0, 3.0);
}

TEST_F(RenderTest, SolidHatchAndTwoDimensionalSolidFillTheirArea)
{
    auto* h = new AcDbHatch();
    h->setDatabaseDefaults(&mDb);
    h->setPattern(AcDbHatch::kPreDefined, L"SOLID");
    AcGePoint2dArray pts;
    for (auto [x, y] : {std::pair{10.0, 10.0}, std::pair{40.0, 10.0}, std::pair{40.0, 40.0}, std::pair{10.0, 40.0}})
        pts.append(AcGePoint2d(x, y));
    AcGeDoubleArray bulges;
    for (int i = 0; i < 4; ++i)
        bulges.append(0.0);
    ASSERT_EQ(h->appendLoop(AcDbHatch::kExternal | AcDbHatch::kPolyline, pts, bulges), Acad::eOk);
    add(h);
    auto* s = new AcDbSolid(AcGePoint3d(60, 60, 0), AcGePoint3d(90, 60, 0), AcGePoint3d(60, 90, 0), AcGePoint3d(90, 90, 0));
    s->setDatabaseDefaults(&mDb);
    add(s);
    const QImage img = render();
    EXPECT_TRUE(dark(at(img, 25, 25)));
    EXPECT_TRUE(dark(at(img, 75, 75)));
    EXPECT_TRUE(white(at(img, 50, 50)));
}

TEST_F(RenderTest, PolylineWidthsAndBulgesAreDrawn)
{
    auto* pl = new AcDbPolyline();
    pl->setDatabaseDefaults(&mDb);
    pl->setLineWeight(AcDb::kLnWt100);
    pl->addVertexAt(0, AcGePoint2d(10, 50), 0.0, 8.0, 8.0);
    // Bulge 1: a half circle turning counter-clockwise, so below the chord to (90, 50).
    pl->addVertexAt(1, AcGePoint2d(50, 50), 1.0, 0.0, 0.0);
    pl->addVertexAt(2, AcGePoint2d(90, 50), 0.0, 0.0, 0.0);
    add(pl);
    const QImage img = render();
    EXPECT_TRUE(dark(at(img, 30, 53)));  // inside the 8 wide band
    EXPECT_TRUE(white(at(img, 30, 56)));
    EXPECT_TRUE(dark(at(img, 70, 30)));  // bottom of the half circle (centre (70, 50), radius 20)
    EXPECT_TRUE(white(at(img, 70, 70)));
    EXPECT_TRUE(white(at(img, 70, 40)));
    img.save(QString::fromStdString(output("polyline.png").string()));
}

TEST_F(RenderTest, ExternalReferenceIsDrawnInPlaceWhenItsFileIsFound)
{
    const std::filesystem::path file = output("xref-frame.dxf");
    {
        AcDbDatabase frame(true, true);
        AcDbBlockTableRecord* ms = nullptr;
        acdbOpenObject(ms, frame.modelSpaceId(), AcDb::kForWrite);
        auto* l = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 30, 0));
        l->setDatabaseDefaults(&frame);
        l->setLineWeight(AcDb::kLnWt100);
        ms->appendAcDbEntity(l);
        l->close();
        ms->close();
        ASSERT_EQ(frame.dxfOut(file.wstring().c_str()), Acad::eOk);
    }
    const AcDbObjectId xref = block(L"xref-frame");
    AcDbBlockTableRecord* rec = nullptr;
    acdbOpenObject(rec, xref, AcDb::kForWrite);
    rec->setPathName(file.wstring().c_str());
    rec->close();
    auto* ref = new AcDbBlockReference(AcGePoint3d(70, 10, 0), xref);
    ref->setDatabaseDefaults(&mDb);
    add(ref);
    QImage img = render();
    EXPECT_TRUE(dark(at(img, 70, 25)));

    // A reference whose file is gone draws nothing and is no failure.
    acdbOpenObject(rec, xref, AcDb::kForWrite);
    rec->setPathName(L"/nonexistent/frame.dxf");
    rec->close();
    img = render();
    EXPECT_TRUE(white(at(img, 70, 25)));
}

TEST_F(RenderTest, PictureFormatsFollowTheExtension)
{
    add(line(0, 0, 100, 60));
    DrawingRenderer::Options o;
    o.sizePx = 300;
    std::wstring error;
    for (const char* name : {"formats.png", "formats.svg", "formats.pdf"}) {
        const std::filesystem::path file = output(name);
        std::filesystem::remove(file);
        ASSERT_TRUE(DrawingRenderer::renderFile(&mDb, file.wstring(), o, &error)) << name;
        QFile f(QString::fromStdString(file.string()));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray head = f.read(512);
        if (file.extension() == ".png")
            EXPECT_TRUE(head.startsWith("\x89PNG"));
        else if (file.extension() == ".svg")
            EXPECT_TRUE(head.contains("<svg"));
        else
            EXPECT_TRUE(head.startsWith("%PDF"));
    }
    // The picture keeps the drawing's aspect.
    const QImage png(QString::fromStdString(output("formats.png").string()));
    EXPECT_EQ(png.width(), 300);
    EXPECT_EQ(png.height(), 180);
    EXPECT_FALSE(DrawingRenderer::renderFile(&mDb, output("formats.bmp").wstring(), o, &error));
    EXPECT_NE(error.find(L"use .png, .svg or .pdf"), std::wstring::npos);
}

TEST_F(RenderTest, EllipsesSplinesAndPointsAreDrawn)
{
    auto* e = new AcDbEllipse(AcGePoint3d(30, 70, 0), AcGeVector3d::kZAxis, AcGeVector3d(20, 0, 0), 0.5);
    e->setDatabaseDefaults(&mDb);
    e->setLineWeight(AcDb::kLnWt100);
    add(e);
    AcGePoint3dArray fit;
    for (auto [x, y] : {std::pair{10.0, 20.0}, std::pair{30.0, 40.0}, std::pair{50.0, 20.0}, std::pair{70.0, 40.0}})
        fit.append(AcGePoint3d(x, y, 0));
    // A cubic through control points: it starts and ends at the end control points.
    AcGeDoubleArray knots, weights;
    for (double k : {0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0})
        knots.append(k);
    auto* sp = new AcDbSpline(3, false, false, false, fit, knots, weights);
    sp->setDatabaseDefaults(&mDb);
    sp->setLineWeight(AcDb::kLnWt100);
    add(sp);
    mDb.setPdmode(3);
    mDb.setPdsize(6.0);
    auto* pt = new AcDbPoint(AcGePoint3d(85, 85, 0));
    pt->setDatabaseDefaults(&mDb);
    add(pt);
    const QImage img = render();
    EXPECT_TRUE(dark(at(img, 50, 70)));   // the ellipse's end of the major axis
    EXPECT_TRUE(dark(at(img, 30, 80)));   // the top of its minor axis
    EXPECT_TRUE(white(at(img, 30, 70)));
    EXPECT_TRUE(dark(at(img, 10.5, 20.5)));  // the spline's ends
    EXPECT_TRUE(dark(at(img, 69.5, 39.5)));
    EXPECT_TRUE(white(at(img, 40, 38)));
    // The point's cross: ink around its centre, none straight above it.
    int ink = 0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            ink += white(QColor(img.pixel(170 + dx, 30 + dy))) ? 0 : 1;
    EXPECT_GT(ink, 3);
    EXPECT_TRUE(white(at(img, 85, 88)));
}

// A dimension shows what its graphics block holds, in the dimension's colour where the
// block's contents are ByBlock.
TEST_F(RenderTest, DimensionIsDrawnFromItsBlock)
{
    auto* dim = new AcDbRotatedDimension(0.0, AcGePoint3d(20, 40, 0), AcGePoint3d(80, 40, 0), AcGePoint3d(50, 60, 0),
                                         L"", AcDbObjectId());
    dim->setDatabaseDefaults(&mDb);
    dim->setColorIndex(1);
    const AcDbObjectId dimId = add(dim);
    AcDbRotatedDimension* open = nullptr;
    ASSERT_EQ(acdbOpenObject(open, dimId, AcDb::kForRead), Acad::eOk);
    const AcDbObjectId blockId = open->dimBlockId();
    open->close();
    ASSERT_FALSE(blockId.isNull());
    // The generated block holds the dimension line at y = 60, drawn in the dimension's colour
    // (its entities are by block); nothing is drawn below the extension lines' origins.
    const QImage img = render();
    // A one-pixel line between two pixel rows is drawn at half strength in both.
    const QColor c = at(img, 35, 60);
    EXPECT_TRUE(c.red() > 230 && c.green() < 160 && c.blue() < 160);
    EXPECT_TRUE(white(at(img, 50, 20)));
}

// A sheet with one of every kind of thing the drawings hold; the picture is kept in the build
// folder (sheet.png) for a person to look at.
TEST_F(RenderTest, SheetOfEveryKindDrawsEveryKind)
{
    ASSERT_EQ(mDb.loadLineTypeFile(L"CENTER", L"acad.lin"), Acad::eOk);
    mDb.setLtscale(0.5);
    // Frame with a wide border.
    auto* frame = new AcDbPolyline();
    frame->setDatabaseDefaults(&mDb);
    int i = 0;
    for (auto [x, y] : {std::pair{1.0, 1.0}, std::pair{99.0, 1.0}, std::pair{99.0, 99.0}, std::pair{1.0, 99.0}})
        frame->addVertexAt(i++, AcGePoint2d(x, y), 0.0, 0.6, 0.6);
    frame->setClosed(true);
    add(frame);
    // Centre line.
    AcDbLine* centre = line(5, 70, 95, 70);
    centre->setLinetype(mDb.symbolId(mDb.linetypeTableId(), L"CENTER"));
    centre->setColorIndex(1);
    centre->setLineWeight(AcDb::kLnWt025);
    add(centre);
    // Hatched section with a circle (a bar) and arcs.
    auto* h = new AcDbHatch();
    h->setDatabaseDefaults(&mDb);
    h->setPattern(AcDbHatch::kPreDefined, L"ANSI31");
    h->setPatternScale(0.8);
    h->setColorIndex(8);
    AcGePoint2dArray pts;
    for (auto [x, y] : {std::pair{10.0, 10.0}, std::pair{45.0, 10.0}, std::pair{45.0, 40.0}, std::pair{10.0, 40.0}})
        pts.append(AcGePoint2d(x, y));
    AcGeDoubleArray bulges;
    for (int k = 0; k < 4; ++k)
        bulges.append(0.0);
    h->appendLoop(AcDbHatch::kExternal | AcDbHatch::kPolyline, pts, bulges);
    add(h);
    for (double x : {15.0, 27.5, 40.0}) {
        auto* bar = new AcDbCircle(AcGePoint3d(x, 15, 0), AcGeVector3d::kZAxis, 2.0);
        bar->setDatabaseDefaults(&mDb);
        bar->setColorIndex(3);
        add(bar);
        auto* fillBar = new AcDbHatch();
        fillBar->setDatabaseDefaults(&mDb);
        fillBar->setPattern(AcDbHatch::kPreDefined, L"SOLID");
        fillBar->setColorIndex(3);
        AcGePoint2dArray c;
        c.append(AcGePoint2d(x - 2.0, 15));
        c.append(AcGePoint2d(x + 2.0, 15));
        AcGeDoubleArray b;
        b.append(1.0);
        b.append(1.0);
        fillBar->appendLoop(AcDbHatch::kExternal | AcDbHatch::kPolyline, c, b);
        add(fillBar);
    }
    // A bent bar: a polyline with an arc, and a 2-D solid arrow.
    auto* bent = new AcDbPolyline();
    bent->setDatabaseDefaults(&mDb);
    bent->setColorIndex(5);
    bent->addVertexAt(0, AcGePoint2d(55, 15), 0.0, 0.8, 0.8);
    bent->addVertexAt(1, AcGePoint2d(80, 15), 0.4142, 0.8, 0.8);
    bent->addVertexAt(2, AcGePoint2d(90, 25), 0.0, 0.8, 0.8);
    bent->addVertexAt(3, AcGePoint2d(90, 45), 0.0, 0.0, 0.0);
    add(bent);
    auto* arrow = new AcDbSolid(AcGePoint3d(55, 20, 0), AcGePoint3d(60, 21, 0), AcGePoint3d(60, 19, 0));
    arrow->setDatabaseDefaults(&mDb);
    add(arrow);
    // Texts: left, centred, right and a multiline text with a stack.
    struct Label {
        const wchar_t* text;
        AcDb::TextHorzMode mode;
        double x;
    };
    for (const Label& l : {Label{L"左 N1Φ25", AcDb::kTextLeft, 10}, Label{L"中 L=1250", AcDb::kTextCenter, 50},
                           Label{L"右 2x12", AcDb::kTextRight, 90}}) {
        auto* t = new AcDbText();
        t->setDatabaseDefaults(&mDb);
        t->setHeight(3.5);
        t->setTextString(l.text);
        t->setHorizontalMode(l.mode);
        t->setPosition(AcGePoint3d(l.x, 80, 0));
        t->setAlignmentPoint(AcGePoint3d(l.x, 80, 0));
        add(t);
    }
    auto* m = new AcDbMText();
    m->setDatabaseDefaults(&mDb);
    m->setLocation(AcGePoint3d(10, 95, 0));
    m->setTextHeight(3.0);
    m->setContents(L"盖梁钢筋构造图\\P{\\H0.7x;比例 1:50} 面积 2.5m\\S2^;");
    add(m);
    // A mark block, nested and rotated, with a wipeout under its text.
    const AcDbObjectId mark = block(L"MARK");
    auto* ring = new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 4.0);
    ring->setDatabaseDefaults(&mDb);
    add(ring, mark);
    auto* w = new AcDbWipeout();
    w->setDatabaseDefaults(&mDb);
    w->setOrientation(AcGePoint3d(-3, -2, 0), AcGeVector3d(6, 0, 0), AcGeVector3d(0, 4, 0));
    AcGeVector2d whole(0, 0);
    w->setClipBoundaryToWholeImage(whole);
    add(w, mark);
    auto* num = new AcDbText();
    num->setDatabaseDefaults(&mDb);
    num->setHeight(3.0);
    num->setTextString(L"12");
    num->setHorizontalMode(AcDb::kTextMid);
    num->setAlignmentPoint(AcGePoint3d(0, 0, 0));
    add(num, mark);
    for (double x : {60.0, 75.0}) {
        auto* ref = new AcDbBlockReference(AcGePoint3d(x, 55, 0), mark);
        ref->setDatabaseDefaults(&mDb);
        ref->setRotation(x > 70 ? kPi / 6.0 : 0.0);
        add(ref);
    }
    add(line(55, 55, 85, 55));

    const DisplayList list = DrawingRenderer::collect(&mDb);
    int kinds[6] = {0, 0, 0, 0, 0, 0};
    for (const DisplayItem& item : list.items())
        ++kinds[static_cast<int>(item.kind)];
    EXPECT_GT(kinds[static_cast<int>(DisplayItem::Kind::Stroke)], 5);
    EXPECT_GT(kinds[static_cast<int>(DisplayItem::Kind::Fill)], 5);
    EXPECT_EQ(kinds[static_cast<int>(DisplayItem::Kind::Pattern)], 1);
    EXPECT_GT(kinds[static_cast<int>(DisplayItem::Kind::Glyph)], 30);

    DrawingRenderer::Options o;
    o.sizePx = 1000;
    std::wstring error;
    ASSERT_TRUE(DrawingRenderer::renderFile(list, output("sheet.png").wstring(), o, &error));
    const QImage img(QString::fromStdString(output("sheet.png").string()));
    EXPECT_FALSE(img.isNull());
}

} // namespace
