// A fresh default drawing made the working database for each test, and helpers that add
// entities the way the system's code does (append to model space, close).
#pragma once

#include "AcDbBlockTable.h"
#include "AcDbDatabase.h"
#include "AcDbEntity.h"
#include "AcDbHostApplicationServices.h"

#include <gtest/gtest.h>
#include <memory>
#include <numbers>

inline constexpr double kPi = std::numbers::pi;

class DbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = std::make_unique<AcDbDatabase>();
        acdbHostApplicationServices()->setWorkingDatabase(db.get());
    }
    void TearDown() override { acdbHostApplicationServices()->setWorkingDatabase(nullptr); }

    // Appends to model space and closes; the entity stays the database's.
    AcDbObjectId addToModelSpace(AcDbEntity* ent, AcDbDatabase* target = nullptr)
    {
        AcDbDatabase* d = target ? target : db.get();
        AcDbBlockTableRecord* ms = nullptr;
        EXPECT_EQ(acdbOpenObject(ms, d->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
        AcDbObjectId id;
        EXPECT_EQ(ms->appendAcDbEntity(id, ent), Acad::eOk);
        EXPECT_EQ(ent->close(), Acad::eOk);
        EXPECT_EQ(ms->close(), Acad::eOk);
        return id;
    }

    std::unique_ptr<AcDbDatabase> db;
};
