// Each test starts with a new drawing, an empty transcript that echoes nowhere, no scripted
// answers, the host's variables at their defaults and message boxes answered by a script.
#pragma once

#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbEntity.h"
#include "AcDbServices.h"
#include "CScopedMessageBoxAnswerer.h"
#include "CScriptedMessageBoxAnswerer.h"
#include "HostApplication.h"
#include "HostPaths.h"
#include "aced.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class HostFixture : public ::testing::Test {
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

    // The ids of the live model-space entities, in drawing order.
    static std::vector<AcDbObjectId> modelSpace()
    {
        std::vector<AcDbObjectId> ids;
        AcDbBlockTableRecord* ms = nullptr;
        if (acdbOpenObject(ms, db()->modelSpaceId(), AcDb::kForRead) != Acad::eOk)
            return ids;
        for (const AcDbObjectId& id : ms->entityIds()) {
            if (!id.isErased())
                ids.push_back(id);
        }
        ms->close();
        return ids;
    }

    // Adds the entity to model space and closes it; returns its id.
    static AcDbObjectId add(AcDbEntity* ent)
    {
        AcDbObjectId id;
        AcDbBlockTableRecord* ms = nullptr;
        EXPECT_EQ(acdbOpenObject(ms, db()->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
        EXPECT_EQ(ms->appendAcDbEntity(id, ent), Acad::eOk);
        ms->close();
        ent->close();
        return id;
    }

    static std::wstring handleOf(AcDbObjectId id) { return HostPaths::widen(id.handle().hex()); }

    CScopedMessageBoxAnswerer mBoxes;
};
