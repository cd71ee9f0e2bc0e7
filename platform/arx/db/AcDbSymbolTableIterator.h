// Walks the records of a symbol table in the order they were added, skipping erased records
// unless asked not to. The typed iterators of the table classes open records of their class.
#pragma once

#include "AcDbSymbolTableRecord.h"

#include <vector>

class AcDbSymbolTable;

class AcDbSymbolTableIterator {
public:
    AcDbSymbolTableIterator(const AcDbSymbolTable* table, bool atBeginning = true, bool skipDeleted = true);
    virtual ~AcDbSymbolTableIterator() = default;

    void start(bool atBeginning = true, bool skipDeleted = true);
    bool done() const;
    void step(bool forward = true, bool skipDeleted = true);
    Acad::ErrorStatus getRecordId(AcDbObjectId& id) const;
    Acad::ErrorStatus getRecord(
        AcDbSymbolTableRecord*& pRecord, AcDb::OpenMode openMode = AcDb::kForRead, bool openErasedRec = false) const;
    Acad::ErrorStatus seek(AcDbObjectId id);

private:
    void skip(bool forward, bool skipDeleted);

    std::vector<AcDbObjectId> mIds;
    long mPos = 0;
};

template <class RECORD> class AcDbTypedSymbolTableIterator : public AcDbSymbolTableIterator {
public:
    using AcDbSymbolTableIterator::AcDbSymbolTableIterator;
    using AcDbSymbolTableIterator::getRecord;
    Acad::ErrorStatus getRecord(
        RECORD*& pRecord, AcDb::OpenMode openMode = AcDb::kForRead, bool openErasedRec = false) const
    {
        AcDbSymbolTableRecord* rec = nullptr;
        Acad::ErrorStatus es = AcDbSymbolTableIterator::getRecord(rec, openMode, openErasedRec);
        pRecord = static_cast<RECORD*>(rec);
        return es;
    }
};
