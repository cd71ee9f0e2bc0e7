// A fresh drawing made the working database for each test, and lines added to its model space
// the way the drawing classes add entities (append, close), for tests that need real ids.
#pragma once

#include "AcDbBlockTable.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbLine.h"
#include "AcDbServices.h"

#include <gtest/gtest.h>

#include <memory>

class DrawingDbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_db = std::make_unique<AcDbDatabase>();
        acdbHostApplicationServices()->setWorkingDatabase(m_db.get());
    }
    void TearDown() override { acdbHostApplicationServices()->setWorkingDatabase(nullptr); }

    AcDbObjectId AddToModelSpace(AcDbEntity* entity)
    {
        AcDbBlockTableRecord* space = nullptr;
        EXPECT_EQ(acdbOpenObject(space, m_db->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
        AcDbObjectId id;
        EXPECT_EQ(space->appendAcDbEntity(id, entity), Acad::eOk);
        entity->close();
        space->close();
        return id;
    }
    AcDbObjectId AddLine() { return AddToModelSpace(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0))); }

    std::unique_ptr<AcDbDatabase> m_db;
};
