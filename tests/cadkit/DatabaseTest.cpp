// Appending entities to the current space, model space and an open block; opening entities,
// curves, blocks and tables by id or name; erasing; symbol records; groups and layers.
#include "CadkitFixture.h"

#include "MavUtils.h"

#include "AcDbBlockTable.h"
#include "AcDbDictionary.h"
#include "AcDbDimStyleTable.h"
#include "AcDbExtents.h"
#include "AcDbGroup.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbLayerTable.h"
#include "AcDbLine.h"
#include "AcDbLinetypeTable.h"
#include "AcDbRegAppTable.h"
#include "AcDbText.h"
#include "AcDbTextStyleTable.h"
#include "AcDbUCSTable.h"
#include "AcDbViewTable.h"
#include "AcDbViewportTable.h"
#include "AcGeLineSeg2d.h"
#include "AcGeMatrix2d.h"
#include "AcGeMatrix3d.h"
#include "aced.h"

namespace {

// A line that tells when it is freed, so that a test sees who disposed of it.
class ProbeLine : public AcDbLine {
public:
    explicit ProbeLine(bool* freed)
        : AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0))
        , mFreed(freed)
    {
    }
    ~ProbeLine() override { *mFreed = true; }

private:
    bool* mFreed;
};

AcDbLine* newLine() { return new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 5, 0)); }

// Holds a record open for write, so that the library cannot open it.
class HeldOpen {
public:
    explicit HeldOpen(AcDbObjectId id) { EXPECT_EQ(acdbOpenAcDbObject(mObj, id, AcDb::kForWrite), Acad::eOk); }
    ~HeldOpen() { mObj->close(); }
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;

private:
    AcDbObject* mObj = nullptr;
};

bool isClosed(AcDbObjectId id)
{
    AcDbObject* obj = nullptr;
    if (acdbOpenAcDbObject(obj, id, AcDb::kForWrite) != Acad::eOk)
        return false;
    obj->close();
    return true;
}

} // namespace

using DatabaseAccess = CadkitFixture;

TEST_F(DatabaseAccess, AppendingToTheCurrentSpaceClosesTheEntityAndGivesItsId)
{
    AcDbObjectId id;
    EXPECT_EQ(MavUtils::addToCurrentSpaceAndClose(newLine(), id), Acad::eOk);
    EXPECT_EQ(entitiesOf(db()->modelSpaceId()), std::vector<AcDbObjectId>{id});
    EXPECT_TRUE(isClosed(id));

    EXPECT_EQ(MavUtils::addToCurrentSpaceAndClose(newLine()), Acad::eOk);
    EXPECT_EQ(MavUtils::addToCurrentSpaceAndClose(newLine(), db()), Acad::eOk);
    EXPECT_EQ(entitiesOf(db()->modelSpaceId()).size(), 3u);
    EXPECT_EQ(transcript(), L"");
}

TEST_F(DatabaseAccess, CurrentSpaceFollowsTheLayoutButAddToDatabaseAlwaysGoesToModelSpace)
{
    ASSERT_EQ(db()->setTilemode(false), Acad::eOk);
    AcDbObjectId inPaper, inModel;
    EXPECT_EQ(MavUtils::addToCurrentSpaceAndClose(newLine(), inPaper), Acad::eOk);
    EXPECT_EQ(MavUtils::addToDatabase(newLine(), inModel), Acad::eOk);
    EXPECT_EQ(entitiesOf(db()->paperSpaceId()), std::vector<AcDbObjectId>{inPaper});
    EXPECT_EQ(entitiesOf(db()->modelSpaceId()), std::vector<AcDbObjectId>{inModel});
    EXPECT_TRUE(isClosed(inModel));
}

TEST_F(DatabaseAccess, EveryCurrentSpaceAppendFreesAnEntityItCouldNotAppend)
{
    const HeldOpen space(db()->modelSpaceId());
    bool freed[3] = {false, false, false};
    AcDbObjectId id;
    EXPECT_EQ(MavUtils::addToCurrentSpaceAndClose(new ProbeLine(&freed[0]), id), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::addToCurrentSpaceAndClose(new ProbeLine(&freed[1])), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::addToCurrentSpaceAndClose(new ProbeLine(&freed[2]), db()), Acad::eInvalidInput);
    EXPECT_TRUE(freed[0] && freed[1] && freed[2]);
    EXPECT_TRUE(id.isNull());
}

TEST_F(DatabaseAccess, AFailedAppendIsReportedAndLeavesAnEntityOfTheDatabaseAlone)
{
    const AcDbObjectId id = add(newLine());
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(ent, id, AcDb::kForWrite), Acad::eOk);
    AcDbObjectId newId;
    EXPECT_EQ(MavUtils::addToCurrentSpaceAndClose(ent, newId), Acad::eAlreadyInDb);
    EXPECT_EQ(transcript(), L"\naddToCurrentSpace 出现异常!");
    EXPECT_TRUE(newId.isNull());
    EXPECT_EQ(ent->close(), Acad::eOk);
    EXPECT_EQ(entitiesOf(db()->modelSpaceId()), std::vector<AcDbObjectId>{id});
}

TEST_F(DatabaseAccess, AddToCurrentSpaceLeavesTheEntityOpenForTheCaller)
{
    AcDbLine* line = newLine();
    EXPECT_EQ(MavUtils::addToCurrentSpace(line), Acad::eOk);
    EXPECT_TRUE(line->isWriteEnabled());
    const AcDbObjectId id = line->objectId();
    line->close();
    EXPECT_EQ(entitiesOf(db()->modelSpaceId()), std::vector<AcDbObjectId>{id});
}

TEST_F(DatabaseAccess, WithoutAWorkingDatabaseAppendsAnswerNoDatabase)
{
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    bool freed = false;
    AcDbObjectId id;
    AcDbLine* kept = newLine();
    EXPECT_EQ(MavUtils::addToDatabase(kept, id), Acad::eNoDatabase);
    EXPECT_EQ(MavUtils::addToCurrentSpaceAndClose(new ProbeLine(&freed)), Acad::eNoDatabase);
    acdbHostApplicationServices()->setWorkingDatabase(db());
    EXPECT_TRUE(freed);
    // A failed addToDatabase leaves the entity to its caller.
    EXPECT_TRUE(kept->isWriteEnabled());
    delete kept;
}

TEST_F(DatabaseAccess, AppendingToAnOpenBlockClosesTheEntityAndLeavesTheBlockOpen)
{
    const AcDbObjectId blockId = addBlock(L"BRI-HLJT");
    AcDbBlockTableRecord* block = nullptr;
    ASSERT_EQ(acdbOpenObject(block, blockId, AcDb::kForWrite), Acad::eOk);
    AcDbObjectId first;
    MavUtils::addToBlockTableRecordAndClose(first, newLine(), block);
    MavUtils::addToBlockTableRecordAndClose(newLine(), block);
    EXPECT_TRUE(block->isWriteEnabled());
    block->close();

    const std::vector<AcDbObjectId> inBlock = entitiesOf(blockId);
    ASSERT_EQ(inBlock.size(), 2u);
    EXPECT_EQ(inBlock[0], first);
    EXPECT_TRUE(isClosed(inBlock[0]) && isClosed(inBlock[1]));
    EXPECT_TRUE(entitiesOf(db()->modelSpaceId()).empty());
}

TEST_F(DatabaseAccess, AppendingToABlockWithANullPointerDoesNothing)
{
    AcDbObjectId id = db()->layerZero();
    AcDbLine* line = newLine();
    MavUtils::addToBlockTableRecordAndClose(id, line, nullptr);
    EXPECT_EQ(id, db()->layerZero());
    EXPECT_TRUE(line->isWriteEnabled());
    delete line;
}

TEST_F(DatabaseAccess, AnEntityTheBlockRefusesIsFreedNotLeaked)
{
    AcDbBlockTableRecord* block = nullptr;
    ASSERT_EQ(acdbOpenObject(block, db()->modelSpaceId(), AcDb::kForRead), Acad::eOk);
    bool freed = false;
    AcDbObjectId id;
    MavUtils::addToBlockTableRecordAndClose(id, new ProbeLine(&freed), block);
    block->close();
    EXPECT_TRUE(freed);
    EXPECT_TRUE(id.isNull());
}

TEST_F(DatabaseAccess, OpeningByIdRefusesNullErasedAndWrongKinds)
{
    const AcDbObjectId lineId = add(newLine());
    auto* text = new AcDbText(AcGePoint3d(0, 0, 0), L"12.5");
    const AcDbObjectId textId = add(text);

    AcDbEntity* ent = nullptr;
    EXPECT_EQ(MavUtils::openEntWithID(AcDbObjectId::kNull, AcDb::kForRead, ent), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::openEntWithID(db()->layerZero(), AcDb::kForRead, ent), Acad::eNotAnEntity);
    EXPECT_EQ(ent, nullptr);

    AcDbCurve* const untouched = reinterpret_cast<AcDbCurve*>(0x1);
    AcDbCurve* curve = untouched;
    EXPECT_EQ(MavUtils::openCurveWithID(textId, AcDb::kForRead, curve), Acad::eInvalidInput);
    EXPECT_EQ(curve, untouched);
    EXPECT_TRUE(isClosed(textId));
    EXPECT_EQ(MavUtils::openCurveWithID(AcDbObjectId::kNull, AcDb::kForRead, curve), Acad::eInvalidInput);

    ASSERT_EQ(MavUtils::openCurveWithID(lineId, AcDb::kForWrite, curve), Acad::eOk);
    EXPECT_TRUE(curve->isWriteEnabled());
    curve->close();

    MavUtils::deleteObj(lineId);
    EXPECT_EQ(MavUtils::openEntWithID(lineId, AcDb::kForRead, ent), Acad::eWasErased);
    EXPECT_EQ(transcript(), L"");
}

TEST_F(DatabaseAccess, OpensTheCurrentSpaceABlockByNameAndEachSymbolTable)
{
    AcDbBlockTableRecord* space = MavUtils::openCurrentSpaceBlock(AcDb::kForRead, db());
    ASSERT_NE(space, nullptr);
    EXPECT_EQ(space->objectId(), db()->modelSpaceId());
    space->close();
    EXPECT_EQ(MavUtils::openCurrentSpaceBlock(AcDb::kForRead, nullptr), nullptr);

    AcDbBlockTableRecord* block = nullptr;
    EXPECT_EQ(MavUtils::openBlockDef(L"NoSuchBlock", block, AcDb::kForRead, db()), Acad::eKeyNotFound);
    EXPECT_EQ(transcript(), L"");
    ASSERT_EQ(MavUtils::openBlockDef(L"*Paper_Space", block, AcDb::kForWrite, db()), Acad::eOk);
    EXPECT_EQ(block->objectId(), db()->paperSpaceId());
    EXPECT_TRUE(block->isWriteEnabled());
    block->close();

    const std::pair<AcRxClass*, AcDbObjectId> tables[] = {
        {AcDbBlockTableRecord::desc(), db()->blockTableId()},
        {AcDbDimStyleTableRecord::desc(), db()->dimStyleTableId()},
        {AcDbLayerTableRecord::desc(), db()->layerTableId()},
        {AcDbLinetypeTableRecord::desc(), db()->linetypeTableId()},
        {AcDbTextStyleTableRecord::desc(), db()->textStyleTableId()},
        {AcDbRegAppTableRecord::desc(), db()->regAppTableId()},
        {AcDbUCSTableRecord::desc(), db()->UCSTableId()},
        {AcDbViewTableRecord::desc(), db()->viewTableId()},
        {AcDbViewportTableRecord::desc(), db()->viewportTableId()},
    };
    for (const auto& [recordClass, tableId] : tables) {
        AcDbSymbolTable* table = MavUtils::openSymbolTable(recordClass, AcDb::kForRead, db());
        ASSERT_NE(table, nullptr) << recordClass->name();
        EXPECT_EQ(table->objectId(), tableId);
        table->close();
    }
    EXPECT_EQ(MavUtils::openSymbolTable(AcDbLine::desc(), AcDb::kForRead, db()), nullptr);
    EXPECT_EQ(transcript(), L"\nInternal ARX ERROR: eInvalidInput 出现异常!");
}

TEST_F(DatabaseAccess, ErasingSkipsWhatCannotBeOpened)
{
    const AcDbObjectId a = add(newLine());
    const AcDbObjectId b = add(newLine());
    const AcDbObjectId c = add(newLine());
    AcArray<AcDbObjectId> ids;
    ids.append(a);
    ids.append(AcDbObjectId::kNull);
    ids.append(c);
    MavUtils::deleteObjs(ids);
    EXPECT_EQ(ids.length(), 3);
    EXPECT_EQ(entitiesOf(db()->modelSpaceId()), std::vector<AcDbObjectId>{b});

    MavUtils::deleteObj(AcDbObjectId::kNull);
    MavUtils::deleteObj(b);
    EXPECT_TRUE(entitiesOf(db()->modelSpaceId()).empty());
}

TEST_F(DatabaseAccess, SymbolRecordIsAddedToTheTableOfItsClassOrFreed)
{
    auto* layer = new AcDbLayerTableRecord();
    layer->setName(L"08-标注");
    AcDbObjectId id;
    EXPECT_EQ(MavUtils::addToSymbolTableAndClose(layer, id), 1);
    EXPECT_EQ(db()->symbolId(db()->layerTableId(), L"08-标注"), id);
    EXPECT_TRUE(isClosed(id));

    auto* twin = new AcDbLayerTableRecord();
    twin->setName(L"08-标注");
    AcDbObjectId twinId;
    EXPECT_EQ(MavUtils::addToSymbolTableAndClose(twin, twinId), 0);
    EXPECT_EQ(transcript(), L"\naddToSymbolTableAndClose 出现异常!");
    EXPECT_EQ(MavUtils::addToSymbolTableAndClose(nullptr, twinId), 0);
}

TEST_F(DatabaseAccess, GroupsTakeTheNameThenTheDateThenAOne)
{
    const AcDbObjectId a = add(newLine());
    const AcDbObjectId b = add(newLine());
    auto groupNames = [&] {
        AcDbDictionary* groups = nullptr;
        EXPECT_EQ(db()->getGroupDictionary(groups, AcDb::kForRead), Acad::eOk);
        std::vector<std::wstring> names;
        for (const auto& entry : groups->liveEntries())
            names.push_back(entry.first);
        groups->close();
        return names;
    };
    auto dateStamp = [] {
        resbuf date{};
        acedGetVar(L"CDATE", &date);
        CString stamp;
        stamp.Format(L"%.6f", date.resval.rreal);
        return stamp.str();
    };

    AcArray<AcDbObjectId> none;
    MavUtils::addToGroup(none, L"A");
    EXPECT_TRUE(groupNames().empty());

    const std::wstring before = dateStamp();
    for (int i = 0; i < 3; ++i) {
        AcArray<AcDbObjectId> ids;
        ids.append(a);
        ids.append(b);
        ids.append(a);
        MavUtils::addToGroup(ids, L"A");
        EXPECT_EQ(ids.length(), 2);
    }
    const std::wstring after = dateStamp();

    const std::vector<std::wstring> names = groupNames();
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], L"A");
    if (before == after) {
        EXPECT_EQ(names[1], L"A" + before);
        EXPECT_EQ(names[2], L"A" + before + L"1");
    }
    AcDbGroup* group = nullptr;
    AcDbDictionary* groups = nullptr;
    ASSERT_EQ(db()->getGroupDictionary(groups, AcDb::kForRead), Acad::eOk);
    AcDbObjectId groupId;
    ASSERT_EQ(groups->getAt(L"A", groupId), Acad::eOk);
    groups->close();
    ASSERT_EQ(acdbOpenObject(group, groupId, AcDb::kForRead), Acad::eOk);
    AcDbObjectIdArray members;
    group->allEntityIds(members);
    group->close();
    ASSERT_EQ(members.length(), 2);
    EXPECT_EQ(members[0], a);
    EXPECT_EQ(members[1], b);
}

TEST_F(DatabaseAccess, EntityMovesToALayerByNameOrById)
{
    AcDbObjectId layerId;
    ASSERT_EQ(MavUtils::createLayerEx(L"04-钢筋", nullptr, layerId, 1, false, false, false, false, 0), Acad::eOk);
    const AcDbObjectId lineId = add(newLine());
    const AcDbObjectId textId = add(new AcDbText(AcGePoint3d(0, 0, 0), L"N1"));

    MavUtils::sendDbEntityToLayer(lineId, CString(L"04-钢筋"));
    MavUtils::sendDbEntityToLayer(textId, layerId);
    for (const AcDbObjectId& id : {lineId, textId}) {
        AcDbEntity* ent = nullptr;
        ASSERT_EQ(acdbOpenAcDbEntity(ent, id, AcDb::kForRead), Acad::eOk);
        EXPECT_EQ(ent->layerId(), layerId);
        ent->close();
    }
    MavUtils::sendDbEntityToLayer(AcDbObjectId::kNull, layerId);
    EXPECT_EQ(transcript(), L"\nInternal ARX ERROR: eInvalidInput 出现异常!");
}

TEST_F(DatabaseAccess, RegeneratingAnEntityAnswersNormalForALiveOne)
{
    EXPECT_EQ(MavUtils::updateDbEntity(add(newLine())), RTNORM);
    EXPECT_NE(MavUtils::updateDbEntity(AcDbObjectId::kNull), RTNORM);
}

TEST_F(DatabaseAccess, TransformsOfGeometryAndPointsAndTheReportOfARefusedUpgrade)
{
    AcGePoint2d point(2.0, 3.0);
    MavUtils::doTransformBy(point, AcGeMatrix2d::scaling(2.0, AcGePoint2d(1.0, 1.0)));
    EXPECT_EQ(point, AcGePoint2d(3.0, 5.0));

    AcGeLineSeg2d segment(AcGePoint2d(1.0, 0.0), AcGePoint2d(3.0, 0.0));
    MavUtils::scaleToSize(&segment, 3.0, AcGePoint2d(0.0, 0.0));
    EXPECT_EQ(segment.startPoint(), AcGePoint2d(3.0, 0.0));
    EXPECT_EQ(segment.endPoint(), AcGePoint2d(9.0, 0.0));

    // Already open for write: the upgrade is refused and reported only when asked.
    const AcDbObjectId id = add(newLine());
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(ent, id, AcDb::kForWrite), Acad::eOk);
    MavUtils::doTransformBy(ent, AcGeMatrix3d::kIdentity, 0);
    EXPECT_EQ(transcript(), L"");
    MavUtils::doTransformBy(ent, AcGeMatrix3d::kIdentity, 1);
    EXPECT_EQ(transcript(), L"\nInternal ARX ERROR: eWasOpenForWrite 出现异常!");
    ent->close();

    AcDbExtents extents;
    EXPECT_EQ(MavUtils::getCurveExtents(nullptr, extents), Acad::eInvalidInput);
}

TEST(MavUtilsObject, CopiesAndAssignmentsCarryNothing)
{
    MavUtils a;
    MavUtils b(a);
    b = a;
    AcDbObjectId id = AcDbObjectId::kNull;
    AcDbEntity* untouched = nullptr;
    EXPECT_EQ(MavUtils::createLinetypeEx(L"X", id), Acad::eOk);
    EXPECT_EQ(MavUtils::offsetCurve(id, id, id, 1.0, untouched), Acad::eOk);
    EXPECT_TRUE(id.isNull());
    EXPECT_EQ(untouched, nullptr);
}
