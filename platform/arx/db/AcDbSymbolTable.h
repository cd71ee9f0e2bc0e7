// Base of the nine symbol tables: records in the order they were added, found by name
// without regard to case. Each table class adds the typed forms of getAt, add and newIterator.
#pragma once

#include "AcDbObject.h"
#include "AcDbSymbolTableRecord.h"

#include <vector>

class AcDbSymbolTableIterator;

class AcDbSymbolTable : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbSymbolTable);

    // A missing name gives eKeyNotFound; a name whose only record is erased gives eWasErased
    // unless erased records are asked for.
    Acad::ErrorStatus getAt(const ACHAR* entryName, AcDbSymbolTableRecord*& pRec, AcDb::OpenMode openMode,
        bool openErasedRec = false) const;
    Acad::ErrorStatus getAt(const ACHAR* entryName, AcDbObjectId& recordId, bool getErasedRecord = false) const;
    bool has(const ACHAR* name) const;
    bool has(AcDbObjectId id) const;

    Acad::ErrorStatus newIterator(
        AcDbSymbolTableIterator*& pIterator, bool atBeginning = true, bool skipDeleted = true) const;

    // The table must be open for write; the record must be new, of this table's record class
    // and carry a valid name no other live record has (eDuplicateRecordName). The added record
    // stays open for write; the caller closes it. On failure the caller still owns it.
    Acad::ErrorStatus add(AcDbSymbolTableRecord* pRecord);
    Acad::ErrorStatus add(AcDbObjectId& recordId, AcDbSymbolTableRecord* pRecord);

    // The class of the records this table holds.
    virtual AcRxClass* recordClass() const { return AcDbSymbolTableRecord::desc(); }
    // The table's name in DXF ("LAYER", "LTYPE", ...).
    virtual const ACHAR* dxfTableName() const { return L""; }
    const std::vector<AcDbObjectId>& recordIds() const { return mRecords; }
    // For the DXF reader: a record read from a file joins its table without the name checks.
    void appendReadRecord(AcDbObjectId id) { mRecords.push_back(id); }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    std::vector<AcDbObjectId> mRecords;
};

// The typed forms every table class offers over its own record and iterator classes.
#define ACDB_DECLARE_SYMBOL_TABLE_MEMBERS(RECORD, ITERATOR)                                                            \
    using AcDbSymbolTable::add;                                                                                        \
    using AcDbSymbolTable::getAt;                                                                                      \
    using AcDbSymbolTable::newIterator;                                                                                \
    Acad::ErrorStatus getAt(                                                                                           \
        const ACHAR* entryName, RECORD*& pRec, AcDb::OpenMode openMode, bool openErasedRec = false) const              \
    {                                                                                                                  \
        AcDbSymbolTableRecord* rec = nullptr;                                                                          \
        Acad::ErrorStatus es = AcDbSymbolTable::getAt(entryName, rec, openMode, openErasedRec);                        \
        pRec = static_cast<RECORD*>(rec);                                                                              \
        return es;                                                                                                     \
    }                                                                                                                  \
    Acad::ErrorStatus add(RECORD* pRecord)                                                                             \
    {                                                                                                                  \
        return AcDbSymbolTable::add(pRecord);                                                                          \
    }                                                                                                                  \
    Acad::ErrorStatus add(AcDbObjectId& recordId, RECORD* pRecord)                                                     \
    {                                                                                                                  \
        return AcDbSymbolTable::add(recordId, pRecord);                                                                \
    }                                                                                                                  \
    Acad::ErrorStatus newIterator(ITERATOR*& pIterator, bool atBeginning = true, bool skipDeleted = true) const        \
    {                                                                                                                  \
        pIterator = new ITERATOR(this, atBeginning, skipDeleted);                                                      \
        return Acad::eOk;                                                                                              \
    }                                                                                                                  \
    AcRxClass* recordClass() const override                                                                            \
    {                                                                                                                  \
        return RECORD::desc();                                                                                         \
    }
