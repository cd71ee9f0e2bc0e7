// The drawing's user coordinate system table: its records of class AcDbUCSTableRecord, found by name.
// DXF writes it as the "UCS" table.
#pragma once

#include "AcDbSymbolTable.h"
#include "AcDbSymbolTableIterator.h"
#include "AcDbUCSTableRecord.h"

typedef AcDbTypedSymbolTableIterator<AcDbUCSTableRecord> AcDbUCSTableIterator;

class AcDbUCSTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbUCSTable);
    ACDB_DECLARE_SYMBOL_TABLE_MEMBERS(AcDbUCSTableRecord, AcDbUCSTableIterator)

    const ACHAR* dxfTableName() const override { return L"UCS"; }
};
