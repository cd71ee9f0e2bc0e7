// The drawing's registered application table: its records of class AcDbRegAppTableRecord, found by name.
// DXF writes it as the "APPID" table.
#pragma once

#include "AcDbRegAppTableRecord.h"
#include "AcDbSymbolTable.h"
#include "AcDbSymbolTableIterator.h"

typedef AcDbTypedSymbolTableIterator<AcDbRegAppTableRecord> AcDbRegAppTableIterator;

class AcDbRegAppTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbRegAppTable);
    ACDB_DECLARE_SYMBOL_TABLE_MEMBERS(AcDbRegAppTableRecord, AcDbRegAppTableIterator)

    const ACHAR* dxfTableName() const override { return L"APPID"; }
};
