// Lookups scan the records: tables hold tens of records, block tables a few thousand at most.
#include "AcDbSymbolTable.h"

#include "AcDbDatabase.h"
#include "AcDbDxfFiler.h"
#include "AcDbSymbolTableIterator.h"

ACRX_DEFINE_MEMBERS(AcDbSymbolTable, AcDbObject)

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* entryName, AcDbObjectId& recordId, bool getErasedRecord) const
{
    if (entryName == nullptr)
        return Acad::eInvalidInput;
    AcDbObjectId erased;
    for (const AcDbObjectId& id : mRecords) {
        auto* rec = AcDbSymbolTableRecord::cast(AcDbDatabase::peek(id));
        if (rec == nullptr || !acdbSymbolNamesEqual(rec->name(), entryName))
            continue;
        if (!rec->isErased()) {
            recordId = id;
            return Acad::eOk;
        }
        erased = id;
    }
    if (erased.isNull())
        return Acad::eKeyNotFound;
    if (!getErasedRecord)
        return Acad::eWasErased;
    recordId = erased;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::getAt(
    const ACHAR* entryName, AcDbSymbolTableRecord*& pRec, AcDb::OpenMode openMode, bool openErasedRec) const
{
    pRec = nullptr;
    AcDbObjectId id;
    if (Acad::ErrorStatus es = getAt(entryName, id, openErasedRec); es != Acad::eOk)
        return es;
    return acdbOpenObject(pRec, id, openMode, openErasedRec);
}

bool AcDbSymbolTable::has(const ACHAR* name) const
{
    AcDbObjectId id;
    return getAt(name, id) == Acad::eOk;
}

bool AcDbSymbolTable::has(AcDbObjectId id) const
{
    for (const AcDbObjectId& r : mRecords)
        if (r == id)
            return !id.isErased();
    return false;
}

Acad::ErrorStatus AcDbSymbolTable::newIterator(
    AcDbSymbolTableIterator*& pIterator, bool atBeginning, bool skipDeleted) const
{
    pIterator = new AcDbSymbolTableIterator(this, atBeginning, skipDeleted);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbSymbolTableRecord* pRecord)
{
    AcDbObjectId id;
    return add(id, pRecord);
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbObjectId& recordId, AcDbSymbolTableRecord* pRecord)
{
    if (pRecord == nullptr)
        return Acad::eNullObjectPointer;
    if (database() == nullptr)
        return Acad::eNoDatabase;
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (pRecord->isDatabaseResident())
        return Acad::eAlreadyInDb;
    if (!pRecord->isKindOf(recordClass()))
        return Acad::eWrongObjectType;
    if (acdbSNValid(pRecord->name().c_str(), true) != RTNORM)
        return Acad::eInvalidInput;
    if (has(pRecord->name().c_str()))
        return Acad::eDuplicateRecordName;
    if (Acad::ErrorStatus es = database()->addAcDbObject(recordId, pRecord); es != Acad::eOk)
        return es;
    pRecord->setOwnerId(objectId());
    mRecords.push_back(recordId);
    pRecord->objectAddedToDatabase();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbObject::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbSymbolTable");
    int live = 0;
    for (const AcDbObjectId& id : mRecords)
        live += id.isErased() ? 0 : 1;
    filer->writeInt16(70, live);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbObject::dxfInFields(filer);
    filer->atSubclassData(L"AcDbSymbolTable");
    filer->readSubclass([](const AcDbDxfGroup&) {});
    return Acad::eOk;
}
