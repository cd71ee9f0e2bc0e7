// Each test starts as a host test does (see HostFixture.h): a new drawing, an empty transcript
// that echoes nowhere, the host's variables at their defaults, message boxes scripted and logged.
#pragma once

#include "AcDbDictionary.h"
#include "AcDbEntity.h"
#include "AcDbSortentsTable.h"
#include "HostFixture.h"

#include <vector>

class CadkitFixture : public HostFixture {
protected:
    // Adds the entity to model space with the drawing's defaults and closes it; returns its id.
    static AcDbObjectId add(AcDbEntity* ent)
    {
        ent->setDatabaseDefaults(db());
        return HostFixture::add(ent);
    }

    // The model-space draw order, bottom first, read from its table once the table exists.
    static std::vector<AcDbObjectId> tableDrawOrder()
    {
        AcDbBlockTableRecord* ms = nullptr;
        EXPECT_EQ(acdbOpenObject(ms, db()->modelSpaceId(), AcDb::kForRead), Acad::eOk);
        const AcDbObjectId dictId = ms->extensionDictionary();
        ms->close();
        AcDbDictionary* dict = nullptr;
        EXPECT_EQ(acdbOpenObject(dict, dictId, AcDb::kForRead), Acad::eOk);
        AcDbObjectId tableId;
        EXPECT_EQ(dict->getAt(L"ACAD_SORTENTS", tableId), Acad::eOk);
        dict->close();
        AcDbSortentsTable* table = nullptr;
        EXPECT_EQ(acdbOpenObject(table, tableId, AcDb::kForRead), Acad::eOk);
        AcDbObjectIdArray ids;
        table->getFullDrawOrder(ids);
        EXPECT_EQ(table->blockId(), db()->modelSpaceId());
        table->close();
        return std::vector<AcDbObjectId>(ids.begin(), ids.end());
    }
};
