// The drawing's block table: its records of class AcDbBlockTableRecord, found by name.
// DXF writes it as the "BLOCK_RECORD" table.
#pragma once

#include "AcDbBlockTableRecord.h"
#include "AcDbSymbolTable.h"
#include "AcDbSymbolTableIterator.h"

typedef AcDbTypedSymbolTableIterator<AcDbBlockTableRecord> AcDbBlockTableIterator;

class AcDbBlockTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockTable);
    ACDB_DECLARE_SYMBOL_TABLE_MEMBERS(AcDbBlockTableRecord, AcDbBlockTableIterator)

    const ACHAR* dxfTableName() const override { return L"BLOCK_RECORD"; }
};
