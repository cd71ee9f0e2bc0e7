// Walks a snapshot of the block's entity list, so appending while walking is safe.
#include "AcDbBlockTableRecordIterator.h"

#include "AcDbBlockTableRecord.h"
#include "AcDbEntity.h"
#include "AcDbServices.h"

AcDbBlockTableRecordIterator::AcDbBlockTableRecordIterator(
    const AcDbBlockTableRecord* block, bool atBeginning, bool skipDeleted)
    : mIds(block->entityIds())
{
    start(atBeginning, skipDeleted);
}

void AcDbBlockTableRecordIterator::start(bool atBeginning, bool skipDeleted)
{
    mPos = atBeginning ? 0 : static_cast<long>(mIds.size()) - 1;
    skip(atBeginning, skipDeleted);
}

bool AcDbBlockTableRecordIterator::done() const
{
    return mPos < 0 || mPos >= static_cast<long>(mIds.size());
}

void AcDbBlockTableRecordIterator::step(bool forward, bool skipDeleted)
{
    if (done())
        return;
    mPos += forward ? 1 : -1;
    skip(forward, skipDeleted);
}

void AcDbBlockTableRecordIterator::skip(bool forward, bool skipDeleted)
{
    while (skipDeleted && !done() && mIds[static_cast<std::size_t>(mPos)].isErased())
        mPos += forward ? 1 : -1;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntityId(AcDbObjectId& entityId) const
{
    if (done())
        return Acad::eInvalidIndex;
    entityId = mIds[static_cast<std::size_t>(mPos)];
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntity(
    AcDbEntity*& pEntity, AcDb::OpenMode openMode, bool openErasedEntity) const
{
    AcDbObjectId id;
    if (Acad::ErrorStatus es = getEntityId(id); es != Acad::eOk)
        return es;
    return acdbOpenAcDbEntity(pEntity, id, openMode, openErasedEntity);
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::seek(AcDbObjectId id)
{
    for (std::size_t i = 0; i < mIds.size(); ++i)
        if (mIds[i] == id) {
            mPos = static_cast<long>(i);
            return Acad::eOk;
        }
    return Acad::eInvalidInput;
}
