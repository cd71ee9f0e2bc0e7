// Dictionaries, groups, the draw-order table in a block's extension dictionary, and
// extended data, driven the way the system's utility library drives them.
#include "AcDbBlockTableRecord.h"
#include "AcDbDictionary.h"
#include "AcDbDictionaryIterator.h"
#include "AcDbGroup.h"
#include "AcDbLine.h"
#include "AcDbSortentsTable.h"
#include "DbFixture.h"

#include <cmath>

using DictionaryTest = DbTest;

namespace {

// The utility library's way to the draw order of an entity's block: make the block's
// extension dictionary and its "ACAD_SORTENTS" table on first use; the table comes back
// open for write.
AcDbSortentsTable* getOrCreateSortentsTable(AcDbEntity* ent)
{
    AcDbBlockTableRecord* block = nullptr;
    if (acdbOpenObject(block, ent->ownerId(), AcDb::kForRead) != Acad::eOk)
        return nullptr;
    if (block->extensionDictionary().isNull()) {
        if (block->upgradeOpen() != Acad::eOk || block->createExtensionDictionary() != Acad::eOk) {
            block->close();
            return nullptr;
        }
    }
    AcDbDictionary* dict = nullptr;
    const Acad::ErrorStatus es = acdbOpenObject(dict, block->extensionDictionary(), AcDb::kForRead);
    block->close();
    if (es != Acad::eOk)
        return nullptr;
    AcDbObject* obj = nullptr;
    if (dict->getAt(L"ACAD_SORTENTS", obj, AcDb::kForWrite) != Acad::eOk) {
        EXPECT_EQ(dict->upgradeOpen(), Acad::eOk);
        auto* table = new AcDbSortentsTable();
        AcDbObjectId id;
        EXPECT_EQ(dict->setAt(L"ACAD_SORTENTS", table, id), Acad::eOk);
        EXPECT_EQ(table->setBlockId(ent->ownerId()), Acad::eOk);
        obj = table;
    }
    dict->close();
    return AcDbSortentsTable::cast(obj);
}

} // namespace

TEST_F(DictionaryTest, SetAtGetAtRemoveAndIterate)
{
    AcDbDictionary* root = nullptr;
    ASSERT_EQ(db->getNamedObjectsDictionary(root, AcDb::kForRead), Acad::eOk);
    EXPECT_TRUE(root->has(L"ACAD_GROUP"));
    EXPECT_TRUE(root->has(L"acad_group"));
    auto* dict = new AcDbDictionary();
    AcDbObjectId id;
    EXPECT_EQ(root->setAt(L"CORBEL", dict, id), Acad::eNotOpenForWrite);
    ASSERT_EQ(root->upgradeOpen(), Acad::eOk);
    ASSERT_EQ(root->setAt(L"CORBEL", dict, id), Acad::eOk);
    EXPECT_EQ(dict->ownerId(), root->objectId());
    EXPECT_EQ(dict->close(), Acad::eOk);
    AcDbObjectId found;
    EXPECT_EQ(root->getAt(L"CORBEL", found), Acad::eOk);
    EXPECT_EQ(found, id);
    EXPECT_EQ(root->getAt(L"NOPE", found), Acad::eKeyNotFound);
    std::vector<std::wstring> names;
    AcDbDictionaryIterator* it = root->newIterator();
    for (; !it->done(); it->next())
        names.push_back(it->name());
    delete it;
    EXPECT_EQ(names.back(), L"CORBEL");
    EXPECT_EQ(root->remove(L"CORBEL"), Acad::eOk);
    EXPECT_EQ(root->remove(L"CORBEL"), Acad::eKeyNotFound);
    root->close();
}

TEST_F(DictionaryTest, GroupsAreNamedSelectionsInTheGroupDictionary)
{
    const AcDbObjectId a = addToModelSpace(new AcDbLine());
    const AcDbObjectId b = addToModelSpace(new AcDbLine());
    AcDbDictionary* groups = nullptr;
    ASSERT_EQ(db->getGroupDictionary(groups, AcDb::kForWrite), Acad::eOk);
    auto* group = new AcDbGroup(L"", true);
    // Not in a database yet: nothing can be appended.
    EXPECT_EQ(group->append(a), Acad::eNotInDatabase);
    AcDbObjectId groupId;
    ASSERT_EQ(groups->setAt(L"CAPGROUP_1_2", group, groupId), Acad::eOk);
    AcDbObjectIdArray ids;
    ids.append(a);
    ids.append(b);
    EXPECT_EQ(group->append(ids), Acad::eOk);
    EXPECT_EQ(group->append(a), Acad::eInvalidInput);
    EXPECT_EQ(group->append(db->layerZero()), Acad::eInvalidInput);
    EXPECT_EQ(group->append(AcDbObjectId()), Acad::eNullObjectId);
    EXPECT_EQ(group->numEntities(), 2u);
    EXPECT_TRUE(group->isSelectable());
    ACHAR* name = nullptr;
    ASSERT_EQ(group->getName(name), Acad::eOk);
    EXPECT_STREQ(name, L"CAPGROUP_1_2");
    acutDelString(name);
    group->close();
    groups->close();

    // An erased member drops out of the group's list.
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(ent, a, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(ent->persistentReactors().size(), 1u);
    ent->erase();
    ent->close();
    AcDbGroup* reopened = nullptr;
    ASSERT_EQ(acdbOpenObject(reopened, groupId), Acad::eOk);
    AcDbObjectIdArray members;
    EXPECT_EQ(reopened->allEntityIds(members), 1u);
    EXPECT_EQ(members[0], b);
    reopened->close();
}

TEST_F(DictionaryTest, DrawOrderTableLivesInTheBlocksExtensionDictionary)
{
    AcDbObjectId ids[4];
    for (AcDbObjectId& id : ids)
        id = addToModelSpace(new AcDbLine());
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(ent, ids[0], AcDb::kForRead), Acad::eOk);
    AcDbSortentsTable* table = getOrCreateSortentsTable(ent);
    ent->close();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->blockId(), db->modelSpaceId());
    auto order = [&]() {
        AcDbObjectIdArray all;
        table->getFullDrawOrder(all);
        std::vector<AcDbObjectId> v(all.begin(), all.end());
        return v;
    };
    EXPECT_EQ(order(), (std::vector<AcDbObjectId> { ids[0], ids[1], ids[2], ids[3] }));
    AcDbObjectIdArray one;
    one.append(ids[0]);
    EXPECT_EQ(table->moveToTop(one), Acad::eOk);
    EXPECT_EQ(order(), (std::vector<AcDbObjectId> { ids[1], ids[2], ids[3], ids[0] }));
    AcDbObjectIdArray mask;
    mask.append(ids[3]);
    EXPECT_EQ(table->moveAbove(mask, ids[1]), Acad::eOk);
    EXPECT_EQ(order(), (std::vector<AcDbObjectId> { ids[1], ids[3], ids[2], ids[0] }));
    EXPECT_EQ(table->moveAbove(mask, ids[3]), Acad::eInvalidInput);
    AcDbObjectIdArray foreign;
    foreign.append(db->layerZero());
    EXPECT_EQ(table->moveToTop(foreign), Acad::eInvalidInput);
    AcDbHandle sortHandle;
    ASSERT_EQ(table->getSortHandle(ids[0], sortHandle), Acad::eOk);
    EXPECT_EQ(sortHandle, ids[3].handle());
    table->close();

    // The second request finds the same table.
    ASSERT_EQ(acdbOpenAcDbEntity(ent, ids[1], AcDb::kForRead), Acad::eOk);
    AcDbSortentsTable* again = getOrCreateSortentsTable(ent);
    ent->close();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->objectId(), table->objectId());
    again->close();
}

TEST_F(DictionaryTest, DrawOrderOfALargeBlockKeepsMovesAndFollowsErasedAndNewEntities)
{
    std::vector<AcDbObjectId> ids;
    for (int i = 0; i < 300; ++i)
        ids.push_back(addToModelSpace(new AcDbLine()));
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(ent, ids[0], AcDb::kForRead), Acad::eOk);
    AcDbSortentsTable* table = getOrCreateSortentsTable(ent);
    ent->close();
    ASSERT_NE(table, nullptr);
    // As masking texts does: each text goes just above a mask put on top.
    std::vector<AcDbObjectId> expected(ids.begin(), ids.end());
    for (int i = 0; i < 40; ++i) {
        const AcDbObjectId mask = ids[static_cast<std::size_t>(299 - i)], text = ids[static_cast<std::size_t>(i * 3)];
        AcDbObjectIdArray one;
        one.append(mask);
        ASSERT_EQ(table->moveToTop(one), Acad::eOk);
        one[0] = text;
        ASSERT_EQ(table->moveAbove(one, mask), Acad::eOk);
        std::erase(expected, mask);
        std::erase(expected, text);
        expected.push_back(mask);
        expected.push_back(text);
    }
    // An erased entity drops out; a new one is drawn last.
    ASSERT_EQ(acdbOpenAcDbEntity(ent, ids[150], AcDb::kForWrite), Acad::eOk);
    ent->erase();
    ent->close();
    std::erase(expected, ids[150]);
    expected.push_back(addToModelSpace(new AcDbLine()));
    AcDbObjectIdArray all;
    ASSERT_EQ(table->getFullDrawOrder(all), Acad::eOk);
    EXPECT_EQ(std::vector<AcDbObjectId>(all.begin(), all.end()), expected);
    // The erased entity cannot be moved, nor can anything be moved above it.
    AcDbObjectIdArray erased;
    erased.append(ids[150]);
    EXPECT_EQ(table->moveToTop(erased), Acad::eInvalidInput);
    AcDbObjectIdArray live;
    live.append(ids[1]);
    EXPECT_EQ(table->moveAbove(live, ids[150]), Acad::eInvalidInput);
    table->close();
}

TEST_F(DictionaryTest, ExtendedDataReplacesPerApplication)
{
    auto* line = new AcDbLine();
    addToModelSpace(line);
    ASSERT_EQ(acdbOpenObject(line, line->objectId(), AcDb::kForWrite), Acad::eOk);
    resbuf* unregistered = acutBuildList(1001, L"Mav_ROAD", 1000, L"s1", 0);
    EXPECT_EQ(line->setXData(unregistered), Acad::eKeyNotFound);
    EXPECT_EQ(line->xData(L"Mav_ROAD"), nullptr);
    EXPECT_EQ(acdbRegApp(L"Mav_ROAD"), 1);
    EXPECT_EQ(line->setXData(unregistered), Acad::eOk);
    acutRelRb(unregistered);

    // The library appends behind what the entity holds and hands the whole chain back.
    resbuf* chain = line->xData(L"mav_road");
    ASSERT_NE(chain, nullptr);
    resbuf* last = chain;
    while (last->rbnext)
        last = last->rbnext;
    const ads_point pt = { 1.0, 2.0, 3.0 };
    last->rbnext = acutBuildList(1040, 2.5, 1000, L"s2", 1010, pt, 1070, 7, 1071, 70000, 0);
    EXPECT_EQ(line->setXData(chain), Acad::eOk);
    acutRelRb(chain);

    resbuf* back = line->xData(L"Mav_ROAD");
    std::vector<short> codes;
    for (resbuf* rb = back; rb; rb = rb->rbnext)
        codes.push_back(rb->restype);
    EXPECT_EQ(codes, (std::vector<short> { 1001, 1000, 1040, 1000, 1010, 1070, 1071 }));
    EXPECT_STREQ(back->rbnext->resval.rstring, L"s1");
    EXPECT_DOUBLE_EQ(back->rbnext->rbnext->resval.rreal, 2.5);
    EXPECT_DOUBLE_EQ(back->rbnext->rbnext->rbnext->rbnext->resval.rpoint[2], 3.0);
    acutRelRb(back);

    // An application named alone removes its data; other applications stay.
    resbuf* acad = acutBuildList(1001, L"ACAD", 1000, L"kept", 0);
    EXPECT_EQ(line->setXData(acad), Acad::eOk);
    acutRelRb(acad);
    resbuf* remove = acutBuildList(1001, L"Mav_ROAD", 0);
    EXPECT_EQ(line->setXData(remove), Acad::eOk);
    acutRelRb(remove);
    EXPECT_EQ(line->xData(L"Mav_ROAD"), nullptr);
    resbuf* all = line->xData();
    ASSERT_NE(all, nullptr);
    EXPECT_STREQ(all->resval.rstring, L"ACAD");
    acutRelRb(all);
    // A list that does not start with an application name is refused.
    resbuf* bad = acutBuildList(1000, L"x", 0);
    EXPECT_EQ(line->setXData(bad), Acad::eInvalidInput);
    acutRelRb(bad);
    line->close();
}
