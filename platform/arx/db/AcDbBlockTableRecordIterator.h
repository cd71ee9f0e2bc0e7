// Walks the entities of a block in append order, skipping erased ones unless asked not to.
#pragma once

#include "AcDb.h"
#include "AcDbObjectId.h"
#include "AcadErrorStatus.h"

#include <vector>

class AcDbBlockTableRecord;
class AcDbEntity;

class AcDbBlockTableRecordIterator {
public:
    AcDbBlockTableRecordIterator(const AcDbBlockTableRecord* block, bool atBeginning, bool skipDeleted);

    void start(bool atBeginning = true, bool skipDeleted = true);
    bool done() const;
    void step(bool forward = true, bool skipDeleted = true);
    Acad::ErrorStatus getEntityId(AcDbObjectId& entityId) const;
    Acad::ErrorStatus getEntity(
        AcDbEntity*& pEntity, AcDb::OpenMode openMode = AcDb::kForRead, bool openErasedEntity = false) const;
    Acad::ErrorStatus seek(AcDbObjectId id);

private:
    void skip(bool forward, bool skipDeleted);

    std::vector<AcDbObjectId> mIds;
    long mPos = 0;
};
