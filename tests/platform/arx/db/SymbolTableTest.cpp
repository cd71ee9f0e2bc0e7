// Symbol tables: add, lookup and iteration statuses, name rules, records' fields, the
// current-style variables and linetypes loaded from the shipped linetype files.
#include "AcDbBlockTableRecordIterator.h"
#include "AcDbDimStyleTable.h"
#include "AcDbLayerTable.h"
#include "AcDbLine.h"
#include "AcDbLinetypeTable.h"
#include "AcDbRegAppTable.h"
#include "AcDbTextStyleTable.h"
#include "AcDbUCSTable.h"
#include "AcDbViewTable.h"
#include "AcDbViewportTable.h"
#include "DbFixture.h"

#include <cmath>
#include <numbers>

using SymbolTableTest = DbTest;

TEST_F(SymbolTableTest, DefaultDrawingHoldsTheRequiredRecords)
{
    const std::pair<AcDbObjectId, const ACHAR*> required[] = {
        { db->blockTableId(), L"*Model_Space" },
        { db->blockTableId(), L"*Paper_Space" },
        { db->layerTableId(), L"0" },
        { db->linetypeTableId(), L"ByBlock" },
        { db->linetypeTableId(), L"ByLayer" },
        { db->linetypeTableId(), L"CONTINUOUS" },
        { db->textStyleTableId(), L"Standard" },
        { db->dimStyleTableId(), L"Standard" },
        { db->regAppTableId(), L"ACAD" },
        { db->viewportTableId(), L"*Active" },
    };
    for (const auto& [table, name] : required)
        EXPECT_FALSE(db->symbolId(table, name).isNull()) << name;
    EXPECT_FALSE(db->UCSTableId().isNull());
    EXPECT_FALSE(db->viewTableId().isNull());
    EXPECT_EQ(db->clayer(), db->layerZero());
    EXPECT_EQ(db->celtype(), db->byLayerLinetype());
    EXPECT_EQ(db->currentSpaceId(), db->modelSpaceId());
    EXPECT_FALSE(db->groupDictionaryId().isNull());
}

TEST_F(SymbolTableTest, AddAndGetAtStatuses)
{
    AcDbLayerTable* table = nullptr;
    ASSERT_EQ(db->getLayerTable(table, AcDb::kForRead), Acad::eOk);
    auto* rec = new AcDbLayerTableRecord();
    ASSERT_EQ(rec->setName(L"04-钢筋"), Acad::eOk);
    // Read-open table refuses the record, which stays the caller's.
    EXPECT_EQ(table->add(rec), Acad::eNotOpenForWrite);
    ASSERT_EQ(table->upgradeOpen(), Acad::eOk);
    AcDbObjectId id;
    ASSERT_EQ(table->add(id, rec), Acad::eOk);
    EXPECT_TRUE(rec->isWriteEnabled());
    EXPECT_EQ(rec->ownerId(), table->objectId());
    EXPECT_EQ(rec->close(), Acad::eOk);

    auto* dup = new AcDbLayerTableRecord();
    dup->setName(L"04-钢筋");
    EXPECT_EQ(table->add(dup), Acad::eDuplicateRecordName);
    delete dup;
    auto* noName = new AcDbLayerTableRecord();
    EXPECT_EQ(table->add(noName), Acad::eInvalidInput);
    delete noName;
    auto* wrongClass = new AcDbTextStyleTableRecord();
    wrongClass->setName(L"X");
    EXPECT_EQ(table->AcDbSymbolTable::add(wrongClass), Acad::eWrongObjectType);
    delete wrongClass;

    AcDbObjectId found;
    EXPECT_EQ(table->getAt(L"04-钢筋", found), Acad::eOk);
    EXPECT_EQ(found, id);
    EXPECT_TRUE(table->has(id));
    EXPECT_EQ(table->getAt(L"missing", found), Acad::eKeyNotFound);
    AcDbLayerTableRecord* open = nullptr;
    ASSERT_EQ(table->getAt(L"04-钢筋", open, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(open->erase(), Acad::eOk);
    EXPECT_EQ(open->close(), Acad::eOk);
    // An erased record: 80 and a null pointer, unless erased records are asked for.
    EXPECT_EQ(table->getAt(L"04-钢筋", open, AcDb::kForRead), Acad::eWasErased);
    EXPECT_EQ(open, nullptr);
    EXPECT_EQ(table->getAt(L"04-钢筋", open, AcDb::kForRead, true), Acad::eOk);
    EXPECT_EQ(open->close(), Acad::eOk);
    EXPECT_FALSE(table->has(L"04-钢筋"));
    // The name of an erased record may be used again.
    auto* again = new AcDbLayerTableRecord();
    again->setName(L"04-钢筋");
    EXPECT_EQ(table->add(again), Acad::eOk);
    again->close();
    table->close();
}

TEST_F(SymbolTableTest, SymbolNamesAreCheckedAndCompareWithoutCase)
{
    struct Case {
        const ACHAR* name;
        bool pipe;
        int expected;
    };
    const Case cases[] = {
        { L"DIM50", false, RTNORM },
        { L"08-标注", false, RTNORM },
        { L"a|b", false, RTERROR },
        { L"a|b", true, RTNORM },
        { L"", false, RTERROR },
        { L"a<b", false, RTERROR },
        { L"*Model_Space", false, RTNORM },
        { L"a*b", false, RTERROR },
    };
    for (const Case& c : cases)
        EXPECT_EQ(acdbSNValid(c.name, c.pipe), c.expected) << c.name;
    EXPECT_EQ(db->symbolId(db->layerTableId(), L"0"), db->symbolId(db->layerTableId(), L"0"));
    EXPECT_EQ(db->symbolId(db->textStyleTableId(), L"STANDARD"), db->symbolId(db->textStyleTableId(), L"standard"));
}

TEST_F(SymbolTableTest, IteratorSkipsErasedRecordsUnlessAsked)
{
    AcDbRegAppTable* table = nullptr;
    ASSERT_EQ(db->getRegAppTable(table, AcDb::kForWrite), Acad::eOk);
    for (const ACHAR* name : { L"Mav_ROAD", L"GONE", L"LAST" }) {
        auto* rec = new AcDbRegAppTableRecord();
        rec->setName(name);
        ASSERT_EQ(table->add(rec), Acad::eOk);
        if (std::wstring(name) == L"GONE")
            rec->erase();
        rec->close();
    }
    auto names = [&](bool skipDeleted) {
        std::vector<std::wstring> out;
        AcDbRegAppTableIterator* it = nullptr;
        table->newIterator(it, true, skipDeleted);
        for (; !it->done(); it->step(true, skipDeleted)) {
            AcDbRegAppTableRecord* rec = nullptr;
            EXPECT_EQ(it->getRecord(rec, AcDb::kForRead, true), Acad::eOk);
            out.push_back(rec->name());
            rec->close();
        }
        delete it;
        return out;
    };
    EXPECT_EQ(names(true), (std::vector<std::wstring> { L"ACAD", L"Mav_ROAD", L"LAST" }));
    EXPECT_EQ(names(false), (std::vector<std::wstring> { L"ACAD", L"Mav_ROAD", L"GONE", L"LAST" }));
    table->close();
}

TEST_F(SymbolTableTest, BlockIteratorWalksEntitiesInAppendOrder)
{
    AcDbObjectId ids[3];
    for (AcDbObjectId& id : ids)
        id = addToModelSpace(new AcDbLine());
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(ent, ids[1], AcDb::kForWrite), Acad::eOk);
    ent->erase();
    ent->close();
    AcDbBlockTableRecord* ms = nullptr;
    ASSERT_EQ(acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForRead), Acad::eOk);
    // Appending needs the block open for write; the entity stays its creator's.
    auto* refused = new AcDbLine();
    EXPECT_EQ(ms->appendAcDbEntity(refused), Acad::eNotOpenForWrite);
    EXPECT_FALSE(refused->isDatabaseResident());
    delete refused;
    AcDbBlockTableRecordIterator* it = nullptr;
    ASSERT_EQ(ms->newIterator(it), Acad::eOk);
    std::vector<AcDbObjectId> seen;
    for (; !it->done(); it->step()) {
        AcDbEntity* e = nullptr;
        ASSERT_EQ(it->getEntity(e), Acad::eOk);
        seen.push_back(e->objectId());
        e->close();
    }
    delete it;
    EXPECT_EQ(seen, (std::vector<AcDbObjectId>{ids[0], ids[2]}));
    ms->close();
}

TEST_F(SymbolTableTest, RecordsKeepEveryFieldTheCallersSet)
{
    ASSERT_EQ(db->loadLineTypeFile(L"CENTER", L"acadiso.lin"), Acad::eOk);
    const AcDbObjectId center = db->symbolId(db->linetypeTableId(), L"CENTER");

    auto* layer = new AcDbLayerTableRecord();
    layer->setName(L"01-中心线");
    AcCmColor red;
    red.setColorIndex(1);
    layer->setColor(red);
    layer->setLinetypeObjectId(center);
    EXPECT_EQ(layer->setLineWeight(AcDb::kLnWt025), Acad::eOk);
    layer->setIsFrozen(true);
    layer->setIsOff(true);
    layer->setIsLocked(true);
    layer->setVPDFLT(true);
    layer->setIsPlottable(false);
    EXPECT_EQ(layer->color().colorIndex(), 1);
    EXPECT_EQ(layer->linetypeObjectId(), center);
    EXPECT_EQ(layer->lineWeight(), AcDb::kLnWt025);
    EXPECT_TRUE(layer->isFrozen() && layer->isOff() && layer->isLocked() && layer->VPDFLT());
    EXPECT_FALSE(layer->isPlottable());
    delete layer;

    AcDbTextStyleTableRecord style;
    style.setFileName(L"fsdb_e.shx");
    style.setBigFontFileName(L"fsdb.shx");
    style.setTextSize(3.5);
    style.setXScale(0.7);
    style.setObliquingAngle(15.0 * std::numbers::pi / 180.0);
    EXPECT_EQ(style.setXScale(0.0), Acad::eInvalidInput);
    style.setFont(L"宋体", false, true, 134, 2);
    ACHAR* face = nullptr;
    bool bold = true, italic = false;
    int charset = 0, pitch = 0;
    style.font(face, bold, italic, charset, pitch);
    EXPECT_STREQ(face, L"宋体");
    EXPECT_FALSE(bold);
    EXPECT_TRUE(italic);
    EXPECT_EQ(charset, 134);
    EXPECT_EQ(pitch, 2);
    acutDelString(face);
    EXPECT_EQ(face, nullptr);
    const ACHAR* big = nullptr;
    style.bigFontFileName(big);
    EXPECT_STREQ(big, L"fsdb.shx");
    EXPECT_DOUBLE_EQ(style.xScale(), 0.7);
    EXPECT_DOUBLE_EQ(style.textSize(), 3.5);
}

TEST_F(SymbolTableTest, DimensionStyleVariablesHaveDefaultsAndCopy)
{
    AcDbDimStyleTableRecord a;
    EXPECT_EQ(a.dimdec(), 4);
    EXPECT_DOUBLE_EQ(a.dimscale(), 1.0);
    EXPECT_DOUBLE_EQ(a.dimlfac(), 1.0);
    EXPECT_TRUE(a.dimtih());
    EXPECT_EQ(a.dimtolj(), 1);
    EXPECT_EQ(a.dimdsep(), L'.');
    a.setDimdec(1);
    a.setDimadec(2);
    a.setDimasz(2.5);
    a.setDimtxt(3.0);
    a.setDimsah(true);
    a.setDimexe(1.25);
    a.setDimexo(0.75);
    a.setDimgap(0.75);
    a.setDimaltd(3);
    a.setDimtad(1);
    a.setDimdsep(L',');
    a.setDimtih(false);
    a.setDimtoh(false);
    a.setDimtix(true);
    a.setDimtofl(true);
    a.setDimsoxd(true);
    a.setDimzin(8);
    a.setDimscale(5.0);
    a.setDimtmove(2);
    a.setDimse1(true);
    a.setDimse2(true);
    a.setDimtxsty(db->textstyle());
    EXPECT_EQ(a.setDimblk(L"NoSuchArrow"), Acad::eKeyNotFound);
    EXPECT_EQ(a.setDimblk(L""), Acad::eOk);
    EXPECT_TRUE(a.dimblk().isNull());

    AcDbDimStyleTableRecord b;
    ASSERT_EQ(b.copyFrom(&a), Acad::eOk);
    EXPECT_TRUE(AcDbDimStyleVariables::differingCodes(a, b).empty());
    EXPECT_EQ(b.dimdsep(), L',');
    EXPECT_EQ(b.dimtmove(), 2);
    EXPECT_EQ(b.dimtxsty(), db->textstyle());
    b.setDimlfac(0.5);
    EXPECT_EQ(AcDbDimStyleVariables::differingCodes(a, b), std::set<int> { 144 });
    AcDbLayerTableRecord notAStyle;
    EXPECT_EQ(b.copyFrom(&notAStyle), Acad::eWrongObjectType);
}

TEST_F(SymbolTableTest, CurrentVariablesRefuseWrongRecords)
{
    AcDbObjectId style = db->symbolId(db->textStyleTableId(), L"Standard");
    EXPECT_EQ(db->setClayer(style), Acad::eWrongObjectType);
    EXPECT_EQ(db->setClayer(AcDbObjectId()), Acad::eNullObjectId);
    EXPECT_EQ(db->setTextstyle(style), Acad::eOk);
    EXPECT_EQ(db->setCeltype(db->continuousLinetype()), Acad::eOk);
    EXPECT_EQ(db->setLtscale(4.0), Acad::eOk);
    EXPECT_EQ(db->setLtscale(0.0), Acad::eInvalidInput);
    EXPECT_EQ(db->setPdmode(35), Acad::eOk);
    AcCmColor green;
    green.setColorIndex(3);
    db->setCecolor(green);

    // New entities take the current values for what they were not given.
    auto* line = new AcDbLine();
    AcCmColor blue;
    blue.setColorIndex(5);
    line->setColor(blue);
    addToModelSpace(line);
    EXPECT_EQ(line->linetypeId(), db->continuousLinetype());
    EXPECT_EQ(line->colorIndex(), 5);
    auto* plain = new AcDbLine();
    addToModelSpace(plain);
    EXPECT_EQ(plain->colorIndex(), 3);
    EXPECT_DOUBLE_EQ(db->ltscale(), 4.0);
    EXPECT_EQ(db->pdmode(), 35);
}

TEST_F(SymbolTableTest, EntityLayerAndLinetypeByName)
{
    AcDbLine line;
    EXPECT_EQ(line.setLayer(L"no such layer"), Acad::eKeyNotFound);
    EXPECT_EQ(line.setLayer(L"0"), Acad::eOk);
    EXPECT_EQ(line.setLinetype(L"HIDDEN"), Acad::eKeyNotFound);
    EXPECT_EQ(line.setColorIndex(257), Acad::eInvalidInput);
    EXPECT_EQ(line.setLineWeight(static_cast<AcDb::LineWeight>(33)), Acad::eInvalidInput);
    ACHAR* name = line.layer();
    EXPECT_STREQ(name, L"0");
    acutDelString(name);
    // A resident entity open for read refuses changes.
    auto* resident = new AcDbLine();
    const AcDbObjectId id = addToModelSpace(resident);
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(ent, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(ent->setColorIndex(1), Acad::eNotOpenForWrite);
    ent->close();
}

TEST_F(SymbolTableTest, LinetypesLoadFromTheShippedFiles)
{
    struct Case {
        const ACHAR* file;
        const ACHAR* name;
        double total;
        int dashes;
    };
    const Case cases[] = {
        { L"acad.lin", L"CENTER", 2.0, 4 },
        { L"acad.lin", L"HIDDEN", 0.375, 2 },
        { L"acad.lin", L"PHANTOM2", 1.25, 6 },
        { L"ACADISO.LIN", L"CENTER", 50.8, 4 },
        { L"acadiso.lin", L"HIDDEN", 9.525, 2 },
        { L"acadiso.lin", L"PHANTOM2", 31.75, 6 },
        { L"acadiso.lin", L"DASHDOT", 25.4, 4 },
        { L"acadiso.lin", L"BORDER", 44.45, 6 },
    };
    for (const Case& c : cases) {
        AcDbDatabase fresh;
        ASSERT_EQ(fresh.loadLineTypeFile(c.name, c.file), Acad::eOk) << c.file << " " << c.name;
        AcDbLinetypeTableRecord* rec = nullptr;
        ASSERT_EQ(acdbOpenObject(rec, fresh.symbolId(fresh.linetypeTableId(), c.name)), Acad::eOk);
        EXPECT_NEAR(rec->patternLength(), c.total, 1e-9) << c.name;
        EXPECT_EQ(rec->numDashes(), c.dashes);
        EXPECT_GT(rec->dashLengthAt(0), 0.0);
        EXPECT_LT(rec->dashLengthAt(1), 0.0);
        rec->close();
    }
    for (const ACHAR* name : { L"DASHED", L"DIVIDE", L"CENTER2", L"HIDDEN2", L"PHANTOM" })
        EXPECT_EQ(db->loadLineTypeFile(name, L"acadiso.lin"), Acad::eOk) << name;
    EXPECT_EQ(db->loadLineTypeFile(L"CONTINUOUS", L"acadiso.lin"), Acad::eDuplicateRecordName);
    EXPECT_EQ(db->loadLineTypeFile(L"DASHED", L"acadiso.lin"), Acad::eDuplicateRecordName);
    EXPECT_EQ(db->loadLineTypeFile(L"NOSUCH", L"acadiso.lin"), Acad::eKeyNotFound);
    EXPECT_EQ(db->loadLineTypeFile(L"CENTER", L"missing.lin"), Acad::eKeyNotFound);
}
