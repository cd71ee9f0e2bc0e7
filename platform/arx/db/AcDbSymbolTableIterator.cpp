// The iterator walks a snapshot of the record ids, so records added while walking are not
// visited and erasing the current record does not disturb the walk.
#include "AcDbSymbolTableIterator.h"

#include "AcDbDatabase.h"
#include "AcDbSymbolTable.h"

AcDbSymbolTableIterator::AcDbSymbolTableIterator(const AcDbSymbolTable* table, bool atBeginning, bool skipDeleted)
    : mIds(table->recordIds())
{
    start(atBeginning, skipDeleted);
}

void AcDbSymbolTableIterator::start(bool atBeginning, bool skipDeleted)
{
    mPos = atBeginning ? 0 : static_cast<long>(mIds.size()) - 1;
    skip(atBeginning, skipDeleted);
}

bool AcDbSymbolTableIterator::done() const
{
    return mPos < 0 || mPos >= static_cast<long>(mIds.size());
}

void AcDbSymbolTableIterator::step(bool forward, bool skipDeleted)
{
    if (done())
        return;
    mPos += forward ? 1 : -1;
    skip(forward, skipDeleted);
}

void AcDbSymbolTableIterator::skip(bool forward, bool skipDeleted)
{
    while (skipDeleted && !done() && mIds[static_cast<std::size_t>(mPos)].isErased())
        mPos += forward ? 1 : -1;
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecordId(AcDbObjectId& id) const
{
    if (done())
        return Acad::eInvalidIndex;
    id = mIds[static_cast<std::size_t>(mPos)];
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecord(
    AcDbSymbolTableRecord*& pRecord, AcDb::OpenMode openMode, bool openErasedRec) const
{
    AcDbObjectId id;
    if (Acad::ErrorStatus es = getRecordId(id); es != Acad::eOk)
        return es;
    return acdbOpenObject(pRecord, id, openMode, openErasedRec);
}

Acad::ErrorStatus AcDbSymbolTableIterator::seek(AcDbObjectId id)
{
    for (std::size_t i = 0; i < mIds.size(); ++i)
        if (mIds[i] == id) {
            mPos = static_cast<long>(i);
            return Acad::eOk;
        }
    return Acad::eInvalidInput;
}
