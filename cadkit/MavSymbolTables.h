// Symbol-table steps that several of the library's style, layer and linetype functions take in
// the same order; kept here so that they open, add and close records one way only.
#pragma once

#include "AcDbDatabase.h"
#include "AcDbDimStyleTable.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbSymbolTableIterator.h"
#include "CArray.h"

#include <new>

// One table of the working database, open in the given mode: 124 when there is no working
// database, else the status of the open.
template <class Table>
Acad::ErrorStatus openWorkingTable(AcDb::OpenMode mode, Table*& pTable)
{
    AcDbDatabase* pDb = acdbHostApplicationServices()->workingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    return pDb->getSymbolTable(pTable, mode);
}

// Looks a name up among the live records of one table of the database.
template <class Table>
Acad::ErrorStatus lookUpSymbol(AcDbDatabase* pDb, const wchar_t* name, AcDbObjectId& id)
{
    Table* pTable = nullptr;
    Acad::ErrorStatus es = pDb->getSymbolTable(pTable, AcDb::kForRead);
    if (es != Acad::eOk)
        return es;
    es = pTable->getAt(name, id, false);
    pTable->close();
    return es;
}

// Appends the name of every live record of one table of the database, in table order.
template <class Table>
Acad::ErrorStatus collectSymbolNames(AcDbDatabase* pDb, CStringArray& names)
{
    Table* pTable = nullptr;
    Acad::ErrorStatus es = pDb->getSymbolTable(pTable, AcDb::kForRead);
    if (es != Acad::eOk)
        return es;
    AcDbSymbolTableIterator* pIt = nullptr;
    es = pTable->newIterator(pIt, true, true);
    if (es == Acad::eOk) {
        for (; !pIt->done(); pIt->step(true, true)) {
            AcDbSymbolTableRecord* pRecord = nullptr;
            if (pIt->getRecord(pRecord, AcDb::kForRead, false) != Acad::eOk)
                continue;
            names.Add(pRecord->name().c_str());
            pRecord->close();
        }
        delete pIt;
    }
    pTable->close();
    return es;
}

// The id of the working database's live record of that name, or of a new empty record added
// under it; the null id when neither is had.
template <class Table, class Record>
Acad::ErrorStatus findOrAddSymbol(const wchar_t* name, AcDbObjectId& id)
{
    id.setNull();
    Table* pTable = nullptr;
    Acad::ErrorStatus es = openWorkingTable(AcDb::kForRead, pTable);
    if (es != Acad::eOk)
        return es;
    if (pTable->getAt(name, id, false) == Acad::eOk) {
        pTable->close();
        return Acad::eOk;
    }
    auto* pRecord = new (std::nothrow) Record();
    if (pRecord == nullptr) {
        pTable->close();
        return Acad::eOutOfMemory;
    }
    es = pRecord->setName(name);
    if (es == Acad::eOk)
        es = pTable->upgradeOpen();
    if (es == Acad::eOk)
        es = pTable->add(id, pRecord);
    // A record the table refused is not in the database: it is deleted, not closed.
    if (es == Acad::eOk)
        pRecord->close();
    else
        delete pRecord;
    pTable->close();
    return es;
}

// A new dimension style of that name in the table open for read, its variables written by fill
// before it joins the table; the table is closed on every path.
template <class Fill>
Acad::ErrorStatus addDimStyle(AcDbDimStyleTable* pTable, const wchar_t* name, AcDbObjectId& id, Fill fill)
{
    auto* pRecord = new (std::nothrow) AcDbDimStyleTableRecord();
    if (pRecord == nullptr) {
        pTable->close();
        return Acad::eOutOfMemory;
    }
    pRecord->setName(name);
    fill(pRecord);
    Acad::ErrorStatus es = pTable->upgradeOpen();
    if (es == Acad::eOk)
        es = pTable->add(id, pRecord);
    pTable->close();
    if (es != Acad::eOk) {
        delete pRecord;
        return es;
    }
    pRecord->close();
    return Acad::eOk;
}
