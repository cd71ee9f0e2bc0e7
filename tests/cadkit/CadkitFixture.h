// Each test starts as a host test does (see HostFixture.h): a new drawing, an empty transcript
// that echoes nowhere, the host's variables at their defaults, message boxes scripted and logged.
#pragma once

#include "AcDbBlockTable.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbDictionary.h"
#include "AcDbEntity.h"
#include "AcDbSortentsTable.h"
#include "AcDbWipeout.h"
#include "HostFixture.h"

#include <vector>

inline constexpr double kPi = 3.141592653589793;
// The value an output point starts with, so that a test sees whether it was written.
inline const AcGePoint3d kUnset(-99, -99, -99);

inline void expectNear(const AcGePoint3d& actual, const AcGePoint3d& expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-9) << actual.y << " for " << expected.y;
    EXPECT_NEAR(actual.y, expected.y, 1e-9) << actual.x << " for " << expected.x;
    EXPECT_NEAR(actual.z, expected.z, 1e-9);
}

class CadkitFixture : public HostFixture {
protected:
    // Adds the entity to model space with the drawing's defaults and closes it; returns its id.
    static AcDbObjectId add(AcDbEntity* ent)
    {
        ent->setDatabaseDefaults(db());
        return HostFixture::add(ent);
    }

    // The object opened for read as the class asked for; the caller closes it.
    template <class Record>
    static Record* openRecord(AcDbObjectId id)
    {
        Record* record = nullptr;
        EXPECT_EQ(acdbOpenObject(record, id, AcDb::kForRead), Acad::eOk);
        return record;
    }

    // A new named block of the drawing, closed.
    static AcDbObjectId addBlock(const wchar_t* name)
    {
        AcDbBlockTable* table = nullptr;
        EXPECT_EQ(db()->getBlockTable(table, AcDb::kForWrite), Acad::eOk);
        auto* block = new AcDbBlockTableRecord();
        block->setName(name);
        AcDbObjectId id;
        EXPECT_EQ(table->add(id, block), Acad::eOk);
        block->close();
        table->close();
        return id;
    }

    // The wipeout opened for read, after checking where its image lies: its origin and the two
    // sides of the image. The caller closes it; null when it does not open.
    static AcDbWipeout* openWipeoutFramed(
        const AcDbObjectId& id, const AcGePoint3d& origin, const AcGeVector3d& u, const AcGeVector3d& v)
    {
        AcDbWipeout* wipeout = nullptr;
        EXPECT_EQ(acdbOpenObject(wipeout, id, AcDb::kForRead), Acad::eOk);
        if (wipeout == nullptr)
            return nullptr;
        AcGePoint3d actualOrigin;
        AcGeVector3d actualU;
        AcGeVector3d actualV;
        wipeout->getOrientation(actualOrigin, actualU, actualV);
        EXPECT_EQ(actualOrigin, origin);
        EXPECT_EQ(actualU, u);
        EXPECT_EQ(actualV, v);
        return wipeout;
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
