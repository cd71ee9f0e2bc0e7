// Dimensions measure their geometry, format the value from their style (DIMDEC, DIMADEC,
// DIMZIN, DIMLFAC, DIMDSEP, "<>" in the text) and fill their block with what is drawn:
// lines, arrows (style blocks or filled triangles), the text; rebuilt when they or their
// style change.
#include "AcDb2LineAngularDimension.h"
#include "AcDb3PointAngularDimension.h"
#include "AcDbAlignedDimension.h"
#include "AcDbBlockReference.h"
#include "AcDbBlockTable.h"
#include "AcDbDiametricDimension.h"
#include "AcDbDimStyleTable.h"
#include "AcDbLine.h"
#include "AcDbMText.h"
#include "AcDbRadialDimension.h"
#include "AcDbRotatedDimension.h"
#include "AcDbSolid.h"
#include "DbFixture.h"

#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <string>

namespace {

// What a dimension's block holds, by class, with the text of its multiline text.
struct BlockContents {
    std::map<std::wstring, int> counts;
    std::wstring text;
    AcGePoint3d textAt;
    std::vector<AcDbLine*> lines;
};

BlockContents contentsOf(AcDbObjectId blockId)
{
    BlockContents out;
    auto* block = AcDbBlockTableRecord::cast(AcDbDatabase::peek(blockId));
    if (block == nullptr)
        return out;
    for (const AcDbObjectId& id : block->entityIds()) {
        if (id.isErased())
            continue;
        auto* ent = AcDbEntity::cast(AcDbDatabase::peek(id));
        ++out.counts[ent->isA()->name()];
        if (auto* m = AcDbMText::cast(ent)) {
            out.text = m->contentsConst();
            out.textAt = m->location();
        }
        if (auto* l = AcDbLine::cast(ent))
            out.lines.push_back(l);
    }
    return out;
}

} // namespace

class DimensionTest : public DbTest {
protected:
    AcDbObjectId addBlock(const ACHAR* name)
    {
        AcDbBlockTable* table = nullptr;
        EXPECT_EQ(acdbOpenObject(table, db->blockTableId(), AcDb::kForWrite), Acad::eOk);
        auto* record = new AcDbBlockTableRecord();
        record->setName(name);
        AcDbObjectId id;
        EXPECT_EQ(table->add(id, record), Acad::eOk);
        record->appendAcDbEntity(new AcDbLine(AcGePoint3d(-1, -0.5, 0), AcGePoint3d(0, 0, 0)));
        record->close();
        table->close();
        return id;
    }
};

TEST_F(DimensionTest, EachKindMeasuresAndFormatsItsValue)
{
    struct Case {
        const char* what;
        std::function<AcDbDimension*()> make;
        double value;
        const wchar_t* text;
    } cases[] = {
        { "rotated: along its direction",
            [] {
                return new AcDbRotatedDimension(
                    0.0, AcGePoint3d(0, 0, 0), AcGePoint3d(30, 10, 0), AcGePoint3d(0, -10, 0));
            },
            30.0, L"30" },
        { "rotated a quarter turn: the vertical distance",
            [] {
                return new AcDbRotatedDimension(
                    kPi / 2, AcGePoint3d(0, 0, 0), AcGePoint3d(30, 10, 0), AcGePoint3d(-5, 0, 0));
            },
            10.0, L"10" },
        { "aligned: the distance of the origins",
            [] {
                return new AcDbAlignedDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(30, 40, 0), AcGePoint3d(-8, 6, 0));
            },
            50.0, L"50" },
        { "radius", [] { return new AcDbRadialDimension(AcGePoint3d(1, 1, 0), AcGePoint3d(4, 5, 0), 3.0); }, 5.0,
            L"R5" },
        { "diameter", [] { return new AcDbDiametricDimension(AcGePoint3d(-6, 0, 0), AcGePoint3d(6, 0, 0), 0.0); }, 12.0,
            L"%%c12" },
        { "two lines: counter-clockwise from the first to the second",
            [] {
                return new AcDb2LineAngularDimension(AcGePoint3d(2, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(0, 3, 0),
                    AcGePoint3d(-7, 10, 0), AcGePoint3d(0, 8, 0));
            },
            0.75 * kPi, L"135%%d" },
        { "three points",
            [] {
                return new AcDb3PointAngularDimension(
                    AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(0, 10, 0), AcGePoint3d(5, 5, 0));
            },
            kPi / 2, L"90%%d" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AcDbDimension* dim = c.make();
        dim->setDimdec(2);
        dim->setDimadec(0);
        dim->setDimzin(8);
        const AcDbObjectId id = addToModelSpace(dim);
        double value = 0.0;
        AcDbDimension* opened = nullptr;
        ASSERT_EQ(acdbOpenObject(opened, id, AcDb::kForRead), Acad::eOk);
        EXPECT_EQ(opened->measurement(value), Acad::eOk);
        EXPECT_NEAR(value, c.value, 1e-9);
        const BlockContents block = contentsOf(opened->dimBlockId());
        EXPECT_EQ(block.text, c.text);
        EXPECT_EQ(block.counts.count(L"AcDbMText"), 1u);
        opened->close();
    }
}

TEST_F(DimensionTest, StyleVariablesShapeTheText)
{
    struct Case {
        const char* what;
        std::function<void(AcDbDimension*)> set;
        const wchar_t* dimText;
        double length;
        const wchar_t* shown;
    } cases[] = {
        { "DIMDEC 2 keeps zeros", [](AcDbDimension* d) { d->setDimdec(2); }, L"", 30.0, L"30.00" },
        { "DIMZIN 8 drops trailing zeros", [](AcDbDimension* d) { d->setDimdec(3), d->setDimzin(8); }, L"", 12.5,
            L"12.5" },
        { "DIMZIN 4 drops the leading zero", [](AcDbDimension* d) { d->setDimdec(2), d->setDimzin(4); }, L"", 0.5,
            L".50" },
        { "DIMLFAC scales the value", [](AcDbDimension* d) { d->setDimdec(0), d->setDimlfac(0.5); }, L"", 30.0, L"15" },
        { "DIMSCALE does not", [](AcDbDimension* d) { d->setDimdec(0), d->setDimscale(50.0); }, L"", 30.0, L"30" },
        { "DIMDSEP", [](AcDbDimension* d) { d->setDimdec(1), d->setDimdsep(L','); }, L"", 2.25, L"2,3" },
        { "<> inside codes", [](AcDbDimension* d) { d->setDimdec(0); }, L"{\\W0.7;<>}", 30.0, L"{\\W0.7;30}" },
        { "<> twice", [](AcDbDimension* d) { d->setDimdec(0); }, L"<>=2x<>", 8.0, L"8=2x8" },
        { "DIMPOST as suffix", [](AcDbDimension* d) { d->setDimdec(0), d->setDimpost(L" mm"); }, L"", 30.0, L"30 mm" },
        { "DIMPOST round the value", [](AcDbDimension* d) { d->setDimdec(0), d->setDimpost(L"L=<>m"); }, L"", 30.0,
            L"L=30m" },
        { "a single space hides the value", [](AcDbDimension*) {}, L" ", 30.0, L"" },
        { "text without <> replaces it", [](AcDbDimension*) {}, L"EQ", 30.0, L"EQ" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto* dim = new AcDbAlignedDimension(
            AcGePoint3d(0, 0, 0), AcGePoint3d(c.length, 0, 0), AcGePoint3d(0, 5, 0), c.dimText);
        c.set(dim);
        addToModelSpace(dim);
        EXPECT_EQ(contentsOf(dim->dimBlockId()).text, c.shown);
    }
}

TEST_F(DimensionTest, BlockHoldsLinesArrowsAndTextAsTheStyleSays)
{
    const AcDbObjectId tick = addBlock(L"TICK");
    struct Case {
        const char* what;
        std::function<void(AcDbDimension*)> set;
        int lines;
        int solids;
        int inserts;
    } cases[] = {
        // Two extension lines and the dimension line broken round the centred text.
        { "defaults: filled arrows", [](AcDbDimension*) {}, 4, 2, 0 },
        { "DIMTAD 1: text above, line whole", [](AcDbDimension* d) { d->setDimtad(1); }, 3, 2, 0 },
        { "DIMBLK names a block for both ends", [&](AcDbDimension* d) { d->setDimblk(tick); }, 4, 0, 2 },
        { "DIMSAH with DIMBLK1 only", [&](AcDbDimension* d) { d->setDimsah(true), d->setDimblk1(tick); }, 4, 1, 1 },
        { "a negative DIMGAP frames the text", [](AcDbDimension* d) { d->setDimgap(-1.0); }, 8, 2, 0 },
        { "DIMSE1 and DIMSE2 drop the extension lines",
            [](AcDbDimension* d) { d->setDimse1(true), d->setDimse2(true); }, 2, 2, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto* dim = new AcDbRotatedDimension(0.0, AcGePoint3d(0, 0, 0), AcGePoint3d(100, 0, 0), AcGePoint3d(0, 20, 0));
        dim->setDimasz(2.5);
        dim->setDimtxt(3.5);
        dim->setDimgap(1.0);
        c.set(dim);
        addToModelSpace(dim);
        BlockContents block = contentsOf(dim->dimBlockId());
        EXPECT_EQ(block.counts[L"AcDbLine"], c.lines);
        EXPECT_EQ(block.counts[L"AcDbSolid"], c.solids);
        EXPECT_EQ(block.counts[L"AcDbBlockReference"], c.inserts);
    }
}

TEST_F(DimensionTest, PlacementOfTextAndExtensionLines)
{
    auto* dim = new AcDbRotatedDimension(0.0, AcGePoint3d(0, 0, 0), AcGePoint3d(100, 0, 0), AcGePoint3d(0, 20, 0));
    dim->setDimexo(2.0);
    dim->setDimexe(1.5);
    dim->setDimtad(1);
    dim->setDimgap(1.0);
    dim->setDimtxt(4.0);
    dim->setDimscale(2.0);
    AcCmColor red;
    red.setColorIndex(1);
    dim->setDimclre(red);
    addToModelSpace(dim);
    const BlockContents block = contentsOf(dim->dimBlockId());
    // Extension lines start DIMEXO off the origins and end DIMEXE past the line, times DIMSCALE.
    bool found = false;
    for (const AcDbLine* l : block.lines)
        if (std::fabs(l->startPoint().x) < 1e-9 && std::fabs(l->startPoint().y - 4.0) < 1e-9)
            found = std::fabs(l->endPoint().y - 23.0) < 1e-9 && l->colorIndex() == 1;
    EXPECT_TRUE(found);
    // Above the line by the gap and half the height, at its middle.
    EXPECT_NEAR(block.textAt.x, 50.0, 1e-9);
    EXPECT_NEAR(block.textAt.y, 20.0 + 2.0 + 4.0, 1e-9);
    EXPECT_NEAR(dim->textPosition().y, 26.0, 1e-9);

    // A text the user placed stays there; DIMTMOVE 1 ties it to the line by a leader.
    AcDbDimension* opened = nullptr;
    ASSERT_EQ(acdbOpenObject(opened, dim->objectId(), AcDb::kForWrite), Acad::eOk);
    opened->setTextPosition(AcGePoint3d(130, 40, 0));
    opened->setDimtmove(1);
    opened->close();
    const BlockContents moved = contentsOf(dim->dimBlockId());
    EXPECT_NEAR(moved.textAt.x, 130.0, 1e-9);
    EXPECT_EQ(moved.counts.at(L"AcDbLine"), block.counts.at(L"AcDbLine") + 1);
}

TEST_F(DimensionTest, NarrowDimensionsPutArrowsOrTextOutside)
{
    struct Case {
        const char* what;
        std::function<void(AcDbDimension*)> set;
        bool textInside;
        int solids;
    } cases[] = {
        { "nothing fits: both outside", [](AcDbDimension*) {}, false, 2 },
        { "DIMTIX keeps the text inside", [](AcDbDimension* d) { d->setDimtix(true); }, true, 2 },
        { "DIMSOXD with DIMTIX drops the arrows", [](AcDbDimension* d) { d->setDimtix(true), d->setDimsoxd(true); },
            true, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto* dim = new AcDbRotatedDimension(0.0, AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(0, 10, 0));
        dim->setDimasz(2.5);
        dim->setDimtxt(3.5);
        dim->setDimdec(0);
        c.set(dim);
        addToModelSpace(dim);
        BlockContents block = contentsOf(dim->dimBlockId());
        EXPECT_EQ(block.textAt.x > 0.0 && block.textAt.x < 1.0, c.textInside);
        EXPECT_EQ(block.counts[L"AcDbSolid"], c.solids);
    }
}

TEST_F(DimensionTest, BlockFollowsChangesOfTheDimensionAndItsStyle)
{
    auto* style = new AcDbDimStyleTableRecord();
    style->setName(L"D1");
    style->setDimdec(1);
    AcDbDimStyleTable* table = nullptr;
    ASSERT_EQ(db->getDimStyleTable(table, AcDb::kForWrite), Acad::eOk);
    AcDbObjectId styleId;
    ASSERT_EQ(table->add(styleId, style), Acad::eOk);
    style->close();
    table->close();
    auto* dim
        = new AcDbAlignedDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(12, 0, 0), AcGePoint3d(0, 5, 0), nullptr, styleId);
    const AcDbObjectId id = addToModelSpace(dim);
    EXPECT_EQ(contentsOf(dim->dimBlockId()).text, L"12.0");

    // Closed after a change, the dimension rebuilds its block.
    AcDbAlignedDimension* opened = nullptr;
    ASSERT_EQ(acdbOpenObject(opened, id, AcDb::kForWrite), Acad::eOk);
    opened->setXLine2Point(AcGePoint3d(20, 0, 0));
    opened->setDimensionText(L"L=<>");
    opened->close();
    EXPECT_EQ(contentsOf(dim->dimBlockId()).text, L"L=20.0");

    // The style changes: the file saved afterwards shows the new precision.
    ASSERT_EQ(acdbOpenObject(style, styleId, AcDb::kForWrite), Acad::eOk);
    style->setDimdec(3);
    style->close();
    const std::string dxf = db->dxfText();
    EXPECT_EQ(contentsOf(dim->dimBlockId()).text, L"L=20.000");
    EXPECT_NE(dxf.find("L=20.000"), std::string::npos);

    // An override stays the dimension's own.
    ASSERT_EQ(acdbOpenObject(opened, id, AcDb::kForWrite), Acad::eOk);
    opened->setDimdec(0);
    opened->close();
    EXPECT_EQ(contentsOf(dim->dimBlockId()).text, L"L=20");
    EXPECT_NE(db->dxfText().find("DSTYLE"), std::string::npos);
}
