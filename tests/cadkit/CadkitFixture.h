// Each test starts with a new drawing, an empty transcript that echoes nowhere and the host's
// variables at their defaults; message boxes are answered by a script and logged.
#pragma once

#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbEntity.h"
#include "AcDbServices.h"
#include "CScopedMessageBoxAnswerer.h"
#include "HostApplication.h"

#include <gtest/gtest.h>

#include <string>

class CadkitFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        HostApplication& host = app();
        host.transcript().setEcho(nullptr);
        host.docManager().newDocument();
        host.transcript().clear();
        host.inputScript().clear();
        host.systemVariables().reset();
        mBoxes->SetLog(&host.transcript().stream());
    }

    static HostApplication& app() { return HostApplication::instance(); }
    static AcDbDatabase* db() { return app().database(); }
    static std::wstring transcript() { return app().transcript().text(); }

    // Adds the entity to model space and closes it; returns its id.
    static AcDbObjectId add(AcDbEntity* ent)
    {
        AcDbObjectId id;
        AcDbBlockTableRecord* ms = nullptr;
        EXPECT_EQ(acdbOpenObject(ms, db()->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
        ent->setDatabaseDefaults(db());
        EXPECT_EQ(ms->appendAcDbEntity(id, ent), Acad::eOk);
        ms->close();
        ent->close();
        return id;
    }

    // The live entities of a block, in append order.
    static std::vector<AcDbObjectId> entitiesOf(AcDbObjectId blockId)
    {
        std::vector<AcDbObjectId> ids;
        AcDbBlockTableRecord* block = nullptr;
        if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk)
            return ids;
        for (const AcDbObjectId& id : block->entityIds()) {
            if (!id.isErased())
                ids.push_back(id);
        }
        block->close();
        return ids;
    }

    CScopedMessageBoxAnswerer mBoxes;
};
