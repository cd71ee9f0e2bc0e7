// The drawing's text style table: its records of class AcDbTextStyleTableRecord, found by name.
// DXF writes it as the "STYLE" table.
#pragma once

#include "AcDbSymbolTable.h"
#include "AcDbSymbolTableIterator.h"
#include "AcDbTextStyleTableRecord.h"

typedef AcDbTypedSymbolTableIterator<AcDbTextStyleTableRecord> AcDbTextStyleTableIterator;

class AcDbTextStyleTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbTextStyleTable);
    ACDB_DECLARE_SYMBOL_TABLE_MEMBERS(AcDbTextStyleTableRecord, AcDbTextStyleTableIterator)

    const ACHAR* dxfTableName() const override { return L"STYLE"; }
};
